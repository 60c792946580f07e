// List views (as the dialogs use them: icon view over an image list): items with text, image
// and state; selection changes are reported to the parent with LVN_ITEMCHANGED.
#include <algorithm>
#include <string>
#include <vector>

#include "user/controls/control_procedures.h"
#include "user/controls/user_actions.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

struct ListItem {
    std::string text;
    int image = 0;
    UINT state = 0;
    LPARAM data = 0;
};

class ListViewState : public WindowState {
public:
    std::vector<ListItem> items;
    HIMAGELIST imageLists[3] = {nullptr, nullptr, nullptr};
    DWORD extendedStyle = 0;
};

constexpr UINT kStateBits = LVIS_SELECTED | LVIS_FOCUSED;

bool ValidIndex(const ListViewState &state, WPARAM index) { return index < state.items.size(); }

bool SingleSelection(HWND listView) { return (GetWindowLongA(listView, GWL_STYLE) & LVS_SINGLESEL) != 0; }

void NotifyChanged(HWND listView, int index, UINT oldState, UINT newState, LPARAM data) {
    NMLISTVIEW change{};
    change.iItem = index;
    change.uNewState = newState;
    change.uOldState = oldState;
    change.uChanged = LVIF_STATE;
    change.lParam = data;
    NotifyParent(listView, LVN_ITEMCHANGED, &change.hdr);
}

void ChangeState(HWND listView, size_t index, UINT state, UINT mask);

// Selecting (or focusing) an item in a single-selection list takes it from the others; any list
// has one focused item at most.
void ClearOthers(HWND listView, size_t keep, UINT bits) {
    ListViewState *list = StateOf<ListViewState>(listView);
    if (list == nullptr) return;
    for (size_t i = 0; i < list->items.size(); ++i)
        if (i != keep && (list->items[i].state & bits)) ChangeState(listView, i, 0, bits);
}

void ChangeState(HWND listView, size_t index, UINT state, UINT mask) {
    ListViewState *list = StateOf<ListViewState>(listView);
    if (list == nullptr || index >= list->items.size()) return;
    mask &= kStateBits;
    UINT oldState = list->items[index].state;
    UINT newState = (oldState & ~mask) | (state & mask);
    if (newState == oldState) return;
    UINT gained = newState & ~oldState;
    UINT exclusive = (gained & LVIS_FOCUSED) | (SingleSelection(listView) ? gained & LVIS_SELECTED : 0);
    if (exclusive) ClearOthers(listView, index, exclusive);
    list = StateOf<ListViewState>(listView);
    if (list == nullptr || index >= list->items.size()) return;
    list->items[index].state = newState;
    NotifyChanged(listView, static_cast<int>(index), oldState, newState, list->items[index].data);
}

LRESULT SetItemState(HWND listView, ListViewState &state, WPARAM index, const LVITEMA *item) {
    if (item == nullptr) return FALSE;
    if (static_cast<INT_PTR>(index) == -1) {
        for (size_t i = 0; i < state.items.size(); ++i) ChangeState(listView, i, item->state, item->stateMask);
        return TRUE;
    }
    if (!ValidIndex(state, index)) return FALSE;
    ChangeState(listView, index, item->state, item->stateMask);
    return TRUE;
}

LRESULT InsertItem(HWND listView, ListViewState &state, const LVITEMA *item) {
    if (item == nullptr || item->iSubItem != 0) return -1;
    size_t index = item->iItem < 0 ? 0 : std::min<size_t>(item->iItem, state.items.size());
    ListItem created;
    if ((item->mask & LVIF_TEXT) && item->pszText != nullptr) created.text = item->pszText;
    if (item->mask & LVIF_IMAGE) created.image = item->iImage;
    if (item->mask & LVIF_PARAM) created.data = item->lParam;
    state.items.insert(state.items.begin() + index, created);
    if ((item->mask & LVIF_STATE) && (item->state & item->stateMask & kStateBits))
        ChangeState(listView, index, item->state, item->stateMask);
    return static_cast<LRESULT>(index);
}

size_t CopyText(const std::string &text, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    size_t length = std::min(text.size(), static_cast<size_t>(size) - 1);
    text.copy(buffer, length);
    buffer[length] = '\0';
    return length;
}

LRESULT GetItem(const ListViewState &state, LVITEMA *item) {
    if (item == nullptr || item->iItem < 0 || !ValidIndex(state, item->iItem)) return FALSE;
    const ListItem &source = state.items[item->iItem];
    if (item->mask & LVIF_TEXT) CopyText(source.text, item->pszText, item->cchTextMax);
    if (item->mask & LVIF_IMAGE) item->iImage = source.image;
    if (item->mask & LVIF_PARAM) item->lParam = source.data;
    if (item->mask & LVIF_STATE) item->state = source.state & item->stateMask;
    return TRUE;
}

LRESULT SetItem(HWND listView, ListViewState &state, const LVITEMA *item) {
    if (item == nullptr || item->iItem < 0 || !ValidIndex(state, item->iItem) || item->iSubItem != 0) return FALSE;
    ListItem &target = state.items[item->iItem];
    if ((item->mask & LVIF_TEXT) && item->pszText != nullptr) target.text = item->pszText;
    if (item->mask & LVIF_IMAGE) target.image = item->iImage;
    if (item->mask & LVIF_PARAM) target.data = item->lParam;
    if (item->mask & LVIF_STATE) ChangeState(listView, item->iItem, item->state, item->stateMask);
    return TRUE;
}

LRESULT NextItem(const ListViewState &state, WPARAM start, LPARAM flags) {
    UINT wanted = static_cast<UINT>(flags) & kStateBits;
    size_t first = static_cast<INT_PTR>(start) < 0 ? 0 : start + 1;
    for (size_t i = first; i < state.items.size(); ++i)
        if ((state.items[i].state & wanted) == wanted) return static_cast<LRESULT>(i);
    return -1;
}

void DestroyOwnedImageLists(HWND listView, ListViewState &state) {
    if (GetWindowLongA(listView, GWL_STYLE) & LVS_SHAREIMAGELISTS) return;
    for (HIMAGELIST &list : state.imageLists) {
        if (list != nullptr) ImageList_Destroy(list);
        list = nullptr;
    }
}

}  // namespace

LRESULT CALLBACK ListViewProcedure(HWND listView, UINT message, WPARAM wParam, LPARAM lParam) {
    ListViewState &state = EnsureStateOf<ListViewState>(listView);
    auto *item = reinterpret_cast<LVITEMA *>(lParam);
    switch (message) {
        case LVM_SETIMAGELIST: {
            if (wParam > LVSIL_STATE) return 0;
            HIMAGELIST previous = state.imageLists[wParam];
            state.imageLists[wParam] = reinterpret_cast<HIMAGELIST>(lParam);
            return reinterpret_cast<LRESULT>(previous);
        }
        case LVM_GETIMAGELIST: return wParam > LVSIL_STATE ? 0 : reinterpret_cast<LRESULT>(state.imageLists[wParam]);
        case LVM_GETITEMCOUNT: return static_cast<LRESULT>(state.items.size());
        case LVM_INSERTITEMA: return InsertItem(listView, state, item);
        case LVM_GETITEMA: return GetItem(state, item);
        case LVM_SETITEMA: return SetItem(listView, state, item);
        case LVM_DELETEITEM:
            if (!ValidIndex(state, wParam)) return FALSE;
            state.items.erase(state.items.begin() + wParam);
            return TRUE;
        case LVM_DELETEALLITEMS: state.items.clear(); return TRUE;
        case LVM_GETNEXTITEM: return NextItem(state, wParam, lParam);
        case LVM_SETITEMSTATE: return SetItemState(listView, state, wParam, item);
        case LVM_GETITEMSTATE: return ValidIndex(state, wParam) ? state.items[wParam].state & static_cast<UINT>(lParam) : 0;
        case LVM_GETITEMTEXTA:
            if (!ValidIndex(state, wParam) || item == nullptr) return 0;
            return static_cast<LRESULT>(CopyText(state.items[wParam].text, item->pszText, item->cchTextMax));
        case LVM_GETSELECTEDCOUNT: {
            LRESULT count = 0;
            for (const ListItem &entry : state.items) count += (entry.state & LVIS_SELECTED) ? 1 : 0;
            return count;
        }
        case LVM_ENSUREVISIBLE: return ValidIndex(state, wParam);
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            DWORD previous = state.extendedStyle;
            DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFF;
            state.extendedStyle = (previous & ~mask) | (static_cast<DWORD>(lParam) & mask);
            return previous;
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE: return state.extendedStyle;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_NCDESTROY: DestroyOwnedImageLists(listView, state); return 0;
        default: return DefWindowProcA(listView, message, wParam, lParam);
    }
}

bool ListViewUserSelect(HWND listView, int index) {
    ListViewState *state = StateOf<ListViewState>(listView);
    if (state == nullptr || index < 0 || static_cast<size_t>(index) >= state->items.size()) return false;
    // A click selects and focuses the item and leaves it the only one selected.
    ClearOthers(listView, static_cast<size_t>(index), LVIS_SELECTED);
    ChangeState(listView, static_cast<size_t>(index), kStateBits, kStateBits);
    return true;
}

}  // namespace mfpwin::user
