#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "graphics/GLTexture.h"
#include "graphics/HandOverQueue.h"

// Decodes a list of PNG files on worker threads, the largest first (one of them decoding alone
// at the end would be the whole wait), and hands each picture over as soon as it is done, so
// that the GL thread can upload it while the rest decode. Destroying the batch waits for the
// workers.
class DecodeBatch
{
public:
    // A picture with a side over largestSide (0: any) is refused undecoded.
    explicit DecodeBatch(std::vector<std::string> paths, unsigned largestSide = 0);
    ~DecodeBatch();
    DecodeBatch(const DecodeBatch&) = delete;
    DecodeBatch& operator=(const DecodeBatch&) = delete;

    std::size_t Size() const { return paths.size(); }
    // The index of a decoded picture not handed over yet, in the order they finished. With
    // wait it blocks until one is done; false once every picture was handed over (or, without
    // wait, when none is done right now).
    bool Next(std::size_t& index, bool wait);
    // The decoded picture of an index Next gave; its memory moves to the caller.
    GLTexture::Decoded Take(std::size_t index);

    // The RGBA bytes a PNG file's header promises (0 when it has none): the cost of decoding it.
    static std::uint64_t PixelBytesOf(const std::string& path);

private:
    void Work();

    std::vector<std::string> paths;
    unsigned largestSide = 0;
    std::vector<std::size_t> order;  // largest first
    std::vector<std::vector<unsigned char>> storage;  // memory for each picture, until a worker takes it
    std::vector<GLTexture::Decoded> decoded;
    std::size_t nextToDecode = 0;
    std::mutex lock;  // guards storage, decoded and nextToDecode
    HandOverQueue<std::size_t> finished;
    std::vector<std::thread> workers;
};
