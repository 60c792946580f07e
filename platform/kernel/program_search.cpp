#include "kernel/program_search.h"

#include <cstdlib>
#include <filesystem>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "kernel/win_path.h"
#include "mfpwin/kernel.h"

namespace mfpwin {

namespace {

bool IsRunnable(const std::filesystem::path &path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> NameVariants(const std::string &name)
{
    std::vector<std::string> variants{name};
    std::string fileName = std::filesystem::path(name).filename().string();
    if (fileName.find('.') == std::string::npos)
        variants.push_back(name + ".exe");
    else if (fileName.size() > 4 && strcasecmp(fileName.c_str() + fileName.size() - 4, ".exe") == 0)
        variants.push_back(name.substr(0, name.size() - 4));
    return variants;
}

std::optional<std::string> FindIn(const std::filesystem::path &directory, const std::string &name)
{
    for (const std::string &variant : NameVariants(name)) {
        std::string candidate = directory.empty() ? variant : (directory / variant).string();
        std::filesystem::path resolved = ResolveWindowsPath(candidate);
        if (IsRunnable(resolved))
            return resolved.string();
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> SearchDirectories()
{
    std::vector<std::filesystem::path> directories;
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        directories.push_back(self.parent_path());
    directories.push_back(std::filesystem::current_path(error));
    char buffer[MAX_PATH + 1];
    if (UINT length = GetSystemDirectoryA(buffer, sizeof buffer); length > 0 && length < sizeof buffer)
        directories.emplace_back(buffer);
    if (UINT length = GetWindowsDirectoryA(buffer, sizeof buffer); length > 0 && length < sizeof buffer)
        directories.emplace_back(buffer);
    if (const char *path = std::getenv("PATH")) {
        std::string list = path;
        for (size_t start = 0; start <= list.size();) {
            size_t end = list.find(':', start);
            if (end == std::string::npos)
                end = list.size();
            if (end > start)
                directories.emplace_back(list.substr(start, end - start));
            start = end + 1;
        }
    }
    return directories;
}

}  // namespace

std::optional<std::string> FindProgram(const std::string &name, bool searchDirectories)
{
    std::string path = WithForwardSlashes(name);
    if (path.empty())
        return std::nullopt;
    if (!searchDirectories || path.find('/') != std::string::npos)
        return FindIn({}, path);
    for (const std::filesystem::path &directory : SearchDirectories()) {
        if (auto found = FindIn(directory, path))
            return found;
    }
    return std::nullopt;
}

}  // namespace mfpwin
