// Whole-key reads against the public calls: the same values, names, types, bytes and order,
// the same subkeys in the same order, the same errors, and one snapshot per read.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "mfpwin/regfile.h"
#include "mfpwin/registry.h"
#include "registry/bulk_read.h"
#include "temp_root.h"

using mfpwin::registry::FindValueIn;
using mfpwin::registry::ReadKeyValues;
using mfpwin::registry::ReadSubkeysWithValues;
using mfpwin::registry::SubkeyValues;
using mfpwin::registry::ValueEntry;

namespace {

struct StoredValue {
    const char *name;
    DWORD type;
    std::string data;
};

const StoredValue kValues[] = {
    {"Text", REG_SZ, std::string("hello\0", 6)},
    {"Unterminated", REG_SZ, std::string("abc")},
    {"Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\0", 13)},
    {"Multi", REG_MULTI_SZ, std::string("one\0two\0\0", 9)},
    {"Number", REG_DWORD, std::string("\x78\x56\x34\x12", 4)},
    {"Big", REG_QWORD, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
    {"Raw", REG_BINARY, std::string("\x00\xff\x10", 3)},
    {"Nothing", REG_NONE, std::string()},
    {"", REG_SZ, std::string("default\0", 8)},
};

class BulkReadTest : public ::testing::Test {
protected:
    HKEY Create(HKEY root, const char *path)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS)
            << path;
        keys_.push_back(key);
        return key;
    }

    static void Set(HKEY key, const char *name, DWORD type, const std::string &data)
    {
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }

    // The key's values as RegEnumValueA and RegQueryValueExA give them.
    static std::vector<ValueEntry> PublicValues(HKEY key)
    {
        std::vector<ValueEntry> values;
        for (DWORD index = 0;; ++index) {
            char name[MFP_REG_MAX_VALUE_NAME + 1];
            DWORD nameLength = sizeof name;
            if (RegEnumValueA(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            DWORD type = 0, size = 0;
            EXPECT_EQ(RegQueryValueExA(key, name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
            std::string data(size, '\0');
            EXPECT_EQ(RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &size),
                      ERROR_SUCCESS);
            data.resize(size);
            values.push_back(ValueEntry{std::string(name, nameLength), type, data});
        }
        return values;
    }

    // The key's subkey names as RegEnumKeyExA lists them.
    static std::vector<std::string> PublicSubkeys(HKEY key)
    {
        std::vector<std::string> names;
        char name[MFP_REG_MAX_KEY_NAME + 1];
        DWORD length = sizeof name;
        for (DWORD index = 0; RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) ==
                              ERROR_SUCCESS;
             ++index, length = sizeof name)
            names.emplace_back(name, length);
        return names;
    }

    void TearDown() override
    {
        for (HKEY key : keys_)
            RegCloseKey(key);
    }

    mfptest::TempRoot root_;
    std::vector<HKEY> keys_;
};

void ExpectSameValues(const std::vector<ValueEntry> &actual, const std::vector<ValueEntry> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].type, expected[i].type);
        EXPECT_EQ(actual[i].data, expected[i].data);
    }
}

}  // namespace

TEST_F(BulkReadTest, KeyValuesAgreeWithThePublicCallsInTypeBytesAndOrder)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Types");
    for (const auto &v : kValues)
        Set(key, v.name, v.type, v.data);
    // Set again under another case: keeps its first name and its place, takes the new data.
    Set(key, "TEXT", REG_DWORD, std::string("\x01\x00\x00\x00", 4));

    std::vector<ValueEntry> values;
    ASSERT_EQ(ReadKeyValues(HKEY_LOCAL_MACHINE, "software\\VENDOR\\types\\", values), ERROR_SUCCESS);
    ExpectSameValues(values, PublicValues(key));
    EXPECT_EQ(values.front().name, "Text");
    EXPECT_EQ(values.front().type, static_cast<DWORD>(REG_DWORD));

    // From an open handle with an empty path: the handle's own key.
    std::vector<ValueEntry> fromHandle;
    ASSERT_EQ(ReadKeyValues(key, "", fromHandle), ERROR_SUCCESS);
    ExpectSameValues(fromHandle, values);
}

TEST_F(BulkReadTest, SubkeysComeSortedWithTheirOwnValuesOnly)
{
    HKEY parent = Create(HKEY_CURRENT_USER, "Printers");
    HKEY beta = Create(parent, "beta");
    Set(beta, "Port", REG_SZ, std::string("IP_1\0", 5));
    Set(beta, "Attributes", REG_DWORD, std::string("\x40\x00\x00\x00", 4));
    Create(parent, "Alpha");  // no values
    HKEY gamma = Create(parent, "Gamma");
    Set(gamma, "Z", REG_SZ, std::string("last\0", 5));
    Set(gamma, "a", REG_SZ, std::string("first set later\0", 16));
    HKEY below = Create(gamma, "Below");  // a grandchild's values belong to no listed subkey
    Set(below, "Deep", REG_DWORD, std::string("\x01\x00\x00\x00", 4));

    std::vector<SubkeyValues> subkeys;
    ASSERT_EQ(ReadSubkeysWithValues(HKEY_CURRENT_USER, "printers", subkeys), ERROR_SUCCESS);
    const auto names = PublicSubkeys(parent);
    ASSERT_EQ(subkeys.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(subkeys[i].name, names[i]);
        HKEY child = nullptr;
        ASSERT_EQ(RegOpenKeyExA(parent, names[i].c_str(), 0, KEY_READ, &child), ERROR_SUCCESS);
        ExpectSameValues(subkeys[i].values, PublicValues(child));
        RegCloseKey(child);
    }
    EXPECT_EQ(subkeys[0].name, "Alpha");
    EXPECT_TRUE(subkeys[0].values.empty());
    ASSERT_EQ(subkeys[2].values.size(), 2u);
    EXPECT_EQ(subkeys[2].values[0].name, "Z");

    std::vector<SubkeyValues> none{SubkeyValues{"stale", {}}};
    ASSERT_EQ(ReadSubkeysWithValues(below, "", none), ERROR_SUCCESS);
    EXPECT_TRUE(none.empty());
}

TEST_F(BulkReadTest, ErrorsAreThoseOfThePublicCalls)
{
    HKEY doomed = Create(HKEY_LOCAL_MACHINE, "Doomed\\Child");
    HKEY parent = Create(HKEY_LOCAL_MACHINE, "Doomed");
    ASSERT_EQ(RegDeleteTreeA(parent, nullptr), ERROR_SUCCESS);
    HKEY live = Create(HKEY_LOCAL_MACHINE, "Live");

    struct Case {
        const char *what;
        HKEY root;
        const char *path;
        LSTATUS expected;
    } cases[] = {
        {"missing key", HKEY_LOCAL_MACHINE, "No\\Such\\Key", ERROR_FILE_NOT_FOUND},
        {"missing below a handle", live, "Nothing", ERROR_FILE_NOT_FOUND},
        {"empty name inside the path", HKEY_LOCAL_MACHINE, "Live\\\\x", ERROR_BAD_PATHNAME},
        {"leading backslash", HKEY_LOCAL_MACHINE, "\\Live", ERROR_BAD_PATHNAME},
        {"name too long", HKEY_LOCAL_MACHINE, nullptr, ERROR_INVALID_PARAMETER},
        {"deleted key, no path", doomed, "", ERROR_KEY_DELETED},
        {"deleted key, a path below", doomed, "x", ERROR_KEY_DELETED},
        {"not a handle", reinterpret_cast<HKEY>(uintptr_t{0x7777}), "", ERROR_INVALID_HANDLE},
    };
    const std::string longName(MFP_REG_MAX_KEY_NAME + 1, 'n');
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = c.path ? c.path : longName;
        std::vector<ValueEntry> values;
        std::vector<SubkeyValues> subkeys;
        EXPECT_EQ(ReadKeyValues(c.root, path, values), c.expected);
        EXPECT_EQ(ReadSubkeysWithValues(c.root, path, subkeys), c.expected);
        HKEY opened = nullptr;
        EXPECT_EQ(RegOpenKeyExA(c.root, path.c_str(), 0, KEY_READ, &opened), c.expected);
        if (opened)
            RegCloseKey(opened);
    }
}

TEST_F(BulkReadTest, ValueLookupIgnoresAsciiCaseOnly)
{
    const std::vector<ValueEntry> values = {
        {"Printer Driver", REG_SZ, "a"}, {"\xc3\xa9t\xc3\xa9", REG_SZ, "b"}, {"", REG_SZ, "c"}};
    struct Case {
        const char *name;
        const char *foundData;  // null: not found
    } cases[] = {
        {"printer driver", "a"}, {"PRINTER DRIVER", "a"}, {"Printer Drive", nullptr}, {"Printer Driver ", nullptr},
        {"\xc3\xa9T\xc3\xa9", "b"}, {"\xc3\x89T\xc3\x89", nullptr},  // é and É differ: not ASCII
        {"", "c"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ValueEntry *found = FindValueIn(values, c.name);
        if (c.foundData == nullptr) {
            EXPECT_EQ(found, nullptr);
        } else {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->data, c.foundData);
        }
    }
}

// A .reg import changes every key in one transaction; a whole-key read running alongside must
// see all of one import or all of the other, never a mix.
TEST_F(BulkReadTest, ReadsSeeOneSnapshotWhileAnotherThreadRewritesEverything)
{
    constexpr int kKeys = 20;
    const auto writeFile = [&](const std::string &path, const std::string &generation) {
        std::ofstream out(path);
        out << "Windows Registry Editor Version 5.00\n\n";
        for (int i = 0; i < kKeys; ++i)
            out << "[HKEY_LOCAL_MACHINE\\Fleet\\P" << i << "]\n\"A\"=\"" << generation << "\"\n\"B\"=\"" << generation
                << "\"\n\n";
    };
    const std::string first = (root_.Path() / "first.reg").string();
    const std::string second = (root_.Path() / "second.reg").string();
    writeFile(first, "1");
    writeFile(second, "2");
    ASSERT_EQ(MfpRegImportFileA(first.c_str(), nullptr, 0), ERROR_SUCCESS);

    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int round = 0; round < 40; ++round)
            MfpRegImportFileA((round % 2 ? first : second).c_str(), nullptr, 0);
        done = true;
    });
    int reads = 0;
    while (!done || reads == 0) {
        std::vector<SubkeyValues> subkeys;
        ASSERT_EQ(ReadSubkeysWithValues(HKEY_LOCAL_MACHINE, "Fleet", subkeys), ERROR_SUCCESS);
        ASSERT_EQ(subkeys.size(), static_cast<size_t>(kKeys));
        const std::string generation = subkeys[0].values.at(0).data;
        for (const auto &key : subkeys)
            for (const auto &value : key.values)
                ASSERT_EQ(value.data, generation) << key.name << "\\" << value.name << " after " << reads << " reads";
        ++reads;
    }
    writer.join();
}
