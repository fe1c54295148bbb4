#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// The game reports bad input on the console; at thousands of inputs a second that output
// would cost more than the reading. Sanitizer and fuzzer reports do not go through it.
void SilenceConsole();

// The input as text.
std::string AsText(const uint8_t* data, size_t size);

// Inputs that stand for two files hold them separated by the first NUL byte (the second is
// empty when there is none); the seeds are made that way.
std::pair<std::string, std::string> SplitAtNul(const uint8_t* data, size_t size);

// A broken promise of the code under test: prints what differs and aborts, which libFuzzer
// reports as a crash with the input that caused it.
[[noreturn]] void FuzzFailure(const std::string& what, const std::string& expected, const std::string& actual);

// The level scene as the game runs it, from cleared scene requests and an empty object list:
// Load (the save when continuing, else Level1), Init, a few frames, Unload, Shutdown.
void RunLevelScene(bool continueGame);
