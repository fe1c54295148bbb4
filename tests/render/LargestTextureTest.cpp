// Pictures over the largest texture side, from a level's load or a single request, and an upload
// the graphics library turns down, are refused and named in a report; one at the limit uploads.
#include "RenderFixture.h"

#include <iostream>
#include <sstream>

#include "graphics/GLTexture.h"

namespace rendertest {
namespace {

TEST_F(RenderTest, PicturesOverTheLargestTextureAreRefusedByName)
{
    Start();
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const unsigned side = static_cast<unsigned>(largest);
    // All black in 1-bit grey: a few bytes however wide.
    for (const auto& [name, w, h] : {std::tuple("Wide.png", 2 * side, 1u), std::tuple("Tall.png", 1u, 2 * side),
                                     std::tuple("Edge.png", side, 1u)})
        ASSERT_EQ(lodepng::encode((Sprites() / name).string(), std::vector<unsigned char>(w * h / 8 + 1), w, h,
                                  LCT_GREY, 1), 0u);
    gTextureSystem->LoadFolder(Sprites().string());

    std::ostringstream reports;
    std::streambuf* console = std::cerr.rdbuf(reports.rdbuf());
    gTextureSystem->Preload({"Wide.png", "Edge.png"});
    const unsigned tall = gTextureSystem->GetTexture("Tall.png")->id;
    GLTexture handmade;
    GLTexture::Decoded overSide;
    overSide.width = side + 1;
    overSide.height = 1;
    overSide.pixels.resize(overSide.width * 4);
    handmade.Fill(overSide, "Handmade.png");
    std::cerr.rdbuf(console);

    for (const char* name : {"Wide.png", "Tall.png", "Handmade.png"})
        EXPECT_NE(reports.str().find(name), std::string::npos) << name << " in:\n" << reports.str();
    EXPECT_EQ(reports.str().find("Edge.png"), std::string::npos) << reports.str();
    EXPECT_EQ(gTextureSystem->GetTexture("Wide.png")->id, 0u);
    EXPECT_EQ(tall, 0u);
    EXPECT_EQ(handmade.id, 0u);
    EXPECT_NE(gTextureSystem->GetTexture("Edge.png")->id, 0u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace rendertest
