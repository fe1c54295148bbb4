#include "platform/PrintableText.h"

#include <algorithm>

namespace Platform {

namespace {

// The length (2 to 4) of the valid UTF-8 sequence that starts at text[at], or 0. `cut` is set
// when the text ends inside a sequence whose bytes are valid so far.
std::size_t SequenceLength(std::string_view text, std::size_t at, bool* cut = nullptr)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;  // the second byte's range; overlong forms and surrogates are out
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0)
        return 0;
    const std::size_t end = std::min(at + length, text.size());
    if (at + 1 < end && (byte(at + 1) < low || byte(at + 1) > high))
        return 0;
    for (std::size_t i = at + 2; i < end; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    if (end < at + length) {
        if (cut)
            *cut = true;
        return 0;
    }
    return length;
}

std::string Escape(std::string_view text, bool keepLines)
{
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if ((c >= 0x20 && c < 0x7F) || (keepLines && (c == '\n' || c == '\t'))) {
            out += static_cast<char>(c);
            ++at;
            continue;
        }
        // U+0080..U+009F, the C1 controls, are escaped like the other controls.
        const bool c1 = c == 0xC2 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) < 0xA0;
        const std::size_t length = c >= 0x80 && !c1 ? SequenceLength(text, at) : 0;
        if (length > 0) {
            out.append(text, at, length);
            at += length;
            continue;
        }
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
        ++at;
    }
    return out;
}

}  // namespace

std::string Printable(std::string_view text)
{
    return Escape(text, false);
}

std::string PrintableLines(std::string_view text)
{
    return Escape(text, true);
}

std::size_t Utf8CharacterLength(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return 0;
    return static_cast<unsigned char>(text[at]) < 0x80 ? 1 : SequenceLength(text, at);
}

std::size_t UnfinishedCharacterBytes(std::string_view text)
{
    // Continuation bytes never lead, so at most one of the last three bytes can start one.
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        bool cut = false;
        SequenceLength(text, text.size() - back, &cut);
        if (cut)
            return back;
    }
    return 0;
}

}  // namespace Platform
