// One fuzz input over the layer's value-reading paths: the bytes are decoded as an SNMP answer
// to a one-binding request, and every read of the resulting binding is exercised with guarded,
// bounded buffers. Aborts when a read writes past its bound.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mfpsnmp {

void FuzzOneResponse(const uint8_t *data, size_t size);

}  // namespace mfpsnmp
