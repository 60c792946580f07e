#include "demo_profile.h"

#include <gtest/gtest.h>

#include "tests/support/temp_root.h"

namespace demotest {

std::filesystem::path SourceTree() { return MFP_DEMO_SOURCE_DIR; }

std::filesystem::path DemoProfilePath() { return mfptest::BuildDir() / "demo" / "device.snmprec"; }

std::vector<SnmprecRecord> LoadDemoProfile()
{
    std::vector<SnmprecRecord> records;
    int lineNumber = 0;
    for (const auto &line : ReadLines(DemoProfilePath())) {
        ++lineNumber;
        auto record = ParseRecord(line, lineNumber);
        if (record)
            records.push_back(*record);
        else
            ADD_FAILURE() << "line " << lineNumber << " is not OID|type|value: " << line;
    }
    return records;
}

}  // namespace demotest
