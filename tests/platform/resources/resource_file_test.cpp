// The reader of compiled resource data, on windres output and on damaged copies of it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "platform/resources/resource_file.h"
#include "resource_test_support.h"

namespace {

using mfpwin::ParseResourceFile;
using mfpwin::ResourceEntry;
using mfpwin::ResourceId;

std::vector<uint8_t> FixtureRes()
{
    std::ifstream file(MFP_FIXTURE_RES, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// Every entry must lie inside the bytes it was read from.
void ExpectInside(const std::vector<ResourceEntry> &entries, const std::vector<uint8_t> &bytes)
{
    for (const ResourceEntry &entry : entries) {
        EXPECT_GE(entry.data.data(), bytes.data());
        EXPECT_LE(entry.data.data() + entry.data.size(), bytes.data() + bytes.size());
    }
}

TEST(ResourceFile, ReadsEveryEntryWindresWrites)
{
    std::vector<uint8_t> bytes = FixtureRes();
    ASSERT_FALSE(bytes.empty());
    auto entries = ParseResourceFile(bytes);
    ASSERT_TRUE(entries.has_value());
    auto count = [&](uint16_t type, uint16_t language) {
        return std::count_if(entries->begin(), entries->end(), [&](const ResourceEntry &e) {
            return e.type == ResourceId::Ordinal(type) && e.language == language;
        });
    };
    EXPECT_EQ(count(6, 0x0409), 3) << "English string blocks 1, 2 and 267";
    EXPECT_EQ(count(6, 0x0415), 1);
    EXPECT_EQ(count(6, 0x0007), 1);
    EXPECT_EQ(count(5, 0x0409), 1);
    EXPECT_EQ(count(2, 0x0409), 3);
    EXPECT_EQ(count(3, 0x0409), 2) << "one image per icon size";
    EXPECT_EQ(count(14, 0x0409), 1);
    EXPECT_EQ(count(16, 0x0409), 1);
    bool named = std::any_of(entries->begin(), entries->end(),
                             [](const ResourceEntry &e) { return e.name == ResourceId::Text(u"fixtureData"); });
    EXPECT_TRUE(named) << "names are kept in upper case";
    ExpectInside(*entries, bytes);

    // Two compiled scripts one after the other read as one stream.
    std::vector<uint8_t> twice = bytes;
    twice.insert(twice.end(), bytes.begin(), bytes.end());
    auto both = ParseResourceFile(twice);
    ASSERT_TRUE(both.has_value());
    EXPECT_EQ(both->size(), entries->size() * 2);
}

TEST(ResourceFile, TruncatedDataNeverReadsPastTheEnd)
{
    std::vector<uint8_t> bytes = FixtureRes();
    auto whole = ParseResourceFile(bytes);
    ASSERT_TRUE(whole.has_value());
    for (size_t length = 0; length < bytes.size(); ++length) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + length);
        auto entries = ParseResourceFile(cut);
        if (!entries) continue;
        // Only a cut between entries reads, and then it holds the entries before the cut.
        ASSERT_LE(entries->size(), whole->size());
        for (size_t i = 0; i < entries->size(); ++i) EXPECT_EQ((*entries)[i].name, (*whole)[i].name);
        ExpectInside(*entries, cut);
    }
}

TEST(ResourceFile, GarbledDataIsRejectedOrStaysInBounds)
{
    std::vector<uint8_t> bytes = FixtureRes();
    std::mt19937 random(20261211);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> garbled = bytes;
        int flips = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < flips; ++i) {
            garbled[random() % garbled.size()] = static_cast<uint8_t>(random());
        }
        if (round % 3 == 0) garbled.resize(random() % garbled.size());
        auto entries = ParseResourceFile(garbled);
        if (entries) {
            ExpectInside(*entries, garbled);
        }
    }
    std::vector<uint8_t> hugeSizes = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00};
    EXPECT_FALSE(ParseResourceFile(hugeSizes).has_value());
    std::vector<uint8_t> unterminatedName(64, 0x41);
    unterminatedName[4] = 0x20;
    EXPECT_FALSE(ParseResourceFile(unterminatedName).has_value());
}

}  // namespace
