// Key translation.
#include "run/platform/sdl/SdlKeys.h"

#include "run/platform/ui/Element.h"
#include "run/platform/ui/Keys.h"

namespace run::platform {

int KeyCodeFromSdl(SDL_Keycode sym) {
    if (sym >= SDLK_a && sym <= SDLK_z) return kKeyA + (sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9) return kKey0 + (sym - SDLK_0);
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return kKeyF1 + (sym - SDLK_F1);
    switch (sym) {
    case SDLK_ESCAPE:
        return kKeyEscape;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return kKeyReturn;
    case SDLK_TAB:
        return kKeyTab;
    case SDLK_SPACE:
        return kKeySpace;
    case SDLK_BACKSPACE:
        return kKeyBack;
    case SDLK_LEFT:
        return kKeyLeft;
    case SDLK_RIGHT:
        return kKeyRight;
    case SDLK_UP:
        return kKeyUp;
    case SDLK_DOWN:
        return kKeyDown;
    case SDLK_HOME:
        return kKeyHome;
    case SDLK_END:
        return kKeyEnd;
    case SDLK_PAGEUP:
        return kKeyPageUp;
    case SDLK_PAGEDOWN:
        return kKeyPageDown;
    case SDLK_INSERT:
        return kKeyInsert;
    case SDLK_DELETE:
        return kKeyDelete;
    case SDLK_PAUSE:
        return kKeyPause;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return kKeyShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return kKeyControl;
    case SDLK_LALT:
    case SDLK_RALT:
        return kKeyMenu;
    default:
        return 0;
    }
}

int ShiftFromSdl(SDL_Keymod mod) {
    int s = 0;
    if (mod & KMOD_SHIFT) s |= kShiftMask;
    if (mod & KMOD_CTRL) s |= kCtrlMask;
    if (mod & KMOD_ALT) s |= kAltMask;
    return s;
}

} // namespace run::platform
