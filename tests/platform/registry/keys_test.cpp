// Opening, creating, deleting and enumerating keys.
#include <vector>

#include "registry_fixture.h"

using KeyTest = RegistryTest;

TEST_F(KeyTest, CreateReportsDispositionAndOpenFindsKeyWithoutRegardToCase)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Vendor\\Product", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    RegCloseKey(key);

    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\vendor\\PRODUCT", 0, nullptr, 0, KEY_READ, nullptr, &key,
                              &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    RegCloseKey(key);

    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\VENDOR\\product\\", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);

    // The enumeration shows the case the key was created with.
    HKEY vendor = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\VENDOR");
    char name[64];
    DWORD size = sizeof name;
    ASSERT_EQ(RegEnumKeyExA(vendor, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, "Product");
    EXPECT_EQ(size, 7u);
    RegCloseKey(vendor);
}

TEST_F(KeyTest, OpenResults)
{
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, "A\\B"));
    struct Case {
        const char *subKey;
        LSTATUS expected;
    } cases[] = {
        {"A\\B", ERROR_SUCCESS},
        {"a\\b\\", ERROR_SUCCESS},
        {"", ERROR_SUCCESS},
        {nullptr, ERROR_SUCCESS},
        {"A\\C", ERROR_FILE_NOT_FOUND},
        {"Missing", ERROR_FILE_NOT_FOUND},
        {"\\A", ERROR_BAD_PATHNAME},
        {"A\\\\B", ERROR_BAD_PATHNAME},
    };
    for (const Case &c : cases) {
        HKEY key = reinterpret_cast<HKEY>(1);
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, c.subKey, 0, KEY_READ, &key), c.expected)
            << (c.subKey ? c.subKey : "(null)");
        if (c.expected == ERROR_SUCCESS)
            EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
        else
            EXPECT_EQ(key, nullptr);
    }
}

TEST_F(KeyTest, OldOpenFormTakesLeadingBackslashAndReturnsSameHandleForEmptyPath)
{
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, "A\\B"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE, "\\A\\B", &key), ERROR_SUCCESS);
    HKEY same = nullptr;
    ASSERT_EQ(RegOpenKeyA(key, "", &same), ERROR_SUCCESS);
    EXPECT_EQ(same, key);
    RegCloseKey(key);
}

TEST_F(KeyTest, NameLongerThan255CharactersIsRefused)
{
    std::string longName(256, 'n');
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, longName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_INVALID_PARAMETER);
    longName.pop_back();
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, longName.c_str()));
}

TEST_F(KeyTest, CurrentUserIsTheUsersKeyOfThisUser)
{
    HKEY key = Create(HKEY_CURRENT_USER, "Software\\Test");
    SetString(key, "Where", "user");
    RegCloseKey(key);

    HKEY users = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_USERS, nullptr, 0, KEY_READ, &users), ERROR_SUCCESS);
    char sid[128];
    DWORD size = sizeof sid;
    ASSERT_EQ(RegEnumKeyExA(users, 0, sid, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(std::string(sid).rfind("S-1-5-21-", 0), 0u) << sid;
    RegCloseKey(users);

    HKEY viaUsers = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_USERS, (std::string(sid) + "\\Software\\Test").c_str(), 0, KEY_READ, &viaUsers),
              ERROR_SUCCESS);
    EXPECT_EQ(GetString(viaUsers, "Where"), "user");
    RegCloseKey(viaUsers);
}

TEST_F(KeyTest, ClassesRootIsMachineSoftwareClasses)
{
    HKEY key = Create(HKEY_CLASSES_ROOT, "CLSID\\{x}");
    SetString(key, "", "component");
    RegCloseKey(key);
    HKEY machine = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Classes\\CLSID\\{X}", 0, KEY_READ, &machine),
              ERROR_SUCCESS);
    EXPECT_EQ(GetString(machine, nullptr), "component");
    RegCloseKey(machine);
}

TEST_F(KeyTest, EnumerationIsSortedWithoutRegardToCaseAndBoundedByCallersSize)
{
    HKEY parent = Create(HKEY_LOCAL_MACHINE, "Sorted");
    for (const char *name : {"beta", "Alpha", "_under", "GAMMA", "alpha2", "Zeta", "delta"})
        RegCloseKey(Create(parent, name));
    // Upper-cased comparison puts '_' (0x5F) after the letters, as Windows orders it.
    const std::vector<std::string> expected = {"Alpha", "alpha2", "beta", "delta", "GAMMA", "Zeta", "_under"};
    std::vector<std::string> seen;
    char name[16];
    for (DWORD index = 0;; ++index) {
        DWORD size = sizeof name;
        LSTATUS status = RegEnumKeyExA(parent, index, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        ASSERT_EQ(status, ERROR_SUCCESS);
        EXPECT_EQ(size, std::string(name).size());
        seen.push_back(name);
    }
    EXPECT_EQ(seen, expected);

    // "Alpha" needs six characters with its terminating zero.
    struct Case {
        DWORD size;
        LSTATUS expected;
    } cases[] = {{0, ERROR_MORE_DATA}, {5, ERROR_MORE_DATA}, {6, ERROR_SUCCESS}};
    for (const Case &c : cases) {
        char small[8] = "xxxxxxx";
        DWORD size = c.size;
        EXPECT_EQ(RegEnumKeyExA(parent, 0, small, &size, nullptr, nullptr, nullptr, nullptr), c.expected) << c.size;
        if (c.expected == ERROR_MORE_DATA) {
            EXPECT_EQ(size, c.size);
            EXPECT_STREQ(small, "xxxxxxx");
        } else {
            EXPECT_STREQ(small, "Alpha");
            EXPECT_EQ(size, 5u);
        }
    }
    RegCloseKey(parent);
}

TEST_F(KeyTest, DeleteKeyRefusesKeyWithSubkeysAndRoots)
{
    HKEY parent = Create(HKEY_LOCAL_MACHINE, "Del\\Child");
    RegCloseKey(parent);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Del"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Del\\Missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "del\\CHILD"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Del"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, ""), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Del", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(KeyTest, DeleteTreeRemovesEverythingBelow)
{
    HKEY deep = Create(HKEY_LOCAL_MACHINE, "Tree\\A\\B\\C");
    SetString(deep, "v", "x");
    RegCloseKey(deep);
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, "Tree2"));
    EXPECT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Tree"), ERROR_SUCCESS);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Tree", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Tree2", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(KeyTest, HandleOfDeletedKeyReportsKeyDeleted)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Gone");
    SetString(key, "v", "x");
    ASSERT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Gone"), ERROR_SUCCESS);

    const BYTE data[] = "y";
    char name[32];
    DWORD size = sizeof name;
    DWORD count = 0;
    HKEY child = nullptr;
    EXPECT_EQ(RegSetValueExA(key, "v", 0, REG_SZ, data, sizeof data), ERROR_KEY_DELETED);
    EXPECT_EQ(RegQueryValueExA(key, "v", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteValueA(key, "v"), ERROR_KEY_DELETED);
    EXPECT_EQ(RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    size = sizeof name;
    EXPECT_EQ(RegEnumValueA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegCreateKeyExA(key, "Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegOpenKeyExA(key, "", 0, KEY_READ, &child), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    // A new key of the same name is a different key; the old handle stays dead.
    HKEY again = Create(HKEY_LOCAL_MACHINE, "Gone");
    EXPECT_EQ(RegCloseKey(again), ERROR_SUCCESS);
}

TEST_F(KeyTest, AccessRightsOfTheHandleAreEnforced)
{
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, "Acl\\Sub"));
    const BYTE data[] = "v";
    struct Case {
        REGSAM access;
        LSTATUS set, query, enumerate, deleteSelf;
    } cases[] = {
        {KEY_READ, ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND, ERROR_SUCCESS, ERROR_ACCESS_DENIED},
        {KEY_QUERY_VALUE, ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED},
        {KEY_WRITE, ERROR_SUCCESS, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED},
        {GENERIC_READ, ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND, ERROR_SUCCESS, ERROR_ACCESS_DENIED},
        {KEY_ALL_ACCESS, ERROR_SUCCESS, ERROR_SUCCESS, ERROR_SUCCESS, ERROR_SUCCESS},
        {MAXIMUM_ALLOWED, ERROR_SUCCESS, ERROR_SUCCESS, ERROR_SUCCESS, ERROR_SUCCESS},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.access);
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Acl\\Victim", 0, nullptr, 0, c.access, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, "v", 0, REG_SZ, data, sizeof data), c.set);
        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExA(key, "v", nullptr, nullptr, nullptr, &size), c.query);
        char name[16];
        DWORD nameSize = sizeof name;
        RegCloseKey(Create(HKEY_LOCAL_MACHINE, "Acl\\Victim\\Child"));
        EXPECT_EQ(RegEnumKeyExA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), c.enumerate);
        ASSERT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Acl\\Victim\\Child"), ERROR_SUCCESS);
        EXPECT_EQ(RegDeleteKeyA(key, ""), c.deleteSelf);
        RegCloseKey(key);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Acl\\Victim");
    }
}

TEST_F(KeyTest, SubkeysAreCreatedAndOpenedThroughAReadOnlyHandle)
{
    // Creating a subkey is checked against the key, not the handle's rights (there are no
    // per-key restrictions here), so a read-only handle creates and opens subkeys.
    HKEY readOnly = nullptr;
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, "Parent"));
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Parent", 0, KEY_READ, &readOnly), ERROR_SUCCESS);
    HKEY child = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(readOnly, "Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    SetString(child, "v", "written through the child's own rights");
    RegCloseKey(child);
    RegCloseKey(readOnly);
}

TEST_F(KeyTest, InvalidHandlesAndArguments)
{
    HKEY bogus = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x1234));
    HKEY key = nullptr;
    DWORD size = 0;
    EXPECT_EQ(RegOpenKeyExA(bogus, "x", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(bogus, "x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(bogus), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "x", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, nullptr, 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);

    HKEY open = Create(HKEY_LOCAL_MACHINE, "Twice");
    EXPECT_EQ(RegCloseKey(open), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(open), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
}

TEST_F(KeyTest, HandleKeepsItsRootWhenTheRootChanges)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "First");
    SetString(key, "v", "first root");
    {
        mfptest::TempRoot second;
        HKEY other = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "First", 0, KEY_READ, &other), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(GetString(key, "v"), "first root");
    }
    RegCloseKey(key);
}

TEST_F(KeyTest, RootRemovedAndMadeAgainStartsAnEmptyRegistry)
{
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Before");
    RegCloseKey(key);
    std::filesystem::remove_all(root_.Path());
    std::filesystem::create_directories(root_.Path());
    // The new root is empty, and what is written now lands in its file.
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Before", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    key = Create(HKEY_LOCAL_MACHINE, "After");
    RegCloseKey(key);
    EXPECT_TRUE(std::filesystem::exists(root_.Path() / "registry.db"));
}
