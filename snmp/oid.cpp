#include "snmp/oid.h"

#include <algorithm>
#include <cstdint>

Oid::Oid(const char *dotted)
{
    if (dotted == nullptr)
        return;
    const char *p = dotted;
    if (*p == '.')
        ++p;
    std::vector<unsigned long> parts;
    while (*p != '\0') {
        if (*p < '0' || *p > '9')
            return;
        uint64_t value = 0;
        while (*p >= '0' && *p <= '9') {
            value = value * 10 + static_cast<uint64_t>(*p - '0');
            if (value > UINT32_MAX)
                return;
            ++p;
        }
        parts.push_back(static_cast<unsigned long>(value));
        if (parts.size() > kMaxLength)
            return;
        if (*p == '.') {
            ++p;
            if (*p == '\0')
                return;  // trailing dot: an empty part
        } else if (*p != '\0') {
            return;
        }
    }
    if (parts.empty())
        return;
    subIds_ = std::move(parts);
    valid_ = true;
}

Oid::Oid(const unsigned long *subIds, unsigned long count)
{
    if (subIds == nullptr || count == 0 || count > kMaxLength)
        return;
    subIds_.assign(subIds, subIds + count);
    valid_ = std::all_of(subIds_.begin(), subIds_.end(), [](unsigned long s) { return s <= UINT32_MAX; });
    if (!valid_)
        subIds_.clear();
}

static std::string Dotted(const std::vector<unsigned long> &subIds, size_t from, size_t to)
{
    std::string text;
    for (size_t i = from; i < to; ++i) {
        if (i != from)
            text += '.';
        text += std::to_string(subIds[i]);
    }
    return text;
}

const char *Oid::get_printable() const
{
    printable_ = Dotted(subIds_, 0, subIds_.size());
    return printable_.c_str();
}

const char *Oid::get_printable(unsigned long start, unsigned long n, char *&buffer) const
{
    size_t from = start == 0 ? 0 : start - 1;
    from = std::min<size_t>(from, subIds_.size());
    size_t to = from + std::min<size_t>(n, subIds_.size() - from);
    std::string text = Dotted(subIds_, from, to);
    delete[] buffer;
    buffer = new char[text.size() + 1];
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = '\0';
    return buffer;
}

bool Oid::StartsWith(const Oid &other) const
{
    return other.len() <= len() && std::equal(other.subIds_.begin(), other.subIds_.end(), subIds_.begin());
}

Oid &Oid::operator+=(unsigned long subId)
{
    if (subIds_.size() < kMaxLength && subId <= UINT32_MAX) {
        subIds_.push_back(subId);
        valid_ = true;
    }
    return *this;
}
