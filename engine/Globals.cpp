// Every global system, the core, the camera and the debug drawer, defined in one unit so that
// they are created in this order and destroyed in the reverse one (the debug drawer first, the
// window system last). Constructors only set fields: platform work waits for Init.
#include <array>
#include <memory>
#include <string>

#include "ai/PathFindingSystem.h"
#include "audio/AudioSystem.h"
#include "engine/Camera.h"
#include "engine/Core.h"
#include "engine/FrameLoop.h"
#include "engine/InputSystem.h"
#include "engine/LoggingSystem.h"
#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "graphics/DebugDraw.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/TextureSystem.h"
#include "physics/Physics.h"

std::shared_ptr<Framework::WindowSystem> gWindowSystem = std::make_shared<Framework::WindowSystem>();
std::shared_ptr<Framework::InputSystem> gInputSystem = std::make_shared<Framework::InputSystem>();
std::unique_ptr<Core> gCore = std::make_unique<Core>();
std::shared_ptr<Framework::LoggingSystem> gLoggingSystem = std::make_shared<Framework::LoggingSystem>();
std::shared_ptr<Framework::TextureSystem> gTextureSystem = std::make_shared<Framework::TextureSystem>();
std::shared_ptr<Framework::Physics> gPhysics = std::make_shared<Framework::Physics>();
const std::array<std::string, 2> gVertexShaderPaths = {"../resources/shaders/vertex.vs",
                                                       "../resources/shaders/ShadowVert.txt"};
const std::array<std::string, 2> gFragmentShaderPaths = {"../resources/shaders/frag.fs",
                                                         "../resources/shaders/ShadowFrag_new.txt"};
std::shared_ptr<Framework::GraphicsSystem> gGraphicsSystem = std::make_shared<Framework::GraphicsSystem>();
std::shared_ptr<Framework::PathFindingSystem> gPathFindingSystem =
    std::make_shared<Framework::PathFindingSystem>();
std::shared_ptr<Framework::SceneSystem> gSceneSystem = std::make_shared<Framework::SceneSystem>();
std::shared_ptr<Framework::AudioSystem> gAudioSystem = std::make_shared<Framework::AudioSystem>();
std::shared_ptr<Framework::Camera> gCamera = std::make_shared<Framework::Camera>();
std::shared_ptr<Framework::DebugDraw> gDebugDraw = std::make_shared<Framework::DebugDraw>();

bool gFullscreen = true;
