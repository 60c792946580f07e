// Line-by-line reading of devsim's text files (profiles and fault lists).
#pragma once

#include <functional>
#include <string>

namespace devsim {

// Hands every line of the file to the handler (a Windows line end is stripped first). The
// handler returns an empty text to go on, or why the line is wrong: reading then stops and error
// reads "path:line: why". False when the file cannot be opened or a line was refused.
bool ForEachLine(const std::string &path, const std::function<std::string(const std::string &line)> &handle,
                 std::string &error);

}  // namespace devsim
