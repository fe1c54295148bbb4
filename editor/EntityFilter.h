#pragma once
#include <memory>
#include <string>
#include <unordered_map>

class GameObject;
namespace re2 {
class RE2;
}

// The Entity window's search: a regular expression found anywhere in the name as the window
// shows it (mode 0) or the decimal id (mode 1), or an exact object type (mode 2). The pattern is
// compiled once per change; a pattern that does not compile lets every object through. RE2
// matches in time that grows with the name's length, but a pattern near its memory budget still
// costs a while per name: each text's answer is kept until the pattern changes, so a list is
// searched once and later frames only look the answers up. So no pattern can stall the editor.
class EntityFilter {
public:
    enum Mode { ByName = 0, ById = 1, ByType = 2 };

    void Set(int mode, const std::string& pattern, int objectType);
    bool Matches(const GameObject& object);
    bool PatternValid() const { return valid; }
    // How many texts the pattern has been run over since it was set.
    size_t TextsSearched() const { return searched; }

private:
    int mode = ByName;
    int objectType = 999;
    std::string pattern;
    bool compiled = false;
    bool valid = true;
    std::shared_ptr<const re2::RE2> expression;
    // Shown name or id text -> whether the pattern is found in it.
    std::unordered_map<std::string, bool> answers;
    size_t searched = 0;
};
