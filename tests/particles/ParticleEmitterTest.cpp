#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/Random.h"
#include "graphics/ParticleEmitter.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

// The generator written out independently, to predict what the emitter draws.
class ReferenceRand {
public:
    int Next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }
    float Unit() { return static_cast<float>(static_cast<double>(Next()) / 32767.0); }
    float Signed()
    {
        const float size = Unit();
        return (Next() % 2 == 1) ? size : -size;
    }

private:
    std::uint32_t state = 1;
};

// An emitter on an object placed at (x, y) with the given Transform scale.
struct EmitterOnObject {
    EmitterOnObject(float x, float y, float w, float h)
    {
        object = std::make_shared<GameObject>("Smoke", 4, 0);
        object->components.push_back(std::make_shared<Transform>(x, y, 0.0f, w, h));
        emitter = std::make_shared<ParticleEmitter>();
        object->components.push_back(emitter);
        emitter->SetOwner(object.get());
        emitter->ComputeArea();
    }
    std::shared_ptr<GameObject> object;
    std::shared_ptr<ParticleEmitter> emitter;
};

int CountAlive(const ParticleEmitter& e)
{
    int n = 0;
    for (const Particle& p : e.particles)
        n += p.alive ? 1 : 0;
    return n;
}

class ParticleTest : public ::testing::Test {
protected:
    void SetUp() override { Framework::ResetRand(); }
};

}  // namespace

TEST(RandomTest, FirstValuesFollowTheFifteenBitFormula)
{
    Framework::ResetRand();
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(value, Framework::Rand());

    // Long runs stay in range and reset starts over.
    for (int i = 0; i < 100000; ++i) {
        const int v = Framework::Rand();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, Framework::kRandMax);
    }
    Framework::ResetRand();
    EXPECT_EQ(41, Framework::Rand());
}

TEST_F(ParticleTest, EmitsRatePerFrameUpToTheCapFromTheHighestFreeSlot)
{
    ParticleEmitter e;
    e.playState = true;
    e.initParticleLifetime = 1000.0f;

    e.Update(0.01f);
    EXPECT_EQ(10, e.aliveCount);
    EXPECT_TRUE(e.particles[99].alive);
    EXPECT_TRUE(e.particles[90].alive);
    EXPECT_FALSE(e.particles[89].alive);

    for (int frame = 0; frame < 20; ++frame)
        e.Update(0.01f);
    EXPECT_EQ(100, e.aliveCount);
    EXPECT_EQ(100, CountAlive(e));
    EXPECT_FALSE(e.particles[100].alive);

    // One dies: exactly one takes its slot in the next frame.
    e.particles[42].age = e.particles[42].lifetime;
    e.Update(0.01f);
    EXPECT_EQ(99, CountAlive(e));
    e.Update(0.01f);
    EXPECT_EQ(100, CountAlive(e));
    EXPECT_TRUE(e.particles[42].alive);
}

TEST_F(ParticleTest, NothingEmittedWithoutRateSlotsOrPlay)
{
    for (const auto& [maxParticle, rate] : {std::pair{0, 10}, std::pair{-5, 10}, std::pair{100, 0}}) {
        ParticleEmitter e;
        e.playState = true;
        e.maxParticle = maxParticle;
        e.emissionRate = rate;
        e.Update(0.1f);
        if (rate > 0)
            e.EmitParticle();
        EXPECT_EQ(0, e.aliveCount) << maxParticle << " " << rate;
        EXPECT_EQ(0, CountAlive(e));
    }

    // Paused: nothing emitted, nothing moves or ages.
    ParticleEmitter paused;
    paused.playState = true;
    paused.initVelocity = Vector3(0.0f, 1.0f, 0.0f);
    paused.Update(0.1f);
    const Particle before = paused.particles[99];
    paused.playState = false;
    paused.Update(0.1f);
    EXPECT_EQ(10, paused.aliveCount);
    EXPECT_FLOAT_EQ(before.position.y, paused.particles[99].position.y);
    EXPECT_FLOAT_EQ(before.age, paused.particles[99].age);
}

TEST_F(ParticleTest, MaxParticleBeyondThePoolIsClamped)
{
    ParticleEmitter e;
    e.playState = true;
    e.maxParticle = 25000;
    e.emissionRate = 30000;
    e.initParticleLifetime = 1000.0f;
    e.Update(0.01f);
    EXPECT_EQ(ParticleEmitter::kPoolSize, e.aliveCount);
    EXPECT_EQ(static_cast<size_t>(ParticleEmitter::kPoolSize), e.particles.size());
    e.Update(0.01f);
    EXPECT_EQ(ParticleEmitter::kPoolSize, e.aliveCount);
    e.ResetParticles();
    EXPECT_EQ(0, CountAlive(e));

    // Stored and read back within the pool.
    std::stringstream block;
    e.Serialize(block);
    EXPECT_NE(std::string::npos, block.str().find("MaxParticle\n10000\n"));

    std::string text = block.str();
    text.replace(text.find("MaxParticle\n10000"), 17, "MaxParticle\n99999");
    std::istringstream in(text);
    std::string typeName;
    in >> typeName;
    ParticleEmitter loaded;
    loaded.Deserialize(in);
    ASSERT_FALSE(in.fail());
    EXPECT_EQ(ParticleEmitter::kPoolSize, loaded.maxParticle);
}

TEST_F(ParticleTest, DrawsInTheDocumentedOrderAndDiesStrictlyAfterItsLifetime)
{
    EmitterOnObject scene(100.0f, 50.0f, 20.0f, 10.0f);
    ParticleEmitter& e = *scene.emitter;
    e.maxParticle = 1;
    e.emissionRate = 1;
    e.initParticleLifetime = 1.0f;
    e.scaleVar = Vector2(2.0f, 4.0f);
    e.velocityVar = Vector2(1.0f, 3.0f);
    e.initVelocity = Vector3(0.5f, 0.0f, 0.0f);
    e.EmitParticle();

    ReferenceRand r;
    const float x = 90.0f + r.Unit() * 20.0f;
    const float scaleS = r.Signed();
    const float velocityS = r.Signed();
    const float lifetime = 1.0f + r.Signed();

    const Particle& p = e.particles[0];
    ASSERT_TRUE(p.alive);
    EXPECT_FLOAT_EQ(x, p.position.x);
    EXPECT_FLOAT_EQ(50.0f, p.position.y);
    EXPECT_FLOAT_EQ(8.0f + 2.0f * scaleS, p.scale.x);
    EXPECT_FLOAT_EQ(8.0f + 4.0f * scaleS, p.scale.y);
    EXPECT_FLOAT_EQ(0.5f + velocityS, p.velocity.x);
    EXPECT_FLOAT_EQ(3.0f * velocityS, p.velocity.y);
    EXPECT_FLOAT_EQ(lifetime, p.lifetime);
    EXPECT_FLOAT_EQ(0.0f, p.rotation);

    // A rectangle takes x then y; a random rotation comes after the velocity, before the
    // lifetime.
    e.shape = ParticleEmitter::Rectangle;
    e.randomRotate = true;
    e.particles[0].alive = false;
    e.aliveCount = 0;
    e.EmitParticle();
    const float rx = 90.0f + r.Unit() * 20.0f;
    const float ry = 45.0f + r.Unit() * 10.0f;
    const float rScale = r.Signed();
    const float rVelocity = r.Signed();
    const float rotation = r.Unit() * 360.0f;
    const float rLifetime = 1.0f + r.Signed();
    EXPECT_FLOAT_EQ(rx, p.position.x);
    EXPECT_FLOAT_EQ(ry, p.position.y);
    EXPECT_FLOAT_EQ(8.0f + 2.0f * rScale, p.scale.x);
    EXPECT_FLOAT_EQ(3.0f * rVelocity, p.velocity.y);
    EXPECT_FLOAT_EQ(rotation, p.rotation);
    EXPECT_FLOAT_EQ(rLifetime, p.lifetime);

    // Step in quarter seconds: alive while age <= lifetime, dead in the first step beyond.
    const float dt = 0.25f;
    float age = 0.0f;
    e.emissionRate = 0;
    e.playState = true;
    while (age + dt <= rLifetime) {
        e.Update(dt);
        age += dt;
        ASSERT_TRUE(e.particles[0].alive) << "age " << age;
    }
    e.Update(dt);
    EXPECT_FALSE(e.particles[0].alive);
    EXPECT_EQ(0, e.aliveCount);
}

TEST_F(ParticleTest, MovesPerFrameAndFadesPerSecond)
{
    EmitterOnObject scene(0.0f, 0.0f, 0.0f, 0.0f);
    ParticleEmitter& e = *scene.emitter;
    e.playState = true;
    e.maxParticle = 1;
    e.initVelocity = Vector3(0.0f, 1.0f, 0.0f);
    e.initColor = Vector3(255.0f, 0.0f, 0.0f);
    e.finalColor = Vector3(0.0f, 0.0f, 255.0f);
    e.initAlpha = 1.0f;
    e.finalAlpha = 0.0f;
    e.initParticleLifetime = 2.0f;

    e.Update(0.5f);
    e.Update(0.5f);
    const Particle& p = e.particles[0];
    ASSERT_TRUE(p.alive);
    EXPECT_FLOAT_EQ(2.0f, p.position.y);  // one unit per frame, whatever dt
    EXPECT_NEAR(0.5f, p.color.x, 1e-6);
    EXPECT_NEAR(0.0f, p.color.y, 1e-6);
    EXPECT_NEAR(0.5f, p.color.z, 1e-6);
    EXPECT_NEAR(0.5f, p.alpha, 1e-6);
}

TEST_F(ParticleTest, ZeroLifetimeNeverDividesByZero)
{
    ParticleEmitter e;
    e.playState = true;
    e.initParticleLifetime = 0.0f;
    e.initColor = Vector3(255.0f, 255.0f, 255.0f);
    e.finalColor = Vector3(0.0f, 51.0f, 0.0f);
    e.finalAlpha = 0.25f;
    // Finite values throughout: the final look at once, no fading.
    for (int frame = 0; frame < 50; ++frame) {
        e.Update(0.1f);
        for (const Particle& p : e.particles)
            if (p.alive) {
                ASSERT_FLOAT_EQ(0.2f, p.color.y);
                ASSERT_FLOAT_EQ(0.25f, p.alpha);
            }
        ASSERT_EQ(CountAlive(e), e.aliveCount);
    }
    // Lifetimes within one second: none outlives 1.1 s.
    for (int frame = 0; frame < 11; ++frame) {
        e.emissionRate = 0;
        e.Update(0.1f);
    }
    EXPECT_EQ(0, e.aliveCount);
}

TEST_F(ParticleTest, CircleShapeAndAreaFollowingTheObject)
{
    // Circle: on the circle around the middle of the area.
    {
        EmitterOnObject scene(0.0f, 0.0f, 40.0f, 40.0f);
        ParticleEmitter& e = *scene.emitter;
        e.shape = ParticleEmitter::Circle;
        e.shapeCircleRadius = 5.0f;
        e.randomRotate = true;
        for (int i = 0; i < 50; ++i)
            e.EmitParticle();
        for (int i = 50; i < 100; ++i) {
            const Particle& p = e.particles[static_cast<size_t>(i)];
            ASSERT_TRUE(p.alive);
            EXPECT_NEAR(5.0f, std::hypot(p.position.x, p.position.y), 1e-4);
            EXPECT_GE(p.rotation, 0.0f);
            EXPECT_LE(p.rotation, 360.0f);
        }
    }
    // The area follows the object; emitted particles stay where they were.
    {
        EmitterOnObject scene(0.0f, 0.0f, 0.0f, 0.0f);
        ParticleEmitter& e = *scene.emitter;
        e.playState = true;
        e.maxParticle = 2;
        e.emissionRate = 1;
        e.initParticleLifetime = 100.0f;
        e.Update(0.01f);
        scene.object->GetComponent<Transform>()->position = Vector3(300.0f, 0.0f, 0.0f);
        e.Update(0.01f);
        EXPECT_FLOAT_EQ(0.0f, e.particles[1].position.x);
        EXPECT_FLOAT_EQ(300.0f, e.particles[0].position.x);
    }
}

TEST_F(ParticleTest, SavedBlockRoundTripsAndLoadsWithoutLiveParticles)
{
    auto write = [](const ParticleEmitter& e) {
        std::ostringstream out;
        e.Serialize(out);
        return out.str();
    };
    auto read = [](const std::string& text, ParticleEmitter& e) {
        std::istringstream in(text);
        std::string typeName;
        in >> typeName;
        EXPECT_EQ("ParticleEmitter", typeName);
        e.Deserialize(in);
        return !in.fail();
    };

    ParticleEmitter source;
    source.playState = source.randomRotate = true;
    source.shape = 3;
    source.shapeCircleRadius = 7.5f;
    source.initVelocity = Vector3(0.25f, -1.5f, 0.0f);
    source.particleTextureName = "Dust_1x4.png";
    source.initColor = Vector3(200.0f, 100.0f, 50.0f);
    source.finalAlpha = 0.125f;
    source.maxParticle = 250;
    source.velocityVar = Vector2(0.5f, 0.25f);
    source.lifetimeVar = 0.5f;
    source.Update(0.1f);
    ASSERT_GT(source.aliveCount, 0);

    const std::string first = write(source);
    // The literal block, so a reorder made in both writer and reader still shows.
    EXPECT_EQ(first,
              "ParticleEmitter\nPlayState\n1\nShape\n3\nShapeCircleRadius\n7.5\nInitVelocity\n0.25 -1.5 0\n"
              "InitScale\n8 8 0\nRandomRotate\n1\nParticleTextureName\nDust_1x4.png\nInitColor\n200 100 50\n"
              "FinalColor\n0 0 0\nInitAlpha\n1\nFinalAlpha\n0.125\nEmissionRate\n10\nMaxParticle\n250\n"
              "InitParticleLifetime\n5\nVelocityVar\n0.5 0.25\nScaleVar\n0 0\nEmissionVar\n0\nLifetimeVar\n0.5\n");
    ParticleEmitter loaded;
    loaded.particles[5].alive = true;  // anything live before the read is gone after it
    loaded.aliveCount = 1;
    ASSERT_TRUE(read(first, loaded));
    EXPECT_EQ(first, write(loaded));
    EXPECT_EQ(0, loaded.aliveCount);
    EXPECT_EQ(0, CountAlive(loaded));
    EXPECT_TRUE(loaded.playState);
    EXPECT_EQ(3, loaded.shape);
    EXPECT_EQ("Dust_1x4.png", loaded.GetTextureName());

    // An emitter without a texture writes a token that reads back as empty.
    ParticleEmitter plain;
    const std::string plainText = write(plain);
    ParticleEmitter plainLoaded;
    plainLoaded.particleTextureName = "x.png";
    ASSERT_TRUE(read(plainText, plainLoaded));
    EXPECT_EQ("", plainLoaded.particleTextureName);

    // A block cut short fails the stream so the level reader can stop.
    ParticleEmitter cut;
    EXPECT_FALSE(read(first.substr(0, first.find("MaxParticle")), cut));
}
