#include "graphics/TextureSystem.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "graphics/GLTexture.h"
#include "objects/LevelFile.h"

namespace Framework {

TextureSystem::TextureSystem() = default;
TextureSystem::~TextureSystem() = default;

void TextureSystem::ClearCache()
{
    cache.clear();
}

void TextureSystem::HandleMessage(Message* message)
{
    if (message && message->id == 0)
        ClearCache();
}

void TextureSystem::Init()
{
    LoadFolder(spriteFolder);
    // A level's pictures are decoded together before its records are read.
    SetLevelPreparer([this](const std::string& path) { Preload(PicturesOfLevel(path)); });
}

void TextureSystem::Update(float /*dt*/)
{
    timer.Restart();
    timer.Mark();
    timer.Measure();
}

std::string TextureSystem::GetName()
{
    return "Texture System";
}

void TextureSystem::Shutdown()
{
    // Sprites may still hold some of these; the graphics system releases their GL names
    // before its context goes.
    SetLevelPreparer(nullptr);
    ClearCache();
}

void TextureSystem::LoadFolder(const std::string& path)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(path, ec);
    if (ec)
        return;
    for (std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        const std::string name = it->path().filename().string();
        std::error_code dirEc;
        if (name.empty() || name[0] == '.' || it->is_directory(dirEc))
            continue;
        spriteNames.push_back(name);
    }
}

void TextureSystem::Preload(const std::vector<std::string>& names)
{
    std::vector<std::string> wanted;
    for (const std::string& name : names)
        if (cache.find(name) == cache.end() &&
            std::find(spriteNames.begin(), spriteNames.end(), name) != spriteNames.end() &&
            std::find(wanted.begin(), wanted.end(), name) == wanted.end())
            wanted.push_back(name);
    if (wanted.empty())
        return;

    std::vector<GLTexture::Decoded> decoded(wanted.size());
    std::vector<bool> ready(wanted.size(), false);
    std::mutex lock;
    std::condition_variable decodedOne;
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < wanted.size(); i = next++) {
            GLTexture::Decoded picture;
            try {
                picture = GLTexture::Decode(spriteFolder + "/" + wanted[i]);
            } catch (const std::exception&) {
                picture = GLTexture::Decoded();
                picture.error = 83;  // lodepng's "memory allocation failed"
            }
            const std::lock_guard<std::mutex> hold(lock);
            decoded[i] = std::move(picture);
            ready[i] = true;
            decodedOne.notify_one();
        }
    };
    const std::size_t threads =
        std::min<std::size_t>({wanted.size(), std::max(1u, std::thread::hardware_concurrency()), 8});
    std::vector<std::thread> workers;
    try {
        for (std::size_t t = 0; t < threads; ++t)
            workers.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer threads than asked for: those that started share the work.
    }
    if (workers.empty())
        work();

    // GL belongs to this thread: it uploads each picture, in the order asked, while the
    // workers decode the ones after it.
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        GLTexture::Decoded picture;
        {
            std::unique_lock<std::mutex> hold(lock);
            decodedOne.wait(hold, [&] { return ready[i]; });
            picture = std::move(decoded[i]);
        }
        cache[wanted[i]] = std::make_shared<GLTexture>(picture, spriteFolder + "/" + wanted[i]);
    }
    for (std::thread& worker : workers)
        worker.join();
}

std::vector<std::string> TextureSystem::PicturesOfLevel(const std::string& path)
{
    std::vector<std::string> names;
    std::set<std::string> seen;
    std::ifstream file(path);
    std::string word;
    bool afterSprite = false;
    while (file >> word) {
        if (afterSprite && seen.insert(word).second)
            names.push_back(word);
        afterSprite = word == "Sprite";
    }
    return names;
}

std::shared_ptr<GLTexture>& TextureSystem::GetTexture(const std::string& name)
{
    // A cached name was either loaded because it is listed or is the "empty.png" entry, which
    // is what an unlisted "empty.png" answers with anyway.
    const auto cached = cache.find(name);
    if (cached != cache.end())
        return cached->second;
    if (std::find(spriteNames.begin(), spriteNames.end(), name) == spriteNames.end())
        return cache["empty.png"];
    std::shared_ptr<GLTexture>& entry = cache[name];
    entry = std::make_shared<GLTexture>(spriteFolder + "/" + name);
    return entry;
}

bool TextureSystem::IsLoaded(const std::string& name) const
{
    return cache.find(name) != cache.end();
}

std::vector<std::string> TextureSystem::GetTextureNames() const
{
    std::vector<std::string> names;
    names.reserve(cache.size());
    for (const auto& entry : cache)
        names.push_back(entry.first);
    return names;
}

void TextureSystem::OpenTextureDialog()
{
    picker.Open(spriteFolder);
}

bool TextureSystem::DrawTextureDialog(std::string* chosen)
{
    std::string name;
    if (!picker.Draw(name))
        return false;
    // Only a listed sprite loads; the result is not kept, the call fills the cache.
    GetTexture(name);
    if (chosen)
        *chosen = name;
    return true;
}

}  // namespace Framework
