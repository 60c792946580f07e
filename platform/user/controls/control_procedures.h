// Window procedures of the predefined controls, and the notifications they send their parent.
#pragma once

#include "mfpwin/controls.h"

namespace mfpwin::user {

LRESULT CALLBACK ButtonProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK EditProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK StaticProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ComboBoxProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ScrollBarProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK DateTimePickerProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ListViewProcedure(HWND, UINT, WPARAM, LPARAM);

// WM_COMMAND to the control's parent with the control's id and the notification code.
void NotifyParentCommand(HWND control, WORD code);
// WM_NOTIFY to the control's parent; header's hwndFrom, idFrom and code are filled in here.
LRESULT NotifyParent(HWND control, UINT code, NMHDR *header);

}  // namespace mfpwin::user
