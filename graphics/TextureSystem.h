#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/System.h"

namespace Framework {

// Turns sprite file names into textures; at start-up it lists the sprite folder.
class TextureSystem : public System {
public:
    TextureSystem();
    ~TextureSystem() override;
    virtual void ClearCache();  // empties the texture cache

    void Init() override;  // LoadFolder("../resources/sprites")
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;

    // Appends the plain file names of the folder to spriteNames; a missing folder adds none.
    void LoadFolder(const std::string& path);

    std::vector<std::string> spriteNames;
    std::string spriteFolder = "../resources/sprites";
};

}  // namespace Framework

extern std::shared_ptr<Framework::TextureSystem> gTextureSystem;
