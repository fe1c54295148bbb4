#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/Matrix4.h"
#include "engine/System.h"
#include "engine/Vector3.h"
#include "graphics/DrawList.h"
#include "graphics/FontText.h"
#include "graphics/LightPacking.h"
#include "graphics/ViewBox.h"
#include "graphics/QuadBatch.h"
#include "graphics/QuadCover.h"
#include "graphics/QuadStream.h"

class Mesh;
class ShaderObject;
class GameObject;
class Sprite;
class ParticleEmitter;
class Transform;

namespace Platform {
class PlatformWindow;
}

namespace Framework {

// Owns the OpenGL context and draws the world. The view is the fixed look-at matrix times the
// camera matrix that BeginFrame takes each frame; the projection is orthographic in pixels.
// Each Update draws, in list order, every object's sprite (through the lit program when a
// light is on and the sprite is light-affected, else the plain one; a light-affected sprite
// that no light reaches shows the ambient level) and then its particles;
// the lights are packed into "LightBlock" first, rewritten in full every frame. The quads are
// placed in the world on the CPU and sent in one buffer; neighbours in the list that share
// program and texture go to the driver as one draw call.
class GraphicsSystem : public System {
public:
    GraphicsSystem();
    ~GraphicsSystem() override;

    // Creates the context on the window (throws when it cannot), builds the matrices, the
    // particle quad, the two programs, the light buffer and the font.
    void Init() override;
    // The frame's draw (nothing but the timer without a context).
    void Update(float dt) override;
    std::string GetName() override;
    // Releases every GL object (its own and any texture or mesh still held elsewhere), then
    // the context.
    void Shutdown() override;

    // The plain program (the debug drawer draws with it).
    std::shared_ptr<ShaderObject> GetShader() const { return programs[0]; }

    // Makes the OpenGL 3.1 context on the window current and prints the version in use.
    bool CreateContext(Platform::PlatformWindow& window, std::string& error);
    bool HasContext() const { return contextReady; }

    // Called by the scene system once per frame after the depth sort: viewport, blending, the
    // frame's view from the camera, then the current scene's Draw.
    void BeginFrame();

    // The frame loop's clear (clear colour / 255, colour and depth) and buffer swap; both do
    // nothing without a context.
    void ClearScreen();
    void SwapBuffers();

    Matrix4 GetProjection() const { return projection; }
    Matrix4 GetView() const { return view; }
    std::array<float, 4> GetClearColor() const { return clearColor; }

    // lookAtView = the view from eye towards centre with up.
    void LookAt(const Vector3& eye, const Vector3& centre, const Vector3& up);
    // projection = orthographic over [-halfWidth, halfWidth] x [-halfHeight, halfHeight],
    // near 1, far 1000.
    void BuildProjection();

    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    std::array<float, 4> clearColor{0.0f, 0.0f, 0.0f, 0.0f};  // r, g, b, a on a 0..255 scale
    Matrix4 projection;
    Matrix4 lookAtView;
    Matrix4 view;

    std::array<std::shared_ptr<ShaderObject>, 2> programs;  // 0 plain, 1 lit
    FontText font;
    std::shared_ptr<Mesh> quadMesh;  // the particle quad's corners, v flipped
    QuadBatch quads;                 // this frame's quads, in draw order
    QuadStream quadStream;
    QuadCover quadCover;             // takes out what opaque quads hide
    unsigned int lightBuffer = 0;
    // Entries the light block holds: kLightCapacity, or fewer if the lit program declares a
    // smaller block (reported at Init).
    int lightCapacity = kLightCapacity;
    // Lights packed by the last draw (sent as "activeLights").
    int activeLightCount = 0;
    // Enabled lights of the last draw, whether they reached the view or not.
    int lightsOnCount = 0;

    // Up to this many lights, the lit variant hands each light from the vertex stage to the
    // fragment stage (see ShadowFrag_new.txt); Init sets what the driver's varyings can carry.
    // Setting it drops the variants built so far.
    int GetVertexLightLimit() const { return vertexLightLimit; }
    void SetVertexLightLimit(int limit);

    // What the frames drew since counting was switched on (for benchmarks; off it costs nothing).
    struct ShadingCount
    {
        long frames = 0;
        long draws = 0;
        long quads = 0;
        long hiddenQuads = 0;      // quads left out as opaque ones drawn later hide them
        double plainPixels = 0.0;  // screen area drawn with the plain program
        double litPixels = 0.0;    // with a lit program
        double lightPixels = 0.0;  // lit area times the lights each of its quads is shaded with
    };
    bool countShading = false;
    // Whether the last frame shaded lit quads with only the lights that reach each.
    bool ShadesLightsPerQuad() const { return lastFramePerQuad; }
    ShadingCount shading;

private:
    void CreateLightBuffer();
    // How many lights the driver's varyings let the lit variant carry from the vertex stage.
    static int DriverVertexLightLimit();
    int PackAndUploadLights();
    void UseProgram(unsigned int program);
    void BindTexture(unsigned int id);
    void BindLightBlock(const ShaderObject& program);
    // The lit program for that many lights: a variant built for the count, else the general one.
    const ShaderObject& LitProgramFor(int lightCount);
    // What a program needs once a frame: the view, neutral whole-draw tint, and the lights.
    void SetFrameUniforms(const ShaderObject& program, bool lit, const Matrix4& projectionView);
    // objectTransform: the object's own Transform (used when the sprite's owner is the object).
    void QueueSprite(GameObject& object, Sprite& sprite, const Transform* objectTransform);
    void QueueParticles(ParticleEmitter& emitter);
    // Sets the texture that the draw list's entries before index leave bound.
    void NoteTextureBefore(std::size_t index);
    // Draws the runs with the frame's programs. Lit quads draw plain when lightsOn is false,
    // at the ambient level when inTheDark is also true.
    void DrawQueuedQuads(bool lightsOn, bool inTheDark);
    // Scales the tint of the quads by the ambient level: what the lit program shows without light.
    void DimToAmbient(uint32_t firstQuad, uint32_t quadCount);
    // Notes in the lit quad's vertices the frame's lights whose reach touches it and returns
    // their count; -1 when more reach it than a quad carries (it then takes all of the frame's).
    int NoteQuadLights(std::size_t quad);
    // The lit program that takes a quad's own lights, for the given count of them (1 up to
    // kQuadLightSlots); null when the driver cannot carry them from the vertex stage. Built
    // once, at start-up.
    const ShaderObject* PerQuadLitProgram(int lights);
    // True when this frame's blending leaves a pixel unchanged under a fragment of alpha 0.
    static bool BlendHidesClearFragments();
    void CountShading();
    // What a queued quad notes instead of a program: the frame's lights decide which it gets.
    static constexpr unsigned int kPlainQuad = 0;
    static constexpr unsigned int kLitQuad = 1;

    // Lit programs built for exactly n lights (index n), made on first use.
    std::array<std::unique_ptr<ShaderObject>, kLightCapacity + 1> litVariants;
    std::vector<FoundLight> frameLights;
    DrawList drawList;
    std::vector<LightReach> frameReaches;    // the reach of each packed light, in entry order
    // Per-quad lit programs for up to 1, 2, 4 and 8 lights: a quad is drawn by the smallest that
    // holds its lights, so a fragment pays for few empty slots.
    static constexpr int kPerQuadVariants = 4;
    // Light counts whose whole-frame variant is built at start-up.
    static constexpr int kPrebuiltFrameVariants = 2;
    std::array<std::unique_ptr<ShaderObject>, kPerQuadVariants> perQuadLit;
    // One draw of consecutive quads: a run, or runs joined, or part of a run.
    struct QuadDraw
    {
        const ShaderObject* program;
        int64_t texture;
        uint32_t firstQuad;
        uint32_t quadCount;
    };
    std::vector<QuadDraw> draws;
    std::vector<int> runLights;  // the light slots each quad of a lit run needs (-1: all)
    const ShaderObject* frameLit = nullptr;  // the lit program of the frame being drawn
    ViewBox frameView;                       // the world the frame shows
    bool frameViewKnown = false;             // false: nothing is culled
    bool frameBlendHidesClear = false;       // true: quads of alpha 0 are left out
    bool lastFramePerQuad = false;
    int vertexLightLimit = 0;
    bool contextReady = false;
    std::vector<unsigned char> lightStaging;
    unsigned int currentProgram = 0;
    unsigned int boundTexture = 0;
    bool textureKnown = false;
};

}  // namespace Framework

extern std::shared_ptr<Framework::GraphicsSystem> gGraphicsSystem;

// Shader program i is built from entry i of each: 0 the plain program, 1 the lit one.
extern const std::array<std::string, 2> gVertexShaderPaths;
extern const std::array<std::string, 2> gFragmentShaderPaths;
