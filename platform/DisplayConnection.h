#pragma once

struct SDL_Window;

namespace Platform {

// The X connection can break under a running game (the server killed, the session ended, a
// forwarded connection dropped). The X library would then end the process from inside the
// call that noticed, skipping the shutdown, and the destructors run by that exit wait for ever
// for replies that never come. Instead the loss is noted, every later request on the
// connection fails at once, and the game ends its run itself.

// Watches the connection the window is on (X11 only; once is enough).
void WatchDisplay(SDL_Window* window);

// True once the connection has broken: nothing more may be asked of the display.
bool DisplayLost();

}  // namespace Platform
