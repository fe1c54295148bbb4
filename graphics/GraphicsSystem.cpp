#include "graphics/GraphicsSystem.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <stdexcept>

#include "engine/Camera.h"
#include "engine/LoggingSystem.h"
#include "engine/Scene.h"
#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "graphics/GLResource.h"
#include "graphics/GLTexture.h"
#include "graphics/LightSource.h"
#include "graphics/Mesh.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/ShaderObject.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/ListPrefetch.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "platform/GLContext.h"

namespace Framework {

namespace {

float Dot(const Vector3& a, const Vector3& b)
{
    return (a.x * b.x + a.y * b.y) + a.z * b.z;
}

Vector3 Normalised(const Vector3& v)
{
    return v / v.Length();
}

// The textbook cross product. The engine's Cross has its y component negated, which would
// turn the up vector over and show the world upside down.
Vector3 RightHandedCross(const Vector3& p, const Vector3& q)
{
    return Vector3(p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x);
}

}  // namespace

GraphicsSystem::GraphicsSystem() = default;

GraphicsSystem::~GraphicsSystem() = default;

bool GraphicsSystem::CreateContext(Platform::PlatformWindow& window, std::string& error)
{
    if (!Platform::CreateGLContext(window, error))
        return false;
    contextReady = true;

    GLint major = -1;
    GLint minor = -1;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    std::cout << "Using OpenGL: " << major << "." << minor << std::endl;
    return true;
}

void GraphicsSystem::Init()
{
    std::string error;
    if (!gWindowSystem || !CreateContext(gWindowSystem->window, error))
        throw std::runtime_error(error.empty() ? "no window for the OpenGL context" : error);

    halfWidth = static_cast<float>(gWindowSystem->width) * 0.5f;
    halfHeight = static_cast<float>(gWindowSystem->height) * 0.5f;

    // The particle quad shows its texture's top row at its top (its corners only: the draw
    // places them itself).
    quadMesh = std::make_shared<Mesh>();
    const float flippedUV[4][2] = {{1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}, {0.0f, 0.0f}};
    for (int i = 0; i < 4; ++i) {
        quadMesh->vertices[i].u = flippedUV[i][0];
        quadMesh->vertices[i].v = flippedUV[i][1];
    }

    LookAt(Vector3(0.0f, 0.0f, 5.0f), Vector3(0.0f, 0.0f, -1.0f), Vector3(0.0f, 1.0f, 0.0f));
    BuildProjection();

    for (std::size_t i = 0; i < programs.size(); ++i) {
        programs[i] = std::make_shared<ShaderObject>();
        programs[i]->Load(gVertexShaderPaths[i], gFragmentShaderPaths[i]);
    }
    CreateLightBuffer();
    SetVertexLightLimit(DriverVertexLightLimit());
    // Built now rather than on the first lit frame, which would stall as the level comes up.
    for (int lights = 1; lights <= kQuadLightSlots; lights *= 2)
        PerQuadLitProgram(lights);
    // And the variants for the whole frame's one or two lights, for runs that all of them reach.
    for (int lights = 1; lights <= kPrebuiltFrameVariants; ++lights)
        LitProgramFor(lights);

    font.Init(nullptr, 30);
}

void GraphicsSystem::SetVertexLightLimit(int limit)
{
    vertexLightLimit = limit;
    for (auto& variant : litVariants)
        variant.reset();
    for (auto& variant : perQuadLit)
        variant.reset();
}

const ShaderObject* GraphicsSystem::PerQuadLitProgram(int lights)
{
    if (lights < 1 || lights > kQuadLightSlots || vertexLightLimit < kQuadLightSlots || !programs[1] ||
        !programs[1]->IsLinked())
        return nullptr;
    int variant = 0;
    while ((1 << variant) < lights)
        ++variant;
    std::unique_ptr<ShaderObject>& program = perQuadLit[static_cast<std::size_t>(variant)];
    if (!program) {
        program = std::make_unique<ShaderObject>();
        program->Load(gVertexShaderPaths[1], gFragmentShaderPaths[1],
                      "#define LIGHT_COUNT " + std::to_string(1 << variant) +
                          "\n#define LIGHTS_FROM_VERTEX\n#define LIGHTS_PER_QUAD\n");
        BindLightBlock(*program);
    }
    return program->IsLinked() && program->uniforms.lightBlockIndex >= 0 ? program.get() : nullptr;
}

int GraphicsSystem::DriverVertexLightLimit()
{
    // The lit variant's vectors for n lights (see ShadowVert.txt): uv, the tint, the points
    // and the cones by pairs, two a light. More lights would make every triangle carry more
    // than the fragments save.
    constexpr int kMostVertexLights = 8;
    const auto vectorsFor = [](int n) { return 2 + 2 * ((n + 1) / 2) + 2 * n; };
    GLint components = 0;
    glGetIntegerv(GL_MAX_VARYING_COMPONENTS, &components);
    int limit = 0;
    while (limit < kMostVertexLights && vectorsFor(limit + 1) <= components / 4)
        ++limit;
    return limit;
}

void GraphicsSystem::CreateLightBuffer()
{
    lightStaging.assign(kLightBufferSize, 0);
    lightCapacity = kLightCapacity;
    const ShaderObject& lit = *programs[1];

    glGenBuffers(1, &lightBuffer);
    glBindBuffer(GL_UNIFORM_BUFFER, lightBuffer);
    glBufferData(GL_UNIFORM_BUFFER, static_cast<GLsizeiptr>(kLightBufferSize), nullptr, GL_DYNAMIC_DRAW);
    if (lit.IsLinked() && lit.uniforms.lightBlockIndex >= 0) {
        const GLuint block = static_cast<GLuint>(lit.uniforms.lightBlockIndex);
        GLint blockSize = 0;
        glGetActiveUniformBlockiv(lit.program, block, GL_UNIFORM_BLOCK_DATA_SIZE, &blockSize);
        if (blockSize != static_cast<GLint>(kLightBufferSize)) {
            ReportError("The lit shader's LightBlock holds " + std::to_string(blockSize) + " bytes, the engine " +
                        std::to_string(kLightBufferSize) + " (" + std::to_string(kLightCapacity) +
                        " lights); lights are limited to what both hold");
            if (blockSize > static_cast<GLint>(kLightBufferSize))
                lightCapacity = 0;  // a buffer smaller than the block must not be bound
            else
                lightCapacity = static_cast<int>(static_cast<std::size_t>(blockSize) / kLightEntrySize);
        }
        BindLightBlock(lit);
    } else if (lit.IsLinked()) {
        ReportError("The lit shader has no LightBlock; sprites are drawn unlit");
        lightCapacity = 0;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, 0, lightBuffer);
    glBindBuffer(GL_UNIFORM_BUFFER, 0);
}

void GraphicsSystem::BindLightBlock(const ShaderObject& program)
{
    if (program.IsLinked() && program.uniforms.lightBlockIndex >= 0)
        glUniformBlockBinding(program.program, static_cast<GLuint>(program.uniforms.lightBlockIndex), 0);
}

const ShaderObject& GraphicsSystem::LitProgramFor(int lightCount)
{
    const ShaderObject& general = *programs[1];
    if (lightCount < 1 || lightCount > kLightCapacity || !general.IsLinked())
        return general;
    std::unique_ptr<ShaderObject>& variant = litVariants[static_cast<std::size_t>(lightCount)];
    if (!variant) {
        // Built once per count, the first time that many lights are on; a variant that
        // fails (reported by Load) leaves the general program in use.
        variant = std::make_unique<ShaderObject>();
        std::string defines = "#define LIGHT_COUNT " + std::to_string(lightCount) + "\n";
        if (lightCount <= vertexLightLimit)
            defines += "#define LIGHTS_FROM_VERTEX\n";
        variant->Load(gVertexShaderPaths[1], gFragmentShaderPaths[1], defines);
        BindLightBlock(*variant);
    }
    return variant->IsLinked() && variant->uniforms.lightBlockIndex >= 0 ? *variant : general;
}

void GraphicsSystem::LookAt(const Vector3& eye, const Vector3& centre, const Vector3& up)
{
    const Vector3 f = Normalised(centre - eye);
    const Vector3 s = Normalised(RightHandedCross(f, up));
    const Vector3 u = RightHandedCross(s, f);

    Matrix4 m;
    m[0] = s.x;
    m[1] = u.x;
    m[2] = -f.x;
    m[3] = 0.0f;
    m[4] = s.y;
    m[5] = u.y;
    m[6] = -f.y;
    m[7] = 0.0f;
    m[8] = s.z;
    m[9] = u.z;
    m[10] = -f.z;
    m[11] = 0.0f;
    m[12] = -Dot(s, eye);
    m[13] = -Dot(u, eye);
    m[14] = Dot(f, eye);
    m[15] = 1.0f;
    lookAtView = m;
}

void GraphicsSystem::BuildProjection()
{
    const float left = -halfWidth;
    const float right = halfWidth;
    const float bottom = -halfHeight;
    const float top = halfHeight;
    const float nearPlane = 1.0f;
    const float farPlane = 1000.0f;

    Matrix4 m;
    for (int i = 0; i < 16; ++i)
        m[i] = 0.0f;
    m[0] = 2.0f / (right - left);
    m[5] = 2.0f / (top - bottom);
    m[10] = -2.0f / (farPlane - nearPlane);
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    m[14] = -(farPlane + nearPlane) / (farPlane - nearPlane);
    m[15] = 1.0f;
    projection = m;
}

void GraphicsSystem::UseProgram(unsigned int program)
{
    if (currentProgram != program) {
        glUseProgram(program);
        currentProgram = program;
    }
}

void GraphicsSystem::BindTexture(unsigned int id)
{
    if (!textureKnown || boundTexture != id) {
        glBindTexture(GL_TEXTURE_2D, id);
        boundTexture = id;
        textureKnown = true;
    }
}

int GraphicsSystem::PackAndUploadLights()
{
    // Only lights that reach the part of the world on screen go to the lit program.
    const int count = PackFoundLights(frameLights, lightStaging.data(), lightStaging.size(), lightCapacity,
                                      frameViewKnown ? &frameView : nullptr, &frameReaches, &lightsOnCount);
    if (lightBuffer == 0)
        return 0;
    glBindBuffer(GL_UNIFORM_BUFFER, lightBuffer);
    if (count > 0)
        glBufferSubData(GL_UNIFORM_BUFFER, 0, static_cast<GLsizeiptr>(static_cast<std::size_t>(count) * kLightEntrySize),
                        lightStaging.data());
    // Something else may have taken binding point 0 since the last frame.
    glBindBufferBase(GL_UNIFORM_BUFFER, 0, lightBuffer);
    return count;
}

void GraphicsSystem::Update(float /*dt*/)
{
    timer.Restart();
    if (!contextReady || !programs[0] || !programs[1]) {
        timer.Mark();
        timer.Measure();
        return;
    }

    currentProgram = 0;
    textureKnown = false;
    glUseProgram(0);

    // The draw list holds each object's sprite, particles, Transform and light from the frames
    // before; a sprite whose circle lies off screen is passed over without following it into its
    // sprite. Quads are gathered in list order and only note whether they take light: which
    // program that is depends on the lights the walk finds.
    frameViewKnown = ViewBoxOf(projection * view, frameView);
    frameBlendHidesClear = BlendHidesClearFragments();
    frameLights.clear();
    quads.Clear();
    drawList.Refresh(gGameObjects);
    std::vector<DrawList::Entry>& entries = drawList.Entries();
    for (std::size_t index = 0; index < entries.size(); ++index) {
        DrawList::Entry& entry = entries[index];
        if (entry.sprite && (!frameViewKnown || DrawList::MayShow(entry, frameView))) {
            if (!entry.sprite->texture)
                NoteTextureBefore(index);
            QueueSprite(*entry.object, *entry.sprite, entry.transform);
        }
        if (entry.emitter)
            QueueParticles(*entry.emitter);
        if (entry.light)
            frameLights.push_back(FoundLight{entry.object, entry.light});
    }

    // Only while both programs draw: a quad that draws nothing must not hide anything.
    const std::size_t hidden = programs[0]->IsLinked() && programs[1]->IsLinked() ? quadCover.Apply(quads) : 0;
    if (countShading)
        shading.hiddenQuads += static_cast<long>(hidden);
    activeLightCount = PackAndUploadLights();
    const bool lightsOn = activeLightCount > 0 && programs[1]->IsLinked();
    // Lights on but none reaching the view (a room without a lamp while the torch is out): lit
    // quads show the ambient level, as they would under the lit program. Only a level with no
    // light on at all shows them as they are.
    const bool inTheDark = !lightsOn && lightsOnCount > 0 && lightCapacity > 0 && programs[1]->IsLinked();
    // With each quad's own lights, the frame's lit program only draws quads that more lights
    // reach than one carries: the general one does, so no variant is built in the middle of play.
    frameLit = lightsOn && !PerQuadLitProgram(1) ? &LitProgramFor(activeLightCount) : programs[1].get();
    DrawQueuedQuads(lightsOn, inTheDark);

    // Text is printed fixed-function after this: no program or vertex array may stay in use.
    glBindVertexArray(0);
    glUseProgram(0);
    currentProgram = 0;

    timer.Mark();
    timer.Measure();
}

bool GraphicsSystem::BlendHidesClearFragments()
{
    // The blending every scene's frame sets up: a fragment of alpha 0 leaves the pixel as it is
    // (colours reach the blender clamped to 0..1, so no alpha below 0 either).
    if (!glIsEnabled(GL_BLEND))
        return false;
    GLint values[6] = {0, 0, 0, 0, 0, 0};
    glGetIntegerv(GL_BLEND_SRC_RGB, &values[0]);
    glGetIntegerv(GL_BLEND_DST_RGB, &values[1]);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &values[2]);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &values[3]);
    glGetIntegerv(GL_BLEND_EQUATION_RGB, &values[4]);
    glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &values[5]);
    return values[0] == GL_SRC_ALPHA && values[1] == GL_ONE_MINUS_SRC_ALPHA && values[2] == GL_SRC_ALPHA &&
           values[3] == GL_ONE_MINUS_SRC_ALPHA && values[4] == GL_FUNC_ADD && values[5] == GL_FUNC_ADD;
}

void GraphicsSystem::CountShading()
{
    // Areas in pixels: the view's scale times the projection's, squared.
    const Matrix4 projectionView = projection * view;
    const float pixelsPerUnitX = projectionView[0] * halfWidth;
    const float pixelsPerUnitY = projectionView[5] * halfHeight;
    const double pixelArea = std::abs(static_cast<double>(pixelsPerUnitX) * pixelsPerUnitY);
    for (const QuadDraw& draw : draws) {
        if (!draw.program)
            continue;
        ++shading.draws;
        for (uint32_t quad = draw.firstQuad; quad < draw.firstQuad + draw.quadCount; ++quad) {
            const QuadVertex* v = quads.Vertices().data() + 4 * static_cast<std::size_t>(quad);
            double twiceArea = 0.0;
            for (int i = 0; i < 4; ++i) {
                const QuadVertex& p = v[i];
                const QuadVertex& q = v[(i + 1) % 4];
                twiceArea += static_cast<double>(p.x) * q.y - static_cast<double>(q.x) * p.y;
            }
            const double pixels = std::abs(twiceArea) * 0.5 * pixelArea;
            ++shading.quads;
            if (draw.program == programs[0].get()) {
                shading.plainPixels += pixels;
                continue;
            }
            shading.litPixels += pixels;
            int lights = activeLightCount;
            if (draw.program != frameLit)
                for (lights = 0; lights < kQuadLightSlots && v[0].lights[lights] != kNoLight;)
                    ++lights;
            shading.lightPixels += pixels * lights;
        }
    }
    ++shading.frames;
}

void GraphicsSystem::SetFrameUniforms(const ShaderObject& program, bool lit, const Matrix4& projectionView)
{
    if (!program.IsLinked())
        return;
    UseProgram(program.program);
    // Quads come in world space with their own tint: the whole-draw factors stay neutral (the
    // lit variants that carry lights from the vertex stage rely on it and leave them out).
    glUniform3f(program.uniforms.inColor, 1.0f, 1.0f, 1.0f);
    glUniform1f(program.uniforms.alphaVal, 1.0f);
    glUniformMatrix4fv(program.uniforms.mvp, 1, GL_FALSE, projectionView.Data());
    if (lit) {
        const Matrix4 identity;
        glUniformMatrix4fv(program.uniforms.targetMatrix, 1, GL_FALSE, identity.Data());
        glUniform1f(program.uniforms.ambientLight, gAmbientLight);
        glUniform1i(program.uniforms.activeLights, activeLightCount);
    }
}

int GraphicsSystem::NoteQuadLights(std::size_t quad)
{
    QuadVertex* corners = quads.Quad(quad);
    const ViewBox box = BoxOfQuad(corners);
    uint8_t slots[kQuadLightSlots];
    std::fill(std::begin(slots), std::end(slots), kNoLight);
    int used = 0;
    for (std::size_t entry = 0; entry < frameReaches.size(); ++entry) {
        if (!frameReaches[entry].Touches(box))
            continue;
        if (used == kQuadLightSlots)
            return -1;
        slots[used++] = static_cast<uint8_t>(entry);
    }
    for (int i = 0; i < 4; ++i)
        std::copy(std::begin(slots), std::end(slots), corners[i].lights);
    return used;
}

void GraphicsSystem::DimToAmbient(uint32_t firstQuad, uint32_t quadCount)
{
    const float ambient = std::min(gAmbientLight, 1.0f);
    for (uint32_t quad = firstQuad; quad < firstQuad + quadCount; ++quad) {
        QuadVertex* corners = quads.Quad(quad);
        for (int corner = 0; corner < 4; ++corner) {
            corners[corner].r *= ambient;
            corners[corner].g *= ambient;
            corners[corner].b *= ambient;
        }
    }
}

void GraphicsSystem::DrawQueuedQuads(bool lightsOn, bool inTheDark)
{
    const Matrix4 projectionView = projection * view;
    SetFrameUniforms(*programs[0], false, projectionView);
    SetFrameUniforms(*frameLit, true, projectionView);
    lastFramePerQuad = false;
    if (quads.QuadCount() == 0)
        return;

    // Without lights a lit quad draws plain; a program that did not link draws nothing. With
    // lights, each lit quad takes only those that reach it, unless more do than it can carry.
    const ShaderObject* plain = programs[0]->IsLinked() ? programs[0].get() : nullptr;
    const ShaderObject* lit = !lightsOn ? plain : frameLit->IsLinked() ? frameLit : nullptr;
    const bool perQuad = lightsOn && lit && PerQuadLitProgram(1);
    // The frame's own variant, if it was built at start-up (none is built during play).
    const std::unique_ptr<ShaderObject>* builtVariant =
        perQuad && activeLightCount <= kPrebuiltFrameVariants ? &litVariants[static_cast<std::size_t>(activeLightCount)]
                                                              : nullptr;
    const ShaderObject* frameVariant =
        builtVariant && *builtVariant && (*builtVariant)->IsLinked() && (*builtVariant)->uniforms.lightBlockIndex >= 0
            ? builtVariant->get()
            : nullptr;
    if (frameVariant)
        SetFrameUniforms(*frameVariant, true, projectionView);
    if (perQuad)
        for (int lights = 1; lights <= kQuadLightSlots; lights *= 2)
            if (const ShaderObject* program = PerQuadLitProgram(lights))
                SetFrameUniforms(*program, true, projectionView);
    lastFramePerQuad = perQuad;
    draws.clear();
    const auto addDraw = [this](const ShaderObject* program, int64_t texture, uint32_t first, uint32_t count) {
        // Neighbours that come out with the same program and texture are one draw.
        if (!draws.empty() && draws.back().program == program && draws.back().texture == texture &&
            draws.back().firstQuad + draws.back().quadCount == first)
            draws.back().quadCount += count;
        else
            draws.push_back(QuadDraw{program, texture, first, count});
    };
    for (const QuadRun& run : quads.Runs()) {
        if (run.program == kLitQuad && inTheDark && plain) {
            DimToAmbient(run.firstQuad, run.quadCount);
            addDraw(plain, run.texture, run.firstQuad, run.quadCount);
            continue;
        }
        if (run.program != kLitQuad || !perQuad) {
            addDraw(run.program == kLitQuad ? lit : plain, run.texture, run.firstQuad, run.quadCount);
            continue;
        }
        // Each quad's program: the smallest variant that holds its lights, all of the frame's
        // lights for more than that, and the plain one under the ambient level for none.
        runLights.clear();
        int most = 0;
        int changes = 0;
        for (uint32_t quad = run.firstQuad; quad < run.firstQuad + run.quadCount; ++quad) {
            const int lights = NoteQuadLights(quad);
            const int variant = lights <= 0 ? lights : lights <= 1 ? 1 : lights <= 2 ? 2 : lights <= 4 ? 4 : 8;
            changes += !runLights.empty() && variant != runLights.back() ? 1 : 0;
            most = most < 0 || lights < 0 ? -1 : std::max(most, variant);
            runLights.push_back(variant);
        }
        // Where that changes from quad to quad (a crowd scattered round a lamp) a draw call each
        // would cost more than the empty slots: the whole run takes the largest.
        const bool whole = changes * 8 > static_cast<int>(run.quadCount);
        // A whole run that needs every light of the frame is drawn as before lights were
        // noted per quad, by the variant for that count, when there is one (reading fixed
        // entries costs the vertex stage less than the quad's own).
        if (whole && (most < 0 || most >= activeLightCount) && frameVariant) {
            addDraw(frameVariant, run.texture, run.firstQuad, run.quadCount);
            continue;
        }
        for (uint32_t i = 0; i < run.quadCount; ++i) {
            const int lights = whole ? most : runLights[i];
            if (lights == 0)
                DimToAmbient(run.firstQuad + i, 1);
            addDraw(lights < 0 ? lit : lights == 0 ? plain : PerQuadLitProgram(lights), run.texture,
                    run.firstQuad + i, 1);
        }
    }
    if (countShading)
        CountShading();
    if (!quadStream.Upload(quads))
        return;

    glActiveTexture(GL_TEXTURE0);
    for (const QuadDraw& draw : draws) {
        if (!draw.program)
            continue;
        UseProgram(draw.program->program);
        if (draw.texture != kTextureAsBound)
            BindTexture(static_cast<unsigned int>(draw.texture));
        quadStream.DrawQuads(draw.firstQuad, draw.quadCount);
    }
}

void GraphicsSystem::QueueSprite(GameObject& object, Sprite& sprite, const Transform* objectTransform)
{
    const GameObject* owner = sprite.GetOwner() ? sprite.GetOwner() : &object;
    const Transform* transform = owner == &object ? objectTransform : owner->FindComponent<Transform>();
    if (!transform) {
        if (!sprite.reportedMissingTransform) {
            ReportError("Sprite of object \"" + owner->name + "\" has no Transform; it is not drawn");
            sprite.reportedMissingTransform = true;
        }
        return;
    }
    if (!sprite.mesh) {
        // Shown from the next frame on.
        sprite.Init();
        return;
    }
    // A sprite without a texture draws with whatever is bound.
    if (sprite.texture)
        quads.SetTexture(sprite.texture->id);
    // Off screen it would draw nothing; the texture above is still noted for textureless ones.
    // A circle round the turned quad rules most of a large level out before its matrix is made.
    // Blended away entirely: it would leave every pixel as it was.
    if (sprite.transparency <= 0.0f && frameBlendHidesClear)
        return;
    const MeshVertex* corners = sprite.corners.data();
    if (frameViewKnown) {
        float reach = 0.0f;
        for (int i = 0; i < 4; ++i)
            reach = std::max({reach, std::abs(corners[i].x), std::abs(corners[i].y)});
        reach *= std::abs(transform->scale.x) + std::abs(transform->scale.y);
        const float x = transform->position.x;
        const float y = transform->position.y;
        if (x + reach < frameView.minX || x - reach > frameView.maxX || y + reach < frameView.minY ||
            y - reach > frameView.maxY)
            return;
    }
    const Matrix4 model = ObjectModelMatrix(transform->position.x, transform->position.y, transform->position.z,
                                            transform->rotation, transform->scale.x, transform->scale.y);
    if (frameViewKnown && !QuadTouchesBox(model, corners, frameView))
        return;
    const bool opaque = frameBlendHidesClear && sprite.texture && sprite.texture->opaque && sprite.transparency >= 1.0f;
    quads.Add(sprite.lightAffected ? kLitQuad : kPlainQuad, model, corners, sprite.color, sprite.transparency, opaque);
}

void GraphicsSystem::NoteTextureBefore(std::size_t index)
{
    // A sprite without a texture draws with the one the sprite or particles before it in the
    // list left bound, whether those showed or not.
    const std::vector<DrawList::Entry>& entries = drawList.Entries();
    while (index-- > 0) {
        const DrawList::Entry& entry = entries[index];
        if (entry.emitter && gTextureSystem && quadMesh && gTextureSystem->IsLoaded(entry.emitter->particleTextureName)) {
            const std::shared_ptr<GLTexture> texture = gTextureSystem->GetTexture(entry.emitter->particleTextureName);
            quads.SetTexture(texture ? texture->id : 0);
            return;
        }
        const Sprite* sprite = entry.sprite;
        if (!sprite || !sprite->texture || !sprite->mesh)
            continue;
        const GameObject* owner = sprite->GetOwner() ? sprite->GetOwner() : entry.object;
        if (owner == entry.object ? entry.transform != nullptr : owner->FindComponent<Transform>() != nullptr) {
            quads.SetTexture(sprite->texture->id);
            return;
        }
    }
}

void GraphicsSystem::QueueParticles(ParticleEmitter& emitter)
{
    if (!gTextureSystem || !quadMesh)
        return;
    const std::string& name = emitter.particleTextureName;
    if (!gTextureSystem->IsLoaded(name))
        return;
    const std::shared_ptr<GLTexture> texture = gTextureSystem->GetTexture(name);
    const unsigned int shading = emitter.lightAffected ? kLitQuad : kPlainQuad;
    quads.SetTexture(texture ? texture->id : 0);
    for (const Particle& particle : emitter.particles) {
        if (!particle.alive || (particle.alpha <= 0.0f && frameBlendHidesClear))
            continue;
        const Matrix4 model = Matrix4::Translate(particle.position.x, particle.position.y, particle.position.z) *
                              Matrix4::RotateZ(particle.rotation) *
                              Matrix4::Scale(particle.scale.x, particle.scale.y, 1.0f);
        quads.Add(shading, model, quadMesh->vertices.data(), particle.color, particle.alpha);
    }
}

std::string GraphicsSystem::GetName()
{
    return "Graphics System";
}

void GraphicsSystem::Shutdown()
{
    if (contextReady && GLReady()) {
        glUseProgram(0);
        glBindVertexArray(0);
        if (lightBuffer != 0)
            glDeleteBuffers(1, &lightBuffer);
        font.Release();
        // Textures and quads may still be held by objects, caches or the debug drawer; their
        // GL names go now, while the context exists.
        ReleaseAllGLResources();
    }
    lightBuffer = 0;
    programs[0].reset();
    programs[1].reset();
    for (auto& variant : litVariants)
        variant.reset();
    for (auto& variant : perQuadLit)
        variant.reset();
    frameLit = nullptr;
    quadMesh.reset();
    lightStaging.clear();
    quads.Clear();
    frameLights.clear();
    frameReaches.clear();
    draws.clear();
    activeLightCount = 0;
    lightsOnCount = 0;
    currentProgram = 0;
    textureKnown = false;
    if (gWindowSystem)
        Platform::DestroyGLContext(gWindowSystem->window);
    contextReady = false;
}

void GraphicsSystem::BeginFrame()
{
    if (contextReady) {
        const int width = gWindowSystem ? gWindowSystem->width : 0;
        const int height = gWindowSystem ? gWindowSystem->height : 0;
        glViewport(0, 0, width, height);
        glEnable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glLoadIdentity();
    }

    Matrix4 cameraMatrix;
    if (gSceneSystem && gSceneSystem->currentScene == SceneId::Editor) {
        if (gCamera)
            cameraMatrix = gCamera->GetViewMatrix();
    } else if (const auto camera = FindObjectByName("Camera")) {
        if (const auto transform = camera->GetComponent<Transform>())
            cameraMatrix = transform->GetMatrix();
    }
    view = lookAtView * cameraMatrix;

    if (gSceneSystem) {
        if (const auto scene = gSceneSystem->GetCurrentScene()) {
            Matrix4 projectionCopy = projection;
            Matrix4 viewCopy = view;
            scene->Draw(projectionCopy, viewCopy);
        }
    }
}

void GraphicsSystem::ClearScreen()
{
    if (!contextReady)
        return;
    glClearColor(clearColor[0] / 255.0f, clearColor[1] / 255.0f, clearColor[2] / 255.0f, clearColor[3] / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GraphicsSystem::SwapBuffers()
{
    if (contextReady && gWindowSystem)
        Platform::SwapBuffers(gWindowSystem->window);
}

}  // namespace Framework
