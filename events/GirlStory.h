#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "events/StoryEvent.h"

// The second floor's story: a sound at each of four doors the first time, three experiment
// notes read as report pages and thought over, and the daughter's table, which after four
// reports reveals the little girl for her talk with her father.
class GirlStory : public StoryEvent
{
public:
    static constexpr int kTypeId = 41;

    GirlStory();

    static std::string GetTypeName() { return "GirlStory"; }

    void Init() override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // One experiment note: its object, its report page, its thoughts and how far it got.
    struct Note {
        std::shared_ptr<GameObject> object;
        int page = 1;
        std::vector<DialogueLine> lines;
        bool shown = false;
        bool spoken = false;
    };

    // The girl's place beside the table.
    static constexpr float kGirlX = 18.22f;
    static constexpr float kGirlY = 181.81f;

    int reportsRead = 0;
    bool girlRevealed = false;
    bool girlSpoken = false;
    bool tableTooEarly = false;
    bool tableRemarkSpoken = false;
    bool girlCleared = false;
    bool farewellSpoken = false;
    float girlFadePeak = 0.0f;
    bool tableSoundPlayed = false;
    Note notes[3];
    std::vector<DialogueLine> girlLines;
    std::vector<DialogueLine> tableRemarkLines;
    std::vector<DialogueLine> farewellLines;

    // A door walked into for the first time plays the sound of its object.
    struct DoorSound {
        std::shared_ptr<GameObject> door;
        std::shared_ptr<GameObject> soundFrom;
        bool played = false;
    };
    DoorSound doors[4];

    std::shared_ptr<GameObject> girl;
    std::shared_ptr<GameObject> table;

private:
    void UpdateStory(float dt) override;
    // What was read before the save: the surgeon's report always, and the notes parked away.
    void ReadWorld() override;
    void ReadNote(Note& note);
};
