#pragma once
#include <mutex>
#include <streambuf>
#include <string>

namespace Platform {

// Stands between a console stream and its buffer so that nothing the terminal would act on
// reaches it raw, whatever a message forgot to escape: what passes and what goes out as \xNN is
// PrintableLines' rule (line breaks, tabs and valid UTF-8 pass). Messages escape what they quote
// themselves; this is the last guard.
class ConsoleGuard : public std::streambuf {
public:
    explicit ConsoleGuard(std::streambuf* target) : target(target) {}

    // Puts a guard in front of std::cout and std::cerr for the rest of the run.
    static void GuardStandardStreams();

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    // Escapes what is decided (with `settle`, all that is held) and writes it on; false when the
    // target took less.
    bool Pass(const char* text, std::streamsize count, bool settle);

    std::streambuf* target;
    // The start of a character a write ended in: the next write decides it, unless a flush
    // comes first, which hands on everything written and so lets it out escaped. std::cerr
    // flushes after every <<, so there a character cut between two << always goes out escaped
    // (as does one held on std::cout when std::cerr, tied to it, is written).
    std::string held;
    // Writes from another thread would otherwise meet in `held`.
    std::mutex lock;
};

}  // namespace Platform
