#pragma once

namespace Platform {

// Windows virtual-key codes: the engine's key identity.
enum VirtualKey : int {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
    VK_F11 = 0x7A,
    VK_F12 = 0x7B,
    VK_LSHIFT = 0xA0,
    VK_RSHIFT = 0xA1,
    VK_LCONTROL = 0xA2,
    VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,
};

// Virtual-key code of an SDL scancode (US positions for the punctuation keys); 0 when the key
// has none in the game's table.
int VirtualKeyFromScancode(int scancode);
// The scancode of a virtual-key code (the first, where two keys share one); 0 when none.
int ScancodeFromVirtualKey(int virtualKey);

// Whether the key or mouse button is held, as the events taken so far tell it. A key pressed
// since the last BeginKeyPump counts as held even when its release came in the same pump.
bool IsVirtualKeyDown(int virtualKey);
// Sets every key and button up (focus lost, or a test starting clean).
void ReleaseAllVirtualKeys();
// Called before each drain of the event queue: forgets the presses of the previous pump.
void BeginKeyPump();
// Used by the event pump: a physical key, or a virtual key (a mouse button, or the first key
// that carries the code).
void SetScancodeDown(int scancode, bool down);
void SetVirtualKeyDown(int virtualKey, bool down);

}  // namespace Platform
