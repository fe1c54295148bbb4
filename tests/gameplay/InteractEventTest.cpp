// Examine spots played through the script harness: prompt, text, sound and the interact press.
#include <gtest/gtest.h>

#include <imgui.h>

#include <sstream>

#include "gameplay/GameController.h"
#include "gameplay/InteractEvent.h"
#include "gameplay/PlayerBehaviour.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"
#include "support/OwnInterface.h"

using namespace testsupport;

namespace {

class InteractEventTest : public GameplayHarness {
protected:
    // A spot of the given size at (x, y, z) holding text; "paper" plays when withSound.
    InteractEvent& AddSpot(const std::string& name, float x, float y, float width, const std::string& text,
                           bool withSound = false, float z = 0.5f)
    {
        GameObject& spot = AddLevelObject(name, 4);
        GiveTransform(spot, x, y, z);
        GiveBox(spot, width, 1.0f);
        if (withSound)
            GiveAudio(spot, "paper", true);
        auto event = std::make_shared<InteractEvent>();
        event->audioName = text;
        spot.components.push_back(event);
        event->SetOwner(&spot);
        return *event;
    }
    InteractEvent& Spot(const std::string& name) const { return *Object(name)->GetComponent<InteractEvent>(); }
    void Start()
    {
        StartBuiltLevel();
        // Past the opening fade.
        StepSeconds(1.1f);
    }
    bool LineTyped() const
    {
        const GameController& controller = Controller();
        return !controller.dialogueLines.empty() &&
               controller.charIndex >= static_cast<int>(controller.dialogueLines.front().text.size());
    }
    void CloseDialogue()
    {
        AdvanceDialogue();
        ASSERT_TRUE(StepUntil([&] { return !DialogueOpen() && !Controller().playerLocked; }));
    }
};

TEST_F(InteractEventTest, EachSpotSwitchesThePromptAsThePlayerComesAndGoes)
{
    BuildPlayerRig();
    AddSpot("Drawer", 0.0f, 0.0f, 1.0f, "A_drawer");
    AddSpot("Shelf", 1.5f, 0.0f, 4.0f, "A_shelf");
    AddSpot("Far", 20.0f, 0.0f, 1.0f, "Far_away");
    Start();
    EXPECT_TRUE(Player().showPrompt);
    EXPECT_EQ(Alpha("PlayerE"), 1.0f);
    EXPECT_TRUE(Spot("Drawer").promptShown);
    EXPECT_TRUE(Spot("Shelf").promptShown);
    EXPECT_FALSE(Spot("Far").promptShown);

    // Off the drawer but still on the shelf: leaving one spot switches the prompt off.
    TransformOf("Player").SetPosition(Vector2(1.5f, 0.0f));
    Step(2);
    EXPECT_FALSE(Spot("Drawer").promptShown);
    EXPECT_TRUE(Spot("Shelf").promptShown);
    EXPECT_FALSE(Player().showPrompt);
    EXPECT_EQ(Alpha("PlayerE"), 0.0f);

    // Back onto the drawer: it switches the prompt on again.
    TransformOf("Player").SetPosition(Vector2(0.0f, 0.0f));
    Step(2);
    EXPECT_TRUE(Player().showPrompt);
    // Away from both, the prompt stays off.
    TransformOf("Player").SetPosition(Vector2(10.0f, 0.0f));
    Step(2);
    EXPECT_FALSE(Player().showPrompt);
    EXPECT_FALSE(Spot("Shelf").promptShown);
}

TEST_F(InteractEventTest, ShowsItsTextWithBlanksAndPlaysItsSoundOncePerPress)
{
    BuildPlayerRig();
    AddSpot("Note", 0.0f, 0.0f, 1.0f, "It_smells_of__ether.", true);
    Start();
    soundsPlayed.clear();
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(DialogueOpen());
    EXPECT_TRUE(Controller().playerLocked);
    EXPECT_EQ(CountPlays("paper"), 1);
    ASSERT_TRUE(StepUntil([&] { return LineTyped(); }));
    EXPECT_EQ(DialogueText(), "It smells of  ether.");
    ASSERT_EQ(Controller().dialogueLines.size(), 1u);
    EXPECT_TRUE(Controller().dialogueLines.front().showPortrait);

    // Holding interact closes the box; the same hold does not open it again.
    Hold("ACTION_INTERACT");
    StepSeconds(1.0f);
    EXPECT_FALSE(DialogueOpen());
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_EQ(CountPlays("paper"), 1);

    // A new press reads it again.
    Let("ACTION_INTERACT");
    Step();
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(DialogueOpen());
    EXPECT_EQ(CountPlays("paper"), 2);
}

TEST_F(InteractEventTest, ATextWithoutUnderscoresIsShownUnchangedAndASilentSpotStillOpens)
{
    BuildPlayerRig();
    AddSpot("Sign", 0.0f, 0.0f, 1.0f, "EXIT");
    Start();
    soundsPlayed.clear();
    Tap("ACTION_INTERACT");
    ASSERT_TRUE(StepUntil([&] { return LineTyped(); }));
    EXPECT_EQ(DialogueText(), "EXIT");
    EXPECT_TRUE(soundsPlayed.empty());
}

TEST_F(InteractEventTest, SetTextReplacesTheShownLineButNotTheSavedOne)
{
    BuildPlayerRig();
    AddSpot("Cabinet", 0.0f, 0.0f, 1.0f, "Locked_tight.");
    Start();
    Spot("Cabinet").SetText("Now it opens_easily.");
    Tap("ACTION_INTERACT");
    ASSERT_TRUE(StepUntil([&] { return LineTyped(); }));
    EXPECT_EQ(DialogueText(), "Now it opens_easily.") << "blanks and underscores stay as given";
    CloseDialogue();

    std::ostringstream saved;
    Spot("Cabinet").Serialize(saved);
    EXPECT_NE(saved.str().find("\nLocked_tight.\n"), std::string::npos) << saved.str();

    // Emptied: the box opens with an empty line that one press dismisses.
    Spot("Cabinet").SetText("");
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(DialogueOpen());
    ASSERT_EQ(Controller().dialogueLines.size(), 1u);
    EXPECT_EQ(Controller().dialogueLines.front().text, "");
    Step();
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(StepUntil([&] { return !DialogueOpen(); }, 1.0f));
}

TEST_F(InteractEventTest, EmptyTextsReadBackEmptyAndKeepTheFieldsAfterThemInPlace)
{
    BuildPlayerRig();
    InteractEvent& blank = AddSpot("Blank", 0.0f, 0.0f, 1.0f, "");
    blank.textCounter = 3;
    blank.interactDelay = 2.5f;
    Start();
    InteractEvent& loaded = Spot("Blank");
    EXPECT_EQ(loaded.fileName, "");
    EXPECT_EQ(loaded.audioName, "");
    EXPECT_EQ(loaded.textCounter, 3);
    EXPECT_EQ(loaded.interactDelay, 2.5f);
    Tap("ACTION_INTERACT");
    ASSERT_TRUE(DialogueOpen());
    EXPECT_EQ(Controller().dialogueLines.front().text, "");
}

TEST_F(InteractEventTest, APressMadeWhileSomethingElseHoldsThePlayerIsNotTaken)
{
    BuildPlayerRig();
    // Updated before the controller, so it sees every press first.
    AddSpot("Bed", 0.0f, 0.0f, 1.0f, "An_empty_bed.", true, -0.5f);
    Start();
    soundsPlayed.clear();
    Controller().StartDialogue({DialogueLine("Someone is calling.", false, 0)}, false, false, false, 0.01f);
    ASSERT_TRUE(StepUntil([&] { return LineTyped(); }));
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(StepUntil([&] { return !DialogueOpen(); }, 1.0f)) << "the press closes the box that was open";
    EXPECT_EQ(CountPlays("paper"), 0);
    EXPECT_FALSE(Spot("Bed").talking);

    // Free again: the spot answers the next press.
    Tap("ACTION_INTERACT");
    EXPECT_TRUE(DialogueOpen());
    EXPECT_EQ(CountPlays("paper"), 1);
}

// The editor panel, drawn without a window or renderer: untouched fields keep their values,
// even texts longer than its 256-byte field.
TEST(InteractEventPanel, DrawingThePanelChangesNothing)
{
    testsupport::OwnInterface ownInterface;
    ImGui::CreateContext();
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    ImGui::GetIO().Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);

    InteractEvent event;
    event.fileName = std::string(300, 'f');
    event.audioName = "A_long_corridor.";
    event.textCounter = 4;
    event.interactDelay = 0.5f;
    for (int frame = 0; frame < 2; ++frame) {
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(800.0f, 600.0f);
        io.DeltaTime = 1.0f / 60.0f;
        ImGui::NewFrame();
        ImGui::Begin("Inspector");
        ImGui::SetNextItemOpen(true);
        event.Inspector(3);
        ImGui::End();
        ImGui::Render();
    }
    EXPECT_EQ(event.fileName, std::string(300, 'f'));
    EXPECT_EQ(event.audioName, "A_long_corridor.");
    EXPECT_EQ(event.textCounter, 4);
    EXPECT_EQ(event.interactDelay, 0.5f);
}

}  // namespace
