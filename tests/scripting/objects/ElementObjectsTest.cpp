// Element objects: scripts change what the player sees, read defaults and methods, get the
// classic errors for bad values, and cannot reach an element that was unloaded.
#include "ObjectsRig.h"

namespace run::scripting {
namespace {

using ElementObjects = ObjectsRig;

TEST_F(ElementObjects, WritesChangeTheElementAndThePaintedPixels) {
    EXPECT_EQ(seen(100, 75), 0xFFFFFFu);
    EXPECT_EQ(seen(265, 215), kGreen);
    run("BackgroundObject.BackColor = RGB(255, 0, 0)\n"
        "Hotspot(2).Visible = False\n"
        "lblTitle.Caption = \"Caf\" & ChrW(233)\n"
        "lblTitle.FontSize = 14 : lblTitle.FontBold = True : lblTitle.Alignment = 2\n"
        "chkSound.Value = 1\n"
        "Hotspot(1).Move 150, 300, 600\n"
        "Hotspot(1).ZOrder 1");
    EXPECT_EQ(seen(100, 75), 0x0000FFu) << "the picture box is painted red";
    EXPECT_EQ(seen(315, 215), kFormBack) << "the hidden hotspot is no longer painted";
    EXPECT_EQ(element("lblTitle").caption, "Caf\xC3\xA9") << "UTF-16 from the script, UTF-8 in the element";
    EXPECT_EQ(number("AscW(Right(lblTitle.Caption, 1))"), 233);
    EXPECT_EQ(element("lblTitle").font.sizePoints, 14);
    EXPECT_TRUE(element("lblTitle").font.bold);
    EXPECT_EQ(element("lblTitle").alignment, platform::Alignment::Center);
    EXPECT_EQ(element("chkSound").value, 1);
    Element& moved = element("Hotspot", 1);
    EXPECT_EQ(moved.rectTwips().x, 150);
    EXPECT_EQ(moved.rectTwips().y, 300);
    EXPECT_EQ(moved.width, 600);
    EXPECT_EQ(moved.height, PixelsToTwips(30)) << "Move leaves out what it is not given";
    EXPECT_EQ(form.elements().front().get(), &moved) << "ZOrder 1 sends it to the back";
    EXPECT_EQ(seen(12, 22), 0x0000FFu) << "moved to 10,20 pixels, behind the picture box";
    run("Hotspot(1).ZOrder");
    EXPECT_EQ(seen(12, 22), kGreen) << "and brought to the front again";
    run("mnuFile.Visible = True");
    EXPECT_NE(seen(12, 5), 0x0000FFu) << "the menu bar now lies over the top of the window";

    // A system colour becomes the classic colour; Text is the caption of labels and text boxes.
    run("BackgroundObject.BackColor = &H8000000F\nlblTitle.Text = \"Hello\"");
    EXPECT_EQ(element("BackgroundObject").backColor, 0xD4D0C8u);
    EXPECT_EQ(text("lblTitle.Caption"), "Hello");

    // Auto-sizing follows the caption.
    run("lblTitle.AutoSize = True : lblTitle.Caption = \"Hi\" : narrow = lblTitle.Width\n"
        "lblTitle.Caption = \"Hello there, traveller\"");
    EXPECT_GT(element("lblTitle").width, number("narrow"));
}

TEST_F(ElementObjects, DefaultMembersFollowTheKind) {
    element("chkSound").value = 1;
    EXPECT_EQ(text("lblTitle"), "Start");
    EXPECT_EQ(text("txtName"), "Ann");
    EXPECT_EQ(number("chkSound + 1"), 2);
    EXPECT_EQ(text("tmrClock"), "False");
    EXPECT_EQ(text("TypeName(imgIcon)"), "Image");
    EXPECT_EQ(text("TypeName(imgIcon.Picture)"), "Picture") << "an image's default is its picture";
    EXPECT_EQ(errorOf("x = mnuFile"), 438) << "menus have no default member";
    EXPECT_EQ(text("Hotspot(2).Index & Hotspot(2).Name"), "2Hotspot");
}

TEST_F(ElementObjects, BadValuesGiveClassicErrorsAndChangeNothing) {
    const Element before = element("lblTitle");
    struct Case {
        const char* code;
        int error;
    };
    for (const Case& c :
         {Case{"lblTitle.Width = \"wide\"", 13}, Case{"lblTitle.Alignment = 7", 380},
          Case{"lblTitle.Width = -5", 380}, Case{"lblTitle.FontSize = 0", 380},
          Case{"lblTitle.BackColor = &H1000000", 380}, Case{"lblTitle.MousePointer = 42", 380},
          Case{"lblTitle.Name = \"other\"", 383}, Case{"lblTitle.Interval = 5", 438},
          Case{"lblTitle.Frobnicate", 438}, Case{"lblTitle.Caption(1) = \"x\"", 450},
          Case{"lblTitle.Move \"a\"", 13}, Case{"lblTitle.Move 30, 30, -1", 380},
          Case{"lblTitle.ZOrder 5", 5}, Case{"lblTitle.Cls", 438}, Case{"x = lblTitle.Index", 438},
          Case{"imgIcon.Caption = \"x\"", 438}, Case{"Set imgIcon.Picture = lblTitle", 13},
          Case{"imgIcon.Picture = 12345", 380}, Case{"imgIcon.Picture = \"photo.bmp\"", 13}}) {
        EXPECT_EQ(errorOf(c.code), c.error) << c.code;
    }
    const Element& after = element("lblTitle");
    EXPECT_EQ(after.rectTwips().x, before.rectTwips().x) << "a refused Move moves nothing";
    EXPECT_EQ(after.rectTwips().y, before.rectTwips().y);
    EXPECT_EQ(after.width, before.width);
    EXPECT_EQ(after.alignment, before.alignment);
    EXPECT_EQ(after.backColor, before.backColor);
    EXPECT_EQ(after.font, before.font);
    EXPECT_EQ(after.caption, before.caption);
}

TEST_F(ElementObjects, AnElementKeptAcrossItsUnloadGivesAClearError) {
    run("Set kept = Hotspot(2)\nkept.Caption = \"two\"");
    form.unloadArrayMember("Hotspot", 2);
    EXPECT_FALSE(rt.executeStatement("kept.Visible = True"));
    EXPECT_EQ(rt.lastError().number, 424);
    EXPECT_EQ(rt.lastError().description, "The element Hotspot(2) no longer exists");
    EXPECT_EQ(errorOf("x = kept.Left"), 424);
    EXPECT_EQ(errorOf("kept.Refresh"), 424);
    EXPECT_EQ(text("TypeName(kept)"), "Object");
    EXPECT_EQ(errorOf("Set again = Hotspot(2)"), 9);
    run("Set kept = Nothing");
}

TEST_F(ElementObjects, TimersIntervalAndEnabledRestartTheCount) {
    auto advance = [&](int ms) {
        backend.advanceClock(ms);
        ui.pump();
    };
    run("tmrClock.Interval = 100 : tmrClock.Enabled = True");
    ui.pump();
    advance(100);
    advance(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(number("tmrClock.Interval"), 100);
    advance(50);
    run("tmrClock.Interval = 100"); // the count starts again from here
    ui.pump();
    advance(60);
    EXPECT_EQ(ticks, 2) << "without the restart the timer would have fired at 300 ms";
    advance(50);
    EXPECT_EQ(ticks, 3);
    run("tmrClock.Enabled = False");
    advance(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(errorOf("tmrClock.Interval = 70000"), 380);
    EXPECT_EQ(errorOf("tmrClock.Caption = \"x\""), 438);
}

TEST_F(ElementObjects, PicturesMoveBetweenElementsWithOrWithoutSet) {
    auto green = std::make_shared<platform::Picture>();
    green->image = platform::Canvas(4, 2, 0xFF00FF00);
    rt.addObject("GreenPicture", NewPictureObject(green));

    EXPECT_EQ(number("GreenPicture.Width"), 106) << "HIMETRIC: 4 pixels at 96 dpi";
    EXPECT_EQ(number("GreenPicture.Height"), 53);
    run("Set imgIcon.Picture = GreenPicture\nimgIcon.Stretch = True");
    EXPECT_EQ(element("imgIcon").picture.get(), green.get());
    EXPECT_EQ(seen(285, 55), kGreen) << "stretched over the whole 40 by 40 image";

    run("BackgroundObject.Picture = imgIcon.Picture"); // without Set: through its handle
    EXPECT_EQ(element("BackgroundObject").picture.get(), green.get());
    EXPECT_EQ(seen(1, 1), kGreen);
    EXPECT_EQ(seen(10, 10), 0xFFFFFFu) << "a picture box does not stretch";
    EXPECT_EQ(number("BackgroundObject.Picture.Handle"), number("GreenPicture.Handle"));

    run("BackgroundObject.Cls");
    EXPECT_EQ(element("BackgroundObject").picture, nullptr);
    EXPECT_EQ(number("BackgroundObject.Picture.Handle"), 0);
    run("Set imgIcon.Picture = Nothing");
    EXPECT_EQ(element("imgIcon").picture, nullptr);
    EXPECT_EQ(seen(285, 55), kFormBack);
    EXPECT_EQ(errorOf("GreenPicture.Width = 5"), 383);
}

} // namespace
} // namespace run::scripting
