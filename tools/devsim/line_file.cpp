#include "line_file.h"

#include <fstream>

namespace devsim {

bool ForEachLine(const std::string &path, const std::function<std::string(const std::string &line)> &handle,
                 std::string &error)
{
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot open";
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (std::string why = handle(line); !why.empty()) {
            error = path + ":" + std::to_string(number) + ": " + why;
            return false;
        }
    }
    return true;
}

}  // namespace devsim
