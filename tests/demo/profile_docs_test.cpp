// docs/demo-device.md lists every object of the demonstration profile, with its type.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "demo_profile.h"
#include "tests/support/temp_root.h"

namespace {

// Object identifier -> type, from the table rows whose first cell is an object identifier in
// backquotes; "VNDR" stands for the configured prefix.
std::map<std::string, std::string> DocumentedObjects()
{
    static const std::regex row(R"(^\| `((?:VNDR|[0-9]+)(?:\.[0-9]+)*)` \| ([0-9x]+) \|)");
    std::map<std::string, std::string> objects;
    for (const auto &line : demotest::ReadLines(demotest::SourceTree() / "docs" / "demo-device.md")) {
        std::smatch match;
        if (!std::regex_search(line, match, row))
            continue;
        std::string oid = match[1];
        if (oid.starts_with("VNDR"))
            oid = MFP_VENDOR_OID + oid.substr(4);
        EXPECT_TRUE(objects.emplace(oid, match[2]).second) << "listed twice: " << match[1];
    }
    return objects;
}

std::map<std::string, std::string> ServedObjects()
{
    std::map<std::string, std::string> objects;
    for (const auto &record : demotest::LoadDemoProfile())
        objects.emplace(record.oidText, record.type);
    return objects;
}

}  // namespace

TEST(DemoProfileDocs, EveryDocumentedObjectIsServedWithItsType)
{
    auto documented = DocumentedObjects();
    ASSERT_FALSE(documented.empty()) << "no object table found in docs/demo-device.md";
    auto served = ServedObjects();
    for (const auto &[oid, type] : documented) {
        auto found = served.find(oid);
        if (found == served.end())
            ADD_FAILURE() << "documented but not in the profile: " << oid;
        else
            EXPECT_EQ(found->second, type) << oid;
    }
}

TEST(DemoProfileDocs, EveryServedObjectIsDocumented)
{
    auto documented = DocumentedObjects();
    for (const auto &[oid, type] : ServedObjects())
        EXPECT_TRUE(documented.contains(oid)) << "in the profile but not documented: " << oid;
}
