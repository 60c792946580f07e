#include "kernel/win_path.h"

#include <algorithm>
#include <strings.h>
#include <system_error>

namespace mfpwin {

namespace {

// An entry of the directory whose name equals the wanted one apart from case.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path &directory, const std::string &name)
{
    std::error_code error;
    for (std::filesystem::directory_iterator entry(directory.empty() ? "." : directory, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string candidate = entry->path().filename().string();
        if (strcasecmp(candidate.c_str(), name.c_str()) == 0)
            return directory / candidate;
    }
    return std::nullopt;
}

}  // namespace

std::string WithForwardSlashes(const std::string &windowsPath)
{
    std::string path = windowsPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::filesystem::path ResolveWindowsPath(const std::string &windowsPath)
{
    std::filesystem::path written(WithForwardSlashes(windowsPath));
    std::error_code error;
    if (written.empty() || std::filesystem::exists(written, error))
        return written;

    std::filesystem::path resolved;
    for (const std::filesystem::path &component : written) {
        std::filesystem::path exact = resolved / component;
        if (component == "/" || component == "." || component == ".." || component.empty() ||
            std::filesystem::exists(exact, error)) {
            resolved = exact;
        } else if (auto match = FindIgnoringCase(resolved, component.string())) {
            resolved = *match;
        } else {
            return written;
        }
    }
    return resolved;
}

bool WindowsPathExists(const std::string &windowsPath)
{
    std::error_code error;
    return !windowsPath.empty() && std::filesystem::exists(ResolveWindowsPath(windowsPath), error);
}

}  // namespace mfpwin
