#pragma once
#include <regex>
#include <string>

class GameObject;

// The Entity window's search: a regular expression found anywhere in the name (mode 0) or the
// decimal id (mode 1), or an exact object type (mode 2). The pattern is compiled once per
// change; a pattern that does not compile lets every object through.
class EntityFilter {
public:
    enum Mode { ByName = 0, ById = 1, ByType = 2 };

    void Set(int mode, const std::string& pattern, int objectType);
    bool Matches(const GameObject& object) const;
    bool PatternValid() const { return valid; }

private:
    int mode = ByName;
    int objectType = 999;
    std::string pattern;
    bool compiled = false;
    bool valid = true;
    std::regex expression;
};
