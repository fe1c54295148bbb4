// The style file's values go to the settings their keys name, wherever they stand.
#include <sstream>

#include "EditorTestSupport.h"
#include "editor/StyleFile.h"

namespace {

// A style unlike the default in every setting the tests move, and the file the editor writes
// for it.
ImGuiStyle Edited()
{
    ImGuiStyle style;
    style.WindowPadding = ImVec2(3.5f, 12.0f);
    style.WindowRounding = 7.0f;
    style.FramePadding = ImVec2(2.0f, 9.0f);
    style.ScrollbarSize = 21.0f;
    style.Colors[ImGuiCol_Text] = ImVec4(0.1f, 0.2f, 0.3f, 0.4f);
    style.Colors[ImGuiCol_WindowBg] = ImVec4(0.9f, 0.8f, 0.7f, 0.6f);
    return style;
}

// The block of `key` (its line and its value lines) cut out of text.
std::string CutBlock(std::string& text, const std::string& key, int valueLines)
{
    const size_t start = text.find("\n" + key + "\n") + 1;
    size_t end = start;
    for (int i = 0; i <= valueLines; ++i)
        end = text.find('\n', end) + 1;
    const std::string block = text.substr(start, end - start);
    text.erase(start, end - start);
    return block;
}

// Puts `block` before the line of `key`.
void InsertBefore(std::string& text, const std::string& key, const std::string& block)
{
    text.insert(text.find("\n" + key + "\n") + 1, block);
}

struct Reading {
    FileRead read;
    std::string error;
    ImGuiStyle style;
};

Reading ReadStyle(const std::string& text)
{
    Reading reading{FileRead::Unread, "", ImGuiStyle()};
    StyleFile::SpareColours spare{};
    std::istringstream in(text);
    reading.read = StyleFile::Read(in, reading.style, spare, reading.error);
    return reading;
}

TEST_F(EditorTest, StyleValuesGoToTheSettingsTheirKeysNameInWhateverOrderTheyStand)
{
    const std::string written = StyleFile::Write(Edited(), StyleFile::SpareColours{});
    // Two settings and two colours swapped, each key with its value; ScrollbarSize moved last.
    std::string moved = written;
    const std::string rounding = CutBlock(moved, "WindowRounding", 1);
    InsertBefore(moved, "ItemSpacing", rounding);
    const std::string padding = CutBlock(moved, "FramePadding", 1);
    InsertBefore(moved, "WindowPadding", padding);
    const std::string text = CutBlock(moved, "Text", 2);
    InsertBefore(moved, "ChildWindowBg", text);
    const std::string scrollbar = CutBlock(moved, "ScrollbarSize", 1);
    InsertBefore(moved, "/EditorSetting", scrollbar);
    ASSERT_NE(moved, written);

    const Reading reading = ReadStyle(moved);
    ASSERT_EQ(reading.read, FileRead::Whole) << reading.error;
    EXPECT_EQ(reading.style.WindowRounding, 7.0f);
    EXPECT_EQ(reading.style.FramePadding.y, 9.0f);
    EXPECT_EQ(reading.style.WindowPadding.y, 12.0f);
    EXPECT_EQ(reading.style.ScrollbarSize, 21.0f);
    EXPECT_EQ(reading.style.Colors[ImGuiCol_Text].w, 0.4f);
    EXPECT_EQ(reading.style.Colors[ImGuiCol_WindowBg].x, 0.9f);
    EXPECT_EQ(StyleFile::Write(reading.style, StyleFile::SpareColours{}), written) << "another setting took a value";

}

TEST_F(EditorTest, AStyleKeyNoSettingTakesIsNamedWhereverItStands)
{
    const std::string written = StyleFile::Write(Edited(), StyleFile::SpareColours{});

    // A key no setting takes, with its values, between two settings: named, and every value read.
    std::string unknown = written;
    InsertBefore(unknown, "FramePadding", "Foo\n1 2\n");
    Reading reading = ReadStyle(unknown);
    EXPECT_EQ(reading.read, FileRead::GoesOn) << reading.error;
    EXPECT_NE(reading.error.find("\"Foo\" before its end line is no setting of the file"), std::string::npos)
        << reading.error;
    EXPECT_EQ(reading.error.find("missing"), std::string::npos) << reading.error;
    EXPECT_EQ(StyleFile::Write(reading.style, StyleFile::SpareColours{}), written);

    // A key misspelt: its setting is missing, and the word is named too; nothing is taken.
    std::string misspelt = written;
    misspelt.replace(misspelt.find("\nFramePadding\n"), 14, "\nFramePaddin\n");
    reading = ReadStyle(misspelt);
    EXPECT_EQ(reading.read, FileRead::Unread);
    EXPECT_NE(reading.error.find("setting \"FramePadding\" is missing"), std::string::npos) << reading.error;
    EXPECT_NE(reading.error.find("\"FramePaddin\""), std::string::npos) << reading.error;
    EXPECT_EQ(reading.style.WindowRounding, ImGuiStyle().WindowRounding);

    // A key given twice: the last value holds, and it is said, so the file is kept aside.
    std::string twice = written;
    InsertBefore(twice, "/EditorSetting", "WindowRounding\n3\n");
    reading = ReadStyle(twice);
    EXPECT_EQ(reading.read, FileRead::GoesOn);
    EXPECT_NE(reading.error.find("\"WindowRounding\" given more than once"), std::string::npos) << reading.error;
    EXPECT_EQ(reading.style.WindowRounding, 3.0f);
}

}  // namespace
