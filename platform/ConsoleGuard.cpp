#include "platform/ConsoleGuard.h"

#include <iostream>

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
    const unsigned char byte = static_cast<unsigned char>(traits_type::to_char_type(c));
    if ((byte >= 0x20 && byte != 0x7F) || byte == '\n' || byte == '\t')
        return target->sputc(static_cast<char>(byte));
    static const char kHex[] = "0123456789abcdef";
    const char escaped[] = {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    return target->sputn(escaped, 4) == 4 ? c : traits_type::eof();
}

std::streamsize ConsoleGuard::xsputn(const char* text, std::streamsize count)
{
    std::streamsize written = 0;
    while (written < count && !traits_type::eq_int_type(overflow(traits_type::to_int_type(text[written])),
                                                         traits_type::eof()))
        ++written;
    return written;
}

int ConsoleGuard::sync()
{
    return target->pubsync();
}

}  // namespace Platform
