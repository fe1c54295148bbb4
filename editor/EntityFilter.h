#pragma once
#include <memory>
#include <string>

class GameObject;
namespace re2 {
class RE2;
}

// The Entity window's search: a regular expression found anywhere in the name (mode 0) or the
// decimal id (mode 1), or an exact object type (mode 2). The pattern is compiled once per
// change; a pattern that does not compile lets every object through. RE2 matches in time that
// grows with the name's length, so no pattern can stall the editor.
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
    std::shared_ptr<const re2::RE2> expression;
};
