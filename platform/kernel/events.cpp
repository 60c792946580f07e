// CreateEventA, OpenEventA, SetEvent, ResetEvent.
#include "kernel/event_object.h"
#include "kernel/named_events.h"

MFPAPI HANDLE CreateEventA(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCSTR name)
{
    if (!name || !*name) {
        HANDLE handle = mfpwin::InsertHandle(mfpwin::EventObject::CreateUnnamed(manualReset, initialState));
        SetLastError(ERROR_SUCCESS);
        return handle;
    }
    mfpwin::NamedEventResult result = mfpwin::CreateNamedEvent(name, manualReset, initialState);
    if (!result.event) {
        SetLastError(result.error);
        return nullptr;
    }
    HANDLE handle = mfpwin::InsertHandle(result.event);
    SetLastError(result.existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

MFPAPI HANDLE OpenEventA(DWORD, BOOL, LPCSTR name)
{
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    mfpwin::NamedEventResult result = mfpwin::OpenNamedEvent(name);
    if (!result.event) {
        SetLastError(result.error);
        return nullptr;
    }
    return mfpwin::InsertHandle(result.event);
}

MFPAPI BOOL SetEvent(HANDLE event)
{
    auto object = mfpwin::LookupHandleAs<mfpwin::EventObject>(event);
    if (!object)
        return FALSE;
    object->Set();
    return TRUE;
}

MFPAPI BOOL ResetEvent(HANDLE event)
{
    auto object = mfpwin::LookupHandleAs<mfpwin::EventObject>(event);
    if (!object)
        return FALSE;
    object->Reset();
    return TRUE;
}
