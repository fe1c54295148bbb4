#include "engine/KeyTable.h"

#include "platform/KeyCodes.h"

namespace Framework {

KeyTable MakeDefaultKeyTable()
{
    KeyTable table{};
    int i = 0;
    auto add = [&](int virtualKey) {
        table[static_cast<std::size_t>(i)] = KeyTableEntry{static_cast<std::uint8_t>(virtualKey), 1};
        ++i;
    };
    // Backspace, Space, Tab, Enter, shifts, controls, alts, Print Screen, Scroll Lock, Pause,
    // Caps Lock, Escape, the arrows (up, down, left, right), Home, Page Up, Page Down, End,
    // Insert, Delete.
    for (int vk : {0x08, 0x20, 0x09, 0x0D, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0x2C, 0x91, 0x13,
                   0x14, 0x1B, 0x26, 0x28, 0x25, 0x27, 0x24, 0x21, 0x22, 0x23, 0x2D, 0x2E}) {
        add(vk);
    }
    for (int vk = 0x30; vk <= 0x39; ++vk) {  // digits
        add(vk);
    }
    for (int vk = 0x41; vk <= 0x5A; ++vk) {  // letters
        add(vk);
    }
    for (int vk = 0x60; vk <= 0x69; ++vk) {  // numeric pad digits
        add(vk);
    }
    for (int vk = 0x70; vk <= 0x7B; ++vk) {  // F1 to F12
        add(vk);
    }
    // ; / ` [ \ ] ' = - . , then pad * + - . / and Num Lock, then the mouse buttons.
    for (int vk : {0xBA, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE, 0xBB, 0xBD, 0xBE, 0xBC, 0x6A, 0x6B,
                   0x6D, 0x6E, 0x6F, 0x90, 0x01, 0x02, 0x04}) {
        add(vk);
    }
    return table;
}

namespace {

KeyStateSource& Source()
{
    static KeyStateSource source;
    return source;
}

}  // namespace

void SetKeyStateSource(KeyStateSource source)
{
    Source() = std::move(source);
}

bool IsVirtualKeyDown(int virtualKey)
{
    const KeyStateSource& source = Source();
    return source ? source(virtualKey) : Platform::IsVirtualKeyDown(virtualKey);
}

}  // namespace Framework

Framework::KeyTable gKeyTable = Framework::MakeDefaultKeyTable();
std::map<std::string, int> gKeyNameToIndex;
std::map<std::string, std::string> gActionToKeyName;
