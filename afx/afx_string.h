// CString: an 8-bit text value in the process code page.
#pragma once

#include <string>

#include "mfpwin.h"

class CString {
public:
    CString() = default;
    CString(LPCSTR text) : text_(text ? text : "") {}
    CString(const std::string &text) : text_(text) {}
    CString(char c, int repeat = 1) : text_(repeat > 0 ? repeat : 0, c) {}
    CString(LPCSTR text, int length) : text_(text ? std::string(text, length > 0 ? length : 0) : std::string()) {}

    operator LPCSTR() const { return text_.c_str(); }
    LPCSTR GetString() const { return text_.c_str(); }
    const std::string &Str() const { return text_; }

    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }
    char GetAt(int index) const { return text_.at(index); }
    char operator[](int index) const { return text_.at(index); }
    void SetAt(int index, char c) { text_.at(index) = c; }

    CString &operator=(LPCSTR text) { text_ = text ? text : ""; return *this; }
    CString &operator+=(const CString &other) { text_ += other.text_; return *this; }
    CString &operator+=(LPCSTR text) { text_ += text ? text : ""; return *this; }
    CString &operator+=(char c) { text_ += c; return *this; }
    friend CString operator+(const CString &left, const CString &right) { return CString(left.text_ + right.text_); }
    friend CString operator+(const CString &left, LPCSTR right) { return left + CString(right); }
    friend CString operator+(LPCSTR left, const CString &right) { return CString(left) + right; }
    friend bool operator==(const CString &left, const CString &right) { return left.text_ == right.text_; }
    friend bool operator==(const CString &left, LPCSTR right) { return left.text_ == (right ? right : ""); }
    friend bool operator<(const CString &left, const CString &right) { return left.text_ < right.text_; }

    int Compare(LPCSTR other) const;
    int CompareNoCase(LPCSTR other) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first, int count = -1) const;
    int Find(char c, int start = 0) const;
    int Find(LPCSTR text, int start = 0) const;
    int Replace(char from, char to);
    int Replace(LPCSTR from, LPCSTR to);
    CString &Trim();
    CString &TrimLeft();
    CString &TrimRight();
    CString &MakeUpper();
    CString &MakeLower();

    // Formats as printf does.
    void Format(LPCSTR format, ...) __attribute__((format(printf, 2, 3)));
    // Loads the string from the current module's resources (AfxGetResourceHandle); FALSE when
    // the string does not exist (the text is then empty).
    BOOL LoadString(UINT id);

    // Direct access to a buffer of at least minLength characters; ReleaseBuffer takes the text
    // up to its terminator (or newLength characters).
    LPSTR GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    std::string text_;
};

// Replaces %1 (and %2) in the string resource or text with the arguments.
CString AfxFormatText(LPCSTR pattern, LPCSTR first, LPCSTR second = nullptr);
