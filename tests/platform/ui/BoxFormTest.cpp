// Message and input boxes drawn as the player's own forms: their pixels while the backend answers
// them, and the real modal loop answered by keys and clicks on the headless backend.
#include "run/platform/headless/HeadlessBackend.h"
#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Keys.h"
#include "run/platform/ui/MessageBoxForm.h"
#include "run/platform/ui/WindowSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace run::platform {
namespace {

using Type = InputEvent::Type;

class BoxFormTest : public ::testing::Test {
  protected:
    BoxFormTest() {
        game.width = PixelsToTwips(640);
        game.height = PixelsToTwips(480);
        game.backColor = 0x000000;
        ui.show(game);
        ui.pump();
    }

    // Runs `look` from a timer that fires while the next box is open, before it is answered.
    void whileNextBoxIsOpen(std::function<void()> look) {
        TimerElement& t = game.addTimer("tmrLook");
        t.setInterval(10);
        t.setEnabled(true);
        t.onTimer = [this, &t, look] {
            t.setEnabled(false);
            look();
        };
        ui.pump();
        backend.advanceClock(10);
    }

    void key(int code, int shift = 0) { backend.inject({Type::KeyDown, 0, 0, 0, 0, code, shift}); }
    void type(const std::string& text) {
        InputEvent ev{Type::TextInput};
        ev.text = text;
        backend.inject(ev);
    }

    HeadlessBackend backend;
    FontCatalog fonts;
    Form game{"frmGame"}; // outlives the window system, which forgets it on the way out
    WindowSystem ui{backend, fonts};
};

bool bluish(Pixel p) {
    return (p & 0xFF) > ((p >> 16) & 0xFF) + 40;
}

TEST_F(BoxFormTest, QuestionBoxIsCentredWithItsTitleBarIconTextAndButtons) {
    const MessageBoxRequest request{"Leave the manor", "Do you really want to leave the manor?",
                                    kYesNo | kQuestion | kDefaultButton2};
    Canvas shot;
    Rect placed;
    std::string name;
    whileNextBoxIsOpen([&] {
        Form* box = ui.activeForm();
        ASSERT_NE(box, nullptr);
        name = box->name;
        placed = {TwipsToPixels(box->left), TwipsToPixels(box->top), TwipsToPixels(box->width),
                  TwipsToPixels(box->height)};
        shot = ui.paintedCanvas(*box);
    });
    backend.queueAnswer("Yes");
    EXPECT_EQ(ui.messageBox(request.text, request.style, request.title), kResultYes);
    ASSERT_EQ(name, "frmMessageBox");
    ASSERT_EQ(backend.boxes().size(), 1u) << "the box is recorded as before";
    EXPECT_EQ(backend.boxes()[0].answer, "Yes");
    EXPECT_EQ(ui.activeForm(), &game) << "the box is gone once answered";

    // Centred on the screen, its canvas the box's size.
    EXPECT_LE(std::abs(placed.x + placed.w / 2 - 640), 1);
    EXPECT_LE(std::abs(placed.y + placed.h / 2 - 512), 1);
    ASSERT_EQ(shot.width(), placed.w);
    ASSERT_EQ(shot.height(), placed.h);

    // The title bar: blue across the top, below the frame, the title written in white on it.
    const int border = 3, barBottom = border + kTitleBarHeight;
    EXPECT_TRUE(bluish(shot.pixel(border + 1, border + 1)));
    EXPECT_TRUE(bluish(shot.pixel(shot.width() - border - 2, barBottom - 1)));
    int white = 0;
    for (int y = border; y < barBottom; ++y)
        for (int x = border; x < shot.width() / 2; ++x)
            white += shot.pixel(x, y) == 0xFFFFFFFF ? 1 : 0;
    EXPECT_GT(white, 30) << "the title is written in the bar";
    const Pixel face = PixelFromColorRef(0xD4D0C8);
    EXPECT_EQ(shot.pixel(border + 2, barBottom + 2), face) << "the inside begins below the bar";

    // The icon at the top left of the inside, the text beside it.
    const MessageBoxForm layout(request, fonts);
    const Rect icon = ElementRectOnForm(layout.get("imgIcon"));
    const Rect text = ElementRectOnForm(layout.get("lblText"));
    EXPECT_GE(icon.y, barBottom);
    EXPECT_NE(shot.pixel(icon.x + icon.w / 2, icon.y + 3), face) << "the icon is drawn";
    EXPECT_GE(text.x, icon.x + icon.w);

    // Two buttons side by side, centred below the text; No, the default, has the focus frame.
    const Rect yes = ElementRectOnForm(layout.get("cmdButton", 0));
    const Rect no = ElementRectOnForm(layout.get("cmdButton", 1));
    EXPECT_EQ(yes.y, no.y);
    EXPECT_GT(yes.y, std::max(text.y + text.h, icon.y + icon.h));
    EXPECT_LE(std::abs((yes.x + no.x + no.w) / 2 - shot.width() / 2), 1);
    EXPECT_LT(yes.y + yes.h, shot.height() - border);
    EXPECT_EQ(shot.pixel(yes.x, yes.y), 0xFFFFFFFF) << "a raised face";
    EXPECT_EQ(shot.pixel(yes.x + yes.w - 1, yes.y + yes.h - 1), 0xFF404040);
    EXPECT_EQ(shot.pixel(no.x, no.y), 0xFF000000) << "the focused button is framed";
    int ink = 0;
    for (int y = yes.y + 3; y < yes.y + yes.h - 3; ++y)
        for (int x = yes.x + 3; x < yes.x + yes.w - 3; ++x)
            ink += shot.pixel(x, y) != face ? 1 : 0;
    EXPECT_GT(ink, 10) << "the caption is on the button";
}

TEST_F(BoxFormTest, AnEndlessTextKeepsTheBoxOnTheScreen) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "Line " + std::to_string(i) + "\r\n";
    const MessageBoxForm box({"Report", text, kOkOnly}, fonts);
    EXPECT_LT(TwipsToPixels(box.height), 1024);
    EXPECT_EQ(box.get("lblText").caption.rfind("Line 0\nLine 1\n", 0), 0u) << "its beginning is shown";
}

TEST_F(BoxFormTest, ATextLongerThanItsBoxShowsItsEndAndTheCaretWhileTyped) {
    Form form("frmType");
    form.width = PixelsToTwips(100);
    form.height = PixelsToTwips(40);
    Element& box = form.addElement(ElementKind::TextBox, "txtInput");
    box.left = box.top = PixelsToTwips(10);
    box.width = PixelsToTwips(60);
    box.height = PixelsToTwips(20);
    box.border = true;
    box.backColor = 0xFFFFFF;
    box.caption = std::string(40, 'W');
    box.hasFocus = true;
    FormPainter painter(fonts);
    Canvas c;
    painter.paint(form, c);
    // The caret: a full-height black column just inside the right edge, text ink left of it.
    int caret = -1;
    for (int x = 10 + 60 - 3; x > 10 + 30 && caret < 0; --x) {
        bool column = true;
        for (int y = 10 + 3; y < 10 + 3 + 10; ++y)
            column = column && c.pixel(x, y) == 0xFF000000;
        if (column) caret = x;
    }
    EXPECT_GE(caret, 10 + 60 - 6) << "the caret stands at the end, in view";
    for (int y = 10; y < 30; ++y) {
        EXPECT_EQ(c.pixel(9, y), PixelFromColorRef(0xD4D0C8)) << "nothing is drawn left of the box";
    }
}

TEST_F(BoxFormTest, ModalWindowShowsItsCaptionInATitleBarWhileModal) {
    Form dialog("frmSaveGame");
    dialog.caption = "Save the current game";
    dialog.borderTwips = 45;
    dialog.width = PixelsToTwips(300);
    dialog.height = PixelsToTwips(200);
    Element& prompt = dialog.addElement(ElementKind::Label, "lblPrompt");
    ui.centre(dialog);
    const int top = dialog.top;
    {
        ModalScope modal(ui, dialog);
        ui.show(dialog);
        EXPECT_EQ(dialog.height, PixelsToTwips(200 + kTitleBarHeight));
        EXPECT_EQ(dialog.scaleHeight(), PixelsToTwips(200 - 6));
        EXPECT_EQ(ElementRectOnForm(prompt).y, 3 + kTitleBarHeight) << "the inside moved below the bar";
        EXPECT_LE(std::abs(TwipsToPixels(dialog.top + dialog.height / 2) - 512), 1) << "still centred";
        EXPECT_TRUE(bluish(ui.paintedCanvas(dialog).pixel(5, 5)));
        ui.unload(dialog);
    }
    EXPECT_EQ(dialog.height, PixelsToTwips(200)) << "sized as its owner made it, for the next time";
    EXPECT_EQ(dialog.top, top);
    EXPECT_EQ(dialog.titleBarTwips, 0);
}

TEST_F(BoxFormTest, KeysAnswerTheBoxesAsTheClassicOnesDo) {
    backend.setBoxesWaitForInput(true);
    // Enter presses the default button.
    key(kKeyReturn);
    EXPECT_EQ(ui.messageBox("Save?", kYesNoCancel | kDefaultButton2, "Q"), kResultNo);
    // Escape gives Cancel where there is one, OK in an OK-only box, and nothing in Yes/No.
    key(kKeyEscape);
    EXPECT_EQ(ui.messageBox("Retry?", kRetryCancel, "Q"), kResultCancel);
    key(kKeyEscape);
    EXPECT_EQ(ui.messageBox("Done.", kOkOnly | kInformation, "Q"), kResultOk);
    key(kKeyEscape);
    key(kKeyTab);
    key(kKeyTab);
    key(kKeyTab, kShiftMask);
    key(kKeyReturn);
    EXPECT_EQ(ui.messageBox("Abort?", kAbortRetryIgnore, "Q"), kResultRetry)
        << "Escape did nothing, Tab twice and Shift+Tab once moved the focus one button on";
    key(kKeyTab, kShiftMask);
    key(kKeyReturn);
    EXPECT_EQ(ui.messageBox("Keep?", kYesNo, "Q"), kResultNo) << "Shift+Tab wraps round to the last";
    EXPECT_TRUE(backend.boxes().empty()) << "boxes a player answers are not scripted answers";

    // The input box: the default text comes selected, so typing replaces it; Backspace and more
    // typing edit what was typed, and Enter gives it.
    type("d\xC3\xA9");
    key(kKeyBack);
    type("x\ty");
    key(kKeyReturn);
    EXPECT_EQ(ui.inputBox("Name?", "Input", "abc"), "dxy");
    key(kKeyBack);
    type("!");
    key(kKeyReturn);
    EXPECT_EQ(ui.inputBox("Name?", "Input", "abc"), "!") << "Backspace removes the whole selection";
    key(kKeyTab);
    key(kKeyTab);
    type("ignored");
    key(kKeyReturn);
    EXPECT_EQ(ui.inputBox("Name?", "Input", "abc"), std::nullopt) << "Enter on Cancel cancels";
    type("zzz");
    key(kKeyEscape);
    EXPECT_EQ(ui.inputBox("Name?", "Input", "abc"), std::nullopt);
}

TEST_F(BoxFormTest, ClicksAnswerAndOnlyTheBoxTakesInput) {
    backend.setBoxesWaitForInput(true);
    int gameClicks = 0, ticks = 0;
    game.onClick = [&] { ++gameClicks; };
    TimerElement& tick = game.addTimer("tmrTick");
    tick.setInterval(100);
    tick.setEnabled(true);
    tick.onTimer = [&] { ++ticks; };
    ui.pump();

    const MessageBoxRequest request{"Q", "Which one?", kYesNoCancel};
    const Rect no = ElementRectOnForm(MessageBoxForm(request, fonts).get("cmdButton", 1));
    const int x = no.x + no.w / 2, y = no.y + no.h / 2;
    backend.inject({Type::MouseDown, game.id(), 5, 5, kLeftButton, 0, 0});
    backend.inject({Type::MouseUp, game.id(), 5, 5, kLeftButton, 0, 0});
    backend.inject({Type::MouseDown, 0, x, y, kLeftButton, 0, 0});
    backend.inject({Type::MouseUp, 0, x, y, kLeftButton, 0, 0});
    EXPECT_EQ(ui.messageBox(request.text, request.style, request.title), kResultNo);
    EXPECT_EQ(gameClicks, 0) << "the window behind the box takes no input";

    // Dragging the title bar moves the box by as much as the pointer moved.
    int expectedLeft = 0, left = 0, top = 0, expectedTop = 0;
    TimerElement& look = game.addTimer("tmrLook");
    look.setInterval(1);
    look.setEnabled(true);
    look.onTimer = [&] {
        look.setEnabled(false);
        const Form* box = ui.activeForm();
        expectedLeft = PixelsToTwips(640) - box->width / 2 + PixelsToTwips(30);
        expectedTop = PixelsToTwips(512) - box->height / 2 + PixelsToTwips(-5);
        left = box->left;
        top = box->top;
        key(kKeyReturn);
    };
    ui.pump();
    backend.inject({Type::MouseDown, 0, 10, 10, kLeftButton, 0, 0});
    // Positions are the window's own: once it moved by 15, -2, the pointer at 30, -5 from where
    // it took the bar lies at 25, 7 in it.
    backend.inject({Type::MouseMove, 0, 25, 8, kLeftButton, 0, 0});
    backend.inject({Type::MouseMove, 0, 25, 7, kLeftButton, 0, 0});
    backend.inject({Type::MouseUp, 0, 10, 10, kLeftButton, 0, 0});
    EXPECT_EQ(ui.messageBox("Move me", kOkOnly, "Q"), kResultOk);
    EXPECT_EQ(left, expectedLeft);
    EXPECT_EQ(top, expectedTop);

    // Nobody answers: timers keep firing, and after a minute the box closes with Cancel.
    EXPECT_EQ(ui.messageBox("Still there?", kYesNoCancel, "Q"), kResultCancel);
    EXPECT_GE(ticks, 500);
    // A program told to quit closes the box with its default answer where it has no Cancel.
    backend.inject({Type::Quit});
    EXPECT_EQ(ui.messageBox("Sure?", kYesNo | kDefaultButton2, "Q"), kResultNo);
    EXPECT_TRUE(ui.quitRequested());
}

} // namespace
} // namespace run::platform
