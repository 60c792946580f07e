#include "resources/version_block.h"

namespace mfpwin {
namespace {

constexpr size_t kNodeHeaderSize = 6;  // length, value length, type
constexpr int kMaximumDepth = 8;

size_t AlignToDword(size_t offset) { return (offset + 3) & ~size_t{3}; }

uint16_t Word(std::span<const uint8_t> block, size_t offset)
{
    return static_cast<uint16_t>(block[offset] | (block[offset + 1] << 8));
}

std::optional<VersionNode> ParseNode(std::span<const uint8_t> block, size_t offset, size_t limit, int depth)
{
    if (depth > kMaximumDepth || limit > block.size() || offset > limit || limit - offset < kNodeHeaderSize) {
        return std::nullopt;
    }
    size_t length = Word(block, offset);
    size_t valueLength = Word(block, offset + 2);
    uint16_t type = Word(block, offset + 4);
    if (length < kNodeHeaderSize || length > limit - offset) return std::nullopt;
    size_t end = offset + length;
    VersionNode node;
    node.offset = offset;
    node.isText = type == 1;
    size_t cursor = offset + kNodeHeaderSize;
    for (;;) {
        if (end - cursor < 2) return std::nullopt;
        char16_t unit = Word(block, cursor);
        cursor += 2;
        if (unit == 0) break;
        node.key.push_back(unit);
    }
    cursor = AlignToDword(cursor);
    node.valueOffset = cursor;
    node.valueBytes = node.isText ? valueLength * 2 : valueLength;
    if (cursor > end || node.valueBytes > end - cursor) {
        // Some compilers count a text value's length in bytes: keep what lies within the node.
        if (!node.isText || cursor > end) return std::nullopt;
        node.valueBytes = (end - cursor) & ~size_t{1};
    }
    cursor = AlignToDword(cursor + node.valueBytes);
    while (cursor + kNodeHeaderSize <= end) {
        std::optional<VersionNode> child = ParseNode(block, cursor, end, depth + 1);
        if (!child) return std::nullopt;
        cursor = AlignToDword(cursor + Word(block, cursor));
        node.children.push_back(std::move(*child));
    }
    return node;
}

bool SameKey(const std::u16string &key, std::string_view name)
{
    if (key.size() != name.size()) return false;
    for (size_t i = 0; i < key.size(); ++i) {
        char16_t a = key[i];
        char b = name[i];
        auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
        if (lower(a) != lower(static_cast<unsigned char>(b))) return false;
    }
    return true;
}

}  // namespace

std::optional<VersionNode> ParseVersionBlock(std::span<const uint8_t> block)
{
    return ParseNode(block, 0, block.size(), 0);
}

const VersionNode *FindVersionNode(const VersionNode &root, std::string_view path)
{
    const VersionNode *node = &root;
    while (!path.empty()) {
        if (path.front() == '\\') {
            path.remove_prefix(1);
            continue;
        }
        size_t slash = path.find('\\');
        std::string_view name = path.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash);
        const VersionNode *next = nullptr;
        for (const VersionNode &child : node->children) {
            if (SameKey(child.key, name)) {
                next = &child;
                break;
            }
        }
        if (next == nullptr) return nullptr;
        node = next;
    }
    return node;
}

void CollectTextNodes(const VersionNode &node, std::vector<const VersionNode *> &out)
{
    if (node.isText && node.valueBytes > 0) out.push_back(&node);
    for (const VersionNode &child : node.children) CollectTextNodes(child, out);
}

}  // namespace mfpwin
