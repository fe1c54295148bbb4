#include "graphics/TextureSystem.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string_view>

#include "engine/WindowSystem.h"
#include "graphics/GLResource.h"
#include "graphics/GLTexture.h"
#include "graphics/TextureUploader.h"
#include "objects/LevelFile.h"
#include "platform/GLContext.h"
#include "platform/WholeFile.h"

namespace Framework {

namespace {
// Fewer pictures upload here: a second context would cost about as much as it saves.
constexpr std::size_t kPicturesWorthAnUploadThread = 8;
}  // namespace

TextureSystem::TextureSystem() = default;
TextureSystem::~TextureSystem() = default;

TextureSystem::Pending::Pending() = default;
TextureSystem::Pending::~Pending() = default;

void TextureSystem::ClearCache()
{
    FinishPreload();
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
    // A level's pictures decode on other threads while its records are read; each is uploaded
    // as it comes, between records, and the rest once the records are read.
    LevelPreparer preparer;
    preparer.begin = [this](const std::string& path) { BeginPreload(PicturesOfLevel(path)); };
    preparer.between = [this] { UploadDecoded(false); };
    preparer.end = [this] { FinishPreload(); };
    SetLevelPreparer(std::move(preparer));
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
    SetLevelPreparer(LevelPreparer());
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
    BeginPreload(names);
    FinishPreload();
}

void TextureSystem::BeginPreload(const std::vector<std::string>& names)
{
    FinishPreload();
    std::vector<std::string> wanted;
    for (const std::string& name : names)
        if (cache.find(name) == cache.end() &&
            std::find(spriteNames.begin(), spriteNames.end(), name) != spriteNames.end() &&
            std::find(wanted.begin(), wanted.end(), name) == wanted.end())
            wanted.push_back(name);
    if (wanted.empty())
        return;
    std::vector<std::string> paths;
    for (const std::string& name : wanted) {
        paths.push_back(spriteFolder + "/" + name);
        // Held from now on: a sprite that takes it keeps it when the picture arrives.
        cache[name] = std::make_shared<GLTexture>();
    }
    // Enough pictures to be worth a second context: a thread of its own uploads them.
    void* shared = nullptr;
    Platform::PlatformWindow* window = gWindowSystem ? &gWindowSystem->window : nullptr;
    if (window && wanted.size() >= kPicturesWorthAnUploadThread && GLReady())
        shared = Platform::CreateSharedGLContext(*window);
    pending = std::make_unique<Pending>();
    pending->names = std::move(wanted);
    // Read here, on the GL thread: the decoders refuse what the card could not take.
    pending->uploader = std::make_unique<TextureUploader>(paths, window, shared, GLTexture::LargestSide());
}

void TextureSystem::UploadDecoded(bool wait)
{
    if (!pending)
        return;
    // Each picture as it is done: uploaded already, or uploaded here. Those that only make a
    // report (a broken file, no context) wait for the end, to be reported in the order asked.
    TextureUploader::Done done;
    while (pending->uploader->Next(done, wait)) {
        const std::string& name = pending->names[done.index];
        if (done.name != 0)
            Entry(name).Adopt(done.decoded, done.name);
        else if (done.decoded.error != 0 || !GLReady())
            pending->reported.emplace_back(done.index, std::move(done.decoded));
        else
            Entry(name).Fill(done.decoded, spriteFolder + "/" + name);
    }
}

void TextureSystem::FinishPreload()
{
    if (!pending)
        return;
    UploadDecoded(true);
    std::sort(pending->reported.begin(), pending->reported.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [i, decoded] : pending->reported)
        Entry(pending->names[i]).Fill(decoded, spriteFolder + "/" + pending->names[i]);
    // Waits for the upload thread, whose textures are then complete.
    pending.reset();
}

GLTexture& TextureSystem::Entry(const std::string& name)
{
    std::shared_ptr<GLTexture>& entry = cache[name];
    if (!entry)
        entry = std::make_shared<GLTexture>();
    return *entry;
}

std::vector<std::string> TextureSystem::PicturesOfLevel(const std::string& path)
{
    // The file's words as `>>` splits them, read whole and scanned in memory: a level holds
    // thousands of records, and word by word through the stream took a tenth of its load.
    std::string text;
    if (!Platform::ReadWholeFile(path, text))
        return {};
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    std::vector<std::string> names;
    std::set<std::string, std::less<>> seen;
    bool afterSprite = false;
    std::size_t at = 0;
    while (true) {
        while (at < text.size() && blank(text[at]))
            ++at;
        if (at >= text.size())
            break;
        const std::size_t start = at;
        while (at < text.size() && !blank(text[at]))
            ++at;
        const std::string_view word(text.data() + start, at - start);
        if (afterSprite && seen.find(word) == seen.end()) {
            seen.emplace(word);
            names.emplace_back(word);
        }
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
    if (std::find(spriteNames.begin(), spriteNames.end(), name) == spriteNames.end()) {
        // Not listed: missing, or a folder or the like, which the listing passes over. Said
        // once a name, in the words a listed picture that cannot be read gets.
        std::string why;
        const std::string path = spriteFolder + "/" + name;
        if (!name.empty() && toldUnread.insert(name).second && !Platform::CanReadFile(path, why))
            GLTexture::ReportUnread(path, why);
        return cache["empty.png"];
    }
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

bool TextureSystem::DrawTextureDialog(std::string* chosen, const std::function<void()>& over)
{
    std::string name;
    if (!picker.Draw(name, over))
        return false;
    // Only a listed sprite loads; the result is not kept, the call fills the cache.
    GetTexture(name);
    if (chosen)
        *chosen = name;
    return true;
}

}  // namespace Framework
