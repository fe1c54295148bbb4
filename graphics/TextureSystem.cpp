#include "graphics/TextureSystem.h"

#include <filesystem>
#include <system_error>

namespace Framework {

TextureSystem::TextureSystem() = default;
TextureSystem::~TextureSystem() = default;

void TextureSystem::ClearCache() {}

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

void TextureSystem::Shutdown() {}

void TextureSystem::LoadFolder(const std::string& path)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(path, ec);
    if (ec)
        return;
    for (const auto& entry : it) {
        std::error_code fileEc;
        if (entry.is_regular_file(fileEc))
            spriteNames.push_back(entry.path().filename().string());
    }
}

}  // namespace Framework
