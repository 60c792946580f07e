// Spooler access for the printer commands: open printers by name and read their records.
#pragma once

#include <string>
#include <vector>

#include "mfpwin.h"

namespace mfpctl {

// An open printer, closed when it goes out of scope.
class ScopedPrinter {
public:
    explicit ScopedPrinter(const std::string &name);
    ~ScopedPrinter();
    ScopedPrinter(const ScopedPrinter &) = delete;
    ScopedPrinter &operator=(const ScopedPrinter &) = delete;

    bool IsOpen() const { return handle_ != nullptr; }
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

// Runs a spooler call of the required-size protocol: once for the size, then with a buffer of
// that size. false (last error set) when it fails.
template <typename Call>
bool ReadPacked(Call call, std::vector<BYTE> &buffer)
{
    DWORD needed = 0;
    buffer.clear();
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (call(buffer.empty() ? nullptr : buffer.data(), static_cast<DWORD>(buffer.size()), &needed))
            return true;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return false;
        buffer.resize(needed);
    }
    return false;
}

// "ERROR_... (N): what it means" for the spooler's error codes.
std::string DescribeError(DWORD error);

// A text field of a packed record: null pointers read as empty.
inline std::string Field(LPCSTR text) { return text ? text : ""; }

}  // namespace mfpctl
