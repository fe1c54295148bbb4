#include "graphics/TextureUploader.h"

#include <GL/glew.h>

#include <exception>
#include <system_error>

#include "graphics/DecodeBatch.h"
#include "platform/GLContext.h"

TextureUploader::TextureUploader(std::vector<std::string> files, Platform::PlatformWindow* forWindow,
                                 void* sharedContext, unsigned largest)
    : paths(std::move(files)), window(forWindow), context(sharedContext), largestSide(largest), finished(paths.size())
{
    if (context && window) {
        try {
            thread = std::thread([this] { Run(); });
            return;
        } catch (const std::system_error&) {
            // No thread: the caller uploads.
        }
    }
    batch = std::make_unique<DecodeBatch>(paths, largestSide);
}

TextureUploader::~TextureUploader()
{
    if (thread.joinable())
        thread.join();
    batch.reset();
    Platform::DestroySharedGLContext(context);
}

void TextureUploader::Run()
{
    const bool current = Platform::MakeGLContextCurrent(*window, context);
    std::vector<bool> sent(paths.size(), false);
    try {
        // The batch is made here so that the pictures' memory comes from this thread's heap:
        // freed after each upload, it takes the driver's copy of the next one without paging in
        // afresh.
        DecodeBatch decoding(paths, largestSide);
        std::size_t i = 0;
        while (decoding.Next(i, true)) {
            Done done;
            done.index = i;
            done.decoded = decoding.Take(i);
            if (current && done.decoded.error == 0) {
                done.name = GLTexture::Upload(done.decoded);
                done.decoded.pixels = std::vector<unsigned char>();
                if (done.name == 0)
                    done.decoded.error = GLTexture::kUploadRefused;
            }
            sent[i] = true;
            Hand(std::move(done));
        }
    } catch (const std::exception&) {
        // Out of memory or threads: what is left comes back as lodepng's allocation failure.
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (sent[i])
                continue;
            Done failed;
            failed.index = i;
            failed.decoded.error = 83;
            Hand(std::move(failed));
        }
    }
    if (current) {
        // Every texture complete before the window's context draws with it.
        glFinish();
        Platform::MakeGLContextCurrent(*window, nullptr);
    }
}

void TextureUploader::Hand(Done done)
{
    finished.Push(std::move(done));
}

bool TextureUploader::Next(Done& done, bool wait)
{
    if (batch) {
        if (!batch->Next(done.index, wait))
            return false;
        done.decoded = batch->Take(done.index);
        done.name = 0;
        return true;
    }
    return finished.Next(done, wait);
}
