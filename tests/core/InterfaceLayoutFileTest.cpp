// The interface library's layout file: the library is handed its bytes and never opens it, a
// layout is written only when it changed, and what is not a regular file there is left alone.
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "engine/InterfaceLayoutFile.h"
#include "support/OwnInterface.h"
#include "support/TempResourceTree.h"
#include "support/WatchedPipe.h"

namespace fs = std::filesystem;

namespace {

// One interface frame with the probe window, moved to `to` when given; its position after it.
ImVec2 Frame(const ImVec2* to = nullptr)
{
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(800.0f, 600.0f);
    io.DeltaTime = 1.0f;  // the library's delay before it asks for a save passes in a few frames
    unsigned char* pixels = nullptr;
    int w = 0, h = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
    ImGui::NewFrame();
    if (to)
        ImGui::SetNextWindowPos(*to);
    ImGui::Begin("Probe");
    if (to)
        ImGui::MarkIniSettingsDirty();  // as a drag by the mouse does
    const ImVec2 at = ImGui::GetWindowPos();
    ImGui::End();
    ImGui::EndFrame();
    return at;
}

// Moves the probe window and runs frames until the library asks for its layout to be saved.
bool MoveAndWaitForTheAsk(const ImVec2& to)
{
    Frame(&to);
    for (int frame = 0; frame < 30; ++frame) {
        if (ImGui::GetIO().WantSaveIniSettings)
            return true;
        Frame();
    }
    return false;
}

ino_t Inode(const fs::path& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(InterfaceLayoutFile, TheLibraryGetsTheBytesAndOnlyAChangedLayoutIsWritten)
{
    testsupport::TempResourceTree tree({});
    testsupport::OwnInterface own;
    ImGui::CreateContext();
    const fs::path file = tree.Work() / "imgui.ini";
    tree.WriteFile("work/imgui.ini", "[Window][Probe]\nPos=40,50\nSize=200,100\nCollapsed=0\n\n");
    Framework::InterfaceLayoutFile layout;
    layout.Load();
    EXPECT_EQ(ImGui::GetIO().IniFilename, nullptr);
    const ImVec2 read = Frame();
    EXPECT_EQ(read.x, 40.0f);
    EXPECT_EQ(read.y, 50.0f);

    ASSERT_TRUE(MoveAndWaitForTheAsk(ImVec2(300.0f, 200.0f)));
    layout.SaveIfAsked();
    EXPECT_FALSE(ImGui::GetIO().WantSaveIniSettings);
    EXPECT_NE(tree.ReadFile("work/imgui.ini").find("[Window][Probe]\nPos=300,200\n"), std::string::npos)
        << tree.ReadFile("work/imgui.ini");

    // Asked again with nothing changed, at a frame or at shutdown: the file is not written.
    const ino_t written = Inode(file);
    ImGui::GetIO().WantSaveIniSettings = true;
    layout.SaveIfAsked();
    layout.SaveIfAsked(true);
    EXPECT_EQ(Inode(file), written);
    EXPECT_FALSE(ImGui::GetIO().WantSaveIniSettings);
}

TEST(InterfaceLayoutFile, WhatIsNoRegularFileThereIsNeverReadNorWrittenAndTheDefaultLayoutIsUsed)
{
    testsupport::TempResourceTree tree({});
    for (const char* kind : {"it is a named pipe, not a file", "it is a folder, not a file"}) {
        SCOPED_TRACE(kind);
        testsupport::OwnInterface own;
        ImGui::CreateContext();
        const fs::path file = tree.Work() / "imgui.ini";
        const bool pipe = std::string(kind).find("pipe") != std::string::npos;
        std::optional<testsupport::WatchedPipe> watched;
        if (pipe)
            ASSERT_TRUE(watched.emplace(file).Made());
        else
            fs::create_directory(file);

        Framework::InterfaceLayoutFile layout;
        testing::internal::CaptureStderr();
        layout.Load();
        ASSERT_TRUE(MoveAndWaitForTheAsk(ImVec2(300.0f, 200.0f)));
        layout.SaveIfAsked();
        ASSERT_TRUE(MoveAndWaitForTheAsk(ImVec2(310.0f, 200.0f)));
        layout.SaveIfAsked(true);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said, "Interface: imgui.ini cannot be read (" + std::string(kind) +
                            "); the default layout is used and the file is left as it is\n");
        EXPECT_EQ(ImGui::GetIO().IniFilename, nullptr);
        EXPECT_TRUE(pipe ? fs::is_fifo(file) : fs::is_empty(file));
        EXPECT_FALSE(pipe && watched->Waited()) << "something opened the named pipe and waited on it";
        watched.reset();
        fs::remove(file);
    }
}

// The library asks once: a layout whose write failed is tried again at shutdown.
TEST(InterfaceLayoutFile, ALayoutWhoseWriteFailedIsWrittenAtShutdown)
{
    testsupport::TempResourceTree tree({});
    testsupport::OwnInterface own;
    ImGui::CreateContext();
    Framework::InterfaceLayoutFile layout("later/imgui.ini");  // its folder is not there yet
    layout.Load();
    ASSERT_TRUE(MoveAndWaitForTheAsk(ImVec2(300.0f, 200.0f)));
    testing::internal::CaptureStderr();
    layout.SaveIfAsked();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be written"), std::string::npos);
    fs::create_directory(tree.Work() / "later");
    layout.SaveIfAsked(true);
    EXPECT_NE(tree.ReadFile("work/later/imgui.ini").find("[Window][Probe]\nPos=300,200\n"), std::string::npos);
}

}  // namespace

