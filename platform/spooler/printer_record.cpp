#include "printer_record.h"

#include <strings.h>

#include <utility>

#include "value_reader.h"

namespace mfpwin::spooler {

namespace {

struct TextField {
    const char *valueName;
    std::string PrinterRecord::*field;
};

struct DwordField {
    const char *valueName;
    DWORD PrinterRecord::*field;
};

// The value names Windows uses for each field of the record.
constexpr TextField kTextFields[] = {
    {"Share Name", &PrinterRecord::shareName},
    {"Port", &PrinterRecord::portName},
    {"Printer Driver", &PrinterRecord::driverName},
    {"Description", &PrinterRecord::comment},
    {"Location", &PrinterRecord::location},
    {"Separator File", &PrinterRecord::sepFile},
    {"Print Processor", &PrinterRecord::printProcessor},
    {"Datatype", &PrinterRecord::datatype},
    {"Parameters", &PrinterRecord::parameters},
};

constexpr DwordField kDwordFields[] = {
    {"Attributes", &PrinterRecord::attributes},
    {"Priority", &PrinterRecord::priority},
    {"Default Priority", &PrinterRecord::defaultPriority},
    {"StartTime", &PrinterRecord::startTime},
    {"UntilTime", &PrinterRecord::untilTime},
    {"Status", &PrinterRecord::status},
};

std::string Text(LPCSTR text) { return text ? std::string(text) : std::string(); }

}  // namespace

DWORD ReadPrinterRecord(const PrinterLocation &where, PrinterRecord &record)
{
    RegKey key;
    if (RegKey::Open(where.root, where.keyPath, KEY_READ, key) != ERROR_SUCCESS)
        return ERROR_INVALID_PRINTER_NAME;
    record = PrinterRecord();
    for (const auto &[valueName, field] : kTextFields)
        if (ReadText(key, valueName, record.*field) == ValueRead::WrongType)
            return ERROR_INVALID_DATA;
    for (const auto &[valueName, field] : kDwordFields)
        if (ReadDword(key, valueName, record.*field) == ValueRead::WrongType)
            return ERROR_INVALID_DATA;

    if (!where.connection) {
        // A local printer's own "Name" keeps the letter case it was created with; a "Name" that
        // names another printer is not believed, so the record always opens by its name.
        if (ReadText(key, "Name", record.printerName) != ValueRead::Ok ||
            strcasecmp(record.printerName.c_str(), where.name.c_str()) != 0)
            record.printerName = where.name;
        return ERROR_SUCCESS;
    }
    record.printerName = where.name;
    record.hasServer = true;
    if (ReadText(key, "Server", record.serverName) != ValueRead::Ok || record.serverName.empty())
        record.serverName = "\\\\" + where.server;
    if (record.shareName.empty())
        record.shareName = where.share;
    record.attributes = (record.attributes | PRINTER_ATTRIBUTE_NETWORK) & ~DWORD{PRINTER_ATTRIBUTE_LOCAL};
    return ERROR_SUCCESS;
}

DWORD WritePrinterRecord(const RegKey &key, const PrinterRecord &record)
{
    if (LSTATUS status = key.SetText("Name", record.printerName); status != ERROR_SUCCESS)
        return status;
    for (const auto &[valueName, field] : kTextFields)
        if (LSTATUS status = key.SetText(valueName, record.*field); status != ERROR_SUCCESS)
            return status;
    for (const auto &[valueName, field] : kDwordFields)
        if (LSTATUS status = key.SetDword(valueName, record.*field); status != ERROR_SUCCESS)
            return status;
    return ERROR_SUCCESS;
}

PrinterRecord RecordFromInfo2(const PRINTER_INFO_2A &info)
{
    PrinterRecord record;
    record.printerName = Text(info.pPrinterName);
    record.shareName = Text(info.pShareName);
    record.portName = Text(info.pPortName);
    record.driverName = Text(info.pDriverName);
    record.comment = Text(info.pComment);
    record.location = Text(info.pLocation);
    record.sepFile = Text(info.pSepFile);
    record.printProcessor = Text(info.pPrintProcessor);
    record.datatype = Text(info.pDatatype);
    record.parameters = Text(info.pParameters);
    record.attributes = info.Attributes;
    record.priority = info.Priority;
    record.defaultPriority = info.DefaultPriority;
    record.startTime = info.StartTime;
    record.untilTime = info.UntilTime;
    record.status = info.Status;
    return record;
}

}  // namespace mfpwin::spooler
