// The tree of a version block (VS_VERSIONINFO): each node is a length, a value length, a type
// (0 binary, 1 text), a UTF-16 key, its value and its children, each part DWORD-aligned
// from the start of the block.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mfpwin {

struct VersionNode {
    size_t offset = 0;         // of the node within the block
    std::u16string key;
    bool isText = false;
    size_t valueOffset = 0;    // within the block
    size_t valueBytes = 0;     // text values: UTF-16 units * 2, terminator included when present
    std::vector<VersionNode> children;
};

// The whole tree, or nothing when any node runs past its parent or the block.
std::optional<VersionNode> ParseVersionBlock(std::span<const uint8_t> block);

// The node at a path such as "\\StringFileInfo\\040904b0\\FileVersion" ("\\" or "" = the
// root); keys compare without case.
const VersionNode *FindVersionNode(const VersionNode &root, std::string_view path);

// Every text value in the tree, in order.
void CollectTextNodes(const VersionNode &node, std::vector<const VersionNode *> &out);

}  // namespace mfpwin
