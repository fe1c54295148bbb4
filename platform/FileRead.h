#pragma once

// How a file with an end line read: whole, to its end line with nothing after it; to an end
// line that more text follows (all before it was read); broken part-way (what came before the
// fault was read); or not at all (not opened, empty, or broken before anything was taken).
enum class FileRead { Whole, GoesOn, Broken, Unread };
