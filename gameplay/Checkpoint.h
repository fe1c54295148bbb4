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
    static constexpr const char* kKeptText = "(The damaged save is kept as ";

    // The load found the save at path damaged; kept tells whether it was kept aside. One that was
    // not (a full disk) is tried again by the next save before it writes over it. Only the file as
    // it stands now is meant: one changed since is not known to be damaged.
    static void NoteDamagedSave(const std::string& path, bool kept);

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
    // keptAs names the copy of a damaged save kept aside first, if one was.
    bool WriteSave(std::string& keptAs) const;
    // Keeps aside the damaged save noted by the load, if it still stands there unkept, as the
    // write that follows is about to replace it. The copy's name, or empty.
    // unkept: it stands there damaged and still could not be kept.
    std::string KeepNotedSave(bool& linked, bool& unkept) const;
    // Writes the scene as it stands, then opens the message that tells how it went.
    void Save();
};
