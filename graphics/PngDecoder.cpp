#include "graphics/PngDecoder.h"

#include <emmintrin.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr unsigned char kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr std::size_t kBytesPerPixel = 4;
// Larger pictures are left to lodepng, as are sizes whose byte count would not fit.
constexpr std::uint64_t kMaxPixelBytes = std::uint64_t(1) << 30;
// The rows set aside first; the rest double as they come.
constexpr std::size_t kFirstBytes = 64 * 1024;

// A refused picture gives its memory back at once, not when the vector is next reused.
bool Release(std::vector<unsigned char>& pixels)
{
    std::vector<unsigned char>().swap(pixels);
    return false;
}

std::uint32_t ReadBig32(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
}

struct Chunk {
    const unsigned char* type = nullptr;
    const unsigned char* data = nullptr;
    std::uint32_t length = 0;
};

// The chunk at offset, its CRC checked; false when it runs past the end or the CRC is wrong.
bool ReadChunk(const std::vector<unsigned char>& file, std::size_t offset, Chunk& chunk)
{
    if (offset > file.size() || file.size() - offset < 12)
        return false;
    const unsigned char* p = file.data() + offset;
    chunk.length = ReadBig32(p);
    if (chunk.length > 0x7FFFFFFFu || file.size() - offset - 12 < chunk.length)
        return false;
    chunk.type = p + 4;
    chunk.data = p + 8;
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), chunk.type, chunk.length + 4);
    return crc == ReadBig32(chunk.data + chunk.length);
}

bool IsType(const Chunk& chunk, const char* type)
{
    return std::memcmp(chunk.type, type, 4) == 0;
}

// Paeth for four bytes a pixel, the pixel to the left carried in a register. Ties go to the
// left, then the one above, as the format asks.
void UnfilterPaeth(unsigned char* row, const unsigned char* up, std::size_t bytes)
{
    const __m128i zero = _mm_setzero_si128();
    __m128i a = zero;
    __m128i c = zero;
    for (std::size_t x = 0; x < bytes; x += kBytesPerPixel) {
        std::int32_t word;
        std::memcpy(&word, up + x, 4);
        const __m128i b = _mm_unpacklo_epi8(_mm_cvtsi32_si128(word), zero);
        std::memcpy(&word, row + x, 4);
        const __m128i raw = _mm_cvtsi32_si128(word);

        const __m128i bc = _mm_sub_epi16(b, c);
        const __m128i ac = _mm_sub_epi16(a, c);
        const __m128i sum = _mm_add_epi16(bc, ac);
        const __m128i pa = _mm_max_epi16(bc, _mm_sub_epi16(zero, bc));
        const __m128i pb = _mm_max_epi16(ac, _mm_sub_epi16(zero, ac));
        const __m128i pc = _mm_max_epi16(sum, _mm_sub_epi16(zero, sum));
        const __m128i smallest = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
        const __m128i useA = _mm_cmpeq_epi16(pa, smallest);
        const __m128i useB = _mm_andnot_si128(useA, _mm_cmpeq_epi16(pb, smallest));
        const __m128i useC = _mm_andnot_si128(_mm_or_si128(useA, useB), _mm_set1_epi16(-1));
        const __m128i predictor = _mm_or_si128(_mm_or_si128(_mm_and_si128(useA, a), _mm_and_si128(useB, b)),
                                               _mm_and_si128(useC, c));
        const __m128i out = _mm_add_epi8(raw, _mm_packus_epi16(predictor, zero));
        word = _mm_cvtsi128_si32(out);
        std::memcpy(row + x, &word, 4);
        a = _mm_unpacklo_epi8(out, zero);
        c = b;
    }
}

// Undoes one row's filter in place; up is the row above, already unfiltered (zeros for the first).
bool Unfilter(unsigned filter, unsigned char* row, const unsigned char* up, std::size_t bytes)
{
    switch (filter) {
    case 0:
        return true;
    case 1:
        for (std::size_t x = kBytesPerPixel; x < bytes; ++x)
            row[x] = static_cast<unsigned char>(row[x] + row[x - kBytesPerPixel]);
        return true;
    case 2:
        for (std::size_t x = 0; x < bytes; ++x)
            row[x] = static_cast<unsigned char>(row[x] + up[x]);
        return true;
    case 3:
        for (std::size_t x = 0; x < bytes; ++x) {
            const unsigned left = x >= kBytesPerPixel ? row[x - kBytesPerPixel] : 0u;
            row[x] = static_cast<unsigned char>(row[x] + ((left + up[x]) >> 1));
        }
        return true;
    case 4:
        UnfilterPaeth(row, up, bytes);
        return true;
    default:
        return false;
    }
}

// Inflates the IDAT chunks (each already checked) one row at a time into pixels.
class RowInflater {
public:
    RowInflater() { ready = inflateInit(&stream) == Z_OK; }
    ~RowInflater()
    {
        if (ready)
            inflateEnd(&stream);
    }
    RowInflater(const RowInflater&) = delete;
    RowInflater& operator=(const RowInflater&) = delete;

    // Fills exactly size bytes from the chunks, moving to the next IDAT as each runs dry.
    bool Fill(unsigned char* out, std::size_t size)
    {
        stream.next_out = out;
        stream.avail_out = static_cast<uInt>(size);
        while (stream.avail_out > 0) {
            if (ended || !Step())
                return false;
        }
        return true;
    }
    // After the last row the stream must end, with neither more pixels nor data left over.
    bool FinishedExactly()
    {
        unsigned char extra = 0;
        stream.next_out = &extra;
        stream.avail_out = 1;
        while (!ended) {
            if (!Step() || stream.avail_out == 0)
                return false;
        }
        return stream.avail_in == 0 && !MoreInput();
    }

    bool ready = false;
    const Chunk* chunks = nullptr;
    std::size_t count = 0;

private:
    bool Step()
    {
        // With every chunk used up zlib may still finish from the bits it holds; when it cannot
        // go on it answers Z_BUF_ERROR, which ends the loops above.
        if (stream.avail_in == 0)
            NextInput();
        const int status = inflate(&stream, Z_NO_FLUSH);
        ended = status == Z_STREAM_END;
        return status == Z_OK || ended;
    }
    bool NextInput()
    {
        while (next < count && chunks[next].length == 0)
            ++next;
        if (next >= count)
            return false;
        stream.next_in = const_cast<unsigned char*>(chunks[next].data);
        stream.avail_in = chunks[next].length;
        ++next;
        return true;
    }
    bool MoreInput() const
    {
        for (std::size_t i = next; i < count; ++i)
            if (chunks[i].length > 0)
                return true;
        return false;
    }

    z_stream stream{};
    std::size_t next = 0;
    bool ended = false;
};

}  // namespace

bool DecodePlainRgbaPng(const std::vector<unsigned char>& file, std::vector<unsigned char>& pixels, unsigned& width,
                        unsigned& height)
{
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0)
        return false;
    Chunk header;
    if (!ReadChunk(file, 8, header) || !IsType(header, "IHDR") || header.length != 13)
        return false;
    const std::uint32_t w = ReadBig32(header.data);
    const std::uint32_t h = ReadBig32(header.data + 4);
    const unsigned char* format = header.data + 8;  // depth, colour type, compression, filter, interlace
    if (w == 0 || h == 0 || w > 0x7FFFFFFFu || h > 0x7FFFFFFFu || format[0] != 8 || format[1] != 6 ||
        format[2] != 0 || format[3] != 0 || format[4] != 0)
        return false;
    const std::uint64_t rowBytes = std::uint64_t(w) * kBytesPerPixel;
    if (rowBytes * h > kMaxPixelBytes)
        return false;

    // IHDR, one run of IDAT chunks, IEND closing the file: anything else is lodepng's to judge.
    std::vector<Chunk> data;
    std::size_t offset = 8 + 12 + header.length;
    bool ended = false;
    while (!ended) {
        Chunk chunk;
        if (!ReadChunk(file, offset, chunk))
            return false;
        offset += 12 + std::size_t(chunk.length);
        if (IsType(chunk, "IDAT"))
            data.push_back(chunk);
        else if (IsType(chunk, "IEND") && chunk.length == 0 && !data.empty())
            ended = true;
        else
            return false;
    }
    if (offset != file.size())
        return false;
    // A header may claim any size: data too short to inflate to it is refused before any
    // memory is taken for the picture.
    std::uint64_t compressed = 0;
    for (const Chunk& chunk : data)
        compressed += chunk.length;
    if (compressed * kMostInflatedPerByte < (rowBytes + 1) * h)
        return false;

    const std::size_t stride = static_cast<std::size_t>(rowBytes);
    RowInflater inflater;
    if (!inflater.ready)
        return false;
    inflater.chunks = data.data();
    inflater.count = data.size();
    std::vector<unsigned char> zeros(stride, 0);
    // The rows grow as they inflate (into whatever the vector had reserved), so data that
    // ends early never costs the whole claimed picture.
    pixels.clear();
    const std::size_t firstRows = std::max<std::size_t>(1, kFirstBytes / stride);
    std::size_t rowsHeld = 0;
    for (std::uint32_t y = 0; y < h; ++y) {
        if (y == rowsHeld) {
            rowsHeld = std::min<std::size_t>(h, std::max(firstRows, rowsHeld * 2));
            pixels.resize(stride * rowsHeld);
        }
        unsigned char filter = 0;
        unsigned char* row = pixels.data() + stride * y;
        if (!inflater.Fill(&filter, 1) || !inflater.Fill(row, stride) ||
            !Unfilter(filter, row, y == 0 ? zeros.data() : row - stride, stride))
            return Release(pixels);
    }
    if (!inflater.FinishedExactly())
        return Release(pixels);
    width = w;
    height = h;
    return true;
}
