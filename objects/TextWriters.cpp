#include "objects/TextWriters.h"

#include <charconv>
#include <cmath>
#include <ostream>

const char* const kEmptyToken = "<empty>";

namespace
{
// Writes the "%.6g" form of value into buf (at least 32 chars) and returns its length.
size_t FormatInto(char* buf, size_t size, float value)
{
    if (!std::isfinite(value))
        value = 0.0f;
    std::to_chars_result result = std::to_chars(buf, buf + size, value, std::chars_format::general, 6);
    return static_cast<size_t>(result.ptr - buf);
}
} // namespace

std::string FormatFloat(float value)
{
    char buf[32];
    return std::string(buf, FormatInto(buf, sizeof buf, value));
}

void WriteString(std::ostream& stream, const std::string& text)
{
    stream << text << '\n';
}

void WriteFloat(std::ostream& stream, float value)
{
    char buf[40];
    size_t n = FormatInto(buf, sizeof buf - 1, value);
    buf[n++] = '\n';
    stream.write(buf, static_cast<std::streamsize>(n));
}

void WriteVec2(std::ostream& stream, const Vector2& v)
{
    char buf[80];
    size_t n = FormatInto(buf, 32, v.x);
    buf[n++] = ' ';
    n += FormatInto(buf + n, 32, v.y);
    buf[n++] = '\n';
    stream.write(buf, static_cast<std::streamsize>(n));
}

void WriteVec3(std::ostream& stream, const Vector3& v)
{
    char buf[112];
    size_t n = FormatInto(buf, 32, v.x);
    buf[n++] = ' ';
    n += FormatInto(buf + n, 32, v.y);
    buf[n++] = ' ';
    n += FormatInto(buf + n, 32, v.z);
    buf[n++] = '\n';
    stream.write(buf, static_cast<std::streamsize>(n));
}

std::string ToToken(const std::string& text, const std::string& emptyText)
{
    if (text.empty())
        return emptyText;
    std::string token = text;
    for (char& c : token)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')
            c = '_';
    return token;
}

std::string FromToken(const std::string& token, const std::string& emptyText)
{
    return token == emptyText ? std::string() : token;
}
