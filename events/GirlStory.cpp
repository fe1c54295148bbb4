#include "events/GirlStory.h"

#include <ostream>

#include "engine/StepToward.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/ShownPictures.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

namespace {
std::vector<DialogueLine> Father(std::initializer_list<const char*> texts)
{
    std::vector<DialogueLine> lines;
    for (const char* text : texts)
        lines.emplace_back(text, true, 0);
    return lines;
}
}  // namespace

GirlStory::GirlStory() : StoryEvent(kTypeId)
{
}

void GirlStory::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    const char* noteNames[3] = {"ExperimentNotes2", "ExperimentNotes3", "ExperimentNotes4"};
    const int pages[3] = {1, 2, 2};
    for (int i = 0; i < 3; ++i) {
        notes[i].object = Find(noteNames[i]);
        notes[i].page = pages[i];
    }
    notes[0].lines = Father({"Subject 45? She looks like my daughter..."});
    notes[1].lines = Father({"Erratic pulse?", "I remember... My daughter had seizures at one point...",
                             "Could it really be... She was experimented on?"});
    notes[2].lines = Father({"Deceased... It might be true...", "My daughter was really experimented on..."});
    girl = Find("LittleGirl");
    table = Find("DaughterTableL2");
    const char* doorNames[4] = {"Entrance2-3", "Entrance2-5", "Entrance2-2", "Entrance2-0"};
    for (int i = 0; i < 4; ++i)
        doors[i].door = Find(doorNames[i]);
    doors[0].soundFrom = doors[0].door;
    doors[1].soundFrom = doors[1].door;
    // These two doors sound from their far side.
    doors[2].soundFrom = Find("Entrance2-2link");
    doors[3].soundFrom = Find("Entrance2-0link");

    // A line without the father's portrait is the girl speaking.
    const std::pair<const char*, bool> talk[] = {
        {"Wh-Who's there?", true},
        {"H-help me", false},
        {"I-It hurts...", false},
        {"My daughter?", true},
        {"How are you here?", true},
        {"He was mean to me daddy...", false},
        {"I want to see mummy...", false},
        {"Scary green man was mean to me...", false},
        {"What did scary green man do to you?", true},
        {"H-he made me drink weird water...", false},
        {"...and poked me with long scary needles...", false},
        {"Daddy's going to help you ", true},
        {"Daddy's going to get the scary green man", true},
        {"We can go see mummy after this", true},
        {"Daddy will bring you, pinky promise.", true},
        {"Pinky promise...", false},
        {"Thank you daddy...", false},
    };
    girlLines.clear();
    for (const auto& [text, father] : talk)
        girlLines.emplace_back(text, father, 0);
    tableRemarkLines = Father({"This is creepy...", "I... I must get out of here."});
    farewellLines = Father({"I must not let him out alive."});
}

void GirlStory::ReadWorld()
{
    // The surgeon's report has always been seen by the time the player comes up here.
    ++reportsRead;
    for (Note& note : notes)
        if (IsHidden(note.object)) {
            note.shown = true;
            note.spoken = true;
            ++reportsRead;
        }
}

void GirlStory::ReadNote(Note& note)
{
    PlaySound(note.object);
    Hide(note.object);
    if (gameController)
        gameController->ShowImage(shownpictures::kExperimentReport.sheet, note.page, 0,
                                  shownpictures::kExperimentReport.scale, 50.0f, AudioOf(notes[0].object), "", 0.5f);
    note.shown = true;
}

void GirlStory::UpdateStory(float dt)
{
    for (DoorSound& door : doors)
        if (!door.played && door.door && PlayerOverlaps(door.door.get())) {
            PlaySound(door.soundFrom);
            door.played = true;
        }

    bool handled = false;
    for (Note& note : notes) {
        if (!note.object || !PlayerOverlaps(note.object.get()))
            continue;
        handled = true;
        UpdatePrompt(note.object.get());
        if (InteractPressed())
            ReadNote(note);
        break;
    }
    if (!handled && table && PlayerOverlaps(table.get())) {
        handled = true;
        if (!tableSoundPlayed) {
            PlaySound(table);
            tableSoundPlayed = true;
        }
        UpdatePrompt(table.get());
        if (InteractPressed()) {
            SetFrame(table, 1);
            if (reportsRead == 4) {
                if (!girlCleared) {
                    SetAlpha(girl, 0.0f);
                    girlCleared = true;
                }
                MoveTo(girl, Vector2(kGirlX, kGirlY));
                girlRevealed = true;
            } else {
                tableTooEarly = true;
            }
        }
    }
    if (!handled)
        ClearPrompt();

    // The girl fades in under her own dialogue, to no more than her faint 0.6.
    const float alpha = AlphaOf(girl);
    if (girlRevealed && alpha < 0.6f && girlFadePeak < 0.6f) {
        SetAlpha(girl, Framework::StepToward(alpha, 0.6f, 0.7f * dt));
        girlFadePeak = AlphaOf(girl);
    }

    for (Note& note : notes)
        if (note.shown && !note.spoken && PlayerFree()) {
            ++reportsRead;
            Say(note.lines);
            note.spoken = true;
        }
    if (girlRevealed && !girlSpoken && PlayerFree()) {
        PlaySound(Find("TableR1"));
        Say(girlLines);
        girlSpoken = true;
    }
    if (tableTooEarly && !tableRemarkSpoken && PlayerFree()) {
        Say(tableRemarkLines);
        tableRemarkSpoken = true;
    }

    if (PlayerFree() && girlSpoken && AlphaOf(girl) >= 0.0f && !farewellSpoken)
        SetAlpha(girl, Framework::StepToward(AlphaOf(girl), 0.0f, 0.7f * dt));
    if (PlayerFree() && girlSpoken && AlphaOf(girl) <= 0.0f && !farewellSpoken) {
        Say(farewellLines);
        farewellSpoken = true;
    }
}

std::shared_ptr<Component> GirlStory::Clone() const
{
    return std::make_shared<GirlStory>(*this);
}

void GirlStory::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void GirlStory::Deserialize(std::istream& stream)
{
    (void)stream;
}
