// The subcommands of "mfpctl printer", one source file per kind of work.
#pragma once

#include "command.h"

namespace mfpctl {

int PrinterList(const CommandGroup &group, Arguments args);
int PrinterShow(const CommandGroup &group, Arguments args);
int PrinterData(const CommandGroup &group, Arguments args);

}  // namespace mfpctl
