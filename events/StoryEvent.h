#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "gameplay/DialogueLine.h"
#include "objects/Component.h"

class GameController;
class GameObject;
class PlayerBehaviour;

// The frame every story room's script is built on: null-safe look-ups that log a gap once, the
// player's overlap, the interact press, the prompt, dialogue and yes/no questions through the
// game controller, and the saved progress flags. A script whose collaborator is missing skips
// the step that needs it; it never crashes and never locks the player for good. The acts a
// script takes on its objects are in StoryActs.
class StoryEvent : public Component
{
public:
    // ReadWorld on the first update, then UpdateStory on every one.
    void Update(float dt) final;

    // The interact press belongs to whoever opened what the player is locked in: a script never
    // takes it while the player is locked, so it cannot steal a press from the dialogue box.
    bool InteractPressed() const;

protected:
    explicit StoryEvent(int typeId);

    // The script's own update.
    virtual void UpdateStory(float dt) = 0;
    // Most scripts save only a flag: progress a reload would lose is derived here from the
    // saved world, once, before the first UpdateStory.
    virtual void ReadWorld() {}

    // The owner as a shared handle (empty when it is not in the object list).
    std::shared_ptr<GameObject> OwnerHandle() const;

    // The player, his behaviour, the game controller and the interact action, for Init.
    void FindStoryCollaborators();
    // The named object or one of its components; empty (logged once) when missing.
    std::shared_ptr<GameObject> Find(const std::string& name) const;
    template <class T>
    std::shared_ptr<T> FindComponent(const std::string& objectName, const char* componentName) const;

    // The object (the owner when null) overlaps the player.
    bool PlayerOverlaps(const GameObject* object = nullptr) const;
    // Overlap plus the prompt, raised on entry and lowered on exit once each.
    bool UpdatePrompt(const GameObject* object = nullptr);
    // Lowers the prompt if this script raised it.
    void ClearPrompt();

    // Plain text, or a yes/no question when question is set (remembered for AnswerReady).
    void Say(const std::vector<DialogueLine>& lines, bool question = false);
    // The dialogue or fade that locked the player is over.
    bool PlayerFree() const;
    // After a question: true once the player confirmed; yes holds the answer. The choice is
    // cleared so the next question starts unarmed.
    bool AnswerReady(bool& yes);

    // Saved progress: a key line, then the value.
    static void WriteFlag(std::ostream& stream, const char* key, bool value);
    static void WriteInt(std::ostream& stream, const char* key, int value);
    static void WriteFloat(std::ostream& stream, const char* key, float value);
    // Each reads the key word (not compared) and the value; a failed read leaves the value.
    static bool ReadFlag(std::istream& stream, bool& value);
    static bool ReadInt(std::istream& stream, int& value);
    static bool ReadFloat(std::istream& stream, float& value);

    std::shared_ptr<GameObject> player;
    std::shared_ptr<PlayerBehaviour> playerBehaviour;
    std::shared_ptr<GameController> gameController;
    std::string interactAction = "ACTION_INTERACT";
    bool promptShown = false;
    bool questionAsked = false;

private:
    bool worldRead = false;
};

#include "gameplay/LookUp.h"

template <class T>
std::shared_ptr<T> StoryEvent::FindComponent(const std::string& objectName, const char* componentName) const
{
    return FindRequiredComponent<T>(GetName(), objectName, componentName);
}
