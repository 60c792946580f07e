// lstrlenA, lstrcpyA, lstrcpynA, lstrcatA, lstrcmpA, lstrcmpiA, wsprintfA, wvsprintfA.
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "mfpwin/kernel.h"

MFPAPI int lstrlenA(LPCSTR text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

MFPAPI LPSTR lstrcpyA(LPSTR destination, LPCSTR source)
{
    if (!destination || !source)
        return nullptr;
    std::memmove(destination, source, std::strlen(source) + 1);
    return destination;
}

MFPAPI LPSTR lstrcpynA(LPSTR destination, LPCSTR source, int size)
{
    if (!destination || !source || size <= 0)
        return size == 0 ? destination : nullptr;
    size_t length = strnlen(source, static_cast<size_t>(size) - 1);
    std::memmove(destination, source, length);
    destination[length] = '\0';
    return destination;
}

MFPAPI LPSTR lstrcatA(LPSTR destination, LPCSTR source)
{
    if (!destination || !source)
        return nullptr;
    std::memmove(destination + std::strlen(destination), source, std::strlen(source) + 1);
    return destination;
}

// Null sorts before every text.
MFPAPI int lstrcmpA(LPCSTR first, LPCSTR second)
{
    if (!first || !second)
        return (first ? 1 : 0) - (second ? 1 : 0);
    int order = std::strcmp(first, second);
    return (order > 0) - (order < 0);
}

MFPAPI int lstrcmpiA(LPCSTR first, LPCSTR second)
{
    if (!first || !second)
        return (first ? 1 : 0) - (second ? 1 : 0);
    int order = strcasecmp(first, second);
    return (order > 0) - (order < 0);
}

namespace {
constexpr size_t FormattedTextLimit = 1024;  // bytes, terminator included
}

MFPAPI int wvsprintfA(LPSTR buffer, LPCSTR format, va_list arguments)
{
    if (!buffer || !format)
        return 0;
    int length = std::vsnprintf(buffer, FormattedTextLimit, format, arguments);
    if (length < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return length < static_cast<int>(FormattedTextLimit) ? length : static_cast<int>(FormattedTextLimit - 1);
}

MFPAPI int wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    int length = wvsprintfA(buffer, format, arguments);
    va_end(arguments);
    return length;
}
