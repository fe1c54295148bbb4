#pragma once

#include <cstdint>
#include <string>

#include "graphics/GLResource.h"

// One PNG image in a GL texture, its top row at v = 0, sampled nearest-neighbour and clamped
// at the edges so sheet frames neither blur nor bleed. A file that does not decode is reported
// and leaves id 0 (binding it binds no texture).
class GLTexture : public GLResource
{
public:
    explicit GLTexture(const std::string& path);
    ~GLTexture() override;

    bool IsValid() const { return id != 0; }
    void ReleaseGL() override;

    uint32_t width = 0;
    uint32_t height = 0;
    unsigned int id = 0;
};
