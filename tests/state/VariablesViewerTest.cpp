// The Debug menu's variables listing: its lines, and their split into boxes of 25 lines.
#include "run/state/VariablesViewer.h"
#include "tests/gameplay/GameRig.h"

namespace run {
namespace {

TEST(VariablesViewer, ListsEveryVariableInBoxesOf25Lines) {
    testing::GameRig g;
    std::vector<std::string> names;
    for (int i = 1; i <= 30; ++i)
        names.push_back("n" + std::to_string(i));
    g.project.variables(names, {"text"});
    g.start();
    ChangeVariableValue(g.variables(), "n2", -5);
    ChangeVariableVariantValue(g.variables(), "text", RecordVariant::string("a b"));

    const auto lines = VariablesViewerLines(g.variables());
    ASSERT_EQ(lines.size(), 30u + 1 + 8);
    EXPECT_EQ(lines[3].size(), 85u);
    EXPECT_EQ(lines[3].substr(0, 46), "-------------------------- INTEGER VARIABLES: ");
    EXPECT_EQ(lines[6], "n2 = -5");
    EXPECT_EQ(lines[30 + 6],
              "-------------------------- VARIANT VARIABLES: --------------------------             ");
    EXPECT_EQ(lines.back(), "text = a b");

    g.game().form().get("mnuViewVariables").onClick();
    ASSERT_EQ(g.driver->boxes().size(), 2u);
    const auto& first = g.driver->boxes()[0];
    EXPECT_EQ(first.title, "Variables Status");
    EXPECT_TRUE(first.text.ends_with("\r\nn20 = 0\r\n")) << "lines 0 to 24";
    EXPECT_TRUE(g.driver->boxes()[1].text.starts_with(std::string(52, ' ') + "\r\nn21 = 0\r\n"));
    EXPECT_TRUE(g.driver->boxes()[1].text.ends_with("\r\ntext = a b\r\n\r\n"));
}

} // namespace
} // namespace run
