// Project variables: loading the list, duplicates, exact and case-blind names, toggling.
#include "run/state/Variables.h"
#include "run/platform/headless/HeadlessBackend.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ProjectRun.h"

#include <gtest/gtest.h>

namespace run {
namespace {

using testing::ProjectBuilder;
using testing::TempFolder;

// A session over a project folder, with boxes recorded by the headless backend.
struct VariablesRig {
    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
    platform::HeadlessBackend backend;
    platform::FontCatalog fonts;
    platform::WindowSystem ui{backend, fonts};
    platform::SettingsStore settings{tmp / "settings.ini"};
    testing::ProjectRun session{ui, settings};

    VariablesRig() { ComputeProjectPaths(session.paths, project.folder().string()); }
    GameVariables& v() { return session.variables; }
    std::int16_t get(const std::string& name) { return GetVariableValue(session.variables, name); }
};

TEST(Variables, HeaderOnlyGivesEmptyListsAndEveryReadIsMissing) {
    VariablesRig rig;
    rig.project.variables({});
    rig.session.variables.Variables.Add("stale", 3);
    LoadVariables(rig.session, rig.session.variables);
    EXPECT_EQ(rig.v().Variables.Count(), 0);
    EXPECT_EQ(rig.v().VariablesVariant.Count(), 0);
    for (const char* name : {"stale", "", "***", "Variables"})
        EXPECT_EQ(rig.get(name), kNoSuchVariable) << name;
    EXPECT_TRUE(rig.backend.boxes().empty());
}

TEST(Variables, NamesAfterTheMarkerAreVariantsAndASecondMarkerIsSkipped) {
    VariablesRig rig;
    rig.project.variables({"lamp", "door"}, {"visitor", "***", "weather"});
    LoadVariables(rig.session, rig.session.variables);
    ASSERT_EQ(rig.v().Variables.Count(), 2);
    EXPECT_EQ(rig.v().Variables.Item(1).Name, "lamp");
    EXPECT_EQ(rig.v().Variables.Item(2).Name, "door");
    ASSERT_EQ(rig.v().VariablesVariant.Count(), 2);
    EXPECT_EQ(rig.v().VariablesVariant.Item(1).Name, "visitor");
    EXPECT_EQ(rig.v().VariablesVariant.Item(2).Name, "weather");
    EXPECT_EQ(rig.v().VariablesVariant.Item(2).Value.toNumber(), 0);
    EXPECT_EQ(rig.get("lamp"), 0);
    EXPECT_EQ(rig.get("visitor"), kNoSuchVariable) << "variants are not integer variables";
    EXPECT_TRUE(DoesVariantVariableExist(rig.v(), "WEATHER"));
    EXPECT_FALSE(DoesIntergerVariableExist(rig.v(), "weather"));
}

TEST(Variables, DuplicatesAreAllSetAndTheFirstIsRead) {
    VariablesRig rig;
    rig.project.variables({"Door", "lamp", "Door"});
    LoadVariables(rig.session, rig.session.variables);
    rig.v().Variables.Item(3).Value = 9;
    EXPECT_EQ(rig.get("Door"), 0) << "the first of the two";
    ChangeVariableValue(rig.session.variables, "Door", 7);
    EXPECT_EQ(rig.v().Variables.Item(1).Value, 7);
    EXPECT_EQ(rig.v().Variables.Item(3).Value, 7);
    EXPECT_EQ(rig.v().Variables.Item(2).Value, 0);

    ChangeVariableValue(rig.session.variables, "door", 1);
    EXPECT_EQ(rig.get("Door"), 7) << "setting needs the exact name";
    EXPECT_EQ(rig.get("door"), kNoSuchVariable) << "and so does reading";
    EXPECT_TRUE(DoesIntergerVariableExist(rig.v(), "door"));
    EXPECT_TRUE(DoesIntergerVariableExist(rig.v(), "DOOR"));
    EXPECT_FALSE(DoesIntergerVariableExist(rig.v(), "doors"));
}

TEST(Variables, MinusOneTogglesTheLowestBit) {
    VariablesRig rig;
    rig.project.variables({"v"});
    LoadVariables(rig.session, rig.session.variables);
    for (auto [from, to] :
         {std::pair<std::int16_t, std::int16_t>{5, 4}, {0, 1}, {1, 0}, {-2, -1}, {32767, 32766}}) {
        ChangeVariableValue(rig.session.variables, "v", from);
        ChangeVariableValue(rig.session.variables, "v", -1);
        EXPECT_EQ(rig.get("v"), to) << from;
    }
}

TEST(Variables, MissingListIsReportedOnce) {
    VariablesRig rig;
    rig.session.variables.Variables.Add("stale", 3);
    LoadVariables(rig.session, rig.session.variables);
    ASSERT_EQ(rig.backend.boxes().size(), 1u);
    EXPECT_TRUE(rig.backend.boxes()[0].text.ends_with(" Unable to load variables list."))
        << rig.backend.boxes()[0].text;
    EXPECT_EQ(rig.v().Variables.Count(), 0);
}

TEST(Variables, DisappearListMatchesFrameAndNumber) {
    GameVariables v;
    v.Disappear.Add("Harbour", 2);
    EXPECT_TRUE(IsHotspotGone(v, "Harbour", 2));
    EXPECT_FALSE(IsHotspotGone(v, "Harbour", 1));
    EXPECT_FALSE(IsHotspotGone(v, "Beach", 2));
}

} // namespace
} // namespace run
