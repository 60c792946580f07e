// Dialog templates (the classic and the extended form) parsed into plain values, with every
// read bounds-checked against the template's size.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "mfpwin/user.h"

namespace mfpwin::user {

// A name or a number, as templates give menu, class, title and resource references.
struct NameOrOrdinal {
    bool present = false;
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::string name;  // in the process code page
};

struct DialogItemTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    std::vector<BYTE> creationData;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string title;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = 0;
    bool italic = false;
    std::string fontName;
    std::vector<DialogItemTemplate> items;
};

// Parses size bytes of template; std::nullopt when the bytes are not a well-formed template.
std::optional<DialogTemplate> ParseDialogTemplate(const void *bytes, size_t size);

}  // namespace mfpwin::user
