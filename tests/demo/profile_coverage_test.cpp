// The demonstration device answers every object that Mirvale and Tolsen ask a device for.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "demo_profile.h"

namespace {

// Objects asked by the libraries; "VNDR" stands for the configured prefix. Table walks need
// at least their first row, the tray walk needs rows 1.2 to 1.5 for the paper-feed rule.
const char *const kAskedObjects[] = {
    "1.3.6.1.2.1.1.2.0",           "1.3.6.1.2.1.25.2.2.0",
    "1.3.6.1.2.1.43.8.2.1.2.1.1",  "1.3.6.1.2.1.43.8.2.1.2.1.3",
    "1.3.6.1.2.1.43.9.2.1.7.1.1",  "VNDR.2.3.50.1.2.3.1.2.1",
    "VNDR.2.3.50.1.2.3.1.15.1.1",  "VNDR.2.3.50.1.2.4.1.3.1.1",
    "VNDR.2.3.50.1.2.4.1.9.1.1",   "VNDR.2.3.50.1.2.4.1.10.1.1",
    "VNDR.2.3.50.1.2.4.1.11.1.1",  "VNDR.2.3.50.1.2.4.1.12.1.1",
    "VNDR.2.3.50.1.2.4.1.30.1.1",  "VNDR.2.3.50.1.2.4.1.33.1.1",
    "VNDR.2.3.50.1.2.4.1.34.1.1",  "VNDR.2.3.50.1.2.4.1.35.1.1",
    "VNDR.2.3.50.1.2.4.1.39.1.1",  "VNDR.2.3.50.1.2.4.1.45.1.1",
    "VNDR.2.3.50.1.2.4.1.46.1.1",  "VNDR.2.3.50.1.2.4.1.49.1.1",
    "VNDR.2.3.50.1.2.4.1.52.1.1",  "VNDR.2.3.50.1.2.4.1.55.1.1",
    "VNDR.2.3.50.1.3.4.1.1.4.1.3847.0", "VNDR.2.3.50.1.3.4.1.1.4.1.9016.0",
    "VNDR.2.3.50.1.3.4.1.1.4.1.9017.0", "VNDR.2.3.50.1.3.4.1.1.4.1.9124.0",
    "VNDR.2.3.50.1.3.4.1.1.4.1.9236.0", "VNDR.2.3.50.1.3.4.1.1.4.1.9983.0",
    "VNDR.2.3.50.1.3.5.1.1.1.1.1", "VNDR.2.3.50.1.3.5.1.1.2.1.1",
    "VNDR.2.3.50.1.3.5.1.1.4.1.1", "VNDR.2.3.50.1.3.5.1.1.6.1.1",
    "VNDR.2.3.50.1.3.5.1.1.4.1.2", "VNDR.2.3.50.1.3.5.1.1.4.1.3",
    "VNDR.2.3.50.1.3.5.1.1.4.1.4", "VNDR.2.3.50.1.3.5.1.1.4.1.5",
    "VNDR.2.3.50.1.3.5.1.1.4.1.7", "VNDR.2.3.50.1.3.7.1.1.2.1.1",
    "VNDR.2.3.50.1.3.20.1.1.6.1.1", "VNDR.2.3.50.1.3.21.3.1.9.1.1",
    "VNDR.2.3.50.1.3.21.3.1.10.1.1", "VNDR.2.3.50.1.3.21.7.1.2.1.1",
    "VNDR.2.3.50.1.3.23.1.1.2.1.1", "VNDR.2.3.50.1.3.23.1.1.3.1.1",
    "VNDR.2.3.50.1.3.23.1.1.5.1.1", "VNDR.2.3.50.1.3.23.1.1.6.1.1",
    "VNDR.2.3.50.1.3.23.1.1.7.1.1", "VNDR.2.3.50.1.3.23.1.1.8.1.1",
    "VNDR.2.3.50.1.3.23.1.1.9.1.1", "VNDR.2.3.50.1.3.23.2.1.2.1.100001",
    "VNDR.2.3.50.1.3.30.1.1.2.1.1", "VNDR.2.3.50.1.3.30.1.1.3.1.1",
    "VNDR.2.3.50.1.3.30.1.1.4.1.1", "VNDR.2.3.50.1.3.30.1.1.5.1.1",
    "VNDR.2.3.50.1.3.30.1.1.5.1.2", "VNDR.2.3.50.1.3.30.1.1.5.1.3",
    "VNDR.2.3.50.1.3.30.1.1.5.1.4",
};

// Columns that the libraries walk with get-next and whose rows must line up: the box list
// reads as many names as numbers, the tab-stock query one value per column and row.
const char *const kBoxTableColumns[] = {"2", "3", "5", "6", "7", "8", "9"};

std::string Expand(const std::string &oid)
{
    return oid.starts_with("VNDR") ? MFP_VENDOR_OID + oid.substr(4) : oid;
}

std::set<std::string> ServedOids()
{
    std::set<std::string> oids;
    for (const auto &record : demotest::LoadDemoProfile())
        oids.insert(record.oidText);
    return oids;
}

}  // namespace

TEST(DemoProfileCoverage, AnswersEveryObjectTheLibrariesAsk)
{
    auto served = ServedOids();
    for (const char *oid : kAskedObjects)
        EXPECT_TRUE(served.contains(Expand(oid))) << oid;
}

TEST(DemoProfileCoverage, BoxTableColumnsHaveTheSameRows)
{
    auto served = ServedOids();
    const std::string table = Expand("VNDR.2.3.50.1.3.23.1.1.");
    std::set<std::string> rowsOfFirstColumn;
    for (const char *column : kBoxTableColumns) {
        std::set<std::string> rows;
        const std::string columnPrefix = table + column + ".";
        for (const auto &oid : served)
            if (oid.starts_with(columnPrefix))
                rows.insert(oid.substr(columnPrefix.size()));
        if (rowsOfFirstColumn.empty())
            rowsOfFirstColumn = rows;
        EXPECT_EQ(rows, rowsOfFirstColumn) << "column " << column;
    }
    EXPECT_GE(rowsOfFirstColumn.size(), 2u) << "the box list hands back rows 2 onwards";
}
