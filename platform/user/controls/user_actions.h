// What a user does to a control, as a front end or the automation interface reports it: each
// changes the control and notifies its parent as the control would on a real screen.
#pragma once

#include "mfpwin/controls.h"

namespace mfpwin::user {

// Selects a combo box entry; the parent gets CBN_SELCHANGE. False for a bad index.
bool ComboBoxUserSelect(HWND comboBox, int index);
// Selects one list view item (others lose the selection in a single-selection list).
bool ListViewUserSelect(HWND listView, int index);
// Presses an arrow, the trough or drags the thumb; the parent gets WM_VSCROLL (or WM_HSCROLL)
// and SB_ENDSCROLL. False when the arrow is disabled or the code unknown.
bool ScrollBarUserScroll(HWND scrollBar, int code, int thumbPos);
// Picks a value (kept within the range); the parent gets DTN_DATETIMECHANGE when it changed.
bool DateTimePickerUserPick(HWND picker, const SYSTEMTIME &value);

}  // namespace mfpwin::user
