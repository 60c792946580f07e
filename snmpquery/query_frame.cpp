#include "snmpquery/query_frame.h"

#include <cstdio>
#include <cstring>

#include "address/address_text.h"
#include "address/printer_record.h"
#include "address/resolve_device_address.h"
#include "address/snmp_community.h"
#include "address/windows_version.h"
#include "snmpquery/ipx_mode.h"
#include "snmpquery/transport_choice.h"

namespace mfpquery {

using mfpaddress::kAddressSize;

const char *FrameStatusName(FrameStatus status)
{
    switch (status) {
    case FrameStatus::Ready: return "ready";
    case FrameStatus::PrinterUnavailable: return "printer unavailable";
    case FrameStatus::AddressUnresolved: return "address unresolved";
    case FrameStatus::SessionsUnusable: return "sessions unusable";
    case FrameStatus::NoTargetAddress: return "no target address";
    }
    return "unknown";
}

QueryFrame::QueryFrame(QueryFrameOptions options) : options_(std::move(options)) {}

QueryFrame::~QueryFrame() { Close(); }

bool QueryFrame::UseCallerHandle() const
{
    switch (options_.handleOn9x) {
    case HandleRule::Kept: return true;
    case HandleRule::Dropped: return !mfpaddress::IsWindows9x();
    case HandleRule::NoHandle: return false;
    }
    return true;
}

FrameStatus QueryFrame::Open(const char *printerName, const char *brandText, HANDLE callerHandle,
                             int *unreachableLatch)
{
    Close();
    std::memset(address_, 0, sizeof address_);
    handle_ = UseCallerHandle() ? callerHandle : nullptr;
    const bool hadHandle = handle_ != nullptr;
    mfpaddress::PrinterRecord record = mfpaddress::GetPrinterInfo2(printerName, &handle_);
    handleOpenedHere_ = record && !hadHandle;
    const int brandCode = ParseBrandCode(brandText);
    resolveResult_ = mfpaddress::ResolveDeviceAddress(record.get(), address_, brandCode, handle_, 1,
                                                      unreachableLatch, 0);
    sockets_.emplace();
    const bool printerRead = record != nullptr;
    record.reset();
    const bool stop = options_.addressFailure == AddressFailure::Stop;
    if (!printerRead && stop) {
        Close();
        return FrameStatus::PrinterUnavailable;
    }
    if (resolveResult_ != 0 && stop) {
        Close();
        return FrameStatus::AddressUnresolved;
    }

    // Without an address the IPX mode flag keeps what the last query on this thread left.
    char work[kAddressSize];
    std::snprintf(work, sizeof work, "%s", address_);
    const TransportChoice choice = ChooseTransport(work);
    if (printerRead && resolveResult_ == 0)
        SetIpxModeFlag(choice.ipxMode);
    ipv6_ = choice.ipv6;

    if (!OpenSessions()) {
        Close();
        return FrameStatus::SessionsUnusable;
    }
    if (!BuildTarget()) {
        Close();
        return FrameStatus::NoTargetAddress;
    }
    return FrameStatus::Ready;
}

bool QueryFrame::OpenSessions()
{
    sessions_ = std::make_unique<mfpaddress::SessionPair>(ipv6_);
    const SessionVerdict verdict =
        JudgeSessions(options_.sessionFailure, sessions_->UdpUsable(), sessions_->IpxUsable());
    if (verdict.showMessage && options_.reportConnectionFailure)
        options_.reportConnectionFailure();
    return verdict.proceed;
}

// The target's address by the question's form.
static void SetTargetAddress(CTarget &target, TargetForm form, const char *text, bool ipv6)
{
    switch (form) {
    case TargetForm::Ip: target.set_address(IpAddress(text)); return;
    case TargetForm::Auto: target.set_address(GenAddress(text, Address::type_auto)); return;
    case TargetForm::ByLength: {
        const size_t length = strnlen(text, kAddressSize);
        if (ipv6 || length <= 15)
            target.set_address(IpAddress(text));
        else if (length <= 21)
            target.set_address(IpxAddress(text));
        return;
    }
    }
}

bool QueryFrame::BuildTarget()
{
    const char *zone = std::strchr(address_, '%');
    char text[kAddressSize];
    mfpaddress::CopyBounded(text, sizeof text, address_);
    if (zone != nullptr && options_.target.cutZone)
        text[zone - address_] = '\0';
    const TargetForm form = zone != nullptr ? options_.target.withZone : options_.target.withoutZone;
    target_ = std::make_unique<CTarget>();
    SetTargetAddress(*target_, form, text, ipv6_);
    if (options_.timeout)
        target_->set_timeout(*options_.timeout);
    mfpaddress::ReadSnmpCommunity(*target_, handle_);
    if (form == TargetForm::ByLength) {
        GenAddress readBack;
        target_->get_address(readBack);
        return readBack.get_printable()[0] != '\0';
    }
    return true;
}

int QueryFrame::Send(bool next, SendPolicy policy)
{
    if (!sessions_ || !target_)
        return lastStatus_ = SNMP_CLASS_SESSION_UNUSABLE;
    auto request = [&](Snmp &session) {
        return next ? session.get_next(pdu_, *target_) : session.get(pdu_, *target_);
    };
    const bool overIpx = IpxModeFlag() == 1;
    int status;
    if (policy == SendPolicy::ModeTransportOnly) {
        status = request(overIpx ? sessions_->Ipx() : sessions_->Udp());
    } else {
        status = overIpx ? request(sessions_->Ipx()) : SNMP_CLASS_ERROR;
        if (status != SNMP_CLASS_SUCCESS)
            status = request(sessions_->Udp());
    }
    answer_ = Vb();
    pdu_.get_vb(answer_, 0);
    return lastStatus_ = status;
}

int QueryFrame::Get(const char *oid) { return Get(oid, options_.sendPolicy); }

int QueryFrame::Get(const char *oid, SendPolicy policy)
{
    if (pdu_.get_vb_count() > 0)
        pdu_.trim(1);
    pdu_ += Vb(Oid(oid));
    return Send(false, policy);
}

int QueryFrame::WalkColumn(const char *columnOid, const std::function<bool(const Vb &)> &visit)
{
    return WalkColumn(columnOid, options_.sendPolicy, visit);
}

int QueryFrame::WalkColumn(const char *columnOid, SendPolicy policy, const std::function<bool(const Vb &)> &visit)
{
    const Oid column(columnOid);
    if (pdu_.get_vb_count() > 0)
        pdu_.trim(1);
    pdu_ += Vb(column);
    Oid previous = column;
    int rows = 0;
    // The walk ends at the first answer outside the column, and at an answer that does not
    // advance (an agent that repeats itself would otherwise keep the walk going forever).
    while (Send(true, policy) == SNMP_CLASS_SUCCESS) {
        const Oid &returned = answer_.get_oid();
        if (!returned.StartsWith(column) || returned.len() <= column.len() || !(previous < returned))
            break;
        ++rows;
        if (!visit(answer_))
            break;
        previous = returned;
        pdu_.set_vb(answer_, 0);
    }
    return rows;
}

void QueryFrame::ReadPrintable(char *buffer, size_t size) const
{
    if (buffer == nullptr || size == 0)
        return;
    std::memset(buffer, 0, size);
    mfpaddress::CopyBounded(buffer, size, answer_.get_printable_value());
}

void QueryFrame::Close()
{
    // Sessions go before the socket bracket closes, so no session outlives the layer's use.
    pdu_ = Pdu();
    target_.reset();
    sessions_.reset();
    sockets_.reset();
    if (handleOpenedHere_)
        mfpaddress::CloseOpenedPrinter(handle_);
    handleOpenedHere_ = false;
    handle_ = nullptr;
}

}  // namespace mfpquery
