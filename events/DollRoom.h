#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/Vector2.h"
#include "events/StoryEvent.h"

class Audio;
class DollEyes;
class FamilyTreeRoomEvent;
class Sprite;
class Transform;

// The doll room behind the Nursery door: the water moves a false wall into place; trying the
// wall starts a timed scene (torch sparks, the bears lose their heads, the doll eyes follow,
// the spotlight), then a timed search of the torn bears for the key while the big bear comes
// closer. With the key the wall lets the player out; without it in time the bear kills him.
class DollRoom : public StoryEvent
{
public:
    static constexpr int kTypeId = 35;

    DollRoom();

    static std::string GetTypeName() { return "DollRoom"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // One torn bear to search; its first child is where the player can search it.
    struct SearchSpot {
        std::shared_ptr<GameObject> object;
        bool searched = false;
        bool hasKey = false;
        DialogueLine line{"", false, 0};
    };

    bool completed = false;
    Vector2 torchOffset{0.0f, 0.0f};
    float stageTimer = 0.0f;
    float sparkDelay = 1.0f;
    float turnDelay = 2.0f;
    float bearDelay = 2.0f;
    float eyesDelay = 2.0f;
    float lightsDelay = 1.0f;
    float messageDelay = 1.0f;
    bool sequenceStarted = false;
    bool sparkDone = false;
    bool turnDone = false;
    bool messageShown = false;
    bool eyesOn = false;
    bool lightsOn = false;
    bool bearShown = false;
    bool attackPending = false;
    float searchTime = 0.0f;
    float attackTime = 15.0f;
    float bearStepInterval = 3.0f;
    float scareTime = 0.36f;
    int bearStep = 1;
    std::vector<DialogueLine> lockedLines;
    std::vector<DialogueLine> noReturnLines;
    std::vector<DialogueLine> pickupLines;
    std::vector<DialogueLine> escapeLines;
    std::vector<DialogueLine> wallLines;
    std::vector<DialogueLine> searchLines;
    DialogueLine nothingLeftLine{"", true, 0};
    // The doll eyes that watch the player during the search.
    std::vector<std::shared_ptr<DollEyes>> eyes;
    std::vector<SearchSpot> searchSpots;
    int keyOffset = 3;
    int keyIndex = 0;
    int searchCount = 0;
    bool keyFound = false;
    bool hasKey = false;
    bool searchActive = false;
    bool wallTouched = false;
    bool waterTaken = false;
    bool bearSoundPlayed = false;
    Vector2 wallOpenPosition{21.0f, 97.0f};

    std::shared_ptr<GameObject> water;
    std::shared_ptr<GameObject> door;
    std::shared_ptr<GameObject> spotlight;
    std::shared_ptr<GameObject> scareScreen;
    std::shared_ptr<GameObject> falseWall;
    std::shared_ptr<Transform> torchTransform;
    std::shared_ptr<Transform> playerSpriteTransform;
    std::shared_ptr<Sprite> bearSprite;
    std::shared_ptr<Sprite> fadeSprite;
    std::shared_ptr<Audio> deathSound;
    std::shared_ptr<Audio> worldMusic;
    std::shared_ptr<Audio> searchSound;

private:
    void ReadWorld() override;
    void UpdateStory(float dt) override;
    std::shared_ptr<FamilyTreeRoomEvent> FamilyTree() const;
    void SetWatching(bool watching);
    void UpdateTimedSequence(float dt);
    void UpdateSearch(float dt);
    void Search(SearchSpot& spot);
    void ShowDecapitatedBear();
};
