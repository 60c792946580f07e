// Builds extended dialog templates in memory, as a resource compiler would lay them out.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "mfpwin.h"

namespace mfptest {

class TemplateBuilder {
public:
    TemplateBuilder(const std::string &title, DWORD style, short cx, short cy) {
        Word(1);
        Word(0xFFFF);
        Dword(0);  // help id
        Dword(0);  // extended style
        Dword(style | DS_SETFONT);
        countOffset_ = bytes_.size();
        Word(0);
        Short(0), Short(0), Short(cx), Short(cy);
        Word(0);  // no menu
        Word(0);  // dialog class
        Text(title);
        Word(8);    // point size
        Word(400);  // weight
        bytes_.push_back(0);
        bytes_.push_back(1);
        Text("MS Shell Dlg");
    }

    // className is a predefined ordinal (0x80 button, 0x81 edit, 0x82 static, 0x84 scroll bar,
    // 0x85 combo box) or, when ordinal is 0, the name.
    TemplateBuilder &Control(int id, WORD ordinal, const std::string &className, const std::string &text, DWORD style,
                             short x = 0, short y = 0, short cx = 50, short cy = 14) {
        Align();
        Dword(0);
        Dword(0);
        Dword(style | WS_CHILD | WS_VISIBLE);
        Short(x), Short(y), Short(cx), Short(cy);
        Dword(static_cast<DWORD>(id));
        if (ordinal != 0) {
            Word(0xFFFF);
            Word(ordinal);
        } else {
            Text(className);
        }
        Text(text);
        Word(0);
        ++count_;
        std::memcpy(&bytes_[countOffset_], &count_, sizeof count_);
        return *this;
    }

    // A control whose title is a resource number (a picture static).
    TemplateBuilder &Picture(int id, DWORD style, WORD resourceId) {
        Align();
        Dword(0);
        Dword(0);
        Dword(style | WS_CHILD | WS_VISIBLE);
        Short(0), Short(0), Short(20), Short(20);
        Dword(static_cast<DWORD>(id));
        Word(0xFFFF);
        Word(0x82);
        Word(0xFFFF);
        Word(resourceId);
        Word(0);
        ++count_;
        std::memcpy(&bytes_[countOffset_], &count_, sizeof count_);
        return *this;
    }

    TemplateBuilder &Button(int id, const std::string &text, DWORD style = BS_PUSHBUTTON | WS_TABSTOP) {
        return Control(id, 0x80, "", text, style);
    }
    TemplateBuilder &Edit(int id, DWORD style = ES_AUTOHSCROLL | WS_TABSTOP) { return Control(id, 0x81, "", "", style); }

    const void *Data() const { return bytes_.data(); }
    const std::vector<BYTE> &Bytes() const { return bytes_; }

private:
    void Word(WORD value) { Raw(&value, sizeof value); }
    void Short(short value) { Raw(&value, sizeof value); }
    void Dword(DWORD value) { Raw(&value, sizeof value); }
    void Raw(const void *data, size_t size) {
        auto *bytes = static_cast<const BYTE *>(data);
        bytes_.insert(bytes_.end(), bytes, bytes + size);
    }
    void Text(const std::string &text) {
        for (char c : text) Word(static_cast<unsigned char>(c));
        Word(0);
    }
    void Align() {
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    }

    std::vector<BYTE> bytes_;
    size_t countOffset_ = 0;
    WORD count_ = 0;
};

}  // namespace mfptest
