// Element arrays and z-order of a form.
#include "run/platform/ui/Form.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

int errorNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const ElementError& e) {
        return e.number;
    }
    return 0;
}

TEST(ElementArray, LoadedMemberCopiesElementZeroAndStartsHidden) {
    Form form("frmTest");
    Element& box = form.addElement(ElementKind::PictureBox, "picBox");
    Element& first = form.addElement(ElementKind::Label, "lblItem", 0);
    first.left = 150;
    first.top = 300;
    first.width = 900;
    first.height = 240;
    first.caption = "Lamp";
    first.foreColor = 0x00FF00;
    first.backTransparent = true;
    first.alignment = Alignment::Center;
    first.font = {"Arial", 12, true};
    first.tag = "item";
    first.container = &box;
    first.onClick = [] {};

    Element& second = form.loadArrayMember("lblItem", 1);
    EXPECT_EQ(second.index, 1);
    EXPECT_EQ(second.kind, ElementKind::Label);
    EXPECT_FALSE(second.visible);
    EXPECT_TRUE(first.visible);
    EXPECT_EQ(second.rectTwips().x, 150);
    EXPECT_EQ(second.rectTwips().w, 900);
    EXPECT_EQ(second.caption, "Lamp");
    EXPECT_EQ(second.foreColor, 0x00FF00u);
    EXPECT_TRUE(second.backTransparent);
    EXPECT_EQ(second.alignment, Alignment::Center);
    EXPECT_EQ(second.font, first.font);
    EXPECT_EQ(second.tag, "item");
    EXPECT_EQ(second.container, &box);
    EXPECT_EQ(second.form, &form);
    EXPECT_FALSE(second.onClick) << "events are wired by the engine, not copied";
    EXPECT_EQ(&form.get("LBLITEM", 1), &second) << "names are found without regard to case";

    std::vector<Element*> members = form.arrayMembers("lblItem");
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0], &first);
    EXPECT_EQ(members[1], &second);
}

TEST(ElementArray, LoadedTimerKeepsIntervalAndEnabledState) {
    Form form("frmTest");
    TimerElement& first = form.addTimer("tmrTick", 0);
    first.setInterval(250);
    first.setEnabled(true);
    TimerElement* second = form.findTimer("tmrTick", form.loadArrayMember("tmrTick", 3).index);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->interval(), 250);
    EXPECT_TRUE(second->isEnabled());
    EXPECT_EQ(form.timers().size(), 2u);
}

TEST(ElementArray, ErrorsCarryTheClassicNumbers) {
    Form form("frmTest");
    form.addElement(ElementKind::Label, "lblItem", 0);
    form.addElement(ElementKind::Label, "lblSingle");
    form.loadArrayMember("lblItem", 1);

    const struct {
        const char* what;
        std::function<void()> action;
        int number;
    } cases[] = {
        {"loading a member twice", [&] { form.loadArrayMember("lblItem", 1); }, 360},
        {"loading element 0 again", [&] { form.loadArrayMember("lblItem", 0); }, 360},
        {"unloading element 0", [&] { form.unloadArrayMember("lblItem", 0); }, 362},
        {"unloading a member never loaded", [&] { form.unloadArrayMember("lblItem", 7); }, 340},
        {"loading into an array without element 0", [&] { form.loadArrayMember("lblNothing", 1); }, 340},
        {"a negative index", [&] { form.loadArrayMember("lblItem", -2); }, 340},
        {"getting a missing member", [&] { form.get("lblItem", 9); }, 340},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorNumber(c.action), c.number) << c.what;

    form.unloadArrayMember("lblItem", 1);
    EXPECT_EQ(form.find("lblItem", 1), nullptr);
    EXPECT_NO_THROW(form.loadArrayMember("lblItem", 1)) << "an unloaded index can be loaded again";
}

TEST(ElementArray, UnloadingAContainerHandsItsChildrenToItsOwnContainer) {
    Form form("frmTest");
    Element& outer = form.addElement(ElementKind::PictureBox, "picOuter");
    Element& inner0 = form.addElement(ElementKind::PictureBox, "picInner", 0);
    inner0.container = &outer;
    Element& inner1 = form.loadArrayMember("picInner", 1);
    Element& child = form.addElement(ElementKind::Label, "lblChild");
    child.container = &inner1;
    form.unloadArrayMember("picInner", 1);
    EXPECT_EQ(child.container, &outer);
}

} // namespace
} // namespace run::platform
