// What the resolver looked at and which source decided, for people who ask why a printer
// resolved the way it did (mfpctl resolve -v).
#pragma once

#include <string>
#include <vector>

namespace mfpaddress {

struct ResolveTrace {
    std::vector<std::string> steps;
};

inline void Note(ResolveTrace *trace, std::string step)
{
    if (trace != nullptr)
        trace->steps.push_back(std::move(step));
}

}  // namespace mfpaddress
