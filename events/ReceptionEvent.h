#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

class GameObject;

// The locked door at the reception: the father tries it, and as soon as he has said so a note
// appears on the desk, a wall piece is gone and a spotlight comes on.
class ReceptionEvent : public StoryEvent
{
public:
    static constexpr int kTypeId = 22;

    ReceptionEvent();

    static std::string GetTypeName() { return "ReceptionEvent"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    bool completed = false;
    // Cleared by the surgeon chase when it opens the door.
    bool active = true;
    bool completionApplied = false;
    bool firstTalkDone = false;
    bool noteShown = false;

private:
    void UpdateStory(float dt) override;
    std::shared_ptr<GameObject> receptionTable, falseWall, spotlight;
    std::vector<DialogueLine> lockedLines, noteLines, stillLockedLines;
};
