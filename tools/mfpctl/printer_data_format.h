// Printer data values on the command line: type names, parsing of typed data, display.
#pragma once

#include <string>
#include <vector>

#include "command.h"
#include "mfpwin.h"

namespace mfpctl {

// A 32-bit number, decimal or 0x-prefixed hexadecimal.
bool ParseDword(const std::string &text, DWORD &value);

// "REG_SZ", "REG_DWORD", ... ; "type N" for others.
std::string ValueTypeName(DWORD type);

// Parses TYPE and DATA words (REG_MULTI_SZ takes every word as one entry). false with the
// reason in error when they do not make a value.
bool ParseTypedValue(const std::string &typeName, const Arguments &dataWords, DWORD &type, std::vector<BYTE> &data,
                     std::string &error);

// The value as a human reads it: the text, the number, hexadecimal bytes, or the list joined
// with ", ".
std::string FormatValue(DWORD type, const std::vector<BYTE> &data);

}  // namespace mfpctl
