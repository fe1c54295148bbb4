// make_sounds <resources-dir>: synthesises the game's sound effects into <dir>/sfx/ and its
// music into <dir>/bgm/ as 16-bit PCM WAV files named after their sound-list names. The same
// bytes come out on every run.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "tools/make_sounds/Recipe.h"
#include "tools/make_sounds/WavFile.h"

namespace {
bool MakeFolder(const std::string& path)
{
    if (mkdir(path.c_str(), 0755) == 0 || errno == EEXIST) return true;
    std::cerr << "make_sounds: cannot create " << path << ": " << std::strerror(errno) << "\n";
    return false;
}

bool WriteAll(const std::vector<SoundRecipe>& recipes, const std::string& folder, size_t& bytes)
{
    for (const SoundRecipe& recipe : recipes) {
        Signal signal = recipe.make();
        std::string error;
        std::string path = folder + "/" + recipe.name + ".wav";
        if (!WriteWav(path, signal, error)) {
            std::cerr << "make_sounds: " << error << "\n";
            return false;
        }
        bytes += 44 + signal.Size() * 2;
    }
    return true;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_sounds <resources-dir>\n";
        return 2;
    }
    std::string root = argv[1];
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    std::string sfx = root + "/sfx";
    std::string bgm = root + "/bgm";
    if (!MakeFolder(root) || !MakeFolder(sfx) || !MakeFolder(bgm)) return 1;

    size_t bytes = 0;
    std::vector<SoundRecipe> effects = EffectRecipes();
    std::vector<SoundRecipe> music = MusicRecipes();
    if (!WriteAll(effects, sfx, bytes) || !WriteAll(music, bgm, bytes)) return 1;
    std::cout << "make_sounds: " << effects.size() << " sound effects and " << music.size()
              << " music loops (" << bytes / (1024 * 1024) << " MB) in " << root << "\n";
    return 0;
}
