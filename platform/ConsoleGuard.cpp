#include "platform/ConsoleGuard.h"

#include <iostream>
#include <string_view>

#include "platform/PrintableText.h"

namespace Platform {

void ConsoleGuard::GuardStandardStreams()
{
    // Never destroyed: messages may still be written while static objects are torn down.
    static ConsoleGuard* out = new ConsoleGuard(std::cout.rdbuf());
    static ConsoleGuard* err = new ConsoleGuard(std::cerr.rdbuf());
    std::cout.rdbuf(out);
    std::cerr.rdbuf(err);
}

ConsoleGuard::int_type ConsoleGuard::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return Pass(&byte, 1, false) ? c : traits_type::eof();
}

std::streamsize ConsoleGuard::xsputn(const char* text, std::streamsize count)
{
    return Pass(text, count, false) ? count : 0;
}

bool ConsoleGuard::Pass(const char* text, std::streamsize count, bool settle)
{
    const std::lock_guard<std::mutex> hold(lock);
    held.append(text, static_cast<std::size_t>(count));
    const std::size_t decided = settle ? held.size() : held.size() - UnfinishedCharacterBytes(held);
    const std::string out = PrintableLines(std::string_view(held).substr(0, decided));
    held.erase(0, decided);
    const auto size = static_cast<std::streamsize>(out.size());
    return target->sputn(out.data(), size) == size;
}

int ConsoleGuard::sync()
{
    // A flush (and so the end of the program) settles what is held: the start of a character
    // that no write finished goes out escaped.
    if (!Pass("", 0, true))
        return -1;
    return target->pubsync();
}

}  // namespace Platform
