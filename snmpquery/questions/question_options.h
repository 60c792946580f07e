// Mirvale's device questions take their row of the frame options and show the connection-
// failure message with Mirvale's own strings.
#pragma once

#include "snmpquery/frame_options.h"

namespace mfpquery {

// The question's frame options, with the connection-failure message of this library.
QueryFrameOptions QuestionOptions(FrameQuestion question);

// The message box shown when no SNMP session can be opened: text 5023, caption 5007, taken from
// the resources of the module state current on the thread.
void ShowConnectionFailure();

// The sysObjectID of MIB-II, asked by the model questions.
inline constexpr const char *kSysObjectId = "1.3.6.1.2.1.1.2.0";

}  // namespace mfpquery
