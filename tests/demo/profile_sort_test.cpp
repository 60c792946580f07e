// demo/sort_snmprec.cmake turns a configured profile into one that agents can walk.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "demo_profile.h"
#include "snmprec_file.h"
#include "tests/support/temp_root.h"

namespace {

class SortScript : public ::testing::Test {
protected:
    mfptest::TempRoot dir;

    std::filesystem::path Input() const { return dir.Path() / "in.snmprec"; }
    std::filesystem::path Output() const { return dir.Path() / "out.snmprec"; }

    // Runs the script on the text; its exit status.
    int Sort(const std::string &text) const
    {
        std::ofstream(Input()) << text;
        std::string command = std::string("'") + MFP_CMAKE_COMMAND + "' -DINPUT='" + Input().string() +
                              "' -DOUTPUT='" + Output().string() + "' -P '" +
                              (demotest::SourceTree() / "demo" / "sort_snmprec.cmake").string() +
                              "' >/dev/null 2>&1";
        return std::system(command.c_str());
    }

    std::string SortedText() const
    {
        std::string text;
        for (const auto &line : demotest::ReadLines(Output()))
            text += line + "\n";
        return text;
    }
};

}  // namespace

TEST_F(SortScript, OrdersBySubIdentifierValueAndKeepsValuesIntact)
{
    ASSERT_EQ(Sort("# heading\n"
                   "1.3.6.1.10|4|ten; with [brackets]\n"
                   "\n"
                   "1.3.6.1.9|4|a.b.c\n"
                   "1.3.6.1.10.1|2|-1\n"
                   "1.3.6.1.2|4x|00ff\n"
                   "1.3.6.2|4|C:\\path\n"),
              0);
    EXPECT_EQ(SortedText(), "1.3.6.1.2|4x|00ff\n"
                            "1.3.6.1.9|4|a.b.c\n"
                            "1.3.6.1.10|4|ten; with [brackets]\n"
                            "1.3.6.1.10.1|2|-1\n"
                            "1.3.6.2|4|C:\\path\n");
}

TEST_F(SortScript, RefusesBrokenInput)
{
    const char *const cases[] = {
        "1.3.6.1|2|1\n1.3.6.1|2|2\n",  // the same object twice
        "1.3.6.1 2 1\n",               // no separators
        "1.3.x.1|2|1\n",               // not a numeric object identifier
        "|2|1\n",                      // no object identifier
        "1.3.6.1.99999999999|2|1\n",   // sub-identifier beyond 32 bits
    };
    for (const char *text : cases)
        EXPECT_NE(Sort(text), 0) << text;
}

TEST_F(SortScript, SortsTheDemoTemplateForAnyMakerPrefix)
{
    const std::string prefix = "1.3.6.1.4.1.7";
    std::string text;
    int records = 0;
    for (auto line : demotest::ReadLines(demotest::SourceTree() / "demo" / "device.snmprec.in")) {
        for (std::size_t at; (at = line.find("@MFP_VENDOR_OID@")) != std::string::npos;)
            line.replace(at, 16, prefix);
        if (!line.empty() && line[0] != '#')
            ++records;
        text += line + "\n";
    }
    ASSERT_EQ(Sort(text), 0);

    auto lines = demotest::ReadLines(Output());
    ASSERT_EQ(static_cast<int>(lines.size()), records);
    std::optional<demotest::Oid> previous;
    for (const auto &line : lines) {
        auto record = demotest::ParseRecord(line, 0);
        ASSERT_TRUE(record) << line;
        if (previous) {
            EXPECT_LT(*previous, record->oid) << line;
        }
        previous = record->oid;
    }
}
