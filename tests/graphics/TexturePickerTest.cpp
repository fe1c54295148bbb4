// The texture picker lists the sprite folder's .png files by bare name.
#include <gtest/gtest.h>
#include <imgui.h>

#include <filesystem>
#include <fstream>

#include "graphics/TexturePicker.h"
#include "support/TempResourceTree.h"

namespace {

TEST(TexturePicker, ListsPngFilesByBareNameInByteOrder)
{
    testsupport::TempResourceTree tree;
    const std::filesystem::path sprites = tree.Root() / "pick";
    std::filesystem::create_directories(sprites / "Nested.png");
    for (const char* name : {"b_1x2.png", "A.png", ".hidden.png", "notes.txt", "c.PNG", "Zed.png"})
        std::ofstream(sprites / name) << "x";

    EXPECT_EQ(TexturePicker::ListPngNames(sprites.string()),
              (std::vector<std::string>{"A.png", "Zed.png", "b_1x2.png"}));
    EXPECT_TRUE(TexturePicker::ListPngNames((tree.Root() / "missing").string()).empty());

    TexturePicker picker;
    EXPECT_FALSE(picker.IsOpen());
    picker.Open(sprites.string());
    EXPECT_TRUE(picker.IsOpen());
    EXPECT_EQ(picker.Names().size(), 3u);
}

TEST(TexturePicker, PopupOpensInsideAnInterfaceFrameAndStaysUntilClosed)
{
    testsupport::TempResourceTree tree;
    const std::filesystem::path sprites = tree.Root() / "pick";
    std::filesystem::create_directories(sprites);
    std::ofstream(sprites / "Door_1x2.png") << "x";

    const bool ownContext = ImGui::GetCurrentContext() == nullptr;
    if (ownContext)
        ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(800.0f, 600.0f);
    io.DeltaTime = 1.0f / 60.0f;
    unsigned char* pixels = nullptr;
    int w = 0, h = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);

    TexturePicker picker;
    std::string chosen;
    ImGui::NewFrame();
    EXPECT_FALSE(picker.Draw(chosen));  // closed: draws nothing
    ImGui::EndFrame();

    picker.Open(sprites.string());
    for (int frame = 0; frame < 3; ++frame) {
        ImGui::NewFrame();
        EXPECT_FALSE(picker.Draw(chosen));
        EXPECT_TRUE(ImGui::IsPopupOpen("Open and Load Texture"));
        ImGui::EndFrame();
    }
    EXPECT_TRUE(picker.IsOpen());
    EXPECT_TRUE(chosen.empty());
    if (ownContext)
        ImGui::DestroyContext();
}

}  // namespace
