// The headless front end: no screen. A modal window nobody drives is answered at once as a user
// who declines would: Escape for dialogs, Cancel (or No, or OK where that is the only button) for
// message boxes, so that nothing ever waits for a user who is not there.
#include "mfpwin/automation.h"
#include "user/dialog.h"
#include "user/front_end.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

int DecliningAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK: return IDOK;
        case MB_YESNO: return IDNO;
        case MB_ABORTRETRYIGNORE: return IDABORT;
        default: return IDCANCEL;
    }
}

class HeadlessFrontEnd : public FrontEnd {
public:
    void WindowCreated(HWND) override {}
    void WindowChanged(HWND) override {}
    void WindowDestroyed(HWND) override {}

    void RunModal(HWND window, ModalKind kind) override {
        if (kind == ModalKind::MessageBox) {
            DialogState *state = StateOf<DialogState>(window);
            MfpAutomationClickId(window, DecliningAnswer(state ? state->messageBoxType : MB_OK));
        } else {
            MfpAutomationPressEscape(window);
        }
        // A dialog that ignores Escape is closed all the same.
        if (!DialogHasEnded(window)) EndDialog(window, IDCANCEL);
    }

    RECT ScreenRect() const override { return RECT{0, 0, 1920, 1080}; }
};

}  // namespace

FrontEnd &CurrentFrontEnd() {
    static HeadlessFrontEnd *headless = new HeadlessFrontEnd;
    return *headless;
}

}  // namespace mfpwin::user
