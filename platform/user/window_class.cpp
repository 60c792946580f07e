#include "user/window_class.h"

#include <strings.h>

#include <mutex>
#include <vector>

#include "mfpwin/controls.h"
#include "mfpwin/kernel.h"
#include "user/controls/control_procedures.h"

namespace mfpwin::user {
namespace {

// Dialog windows keep DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER.
constexpr int kDialogExtraBytes = 3 * sizeof(LONG_PTR);
constexpr ATOM kFirstAtom = 0xC000;

struct ClassRegistry {
    std::mutex mutex;
    std::vector<std::shared_ptr<WindowClass>> classes;  // index + kFirstAtom is the atom
};

std::shared_ptr<WindowClass> Predefined(const char *name, WNDPROC procedure, int extraBytes = 0) {
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = name;
    windowClass->procedure = procedure;
    windowClass->windowExtraBytes = extraBytes;
    windowClass->predefined = true;
    return windowClass;
}

ClassRegistry &Registry() {
    static ClassRegistry *registry = [] {
        auto *created = new ClassRegistry;
        created->classes = {
            Predefined(WC_BUTTONA, ButtonProcedure),
            Predefined(WC_EDITA, EditProcedure),
            Predefined(WC_STATICA, StaticProcedure),
            Predefined(WC_COMBOBOXA, ComboBoxProcedure),
            Predefined(WC_SCROLLBARA, ScrollBarProcedure),
            Predefined(DATETIMEPICK_CLASSA, DateTimePickerProcedure),
            Predefined(WC_LISTVIEWA, ListViewProcedure),
            Predefined(kDialogClassName, DefDlgProcA, kDialogExtraBytes),
        };
        return created;
    }();
    return *registry;
}

std::shared_ptr<WindowClass> FindLocked(ClassRegistry &registry, LPCSTR nameOrAtom) {
    if (nameOrAtom == nullptr) return nullptr;
    if (IS_INTRESOURCE(nameOrAtom)) {
        size_t index = reinterpret_cast<ULONG_PTR>(nameOrAtom) - kFirstAtom;
        return index < registry.classes.size() ? registry.classes[index] : nullptr;
    }
    for (auto &windowClass : registry.classes)
        if (windowClass && strcasecmp(windowClass->name.c_str(), nameOrAtom) == 0) return windowClass;
    return nullptr;
}

}  // namespace

std::shared_ptr<WindowClass> FindWindowClass(LPCSTR nameOrAtom) {
    ClassRegistry &registry = Registry();
    std::lock_guard lock(registry.mutex);
    return FindLocked(registry, nameOrAtom);
}

LPCSTR PredefinedClassName(WORD ordinal) {
    switch (ordinal) {
        case 0x80: return WC_BUTTONA;
        case 0x81: return WC_EDITA;
        case 0x82: return WC_STATICA;
        case 0x84: return WC_SCROLLBARA;
        case 0x85: return WC_COMBOBOXA;
        default: return nullptr;
    }
}

}  // namespace mfpwin::user

using namespace mfpwin::user;

MFPAPI ATOM RegisterClassA(const WNDCLASSA *windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr || windowClass->lpfnWndProc == nullptr ||
        IS_INTRESOURCE(windowClass->lpszClassName) || windowClass->cbWndExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ClassRegistry &registry = Registry();
    std::lock_guard lock(registry.mutex);
    if (FindLocked(registry, windowClass->lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto created = std::make_shared<WindowClass>();
    created->name = windowClass->lpszClassName;
    created->procedure = windowClass->lpfnWndProc;
    created->instance = windowClass->hInstance;
    created->style = windowClass->style;
    created->windowExtraBytes = windowClass->cbWndExtra;
    created->cursor = windowClass->hCursor;
    registry.classes.push_back(created);
    return static_cast<ATOM>(kFirstAtom + registry.classes.size() - 1);
}

MFPAPI BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    ClassRegistry &registry = Registry();
    std::lock_guard lock(registry.mutex);
    std::shared_ptr<WindowClass> found = FindLocked(registry, className);
    if (!found || found->predefined) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    // Keep the slot so that other classes' atoms stay valid.
    for (auto &entry : registry.classes)
        if (entry == found) entry.reset();
    return TRUE;
}

MFPAPI BOOL GetClassInfoA(HINSTANCE, LPCSTR className, LPWNDCLASSA windowClass) {
    std::shared_ptr<WindowClass> found = FindWindowClass(className);
    if (!found || windowClass == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    *windowClass = WNDCLASSA{found->style, found->procedure, 0, found->windowExtraBytes, found->instance,
                             nullptr, found->cursor, nullptr, nullptr, className};
    return TRUE;
}
