#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/KeyTable.h"
#include "engine/System.h"

namespace Framework {

// Answers whether keys are held or were just pressed, by key index (gKeyTable) or by action
// name ("ACTION_UP" ...), and holds the mouse position and wheel that the window system writes.
class InputSystem : public System {
public:
    InputSystem();

    void HandleMessage(Message* message) override;  // 9 enables input, 10 disables it
    void Init() override;                           // LoadKeyMaps
    void Update(float dt) override;                 // re-arms the latches of released keys
    std::string GetName() override;
    void Shutdown() override;                       // SaveActionMap

    // All answer false while input is disabled. An index outside the table behaves like a key
    // that is never pressed, as does an unbound action (or one bound to an unknown key name)
    // unless it is one of the shipped actions, which then answers for its shipped key.
    bool IsKeyDown(int key);
    bool IsKeyTriggered(int key);
    bool IsKeyUp(int key);
    bool IsActionDown(const std::string& action);
    bool IsActionTriggered(const std::string& action);
    bool IsActionUp(const std::string& action);

    // Key index bound to the action, or -1; never changes the maps.
    int ActionKeyIndex(const std::string& action) const;

    // Reads the key names and the action bindings; missing or short files are reported on the
    // console and leave what could be read, keys the name file does not name keep their built-in
    // names and shipped actions it does not bind their shipped keys. A name file that gives a
    // built-in name to another key (a line lost or doubled) is damaged: every key keeps its
    // built-in name. An action bound twice keeps its later key and a name given to two keys its
    // later key, each said on the console. Returns false when a file could not be read whole or
    // was damaged.
    bool LoadKeyMaps();
    // Rewrites the action file through a temporary file and a rename; on failure the old file
    // stays and false is returned with a console message. An action file that is there but was
    // not read whole is left as it is (true: nothing is lost); one that bound unknown keys, or an
    // action to two keys, is first kept beside it as ".broken", ".broken2"... (false, and no
    // write, when that fails).
    bool SaveActionMap();

    std::int16_t mouseX = 0;
    std::int16_t mouseY = 0;
    float mouseWheel = 0.0f;
    bool inputEnabled = true;

    std::string keyNamePath = "../resources/SerializedKeys.txt";
    std::string actionMapPath = "../resources/KeyboardActionMap.txt";

private:
    // The name part of LoadKeyMaps: false when the file was short, missing or damaged.
    bool LoadKeyNames();

    // The action file was read to its end, or is not there: writing it loses nothing.
    bool actionMapWhole = true;
    // What the action file held that writing it back drops (a key name no key has, an action
    // bound to a second key), said as "binds ..."; such a file is kept aside before it is
    // rewritten. Empty: nothing.
    std::string actionMapLoss;
    // The action file's bytes as read (nullopt: it was not there), and from where: a file
    // changed since (a hand edit while the game ran) is newer than the bindings held.
    std::optional<std::string> actionMapRead;
    std::string actionMapReadFrom;
};

}  // namespace Framework

extern std::shared_ptr<Framework::InputSystem> gInputSystem;
