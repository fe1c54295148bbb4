#include "engine/ScreenNotice.h"

#include <GL/glew.h>

#include "engine/WindowSystem.h"
#include "graphics/FontText.h"
#include "graphics/GraphicsSystem.h"

void DrawScreenNotice(const std::string& text, NoticeColour colour)
{
    if (!gGraphicsSystem || !gGraphicsSystem->HasContext() || !gGraphicsSystem->font.IsReady())
        return;
    const float height = gWindowSystem ? static_cast<float>(gWindowSystem->height) : 1080.0f;
    if (colour == NoticeColour::Red)
        glColor4ub(255, 80, 64, 255);
    else
        glColor4ub(255, 255, 255, 255);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // From the bottom left: a third of the way down the screen.
    glTranslatef(60.0f, height * 2.0f / 3.0f, 0.0f);
    FontText::Print(gGraphicsSystem->font, 0.0f, 0.0f, "%s", text.c_str());
    glPopMatrix();
}
