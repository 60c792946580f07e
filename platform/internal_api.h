// Marks a C++ function inside libmfpwin that other areas' code and the tests call directly
// (not a Windows interface, so it has C++ linkage and is not declared in include/).
#pragma once

#define MFPWIN_INTERNAL_API __attribute__((visibility("default")))
