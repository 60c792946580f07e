#include "printer_info.h"

#include "string_packer.h"

namespace mfpwin::spooler {

namespace {

void FillInfo1(const PrinterRecord &record, PRINTER_INFO_1A &info, StringPacker &packer)
{
    info.Flags = PRINTER_ENUM_ICON8;
    info.pDescription = packer.Put(record.printerName + "," + record.driverName + "," + record.location);
    info.pName = packer.Put(record.printerName);
    info.pComment = packer.Put(record.comment);
}

void FillInfo2(const PrinterRecord &record, PRINTER_INFO_2A &info, StringPacker &packer)
{
    info.pServerName = record.hasServer ? packer.Put(record.serverName) : nullptr;
    info.pPrinterName = packer.Put(record.printerName);
    info.pShareName = packer.Put(record.shareName);
    info.pPortName = packer.Put(record.portName);
    info.pDriverName = packer.Put(record.driverName);
    info.pComment = packer.Put(record.comment);
    info.pLocation = packer.Put(record.location);
    info.pDevMode = nullptr;
    info.pSepFile = packer.Put(record.sepFile);
    info.pPrintProcessor = packer.Put(record.printProcessor);
    info.pDatatype = packer.Put(record.datatype);
    info.pParameters = packer.Put(record.parameters);
    info.pSecurityDescriptor = nullptr;
    info.Attributes = record.attributes;
    info.Priority = record.priority;
    info.DefaultPriority = record.defaultPriority;
    info.StartTime = record.startTime;
    info.UntilTime = record.untilTime;
    info.Status = record.status;
    info.cJobs = 0;
    info.AveragePPM = 0;
}

void FillInfo4(const PrinterRecord &record, PRINTER_INFO_4A &info, StringPacker &packer)
{
    info.pPrinterName = packer.Put(record.printerName);
    info.pServerName = record.hasServer ? packer.Put(record.serverName) : nullptr;
    info.Attributes = record.attributes;
}

}  // namespace

bool IsSupportedPrinterLevel(DWORD level) { return level == 1 || level == 2 || level == 4; }

DWORD PackPrinterInfo(DWORD level, const std::vector<PrinterRecord> &records, LPBYTE buffer, DWORD bufferSize,
                      DWORD &needed)
{
    switch (level) {
    case 1: return PackRecords<PRINTER_INFO_1A>(records, FillInfo1, buffer, bufferSize, needed);
    case 2: return PackRecords<PRINTER_INFO_2A>(records, FillInfo2, buffer, bufferSize, needed);
    case 4: return PackRecords<PRINTER_INFO_4A>(records, FillInfo4, buffer, bufferSize, needed);
    default: return ERROR_INVALID_LEVEL;
    }
}

}  // namespace mfpwin::spooler
