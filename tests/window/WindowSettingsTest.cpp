#include "engine/WindowSystem.h"
#include <sys/stat.h>

#include "WindowTestSupport.h"

using Framework::WindowSettings;
using Framework::WindowSystem;
using windowtest::GameTree;
using windowtest::ReadFile;
using windowtest::WriteFile;

TEST(WindowSettings, MissingFileIsWrittenWithTheDefaults)
{
    GameTree tree;
    const auto path = tree.Resources() / "init.ini";
    const WindowSettings settings = WindowSystem::LoadSettings(path.string());
    EXPECT_EQ(settings.width, 1920);
    EXPECT_EQ(settings.height, 1080);
    EXPECT_EQ(settings.title, "Vesperine");
    EXPECT_EQ(ReadFile(path), "1920\n1080\nVesperine\n");

    // A folder that does not exist: defaults, nothing written, no failure.
    const auto nowhere = tree.Root() / "no-such-folder" / "init.ini";
    const WindowSettings fallback = WindowSystem::LoadSettings(nowhere.string());
    EXPECT_EQ(fallback.width, 1920);
    EXPECT_FALSE(std::filesystem::exists(nowhere));

    // Something there that cannot be read (a link to itself) is no missing file: left as it is.
    const auto loop = tree.Resources() / "loop.ini";
    std::filesystem::create_symlink("loop.ini", loop);
    testing::internal::CaptureStderr();
    EXPECT_EQ(WindowSystem::LoadSettings(loop.string()).width, 1920);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(std::filesystem::is_symlink(loop)) << "the link was written over";
    EXPECT_NE(said.find("loop.ini is there but cannot be read"), std::string::npos) << said;
}

TEST(WindowSettings, EachBadValueFallsBackAloneAndTheFileIsLeftAlone)
{
    GameTree tree;
    const auto path = tree.Resources() / "init.ini";
    struct Case {
        const char* text;
        int width;
        int height;
        const char* title;
    };
    const Case cases[] = {
        {"1280\n720\nNightShift\n", 1280, 720, "NightShift"},
        {"1280 720 Two Words", 1280, 720, "Two"},
        {"abc 720 Title", 1920, 720, "Title"},
        {"1280 wide Title", 1280, 1080, "Title"},
        {"0 -5 Title", 1920, 1080, "Title"},
        {"1280x720 900 Title", 1920, 900, "Title"},
        {"99999999999 720 Title", 1920, 720, "Title"},
        {"800 600", 800, 600, "Vesperine"},
        {"640", 640, 1080, "Vesperine"},
        {"", 1920, 1080, "Vesperine"},
    };
    for (const Case& c : cases) {
        WriteFile(path, c.text);
        const WindowSettings settings = WindowSystem::LoadSettings(path.string());
        EXPECT_EQ(settings.width, c.width) << c.text;
        EXPECT_EQ(settings.height, c.height) << c.text;
        EXPECT_EQ(settings.title, c.title) << c.text;
        EXPECT_EQ(ReadFile(path), c.text) << "a file that exists is never rewritten";
    }
    // A number past what an int holds is said to be too large, not to be no number.
    WriteFile(path, "99999999999 -99999999999 Title");
    testing::internal::CaptureStderr();
    WindowSystem::LoadSettings(path.string());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("width \"99999999999\" is too large; using 1920"), std::string::npos) << said;
    EXPECT_NE(said.find("height \"-99999999999\" is not a positive number; using 1080"), std::string::npos) << said;
}

TEST(WindowSettings, ANamedPipeOrAFolderAsTheFileIsLeftAndSaidWithoutWaiting)
{
    GameTree tree;
    const auto pipe = tree.Resources() / "pipe.ini";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    const auto folder = tree.Resources() / "folder.ini";
    std::filesystem::create_directory(folder);
    for (const auto& [path, cause] : {std::pair{pipe, "it is a named pipe"}, std::pair{folder, "it is a folder"}}) {
        testing::internal::CaptureStderr();
        const WindowSettings settings = WindowSystem::LoadSettings(path.string());  // a pipe must not block
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(settings.width, 1920);
        EXPECT_EQ(settings.title, "Vesperine");
        EXPECT_NE(said.find("is there but cannot be read (" + std::string(cause)), std::string::npos) << said;
        EXPECT_EQ(said.find("width"), std::string::npos) << "no value was read: " << said;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}
