// Combo boxes (drop-down lists): items with data, the current selection, prefix search.
#include <strings.h>

#include <string>
#include <vector>

#include "user/controls/control_procedures.h"
#include "user/controls/user_actions.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

struct ComboItem {
    std::string text;
    LPARAM data = 0;
};

class ComboBoxState : public WindowState {
public:
    std::vector<ComboItem> items;
    int selected = CB_ERR;
};

bool ValidIndex(const ComboBoxState &state, WPARAM index) { return index < state.items.size(); }

// The window text follows the selection, as the closed box shows it.
void ShowSelection(HWND comboBox, const ComboBoxState &state) {
    DefWindowProcA(comboBox, WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(state.selected >= 0 ? state.items[state.selected].text.c_str() : ""));
}

int InsertAt(ComboBoxState &state, size_t index, LPCSTR text) {
    state.items.insert(state.items.begin() + index, ComboItem{text ? text : "", 0});
    if (state.selected >= static_cast<int>(index)) ++state.selected;
    return static_cast<int>(index);
}

int Add(HWND comboBox, ComboBoxState &state, LPCSTR text) {
    size_t index = state.items.size();
    if (GetWindowLongA(comboBox, GWL_STYLE) & CBS_SORT) {
        index = 0;
        while (index < state.items.size() && strcasecmp(state.items[index].text.c_str(), text ? text : "") <= 0) ++index;
    }
    return InsertAt(state, index, text);
}

// Searches after start, wrapping around, up to and including start; -1 searches from the top.
int Find(const ComboBoxState &state, WPARAM start, LPCSTR wanted, bool exact) {
    if (wanted == nullptr || state.items.empty()) return CB_ERR;
    size_t count = state.items.size();
    size_t first = static_cast<INT_PTR>(start) < 0 || start >= count ? 0 : (start + 1) % count;
    size_t wantedLength = std::string(wanted).size();
    for (size_t step = 0; step < count; ++step) {
        const std::string &text = state.items[(first + step) % count].text;
        bool match = exact ? strcasecmp(text.c_str(), wanted) == 0 : strncasecmp(text.c_str(), wanted, wantedLength) == 0;
        if (match) return static_cast<int>((first + step) % count);
    }
    return CB_ERR;
}

LRESULT Delete(HWND comboBox, ComboBoxState &state, WPARAM index) {
    if (!ValidIndex(state, index)) return CB_ERR;
    state.items.erase(state.items.begin() + index);
    if (state.selected == static_cast<int>(index)) state.selected = CB_ERR;
    else if (state.selected > static_cast<int>(index)) --state.selected;
    ShowSelection(comboBox, state);
    return static_cast<LRESULT>(state.items.size());
}

LRESULT Select(HWND comboBox, ComboBoxState &state, WPARAM index) {
    state.selected = ValidIndex(state, index) ? static_cast<int>(index) : CB_ERR;
    ShowSelection(comboBox, state);
    return state.selected;
}

}  // namespace

LRESULT CALLBACK ComboBoxProcedure(HWND comboBox, UINT message, WPARAM wParam, LPARAM lParam) {
    ComboBoxState &state = EnsureStateOf<ComboBoxState>(comboBox);
    auto text = reinterpret_cast<LPCSTR>(lParam);
    switch (message) {
        case CB_ADDSTRING: return Add(comboBox, state, text);
        case CB_INSERTSTRING: {
            size_t index = static_cast<INT_PTR>(wParam) < 0 ? state.items.size() : wParam;
            return index > state.items.size() ? CB_ERR : InsertAt(state, index, text);
        }
        case CB_DELETESTRING: return Delete(comboBox, state, wParam);
        case CB_RESETCONTENT:
            state.items.clear();
            state.selected = CB_ERR;
            ShowSelection(comboBox, state);
            return CB_OKAY;
        case CB_GETCOUNT: return static_cast<LRESULT>(state.items.size());
        case CB_SETCURSEL: return Select(comboBox, state, wParam);
        case CB_GETCURSEL: return state.selected;
        case CB_GETLBTEXTLEN: return ValidIndex(state, wParam) ? static_cast<LRESULT>(state.items[wParam].text.size()) : CB_ERR;
        case CB_GETLBTEXT: {
            // The caller sizes the buffer with CB_GETLBTEXTLEN first.
            if (!ValidIndex(state, wParam) || lParam == 0) return CB_ERR;
            const std::string &item = state.items[wParam].text;
            item.copy(reinterpret_cast<LPSTR>(lParam), item.size());
            reinterpret_cast<LPSTR>(lParam)[item.size()] = '\0';
            return static_cast<LRESULT>(item.size());
        }
        case CB_FINDSTRING: return Find(state, wParam, text, false);
        case CB_FINDSTRINGEXACT: return Find(state, wParam, text, true);
        case CB_SELECTSTRING: {
            int found = Find(state, wParam, text, false);
            return found == CB_ERR ? CB_ERR : Select(comboBox, state, found);
        }
        case CB_SETITEMDATA:
            if (!ValidIndex(state, wParam)) return CB_ERR;
            state.items[wParam].data = lParam;
            return CB_OKAY;
        case CB_GETITEMDATA: return ValidIndex(state, wParam) ? state.items[wParam].data : CB_ERR;
        case CB_SHOWDROPDOWN: return TRUE;
        case CB_GETDROPPEDSTATE: return FALSE;
        case CB_LIMITTEXT: return TRUE;
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN: {
            // Arrow keys move the selection as a user would.
            int next = state.selected + (wParam == VK_DOWN ? 1 : wParam == VK_UP ? -1 : 0);
            if (next != state.selected && next >= 0) ComboBoxUserSelect(comboBox, next);
            return 0;
        }
        default: return DefWindowProcA(comboBox, message, wParam, lParam);
    }
}

bool ComboBoxUserSelect(HWND comboBox, int index) {
    if (index < 0 || index >= SendMessageA(comboBox, CB_GETCOUNT, 0, 0)) return false;
    SendMessageA(comboBox, CB_SETCURSEL, index, 0);
    NotifyParentCommand(comboBox, CBN_SELCHANGE);
    return true;
}

}  // namespace mfpwin::user
