#include "engine/Core.h"
#include "engine/FrameLoop.h"

int main()
{
    gCore->Initialize();
    FrameServices services = MakeGameFrameServices();
    return RunEngine(*gCore, services, gFullscreen);
}
