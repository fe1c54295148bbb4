#pragma once
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/System.h"
#include "graphics/GLTexture.h"
#include "graphics/TexturePicker.h"

class TextureUploader;

namespace Framework {

// Turns sprite file names into textures; at start-up it lists the sprite folder. A listed name
// is decoded on its first request and cached for the rest of the run; an unlisted name answers
// with the cache entry "empty.png" (an empty pointer unless that file was itself loaded).
class TextureSystem : public System {
public:
    TextureSystem();
    ~TextureSystem() override;
    virtual void ClearCache();  // empties the texture cache

    void HandleMessage(Message* message) override;  // id 0 (window gone) empties the cache
    void Init() override;  // LoadFolder("../resources/sprites")
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;  // empties the cache

    // Appends the plain file names of the folder to spriteNames; a missing folder adds none.
    void LoadFolder(const std::string& path);

    // Decodes the listed pictures among names that are not cached yet on several threads at
    // once and uploads each as it is done (with enough of them, on a thread of its own through
    // a second context): the cache ends as GetTexture would leave it for each of them, in a
    // fraction of the time. In three steps: BeginPreload caches an empty texture under each
    // name at once and starts the work; UploadDecoded fills those done so far (with wait, all
    // of them); FinishPreload fills the rest and reports the pictures that could not be made,
    // in the order asked.
    void Preload(const std::vector<std::string>& names);
    void BeginPreload(const std::vector<std::string>& names);
    void UploadDecoded(bool wait);
    void FinishPreload();
    // The pictures a level file's sprites name (the word after each "Sprite" line), each once.
    static std::vector<std::string> PicturesOfLevel(const std::string& path);

    // The cache entry answering the name (possibly an empty pointer); callers copy it.
    std::shared_ptr<GLTexture>& GetTexture(const std::string& name);
    // True when the cache has an entry under exactly that name; loads nothing.
    bool IsLoaded(const std::string& name) const;
    // The cached names in ascending byte order.
    std::vector<std::string> GetTextureNames() const;

    // The editor's "Open and Load Texture": opens the in-program picker over the sprite
    // folder. The editor calls DrawTextureDialog once per interface frame; the frame a file is
    // picked it loads that name (when listed) and returns true with the bare file name.
    void OpenTextureDialog();
    // `over` is drawn inside the picker: what stands over it.
    bool DrawTextureDialog(std::string* chosen = nullptr, const std::function<void()>& over = {});
    bool TextureDialogOpen() const { return picker.IsOpen(); }

    std::map<std::string, std::shared_ptr<GLTexture>> cache;
    std::vector<std::string> spriteNames;
    std::string spriteFolder = "../resources/sprites";

private:
    struct Pending {
        Pending();
        ~Pending();
        std::vector<std::string> names;
        std::unique_ptr<TextureUploader> uploader;
        std::vector<std::pair<std::size_t, GLTexture::Decoded>> reported;
    };
    // The cache's texture under name, made empty when there is none.
    GLTexture& Entry(const std::string& name);

    TexturePicker picker;
    std::unique_ptr<Pending> pending;
    std::set<std::string> toldUnread;  // unlisted names already said to be unreadable
};

}  // namespace Framework

extern std::shared_ptr<Framework::TextureSystem> gTextureSystem;
