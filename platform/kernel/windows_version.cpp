#include "kernel/windows_version.h"

#include <charconv>
#include <cstdlib>
#include <optional>

namespace mfpwin {

namespace {

// The build each release shipped with, for selections that give none.
DWORD KnownBuild(DWORD platformId, DWORD major, DWORD minor)
{
    struct Release {
        DWORD platformId, major, minor, build;
    };
    static const Release releases[] = {
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 950},   {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2222},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3000}, {VER_PLATFORM_WIN32_NT, 4, 0, 1381},
        {VER_PLATFORM_WIN32_NT, 5, 0, 2195},       {VER_PLATFORM_WIN32_NT, 5, 1, 2600},
        {VER_PLATFORM_WIN32_NT, 5, 2, 3790},       {VER_PLATFORM_WIN32_NT, 6, 0, 6002},
        {VER_PLATFORM_WIN32_NT, 6, 1, 7601},       {VER_PLATFORM_WIN32_NT, 6, 2, 9200},
        {VER_PLATFORM_WIN32_NT, 6, 3, 9600},       {VER_PLATFORM_WIN32_NT, 10, 0, 19045},
    };
    for (const Release &release : releases) {
        if (release.platformId == platformId && release.major == major && release.minor == minor)
            return release.build;
    }
    return 0;
}

std::optional<DWORD> ParseNumber(std::string_view text)
{
    DWORD value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

WindowsVersion DefaultWindowsVersion() { return {VER_PLATFORM_WIN32_NT, 10, 0, 19045, "", 0}; }

std::optional<WindowsVersion> ParseWindowsVersion(const std::string &text)
{
    size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    std::string family = text.substr(0, colon);
    DWORD platformId;
    if (family == "nt" || family == "NT")
        platformId = VER_PLATFORM_WIN32_NT;
    else if (family == "9x" || family == "9X")
        platformId = VER_PLATFORM_WIN32_WINDOWS;
    else
        return std::nullopt;

    std::string_view numbers(text);
    numbers.remove_prefix(colon + 1);
    size_t dot = numbers.find('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    size_t buildDot = numbers.find('.', dot + 1);
    auto major = ParseNumber(numbers.substr(0, dot));
    auto minor = ParseNumber(numbers.substr(dot + 1, buildDot == std::string_view::npos ? std::string_view::npos : buildDot - dot - 1));
    std::optional<DWORD> build = buildDot == std::string_view::npos ? KnownBuild(platformId, major.value_or(0), minor.value_or(0))
                                                                     : ParseNumber(numbers.substr(buildDot + 1));
    if (!major || !minor || !build || *major > 255 || *minor > 255 || *build > 0xFFFF)
        return std::nullopt;

    WindowsVersion version{platformId, *major, *minor, *build, "", 0};
    if (platformId == VER_PLATFORM_WIN32_NT && *major == 4) {
        version.servicePack = "Service Pack 6";
        version.servicePackMajor = 6;
    }
    return version;
}

WindowsVersion CurrentWindowsVersion()
{
    const char *selection = std::getenv("MFP_WINVER");
    if (selection && *selection) {
        if (auto version = ParseWindowsVersion(selection))
            return *version;
    }
    return DefaultWindowsVersion();
}

}  // namespace mfpwin
