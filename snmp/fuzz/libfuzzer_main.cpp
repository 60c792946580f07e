// libFuzzer entry for the decode paths (built with clang; see docs/snmp.md).
#include "snmp/fuzz/decode_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    mfpsnmp::FuzzOneResponse(data, size);
    return 0;
}
