#include "faults.h"
#include "line_file.h"

#include <cstdlib>
#include <sstream>

namespace devsim {

static int ErrorStatusByName(const std::string &text)
{
    static const std::map<std::string, int> names = {
        {"tooBig", 1}, {"noSuchName", 2}, {"badValue", 3}, {"readOnly", 4}, {"genErr", 5}};
    if (auto it = names.find(text); it != names.end())
        return it->second;
    char *end = nullptr;
    long number = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && number >= 1 && number <= 18 ? static_cast<int>(number) : 0;
}

static bool ParseDirective(const std::string &line, Faults &faults, std::string &error)
{
    std::istringstream words(line);
    std::string first, action;
    words >> first;
    if (first == "stop-after") {
        long count = -1;
        if (!(words >> count) || count < 0)
            return error = "stop-after needs a count", false;
        faults.stopAfter = count;
        return true;
    }
    OidValue oid;
    if (!ParseOid(first, oid))
        return error = "bad object identifier '" + first + "'", false;
    if (!(words >> action))
        return error = "missing fault after the object identifier", false;
    ObjectFault &fault = faults.objects[oid];
    std::string argument;
    std::getline(words >> std::ws, argument);
    if (action == "drop") {
        fault.drop = true;
    } else if (action == "delay") {
        char *end = nullptr;
        long ms = std::strtol(argument.c_str(), &end, 10);
        if (argument.empty() || *end != '\0' || ms < 0 || ms > 600000)
            return error = "delay needs milliseconds", false;
        fault.delayMs = static_cast<int>(ms);
    } else if (action == "error") {
        fault.errorStatus = ErrorStatusByName(argument);
        if (fault.errorStatus == 0)
            return error = "bad error status '" + argument + "'", false;
    } else if (action == "value") {
        ObjectValue value;
        if (!ParseTypedValue(argument, value, error))
            return false;
        fault.value = value;
    } else if (action == "garble") {
        fault.garble = true;
    } else if (action == "reply-oid") {
        OidValue reply;
        if (!ParseOid(argument, reply))
            return error = "bad reply object identifier", false;
        fault.replyOid = reply;
    } else if (action == "wrong-source") {
        fault.wrongSource = true;
    } else {
        return error = "unknown fault '" + action + "'", false;
    }
    return true;
}

bool LoadFaults(const std::string &path, Faults &faults, std::string &error)
{
    return ForEachLine(
        path,
        [&](const std::string &line) {
            const size_t first = line.find_first_not_of(" \t");
            std::string why;
            const bool directive = first != std::string::npos && line[first] != '#';
            if (directive && !ParseDirective(line, faults, why) && why.empty())
                why = "bad fault line";
            return why;
        },
        error);
}

}  // namespace devsim
