// The shipped level as the game runs it: every object and component the scripts look up is
// there, and a checkpoint's save reads back into the same level with nothing missing.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "gameplay/LookUp.h"
#include "objects/LevelFile.h"
#include "support/GameplayHarness.h"

namespace {

class LevelPlayableTest : public testsupport::GameplayHarness {
protected:
    static std::string Gaps()
    {
        std::string text;
        for (const std::string& gap : MissingReports())
            text += "\n  " + gap;
        return text;
    }
};

TEST_F(LevelPlayableTest, EveryLookedUpNameIsThereWhenTheLevelStartsAndAfterASave)
{
    StartShippedLevel();
    StepSeconds(1.0f);
    EXPECT_TRUE(MissingReports().empty()) << "the level lacks:" << Gaps();

    const std::string save = (tree->Resources() / "save" / "SaveData.txt").string();
    ASSERT_TRUE(SaveLevel("SaveData", save));
    EnterLevel(true);
    StepSeconds(1.0f);
    EXPECT_TRUE(MissingReports().empty()) << "the save lacks:" << Gaps();

    // What a checkpoint writes holds no empty record line and no number the reader would refuse.
    std::ifstream in(save);
    std::string line, previous;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        // Blank lines only part the records (and the name line from the first record).
        if (line.empty() && lineNumber != 2) {
            EXPECT_EQ(previous, "End") << "an empty value at line " << lineNumber;
        }
        for (const char* bad : {"nan", "inf"})
            EXPECT_EQ(line.find(bad), std::string::npos) << "line " << lineNumber << ": " << line;
        previous = line;
    }
}

}  // namespace
