// The real game with something that is no regular file where it writes its log or keeps the
// interface's layout (imgui.ini, in its working folder): it starts, draws, enters the editor and
// quits, each said once on the console and left as it is.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "support/DisplayRequired.h"
#include "support/GameProcess.h"
#include "support/WatchedPipe.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(OddFilesAtStart, APipeOrFolderAtTheLogOrTheLayoutFileNeitherStopsTheStartNorTheEditor)
{
    REQUIRE_DISPLAY();
    struct Case {
        bool pipes;  // pipes at the log and at the layout file; otherwise a folder at the log
        std::string said;
    };
    const Case cases[] = {
        {true, "Log: ../logs/.txt is not written (it is a named pipe, not a file)"},
        {false, "Log: ../logs/.txt is not written (it is a folder, not a file)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        testsupport::GameProcess game;
        const fs::path log = game.tree.Root() / "logs" / ".txt";
        const fs::path layout = game.tree.Work() / "imgui.ini";
        // A game that opened the log's pipe would wait for a reader until it is killed; one that
        // opened the layout's would be let go by a writer after a minute, and say so.
        std::optional<testsupport::WatchedPipe> layoutPipe;
        if (c.pipes) {
            ASSERT_EQ(mkfifo(log.c_str(), 0644), 0);
            ASSERT_TRUE(layoutPipe.emplace(layout, 60s).Made());
        } else {
            game.tree.WriteFile("logs/.txt/kept", "mine");
        }
        // The editor reads this level and says so once it runs.
        game.tree.WriteFile("resources/level/Level1.txt", "Level1\n\nCamera\n10\nNone\nNoSuchPart\n");
        game.Start();
        const std::string window = game.WaitForWindow(90s);
        ASSERT_FALSE(window.empty()) << "the start waits\n" << game.Output();
        ASSERT_TRUE(game.WaitUntil([&] {
            const testsupport::WindowPicture picture = game.Grab();
            return !picture.Empty() && picture.LitShare(0, 0, picture.width, picture.height) > 0.01;
        }, 90s, "the splash's first logo")) << game.Output();

        if (c.pipes) {
            // Into the editor (Left Shift+F5) until its level's line is out, then quit from there
            // (Left Ctrl+Escape): the interface's first frames went by.
            const std::string to = " --window " + window + " ";
            const auto inEditor = [&] { return game.Output().find("object \"Camera\" names unknown") != std::string::npos; };
            for (int attempt = 0; attempt < 20 && game.Running() && !inEditor(); ++attempt) {
                testsupport::Capture("xdotool keydown" + to + "Shift_L sleep 0.3 keydown" + to + "F5 sleep 0.3 keyup" + to +
                                     "F5 sleep 0.3 keyup" + to + "Shift_L 2>/dev/null");
                game.WaitUntil(inEditor, 3s, "the editor's line about its level");
            }
            ASSERT_TRUE(inEditor()) << game.Output();
            testsupport::Capture("xdotool keydown" + to + "Control_L 2>/dev/null");
            for (int attempt = 0; attempt < 60 && game.Running(); ++attempt)
                testsupport::Capture("xdotool keydown" + to + "Escape sleep 0.3 keyup" + to + "Escape sleep 0.5 2>/dev/null");
            testsupport::Capture("xdotool keyup Escape keyup Control_L keyup Shift_L 2>/dev/null");
            EXPECT_EQ(game.WaitForExit(60s), 0) << "the editor waits\n" << game.Output();
            EXPECT_EQ(Count(game.Output(), "Interface: imgui.ini cannot be read (it is a named pipe, not a file)"), 1u)
                << game.Output();
            EXPECT_TRUE(fs::is_fifo(layout));
            EXPECT_FALSE(layoutPipe->Waited()) << "the game opened imgui.ini and waited on it";
            EXPECT_TRUE(fs::is_fifo(log));
        } else {
            EXPECT_EQ(game.tree.ReadFile("logs/.txt/kept"), "mine");
        }
        EXPECT_EQ(Count(game.Output(), c.said), 1u) << game.Output();
    }
}

}  // namespace
