#include "engine/Core.h"
#include "engine/FrameLoop.h"
#include "platform/AtomicFile.h"

int main()
{
    // A save stopped between writing and renaming leaves its temporary file; the next save of
    // that file also removes it, but one that is never saved again would stay for good.
    Platform::RemoveTemporaryLeftovers("../resources/save");
    gCore->Initialize();
    FrameServices services = MakeGameFrameServices();
    return RunEngine(*gCore, services, gFullscreen);
}
