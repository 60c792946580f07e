// mfpctl res on the fixture library: listing, string tables, exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "resource_test_support.h"
#include "tool_run.h"

using resourcetest::ResourceFixturePath;

namespace {

using Outcome = mfptest::ToolRun;

Outcome RunMfpctl(const std::string &arguments, const char *locale = "pl_PL.UTF-8")
{
    return mfptest::RunCommandLine("LC_ALL=" + std::string(locale) + " " + mfptest::MfpctlCommand() + " res " +
                                   arguments + " 2>/dev/null");
}

TEST(MfpctlRes, ListsEveryResourceWithLanguageAndSize)
{
    Outcome listed = RunMfpctl("list " + ResourceFixturePath());
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_NE(listed.output.find("DIALOG\t100\t0x0409\t"), std::string::npos) << listed.output;
    EXPECT_NE(listed.output.find("STRING\t1\t0x0415\t"), std::string::npos);
    EXPECT_NE(listed.output.find("RCDATA\tFIXTUREDATA\t0x0409\t7\n"), std::string::npos);

    Outcome json = RunMfpctl("list --json " + ResourceFixturePath());
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_NE(json.output.find(R"({"type":"BITMAP","name":"201","language":1033,"size":)"), std::string::npos)
        << json.output;
}

TEST(MfpctlRes, StringsInTheLocalesCodePageAndLanguage)
{
    struct Case {
        std::string arguments;
        const char *locale;
        int exitCode;
        std::string output;
    } cases[] = {
        {"string " + ResourceFixturePath() + " 2", "pl_PL.UTF-8", 0, "Nie można podłączyć się do urządzenia MFP\n"},
        {"string " + ResourceFixturePath() + " 2", "pl_PL.ISO-8859-2", 0,
         "Nie mo\xbfna pod\xb3\xb9" "czy\xe6 si\xea do urz\xb9" "dzenia MFP\n"},
        {"string " + ResourceFixturePath() + " 2 --lang 0x0409", "pl_PL.UTF-8", 0, "Cannot connect to the MFP device\n"},
        {"string " + ResourceFixturePath() + " 5", "pl_PL.UTF-8", 1, ""},
        {"string " + ResourceFixturePath() + " x", "pl_PL.UTF-8", 2, ""},
        {"strings --json " + ResourceFixturePath() + " --lang 1033", "C.UTF-8", 0,
         R"({"1":"Fixture library","2":"Cannot connect to the MFP device","4":"Zażółć gęślą jaźń",)"
         R"("17":"Second block","4258":"Nieudane wyszukanie konfiguracji drukarki"})" "\n"},
        {"list /nonexistent/library.so", "C", 1, ""},
    };
    for (const Case &c : cases) {
        Outcome outcome = RunMfpctl(c.arguments, c.locale);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(outcome.output, c.output) << c.arguments;
    }
}

}  // namespace
