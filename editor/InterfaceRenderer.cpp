#include "editor/InterfaceRenderer.h"

#include <imgui.h>
#include <backends/imgui_impl_opengl3.h>

#include "graphics/GraphicsSystem.h"

void InterfaceRenderer::Create()
{
    if (!ImGui::GetCurrentContext())
        return;
    if (!backend && gGraphicsSystem && gGraphicsSystem->HasContext()) {
        backend = ImGui_ImplOpenGL3_Init("#version 130");
        if (backend)
            ImGui_ImplOpenGL3_CreateDeviceObjects();
    }
    if (!backend) {
        // Frames need a built atlas even when nothing is drawn.
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        ImGui::GetIO().Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }
}

void InterfaceRenderer::Ensure()
{
    // The backend's own frame start recreates whatever device object is missing.
    if (backend)
        ImGui_ImplOpenGL3_NewFrame();
}

void InterfaceRenderer::RenderDrawData()
{
    if (backend)
        ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
}

void InterfaceRenderer::Destroy()
{
    if (!backend)
        return;
    ImGui_ImplOpenGL3_Shutdown();  // deletes the device objects, the font texture included
    backend = false;
}
