#include "user/thread_id.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace mfpwin::user {

DWORD CurrentThreadId() {
    thread_local DWORD id = static_cast<DWORD>(syscall(SYS_gettid));
    return id;
}

}  // namespace mfpwin::user
