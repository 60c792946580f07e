// Failure inside the registry store, carrying the error code the calling Reg* function returns.
#pragma once

#include <stdexcept>
#include <string>

#include "mfpwin/types.h"

namespace mfpwin::registry {

class StoreError : public std::runtime_error {
public:
    StoreError(LSTATUS status, const std::string &what) : std::runtime_error(what), status_(status) {}
    LSTATUS Status() const { return status_; }

private:
    LSTATUS status_;
};

// Runs body and turns every escaping exception into an error code, so none crosses the C API.
template <typename Body>
LSTATUS GuardedCall(Body &&body) noexcept
{
    try {
        return body();
    } catch (const StoreError &error) {
        return error.Status();
    } catch (const std::bad_alloc &) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_BADDB;
    }
}

}  // namespace mfpwin::registry
