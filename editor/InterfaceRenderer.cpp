#include "editor/InterfaceRenderer.h"

#include <imgui.h>
#include <backends/imgui_impl_opengl3.h>

#include "graphics/GraphicsSystem.h"

namespace {

constexpr ImWchar kReplacementCharacter = 0xFFFD;
// U+FFFD in the default font's cell, on its letters' line: a diamond with a question mark cut
// out of it.
constexpr int kMarkWidth = 7;
constexpr const char* kMark[] = {
    "...#...", "..###..", ".#...#.", "####.##", "###.###", "###.###", ".#####.", "..#.#..", "...#...",
};
constexpr int kMarkRows = static_cast<int>(sizeof kMark / sizeof *kMark);
constexpr float kMarkTop = 2.0f;

}  // namespace

void InterfaceRenderer::BuildFont()
{
    if (!ImGui::GetCurrentContext())
        return;
    ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
    if (atlas.IsBuilt() && !atlas.Fonts.empty() && atlas.Fonts[0]->FindGlyphNoFallback(kReplacementCharacter))
        return;
    atlas.Clear();
    ImFont* font = atlas.AddFontDefault();
    const int mark = atlas.AddCustomRectFontGlyph(font, kReplacementCharacter, kMarkWidth, kMarkRows,
                                                  static_cast<float>(kMarkWidth), ImVec2(0.0f, kMarkTop));
    // Left to itself the font would fall back on U+FFFD once it has one, and every character it
    // lacks would read as a bad byte.
    font->FallbackChar = '?';
    if (!atlas.Build())
        return;
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    atlas.GetTexDataAsAlpha8(&pixels, &width, &height);
    const ImFontAtlasCustomRect* at = atlas.GetCustomRectByIndex(mark);
    if (!pixels || !at || !at->IsPacked())
        return;
    for (int y = 0; y < kMarkRows; ++y)
        for (int x = 0; x < kMarkWidth; ++x)
            pixels[(at->Y + y) * width + at->X + x] = kMark[y][x] == '#' ? 0xFF : 0x00;
}

void InterfaceRenderer::Create()
{
    if (!ImGui::GetCurrentContext())
        return;
    BuildFont();
    if (!backend && gGraphicsSystem && gGraphicsSystem->HasContext()) {
        backend = ImGui_ImplOpenGL3_Init("#version 130");
        if (backend)
            ImGui_ImplOpenGL3_CreateDeviceObjects();
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
