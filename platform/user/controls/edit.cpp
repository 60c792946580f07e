// Single-line edit controls: typing with the digits-only filter and the length limit,
// selection, replacement, undo and masked (password) display. The text is the window's text.
#include <algorithm>
#include <cctype>
#include <string>

#include "user/controls/control_procedures.h"
#include "user/front_end.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

constexpr size_t kDefaultLimit = 32767;
constexpr size_t kMaximumLimit = 0x7FFFFFFE;

class EditState : public WindowState {
public:
    size_t limit = kDefaultLimit;
    size_t selectionStart = 0;
    size_t selectionEnd = 0;
    char passwordChar = 0;
    bool modified = false;
    bool canUndo = false;
    bool typingRun = false;  // consecutive typed characters undo together
    std::string undoText;
    size_t undoSelectionStart = 0;
    size_t undoSelectionEnd = 0;
};

std::string TextOf(HWND edit) {
    std::shared_ptr<Window> record = FindWindowRecord(edit);
    if (!record) return {};
    std::lock_guard lock(WindowTableMutex());
    return record->text;
}

void StoreText(HWND edit, std::string text) {
    std::shared_ptr<Window> record = FindWindowRecord(edit);
    if (!record) return;
    {
        std::lock_guard lock(WindowTableMutex());
        record->text = std::move(text);
    }
    CurrentFrontEnd().WindowChanged(edit);
}

DWORD StyleOf(HWND edit) { return static_cast<DWORD>(GetWindowLongA(edit, GWL_STYLE)); }

void NotifyChange(HWND edit) {
    NotifyParentCommand(edit, EN_UPDATE);
    NotifyParentCommand(edit, EN_CHANGE);
}

void RememberForUndo(EditState &state, const std::string &text) {
    state.undoText = text;
    state.undoSelectionStart = state.selectionStart;
    state.undoSelectionEnd = state.selectionEnd;
    state.canUndo = true;
}

// Cuts text to at most room bytes without splitting a UTF-8 sequence.
std::string FitInto(const std::string &text, size_t room) {
    if (text.size() <= room) return text;
    size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut);
}

// Replaces the selection with the insertion and puts the caret after it.
void ReplaceSelection(HWND edit, EditState &state, const std::string &insertion, bool undoable) {
    std::string text = TextOf(edit);
    if (undoable) RememberForUndo(state, text);
    text.replace(state.selectionStart, state.selectionEnd - state.selectionStart, insertion);
    state.selectionStart = state.selectionEnd = state.selectionStart + insertion.size();
    state.modified = true;
    StoreText(edit, std::move(text));
    NotifyChange(edit);
}

size_t PreviousCharacter(const std::string &text, size_t position) {
    if (position == 0) return 0;
    --position;
    while (position > 0 && (static_cast<unsigned char>(text[position]) & 0xC0) == 0x80) --position;
    return position;
}

size_t NextCharacter(const std::string &text, size_t position) {
    if (position >= text.size()) return text.size();
    ++position;
    while (position < text.size() && (static_cast<unsigned char>(text[position]) & 0xC0) == 0x80) ++position;
    return position;
}

void TypeCharacter(HWND edit, EditState &state, unsigned char character) {
    DWORD style = StyleOf(edit);
    std::string text = TextOf(edit);
    if (character == '\b') {
        if (style & ES_READONLY) return;
        if (state.selectionStart == state.selectionEnd) {
            if (state.selectionStart == 0) return;
            state.selectionStart = PreviousCharacter(text, state.selectionStart);
        }
        state.typingRun = false;
        ReplaceSelection(edit, state, "", true);
        return;
    }
    if (character < 0x20 || character == 0x7F) return;  // Enter, Tab, Escape belong to the dialog
    if ((style & ES_READONLY) || ((style & ES_NUMBER) && !std::isdigit(character))) {
        MessageBeep(0);
        return;
    }
    if (text.size() - (state.selectionEnd - state.selectionStart) + 1 > state.limit) {
        NotifyParentCommand(edit, EN_MAXTEXT);
        return;
    }
    if (style & ES_UPPERCASE) character = static_cast<unsigned char>(std::toupper(character));
    if (style & ES_LOWERCASE) character = static_cast<unsigned char>(std::tolower(character));
    bool startsRun = !state.typingRun || state.selectionStart != state.selectionEnd;
    ReplaceSelection(edit, state, std::string(1, static_cast<char>(character)), startsRun);
    state.typingRun = true;
}

void PressKey(HWND edit, EditState &state, WPARAM key) {
    std::string text = TextOf(edit);
    size_t caret = state.selectionEnd;
    state.typingRun = false;
    switch (key) {
        case VK_DELETE:
            if (StyleOf(edit) & ES_READONLY) return;
            if (state.selectionStart == state.selectionEnd) {
                if (state.selectionEnd >= text.size()) return;
                state.selectionEnd = NextCharacter(text, state.selectionEnd);
            }
            ReplaceSelection(edit, state, "", true);
            return;
        case VK_LEFT: caret = state.selectionStart == state.selectionEnd ? PreviousCharacter(text, caret) : state.selectionStart; break;
        case VK_RIGHT: caret = state.selectionStart == state.selectionEnd ? NextCharacter(text, caret) : state.selectionEnd; break;
        case VK_HOME: caret = 0; break;
        case VK_END: caret = text.size(); break;
        default: return;
    }
    state.selectionStart = state.selectionEnd = caret;
}

void SetSelection(HWND edit, EditState &state, LONG_PTR start, LONG_PTR end) {
    size_t length = TextOf(edit).size();
    state.typingRun = false;
    if (start == -1) {
        state.selectionStart = state.selectionEnd;
        return;
    }
    auto clamp = [length](LONG_PTR value) { return value < 0 ? length : std::min<size_t>(value, length); };
    size_t first = clamp(start), second = clamp(end);
    state.selectionStart = std::min(first, second);
    state.selectionEnd = std::max(first, second);
}

LRESULT GetSelection(const EditState &state, WPARAM wParam, LPARAM lParam) {
    if (wParam) *reinterpret_cast<DWORD *>(wParam) = static_cast<DWORD>(state.selectionStart);
    if (lParam) *reinterpret_cast<DWORD *>(lParam) = static_cast<DWORD>(state.selectionEnd);
    if (state.selectionStart > 0xFFFF || state.selectionEnd > 0xFFFF) return -1;
    return MAKELRESULT(state.selectionStart, state.selectionEnd);
}

// Program replacement of the selection: the limit applies (the rest is dropped), the
// digits-only filter does not.
void ReplaceSelectionFromProgram(HWND edit, EditState &state, bool undoable, LPCSTR insertion) {
    std::string text = TextOf(edit);
    size_t kept = text.size() - (state.selectionEnd - state.selectionStart);
    size_t room = state.limit > kept ? state.limit - kept : 0;
    std::string fitted = FitInto(insertion ? insertion : "", room);
    state.typingRun = false;
    if (fitted.size() < (insertion ? std::string(insertion).size() : 0)) NotifyParentCommand(edit, EN_MAXTEXT);
    ReplaceSelection(edit, state, fitted, undoable);
}

void Undo(HWND edit, EditState &state) {
    std::string current = TextOf(edit);
    size_t currentStart = state.selectionStart, currentEnd = state.selectionEnd;
    state.selectionStart = state.undoSelectionStart;
    state.selectionEnd = state.undoSelectionEnd;
    std::string restored = std::move(state.undoText);
    // Undo again redoes: the text before the undo becomes the undo text.
    state.undoText = std::move(current);
    state.undoSelectionStart = currentStart;
    state.undoSelectionEnd = currentEnd;
    state.typingRun = false;
    state.modified = true;
    state.selectionStart = std::min(state.selectionStart, restored.size());
    state.selectionEnd = std::min(state.selectionEnd, restored.size());
    StoreText(edit, std::move(restored));
    NotifyChange(edit);
}

}  // namespace

LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    EditState &state = EnsureStateOf<EditState>(edit);
    switch (message) {
        case WM_NCCREATE:
            if (StyleOf(edit) & ES_PASSWORD) state.passwordChar = '*';
            return DefWindowProcA(edit, message, wParam, lParam);
        case WM_SETTEXT:
            DefWindowProcA(edit, message, wParam, lParam);
            state.selectionStart = state.selectionEnd = 0;
            state.canUndo = state.modified = state.typingRun = false;
            NotifyChange(edit);
            return TRUE;
        case WM_CHAR: TypeCharacter(edit, state, static_cast<unsigned char>(wParam)); return 0;
        case WM_KEYDOWN: PressKey(edit, state, wParam); return 0;
        case WM_CLEAR:
            if (state.selectionStart != state.selectionEnd) ReplaceSelectionFromProgram(edit, state, true, "");
            return 0;
        case WM_SETFOCUS: NotifyParentCommand(edit, EN_SETFOCUS); return 0;
        case WM_KILLFOCUS: NotifyParentCommand(edit, EN_KILLFOCUS); return 0;
        case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        case EM_LIMITTEXT: state.limit = wParam == 0 ? kMaximumLimit : static_cast<size_t>(wParam); return 0;
        case EM_GETLIMITTEXT: return static_cast<LRESULT>(state.limit);
        case EM_SETSEL: SetSelection(edit, state, static_cast<LONG_PTR>(static_cast<INT_PTR>(wParam)), lParam); return 0;
        case EM_GETSEL: return GetSelection(state, wParam, lParam);
        case EM_REPLACESEL: ReplaceSelectionFromProgram(edit, state, wParam != 0, reinterpret_cast<LPCSTR>(lParam)); return 0;
        case EM_CANUNDO: return state.canUndo;
        case EM_UNDO:
        case WM_UNDO:
            if (!state.canUndo) return FALSE;
            Undo(edit, state);
            return TRUE;
        case EM_EMPTYUNDOBUFFER: state.canUndo = false; state.undoText.clear(); return 0;
        case EM_GETMODIFY: return state.modified;
        case EM_SETMODIFY: state.modified = wParam != 0; return 0;
        case EM_SCROLLCARET: return TRUE;
        case EM_SETPASSWORDCHAR: {
            state.passwordChar = static_cast<char>(wParam);
            LONG style = GetWindowLongA(edit, GWL_STYLE);
            SetWindowLongA(edit, GWL_STYLE, wParam ? (style | ES_PASSWORD) : (style & ~ES_PASSWORD));
            return 0;
        }
        case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(state.passwordChar);
        case EM_SETREADONLY: {
            LONG style = GetWindowLongA(edit, GWL_STYLE);
            SetWindowLongA(edit, GWL_STYLE, wParam ? (style | ES_READONLY) : (style & ~ES_READONLY));
            return TRUE;
        }
        default: return DefWindowProcA(edit, message, wParam, lParam);
    }
}

}  // namespace mfpwin::user
