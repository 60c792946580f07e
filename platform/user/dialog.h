// Dialog windows: their state, creation from a parsed template, and the modal loop.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "user/dialog_template.h"
#include "user/front_end.h"
#include "user/window.h"

namespace mfpwin::user {

// How a dialog ended; shared with its modal loop, which outlives the window.
struct DialogOutcome {
    std::atomic<bool> ended{false};
    INT_PTR result = 0;
};

class DialogState : public WindowState {
public:
    std::shared_ptr<DialogOutcome> outcome = std::make_shared<DialogOutcome>();
    DLGPROC procedure = nullptr;
    int defaultId = IDOK;
    int baseUnitX = 6;   // average character width of the dialog font, pixels
    int baseUnitY = 13;  // character height of the dialog font, pixels
    bool modal = false;
    HFONT font = nullptr;
    // Message boxes only: how they were shown and their text.
    bool messageBox = false;
    UINT messageBoxType = 0;
    std::string messageBoxText;
};

// Builds the dialog window and its controls from a parsed template and runs WM_INITDIALOG.
// Returns nullptr (last error set) when the window or a control cannot be created.
HWND CreateDialogFromTemplate(const DialogTemplate &dialogTemplate, HINSTANCE instance, HWND owner,
                              DLGPROC procedure, LPARAM initParam, bool modal);

// Shows a modal window, lets the automation handler or the front end act, then handles
// messages until the window ends; destroys it and returns its result.
INT_PTR RunModalLoop(HWND window, ModalKind kind);

// The modal windows of the calling thread, outermost first.
const std::vector<HWND> &ModalStack();

// Pixels for dialog units of a dialog with the given base units.
int DialogUnitsToPixelsX(int units, int baseUnitX);
int DialogUnitsToPixelsY(int units, int baseUnitY);
// Base units of a dialog font: average character width and height in pixels.
void DialogFontBaseUnits(int pointSize, int &baseUnitX, int &baseUnitY);

}  // namespace mfpwin::user

namespace mfpwin::user {

// True once EndDialog was called for the dialog (or it is gone).
bool DialogHasEnded(HWND dialog);

}  // namespace mfpwin::user
