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

const std::array<const char*, kKeyCount>& BuiltInKeyNames()
{
    static const std::array<const char*, kKeyCount> names = {
        "Backspace", "Space", "Tab", "Enter", "LeftShift", "RightShift", "LeftCtrl", "RightCtrl", "LeftAlt",
        "RightAlt", "PrintScreen", "ScrollLock", "Pause", "CapsLock", "Escape", "Up", "Down", "Left", "Right",
        "Home", "PageUp", "PageDown", "End", "Insert", "Delete",
        "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
        "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U",
        "V", "W", "X", "Y", "Z",
        "Numpad0", "Numpad1", "Numpad2", "Numpad3", "Numpad4", "Numpad5", "Numpad6", "Numpad7", "Numpad8", "Numpad9",
        "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
        "Semicolon", "Slash", "Grave", "LeftBracket", "Backslash", "RightBracket", "Apostrophe", "Equals", "Minus",
        "Period", "Comma", "NumpadMultiply", "NumpadAdd", "NumpadSubtract", "NumpadDecimal", "NumpadDivide", "NumLock",
        "MouseLeft", "MouseRight", "MouseMiddle"};
    return names;
}

int BuiltInKeyIndex(const std::string& name)
{
    static const std::map<std::string, int> indices = [] {
        std::map<std::string, int> byName;
        for (int index = 0; index < kKeyCount; ++index)
            byName[BuiltInKeyNames()[static_cast<std::size_t>(index)]] = index;
        return byName;
    }();
    const auto found = indices.find(name);
    return found == indices.end() ? -1 : found->second;
}

const std::map<std::string, std::string>& DefaultActionKeys()
{
    static const std::map<std::string, std::string> keys = {
        {"ACTION_DOWN", "S"}, {"ACTION_INTERACT", "E"}, {"ACTION_LEFT", "A"},
        {"ACTION_RIGHT", "D"}, {"ACTION_RUN", "LeftShift"}, {"ACTION_UP", "W"}};
    return keys;
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
