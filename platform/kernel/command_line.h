// Splitting a Windows command line into arguments, by the rules Windows programs use:
// arguments are separated by spaces or tabs; a double quote starts or ends a quoted part in
// which spaces are kept; "" inside a quoted part is one literal quote; 2n backslashes before a
// quote give n backslashes and the quote keeps its meaning, 2n + 1 give n backslashes and a
// literal quote; other backslashes are literal. The first argument, the program, ends at the
// first space or tab outside quotes and takes backslashes literally.
#pragma once

#include <string>
#include <vector>

namespace mfpwin {

std::vector<std::string> SplitCommandLine(const std::string &commandLine);

}  // namespace mfpwin
