// Static controls: text, and pictures (bitmap or icon).
#include "user/controls/control_procedures.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

class StaticState : public WindowState {
public:
    HANDLE image = nullptr;
    UINT imageType = IMAGE_BITMAP;
};

HANDLE ExchangeImage(StaticState &state, UINT type, HANDLE image) {
    HANDLE previous = state.imageType == type ? state.image : nullptr;
    state.image = image;
    state.imageType = type;
    return previous;
}

}  // namespace

LRESULT CALLBACK StaticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    StaticState &state = EnsureStateOf<StaticState>(control);
    switch (message) {
        case STM_SETIMAGE: return reinterpret_cast<LRESULT>(ExchangeImage(state, static_cast<UINT>(wParam), reinterpret_cast<HANDLE>(lParam)));
        case STM_GETIMAGE: return state.imageType == wParam ? reinterpret_cast<LRESULT>(state.image) : 0;
        case STM_SETICON: return reinterpret_cast<LRESULT>(ExchangeImage(state, IMAGE_ICON, reinterpret_cast<HANDLE>(wParam)));
        case STM_GETICON: return state.imageType == IMAGE_ICON ? reinterpret_cast<LRESULT>(state.image) : 0;
        case WM_GETDLGCODE: return DLGC_STATIC;
        default: return DefWindowProcA(control, message, wParam, lParam);
    }
}

}  // namespace mfpwin::user
