// The host side of the interface on the sample counter component: properties and methods by
// name, an event whose parameters the handler changes and the component reads back, the
// container's timer with pause and resume, drawing, and calls that fail.
#include "run/platform/components/ComponentHost.h"
#include "run/platform/media/Mixer.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

struct CounterRig {
    Mixer mixer;
    std::vector<std::string> events, changes;
    std::function<void()> tick; // the one timer the counter may start
    std::function<void(std::vector<ComponentValue>&)> onChanged;
    ComponentHost host{mixer,
                       {[this](pc_handle, const std::string& name, std::vector<ComponentValue>& params) {
                            events.push_back(name + " " + std::to_string(params.size()));
                            if (onChanged) onChanged(params);
                        },
                        [this](pc_handle, const std::string& name) { changes.push_back(name); },
                        [this](std::uint32_t, std::function<void()> t) {
                            tick = std::move(t);
                            return 1;
                        },
                        [this](int) { tick = nullptr; },
                        [](int) { return false; },
                        [](const std::string& p) { return p; },
                        {}}};
    std::unique_ptr<ComponentObject> counter = host.create(COUNTER_OCX, "counter.sample");
};

TEST(ComponentHost, PropertiesMethodsAndEventsWithParametersHandedBack) {
    CounterRig rig;
    ComponentObject& c = *rig.counter;
    EXPECT_EQ(c.get("caption").s, "Counter") << "names compare without letter case";
    c.set("Caption", ComponentValue::text("Tide gauge"));
    EXPECT_EQ(c.get("Caption").s, "Tide gauge");
    c.set("Step", ComponentValue::integer(5));
    EXPECT_EQ(c.call("Increment", {}).i, 5);
    EXPECT_EQ(rig.events, std::vector<std::string>{"Changed 2"});
    EXPECT_EQ(rig.changes, (std::vector<std::string>{"Caption", "Step", "Count"}));

    // The handler changes the new count, then refuses the next change.
    rig.onChanged = [](std::vector<ComponentValue>& p) { p[0] = ComponentValue::integer(p[0].i * 10); };
    EXPECT_EQ(c.call("Add", {ComponentValue::integer(2)}).i, 70);
    rig.onChanged = [](std::vector<ComponentValue>& p) { p[1] = ComponentValue::boolean(false); };
    c.call("Increment", {});
    EXPECT_EQ(c.get("Count").i, 70) << "refused";

    try {
        c.get("NoSuchThing");
        ADD_FAILURE();
    } catch (const ComponentError& e) {
        EXPECT_EQ(e.number, PC_E_NOT_FOUND);
    }
    try {
        c.call("Fail", {});
        ADD_FAILURE();
    } catch (const ComponentError& e) {
        EXPECT_STREQ(e.what(), "The counter was asked to fail.") << "the component's own description";
    }
    EXPECT_THROW(c.call("Add", {}), ComponentError) << "a wrong argument count";
    EXPECT_THROW(rig.host.create(COUNTER_OCX, "Other.Thing"), ComponentError);
}

TEST(ComponentHost, TheContainersTimerPauseResumeAndDrawing) {
    CounterRig rig;
    ComponentObject& c = *rig.counter;
    c.set("Interval", ComponentValue::integer(100));
    ASSERT_TRUE(rig.tick);
    rig.tick();
    rig.tick();
    EXPECT_EQ(c.get("Count").i, 2);
    c.call("PauseComponent", {});
    rig.tick();
    EXPECT_EQ(c.get("Count").i, 2) << "paused";
    c.call("ResumeComponent", {});
    rig.tick();
    EXPECT_EQ(c.get("Count").i, 3);
    c.set("Interval", ComponentValue::integer(0));
    EXPECT_FALSE(rig.tick) << "stopped";

    Canvas canvas(100, 100, 0);
    ASSERT_TRUE(c.draw(canvas));
    EXPECT_EQ(canvas.pixel(25, 5), 0xFF40D070u) << "the third bar";
    EXPECT_EQ(canvas.pixel(35, 5), 0xFF202830u) << "no fourth";
}

} // namespace
} // namespace run::platform
