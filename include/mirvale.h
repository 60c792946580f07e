// libmirvale.so: the device questions and job-option dialogs of the printer driver's user
// interface. Every export has C linkage; load the library by file name (LoadLibraryA or dlopen)
// and look the functions up by these names, or link against it.
//
// Printer name and brand code are 8-bit texts of the caller; the brand code is decimal text
// (3 selects the partner brand's discovery data, any other value the maker's). A printer handle
// may be null: the printer is then opened by name and closed again before the call returns.
// A caller's handle is never closed.
#pragma once

#include "mfpwin/types.h"

#define MIRVALE_API MFP_EXTERN_C __attribute__((visibility("default")))

// The short (8.3) form of longPath into shortPath (260 bytes): its length without terminator,
// the size needed when it does not fit in 260 bytes, or 0 on failure.
MIRVALE_API int GetShortPathNameFromDll(const char *longPath, char *shortPath);

// 1 when the printer's device belongs to one of the three listed device families (by its
// sysObjectID); 0 otherwise and on every failure. Shows no message.
MIRVALE_API int GetMFPModel(char *printerName, char *brandCode, HANDLE printer);

// The device's two features as a 4-letter code into featureCode (at least 5 bytes): "f", 't' or
// 'f' for feature F, "m", 't' or 'f' for feature M. "ftmt" whenever the device cannot be asked.
MIRVALE_API void AbvPrinterCheck(char *printerName, char *brandCode, char *featureCode, HANDLE printer);

// Policy flags of the device: 1 on, 0 off (also when the device does not answer, and after the
// connection-failure message when no session can be opened), -1 when the printer cannot be
// read or its address cannot be resolved. IsUserAccountenforced does not stop on an unresolved
// address and returns -5 when its request timed out.
MIRVALE_API int IsDeptCodeEnforced(char *printerName, char *brandCode, HANDLE printer);
MIRVALE_API int IsUserAccountenforced(char *printerName, char *brandCode, HANDLE printer);
MIRVALE_API int IsConfirmDialogEnforced(char *printerName, char *brandCode, HANDLE printer);
MIRVALE_API int IsBlackFreeModeEnabled(char *printerName, char *brandCode, HANDLE printer);
MIRVALE_API int IsPrivPasswordEncryptEnabled(char *printerName, char *brandCode, HANDLE printer);
