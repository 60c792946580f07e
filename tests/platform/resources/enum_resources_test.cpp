// Enumerating a module's resource types, names and languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfpwin.h"
#include "resource_test_support.h"

using resourcetest::ResourceFixturePath;

namespace {

std::string IdText(LPCSTR id)
{
    return IS_INTRESOURCE(id) ? std::to_string(reinterpret_cast<uintptr_t>(id)) : std::string(id);
}

class EnumResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryA(ResourceFixturePath().c_str());
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }
    HMODULE module_ = nullptr;
};

TEST_F(EnumResources, TypesNamesAndLanguagesEachOnceInAscendingOrder)
{
    std::vector<std::string> types;
    ASSERT_TRUE(EnumResourceTypesA(
        module_,
        [](HMODULE, LPSTR type, LONG_PTR param) {
            reinterpret_cast<std::vector<std::string> *>(param)->push_back(IdText(type));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&types)));
    EXPECT_EQ(types, (std::vector<std::string>{"2", "3", "5", "6", "10", "14", "16"}));

    std::vector<std::string> names;
    auto collectName = [](HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
        reinterpret_cast<std::vector<std::string> *>(param)->push_back(IdText(name));
        return TRUE;
    };
    ASSERT_TRUE(EnumResourceNamesA(module_, RT_STRING, collectName, reinterpret_cast<LONG_PTR>(&names)));
    EXPECT_EQ(names, (std::vector<std::string>{"1", "2", "267"}));
    names.clear();
    ASSERT_TRUE(EnumResourceNamesA(module_, RT_RCDATA, collectName, reinterpret_cast<LONG_PTR>(&names)));
    EXPECT_EQ(names, (std::vector<std::string>{"FIXTUREDATA"}));

    std::vector<WORD> languages;
    ASSERT_TRUE(EnumResourceLanguagesA(
        module_, RT_STRING, MAKEINTRESOURCEA(1),
        [](HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
            reinterpret_cast<std::vector<WORD> *>(param)->push_back(language);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&languages)));
    EXPECT_EQ(languages, (std::vector<WORD>{0x0007, 0x0409, 0x0415}));
}

TEST_F(EnumResources, StopsWhenTheCallbackSaysSoAndReportsMissingTypes)
{
    int calls = 0;
    auto stopAtFirst = [](HMODULE, LPCSTR, LPSTR, LONG_PTR param) {
        ++*reinterpret_cast<int *>(param);
        return FALSE;
    };
    EXPECT_FALSE(EnumResourceNamesA(module_, RT_BITMAP, stopAtFirst, reinterpret_cast<LONG_PTR>(&calls)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_ENUM_USER_STOP));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(EnumResourceNamesA(module_, RT_MENU, stopAtFirst, reinterpret_cast<LONG_PTR>(&calls)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    EXPECT_EQ(calls, 1);
}

TEST(EnumResourcesOfProgram, EveryScriptOfTheTargetIsEmbedded)
{
    HRSRC data = FindResourceA(nullptr, "ProgramData", RT_RCDATA);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const char *>(LockResource(LoadResource(nullptr, data))), "second script");
    EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_STRING), nullptr) << "first script";
}

}  // namespace
