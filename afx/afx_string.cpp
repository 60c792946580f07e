#include "afx_string.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "afx_module.h"

int CString::Compare(LPCSTR other) const { return text_.compare(other ? other : ""); }

int CString::CompareNoCase(LPCSTR other) const { return strcasecmp(text_.c_str(), other ? other : ""); }

CString CString::Left(int count) const { return CString(text_.substr(0, std::clamp(count, 0, GetLength()))); }

CString CString::Right(int count) const {
    int kept = std::clamp(count, 0, GetLength());
    return CString(text_.substr(text_.size() - kept));
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    int available = GetLength() - first;
    return CString(text_.substr(first, count < 0 ? available : std::min(count, available)));
}

int CString::Find(char c, int start) const {
    if (start < 0 || start > GetLength()) return -1;
    size_t found = text_.find(c, start);
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::Find(LPCSTR text, int start) const {
    if (text == nullptr || start < 0 || start > GetLength()) return -1;
    size_t found = text_.find(text, start);
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::Replace(char from, char to) {
    int count = 0;
    for (char &c : text_)
        if (c == from) {
            c = to;
            ++count;
        }
    return count;
}

int CString::Replace(LPCSTR from, LPCSTR to) {
    if (from == nullptr || *from == '\0') return 0;
    std::string needle(from), replacement(to ? to : "");
    int count = 0;
    for (size_t at = text_.find(needle); at != std::string::npos; at = text_.find(needle, at + replacement.size())) {
        text_.replace(at, needle.size(), replacement);
        ++count;
    }
    return count;
}

CString &CString::TrimLeft() {
    size_t first = 0;
    while (first < text_.size() && std::isspace(static_cast<unsigned char>(text_[first]))) ++first;
    text_.erase(0, first);
    return *this;
}

CString &CString::TrimRight() {
    while (!text_.empty() && std::isspace(static_cast<unsigned char>(text_.back()))) text_.pop_back();
    return *this;
}

CString &CString::Trim() { return TrimLeft().TrimRight(); }

CString &CString::MakeUpper() {
    for (char &c : text_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString &CString::MakeLower() {
    for (char &c : text_) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

void CString::Format(LPCSTR format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::vector<char> buffer(length > 0 ? length + 1 : 1, '\0');
    if (length > 0) std::vsnprintf(buffer.data(), buffer.size(), format, arguments);
    va_end(arguments);
    text_.assign(buffer.data(), length > 0 ? length : 0);
}

BOOL CString::LoadString(UINT id) {
    // String resources hold at most 4097 bytes in the process code page.
    std::vector<char> buffer(4100);
    int length = LoadStringA(AfxGetResourceHandle(), id, buffer.data(), static_cast<int>(buffer.size()));
    text_.assign(buffer.data(), length > 0 ? length : 0);
    return length > 0;
}

LPSTR CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) text_.resize(minLength);
    return text_.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) newLength = static_cast<int>(std::char_traits<char>::length(text_.c_str()));
    text_.resize(std::min<size_t>(newLength, text_.size()));
}

CString AfxFormatText(LPCSTR pattern, LPCSTR first, LPCSTR second) {
    CString result(pattern);
    result.Replace("%1", first ? first : "");
    if (second != nullptr) result.Replace("%2", second);
    return result;
}
