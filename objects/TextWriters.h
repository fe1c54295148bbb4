#pragma once

#include <iosfwd>
#include <string>

#include "engine/Vector2.h"
#include "engine/Vector3.h"

// Every text file is written one item per line. Floats take the form of "%g" with six
// significant digits in the C locale whatever the locale of the stream; NaN and the
// infinities are written as 0 so that every value reads back.

void WriteString(std::ostream& stream, const std::string& text);
void WriteVec2(std::ostream& stream, const Vector2& v);
void WriteVec3(std::ostream& stream, const Vector3& v);
// One float on its own line.
void WriteFloat(std::ostream& stream, float value);

// The text form of one float (no line end).
std::string FormatFloat(float value);

// Written in place of an empty text value; reads back as empty through FromToken.
extern const char* const kEmptyToken;

// Makes text safe as one token: blanks become underscores, empty text becomes emptyText.
std::string ToToken(const std::string& text, const std::string& emptyText = kEmptyToken);
// Undoes the empty placeholder of ToToken.
std::string FromToken(const std::string& token, const std::string& emptyText = kEmptyToken);
