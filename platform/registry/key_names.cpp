#include "key_names.h"

#include "mfpwin/registry.h"

namespace mfpwin::registry {

std::string FoldName(std::string_view name)
{
    std::string folded(name);
    for (char &c : folded)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

LSTATUS SplitKeyPath(std::string_view path, std::vector<std::string> &names)
{
    names.clear();
    if (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    if (path.empty())
        return ERROR_SUCCESS;
    size_t start = 0;
    while (true) {
        size_t end = path.find('\\', start);
        std::string_view name = path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (name.empty())
            return ERROR_BAD_PATHNAME;
        if (name.size() > MFP_REG_MAX_KEY_NAME)
            return ERROR_INVALID_PARAMETER;
        names.emplace_back(name);
        if (end == std::string_view::npos)
            return ERROR_SUCCESS;
        start = end + 1;
    }
}

}  // namespace mfpwin::registry
