// A request or response: an ordered list of variable bindings and the agent's error status.
#pragma once

#include "snmp/snmp_export.h"
#include "snmp/vb.h"

#include <vector>

class MFP_SNMP_API Pdu {
public:
    // Most bindings one Pdu holds; operator+= refuses more.
    static constexpr int kMaxBindings = 50;

    Pdu() = default;

    // Appends a binding (nothing happens when the Pdu is full).
    Pdu &operator+=(const Vb &vb);
    // Removes the last count bindings (all when count exceeds the number); false for count < 1.
    bool trim(int count = 1);
    // Copies binding index (0-based) into vb; false and vb untouched when out of range.
    bool get_vb(Vb &vb, int index) const;
    // Replaces binding index with vb; false when out of range.
    bool set_vb(const Vb &vb, int index);
    int get_vb_count() const { return static_cast<int>(vbs_.size()); }

    // Error status and index of the last response written into this Pdu (0 when none).
    int get_error_status() const { return errorStatus_; }
    int get_error_index() const { return errorIndex_; }
    void SetError(int status, int index)
    {
        errorStatus_ = status;
        errorIndex_ = index;
    }

private:
    std::vector<Vb> vbs_;
    int errorStatus_ = 0;
    int errorIndex_ = 0;
};
