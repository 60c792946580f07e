#include <gtest/gtest.h>

#include <thread>

#include "mfpwin.h"

TEST(LastError, IsKeptPerThread)
{
    SetLastError(ERROR_MORE_DATA);
    DWORD seenByOtherThread = 12345;
    std::thread([&] {
        seenByOtherThread = GetLastError();
        SetLastError(ERROR_FILE_NOT_FOUND);
    }).join();
    EXPECT_EQ(seenByOtherThread, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MORE_DATA));
}
