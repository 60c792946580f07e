#include "snmpquery/frame_options.h"

namespace mfpquery {

namespace {

struct Row {
    HandleRule handle;
    SessionFailure sessions;
    TargetAddressRule target;
    std::optional<unsigned long> timeout;
    SendPolicy send;
    AddressFailure address = AddressFailure::Stop;
};

constexpr TargetAddressRule kIpAuto{TargetForm::Ip, TargetForm::Auto};
constexpr TargetAddressRule kAutoAuto{TargetForm::Auto, TargetForm::Auto};
constexpr TargetAddressRule kIpIp{TargetForm::Ip, TargetForm::Ip};
constexpr TargetAddressRule kAutoIp{TargetForm::Auto, TargetForm::Ip};
constexpr TargetAddressRule kByLength{TargetForm::ByLength, TargetForm::ByLength};
constexpr TargetAddressRule kAutoUncut{TargetForm::Auto, TargetForm::Auto, false};

Row RowOf(FrameQuestion question)
{
    using enum HandleRule;
    using enum SessionFailure;
    using enum SendPolicy;
    switch (question) {
    case FrameQuestion::GetMFPModel: return {Kept, Silent, kIpAuto, 300, IpxThenUdp};
    case FrameQuestion::AbvPrinterCheck: return {Dropped, UdpOnlySilent, kByLength, 300, IpxThenUdp};
    // Its first object goes over the mode transport only; the question says so per request.
    case FrameQuestion::IsDeptCodeEnforced: return {Dropped, Message, kAutoAuto, 300, IpxThenUdp};
    case FrameQuestion::IsConfirmDialogEnforced: return {Dropped, Message, kIpIp, 300, ModeTransportOnly};
    case FrameQuestion::IsUserAccountenforced:
        return {Dropped, QueryContinues, kIpAuto, 300, ModeTransportOnly, AddressFailure::Continue};
    case FrameQuestion::IsBlackFreeModeEnabled: return {Dropped, Message, kIpIp, 300, ModeTransportOnly};
    case FrameQuestion::IsPrivPasswordEncryptEnabled: return {Dropped, Message, kIpIp, 300, ModeTransportOnly};
    case FrameQuestion::GetBoxInfo: return {Kept, Silent, kAutoAuto, 300, IpxThenUdp};
    case FrameQuestion::GetBoxInfo9x: return {NoHandle, Silent, kAutoUncut, 300, IpxThenUdp};
    case FrameQuestion::GetBoxStatusEx: return {Dropped, Silent, kAutoAuto, std::nullopt, IpxThenUdp};
    case FrameQuestion::GetHSPStatusEx: return {Dropped, Silent, kAutoAuto, std::nullopt, ModeTransportOnly};
    case FrameQuestion::IsValidDeptCodeQnt: return {Dropped, QueryContinues, kAutoAuto, 300, IpxThenUdp};
    case FrameQuestion::GetAdvancedProfileStrings: return {Dropped, Message, kAutoIp, 300, IpxThenUdp};
    case FrameQuestion::CheckBoxPassword: return {Dropped, Silent, kAutoAuto, std::nullopt, ModeTransportOnly};
    }
    return {Kept, Silent, kIpAuto, 300, IpxThenUdp};
}

}  // namespace

SessionVerdict JudgeSessions(SessionFailure rule, bool udpUsable, bool ipxUsable)
{
    const bool bothUnusable = !udpUsable && !ipxUsable;
    switch (rule) {
    case SessionFailure::Silent: return {!bothUnusable, false};
    case SessionFailure::UdpOnlySilent: return {udpUsable, false};
    case SessionFailure::Message: return {!bothUnusable, bothUnusable};
    case SessionFailure::QueryContinues: return {true, bothUnusable};
    }
    return {!bothUnusable, false};
}

QueryFrameOptions FrameOptionsFor(FrameQuestion question)
{
    const Row row = RowOf(question);
    QueryFrameOptions options;
    options.handleOn9x = row.handle;
    options.sessionFailure = row.sessions;
    options.target = row.target;
    options.timeout = row.timeout;
    options.sendPolicy = row.send;
    options.addressFailure = row.address;
    return options;
}

}  // namespace mfpquery
