#include <cstdio>

#include "engine/Core.h"
#include "engine/FrameLoop.h"
#include "platform/AtomicFile.h"
#include "platform/BrokenCopy.h"
#include "platform/ConsoleGuard.h"
#include "platform/FolderLock.h"

int main()
{
    // Each console line goes out whole as it is written, to a terminal or not: a game that is
    // killed keeps its last messages.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    Platform::ConsoleGuard::GuardStandardStreams();
    // A file write stopped between writing and renaming leaves its temporary file; the next
    // write of that file also removes it, but one that is never written again would keep it for
    // good. These are the folders the game and its editor write into; only files a minute old
    // go, as a younger one may be a second game's write in progress. A write stopped between
    // keeping its copy by link and its rename left that copy a second name of the live file: it
    // gets bytes of its own, under the folder's lock, so that no second game's writer is cut
    // between its link and its rename.
    for (const char* folder : {"../resources", "../resources/level", "../resources/level/Editor", "../resources/prefab",
                               "../resources/save"}) {
        const Platform::FolderLock lock(folder);
        Platform::RemoveTemporaryLeftovers(folder);
        Platform::SeverLinkedCopies(folder);
    }
    gCore->Initialize();
    FrameServices services = MakeGameFrameServices();
    return RunEngine(*gCore, services, gFullscreen);
}
