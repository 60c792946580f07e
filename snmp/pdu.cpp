#include "snmp/pdu.h"

#include <algorithm>

Pdu &Pdu::operator+=(const Vb &vb)
{
    if (get_vb_count() < kMaxBindings)
        vbs_.push_back(vb);
    return *this;
}

bool Pdu::trim(int count)
{
    if (count < 1)
        return false;
    size_t removed = std::min<size_t>(static_cast<size_t>(count), vbs_.size());
    vbs_.resize(vbs_.size() - removed);
    return true;
}

bool Pdu::get_vb(Vb &vb, int index) const
{
    if (index < 0 || index >= get_vb_count())
        return false;
    vb = vbs_[static_cast<size_t>(index)];
    return true;
}

bool Pdu::set_vb(const Vb &vb, int index)
{
    if (index < 0 || index >= get_vb_count())
        return false;
    vbs_[static_cast<size_t>(index)] = vb;
    return true;
}
