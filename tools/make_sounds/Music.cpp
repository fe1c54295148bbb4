// Music loops: slow drones with sparse notes on top. Names are the ones the levels and scripts
// ask for; each loop joins end to start without a seam.
#include "tools/make_sounds/LoopBuilder.h"
#include "tools/make_sounds/Recipe.h"

namespace {

using V = LoopBuilder::Voice;

// Seconds holding a whole number of beats, so a pulse lands on the seam exactly.
float Beats(int count, float bpm)
{
    return static_cast<float>(count) * 60.0f / bpm;
}

Signal MainMenu()
{
    LoopBuilder loop(28.0f, 5001u);
    loop.Drone({38, 45, 50}, 9.0f, 0.45f, 0.5f, 500.0f, 1.0f, 2, 3, 0.5f);
    loop.Drone({53}, 6.0f, 0.2f, 0.15f, 700.0f, 0.5f, 1, 2, 0.8f);
    loop.Air(0.12f, 900.0f, 1.5f, 3, 1.5f);
    loop.Scatter({62, 65, 69, 72, 64, 57, 74}, 8, 0.35f, V::Piano, 0.5f);
    return loop.Finish(0.9f, 0.5f, 0.8f);
}

Signal Intro()
{
    LoopBuilder loop(26.0f, 5002u);
    loop.Drone({33, 40, 45}, 7.0f, 0.2f, 0.55f, 350.0f, 0.8f, 2, 2, 0.4f);
    loop.Air(0.08f, 700.0f, 1.2f, 2, 1.0f);
    loop.Scatter({57, 60, 64, 67, 69, 72, 71}, 10, 0.4f, V::Piano, 0.45f);
    return loop.Finish(0.85f, 0.45f, 0.8f);
}

Signal Opening()
{
    LoopBuilder loop(24.0f, 5003u);
    loop.Drone({40, 47, 55}, 12.0f, 0.35f, 0.5f, 420.0f, 1.0f, 2, 3, 0.5f);
    loop.Air(0.1f, 1100.0f, 1.4f, 2, 1.2f);
    loop.Scatter({64, 67, 71, 74, 76, 59}, 6, 0.35f, V::Piano, 0.4f);
    return loop.Finish(0.85f, 0.45f, 0.8f);
}

Signal Bgm1()
{
    LoopBuilder loop(30.0f, 5004u);
    loop.Drone({36, 43}, 10.0f, 0.5f, 0.5f, 380.0f, 1.2f, 3, 3, 0.5f);
    loop.Drone({49}, 15.0f, 0.3f, 0.12f, 600.0f, 0.8f, 2, 4, 0.9f);
    loop.Air(0.22f, 600.0f, 1.5f, 3, 1.3f);
    loop.Clanks(4, 0.18f);
    loop.Scatter({60, 63, 67, 70, 72}, 5, 0.3f, V::Piano, 0.4f);
    return loop.Finish(0.9f, 0.5f, 0.8f);
}

Signal Bgm2()
{
    LoopBuilder loop(30.0f, 5005u);
    loop.Drone({37, 44, 52}, 8.0f, 0.4f, 0.5f, 450.0f, 1.0f, 2, 3, 0.5f);
    loop.Air(0.18f, 1200.0f, 1.6f, 4, 1.2f);
    loop.Scatter({61, 64, 68, 71, 73, 66}, 7, 0.32f, V::Piano, 0.45f);
    loop.Clanks(2, 0.12f);
    return loop.Finish(0.9f, 0.5f, 0.8f);
}

Signal Bgm3()
{
    LoopBuilder loop(32.0f, 5006u);
    // Tritone and minor second stacked low: the hospital after it has turned.
    loop.Drone({34, 35, 40}, 20.0f, 0.8f, 0.55f, 300.0f, 1.5f, 4, 8, 0.7f);
    loop.Air(0.3f, 400.0f, 2.0f, 4, 1.5f);
    loop.Scatter({58, 59, 64, 65, 70}, 6, 0.3f, V::Piano, 0.35f);
    loop.Clanks(3, 0.2f);
    return loop.Finish(0.95f, 0.55f, 0.8f);
}

Signal Chase(std::uint32_t seed, int beats, float bpm, const std::vector<int>& low,
             const std::vector<int>& high)
{
    float seconds = Beats(beats, bpm);
    LoopBuilder loop(seconds, seed);
    loop.Drone(low, 14.0f, 0.9f, 0.55f, 700.0f, 1.0f, 12, 6, 0.4f);
    // Trembling strings: a fast swell on each voice.
    loop.Drone(high, 22.0f, 0.7f, 0.18f, 3000.0f, 0.6f, 4, static_cast<int>(seconds * 6.0f), 0.8f);
    loop.Heartbeats(bpm, 0.9f);
    loop.Air(0.15f, 2000.0f, 1.0f, 6, 1.0f);
    loop.Clanks(beats / 8, 0.25f);
    return loop.Finish(0.6f, 0.3f, 0.85f);
}

Signal DollRoom()
{
    LoopBuilder loop(28.0f, 5009u);
    loop.Drone({42, 48}, 10.0f, 0.3f, 0.35f, 400.0f, 1.0f, 2, 3, 0.5f);
    // A wind-up toy tune, slowing and out of tune, over a ticking clock.
    loop.Melody({78, 81, 85, 83, 81, 78, 76, -1, 73, 76, 78, 81, 78, 76, 73, -1,
                 78, 81, 85, 86, 85, 83, 81, -1, 78, 76, 73, 76, 78, -1, -1, -1},
                0.875f, 0.0f, 0.3f, V::MusicBox, 40.0f);
    loop.Ticks(2.0f, 0.12f);
    loop.Air(0.08f, 1500.0f, 1.5f, 2, 1.0f);
    return loop.Finish(0.8f, 0.45f, 0.8f);
}

Signal GirlTheme()
{
    LoopBuilder loop(28.0f, 5010u);
    loop.Drone({45, 52}, 5.0f, 0.1f, 0.35f, 600.0f, 0.6f, 1, 2, 0.4f);
    // A lullaby in A minor, four phrases of eight.
    loop.Melody({76, 81, 84, 83, 81, 76, 77, 76, 74, 72, 74, 76, 69, -1, -1, -1,
                 76, 81, 84, 86, 84, 83, 81, 79, 77, 76, 74, 72, 71, 69, -1, -1,
                 72, 71, 69, -1, -1, -1, -1, -1},
                0.7f, 0.0f, 0.35f, V::MusicBox, 15.0f);
    loop.Air(0.05f, 2500.0f, 1.2f, 2, 0.8f);
    return loop.Finish(0.95f, 0.55f, 0.8f);
}

Signal Hallway()
{
    LoopBuilder loop(24.0f, 5011u);
    loop.Drone({38}, 6.0f, 0.3f, 0.25f, 350.0f, 0.8f, 2, 2, 0.5f);
    loop.Air(0.28f, 700.0f, 1.4f, 3, 1.4f);
    // The same three notes again and again, like the corridor.
    std::vector<int> ostinato;
    for (int bar = 0; bar < 8; ++bar) {
        ostinato.insert(ostinato.end(), {50, 57, 63, -1});
    }
    loop.Melody(ostinato, 0.75f, 0.0f, 0.3f, V::Piano, 8.0f);
    return loop.Finish(0.85f, 0.5f, 0.8f);
}

Signal Ending()
{
    LoopBuilder loop(36.0f, 5012u);
    loop.Drone({38, 45, 54, 64}, 6.0f, 0.15f, 0.45f, 900.0f, 0.7f, 2, 3, 0.4f);
    loop.Air(0.05f, 1800.0f, 1.2f, 2, 0.8f);
    std::vector<int> arpeggio;
    const int chords[4][4] = {{62, 66, 69, 73}, {59, 62, 66, 71}, {55, 59, 62, 66}, {57, 61, 64, 69}};
    for (const auto& chord : chords) {
        for (int k = 0; k < 4; ++k) arpeggio.push_back(chord[k]);
        arpeggio.insert(arpeggio.end(), {chord[2], chord[1], -1, -1, -1});
    }
    loop.Melody(arpeggio, 1.0f, 0.0f, 0.3f, V::Piano, 3.0f);
    return loop.Finish(0.9f, 0.45f, 0.8f);
}

}  // namespace

std::vector<SoundRecipe> MusicRecipes()
{
    return {
        {"main_menu", MainMenu},
        {"intro", Intro},
        {"opening", Opening},
        {"bgm1", Bgm1},
        {"bgm2", Bgm2},
        {"bgm3", Bgm3},
        {"chase1", [] { return Chase(5007u, 48, 112.0f, {33, 34, 40}, {76, 77, 82}); }},
        {"chase2", [] { return Chase(5008u, 52, 132.0f, {38, 39, 45}, {74, 75, 81, 87}); }},
        {"doll_room", DollRoom},
        {"girl_theme", GirlTheme},
        {"hallway", Hallway},
        {"ending", Ending},
    };
}
