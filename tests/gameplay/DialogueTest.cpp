// The dialogue box and the yes/no choice, driven through the interact and direction keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gameplay/DialogueWrap.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "support/GameplayHarness.h"
#include "support/LevelBuilder.h"

using namespace testsupport;

namespace {

class DialogueTest : public GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        BuildPlayerRig();
        StartBuiltLevel();
        StepSeconds(1.1f);
    }
    void Say(std::vector<DialogueLine> lines, bool question = false, bool noSkip = false)
    {
        Controller().StartDialogue(std::move(lines), question, noSkip, false, 0.01f);
    }
};

TEST_F(DialogueTest, TypesOneCharacterAFrameAdvancesOnInteractAndUnlocksAtTheEnd)
{
    Say({DialogueLine("Hi", true, 0), DialogueLine("Bye", false, 0)});
    EXPECT_TRUE(Controller().playerLocked);
    EXPECT_TRUE(Player().frozen);
    EXPECT_EQ(Alpha("ChatBox"), 1.0f);
    Step();
    EXPECT_EQ(DialogueText(), "H");
    EXPECT_EQ(Alpha("PlayerPortrait"), 1.0f) << "a father's line shows the portrait";
    Step();
    EXPECT_EQ(DialogueText(), "Hi");
    Step(5);
    EXPECT_EQ(DialogueText(), "Hi") << "waits for the interact key";
    EXPECT_GT(Controller().promptAlpha, 0.0f);

    Tap("ACTION_INTERACT");
    EXPECT_EQ(Controller().lineIndex, 1);
    EXPECT_EQ(Alpha("PlayerPortrait"), 0.0f) << "another speaker's line hides it";
    EXPECT_TRUE(StepUntil([&] { return DialogueText() == "Bye"; }));
    Tap("ACTION_INTERACT");
    Step();
    EXPECT_FALSE(DialogueOpen());
    EXPECT_FALSE(Controller().playerLocked);
    EXPECT_FALSE(Player().frozen);
    EXPECT_EQ(Alpha("ChatBox"), 0.0f);
    EXPECT_EQ(DialogueText(), "");
}

TEST_F(DialogueTest, InteractWhileTypingShowsTheWholeLineUnlessSkippingIsForbidden)
{
    Say({DialogueLine("A long line of text", true, 0)});
    Step(2);
    Tap("ACTION_INTERACT");
    EXPECT_EQ(DialogueText(), "A long line of text");
    EXPECT_EQ(Controller().lineIndex, 0) << "the same press does not also advance";

    Tap("ACTION_INTERACT");
    Step();
    EXPECT_FALSE(DialogueOpen());

    Say({DialogueLine("Slowly now", true, 0)}, false, true);
    Step(2);
    Tap("ACTION_INTERACT");
    EXPECT_LT(DialogueText().size(), std::string("Slowly now").size());
}

TEST_F(DialogueTest, AQuestionAnswersOnlyOnceASideIsPicked)
{
    GameController& controller = Controller();
    Say({DialogueLine("Open it?", false, 0)}, true);
    AdvanceDialogue();
    ASSERT_TRUE(StepUntil([&] { return controller.choiceShown; }));
    EXPECT_EQ(Alpha("YesSelect"), 1.0f);
    EXPECT_EQ(DialogueText(), "Open it?") << "the question stays on screen";

    Tap("ACTION_INTERACT");
    EXPECT_TRUE(controller.askQuestion) << "nothing picked yet";
    Tap("ACTION_LEFT");
    EXPECT_TRUE(controller.answer);
    Tap("ACTION_RIGHT");
    EXPECT_FALSE(controller.answer);
    Tap("ACTION_INTERACT");
    EXPECT_FALSE(controller.askQuestion);
    EXPECT_EQ(Alpha("YesSelect"), 0.0f);
    Step();
    EXPECT_FALSE(controller.playerLocked);

    // The asker clears the choice; the next question then starts unarmed again.
    controller.choiceArmed = false;
    controller.choiceShown = false;
    Say({DialogueLine("Sure?", false, 0)}, true);
    Answer(true);
    EXPECT_FALSE(controller.askQuestion);
    EXPECT_TRUE(controller.answer);
}

TEST_F(DialogueTest, LongLinesWrapEveryLimitAndAreNeverCut)
{
    std::string line(600, 'a');
    line[256] = ' ';
    const std::string wrapped = WrapWhole(line, 255);
    // Breaks after 256 characters, then after every further 256 since the last break.
    ASSERT_EQ(wrapped.substr(256, 1), "\n") << "a break before a blank needs no hyphen";
    const size_t second = wrapped.find('\n', 257);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(wrapped.substr(second - 1, 2), "-\n");
    std::string unwrapped;
    for (char c : wrapped)
        if (c != '\n')
            unwrapped += c;
    EXPECT_EQ(unwrapped.size(), 600u + 1u) << "only one hyphen added, nothing lost";

    Say({DialogueLine(line, true, 0)});
    Tap("ACTION_INTERACT");
    EXPECT_EQ(DialogueText(), wrapped) << "a skipped line wraps the same as a typed one";
}

TEST_F(DialogueTest, PercentSignsAndEmptyListsAreHarmless)
{
    Say({DialogueLine("100% %s %n sure", true, 0)});
    Tap("ACTION_INTERACT");
    EXPECT_EQ(DialogueText(), "100% %s %n sure");
    Tap("ACTION_INTERACT");
    Step();
    EXPECT_FALSE(DialogueOpen());

    Say({});
    Step();
    EXPECT_FALSE(DialogueOpen());
    EXPECT_FALSE(Controller().playerLocked);
}

TEST_F(DialogueTest, ThePromptPulsesWithinItsRange)
{
    Say({DialogueLine("x", true, 0)});
    for (int i = 0; i < 300; ++i) {
        Step();
        EXPECT_GE(Controller().promptAlpha, 0.0f);
        EXPECT_LE(Controller().promptAlpha, 255.0f);
    }
}

}  // namespace
