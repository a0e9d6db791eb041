// Screen, App, Clipboard, Printer and Printers as a game's scripts use them.
#include "ObjectsRig.h"

namespace run::scripting {
namespace {

class PlatformObjects : public ObjectsRig {
  protected:
    PlatformObjects() {
        backend.setDesktop({1024, 768, 60, 32});
        rt.addObject("Screen", NewScreenObject(ui));
        rt.addObject("App", NewAppObject({"/games/tower", "The Tower", 2, 5, 31}));
        rt.addObject("Clipboard", NewClipboardObject(backend));
        rt.addObject("Printer", NewPrinterObject());
        rt.addObject("Printers", NewPrintersCollection());
    }
};

TEST_F(PlatformObjects, ScreenGivesTheDesktopAndSetsThePointerEverywhere) {
    EXPECT_EQ(number("Screen.Width"), 1024 * 15);
    EXPECT_EQ(number("Screen.Height"), 768 * 15);
    EXPECT_EQ(number("Screen.TwipsPerPixelX * Screen.TwipsPerPixelY"), 225);
    run("Screen.MousePointer = 11");
    EXPECT_EQ(ui.screenPointer(), 11);
    EXPECT_EQ(backend.pointerOf(form.id()), 11) << "the game window shows the hourglass at once";
    EXPECT_EQ(number("Screen.MousePointer"), 11);
    EXPECT_EQ(errorOf("Screen.MousePointer = 42"), 380);
    EXPECT_EQ(errorOf("Screen.MousePointer = \"busy\""), 13);
    EXPECT_EQ(errorOf("Screen.Width = 10"), 383);
    run("Screen.MousePointer = 0");
    EXPECT_EQ(ui.screenPointer(), 0);
}

TEST_F(PlatformObjects, AppReportsTheGame) {
    EXPECT_EQ(text("App.Path"), "/games/tower");
    EXPECT_EQ(text("App.Title"), "The Tower");
    EXPECT_EQ(text("App.EXEName"), "run");
    EXPECT_EQ(text("App.Major & \".\" & App.Minor & \".\" & App.Revision"), "2.5.31");
    EXPECT_EQ(text("App.PrevInstance"), "False");
    EXPECT_EQ(text("App.Comments & App.CompanyName & App.ProductName"), "");
    run("App.Title = \"Renamed\"");
    EXPECT_EQ(text("App.Title"), "Renamed");
    EXPECT_EQ(errorOf("App.Path = \"/tmp\""), 383);
}

TEST_F(PlatformObjects, ClipboardCarriesTextBothWays) {
    run("Clipboard.SetText \"Caf\" & ChrW(233)");
    EXPECT_EQ(backend.clipboardText(), "Caf\xC3\xA9");
    backend.setClipboardText("from another program");
    EXPECT_EQ(text("Clipboard.GetText()"), "from another program");
    EXPECT_EQ(text("Clipboard.GetText(1)"), "from another program");
    EXPECT_EQ(text("Clipboard.GetFormat(1)"), "True");
    EXPECT_EQ(text("Clipboard.GetFormat(2)"), "False") << "no bitmaps here";
    run("Clipboard.Clear");
    EXPECT_EQ(text("Clipboard.GetFormat(1)"), "False");
    EXPECT_EQ(text("Clipboard.GetText"), "");
    EXPECT_EQ(errorOf("x = Clipboard.GetText(2)"), 5);
    EXPECT_EQ(errorOf("x = Clipboard.GetFormat(12345)"), 5);
    EXPECT_EQ(errorOf("Clipboard.SetText"), 450);
    EXPECT_EQ(errorOf("x = Clipboard.GetText(\"text\")"), 13);
}

TEST_F(PlatformObjects, ThereIsNoPrinterAndNothingBreaks) {
    EXPECT_EQ(number("Printers.Count"), 0);
    run("n = 0\nFor Each p In Printers\n n = n + 1\nNext");
    EXPECT_EQ(number("n"), 0);
    EXPECT_EQ(errorOf("Set p = Printers.Item(0)"), 9);
    EXPECT_EQ(text("Printer.DeviceName"), "");
    run("Printer.FontSize = 12\nPrinter.Orientation = 2\nPrinter.CurrentX = 1440\n"
        "Printer.Print \"Your score: \" & 42\nPrinter.PaintPicture imgIcon.Picture, 0, 0\n"
        "Printer.NewPage\nPrinter.EndDoc\nPrinter.KillDoc");
    EXPECT_EQ(number("Printer.FontSize"), 12);
    EXPECT_EQ(number("Printer.TextWidth(\"abc\")"), 0);
    EXPECT_EQ(errorOf("Printer.DeviceName = \"lp0\""), 383);
    EXPECT_EQ(errorOf("Printer.Staple"), 438);
}

} // namespace
} // namespace run::scripting
