// The query frame: one device question from a printer name to the device's answers. Open
// reads the printer's record, resolves the device address, chooses the transport, opens the
// UDP and IPX sessions and builds the target; Get and WalkColumn send one binding per request;
// the readers take the answered value. Everything is released by Close or the destructor, on
// every path: sessions, target, request, the socket bracket and a handle opened by name (a
// caller's handle is never closed).
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "address/snmp_classes.h"
#include "address/snmp_sessions.h"
#include "mfpwin.h"
#include "snmpquery/frame_options.h"

namespace mfpquery {

enum class FrameStatus {
    Ready,               // requests can be sent
    PrinterUnavailable,  // the printer cannot be opened or its record cannot be read
    AddressUnresolved,   // the resolver found no address
    SessionsUnusable,    // by the options' session rule
    NoTargetAddress,     // the by-length target got no address
};

const char *FrameStatusName(FrameStatus status);

class QueryFrame {
public:
    explicit QueryFrame(QueryFrameOptions options);
    ~QueryFrame();
    QueryFrame(const QueryFrame &) = delete;
    QueryFrame &operator=(const QueryFrame &) = delete;

    // Runs the frame up to the first request. With AddressFailure::Continue an unreadable
    // record or unresolved address is remembered (ResolveResult) and the frame goes on.
    FrameStatus Open(const char *printerName, const char *brandText, HANDLE callerHandle,
                     int *unreachableLatch = nullptr);

    // One get of the object by the options' send policy (or the one given). The previous
    // binding is replaced; returns the layer's status (0 success, -5 timeout, ...).
    int Get(const char *oid);
    int Get(const char *oid, SendPolicy policy);

    // Get-next requests from the column's identifier while the answers stay inside the column
    // and advance; visit returns false to stop. Returns the number of rows visited.
    int WalkColumn(const char *columnOid, const std::function<bool(const Vb &)> &visit);
    int WalkColumn(const char *columnOid, SendPolicy policy, const std::function<bool(const Vb &)> &visit);

    // Readers of the answered binding (index 0 of the request).
    const Vb &Answer() const { return answer_; }
    // Printable value into a zero-filled buffer (255 or 260 bytes), cut to fit.
    void ReadPrintable(char *buffer, size_t size) const;
    int ReadInt(int &value) const { return answer_.get_value(value); }
    int ReadLong(long &value) const { return answer_.get_value(value); }
    int ReadText(char *buffer, size_t size) const { return answer_.get_value(buffer, size); }
    int ReadOctets(unsigned char *buffer, unsigned long &length, unsigned long maxLength) const
    {
        return answer_.get_value(buffer, length, maxLength);
    }

    // Releases everything the frame holds; called by the destructor too.
    void Close();

    const char *Address() const { return address_; }
    int ResolveResult() const { return resolveResult_; }
    bool Ipv6() const { return ipv6_; }
    const CTarget *Target() const { return target_.get(); }
    HANDLE PrinterHandle() const { return handle_; }
    int LastStatus() const { return lastStatus_; }

private:
    bool UseCallerHandle() const;
    bool OpenSessions();
    bool BuildTarget();
    int Send(bool next, SendPolicy policy);

    QueryFrameOptions options_;
    char address_[260] = {};
    int resolveResult_ = -1;
    bool ipv6_ = false;
    HANDLE handle_ = nullptr;
    bool handleOpenedHere_ = false;
    std::optional<mfpaddress::SocketScope> sockets_;
    std::unique_ptr<mfpaddress::SessionPair> sessions_;
    std::unique_ptr<CTarget> target_;
    Pdu pdu_;
    Vb answer_;
    int lastStatus_ = SNMP_CLASS_SUCCESS;
};

}  // namespace mfpquery
