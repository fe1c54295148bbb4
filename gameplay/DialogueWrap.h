#pragma once

#include <string>

// Typing with line breaks: once more than wrapLimit characters stand since the last break, a
// break follows, with a hyphen unless the line's next character is a blank. Counting from the
// last break keeps long lines wrapping every wrapLimit characters rather than after each one.
void AppendWrapped(std::string& shown, const std::string& line, int index, int wrapLimit);

// The whole line as typing it would show it.
std::string WrapWhole(const std::string& line, int wrapLimit);
