// Element arrays and the game window as script objects: members by index, bounds, For Each in
// index order, and the window's elements reached by their own names.
#include "ObjectsRig.h"

namespace run::scripting {
namespace {

using ElementArrays = ObjectsRig;
using GameWindowObject = ObjectsRig;

TEST_F(ElementArrays, CountBoundsAndForEachFollowTheLoadedMembers) {
    form.loadArrayMember("Hotspot", 7);
    form.loadArrayMember("Hotspot", 4);
    EXPECT_EQ(number("Hotspot.Count"), 5);
    EXPECT_EQ(number("Hotspot.LBound"), 0);
    EXPECT_EQ(number("Hotspot.UBound"), 7);
    run("s = \"\"\nFor Each h In Hotspot\n s = s & h.Index & \",\"\nNext");
    EXPECT_EQ(text("s"), "0,1,2,4,7,");

    run("Hotspot.Item(4).Caption = \"four\"\nHotspot(7).Visible = True");
    EXPECT_EQ(element("Hotspot", 4).caption, "four");
    EXPECT_TRUE(element("Hotspot", 7).visible);

    form.unloadArrayMember("Hotspot", 7);
    EXPECT_EQ(number("Hotspot.UBound"), 4);
    EXPECT_EQ(errorOf("Set h = Hotspot(3)"), 9);
    EXPECT_EQ(errorOf("Set h = Hotspot(7)"), 9);
    EXPECT_EQ(errorOf("Set h = Hotspot(-1)"), 9);
    EXPECT_EQ(errorOf("Set h = Hotspot(\"first\")"), 13);
    EXPECT_EQ(errorOf("Set h = Hotspot(1, 2)"), 450);
    EXPECT_EQ(errorOf("Hotspot.Count = 3"), 383);
}

TEST_F(GameWindowObject, ShowsHidesAndPaintsItsOwnProperties) {
    run("GameWindow.Caption = \"The Tower\"\nGameWindow.BackColor = RGB(0, 0, 255)\nGameWindow.Width = 6300");
    EXPECT_EQ(form.caption, "The Tower");
    EXPECT_EQ(seen(380, 100), 0xFF0000u) << "blue where no element lies";
    EXPECT_EQ(ui.paintedCanvas(form).width(), 420);
    EXPECT_EQ(text("TypeName(GameWindow)"), "frmGame");
    EXPECT_EQ(number("GameWindow.ScaleWidth"), 6300);

    run("GameWindow.Visible = False");
    EXPECT_FALSE(backend.windowVisible(form.id()));
    EXPECT_EQ(text("GameWindow.Visible"), "False");
    run("GameWindow.Visible = True");
    EXPECT_TRUE(backend.windowVisible(form.id()));
    EXPECT_EQ(errorOf("x = GameWindow"), 438) << "the window has no default member";
    rt.addObject("PlainWindow", NewFormObject(ui, form, false));
    EXPECT_EQ(text("PlainWindow.Caption"), "The Tower");
    EXPECT_EQ(errorOf("x = PlainWindow.lblTitle"), 438) << "elements are members only when asked for";
    EXPECT_EQ(text("GameWindow.lblTitle.Caption"), "Start");
}

// What a host gets when it adds an element array as a named object of its own.
TEST_F(ElementArrays, ANamedArrayTakesItsIndex) {
    rt.addObject("Area", NewElementArrayObject(ui, form, "Hotspot"));
    run("Set a = Area\na(1).Caption = \"one\"");
    EXPECT_EQ(element("Hotspot", 1).caption, "one");
    run("Area(2).Caption = \"two\"");
    EXPECT_EQ(element("Hotspot", 2).caption, "two");
    EXPECT_EQ(errorOf("Set h = Area(5)"), 9);
}

TEST_F(GameWindowObject, ElementsAnswerToTheirOwnNames) {
    vbs::Runtime global;
    global.addObject("GameWindow", NewFormObject(ui, form, true), true);
    auto ok = [&](const std::string& code) {
        EXPECT_TRUE(global.executeStatement(code)) << code << " -> " << global.lastError().description;
    };
    ok("lblTitle.Caption = \"Found\"\nHotspot(1).Visible = False\nCaption = \"Global\"");
    EXPECT_EQ(element("lblTitle").caption, "Found");
    EXPECT_FALSE(element("Hotspot", 1).visible);
    EXPECT_EQ(form.caption, "Global") << "the window's own members come first";
    ok("n = 0\nFor Each h In Hotspot\n n = n + 1\nNext\nGameWindow.txtName.Text = \"Bo\" & n");
    EXPECT_EQ(element("txtName").caption, "Bo3");
    ok("lblTitle = \"By default\"");
    EXPECT_EQ(element("lblTitle").caption, "By default") << "assigning the name sets its default member";
}

} // namespace
} // namespace run::scripting
