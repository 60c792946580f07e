// .reg import and export: round trips in every format, the file forms the registry editor
// writes, and files that are refused as a whole.
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "registry_fixture.h"

namespace {

// Every key and value below a key as "path|name|type|hex-data" lines, keys sorted, values in order.
void DumpKey(HKEY key, const std::string &path, std::vector<std::string> &out)
{
    out.push_back("[" + path + "]");
    for (DWORD index = 0;; ++index) {
        char name[MFP_REG_MAX_VALUE_NAME + 1];
        DWORD nameSize = sizeof name;
        DWORD type = 0;
        std::vector<BYTE> data(64 * 1024);
        DWORD dataSize = static_cast<DWORD>(data.size());
        LSTATUS status = RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data.data(), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        EXPECT_EQ(status, ERROR_SUCCESS);
        std::string hex;
        for (DWORD i = 0; i < dataSize; ++i) {
            char two[3];
            snprintf(two, sizeof two, "%02x", data[i]);
            hex += two;
        }
        out.push_back(path + "|" + name + "|" + std::to_string(type) + "|" + hex);
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        ASSERT_EQ(RegOpenKeyExA(key, name, 0, KEY_READ, &child), ERROR_SUCCESS);
        DumpKey(child, path + "\\" + name, out);
        RegCloseKey(child);
    }
}

std::string ReadFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Plain ASCII/UTF-8 text as UTF-16LE with a byte-order mark (ASCII content only).
std::string AsciiToUtf16File(const std::string &text)
{
    std::string out = "\xff\xfe";
    for (char c : text) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

}  // namespace

class RegFileTest : public RegistryTest {
protected:
    std::vector<std::string> Dump(HKEY root, const char *path)
    {
        std::vector<std::string> out;
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return out;
        DumpKey(key, path, out);
        RegCloseKey(key);
        return out;
    }

    LSTATUS Import(const std::string &bytes, std::string *error = nullptr)
    {
        auto file = root_.Path() / "in.reg";
        WriteFile(file, bytes);
        char text[256] = "untouched";
        LSTATUS status = MfpRegImportFileA(file.c_str(), text, sizeof text);
        if (error)
            *error = text;
        return status;
    }

    void SetRaw(HKEY key, const char *name, DWORD type, const std::string &data)
    {
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }

    // A tree with the awkward cases: backslashes, quotes, '=' and ']' in names, empty and
    // unterminated values, non-ASCII text, long binary data, every type.
    void BuildAwkwardTree()
    {
        HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Round [trip] = \"x\"");
        SetString(key, "path\\with\\backslashes", "C:\\Program Files\\\"quoted\"\\");
        SetString(key, "a=b", "x=y");
        SetString(key, "]", "[");
        SetString(key, "", "default value");
        SetString(key, "empty", "");
        SetString(key, "Zażółć gęślą jaźń", "Grüße, 日本語, 😀");
        SetRaw(key, "unterminated", REG_SZ, "abc");
        SetRaw(key, "zero length", REG_SZ, "");
        SetRaw(key, "inner zero", REG_SZ, std::string("a\0b\0", 4));
        SetRaw(key, "line break", REG_SZ, std::string("one\r\ntwo\0", 9));
        SetRaw(key, "not utf8", REG_SZ, std::string("\xff\xfe\x80 latin1 \xe9\0", 14));
        SetRaw(key, "expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\żółw\0", 20));
        SetRaw(key, "multi", REG_MULTI_SZ, std::string("one\0dwa\0trzy ż\0\0", 18));
        SetRaw(key, "dword", REG_DWORD, std::string("\x78\x56\x34\x12", 4));
        SetRaw(key, "short dword", REG_DWORD, std::string("\x01\x02", 2));
        SetRaw(key, "qword", REG_QWORD, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
        SetRaw(key, "none", REG_NONE, "");
        SetRaw(key, "odd type", 0x1234, "\x01");
        std::string binary;
        for (int i = 0; i < 1000; ++i)
            binary.push_back(static_cast<char>(i * 7));
        SetRaw(key, "long binary", REG_BINARY, binary);
        SetRaw(key, "empty binary", REG_BINARY, "");
        RegCloseKey(Create(key, "Empty Subkey"));
        RegCloseKey(Create(key, "Klucz żółty 日本"));
        HKEY deep = Create(key, "a\\b]\\c=d");
        SetString(deep, "deep", "value");
        RegCloseKey(deep);
        RegCloseKey(key);
    }
};

TEST_F(RegFileTest, RoundTripInEveryFormatKeepsEveryByte)
{
    BuildAwkwardTree();
    const char *path = "SOFTWARE\\Round [trip] = \"x\"";
    const std::vector<std::string> before = Dump(HKEY_LOCAL_MACHINE, path);
    ASSERT_GT(before.size(), 20u);
    for (DWORD format : {MFP_REGFILE_UNICODE, MFP_REGFILE_UTF8, MFP_REGFILE_REGEDIT4}) {
        SCOPED_TRACE(format);
        auto file = root_.Path() / ("out" + std::to_string(format) + ".reg");
        ASSERT_EQ(MfpRegExportFileA(HKEY_LOCAL_MACHINE, path, file.c_str(), format), ERROR_SUCCESS);
        ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, path), ERROR_SUCCESS);
        ASSERT_TRUE(Dump(HKEY_LOCAL_MACHINE, path).empty());
        char error[256] = "";
        ASSERT_EQ(MfpRegImportFileA(file.c_str(), error, sizeof error), ERROR_SUCCESS) << error;
        EXPECT_EQ(Dump(HKEY_LOCAL_MACHINE, path), before);
    }
}

TEST_F(RegFileTest, ExportWritesTheFormsTheRegistryEditorWrites)
{
    HKEY key = Create(HKEY_CURRENT_USER, "Software\\Vendor");
    SetString(key, "Name", "Quote \" and \\");
    SetString(key, "", "def");
    SetRaw(key, "Count", REG_DWORD, std::string("\x0a\0\0\0", 4));
    SetRaw(key, "Bin", REG_BINARY, std::string(30, '\x11'));
    SetRaw(key, "Exp", REG_EXPAND_SZ, std::string("%a%\0", 4));
    RegCloseKey(key);
    auto file = root_.Path() / "out.reg";
    ASSERT_EQ(MfpRegExportFileA(HKEY_CURRENT_USER, "software\\vendor", file.c_str(), MFP_REGFILE_REGEDIT4),
              ERROR_SUCCESS);
    const std::string expected =
        "REGEDIT4\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Vendor]\r\n"
        "\"Name\"=\"Quote \\\" and \\\\\"\r\n"
        "@=\"def\"\r\n"
        "\"Count\"=dword:0000000a\r\n"
        "\"Bin\"=hex:11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,\\\r\n"
        "  11,11,11,11,11,11,11\r\n"
        "\"Exp\"=hex(2):25,61,25,00\r\n"
        "\r\n";
    EXPECT_EQ(ReadFile(file), expected);

    ASSERT_EQ(MfpRegExportFileA(HKEY_CURRENT_USER, "Software\\Vendor", file.c_str(), MFP_REGFILE_UNICODE),
              ERROR_SUCCESS);
    const std::string unicode = ReadFile(file);
    ASSERT_GE(unicode.size(), 2u);
    EXPECT_EQ(unicode.substr(0, 2), "\xff\xfe");
    EXPECT_EQ(unicode.substr(2, 14), std::string("W\0i\0n\0d\0o\0w\0s\0", 14));
    EXPECT_NE(unicode.find(std::string("h\0e\0x\0(\0\x32\0)\0:\0\x32\0\x35\0,\0\x30\0\x30\0", 24)), std::string::npos)
        << "expand text is written as UTF-16 bytes";

    EXPECT_EQ(MfpRegExportFileA(HKEY_CURRENT_USER, "Software\\Missing", file.c_str(), MFP_REGFILE_UTF8),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(MfpRegExportFileA(HKEY_CURRENT_USER, "Software", file.c_str(), 7), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(MfpRegExportFileA(HKEY_CURRENT_USER, "Software", "/nonexistent/dir/out.reg", MFP_REGFILE_UTF8),
              ERROR_CANTWRITE);

    // A name with a line break has no written form: refused rather than written unreadable.
    key = Create(HKEY_CURRENT_USER, "Software\\Vendor");
    SetString(key, "two\nlines", "x");
    RegCloseKey(key);
    EXPECT_EQ(MfpRegExportFileA(HKEY_CURRENT_USER, "Software", file.c_str(), MFP_REGFILE_UTF8), ERROR_INVALID_DATA);
}

TEST_F(RegFileTest, ImportsWhatTheRegistryEditorWrites)
{
    const std::string text =
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; a comment\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Editor]\r\n"
        "@=\"default\"\r\n"
        "\"Str\"=\"a \\\"b\\\" c:\\\\d\"\r\n"
        "\"Dw\"=dword:0000ffff\r\n"
        "\"Bin\"=hex:01,02,\\\r\n"
        "  03,04\r\n"
        "\"Exp\"=hex(2):25,00,61,00,25,00,00,00\r\n"
        "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
        "\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
        "\"None\"=hex(0):\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Editor\\Sub]\r\n"
        "\r\n";
    ASSERT_EQ(Import(AsciiToUtf16File(text)), ERROR_SUCCESS);
    const std::vector<std::string> expected = {
        "[SOFTWARE\\Editor]",
        "SOFTWARE\\Editor||1|64656661756c7400",
        "SOFTWARE\\Editor|Str|1|612022622220633a5c6400",
        "SOFTWARE\\Editor|Dw|4|ffff0000",
        "SOFTWARE\\Editor|Bin|3|01020304",
        "SOFTWARE\\Editor|Exp|2|25612500",
        "SOFTWARE\\Editor|Multi|7|6100620000",
        "SOFTWARE\\Editor|Q|11|0100000000000000",
        "SOFTWARE\\Editor|None|0|",
        "[SOFTWARE\\Editor\\Sub]",
    };
    EXPECT_EQ(Dump(HKEY_LOCAL_MACHINE, "SOFTWARE\\Editor"), expected);

    // The same in REGEDIT4: hex(2) and hex(7) data are 8-bit text there.
    const std::string ansi =
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ansi]\n\"Exp\"=hex(2):25,61,25,00\n\"Multi\"=hex(7):61,00,62,00,00\n";
    ASSERT_EQ(Import(ansi), ERROR_SUCCESS);
    const std::vector<std::string> expectedAnsi = {
        "[SOFTWARE\\Ansi]", "SOFTWARE\\Ansi|Exp|2|25612500", "SOFTWARE\\Ansi|Multi|7|6100620000"};
    EXPECT_EQ(Dump(HKEY_LOCAL_MACHINE, "SOFTWARE\\Ansi"), expectedAnsi);
}

TEST_F(RegFileTest, DeletionLinesRemoveKeysAndValues)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Del\\Child\\Grandchild");
    RegCloseKey(key);
    key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Keep");
    SetString(key, "gone", "x");
    SetString(key, "stays", "y");
    RegCloseKey(key);
    const std::string text =
        "Windows Registry Editor Version 5.00\n\n"
        "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Del]\n\n"
        "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\NeverExisted]\n\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Keep]\n"
        "\"gone\"=-\n"
        "\"never\"=-\n";
    ASSERT_EQ(Import(text), ERROR_SUCCESS);
    EXPECT_TRUE(Dump(HKEY_LOCAL_MACHINE, "SOFTWARE\\Del").empty());
    const std::vector<std::string> expected = {"[SOFTWARE\\Keep]", "SOFTWARE\\Keep|stays|1|7900"};
    EXPECT_EQ(Dump(HKEY_LOCAL_MACHINE, "SOFTWARE\\Keep"), expected);
}

TEST_F(RegFileTest, MalformedFileIsRefusedWithItsLineAndChangesNothing)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Existing");
    SetString(key, "v", "before");
    RegCloseKey(key);
    const std::string good = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Existing]\n\"v\"=\"after\"\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\New]\n";
    struct Case {
        std::string text;
        std::string error;
    } cases[] = {
        {"Not a registry file\n", "line 1:"},
        {"", "line 1:"},
        {"REGEDIT4\n" + good + "\"x\"=dword:123456789\n", "line 5:"},
        {"REGEDIT4\n" + good + "\"x\"=hex:01,zz\n", "line 5:"},
        {"REGEDIT4\n" + good + "\"x\"=\"unterminated\n", "line 5:"},
        {"REGEDIT4\n" + good + "\"x\"=hex:01,\\\n  02,\\\n", "line 5:"},
        {"REGEDIT4\n" + good + "[HKEY_NOWHERE\\x]\n", "line 5:"},
        {"REGEDIT4\n" + good + "[HKEY_LOCAL_MACHINE\\x\n", "line 5:"},
        {"REGEDIT4\n" + good + "garbage\n", "line 5:"},
        {"REGEDIT4\n" + good + "\"x\" \"y\"\n", "line 5:"},
        {"REGEDIT4\n" + good + "\"x\"=word:1\n", "line 5:"},
        {"REGEDIT4\n\"x\"=\"value before any key\"\n", "line 2:"},
        {"Windows Registry Editor Version 5.00\n" + good + "\"x\"=hex(2):41\n", "line 5:"},
        {"REGEDIT4\n" + good + "[-HKEY_LOCAL_MACHINE]\n", "line 5:"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_NE(Import(c.text, &error), ERROR_SUCCESS);
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
        HKEY check = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Existing", 0, KEY_READ, &check), ERROR_SUCCESS);
        EXPECT_EQ(GetString(check, "v"), "before");
        RegCloseKey(check);
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\New", 0, KEY_READ, &check), ERROR_FILE_NOT_FOUND);
    }
}

TEST_F(RegFileTest, ImportErrorTextIsBoundedAndMissingFileReported)
{
    auto file = root_.Path() / "bad.reg";
    WriteFile(file, "REGEDIT4\ngarbage line that is wrong\n");
    char small[8];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(MfpRegImportFileA(file.c_str(), small, 6), ERROR_BAD_FORMAT);
    EXPECT_STREQ(small, "line ");
    EXPECT_EQ(small[6], 'x');
    char error[128];
    EXPECT_EQ(MfpRegImportFileA((root_.Path() / "missing.reg").c_str(), error, sizeof error), ERROR_FILE_NOT_FOUND);
    EXPECT_NE(std::string(error).find("missing.reg"), std::string::npos);
}
