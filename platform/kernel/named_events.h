// Named events shared by every process that works on the same emulated root.
//
// Each name is a small file under <root>/.kernel/events holding the event's state, mapped into
// every process that has the event open. A process that has the event open holds a shared
// lock on the file; the name exists as long as some process holds that lock, so an event whose
// creator has ended (even by a crash) is gone, as on Windows when the last handle closes.
// Creating, opening and the last close in a process are serialised by an exclusive lock on
// <root>/.kernel/events/.lock.
#pragma once

#include <memory>
#include <string>

#include "kernel/event_object.h"

namespace mfpwin {

struct NamedEventResult {
    std::shared_ptr<EventObject> event;  // null on failure
    bool existed = false;                // the name was already in use
    DWORD error = ERROR_SUCCESS;         // on failure
};

// Opens the event when the name exists (manualReset and initialState are then ignored),
// otherwise creates it.
NamedEventResult CreateNamedEvent(const std::string &name, bool manualReset, bool initialState);
// Fails with ERROR_FILE_NOT_FOUND when no process has the name open.
NamedEventResult OpenNamedEvent(const std::string &name);

// The file name that stands for an event name: "Global\" and "Local\" prefixes removed (there
// is one namespace), characters other than letters, digits, '-', '_' and '.' as %XX, long names
// shortened with a hash of the whole name. Empty when the name is not valid.
std::string EventFileName(const std::string &name);

}  // namespace mfpwin
