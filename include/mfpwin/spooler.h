// Print spooler: printers, printer connections, printer data and printer drivers.
// Records are kept in the registry at the places Windows keeps them, so a registry export of a
// machine's printer set-up imports as it is (see docs/spooler.md for the layout).
#pragma once

#include "types.h"

#ifndef ERROR_INVALID_USER_BUFFER
#define ERROR_INVALID_USER_BUFFER 1784L
#endif

typedef PVOID PSECURITY_DESCRIPTOR;

// The device mode is not kept by this spooler: records carry a null pointer.
typedef struct _devicemodeA DEVMODEA, *PDEVMODEA, *LPDEVMODEA;

// EnumPrintersA flags.
#define PRINTER_ENUM_DEFAULT 0x00000001
#define PRINTER_ENUM_LOCAL 0x00000002
#define PRINTER_ENUM_CONNECTIONS 0x00000004
#define PRINTER_ENUM_FAVORITE 0x00000004
#define PRINTER_ENUM_NAME 0x00000008
#define PRINTER_ENUM_REMOTE 0x00000010
#define PRINTER_ENUM_SHARED 0x00000020
#define PRINTER_ENUM_NETWORK 0x00000040

// PRINTER_INFO_1A Flags.
#define PRINTER_ENUM_ICON8 0x00800000

// Printer attributes.
#define PRINTER_ATTRIBUTE_QUEUED 0x00000001
#define PRINTER_ATTRIBUTE_DIRECT 0x00000002
#define PRINTER_ATTRIBUTE_DEFAULT 0x00000004
#define PRINTER_ATTRIBUTE_SHARED 0x00000008
#define PRINTER_ATTRIBUTE_NETWORK 0x00000010
#define PRINTER_ATTRIBUTE_HIDDEN 0x00000020
#define PRINTER_ATTRIBUTE_LOCAL 0x00000040

// Access rights for PRINTER_DEFAULTSA.DesiredAccess.
#define PRINTER_ACCESS_ADMINISTER 0x00000004
#define PRINTER_ACCESS_USE 0x00000008
#define PRINTER_ALL_ACCESS 0x000F000C

typedef struct _PRINTER_DEFAULTSA {
    LPSTR pDatatype;
    LPDEVMODEA pDevMode;
    ACCESS_MASK DesiredAccess;
} PRINTER_DEFAULTSA, *PPRINTER_DEFAULTSA, *LPPRINTER_DEFAULTSA;

typedef struct _PRINTER_INFO_1A {
    DWORD Flags;
    LPSTR pDescription;
    LPSTR pName;
    LPSTR pComment;
} PRINTER_INFO_1A, *PPRINTER_INFO_1A, *LPPRINTER_INFO_1A;

typedef struct _PRINTER_INFO_2A {
    LPSTR pServerName;
    LPSTR pPrinterName;
    LPSTR pShareName;
    LPSTR pPortName;
    LPSTR pDriverName;
    LPSTR pComment;
    LPSTR pLocation;
    LPDEVMODEA pDevMode;
    LPSTR pSepFile;
    LPSTR pPrintProcessor;
    LPSTR pDatatype;
    LPSTR pParameters;
    PSECURITY_DESCRIPTOR pSecurityDescriptor;
    DWORD Attributes;
    DWORD Priority;
    DWORD DefaultPriority;
    DWORD StartTime;
    DWORD UntilTime;
    DWORD Status;
    DWORD cJobs;
    DWORD AveragePPM;
} PRINTER_INFO_2A, *PPRINTER_INFO_2A, *LPPRINTER_INFO_2A;

typedef struct _PRINTER_INFO_4A {
    LPSTR pPrinterName;
    LPSTR pServerName;
    DWORD Attributes;
} PRINTER_INFO_4A, *PPRINTER_INFO_4A, *LPPRINTER_INFO_4A;

typedef struct _DRIVER_INFO_2A {
    DWORD cVersion;
    LPSTR pName;
    LPSTR pEnvironment;
    LPSTR pDriverPath;
    LPSTR pDataFile;
    LPSTR pConfigFile;
} DRIVER_INFO_2A, *PDRIVER_INFO_2A, *LPDRIVER_INFO_2A;

typedef struct _DRIVER_INFO_3A {
    DWORD cVersion;
    LPSTR pName;
    LPSTR pEnvironment;
    LPSTR pDriverPath;
    LPSTR pDataFile;
    LPSTR pConfigFile;
    LPSTR pHelpFile;
    LPSTR pDependentFiles;  // zero-terminated names, the list ended by an empty name
    LPSTR pMonitorName;
    LPSTR pDefaultDataType;
} DRIVER_INFO_3A, *PDRIVER_INFO_3A, *LPDRIVER_INFO_3A;

// Opens a local printer by name, or a printer connection named \\server\share.
MFPAPI BOOL WINAPI OpenPrinterA(LPSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSA pDefault);
MFPAPI BOOL WINAPI ClosePrinter(HANDLE hPrinter);

// Levels 1, 2 and 4: one packed buffer, the record first, then the texts it points to.
// A buffer that is too small (or none) fails with ERROR_INSUFFICIENT_BUFFER and *pcbNeeded set.
MFPAPI BOOL WINAPI GetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf, LPDWORD pcbNeeded);
// Level 2 only; Command must be 0. Renaming is not supported.
MFPAPI BOOL WINAPI SetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD Command);
MFPAPI BOOL WINAPI EnumPrintersA(DWORD Flags, LPSTR Name, DWORD Level, LPBYTE pPrinterEnum, DWORD cbBuf,
                                 LPDWORD pcbNeeded, LPDWORD pcReturned);

// Printer data (the printer's "PrinterDriverData"). The functions return the error code.
MFPAPI DWORD WINAPI GetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, LPDWORD pType, LPBYTE pData, DWORD nSize,
                                    LPDWORD pcbNeeded);
MFPAPI DWORD WINAPI SetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, DWORD Type, LPBYTE pData, DWORD cbData);
MFPAPI DWORD WINAPI DeletePrinterDataA(HANDLE hPrinter, LPSTR pValueName);
// The printer data value at dwIndex (sizes in bytes, the name's terminating zero included);
// ERROR_MORE_DATA with both sizes set when either buffer is short, ERROR_NO_MORE_ITEMS past the end.
MFPAPI DWORD WINAPI EnumPrinterDataA(HANDLE hPrinter, DWORD dwIndex, LPSTR pValueName, DWORD cbValueName,
                                     LPDWORD pcbValueName, LPDWORD pType, LPBYTE pData, DWORD cbData, LPDWORD pcbData);

// Levels 2 and 3 of the printer's driver; pEnvironment null means "Windows x64".
MFPAPI BOOL WINAPI GetPrinterDriverA(HANDLE hPrinter, LPSTR pEnvironment, DWORD Level, LPBYTE pDriverInfo,
                                     DWORD cbBuf, LPDWORD pcbNeeded);
// Level 3. A file given with a directory is copied into the driver directory; the record keeps
// the file name.
MFPAPI BOOL WINAPI AddPrinterDriverA(LPSTR pName, DWORD Level, LPBYTE pDriverInfo);
// Full path of the driver directory: <root>/Windows/System32/spool/drivers/x64/3.
MFPAPI BOOL WINAPI GetPrinterDriverDirectoryA(LPSTR pName, LPSTR pEnvironment, DWORD Level, LPBYTE pDriverDirectory,
                                              DWORD cbBuf, LPDWORD pcbNeeded);

// Level 2, local printers (pName null or empty). Returns an open handle, or null.
MFPAPI HANDLE WINAPI AddPrinterA(LPSTR pName, DWORD Level, LPBYTE pPrinter);
// Deletes the printer (or, for a connection handle, the connection); the handle stays open
// until ClosePrinter.
MFPAPI BOOL WINAPI DeletePrinter(HANDLE hPrinter);
// The same call under the 8-bit name some callers look up.
MFPAPI BOOL WINAPI DeletePrinterA(HANDLE hPrinter);

// Printer connections of the current user, named \\server\share.
MFPAPI BOOL WINAPI AddPrinterConnectionA(LPSTR pName);
MFPAPI BOOL WINAPI DeletePrinterConnectionA(LPSTR pName);
