// The event pump on the headless backend: clicks, mouse capture, hit testing, timers and modal
// boxes.
#include "run/platform/ui/WindowSystem.h"

#include "run/platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

using Type = InputEvent::Type;

class WindowSystemTest : public ::testing::Test {
  protected:
    WindowSystemTest() {
        form.width = PixelsToTwips(200);
        form.height = PixelsToTwips(100);
        ui.show(form);
    }

    // An element that logs its mouse events and clicks as "name:event".
    Element& add(const std::string& name, int x, int y, int w, int h, int index = -1) {
        Element& e = form.addElement(ElementKind::Label, name, index);
        e.left = PixelsToTwips(x);
        e.top = PixelsToTwips(y);
        e.width = PixelsToTwips(w);
        e.height = PixelsToTwips(h);
        watch(e);
        return e;
    }
    void watch(Element& e) {
        std::string n = e.name + (e.index >= 0 ? std::to_string(e.index) : "");
        e.onMouseDown = [this, n](const MouseArgs&) { log.push_back(n + ":down"); };
        e.onMouseUp = [this, n](const MouseArgs&) { log.push_back(n + ":up"); };
        e.onMouseMove = [this, n](const MouseArgs&) { log.push_back(n + ":move"); };
        e.onClick = [this, n] { log.push_back(n + ":click"); };
    }

    void send(Type type, int x, int y, int button = kLeftButton) {
        backend.inject({type, 0, x, y, button, 0, 0});
        ui.pump();
    }
    void click(int x, int y) {
        send(Type::MouseDown, x, y);
        send(Type::MouseUp, x, y);
    }

    TimerElement& timer(const std::string& name, int interval, Form& owner) {
        TimerElement& t = owner.addTimer(name);
        t.setInterval(interval);
        t.setEnabled(true);
        t.onTimer = [this, name] { log.push_back(name); };
        return t;
    }
    void advance(std::uint64_t ms) {
        backend.advanceClock(ms);
        ui.pump();
    }

    HeadlessBackend backend;
    FontCatalog fonts;
    Form form{"frmPump"};
    WindowSystem ui{backend, fonts};
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(WindowSystemTest, ClickNeedsDownAndUpOnTheSameElement) {
    add("a", 10, 10, 40, 40);
    add("b", 100, 10, 40, 40);
    click(20, 20);
    EXPECT_EQ(log, (Log{"a:down", "a:up", "a:click"}));

    log.clear();
    send(Type::MouseDown, 20, 20);
    send(Type::MouseUp, 110, 20);
    EXPECT_EQ(log, (Log{"a:down", "a:up"}))
        << "the up goes to the element that got the down, without a click";

    log.clear();
    watch(form);
    send(Type::MouseDown, 80, 80);
    send(Type::MouseUp, 110, 20);
    EXPECT_EQ(log, (Log{"frmPump:down", "frmPump:up"}));
}

TEST_F(WindowSystemTest, CaptureSendsMovesToTheElementThatGotTheDown) {
    add("a", 10, 10, 40, 40);
    add("b", 100, 10, 40, 40);
    MouseArgs last;
    form.get("a").onMouseMove = [&](const MouseArgs& m) {
        last = m;
        log.push_back("a:move");
    };
    send(Type::MouseMove, 110, 20, 0);
    EXPECT_EQ(log, (Log{"b:move"}));

    log.clear();
    send(Type::MouseDown, 20, 20);
    send(Type::MouseMove, 110, 30, kLeftButton);
    EXPECT_EQ(log, (Log{"a:down", "a:move"}));
    EXPECT_EQ(last.x, PixelsToTwips(100)) << "coordinates stay relative to the capturing element";
    EXPECT_EQ(last.y, PixelsToTwips(20));
    EXPECT_EQ(last.button, kLeftButton);

    send(Type::MouseUp, 110, 30);
    log.clear();
    send(Type::MouseMove, 110, 30, 0);
    EXPECT_EQ(log, (Log{"b:move"})) << "the up releases the capture";
}

TEST_F(WindowSystemTest, HiddenAndDisabledElementsGetNoClicks) {
    watch(form);
    add("under", 10, 10, 40, 40);
    Element& hidden = add("hidden", 10, 10, 40, 40);
    hidden.visible = false;
    click(20, 20);
    EXPECT_EQ(log, (Log{"under:down", "under:up", "under:click"}))
        << "a hidden element lets the click through";

    hidden.visible = true;
    hidden.enabled = false;
    log.clear();
    click(20, 20);
    for (const auto& entry : log)
        EXPECT_EQ(entry.find("click"), std::string::npos) << entry;

    Element& box = form.addElement(ElementKind::PictureBox, "picBox");
    box.left = PixelsToTwips(100);
    box.width = box.height = PixelsToTwips(50);
    Element& inside = add("inside", 5, 5, 20, 20);
    inside.container = &box;
    box.visible = false;
    log.clear();
    click(110, 10);
    EXPECT_EQ(log, (Log{"frmPump:down", "frmPump:up", "frmPump:click"}))
        << "a hidden container hides its children";
}

TEST_F(WindowSystemTest, ZOrderDecidesWhichElementIsHit) {
    Element& a = add("a", 10, 10, 40, 40);
    add("b", 30, 30, 40, 40);
    click(40, 40);
    EXPECT_EQ(log.back(), "b:click");
    form.zOrder(a, 0);
    click(40, 40);
    EXPECT_EQ(log.back(), "a:click");
}

TEST_F(WindowSystemTest, ChildOfAContainerBroughtToFrontIsStillHit) {
    Element& box = form.addElement(ElementKind::PictureBox, "picBox");
    box.left = PixelsToTwips(10);
    box.top = PixelsToTwips(10);
    box.width = box.height = PixelsToTwips(80);
    watch(box);
    Element& child = add("child", 10, 10, 20, 20);
    child.container = &box;
    click(25, 25);
    EXPECT_EQ(log.back(), "child:click");
    form.zOrder(box, 0); // the box over its siblings keeps its children above itself, as painted
    click(25, 25);
    EXPECT_EQ(log.back(), "child:click");
    click(70, 70);
    EXPECT_EQ(log.back(), "picBox:click");
}

TEST_F(WindowSystemTest, ElementUnloadedByItsOwnMouseDownIsNotUsedAfterwards) {
    add("under", 0, 0, 100, 100);
    add("item", 10, 10, 40, 40, 0);
    Element& doomed = form.loadArrayMember("item", 1);
    doomed.visible = true;
    doomed.left = PixelsToTwips(60);
    doomed.onMouseDown = [this](const MouseArgs&) { form.unloadArrayMember("item", 1); };
    send(Type::MouseDown, 70, 20);
    EXPECT_EQ(form.find("item", 1), nullptr);
    send(Type::MouseMove, 71, 20, kLeftButton);
    send(Type::MouseUp, 70, 20);
    for (const auto& entry : log)
        EXPECT_EQ(entry.find("click"), std::string::npos) << entry;

    log.clear();
    click(70, 20);
    EXPECT_EQ(log, (Log{"under:down", "under:up", "under:click"})) << "the pump works on afterwards";
}

TEST_F(WindowSystemTest, ElementUnloadedByItsOwnMouseUpGetsNoClick) {
    add("item", 10, 10, 40, 40, 0);
    Element& doomed = form.loadArrayMember("item", 1);
    doomed.visible = true;
    doomed.left = PixelsToTwips(60);
    watch(doomed);
    doomed.onMouseUp = [this](const MouseArgs&) { form.unloadArrayMember("item", 1); };
    click(70, 20);
    EXPECT_EQ(log, (Log{"item1:down"}));
}

TEST_F(WindowSystemTest, TimersFireInDueOrder) {
    timer("slow", 300, form);
    timer("fast", 100, form);
    timer("middle", 200, form);
    ui.pump(); // arms them
    advance(350);
    EXPECT_EQ(log, (Log{"fast", "middle", "slow"}));
}

TEST_F(WindowSystemTest, TimerFiresEveryIntervalWhileEnabled) {
    TimerElement& t = timer("tick", 100, form);
    ui.pump();
    for (int i = 0; i < 5; ++i)
        advance(100);
    EXPECT_EQ(log.size(), 5u);
    t.setEnabled(false);
    for (int i = 0; i < 5; ++i)
        advance(100);
    EXPECT_EQ(log.size(), 5u) << "a disabled timer does not fire";
    t.setEnabled(true);
    t.setInterval(0);
    advance(100);
    EXPECT_EQ(log.size(), 5u) << "an interval of 0 stops the timer";
}

TEST_F(WindowSystemTest, SettingTheIntervalRestartsTheCount) {
    TimerElement& t = timer("tick", 100, form);
    ui.pump();
    advance(80);
    t.setInterval(100);
    ui.pump();
    advance(50);
    EXPECT_TRUE(log.empty()) << "the first count was abandoned";
    advance(60);
    EXPECT_EQ(log, (Log{"tick"}));
}

TEST_F(WindowSystemTest, TimerOfAnUnloadedFormDoesNotFire) {
    Form other("frmOther");
    timer("other", 100, other);
    timer("mine", 100, form);
    ui.load(other);
    ui.pump();
    ui.unload(other);
    advance(100);
    EXPECT_EQ(log, (Log{"mine"}));
}

TEST_F(WindowSystemTest, TimerUnloadingAnotherFormStopsItsDueTimer) {
    Form other("frmOther");
    timer("later", 200, other);
    timer("first", 100, form).onTimer = [&] {
        log.push_back("first");
        ui.unload(other);
    };
    ui.load(other);
    ui.pump();
    advance(250);
    EXPECT_EQ(log, (Log{"first"}));
}

TEST_F(WindowSystemTest, TimerIsNotReenteredWhileItsHandlerShowsABox) {
    int depth = 0, maxDepth = 0, runs = 0;
    TimerElement& slow = timer("slow", 100, form);
    slow.onTimer = [&] {
        ++runs;
        maxDepth = std::max(maxDepth, ++depth);
        backend.advanceClock(1000); // the player takes a while to answer
        ui.messageBox("Still there?", kYesNo, "Question");
        --depth;
    };
    bool sawModal = false;
    int otherRuns = 0;
    timer("other", 100, form).onTimer = [&] {
        ++otherRuns;
        sawModal = sawModal || ui.modalOpen();
    };
    ui.pump();
    advance(100);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_TRUE(sawModal) << "other timers run while the box is open";
    EXPECT_EQ(otherRuns, 1) << "a timer that already fired inside the box is not fired again on its way out";
    advance(100);
    EXPECT_EQ(runs, 2) << "the timer runs again once its handler returned";
}

TEST_F(WindowSystemTest, ModalBoxKeepsInputFromTheForms) {
    add("a", 10, 10, 40, 40);
    timer("poke", 100, form).onTimer = [&] { ui.dispatch({Type::MouseDown, 0, 20, 20, kLeftButton, 0, 0}); };
    ui.pump();
    backend.advanceClock(100);
    ui.messageBox("Modal", kOkOnly, "");
    EXPECT_EQ(log, Log{}) << "input is not dispatched while a box is open";
}

TEST_F(WindowSystemTest, CloseRequestUnloadsTheForm) {
    bool unloaded = false;
    form.onUnload = [&] { unloaded = true; };
    backend.inject({Type::CloseRequest, form.id(), 0, 0, 0, 0, 0});
    ui.pump();
    EXPECT_TRUE(unloaded);
    EXPECT_FALSE(ui.isLoaded(form));
    EXPECT_FALSE(backend.windowVisible(form.id()));
    EXPECT_EQ(ui.activeForm(), nullptr);
}

} // namespace
} // namespace run::platform
