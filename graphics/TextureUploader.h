#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "graphics/GLTexture.h"
#include "graphics/HandOverQueue.h"

class DecodeBatch;
namespace Platform {
class PlatformWindow;
}

// Decodes a list of pictures (a DecodeBatch) and, given a second GL context that shares the
// window's, uploads each one on a thread of its own as soon as it is decoded: the GL thread only
// takes the finished names. Without a context, or when that thread cannot make it current, the
// pictures come back still to upload (name 0). Destroying it waits for its threads and then
// deletes the context.
class TextureUploader
{
public:
    struct Done {
        std::size_t index = 0;
        GLTexture::Decoded decoded;  // its pixels are gone once uploaded
        unsigned int name = 0;       // the GL texture, 0 when not uploaded
    };

    // The context (may be null) becomes the uploader's; window is the one it was made for. A
    // picture with a side over largestSide (0: any) comes back refused, undecoded; one the
    // graphics library refuses comes back with GLTexture::kUploadRefused.
    TextureUploader(std::vector<std::string> paths, Platform::PlatformWindow* window, void* sharedContext,
                    unsigned largestSide = 0);
    ~TextureUploader();
    TextureUploader(const TextureUploader&) = delete;
    TextureUploader& operator=(const TextureUploader&) = delete;

    // The next finished picture, in the order they finished; with wait it blocks until one is.
    // False once all were handed over (or, without wait, when none is ready now).
    bool Next(Done& done, bool wait);
    bool UploadsOnItsThread() const { return thread.joinable(); }

private:
    void Run();
    void Hand(Done done);

    std::vector<std::string> paths;
    Platform::PlatformWindow* window = nullptr;
    void* context = nullptr;
    unsigned largestSide = 0;
    std::unique_ptr<DecodeBatch> batch;  // decoding alone: the caller uploads
    std::thread thread;
    HandOverQueue<Done> finished;
};
