#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "gameplay/DialogueLine.h"
#include "objects/Component.h"

class GameController;
class GameObject;

// A save point: while the player stands on it the interact press writes the whole scene to
// the save file, says whether that worked, and lights the point (sprite frame 1) once it did.
class Checkpoint : public Component
{
public:
    static constexpr int kTypeId = 26;
    static constexpr const char* kSaveName = "SaveData";
    static constexpr const char* kSavePath = "../resources/save/SaveData.txt";
    static constexpr const char* kSavedText = "I... feel safe. (Game saved)";
    static constexpr const char* kFailedText = "I... can't rest here. (The game could not be saved)";

    Checkpoint();

    static std::string GetTypeName() { return "Checkpoint"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // The message shown after a successful save.
    std::vector<DialogueLine> lines;
    int portraitFrame = 0;
    std::shared_ptr<GameController> gameController;
    std::shared_ptr<GameObject> player;
    GameObject* ownerObject = nullptr;
    bool promptShown = false;
    // Saved (or tried to) and the message is open: no second save until the player is free.
    bool used = false;

private:
    // The scene as it stands to the save file; false, said on the console, when it was not.
    bool WriteSave() const;
    // Writes the scene as it stands, then opens the message that tells how it went.
    void Save();
};
