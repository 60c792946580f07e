// The policy flag questions: whether the device enforces department codes, user accounts or a
// confirmation dialog, and whether black-free mode and private-print password encryption are
// on. Every answer is compared as text, whole and without regard to case, with the one value
// that means "on".
#include <strings.h>

#include <string>

#include "address/vendor_oid.h"
#include "afx/afx_module.h"
#include "mirvale.h"
#include "snmpquery/query_frame.h"
#include "snmpquery/questions/question_options.h"

using mfpaddress::VendorOid;
using namespace mfpquery;

namespace {

constexpr int kPolicyOn = 1;
constexpr int kPolicyOff = 0;
constexpr int kUnresolved = -1;

// Value of the last answer compared with the "on" text. A request that failed leaves no value,
// which never equals it.
bool AnswerIs(const QueryFrame &frame, const char *onText)
{
    char value[255];
    frame.ReadPrintable(value, sizeof value);
    return strcasecmp(value, onText) == 0;
}

// What a question that could not send its request returns.
int FailureValue(FrameStatus status)
{
    return status == FrameStatus::SessionsUnusable ? kPolicyOff : kUnresolved;
}

// One object on the transport of the IPX mode flag; its status does not matter.
int SingleObjectFlag(FrameQuestion question, const char *suffix, const char *onText, char *printerName,
                     char *brandCode, HANDLE printer)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    QueryFrame frame(QuestionOptions(question));
    const FrameStatus status = frame.Open(printerName, brandCode, printer);
    if (status != FrameStatus::Ready)
        return FailureValue(status);
    frame.Get(VendorOid(suffix).c_str(), SendPolicy::ModeTransportOnly);
    return AnswerIs(frame, onText) ? kPolicyOn : kPolicyOff;
}

}  // namespace

MIRVALE_API int IsDeptCodeEnforced(char *printerName, char *brandCode, HANDLE printer)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    QueryFrame frame(QuestionOptions(FrameQuestion::IsDeptCodeEnforced));
    const FrameStatus status = frame.Open(printerName, brandCode, printer);
    if (status != FrameStatus::Ready)
        return FailureValue(status);
    // Each object is a gate for the next; the first goes over the mode transport only.
    frame.Get(VendorOid("2.3.50.1.3.21.3.1.10.1.1").c_str(), SendPolicy::ModeTransportOnly);
    if (!AnswerIs(frame, "3"))
        return kPolicyOff;
    if (frame.Get(VendorOid("2.3.50.1.3.21.3.1.9.1.1").c_str()) != 0 || !AnswerIs(frame, "3"))
        return kPolicyOff;
    if (frame.Get(VendorOid("2.3.50.1.3.4.1.1.4.1.9124.0").c_str()) != 0)
        return kPolicyOff;
    return AnswerIs(frame, "1") ? kPolicyOn : kPolicyOff;
}

// Goes on without an address (the request then goes to an empty target) and reports a request
// that timed out as the layer's timeout status.
MIRVALE_API int IsUserAccountenforced(char *printerName, char *brandCode, HANDLE printer)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    QueryFrame frame(QuestionOptions(FrameQuestion::IsUserAccountenforced));
    if (frame.Open(printerName, brandCode, printer) != FrameStatus::Ready)
        return kPolicyOff;
    const int status = frame.Get(VendorOid("2.3.50.1.3.21.7.1.2.1.1").c_str(), SendPolicy::ModeTransportOnly);
    if (AnswerIs(frame, "3"))
        return kPolicyOn;
    return status == SNMP_CLASS_TIMEOUT ? SNMP_CLASS_TIMEOUT : kPolicyOff;
}

MIRVALE_API int IsConfirmDialogEnforced(char *printerName, char *brandCode, HANDLE printer)
{
    return SingleObjectFlag(FrameQuestion::IsConfirmDialogEnforced, "2.3.50.1.3.4.1.1.4.1.3847.0", "1", printerName,
                            brandCode, printer);
}

MIRVALE_API int IsBlackFreeModeEnabled(char *printerName, char *brandCode, HANDLE printer)
{
    return SingleObjectFlag(FrameQuestion::IsBlackFreeModeEnabled, "2.3.50.1.2.4.1.39.1.1", "3", printerName,
                            brandCode, printer);
}

MIRVALE_API int IsPrivPasswordEncryptEnabled(char *printerName, char *brandCode, HANDLE printer)
{
    return SingleObjectFlag(FrameQuestion::IsPrivPasswordEncryptEnabled, "2.3.50.1.2.4.1.49.1.1", "4", printerName,
                            brandCode, printer);
}
