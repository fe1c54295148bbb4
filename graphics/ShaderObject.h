#pragma once

#include <string>

#include "graphics/GLResource.h"

// Locations of the uniforms the draw sets, looked up once after linking (-1 when the program
// has no such uniform). lightBlockIndex is the "LightBlock" block's index, or -1.
struct ShaderUniforms
{
    int mvp = -1;
    int inColor = -1;
    int alphaVal = -1;
    int targetMatrix = -1;
    int ambientLight = -1;
    int activeLights = -1;
    int lightBlockIndex = -1;
};

// Vertex attribute locations every program is linked with.
constexpr unsigned int kPositionAttribute = 0;  // "position", vec3
constexpr unsigned int kTexCoordAttribute = 1;  // "texCoord", vec2
constexpr unsigned int kTintAttribute = 2;      // "vertexTint", vec4: colour and alpha
constexpr unsigned int kLightsLowAttribute = 3;   // "lightSlotsLow", uvec4: a quad's light slots 0..3
constexpr unsigned int kLightsHighAttribute = 4;  // "lightSlotsHigh", uvec4: slots 4..7

// One linked program built from a vertex-shader file and a fragment-shader file, with the
// attribute locations above bound before linking. Missing files and compile or link errors are reported on the console and in
// the log; such a program stays unlinked and draws nothing.
class ShaderObject : public GLResource
{
public:
    ShaderObject() = default;
    ~ShaderObject() override;

    // defines: lines ("#define NAME value\n") put after the "#version" line of both shaders,
    // to build a variant of the program.
    void Load(std::string vertexPath, std::string fragmentPath, const std::string& defines = "");
    bool IsLinked() const { return linked; }
    // The last problem Load reported, or "".
    const std::string& GetError() const { return error; }

    void ReleaseGL() override;

    unsigned int program = 0;
    unsigned int vertexShader = 0;
    unsigned int fragmentShader = 0;
    ShaderUniforms uniforms;

private:
    void Fail(const std::string& message);
    bool Compile(unsigned int shader, const std::string& source, const std::string& path);

    bool linked = false;
    std::string error;
};
