// make_sprites <resources-dir>: draws every sprite the game uses into <resources-dir>/sprites/.
// The list below is the one place that names them; every picture is drawn by
// this program, with fixed seeds, so every run writes the same bytes.

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tools/make_sprites/Characters.h"
#include "tools/make_sprites/FloorOneWings.h"
#include "tools/make_sprites/Interface.h"
#include "tools/make_sprites/Pictures.h"
#include "tools/make_sprites/Props.h"
#include "tools/make_sprites/Tiles.h"
#include "tools/make_sprites/SpriteSheet.h"

using namespace sprites;

namespace {

// Draws picture number `n` of a numbered series into every frame.
FrameFn picture(void (*draw)(Canvas&, int), int n) {
    return [draw, n](Canvas& frame, int) { draw(frame, n); };
}

// Every file the game reads from the sprite folder. "Name_RxC.png" holds R rows
// and C columns of frames of the given size; frame n is row n / C, column n % C,
// counted from the top-left.
std::vector<SpriteSheet> allSprites() {
    std::vector<SpriteSheet> list = {
        // Placeholders the engine falls back on: fully transparent.
        {"Empty_1x1.png", 1, 1, 8, 8, drawEmpty},
        {"empty.png", 1, 1, 8, 8, drawEmpty},
        {"Black.png", 1, 1, 16, 16, drawBlack},
        {"Numbers_4x4.png", 4, 4, 64, 64, drawNumbers},

        // People and creatures.
        {"Father_21x6.png", 21, 6, 128, 128, drawFather},
        {"Nurse_2x5.png", 2, 5, 128, 128, drawNurse},
        {"NurseEvil.png", 1, 1, 128, 128, drawNurseEvil},
        {"Surgeon_6x5.png", 6, 5, 128, 128, drawSurgeon},
        {"Patient_6x5.png", 6, 5, 128, 128, drawPatient},
        {"Girl_1x6.png", 1, 6, 128, 128, drawGirlWalk},
        {"LittleGirl_2x5.png", 2, 5, 128, 128, drawLittleGirl},
        {"Teddy_3x3.png", 3, 3, 128, 128, drawTeddy},
        {"BigBear_1x6.png", 1, 6, 256, 256, drawBigBear},
        {"TornBear.png", 1, 1, 128, 128, drawTornBear},
        {"decapitatedRegularBear_1x1.png", 1, 1, 128, 128, drawHeadlessBear},
        {"HuggleBear.png", 1, 1, 128, 128, drawHuggleBear},
        {"EmoBear.png", 1, 1, 128, 128, drawEmoBear},
        {"TeddyHead.png", 1, 1, 64, 64, drawTeddyHead},
        {"TeddyBody.png", 1, 1, 128, 128, drawTeddyBody},
        {"Doll.png", 1, 1, 64, 64, drawDoll},
        {"SoftToy.png", 1, 1, 64, 64, drawSoftToy},
        {"DollEye.png", 1, 1, 32, 32, drawDollEye},
        {"Exclaimation.png", 1, 1, 64, 64, drawExclamation},
        {"Crawler.png", 1, 1, 128, 128, drawCrawler},

        // Floors and walls.
        {"Tiles.png", 1, 1, 512, 512, drawTiles},
        {"TilesDirty.png", 1, 1, 512, 512, drawTilesDirty},
        {"Wall_1x1.png", 1, 1, 256, 256, drawWall},
        {"WallDirty_1x1.png", 1, 1, 256, 256, drawWallDirty},
        {"WallTop.png", 1, 1, 128, 128, drawWallTop},
        {"FloorWood.png", 1, 1, 512, 512, drawFloorWood},
        {"FloorCarpet.png", 1, 1, 512, 512, drawFloorCarpet},
        {"FloorConcrete.png", 1, 1, 512, 512, drawFloorConcrete},

        // Furniture.
        {"Bed.png", 1, 1, 128, 192, drawBed},
        {"BedBloody.png", 1, 1, 128, 192, drawBedBloody},
        {"Wheelchair.png", 1, 1, 128, 128, drawWheelchair},
        {"IVStand.png", 1, 1, 64, 128, drawIVStand},
        {"Cabinet.png", 1, 1, 128, 128, drawCabinet},
        {"Cupboard_1x2.png", 1, 2, 128, 128, drawCupboard},
        {"Curtain_1x2.png", 1, 2, 128, 128, drawCurtain},
        {"Desk.png", 1, 1, 192, 128, drawDesk},
        {"Chair.png", 1, 1, 64, 64, drawChair},
        {"Shelf.png", 1, 1, 128, 128, drawShelf},
        {"Trolley.png", 1, 1, 128, 96, drawTrolley},
        {"Sink.png", 1, 1, 96, 96, drawSink},
        {"Plant.png", 1, 1, 64, 96, drawPlant},
        {"ReceptionTable_1x3.png", 1, 3, 256, 128, drawReceptionTable},
        {"Rubble.png", 1, 1, 128, 128, drawRubble},
        {"DaughterTable_1x2.png", 1, 2, 128, 128, drawDaughterTable},
        {"OperatingTable_1x7.png", 1, 7, 192, 128, drawOperatingTable},
        {"WallPipes.png", 1, 1, 128, 128, drawWallPipes},
        {"LoosePipes_1x2.png", 1, 2, 192, 96, drawLoosePipes}, {"ScrapeTrail.png", 1, 1, 96, 128, drawScrapeTrail},

        // Doors and openings.
        {"DoorClosed_1x1.png", 1, 1, 128, 128, drawDoorClosed},
        {"DoorOpenv2_1x1.png", 1, 1, 128, 128, drawDoorAjar},
        {"DoorOpenFully_1x1.png", 1, 1, 128, 128, drawDoorOpenFully},
        {"Door_1x2.png", 1, 2, 128, 128, drawDoor},
        {"DoorNursery.png", 1, 1, 128, 128, drawDoorNursery},
        {"DoorChained.png", 1, 1, 128, 128, drawDoorChained},
        {"DoorDouble_1x2.png", 1, 2, 128, 128, drawDoorDouble},
        {"Portal_1x2.png", 1, 2, 128, 128, drawPortal},
        {"TrapDoor_1x5.png", 1, 5, 128, 128, drawTrapDoor},
        {"HoleInWall.png", 1, 1, 128, 128, drawHoleInWall},
        {"Lift_3x4.png", 3, 4, 128, 128, drawLift},
        {"Glass_1x2.png", 1, 2, 128, 128, drawGlass},

        // Puzzle pieces and room details.
        {"Lever_1x2.png", 1, 2, 64, 128, drawLever},
        {"Switch_1x2.png", 1, 2, 64, 64, drawSwitch},
        {"TrafficLight_1x5.png", 1, 5, 64, 128, drawTrafficLight},
        {"ClueBoard.png", 1, 1, 128, 128, drawClueBoard},
        {"ClueBoard2.png", 1, 1, 128, 128, drawClueBoard2},
        {"Generator_1x3.png", 1, 3, 128, 128, drawGenerator},
        {"FamilyTree_1x5.png", 1, 5, 192, 192, drawFamilyTree},
        {"TreeGrowth_1x5.png", 1, 5, 192, 192, drawTreeGrowth},
        {"BlockBear_1x4.png", 1, 4, 128, 128, drawBlockBear},
        {"Painting_1x3.png", 1, 3, 128, 128, drawPainting},
        {"WallPortrait_1x4.png", 1, 4, 128, 128, drawWallPortrait},
        {"Checkpoint_1x2.png", 1, 2, 64, 64, drawCheckpoint},
        {"Fire_1x4.png", 1, 4, 128, 128, drawFire},
        {"Leak.png", 1, 1, 128, 64, drawLeak},
        {"TextOnWall.png", 1, 1, 256, 128, drawTextOnWall},
        {"Blood_1x4.png", 1, 4, 128, 128, drawBlood},
        {"Note.png", 1, 1, 64, 64, drawNote},
        {"Shadow.png", 1, 1, 64, 32, drawShadow},

        // Items and the icons shown while they are carried.
        {"IVBag.png", 1, 1, 64, 64, drawIVBag},
        {"IVBagIcon_1x1.png", 1, 1, 64, 64, drawIVBag},
        {"ABlock_1x1.png", 1, 1, 64, 64, drawBlockA},
        {"BBlock_1x1.png", 1, 1, 64, 64, drawBlockB},
        {"ChainCutter_1x1.png", 1, 1, 64, 64, drawChainCutter},
        {"Crank_1x1.png", 1, 1, 64, 64, drawCrank},
        {"Pipe.png", 1, 1, 64, 64, drawPipe},
        {"nurseClothesSlant.png", 1, 1, 64, 64, drawNurseClothes},
        {"WeddingRing_1x3.png", 1, 3, 64, 64, drawWeddingRing},
        {"Key.png", 1, 1, 64, 64, drawKey},
        {"Lighter.png", 1, 1, 64, 64, drawLighter},
        {"Hacksaw.png", 1, 1, 64, 64, drawHacksaw},
        {"Scissors.png", 1, 1, 64, 64, drawScissors},
        {"Torch.png", 1, 1, 64, 64, drawTorchItem},

        // Dialogue, prompts and overlays.
        {"Portraits_1x2.png", 1, 2, 256, 256, drawPortraits},
        {"DialogueBox.png", 1, 1, 1024, 224, drawDialogueBox},
        {"TextBox_4x3.png", 4, 3, 1024, 224, drawTextBox},
        {"YesSelect_1x2.png", 1, 2, 256, 112, drawYesSelect},
        {"NoSelect_1x2.png", 1, 2, 256, 112, drawNoSelect},
        {"PlayerE.png", 1, 1, 64, 64, drawPromptE},
        {"PlayerText_2x4.png", 2, 4, 384, 96, drawPlayerText},
        {"RedScreen.png", 1, 1, 480, 270, drawRedScreen},

        // Menus.
        {"Title.png", 1, 1, 1024, 256, drawTitle},
        {"ButtonStart_1x2.png", 1, 2, 512, 128, drawButtonStart},
        {"ButtonCredits_1x2.png", 1, 2, 512, 128, drawButtonCredits},
        {"ButtonHTP_1x2.png", 1, 2, 512, 128, drawButtonHowToPlay},
        {"ButtonQuit_1x2.png", 1, 2, 512, 128, drawButtonQuit},
        {"ButtonResume_1x2.png", 1, 2, 512, 128, drawButtonResume},
        {"ButtonContinue_1x2.png", 1, 2, 512, 128, drawButtonContinue},
        {"ButtonRestart_1x2.png", 1, 2, 512, 128, drawButtonRestart},
        {"ButtonMain_1x2.png", 1, 2, 512, 128, drawButtonMainMenu},
        {"ButtonYes_1x2.png", 1, 2, 512, 128, drawButtonYes},
        {"ButtonNo_1x2.png", 1, 2, 512, 128, drawButtonNo},
        {"AreYouSure.png", 1, 1, 768, 256, drawAreYouSure},
        {"Credits.png", 1, 1, 960, 540, drawCredits},
        {"HTP.png", 1, 1, 960, 540, drawHowToPlay},
        {"PauseHTP.png", 1, 1, 960, 540, drawPauseHowToPlay},
        {"MenuBackground.png", 1, 1, 960, 540, drawMenuBackground},
        {"SchoolLogo.png", 1, 1, 960, 540, drawSchoolLogo},
        {"TeamLogo.png", 1, 1, 960, 540, drawTeamLogo},
        {"GameOver.png", 1, 1, 960, 540, drawGameOver},

        // Pictures shown over the game.
        {"BearScare_1x4.png", 1, 4, 640, 360, drawBearScare},
        {"ExperimentReports_4x1.png", 4, 1, 512, 640, drawReports},
        {"NotesDrawing_1x2.png", 1, 2, 512, 512, drawChildDrawings},
    };
    for (int i = 0; i < 8; ++i)
        list.push_back({"Intro" + std::to_string(i + 1) + ".png", 1, 1, 800, 450, picture(drawIntro, i)});
    for (int i = 0; i < 14; ++i)
        list.push_back({"Ending" + std::to_string(i + 1) + ".png", 1, 1, 800, 450, picture(drawEnding, i)});
    for (int i = 0; i < 6; ++i)
        list.push_back({"Ring" + std::to_string(i + 1) + "_1x1.png", 1, 1, 800, 450, picture(drawRing, i)});
    return list;
}

bool makeDirectory(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    return mkdir(path.c_str(), 0755) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sprites <resources-dir>\n");
        return 2;
    }
    std::string folder = std::string(argv[1]) + "/sprites";
    if (!makeDirectory(argv[1]) || !makeDirectory(folder)) {
        std::fprintf(stderr, "make_sprites: cannot create %s\n", folder.c_str());
        return 1;
    }
    auto start = std::chrono::steady_clock::now();
    std::vector<SpriteSheet> sheets = allSprites();
    std::vector<std::string> errors(sheets.size());
    // Biggest pictures first, so the threads finish together.
    std::vector<size_t> order(sheets.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    auto pixels = [&](size_t i) {
        return static_cast<long>(sheets[i].rows) * sheets[i].columns * sheets[i].frameWidth * sheets[i].frameHeight;
    };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return pixels(a) > pixels(b); });
    std::atomic<size_t> nextSheet{0};
    // Each file is drawn and encoded on its own, so the work spreads over
    // threads without changing a byte of the output.
    auto worker = [&] {
        for (size_t next = nextSheet++; next < sheets.size(); next = nextSheet++) {
            size_t i = order[next];
            Canvas picture = renderSheet(sheets[i]);
            std::vector<unsigned char> png;
            std::string error;
            if (!encodePng(picture, png, error) || !writeFileAtomically(folder + "/" + sheets[i].name, png, error))
                errors[i] = error.empty() ? "unknown error" : error;
        }
    };
    unsigned count = std::thread::hardware_concurrency();
    if (count == 0) count = 2;
    if (count > 16) count = 16;
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < count; ++t) threads.emplace_back(worker);
    for (std::thread& t : threads) t.join();

    int failed = 0;
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (errors[i].empty()) continue;
        std::fprintf(stderr, "make_sprites: %s: %s\n", sheets[i].name.c_str(), errors[i].c_str());
        ++failed;
    }
    if (failed > 0) return 1;
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("make_sprites: wrote %zu sprites to %s in %.1f s\n", sheets.size(), folder.c_str(), seconds);
    return 0;
}
