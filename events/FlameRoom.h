#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

class GameObject;
class Sprite;

// The last room: the father sets the leak on fire, runs from the surgeon through a door that
// closes behind him, and chooses among four portraits; the right one leads to the ending.
class FlameRoom : public StoryEvent
{
public:
    static constexpr int kTypeId = 40;

    FlameRoom();

    static std::string GetTypeName() { return "FlameRoom"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    float bangTimer = 0.0f;
    float bangInterval = 3.0f;
    bool questionPending = false;
    bool fireLit = false;
    bool surgeonShown = false;
    bool runStarted = false;
    bool escaped = false;
    bool escapeTriggered = false;
    bool wrongPortraitActive = false;
    bool rightPortraitActive = false;
    bool escapeLocked = false;
    bool portraitFadeStarted = false;
    bool portraitDialoguePending = false;
    bool deadEndSeen = false;
    bool deathStarted = false;
    bool endingRequested = false;
    float runSpeed = 8.0f;
    float escapeTimer = 0.0f;
    float stageDelay = 0.5f;
    float portraitTimer = 0.0f;
    float portraitDelay = 1.0f;
    int escapeStage = 0;
    bool bangSoundPlayed = false;
    bool fireSoundPlayed = false;

private:
    void UpdateStory(float dt) override;
    void LightFire();
    void UpdateEscape(float dt);
    void UpdatePortrait(float dt, bool right);
    void BeginPortrait(bool right);
    void StartScreenFade(bool out);
    void Kill();

    std::shared_ptr<GameObject> surgeon, surgeonTrigger, flammableLeak, surgeonEntrance, escapeDoor, exitDoor,
        falseWall, portraits[4];
    std::shared_ptr<Sprite> playerSprite;
    std::vector<DialogueLine> leakLines, surgeonLines, wallLines, deadEndLines, lightLines;
};
