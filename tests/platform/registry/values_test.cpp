// Setting, reading, enumerating and deleting values: the required-size protocol and types.
#include <cstring>
#include <string>
#include <vector>

#include "registry_fixture.h"

namespace {

struct StoredValue {
    const char *name;
    DWORD type;
    std::string data;
};

const StoredValue kValues[] = {
    {"Text", REG_SZ, std::string("hello\0", 6)},
    {"Empty", REG_SZ, std::string("\0", 1)},
    {"Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\x\0", 15)},
    {"Multi", REG_MULTI_SZ, std::string("one\0two\0\0", 9)},
    {"Number", REG_DWORD, std::string("\x78\x56\x34\x12", 4)},
    {"Big", REG_QWORD, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
    {"Raw", REG_BINARY, std::string("\x00\xff\x10", 3)},
    {"Nothing", REG_NONE, std::string()},
    {"", REG_SZ, std::string("default\0", 8)},
};

}  // namespace

using ValueTest = RegistryTest;

TEST_F(ValueTest, EveryTypeReadsBackWithItsSizeAndType)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Types");
    for (const auto &v : kValues)
        ASSERT_EQ(RegSetValueExA(key, v.name, 0, v.type, reinterpret_cast<const BYTE *>(v.data.data()),
                                 static_cast<DWORD>(v.data.size())),
                  ERROR_SUCCESS);
    for (const auto &v : kValues) {
        SCOPED_TRACE(v.name);
        DWORD type = 99;
        DWORD size = 0;
        ASSERT_EQ(RegQueryValueExA(key, v.name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(type, v.type);
        EXPECT_EQ(size, v.data.size());
        std::vector<BYTE> buffer(size + 4, 0xcc);
        size = static_cast<DWORD>(buffer.size());
        ASSERT_EQ(RegQueryValueExA(key, v.name, nullptr, &type, buffer.data(), &size), ERROR_SUCCESS);
        EXPECT_EQ(size, v.data.size());
        EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer.data()), size), v.data);
    }
    RegCloseKey(key);
}

TEST_F(ValueTest, RequiredSizeProtocol)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Sizes");
    SetString(key, "Text", "hello");  // six bytes with the terminating zero
    struct Case {
        bool withBuffer;
        DWORD size;
        LSTATUS expected;
        DWORD sizeAfter;
        const char *contents;  // the buffer afterwards (filled with 'x' before)
    } cases[] = {
        {false, 0, ERROR_SUCCESS, 6, nullptr},
        {false, 100, ERROR_SUCCESS, 6, nullptr},
        {true, 0, ERROR_MORE_DATA, 6, "xxxxxxx"},
        {true, 5, ERROR_MORE_DATA, 6, "xxxxxxx"},
        {true, 6, ERROR_SUCCESS, 6, "hello"},
        {true, 7, ERROR_SUCCESS, 6, "hello"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.withBuffer << " " << c.size);
        char buffer[8] = "xxxxxxx";
        DWORD size = c.size;
        DWORD type = 0;
        EXPECT_EQ(RegQueryValueExA(key, "TEXT", nullptr, &type, c.withBuffer ? reinterpret_cast<BYTE *>(buffer) : nullptr,
                                   &size),
                  c.expected);
        EXPECT_EQ(size, c.sizeAfter);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        if (c.contents) {
            EXPECT_STREQ(buffer, c.contents);
        }
    }
    char buffer[8];
    EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, nullptr, reinterpret_cast<BYTE *>(buffer), nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, reinterpret_cast<BYTE *>(buffer), &size),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(ValueTest, TextStoredWithoutTerminatorKeepsItsSizeAndIsTerminatedWhenThereIsRoom)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Unterminated");
    ASSERT_EQ(RegSetValueExA(key, "v", 0, REG_SZ, reinterpret_cast<const BYTE *>("abc"), 3), ERROR_SUCCESS);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    DWORD size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExA(key, "v", nullptr, nullptr, reinterpret_cast<BYTE *>(buffer), &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 3u);
    EXPECT_STREQ(buffer, "abc");

    // Exactly the stored size: the data fits, there is no room for a zero, and none is written.
    std::memset(buffer, 'x', sizeof buffer);
    size = 3;
    ASSERT_EQ(RegQueryValueExA(key, "v", nullptr, nullptr, reinterpret_cast<BYTE *>(buffer), &size), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer, 4), "abcx");
    RegCloseKey(key);
}

TEST_F(ValueTest, NamesAreCaseInsensitiveAndKeepTheirFirstCase)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Case");
    SetString(key, "MixedCase", "1");
    SetString(key, "MIXEDCASE", "2");
    EXPECT_EQ(GetString(key, "mixedcase"), "2");
    char name[32];
    DWORD nameSize = sizeof name;
    ASSERT_EQ(RegEnumValueA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, "MixedCase");
    nameSize = sizeof name;
    EXPECT_EQ(RegEnumValueA(key, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    RegCloseKey(key);
}

TEST_F(ValueTest, EnumerationKeepsTheOrderValuesWereFirstSet)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Order");
    for (const char *name : {"zulu", "Alpha", "mike", ""})
        SetString(key, name, name);
    SetString(key, "ALPHA", "changed");  // keeps its place
    ASSERT_EQ(RegDeleteValueA(key, "mike"), ERROR_SUCCESS);
    SetString(key, "mike", "again");  // goes to the end
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"zulu", "zulu"}, {"Alpha", "changed"}, {"", ""}, {"mike", "again"}};
    std::vector<std::pair<std::string, std::string>> seen;
    for (DWORD index = 0;; ++index) {
        char name[32];
        char data[32];
        DWORD nameSize = sizeof name;
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        LSTATUS status =
            RegEnumValueA(key, index, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE *>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        ASSERT_EQ(status, ERROR_SUCCESS);
        EXPECT_EQ(nameSize, std::strlen(name));
        EXPECT_EQ(dataSize, std::strlen(data) + 1);
        seen.emplace_back(name, data);
    }
    EXPECT_EQ(seen, expected);
    RegCloseKey(key);
}

TEST_F(ValueTest, EnumValueBoundsNameAndData)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "EnumBounds");
    SetString(key, "Name5", "data5");
    struct Case {
        DWORD nameSize;
        DWORD dataSize;
        LSTATUS expected;
        DWORD nameSizeAfter;
        DWORD dataSizeAfter;
    } cases[] = {
        {5, 6, ERROR_MORE_DATA, 5, 6},   // name needs six with its zero
        {6, 5, ERROR_MORE_DATA, 5, 6},   // data needs six
        {6, 6, ERROR_SUCCESS, 5, 6},
        {64, 64, ERROR_SUCCESS, 5, 6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.nameSize << "/" << c.dataSize);
        char name[64];
        BYTE data[64];
        DWORD nameSize = c.nameSize;
        DWORD dataSize = c.dataSize;
        EXPECT_EQ(RegEnumValueA(key, 0, name, &nameSize, nullptr, nullptr, data, &dataSize), c.expected);
        EXPECT_EQ(nameSize, c.nameSizeAfter);
        if (c.nameSize > 5) {
            EXPECT_EQ(dataSize, c.dataSizeAfter);
        }
    }
    RegCloseKey(key);
}

TEST_F(ValueTest, DeleteValueResults)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "DeleteValue");
    SetString(key, "v", "x");
    SetString(key, nullptr, "default");
    EXPECT_EQ(RegDeleteValueA(key, "V"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(key, "v"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(key, ""), ERROR_SUCCESS);
    EXPECT_EQ(GetString(key, nullptr), "<error 2>");
    RegCloseKey(key);
}

TEST_F(ValueTest, SetValueArguments)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SetArgs");
    EXPECT_EQ(RegSetValueExA(key, "v", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);
    EXPECT_EQ(RegSetValueExA(key, "v", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    const std::string longName(MFP_REG_MAX_VALUE_NAME + 1, 'n');
    EXPECT_EQ(RegSetValueExA(key, longName.c_str(), 0, REG_BINARY, nullptr, 0), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

TEST_F(ValueTest, QueryInfoKeyCountsAndMaxima)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Info");
    RegCloseKey(Create(key, "Short"));
    RegCloseKey(Create(key, "LongerName"));
    SetString(key, "a", "1234567890");
    SetString(key, "longvalue", "1");
    DWORD subkeys = 0, maxSubkey = 0, values = 0, maxValueName = 0, maxData = 0;
    ASSERT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values, &maxValueName,
                               &maxData, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subkeys, 2u);
    EXPECT_EQ(maxSubkey, 10u);
    EXPECT_EQ(values, 2u);
    EXPECT_EQ(maxValueName, 9u);
    EXPECT_EQ(maxData, 11u);
    RegCloseKey(key);
}
