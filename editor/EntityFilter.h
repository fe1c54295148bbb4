#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class GameObject;
class PatternSearch;

// The Entity window's search: a regular expression found anywhere in the name as the window
// shows it (mode 0) or the decimal id (mode 1), or an exact object type (mode 2); a pattern that
// does not compile lets every object through. A pattern of a couple of hundred characters can
// take a second to compile or to run over a level's names, so the expression is compiled and run
// away from the frame (PatternSearch): a frame hands over the texts it found no answer for and
// waits a little for them; until they are answered, their objects are listed. Each text's
// answer is kept until the pattern changes, so later frames only look the answers up.
class EntityFilter {
public:
    enum Mode { ByName = 0, ById = 1, ByType = 2 };
    // Long enough for most patterns to be answered in the frame that typed them, short enough
    // to leave the frame most of its time.
    static constexpr std::chrono::milliseconds kFrameWait{4};

    // `watch` is told of each search as it starts, on the thread that runs it.
    explicit EntityFilter(std::function<void(const std::string& pattern)> watch = {});
    ~EntityFilter();

    void Set(int mode, const std::string& pattern, int objectType);
    // Whether the object is listed. A text with no answer yet is listed and kept for Settle.
    bool Matches(const GameObject& object);
    // Hands the texts kept since the last call to the search and takes in what it answered,
    // waiting at most `wait` for texts handed over now: true when answers came in, so that
    // objects listed for want of one may now be left out.
    bool Settle(std::chrono::steady_clock::duration wait);
    // Texts were handed over and are not answered yet.
    bool Searching() const { return asked; }
    bool PatternValid() const { return valid; }
    // How many texts the pattern has been run over since it was set.
    size_t TextsSearched() const { return searched; }

private:
    int mode = ByName;
    int objectType = 999;
    std::string pattern;
    bool compiled = false;
    bool known = true;  // whether the pattern compiles is known
    bool valid = true;
    bool asked = false;
    std::function<void(const std::string& pattern)> watch;
    std::unique_ptr<PatternSearch> search;
    // Shown name or id text -> whether the pattern is found in it.
    std::unordered_map<std::string, bool> answers;
    std::vector<std::string> unanswered;
    size_t searched = 0;
};
