#pragma once
#include <streambuf>

namespace Platform {

// Stands between a console stream and its buffer so that no control byte reaches the terminal
// raw, whatever a message forgot to escape: line breaks and tabs pass, other control bytes and
// DEL go out as \xNN. Messages escape what they quote themselves; this is the last guard.
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
    std::streambuf* target;
};

}  // namespace Platform
