#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "EditorTestSupport.h"
#include "editor/EntityFilter.h"
#include "editor/GizmoMath.h"
#include "editor/PatternSearch.h"
#include "editor/PickMath.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/Transform.h"

using namespace GizmoMath;

namespace {

std::shared_ptr<GameObject> Place(const std::string& name, float x, float y, float z, float sx, float sy)
{
    auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
    object->AddComponent(std::make_shared<Transform>(x, y, z, sx, sy), Transform::kTypeId);
    AddObject(object);
    return object;
}

TEST(EditorMath, ScreenToWorldAndTopmostPick)
{
    const Vector2 world = PickMath::ScreenToWorld(Vector2(1060, 540), 1920, 1080, Vector3(0, 0, 0), Vector2(20, 20));
    EXPECT_FLOAT_EQ(world.x, 5.0f);
    EXPECT_FLOAT_EQ(world.y, 0.0f);
    const Vector2 flat = PickMath::ScreenToWorld(Vector2(10, 10), 100, 100, Vector3(), Vector2(0, 0));
    EXPECT_EQ(flat.x, 0.0f);  // a zero-size camera gives no NaN

    std::vector<std::shared_ptr<GameObject>> objects;
    auto low = std::make_shared<GameObject>("Low", 4, 0);
    low->components.push_back(std::make_shared<Transform>(0.0f, 0.0f, 1.0f, 4.0f, 4.0f));
    auto high = std::make_shared<GameObject>("High", 4, 1);
    high->components.push_back(std::make_shared<Transform>(1.0f, 0.0f, 5.0f, 2.0f, 2.0f));
    objects = {low, high, std::make_shared<GameObject>("NoTransform", 4, 2)};
    EXPECT_EQ(PickMath::Topmost(objects, Vector2(1.5f, 0.5f)), high);
    EXPECT_EQ(PickMath::Topmost(objects, Vector2(-2.0f, 2.0f)), low);  // edge included
    EXPECT_EQ(PickMath::Topmost(objects, Vector2(9.0f, 0.0f)), nullptr);
}

TEST(EditorMath, HandlesSnappingAndTheDivisionsThatCouldGiveNaN)
{
    EXPECT_EQ(HitHandle(ToolMove, 0.5f, 0.0f), DragFree);
    EXPECT_EQ(HitHandle(ToolMove, 0.6f, 0.0f), DragMoveX);
    EXPECT_EQ(HitHandle(ToolMove, 0.0f, 5.0f), DragMoveY);
    EXPECT_EQ(HitHandle(ToolMove, 5.5f, 0.0f), DragNone);
    EXPECT_EQ(HitHandle(ToolScale, 5.5f, 0.0f), DragScaleX);
    EXPECT_EQ(HitHandle(ToolRotate, 0.6f, 0.6f), DragRotate);
    EXPECT_EQ(HitHandle(ToolNone, 0.0f, 0.0f), DragNone);

    float anchor = 0.0f, position = 0.0f;
    EXPECT_TRUE(SnapStep(20.0f, 7.0f, anchor, position));
    EXPECT_EQ(position, 7.0f);
    EXPECT_TRUE(SnapStep(20.0f, 7.0f, anchor, position));
    EXPECT_EQ(position, 14.0f);
    EXPECT_FALSE(SnapStep(20.9f, 7.0f, anchor, position));
    EXPECT_FALSE(SnapStep(100.0f, 0.0f, anchor, position));  // no step, no snap

    EXPECT_EQ(ScaleRatio(0.0f, 5.0f), 1.0f);
    EXPECT_EQ(ScaleRatio(2.0f, 5.0f), 2.5f);
    float degrees = 33.0f;
    EXPECT_FALSE(PointerAngle(0.0f, 0.0f, degrees));
    EXPECT_EQ(degrees, 33.0f);
    ASSERT_TRUE(PointerAngle(0.0f, 3.0f, degrees));
    EXPECT_NEAR(degrees, 90.0f, 1e-4);
    ASSERT_TRUE(PointerAngle(0.0f, -3.0f, degrees));
    EXPECT_NEAR(degrees, -90.0f, 1e-4);
}

TEST_F(EditorTest, GizmoDragsMoveScaleAndRotateWithoutEverWritingNaN)
{
    Editor editor(5);
    auto flat = Place("Flat", 0.0f, 0.0f, 0.0f, 0.0f, 4.0f);  // zero width
    auto transform = flat->GetComponent<Transform>();
    editor.selectedObject = flat;

    editor.gizmoTool = ToolScale;
    editor.mouseWorldPos = Vector2(0.0f, 0.0f);
    editor.StepGizmo(false, false, false);
    EXPECT_TRUE(editor.gizmoDragging);
    editor.StepGizmo(true, false, false);
    EXPECT_EQ(editor.gizmoDragMode, DragScale);
    editor.mouseWorldPos = Vector2(3.0f, 0.0f);
    editor.StepGizmo(true, false, false);
    EXPECT_TRUE(std::isfinite(transform->scale.x) && std::isfinite(transform->scale.y));
    EXPECT_FLOAT_EQ(transform->scale.x, 3.0f);

    editor.StepGizmo(false, false, false);  // released
    editor.gizmoTool = ToolRotate;
    editor.mouseWorldPos = Vector2(0.5f, 0.0f);
    editor.StepGizmo(true, false, false);
    editor.mouseWorldPos = Vector2(0.0f, 0.0f);  // on the centre: the angle is kept
    editor.StepGizmo(true, false, false);
    EXPECT_TRUE(std::isfinite(transform->rotation));
    editor.mouseWorldPos = Vector2(0.0f, 2.0f);
    editor.StepGizmo(true, false, false);
    EXPECT_NEAR(transform->rotation, 90.0f, 1e-3);

    editor.StepGizmo(false, false, false);
    editor.gizmoTool = ToolMove;
    editor.autoSnap = true;
    editor.mouseWorldPos = Vector2(1.0f, 0.0f);
    editor.StepGizmo(false, false, false);  // a handle is grabbed only once it shows under the mouse
    editor.StepGizmo(true, false, false);
    ASSERT_EQ(editor.gizmoDragMode, DragMoveX);
    editor.mouseWorldPos = Vector2(21.0f, 0.0f);  // target 20
    editor.StepGizmo(true, false, false);
    editor.StepGizmo(true, false, false);
    editor.StepGizmo(true, false, false);
    EXPECT_FLOAT_EQ(transform->position.x, 14.0f);

    // Whatever the fields hold, a level file never carries nan.
    transform->position.x = std::nanf("");
    ASSERT_TRUE(SaveLevel("Nan", "../resources/level/Nan.txt"));
    EXPECT_EQ(tree.ReadFile("resources/level/Nan.txt").find("nan"), std::string::npos);
}

// How many of the objects the Entity window lists once the search has answered: a frame's
// look-ups, the wait for the search, and the look-ups again.
template <class Objects>
long Listed(EntityFilter& filter, const Objects& objects)
{
    for (const GameObject& object : objects)
        filter.Matches(object);
    filter.Settle(std::chrono::minutes(1));
    return std::count_if(objects.begin(), objects.end(), [&](const GameObject& o) { return filter.Matches(o); });
}

bool Listed(EntityFilter& filter, const GameObject& object)
{
    return Listed(filter, std::vector<std::reference_wrapper<const GameObject>>{object}) == 1;
}

TEST(EntityFilterTest, SearchesNameIdAndTypeAndListsEverythingForABadPattern)
{
    GameObject door("DoorA", 4, 1), hall("HallDoor", 12, 21), camera("Camera", 10, 3);
    EntityFilter filter;
    filter.Set(EntityFilter::ByName, "", 999);
    EXPECT_TRUE(filter.Matches(door) && filter.Matches(hall));
    filter.Set(EntityFilter::ByName, "^Door", 999);
    EXPECT_TRUE(Listed(filter, door));
    EXPECT_FALSE(Listed(filter, hall));
    filter.Set(EntityFilter::ById, "^1$", 999);
    EXPECT_TRUE(Listed(filter, door));
    EXPECT_FALSE(Listed(filter, hall));
    filter.Set(EntityFilter::ById, "1", 999);
    EXPECT_TRUE(Listed(filter, hall));
    filter.Set(EntityFilter::ByName, "Door[", 999);
    EXPECT_TRUE(Listed(filter, camera));
    EXPECT_FALSE(filter.PatternValid());
    filter.Set(EntityFilter::ByType, "Door[", 12);
    EXPECT_TRUE(filter.Matches(hall));
    EXPECT_FALSE(filter.Matches(door));
}

// A pattern near RE2's memory budget costs a while over each name: a name is searched once
// while the pattern stands, not every frame; a renamed object is searched anew.
TEST(EntityFilterTest, EachNameIsSearchedOnceWhileThePatternStands)
{
    EntityFilter filter;
    filter.Set(EntityFilter::ByName, "(?:\\pL|\\pN|_){0,200}(?:\\pL|\\pN|_){0,200}Q", 999);
    std::vector<GameObject> objects;
    for (int id = 0; id < 40; ++id)
        objects.emplace_back(std::string(40, 'a') + std::to_string(id) + (id == 7 ? "Q" : ""), 4, id);
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(Listed(filter, objects), 1);
    objects[8].name += "Q";
    EXPECT_TRUE(Listed(filter, objects[8]));
    EXPECT_EQ(filter.TextsSearched(), objects.size() + 1);
}

// Patterns read characters, and a name that is not UTF-8 is searched as the window shows it:
// names that show alike share one answer.
TEST(EntityFilterTest, SearchesCharactersAndBadBytesAsShown)
{
    GameObject talker("T\xC3\xA4lker", 4, 1), bad("Bad\xE9", 4, 2), worse("Bad\xE8", 4, 3);
    EntityFilter filter;
    filter.Set(EntityFilter::ByName, "^T.lker$", 999);
    EXPECT_TRUE(Listed(filter, talker));
    filter.Set(EntityFilter::ByName, "^Bad\\x{FFFD}$", 999);
    EXPECT_TRUE(Listed(filter, bad) && Listed(filter, worse) && !Listed(filter, talker));
    EXPECT_EQ(filter.TextsSearched(), 2u);
}

TEST(EntityFilterTest, NestedRepeatsOverThousandsOfLongNamesFinish)
{
    // A backtracking matcher needs years for this pattern over names this long.
    EntityFilter filter;
    filter.Set(EntityFilter::ByName, "(.*)*z", 999);
    std::vector<GameObject> objects;
    for (int id = 0; id < 4000; ++id)
        objects.emplace_back(std::string(40, 'a') + std::to_string(id) + (id == 7 ? "z" : ""), 4, id);
    EXPECT_EQ(Listed(filter, objects), 1);
}

// A pattern the search field holds can take a second to compile or to run over a level's names:
// the frame that sets it searches nothing itself, and lists the names until they are answered.
TEST(EntityFilterTest, APatternIsSearchedAwayFromTheFrame)
{
    std::string costly;
    for (const char c : std::string("QRSTUVYZWPONMLKJIH"))
        costly += std::string("[^") + c + "]{0,1000}";
    std::vector<GameObject> objects;
    for (int id = 0; id < 40; ++id)
        objects.emplace_back("Ward_" + std::to_string(id) + std::string(38, 'x') + (id == 7 ? "Q" : ""), 4, id);
    std::thread::id searcher;
    EntityFilter filter([&](const std::string&) { searcher = std::this_thread::get_id(); });
    filter.Set(EntityFilter::ByName, costly + "Q", 999);
    EXPECT_EQ(std::count_if(objects.begin(), objects.end(), [&](const GameObject& o) { return filter.Matches(o); }), 40);
    EXPECT_EQ(filter.TextsSearched(), 0u);
    EXPECT_EQ(Listed(filter, objects), 1);
    EXPECT_EQ(filter.TextsSearched(), objects.size());
    EXPECT_NE(searcher, std::thread::id());
    EXPECT_NE(searcher, std::this_thread::get_id()) << "searched on the frame's own thread";
}

// Holds the search's thread as it starts on a pattern until the test lets it go on, and keeps
// the patterns in the order they were started. A search on the test's own thread goes through.
class SearchGate {
public:
    void Hold(const std::string& pattern)
    {
        std::unique_lock<std::mutex> hold(lock);
        started.push_back(pattern);
        changed.notify_all();
        if (std::this_thread::get_id() == test)
            return;
        changed.wait(hold, [this] { return passes > 0; });
        --passes;
    }
    void Let(int count = 1)
    {
        const std::lock_guard<std::mutex> hold(lock);
        passes += count;
        changed.notify_all();
    }
    std::vector<std::string> Started()
    {
        const std::lock_guard<std::mutex> hold(lock);
        return started;
    }
    // False when they had not started within a minute; every search held is then let go.
    bool WaitForStarted(std::size_t count = 1)
    {
        std::unique_lock<std::mutex> hold(lock);
        if (changed.wait_for(hold, std::chrono::minutes(1), [&] { return started.size() >= count; }))
            return true;
        passes += 1 << 20;
        changed.notify_all();
        return false;
    }

private:
    std::mutex lock;
    std::condition_variable changed;
    int passes = 0;
    std::vector<std::string> started;
    const std::thread::id test = std::this_thread::get_id();
};

// A pattern typed while an older one is searched, or while one waits for its turn, takes their
// place: the list ends with the newest pattern's answer and never shows an older one's.
TEST(EntityFilterTest, AReplacedPatternsAnswerIsNeverTakenForTheNewOne)
{
    SearchGate gate;
    EntityFilter filter([&](const std::string& pattern) { gate.Hold(pattern); });
    std::vector<GameObject> objects;
    for (const char* name : {"Ward", "Hall", "Door"})
        objects.emplace_back(name, 4, static_cast<int>(objects.size()));
    // A frame of the Entity window with the pattern typed: the names it lists.
    const auto frame = [&](const std::string& pattern) {
        filter.Set(EntityFilter::ByName, pattern, 999);
        for (const GameObject& object : objects)
            filter.Matches(object);
        filter.Settle(std::chrono::steady_clock::duration::zero());
        std::string listed;
        for (const GameObject& object : objects)
            listed += filter.Matches(object) ? object.name + " " : "";
        return listed;
    };
    const std::string everything = "Ward Hall Door ";
    frame("^W");  // held as its search starts
    ASSERT_TRUE(gate.WaitForStarted()) << "no search started on ^W within a minute";
    frame("^H");  // waits for its turn
    EXPECT_EQ(frame("^D"), everything);
    gate.Let();
    // Frames until the search starts on the next pattern, or an answer comes in.
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    std::string listed;
    do
        listed = frame("^D");
    while (filter.Searching() && gate.Started().size() < 2 && std::chrono::steady_clock::now() < end);
    EXPECT_EQ(gate.Started(), (std::vector<std::string>{"^W", "^D"}))
        << "waited a minute for the search of ^D to start or an answer to come";
    listed += "| " + frame("^D");
    EXPECT_EQ(listed, everything + "| " + everything) << "the older search gives up, and nothing is answered yet";
    gate.Let(1 << 20);
    const auto answered = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    do
        listed = frame("^D");
    while (filter.Searching() && !HasFailure() && std::chrono::steady_clock::now() < answered);
    EXPECT_FALSE(filter.Searching()) << "waited a minute for the answer to ^D";  // a lost request never comes
    EXPECT_EQ(listed, "Door ");
}

// A search with no texts to go through (a pattern set over an empty list) that ends after a newer
// one was asked for is not the newer one's answer.
TEST(EntityFilterTest, AReplacedSearchOfNoTextsIsNotTakenForTheNewOne)
{
    SearchGate gate;
    PatternSearch search([&](const std::string& pattern) { gate.Hold(pattern); });
    search.Post("^W", {});
    ASSERT_TRUE(gate.WaitForStarted()) << "no search started on ^W within a minute";
    search.Post("^D", {"Ward", "Hall", "Door"});
    gate.Let();  // "^W" ends; the thread then holds at the start of "^D"
    ASSERT_TRUE(gate.WaitForStarted(2)) << "no search started on ^D within a minute";
    gate.Let();
    PatternSearch::Result result;
    ASSERT_TRUE(search.Take(result, std::chrono::seconds(30)));
    EXPECT_EQ(result.answers, (std::vector<std::pair<std::string, bool>>{{"Ward", false}, {"Hall", false}, {"Door", true}}));
}

}  // namespace
