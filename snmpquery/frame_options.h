// How one device question runs the query frame: the handful of choices in which the
// questions differ, and each question's row.
#pragma once

#include <functional>
#include <optional>

namespace mfpquery {

// What happens to the caller's printer handle on the Windows 9x family.
enum class HandleRule {
    Kept,      // used on every system
    Dropped,   // replaced by null on Windows 9x, so the printer is opened by name
    NoHandle,  // the question takes no handle: always opened by name
};

// What happens when the sessions cannot be opened.
enum class SessionFailure {
    Silent,          // both unusable: the question fails without a message
    Message,         // both unusable: connection-failure message, then the question fails
    QueryContinues,  // both unusable: connection-failure message, then the question goes on
    UdpOnlySilent,   // the UDP session unusable (IPX does not matter): fails without a message
};

// How the target's address is built from the address text.
enum class TargetForm {
    Ip,        // IpAddress of the text
    Auto,      // GenAddress of the text with automatic type detection
    ByLength,  // IPv6-like or up to 15 characters: IP; 16 to 21: IPX; longer: no address
};

struct TargetAddressRule {
    TargetForm withZone;     // the text holds a '%'
    TargetForm withoutZone;  // it does not
    bool cutZone = true;     // use the text before the first '%'
};

enum class SendPolicy {
    IpxThenUdp,         // IPX when the IPX mode flag is 1, then UDP when that failed or was not tried
    ModeTransportOnly,  // IPX when the flag is 1, else UDP; one attempt
};

// What the frame does when the printer record or the address cannot be had.
enum class AddressFailure {
    Stop,      // no session, no request: the question returns its failure value
    Continue,  // go on with the (empty) address; the IPX mode flag keeps its last value
};

struct QueryFrameOptions {
    HandleRule handleOn9x = HandleRule::Kept;
    SessionFailure sessionFailure = SessionFailure::Silent;
    TargetAddressRule target{TargetForm::Ip, TargetForm::Auto};
    std::optional<unsigned long> timeout = 300;  // hundredths of a second; none: the layer's default
    SendPolicy sendPolicy = SendPolicy::IpxThenUdp;
    AddressFailure addressFailure = AddressFailure::Stop;
    // Shows the connection-failure message; the library supplies it with its own strings.
    std::function<void()> reportConnectionFailure;
};

// Whether the question goes on with the sessions it got, and whether the connection-failure
// message is to be shown first.
struct SessionVerdict {
    bool proceed;
    bool showMessage;
};
SessionVerdict JudgeSessions(SessionFailure rule, bool udpUsable, bool ipxUsable);

// The questions that run the frame.
enum class FrameQuestion {
    GetMFPModel,
    AbvPrinterCheck,
    IsDeptCodeEnforced,
    IsConfirmDialogEnforced,
    IsUserAccountenforced,
    IsBlackFreeModeEnabled,
    IsPrivPasswordEncryptEnabled,
    GetBoxInfo,
    GetBoxInfo9x,
    GetBoxStatusEx,
    GetHSPStatusEx,
    IsValidDeptCodeQnt,
    GetAdvancedProfileStrings,
    CheckBoxPassword,
};

// The question's row; reportConnectionFailure is left empty for the library to fill.
QueryFrameOptions FrameOptionsFor(FrameQuestion question);

}  // namespace mfpquery
