// Fault behaviour of the simulated device: per requested object, and a global request limit.
// Text format (one directive a line, '#' starts a comment line):
//   <oid> drop                   never answer a request for this object
//   <oid> delay <ms>             answer after the delay
//   <oid> error <status>         answer with an error status (1..18 or tooBig, noSuchName,
//                                badValue, readOnly, genErr)
//   <oid> value <type>|<value>   answer with this value instead of the profile's (.snmprec types)
//   <oid> garble                 send the answer cut to half its length
//   <oid> reply-oid <oid>        answer the request under another object identifier
//   <oid> wrong-source           send the answer from another UDP port
//   stop-after <N>               answer only the first N requests; later ones are logged only
#pragma once

#include "profile.h"

#include <map>
#include <optional>
#include <string>

namespace devsim {

struct ObjectFault {
    bool drop = false;
    int delayMs = 0;
    int errorStatus = 0;
    std::optional<ObjectValue> value;
    bool garble = false;
    std::optional<OidValue> replyOid;
    bool wrongSource = false;
};

struct Faults {
    std::map<OidValue, ObjectFault> objects;
    long stopAfter = -1;  // -1: no limit
};

bool LoadFaults(const std::string &path, Faults &faults, std::string &error);

}  // namespace devsim
