// The element property table as the engine uses it, without a script in between.
#include "run/platform/ui/ElementProperties.h"

#include "ObjectsRig.h"

namespace run::scripting {
namespace {

using namespace platform;

TEST(ElementPropertyTable, NamesTypesAndConversions) {
    FontCatalog fonts;
    Form form("frmTable");
    Element& label = form.addElement(ElementKind::Label, "lbl");
    TimerElement& timer = form.addTimer("tmr");

    // Names as scripts write them, in any case, reach the element's own fields and read back.
    const std::pair<const char*, PropValue> writes[] = {{"LEFT", std::int32_t{300}},
                                                        {"top", std::int32_t{450}},
                                                        {"Caption", std::string("Hi")},
                                                        {"forecolor", std::int32_t{255}},
                                                        {"BackColor", std::int32_t{65280}},
                                                        {"tag", std::string("t")},
                                                        {"FontSize", 12.0},
                                                        {"fontbold", true},
                                                        {"ToolTipText", std::string("tip")},
                                                        {"mousepointer", std::int32_t{2}},
                                                        {"Alignment", std::int32_t{2}},
                                                        {"WordWrap", true}};
    for (const auto& [name, value] : writes) {
        auto id = FindElementProperty(name);
        ASSERT_TRUE(id) << name;
        EXPECT_EQ(SetElementProperty(label, *id, value, fonts), PropStatus::Ok) << name;
        PropValue back;
        EXPECT_EQ(GetElementProperty(label, *id, back), PropStatus::Ok) << name;
        EXPECT_EQ(back.index(), value.index()) << name;
    }
    EXPECT_EQ(label.left, 300);
    EXPECT_EQ(label.top, 450);
    EXPECT_EQ(label.caption, "Hi");
    EXPECT_EQ(label.foreColor, 255u);
    EXPECT_EQ(label.backColor, 65280u);
    EXPECT_EQ(label.tag, "t");
    EXPECT_EQ(label.font.sizePoints, 12);
    EXPECT_TRUE(label.font.bold);
    EXPECT_EQ(label.toolTipText, "tip");
    EXPECT_EQ(label.mousePointer, 2);
    EXPECT_EQ(label.alignment, Alignment::Center);
    EXPECT_TRUE(label.wordWrap);
    EXPECT_FALSE(FindElementProperty("Colour"));

    EXPECT_EQ(SetElementProperty(label, ElementProp::Width, PropValue{1234.5}, fonts), PropStatus::Ok);
    EXPECT_EQ(label.width, 1234) << "halves round to even";
    EXPECT_EQ(SetElementProperty(label, ElementProp::Visible, PropValue{std::int32_t{0}}, fonts),
              PropStatus::Ok);
    EXPECT_FALSE(label.visible);
    EXPECT_EQ(SetElementProperty(label, ElementProp::Width, PropValue{std::string("9")}, fonts),
              PropStatus::TypeMismatch);
    EXPECT_EQ(SetElementProperty(label, ElementProp::Width, PropValue{1e12}, fonts),
              PropStatus::InvalidValue);
    EXPECT_EQ(SetElementProperty(label, ElementProp::Name, PropValue{std::string("x")}, fonts),
              PropStatus::ReadOnly);
    EXPECT_EQ(SetElementProperty(label, ElementProp::Interval, PropValue{std::int32_t{5}}, fonts),
              PropStatus::NotSupported);
    EXPECT_EQ(SetElementProperty(timer, ElementProp::Interval, PropValue{std::int32_t{250}}, fonts),
              PropStatus::Ok);
    EXPECT_EQ(SetElementProperty(timer, ElementProp::Enabled, PropValue{true}, fonts), PropStatus::Ok);
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_TRUE(timer.needsArm()) << "setting a timer restarts its count";
    Element& markedOnly = form.addElement(ElementKind::Timer, "notReallyATimer");
    EXPECT_EQ(SetElementProperty(markedOnly, ElementProp::Interval, PropValue{std::int32_t{5}}, fonts),
              PropStatus::NotSupported);
    EXPECT_EQ(SetElementProperty(markedOnly, ElementProp::Enabled, PropValue{true}, fonts), PropStatus::Ok);
    EXPECT_FALSE(ElementHasProperty(label, ElementProp::Index)) << "only array members have an index";
    EXPECT_FALSE(ElementHasProperty(form, ElementProp::Visible)) << "forms are shown by the window system";
    EXPECT_EQ(ColorFromNumber(static_cast<std::int32_t>(0x80000005u)), 0xFFFFFFu);
    EXPECT_FALSE(ColorFromNumber(static_cast<std::int32_t>(0x80000100u)));
    EXPECT_FALSE(ColorFromNumber(-1));
}

} // namespace
} // namespace run::scripting
