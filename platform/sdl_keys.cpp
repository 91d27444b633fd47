// SDL keys as Windows virtual-key codes.
#include <SDL.h>

#include "platform/window_internal.h"

namespace {

struct KeyVk {
    SDL_Keycode key;
    int vk;
};

constexpr KeyVk KEYS[] = {
    {SDLK_BACKSPACE, VK_BACK},      {SDLK_TAB, VK_TAB},          {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},     {SDLK_ESCAPE, VK_ESCAPE},    {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},        {SDLK_PAGEDOWN, VK_NEXT},    {SDLK_END, VK_END},
    {SDLK_HOME, VK_HOME},           {SDLK_LEFT, VK_LEFT},        {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},         {SDLK_DOWN, VK_DOWN},        {SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, VK_DELETE},       {SDLK_LSHIFT, VK_SHIFT},     {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},       {SDLK_RCTRL, VK_CONTROL},    {SDLK_KP_MULTIPLY, VK_MULTIPLY},
    {SDLK_KP_PLUS, VK_ADD},         {SDLK_KP_MINUS, VK_SUBTRACT}, {SDLK_KP_PERIOD, VK_DECIMAL},
    {SDLK_KP_DIVIDE, VK_DIVIDE},
};

}  // namespace

int plat_VirtualKey(int key, int sc) {
    // Letters follow the layout, as on Windows; the digit row and the keypad go by position,
    // so a layout with accented letters on the digit row still gives the digits.
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    if (sc == SDL_SCANCODE_0) return '0';
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return VK_NUMPAD0 + 1 + (sc - SDL_SCANCODE_KP_1);
    if (sc == SDL_SCANCODE_KP_0) return VK_NUMPAD0;
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
    for (const KeyVk& k : KEYS)
        if (k.key == key) return k.vk;
    // Layouts without Latin letters: the letter printed in the same place on a US keyboard.
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
    return 0;
}
