// The built demonstration profile, parsed once per test.
#pragma once

#include <filesystem>
#include <vector>

#include "snmprec_file.h"

namespace demotest {

// The source tree this test was built from (docs, template and sort script live there).
std::filesystem::path SourceTree();

std::filesystem::path DemoProfilePath();

// Every line of the built profile as a record; a line that does not parse fails the calling
// test and is left out.
std::vector<SnmprecRecord> LoadDemoProfile();

}  // namespace demotest
