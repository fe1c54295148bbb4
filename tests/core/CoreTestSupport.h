#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/Scene.h"
#include "engine/System.h"
#include "objects/Component.h"
#include "support/HeldKeys.h"

namespace coretest {

using CallLog = std::vector<std::string>;

// A system that writes "<name>.<call>" into a shared log.
class FakeSystem : public Framework::System {
public:
    FakeSystem(std::string name_, CallLog& log_) : name(std::move(name_)), log(log_) {}

    void Init() override
    {
        log.push_back(name + ".Init");
        if (onInit)
            onInit();
        if (throwOnInit)
            throw std::runtime_error("broken part");
    }
    void Update(float dt) override
    {
        log.push_back(name + ".Update");
        dts.push_back(dt);
        if (onUpdate)
            onUpdate();
    }
    std::string GetName() override { return name; }
    void Shutdown() override { log.push_back(name + ".Shutdown"); }

    std::string name;
    CallLog& log;
    bool throwOnInit = false;
    std::function<void()> onInit;
    std::function<void()> onUpdate;
    std::vector<float> dts;
};

// A scene that writes "<id>.<call>" into a shared log.
class FakeScene : public Scene {
public:
    FakeScene(int id, CallLog& log_) : Scene(id), log(log_) {}

    void Init() override { Note("Init"); }
    void Load() override { Note("Load"); }
    void Update(float dt) override
    {
        Note("Update");
        dts.push_back(dt);
        if (onUpdate)
            onUpdate();
    }
    void Unload() override
    {
        Note("Unload");
        Scene::Unload();
    }
    void Shutdown() override { Note("Shutdown"); }
    void Draw(Matrix4&, Matrix4&) override { ++draws; }

    void Note(const std::string& call) { log.push_back(std::to_string(sceneId) + "." + call); }

    CallLog& log;
    std::function<void()> onUpdate;
    std::vector<float> dts;
    int draws = 0;
};

// A component that counts its calls and may run a hook in its Update.
class ProbeComponent : public Component {
public:
    ProbeComponent() : Component(99) {}
    void Init() override { ++inits; }
    void Update(float) override
    {
        ++updates;
        if (onUpdate)
            onUpdate();
    }
    std::string GetName() const override { return "Probe"; }
    std::shared_ptr<Component> Clone() const override { return std::make_shared<ProbeComponent>(*this); }
    void Serialize(std::ostream&) const override {}
    void Deserialize(std::istream&) override {}

    int inits = 0;
    int updates = 0;
    std::function<void()> onUpdate;
};

using KeyStateTest = testsupport::HeldKeysTest;

}  // namespace coretest
