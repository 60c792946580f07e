// Printer data: named values kept with each printer under its "PrinterDriverData" key.
#include <cstring>

#include "mfpwin/spooler.h"
#include "printer_handles.h"
#include "reg_key.h"

using namespace mfpwin::spooler;

namespace {

// Opens the printer's data key; the printer itself must still exist.
DWORD OpenDataKey(HANDLE printer, bool create, RegKey &key)
{
    const auto location = LookUpPrinterHandle(printer);
    if (!location)
        return ERROR_INVALID_HANDLE;
    RegKey printerKey;
    if (RegKey::Open(location->root, location->keyPath, KEY_READ, printerKey) != ERROR_SUCCESS)
        return ERROR_INVALID_PRINTER_NAME;
    const LSTATUS status = create ? RegKey::Create(location->root, location->DataKeyPath(), key)
                                  : RegKey::Open(location->root, location->DataKeyPath(), KEY_ALL_ACCESS, key);
    return status == ERROR_SUCCESS ? ERROR_SUCCESS : create ? static_cast<DWORD>(status) : ERROR_FILE_NOT_FOUND;
}

}  // namespace

MFPAPI DWORD WINAPI GetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, LPDWORD pType, LPBYTE pData, DWORD nSize,
                                    LPDWORD pcbNeeded)
{
    if (pValueName == nullptr || pcbNeeded == nullptr)
        return ERROR_INVALID_PARAMETER;
    RegKey key;
    if (DWORD error = OpenDataKey(hPrinter, false, key); error != ERROR_SUCCESS)
        return error;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (key.Query(pValueName, type, data) != ERROR_SUCCESS)
        return ERROR_FILE_NOT_FOUND;
    *pcbNeeded = static_cast<DWORD>(data.size());
    if (pType)
        *pType = type;
    if (nSize < data.size())
        return ERROR_MORE_DATA;
    if (pData == nullptr && !data.empty())
        return ERROR_INVALID_USER_BUFFER;
    if (!data.empty())
        std::memcpy(pData, data.data(), data.size());
    return ERROR_SUCCESS;
}

MFPAPI DWORD WINAPI SetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, DWORD Type, LPBYTE pData, DWORD cbData)
{
    if (pValueName == nullptr || (pData == nullptr && cbData != 0))
        return ERROR_INVALID_PARAMETER;
    RegKey key;
    if (DWORD error = OpenDataKey(hPrinter, true, key); error != ERROR_SUCCESS)
        return error;
    return key.Set(pValueName, Type, pData, cbData);
}

MFPAPI DWORD WINAPI DeletePrinterDataA(HANDLE hPrinter, LPSTR pValueName)
{
    if (pValueName == nullptr)
        return ERROR_INVALID_PARAMETER;
    RegKey key;
    if (DWORD error = OpenDataKey(hPrinter, false, key); error != ERROR_SUCCESS)
        return error;
    return RegDeleteValueA(key.Handle(), pValueName);
}

MFPAPI DWORD WINAPI EnumPrinterDataA(HANDLE hPrinter, DWORD dwIndex, LPSTR pValueName, DWORD cbValueName,
                                     LPDWORD pcbValueName, LPDWORD pType, LPBYTE pData, DWORD cbData, LPDWORD pcbData)
{
    if (pcbValueName == nullptr || pcbData == nullptr)
        return ERROR_INVALID_PARAMETER;
    RegKey key;
    if (DWORD error = OpenDataKey(hPrinter, false, key); error != ERROR_SUCCESS)
        return error == ERROR_FILE_NOT_FOUND ? ERROR_NO_MORE_ITEMS : error;
    std::vector<char> name(MFP_REG_MAX_VALUE_NAME + 1);
    DWORD nameLength = static_cast<DWORD>(name.size());
    if (LSTATUS status = RegEnumValueA(key.Handle(), dwIndex, name.data(), &nameLength, nullptr, nullptr, nullptr,
                                       nullptr);
        status != ERROR_SUCCESS)
        return status;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (LSTATUS status = key.Query(name.data(), type, data); status != ERROR_SUCCESS)
        return status;
    *pcbValueName = nameLength + 1;
    *pcbData = static_cast<DWORD>(data.size());
    if (pType)
        *pType = type;
    if (cbValueName < *pcbValueName || cbData < *pcbData)
        return ERROR_MORE_DATA;
    if (pValueName == nullptr || (pData == nullptr && !data.empty()))
        return ERROR_INVALID_USER_BUFFER;
    std::memcpy(pValueName, name.data(), *pcbValueName);
    if (!data.empty())
        std::memcpy(pData, data.data(), data.size());
    return ERROR_SUCCESS;
}
