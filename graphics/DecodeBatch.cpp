#include "graphics/DecodeBatch.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>

#include "graphics/PngDecoder.h"
#include "platform/WholeFile.h"

namespace {
// Room over a picture's own bytes for what the driver adds to its copy.
constexpr std::size_t kReserveSlack = 4096;
// A header that promises more is left to the decoder (it may well be broken).
constexpr std::uint64_t kMaxReservedBytes = std::uint64_t(256) << 20;
}  // namespace

DecodeBatch::DecodeBatch(std::vector<std::string> files, unsigned largest)
    : paths(std::move(files)), largestSide(largest), decoded(paths.size()), finished(paths.size())
{
    std::vector<std::uint64_t> bytes(paths.size());
    order.resize(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        order[i] = i;
        bytes[i] = PixelBytesOf(paths[i]);
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return bytes[a] > bytes[b]; });

    // Each picture's memory is taken here, on the thread that will upload and free it, and
    // paged in by the worker that decodes into it. Freed after its upload it stays with this
    // thread's heap, and the driver's copy of the next picture lands on pages already in,
    // instead of faulting in fresh ones one by one on this thread. A little over the size,
    // so that the next copy fits even when that picture is as large.
    storage.resize(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (bytes[i] == 0 || bytes[i] > kMaxReservedBytes)
            continue;
        // Nor for a header that claims more than the file's data could inflate to.
        std::error_code error;
        const std::uintmax_t fileBytes = std::filesystem::file_size(paths[i], error);
        if (error || fileBytes * kMostInflatedPerByte < bytes[i])
            continue;
        try {
            storage[i].reserve(static_cast<std::size_t>(bytes[i]) + kReserveSlack);
        } catch (const std::exception&) {
            // The decoder finds its own memory.
        }
    }

    const std::size_t threads =
        std::min<std::size_t>({paths.size(), std::max(1u, std::thread::hardware_concurrency()), 8});
    try {
        for (std::size_t t = 0; t < threads; ++t)
            workers.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
        // Fewer threads than asked for: those that started share the work.
    }
    if (workers.empty())
        Work();
}

DecodeBatch::~DecodeBatch()
{
    {
        // Pictures not started yet are not wanted any more.
        const std::lock_guard<std::mutex> hold(lock);
        nextToDecode = order.size();
    }
    for (std::thread& worker : workers)
        worker.join();
}

void DecodeBatch::Work()
{
    while (true) {
        std::size_t i = 0;
        std::vector<unsigned char> memory;
        {
            const std::lock_guard<std::mutex> hold(lock);
            if (nextToDecode >= order.size())
                return;
            i = order[nextToDecode++];
            memory = std::move(storage[i]);
        }
        GLTexture::Decoded picture;
        try {
            picture = GLTexture::Decode(paths[i], std::move(memory), largestSide);
        } catch (const std::exception&) {
            picture = GLTexture::Decoded();
            picture.error = 83;  // lodepng's "memory allocation failed"
        }
        {
            const std::lock_guard<std::mutex> hold(lock);
            decoded[i] = std::move(picture);
        }
        finished.Push(i);
    }
}

bool DecodeBatch::Next(std::size_t& index, bool wait)
{
    return finished.Next(index, wait);
}

GLTexture::Decoded DecodeBatch::Take(std::size_t index)
{
    const std::lock_guard<std::mutex> hold(lock);
    return std::move(decoded[index]);
}

std::uint64_t DecodeBatch::PixelBytesOf(const std::string& path)
{
    // Read without blocking from the descriptor that was checked: a named pipe in a picture's
    // place is no picture, and its decode says so.
    std::string header;
    if (!Platform::ReadFileStart(path, 24, header) || header.size() < 24)
        return 0;
    const auto big32 = [&header](int at) {
        const auto byte = [&header](int i) { return std::uint64_t(static_cast<unsigned char>(header[i])); };
        return (byte(at) << 24) | (byte(at + 1) << 16) | (byte(at + 2) << 8) | byte(at + 3);
    };
    return big32(16) * big32(20) * 4;
}
