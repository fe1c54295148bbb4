#include "ai/TileName.h"

namespace {
// Large enough for any room anyone would lay out; keeps the numbers far from overflow.
constexpr std::size_t kMaxDigits = 5;

bool ReadNumber(const std::string& text, int& value)
{
    if (text.empty() || text.size() > kMaxDigits)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}
}  // namespace

bool TileName::Parse(const std::string& name, TileName& out, std::string& why)
{
    const std::size_t g = name.rfind('g');
    if (g == std::string::npos) {
        why = "has no 'g' before its row";
        return false;
    }
    if (g == 0) {
        why = "has no room name before its 'g'";
        return false;
    }
    const std::string numbers = name.substr(g + 1);
    const std::size_t x = numbers.find('x');
    if (x == std::string::npos) {
        why = "has no 'x' between its row and column";
        return false;
    }
    TileName parsed;
    parsed.room = name.substr(0, g);
    if (!ReadNumber(numbers.substr(0, x), parsed.row) || !ReadNumber(numbers.substr(x + 1), parsed.column)) {
        why = "has a row or column that is not a plain number";
        return false;
    }
    out = parsed;
    return true;
}
