// SDL key symbols and modifier states as classic key codes and shift masks.
#pragma once

#include <SDL.h>

namespace run::platform {

int KeyCodeFromSdl(SDL_Keycode sym); // 0 for keys the player does not use
int ShiftFromSdl(SDL_Keymod mod);

} // namespace run::platform
