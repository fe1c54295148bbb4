#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace Platform {

// Text read from a file, fit to quote in a console or log message: control bytes, DEL, the C1
// controls and bytes that are not UTF-8 show as \xNN (a raw ESC could retitle or clear the
// terminal); printable ASCII and other valid UTF-8 pass unchanged.
std::string Printable(std::string_view text);

// The same for a whole message of several lines: line breaks and tabs pass.
std::string PrintableLines(std::string_view text);

// The length (1 to 4) of the whole UTF-8 character that starts at text[at]: no overlong form,
// no surrogate, nothing past U+10FFFF. 0 where none starts there.
std::size_t Utf8CharacterLength(std::string_view text, std::size_t at);

// How many bytes at the end of the text (0 to 3) begin a UTF-8 character that bytes still to
// come could complete: text that arrives in pieces holds them back until the next piece.
std::size_t UnfinishedCharacterBytes(std::string_view text);

}  // namespace Platform
