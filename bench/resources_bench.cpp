// Cost of the resource calls a library makes while it builds a dialog: a string in the user's
// code page, a template look-up, a bitmap decoded for an image list, a text conversion.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "fixtures/fixture_ids.h"
#include "mfpwin.h"
#include "platform/resources/image_decoder.h"

namespace {

void LoadPolishString(benchmark::State &state)
{
    setenv("LC_ALL", "pl_PL.UTF-8", 1);
    char text[256];
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadStringA(nullptr, IDS_CONNECT_FAILED, text, sizeof text));
    }
}
BENCHMARK(LoadPolishString);

void FindDialogTemplate(benchmark::State &state)
{
    for (auto _ : state) {
        HRSRC dialog = FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_FIXTURE), RT_DIALOG);
        benchmark::DoNotOptimize(LockResource(LoadResource(nullptr, dialog)));
    }
}
BENCHMARK(FindDialogTemplate);

void DecodeBitmapStrip(benchmark::State &state)
{
    HRSRC bitmap = FindResourceA(nullptr, MAKEINTRESOURCEA(IDB_STRIP24), RT_BITMAP);
    std::span<const uint8_t> bytes(static_cast<const uint8_t *>(LockResource(LoadResource(nullptr, bitmap))),
                                   SizeofResource(nullptr, bitmap));
    for (auto _ : state) benchmark::DoNotOptimize(mfpwin::DecodeBitmap(bytes));
}
BENCHMARK(DecodeBitmapStrip);

void ConvertToCodePage1250(benchmark::State &state)
{
    const WCHAR text[] = {u'N', u'i', u'e', u' ', u'm', u'o', 0x017C, u'n', u'a', 0};
    char out[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(WideCharToMultiByte(1250, 0, text, -1, out, sizeof out, nullptr, nullptr));
    }
}
BENCHMARK(ConvertToCodePage1250);

}  // namespace
