// A fresh emulated root per test, with helpers to set up keys and values briefly.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "mfpwin.h"
#include "temp_root.h"

class RegistryTest : public ::testing::Test {
protected:
    // Creates (or opens) a key with all access; fails the test when that does not work.
    HKEY Create(HKEY root, const char *path)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS)
            << path;
        return key;
    }

    void SetString(HKEY key, const char *name, const std::string &text)
    {
        ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                                 static_cast<DWORD>(text.size() + 1)),
                  ERROR_SUCCESS);
    }

    // The text of a REG_SZ value, or "<error N>".
    std::string GetString(HKEY key, const char *name)
    {
        char buffer[1024] = {};
        DWORD size = sizeof buffer;
        DWORD type = 0;
        LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(buffer), &size);
        if (status != ERROR_SUCCESS)
            return "<error " + std::to_string(status) + ">";
        return std::string(buffer);
    }

    mfptest::TempRoot root_;
};
