// Shared pieces of the resource tests: the fixture libraries and a scoped locale.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "fixtures/fixture_ids.h"
#include "tests/support/temp_root.h"

namespace resourcetest {

inline std::string FixturePath(const std::string &fileName)
{
    return (mfptest::BuildDir() / "tests" / "fixtures" / fileName).string();
}

inline std::string ResourceFixturePath() { return FixturePath("libmfp_resource_fixture.so"); }
inline std::string FailingInitFixturePath() { return FixturePath("libmfp_failing_init_fixture.so"); }

// Sets LC_ALL for the lifetime of the object, as a user's locale would.
class ScopedLocale {
public:
    explicit ScopedLocale(const char *locale)
    {
        if (const char *old = std::getenv("LC_ALL")) previous_ = old;
        setenv("LC_ALL", locale, 1);
    }
    ~ScopedLocale()
    {
        if (previous_) {
            setenv("LC_ALL", previous_->c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
    }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    std::optional<std::string> previous_;
};

}  // namespace resourcetest
