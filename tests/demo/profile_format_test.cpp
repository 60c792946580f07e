// The built demonstration profile is a file that snmpsim and devsim can serve as it is.
#include <gtest/gtest.h>

#include <string>

#include "demo_profile.h"

using demotest::LoadDemoProfile;

TEST(DemoProfileFormat, EveryLineIsARecordWithAValueOfItsType)
{
    auto records = LoadDemoProfile();
    ASSERT_GT(records.size(), 100u);
    for (const auto &record : records) {
        std::string problem = demotest::CheckValueForType(record.type, record.value);
        EXPECT_EQ(problem, "") << "line " << record.lineNumber << ": " << record.oidText << "|"
                               << record.type << "|" << record.value;
    }
}

TEST(DemoProfileFormat, ObjectsAreUniqueAndInNumericOrder)
{
    auto records = LoadDemoProfile();
    for (std::size_t i = 1; i < records.size(); ++i)
        EXPECT_LT(records[i - 1].oid, records[i].oid)
            << "line " << records[i].lineNumber << " (" << records[i].oidText
            << ") does not come after " << records[i - 1].oidText;
}

TEST(DemoProfileFormat, PrivateObjectsCarryTheConfiguredPrefix)
{
    const std::string prefix = std::string(MFP_VENDOR_OID) + ".";
    auto records = LoadDemoProfile();
    bool sawSysObjectId = false;
    for (const auto &record : records) {
        EXPECT_EQ(record.value.find('@'), std::string::npos) << "placeholder left: " << record.oidText;
        if (record.oidText.starts_with("1.3.6.1.4.1.")) {
            EXPECT_TRUE(record.oidText.starts_with(prefix)) << record.oidText;
        }
        if (record.oidText == "1.3.6.1.2.1.1.2.0") {
            sawSysObjectId = true;
            EXPECT_EQ(record.value, prefix + "2.3.16.1");
        }
    }
    EXPECT_TRUE(sawSysObjectId);
}
