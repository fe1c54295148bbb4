#include "editor/FieldText.h"

#include <array>
#include <cstring>

namespace FieldText {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";
constexpr std::size_t kBufferSize = 256;

// The length of the character at text[at] as the interface reads it (one to three bytes of
// UTF-8, no overlong form, no surrogate, nothing past U+FFFF), or 0.
std::size_t CharacterLength(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead >= 0x01 && lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // the second byte's range
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    }
    if (length == 0 || at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    if (length == 3 && (byte(at + 2) < 0x80 || byte(at + 2) > 0xBF))
        return 0;
    return length;
}

// The length of a whole four-byte character, which the interface cannot hold, or 0.
std::size_t WideCharacterLength(const std::string& text, std::size_t at)
{
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    if (lead < 0xF0 || lead > 0xF4 || at + 4 > text.size())
        return 0;
    for (std::size_t i = at + 1; i < at + 4; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 0;
    return 4;
}

}  // namespace

std::string Shown(const std::string& text, std::size_t size)
{
    std::string shown;
    if (size == 0)
        return shown;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = CharacterLength(text, at);
        const char* piece = text.data() + at;
        std::size_t pieceLength = length;
        if (length == 0) {
            length = WideCharacterLength(text, at);
            if (length == 0)
                length = 1;
            piece = kReplacement;
            pieceLength = sizeof kReplacement - 1;
        }
        if (shown.size() + pieceLength > size - 1)
            break;
        shown.append(piece, pieceLength);
        at += length;
    }
    return shown;
}

bool Input(const char* label, const std::string& value, std::string& entered, ImGuiInputTextFlags flags,
           ImGuiInputTextCallback filter)
{
    const std::string shown = Shown(value, kBufferSize);
    std::array<char, kBufferSize> buffer{};
    std::memcpy(buffer.data(), shown.data(), shown.size());
    if (!ImGui::InputText(label, buffer.data(), buffer.size(), flags | ImGuiInputTextFlags_EnterReturnsTrue, filter))
        return false;
    entered = shown == buffer.data() ? value : std::string(buffer.data());
    return true;
}

}  // namespace FieldText
