#include <sys/stat.h>

#include "InputTestSupport.h"
#include "support/TempResourceTree.h"

using inputtest::KeyStateTest;

// Key files that are no files (a named pipe, a link to a device that never ends) are said by
// name and left as they are; the game starts with its shipped keys instead of waiting for good.
TEST_F(KeyStateTest, KeyFilesThatAreNoFilesAreSaidLeftAndTheShippedKeysUsed)
{
    testsupport::TempResourceTree tree({});
    const auto names = tree.Root() / "SerializedKeys.txt";
    const auto actions = tree.Root() / "KeyboardActionMap.txt";
    ASSERT_EQ(mkfifo(names.c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", actions);
    input.keyNamePath = names.string();
    input.actionMapPath = actions.string();

    testing::internal::CaptureStderr();
    EXPECT_FALSE(input.LoadKeyMaps());
    EXPECT_TRUE(input.SaveActionMap());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot read " + names.string() + " (it is a named pipe"), std::string::npos) << said;
    EXPECT_NE(said.find("cannot read " + actions.string() + " (it is a device"), std::string::npos) << said;
    EXPECT_EQ(input.ActionKeyIndex("ACTION_INTERACT"), Framework::Keys::A + 4);
    EXPECT_TRUE(std::filesystem::is_fifo(names));
    EXPECT_TRUE(std::filesystem::is_symlink(actions)) << "the link was written over";
}
