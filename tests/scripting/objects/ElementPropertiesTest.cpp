// The element property table as the engine uses it, without a script in between.
#include "run/platform/ui/ElementProperties.h"

#include "ObjectsRig.h"

namespace run::scripting {
namespace {

using namespace platform;

TEST(ElementPropertyTable, NamesTypesAndConversions) {
    for (int i = 0; i < static_cast<int>(ElementProp::Count); ++i) {
        auto id = static_cast<ElementProp>(i);
        std::string shouted = ElementPropertyInfo(id).name;
        for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(FindElementProperty(shouted), id) << shouted;
    }
    EXPECT_FALSE(FindElementProperty("Colour"));

    FontCatalog fonts;
    Form form("frmTable");
    Element& label = form.addElement(ElementKind::Label, "lbl");
    TimerElement& timer = form.addTimer("tmr");
    EXPECT_EQ(SetElementProperty(label, ElementProp::Width, PropValue{1234.5}, fonts), PropStatus::Ok);
    EXPECT_EQ(label.width, 1234) << "halves round to even";
    EXPECT_EQ(SetElementProperty(label, ElementProp::Visible, PropValue{std::int32_t{0}}, fonts), PropStatus::Ok);
    EXPECT_FALSE(label.visible);
    EXPECT_EQ(SetElementProperty(label, ElementProp::Width, PropValue{std::string("9")}, fonts),
              PropStatus::TypeMismatch);
    EXPECT_EQ(SetElementProperty(label, ElementProp::Width, PropValue{1e12}, fonts), PropStatus::InvalidValue);
    EXPECT_EQ(SetElementProperty(label, ElementProp::Name, PropValue{std::string("x")}, fonts), PropStatus::ReadOnly);
    EXPECT_EQ(SetElementProperty(label, ElementProp::Interval, PropValue{std::int32_t{5}}, fonts),
              PropStatus::NotSupported);
    EXPECT_EQ(SetElementProperty(timer, ElementProp::Interval, PropValue{std::int32_t{250}}, fonts), PropStatus::Ok);
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
