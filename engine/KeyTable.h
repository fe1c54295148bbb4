#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace Framework {

constexpr int kKeyCount = 103;

// Key indices that code names directly (every other key is reached through an action).
namespace Keys {
constexpr int Backspace = 0;
constexpr int Space = 1;
constexpr int Tab = 2;
constexpr int Enter = 3;
constexpr int LeftShift = 4;
constexpr int RightShift = 5;
constexpr int LeftCtrl = 6;
constexpr int RightCtrl = 7;
constexpr int LeftAlt = 8;
constexpr int RightAlt = 9;
constexpr int Escape = 14;
constexpr int Up = 15;
constexpr int Down = 16;
constexpr int Left = 17;
constexpr int Right = 18;
constexpr int Delete = 24;
constexpr int Digit0 = 25;  // Digit0 + d is digit d
constexpr int A = 35;       // A + n is the n-th letter
constexpr int F1 = 71;      // F1 + n - 1 is Fn
constexpr int F5 = 75;
constexpr int F6 = 76;
constexpr int F9 = 79;
constexpr int F10 = 80;
constexpr int F11 = 81;
constexpr int F12 = 82;
constexpr int MouseLeft = 100;
constexpr int MouseRight = 101;
constexpr int MouseMiddle = 102;
}  // namespace Keys

struct KeyTableEntry {
    std::uint8_t virtualKey;  // Windows virtual-key code, constant
    std::uint8_t ready;       // 1: the next press is reported as triggered
};

using KeyTable = std::array<KeyTableEntry, kKeyCount>;

// The table as the program starts: every latch armed.
KeyTable MakeDefaultKeyTable();

// The key names by index, as the shipped SerializedKeys.txt lists them: the names of keys the
// name file does not name, and of every key when it is damaged.
const std::array<const char*, kKeyCount>& BuiltInKeyNames();
// Index of a built-in key name, or -1.
int BuiltInKeyIndex(const std::string& name);
// The actions and their keys as the shipped KeyboardActionMap.txt binds them (W/A/S/D walk and
// choose, Left Shift runs, E interacts): what an action keeps when its binding cannot be read.
const std::map<std::string, std::string>& DefaultActionKeys();

// Where "is this virtual key held" is answered. Defaults to the platform layer; tests put their
// own in and reset it with an empty function.
using KeyStateSource = std::function<bool(int virtualKey)>;
void SetKeyStateSource(KeyStateSource source);
bool IsVirtualKeyDown(int virtualKey);

}  // namespace Framework

extern Framework::KeyTable gKeyTable;
extern std::map<std::string, int> gKeyNameToIndex;
extern std::map<std::string, std::string> gActionToKeyName;
