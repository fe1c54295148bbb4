// Runs the sprite tool into temporary folders and checks what the game will load.

#include <gtest/gtest.h>
#include <lodepng.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tools/make_sprites/ReportPages.h"

namespace fs = std::filesystem;

namespace {

const std::string kTool = std::string(VESPERINE_BINARY_DIR) + "/make_sprites";

// Every file the game and its levels name, with the fewest frames the code
// reaches into (frame numbers used by the scripts plus one).
const std::map<std::string, int> kExpected = {
    {"Empty_1x1.png", 1}, {"empty.png", 1}, {"Black.png", 1}, {"Numbers_4x4.png", 16},
    // People and creatures.
    {"Father_21x6.png", 125}, {"Nurse_2x5.png", 10}, {"NurseEvil.png", 1}, {"Surgeon_6x5.png", 27},
    {"Patient_6x5.png", 27}, {"Girl_1x6.png", 6}, {"LittleGirl_2x5.png", 10}, {"Teddy_3x3.png", 7},
    {"BigBear_1x6.png", 6}, {"TornBear.png", 1}, {"decapitatedRegularBear_1x1.png", 1}, {"HuggleBear.png", 1},
    {"EmoBear.png", 1}, {"TeddyHead.png", 1}, {"TeddyBody.png", 1}, {"Doll.png", 1}, {"SoftToy.png", 1},
    {"DollEye.png", 1}, {"Exclaimation.png", 1}, {"Crawler.png", 1},
    // Floors and walls.
    {"Tiles.png", 1}, {"TilesDirty.png", 1}, {"Wall_1x1.png", 1}, {"WallDirty_1x1.png", 1}, {"WallTop.png", 1},
    {"FloorWood.png", 1}, {"FloorCarpet.png", 1}, {"FloorConcrete.png", 1},
    // Furniture.
    {"Bed.png", 1}, {"BedBloody.png", 1}, {"Wheelchair.png", 1}, {"IVStand.png", 1}, {"Cabinet.png", 1},
    {"Cupboard_1x2.png", 2}, {"Curtain_1x2.png", 2}, {"Desk.png", 1}, {"Chair.png", 1}, {"Shelf.png", 1},
    {"Trolley.png", 1}, {"Sink.png", 1}, {"Plant.png", 1}, {"ReceptionTable_1x3.png", 3}, {"Rubble.png", 1},
    {"DaughterTable_1x2.png", 2}, {"OperatingTable_1x7.png", 7}, {"WallPipes.png", 1},
    {"LoosePipes_1x2.png", 2}, {"ScrapeTrail.png", 1},
    // Doors and openings.
    {"DoorClosed_1x1.png", 1}, {"DoorOpenv2_1x1.png", 1}, {"DoorOpenFully_1x1.png", 1}, {"Door_1x2.png", 2},
    {"DoorNursery.png", 1}, {"DoorChained.png", 1}, {"DoorDouble_1x2.png", 2}, {"Portal_1x2.png", 2},
    {"TrapDoor_1x5.png", 4}, {"HoleInWall.png", 1}, {"Lift_3x4.png", 9}, {"Glass_1x2.png", 2},
    // Puzzle pieces.
    {"Lever_1x2.png", 2}, {"Switch_1x2.png", 2}, {"TrafficLight_1x5.png", 5}, {"ClueBoard.png", 1},
    {"ClueBoard2.png", 1}, {"Generator_1x3.png", 3}, {"FamilyTree_1x5.png", 5}, {"TreeGrowth_1x5.png", 5},
    {"BlockBear_1x4.png", 4}, {"Painting_1x3.png", 3}, {"WallPortrait_1x4.png", 4}, {"Checkpoint_1x2.png", 2},
    {"Fire_1x4.png", 4}, {"Leak.png", 1}, {"TextOnWall.png", 1}, {"Blood_1x4.png", 4}, {"Note.png", 1},
    {"Shadow.png", 1},
    // Items and icons.
    {"IVBag.png", 1}, {"IVBagIcon_1x1.png", 1}, {"ABlock_1x1.png", 1}, {"BBlock_1x1.png", 1},
    {"ChainCutter_1x1.png", 1}, {"Crank_1x1.png", 1}, {"Pipe.png", 1}, {"nurseClothesSlant.png", 1},
    {"WeddingRing_1x3.png", 3}, {"Key.png", 1}, {"Lighter.png", 1}, {"Hacksaw.png", 1}, {"Scissors.png", 1},
    {"Torch.png", 1},
    // Dialogue, prompts and overlays.
    {"Portraits_1x2.png", 2}, {"DialogueBox.png", 1}, {"TextBox_4x3.png", 11}, {"YesSelect_1x2.png", 2},
    {"NoSelect_1x2.png", 2}, {"PlayerE.png", 1}, {"PlayerText_2x4.png", 6}, {"RedScreen.png", 1},
    // Menus.
    {"Title.png", 1}, {"ButtonStart_1x2.png", 2}, {"ButtonCredits_1x2.png", 2}, {"ButtonHTP_1x2.png", 2},
    {"ButtonQuit_1x2.png", 2}, {"ButtonResume_1x2.png", 2}, {"ButtonContinue_1x2.png", 2},
    {"ButtonRestart_1x2.png", 2}, {"ButtonMain_1x2.png", 2}, {"ButtonYes_1x2.png", 2}, {"ButtonNo_1x2.png", 2},
    {"AreYouSure.png", 1}, {"Credits.png", 1}, {"HTP.png", 1}, {"PauseHTP.png", 1}, {"MenuBackground.png", 1}, {"SchoolLogo.png", 1},
    {"TeamLogo.png", 1}, {"GameOver.png", 1},
    // Pictures.
    {"BearScare_1x4.png", 4}, {"ExperimentReports_4x1.png", 4}, {"NotesDrawing_1x2.png", 2},
    {"Intro1.png", 1}, {"Intro2.png", 1}, {"Intro3.png", 1}, {"Intro4.png", 1}, {"Intro5.png", 1},
    {"Intro6.png", 1}, {"Intro7.png", 1}, {"Intro8.png", 1},
    {"Ending1.png", 1}, {"Ending2.png", 1}, {"Ending3.png", 1}, {"Ending4.png", 1}, {"Ending5.png", 1},
    {"Ending6.png", 1}, {"Ending7.png", 1}, {"Ending8.png", 1}, {"Ending9.png", 1}, {"Ending10.png", 1},
    {"Ending11.png", 1}, {"Ending12.png", 1}, {"Ending13.png", 1}, {"Ending14.png", 1},
    {"Ring1_1x1.png", 1}, {"Ring2_1x1.png", 1}, {"Ring3_1x1.png", 1}, {"Ring4_1x1.png", 1}, {"Ring5_1x1.png", 1},
    {"Ring6_1x1.png", 1},
};

const std::set<std::string> kTransparent = {"Empty_1x1.png", "empty.png"};

struct Grid {
    int rows = 1;
    int columns = 1;
};

// The game's rule: "Name_RxC.png" (whole name, no underscore in Name) is R rows and C columns.
Grid gridOf(const std::string& name) {
    static const std::regex pattern("([0-9a-zA-Z]+)_([0-9]+)x([0-9]+)\\.png");
    std::smatch match;
    if (!std::regex_match(name, match, pattern)) return Grid{};
    return Grid{std::stoi(match[2]), std::stoi(match[3])};
}

struct Image {
    std::vector<unsigned char> pixels;
    unsigned width = 0;
    unsigned height = 0;
    unsigned alpha(unsigned x, unsigned y) const { return pixels[(static_cast<size_t>(y) * width + x) * 4 + 3]; }
};

std::vector<unsigned char> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

ToolRun runTool(const std::string& arguments, const fs::path& scratch) {
    fs::path log = scratch / "tool-output.txt";
    std::string command = "\"" + kTool + "\" " + arguments + " > \"" + log.string() + "\" 2>&1";
    int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(log);
    run.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return run;
}

class MakeSpritesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/vesperine-sprites-XXXXXX";
        char* made = mkdtemp(pattern);
        ASSERT_NE(made, nullptr);
        root_ = made;
        ASSERT_TRUE(fs::exists(kTool)) << kTool << " is not built";
        first_ = runTool("\"" + (root_ / "first").string() + "\"", root_);
    }

    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    static fs::path sprites(const char* run) { return root_ / run / "sprites"; }

    static Image load(const std::string& name) {
        Image image;
        unsigned code = lodepng::decode(image.pixels, image.width, image.height, (sprites("first") / name).string());
        EXPECT_EQ(code, 0u) << name << ": " << lodepng_error_text(code);
        return image;
    }

    static fs::path root_;
    static ToolRun first_;
};

fs::path MakeSpritesTest::root_;
ToolRun MakeSpritesTest::first_;

TEST_F(MakeSpritesTest, SucceedsWithOneSummaryLine) {
    EXPECT_EQ(first_.exitCode, 0) << first_.output;
    ASSERT_FALSE(first_.output.empty());
    EXPECT_EQ(first_.output.find('\n'), first_.output.size() - 1) << first_.output;
    EXPECT_NE(first_.output.find(std::to_string(kExpected.size()) + " sprites"), std::string::npos) << first_.output;
}

TEST_F(MakeSpritesTest, WritesExactlyTheExpectedFiles) {
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(sprites("first"))) found.insert(entry.path().filename().string());
    std::set<std::string> expected;
    for (const auto& item : kExpected) expected.insert(item.first);
    EXPECT_EQ(found, expected);  // no leftovers such as temporary files, nothing missing
}

TEST_F(MakeSpritesTest, EveryFileIsAnRgbaPngWhoseGridDividesEvenly) {
    for (const auto& [name, minFrames] : kExpected) {
        SCOPED_TRACE(name);
        std::vector<unsigned char> bytes = readBytes(sprites("first") / name);
        ASSERT_FALSE(bytes.empty());
        lodepng::State state;
        unsigned width = 0, height = 0;
        std::vector<unsigned char> pixels;
        ASSERT_EQ(lodepng::decode(pixels, width, height, state, bytes), 0u);
        EXPECT_EQ(state.info_png.color.colortype, LCT_RGBA);
        EXPECT_EQ(state.info_png.color.bitdepth, 8u);
        Grid grid = gridOf(name);
        EXPECT_EQ(width % static_cast<unsigned>(grid.columns), 0u);
        EXPECT_EQ(height % static_cast<unsigned>(grid.rows), 0u);
        EXPECT_GE(grid.rows * grid.columns, minFrames) << "the scripts show frames this sheet lacks";
    }
}

TEST_F(MakeSpritesTest, NameRuleReadsRowsThenColumns) {
    EXPECT_EQ(gridOf("Girl_1x6.png").columns, 6);
    EXPECT_EQ(gridOf("ExperimentReports_4x1.png").rows, 4);
    EXPECT_EQ(gridOf("TilesDirty.png").rows, 1);
    EXPECT_EQ(gridOf("My_Sheet_2x2.png").rows, 1);
    // Four rows of one page: the picture is four pages tall.
    Image reports = load("ExperimentReports_4x1.png");
    EXPECT_GT(reports.height, reports.width * 3);
    Image girl = load("Girl_1x6.png");
    EXPECT_EQ(girl.width, girl.height * 6);
}

TEST_F(MakeSpritesTest, TheWardsReportPageBearsWhatTheFatherWondersAt) {
    // Both notes of the girl's ward open page 2; after them he wonders at an erratic pulse and
    // seizures, then at her death.
    std::string page;
    for (const std::string& line : sprites::reportPage(2).lines) page += line + " ";
    for (const char* words : {"Pulse erratic", "Seizures", "deceased"}) EXPECT_NE(page.find(words), std::string::npos) << words;
}

TEST_F(MakeSpritesTest, PlaceholdersAreFullyTransparent) {
    for (const std::string& name : kTransparent) {
        SCOPED_TRACE(name);
        Image image = load(name);
        ASSERT_GT(image.width, 0u);
        for (unsigned y = 0; y < image.height; ++y)
            for (unsigned x = 0; x < image.width; ++x) ASSERT_EQ(image.alpha(x, y), 0u);
    }
}

TEST_F(MakeSpritesTest, EveryFrameOfEverySheetShowsSomething) {
    for (const auto& item : kExpected) {
        const std::string& name = item.first;
        if (kTransparent.count(name)) continue;
        SCOPED_TRACE(name);
        Image image = load(name);
        Grid grid = gridOf(name);
        unsigned fw = image.width / grid.columns;
        unsigned fh = image.height / grid.rows;
        std::set<std::vector<unsigned char>> distinct;
        for (int frame = 0; frame < grid.rows * grid.columns; ++frame) {
            unsigned x0 = (frame % grid.columns) * fw;
            unsigned y0 = (frame / grid.columns) * fh;
            unsigned visible = 0;
            std::vector<unsigned char> copy;
            copy.reserve(static_cast<size_t>(fw) * fh * 4);
            for (unsigned y = y0; y < y0 + fh; ++y) {
                for (unsigned x = x0; x < x0 + fw; ++x) {
                    if (image.alpha(x, y) >= 64) ++visible;
                    const unsigned char* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 4];
                    copy.insert(copy.end(), p, p + 4);
                }
            }
            EXPECT_GT(visible, fw * fh / 200) << "frame " << frame << " is blank";
            distinct.insert(copy);
        }
        if (grid.rows * grid.columns > 1) {
            EXPECT_GT(distinct.size(), 1u) << "all frames are the same picture";
        }
    }
}

TEST_F(MakeSpritesTest, ButtonsLookDifferentWhenHighlighted) {
    for (const char* name : {"ButtonStart_1x2.png", "ButtonQuit_1x2.png", "YesSelect_1x2.png", "NoSelect_1x2.png",
                             "Checkpoint_1x2.png"}) {
        SCOPED_TRACE(name);
        Image image = load(name);
        unsigned half = image.width / 2;
        size_t differing = 0;
        for (unsigned y = 0; y < image.height; ++y) {
            for (unsigned x = 0; x < half; ++x) {
                const unsigned char* left = &image.pixels[(y * image.width + x) * 4];
                const unsigned char* right = &image.pixels[(y * image.width + x + half) * 4];
                if (!std::equal(left, left + 4, right)) ++differing;
            }
        }
        EXPECT_GT(differing, static_cast<size_t>(half) * image.height / 20);
    }
}

TEST_F(MakeSpritesTest, PauseAndQuitPanelsHideWhatLiesUnderThem) {
    // Inside their rims, both frames: no level, thought or prompt may show through.
    for (const char* name : {"ButtonResume_1x2.png", "ButtonHTP_1x2.png", "ButtonQuit_1x2.png", "ButtonYes_1x2.png",
                             "ButtonNo_1x2.png", "AreYouSure.png"}) {
        SCOPED_TRACE(name);
        Image image = load(name);
        const unsigned inset = image.height / 8, frame = image.width / gridOf(name).columns;
        for (unsigned y = inset; y < image.height - inset; ++y)
            for (unsigned x = 0; x < image.width; ++x) {
                if (x % frame < inset || x % frame >= frame - inset) continue;
                ASSERT_EQ(image.alpha(x, y), 255u) << x << "," << y;
            }
    }
}

TEST_F(MakeSpritesTest, ConcreteAndCarpetFloorsMeetTheNextTileWithoutASeam) {
    // A room lays its floor picture edge to edge: across its own edges (right into left, bottom
    // into top) the picture steps no more than across lines inside it.
    for (const char* name : {"FloorConcrete.png", "FloorCarpet.png"}) {
        Image image = load(name);
        ASSERT_EQ(image.width, image.height) << name;
        const unsigned n = image.width;
        for (bool columns : {true, false}) {
            auto grey = [&](unsigned across, unsigned along) {
                const unsigned x = columns ? across % n : along, y = columns ? along : across % n;
                const unsigned char* p = &image.pixels[(static_cast<size_t>(y) * n + x) * 4];
                return (p[0] + p[1] + p[2]) / 3.0;
            };
            // The step across the line before `b`: bands of four pixels either side, compared in
            // blocks of eight along the line.
            auto step = [&](unsigned b) {
                double total = 0.0;
                for (unsigned s = 0; s + 8 <= n; s += 8) {
                    double before = 0.0, after = 0.0;
                    for (unsigned t = s; t < s + 8; ++t)
                        for (unsigned k = 0; k < 4; ++k) {
                            before += grey(b + n - 1 - k, t);
                            after += grey(b + k, t);
                        }
                    total += std::abs(before - after);
                }
                return total;
            };
            double inside = 0.0;
            for (unsigned b = 8; b < n; b += 16)
                inside += step(b) / (n / 16);
            EXPECT_LE(step(0), 2.0 * inside) << name << (columns ? ": right edge into left" : ": bottom edge into top");
        }
    }
}

TEST_F(MakeSpritesTest, TwoRunsWriteIdenticalBytes) {
    ToolRun second = runTool("\"" + (root_ / "second").string() + "\"", root_);
    ASSERT_EQ(second.exitCode, 0) << second.output;
    for (const auto& item : kExpected) {
        SCOPED_TRACE(item.first);
        std::vector<unsigned char> a = readBytes(sprites("first") / item.first);
        std::vector<unsigned char> b = readBytes(sprites("second") / item.first);
        ASSERT_FALSE(a.empty());
        EXPECT_TRUE(a == b);
    }
}

TEST_F(MakeSpritesTest, RefusesBadArgumentsWithoutWriting) {
    ToolRun none = runTool("", root_);
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_NE(none.output.find("usage"), std::string::npos);

    // A resources path under a regular file cannot be created.
    fs::path blocker = root_ / "not-a-folder";
    std::ofstream(blocker) << "x";
    ToolRun blocked = runTool("\"" + (blocker / "resources").string() + "\"", root_);
    EXPECT_NE(blocked.exitCode, 0);
    EXPECT_NE(blocked.output.find("cannot create"), std::string::npos) << blocked.output;
}

TEST_F(MakeSpritesTest, ReplacesAnOldFileInPlace) {
    // A stale or broken file from an earlier set-up is overwritten, not kept.
    fs::path folder = root_ / "stale";
    fs::create_directories(folder / "sprites");
    std::ofstream(folder / "sprites" / "Tiles.png") << "not a png";
    ToolRun run = runTool("\"" + folder.string() + "\"", root_);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(readBytes(folder / "sprites" / "Tiles.png") == readBytes(sprites("first") / "Tiles.png"));
}

}  // namespace
