#include "graphics/TextureSystem.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "graphics/GLTexture.h"

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
