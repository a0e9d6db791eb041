// A form's timer goes on firing while a message box waits for its answer.
#include "run/platform/headless/HeadlessBackend.h"
#include "run/platform/ui/WindowSystem.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

TEST(ModalTimer, TimerKeepsFiringWhileABoxIsOpen) {
    HeadlessBackend backend;
    FontCatalog fonts;
    Form form("frmClock");
    form.width = PixelsToTwips(120);
    form.height = PixelsToTwips(60);
    Element& face = form.addElement(ElementKind::Label, "lblFace");
    face.width = form.width;
    face.height = form.height;
    face.backColor = 0x000000;
    TimerElement& tick = form.addTimer("tmrTick");
    tick.setInterval(100);
    tick.setEnabled(true);
    WindowSystem ui(backend, fonts);
    int ticks = 0, ticksInsideBox = 0;
    tick.onTimer = [&] {
        ++ticks;
        if (ui.modalOpen()) ++ticksInsideBox;
        face.backColor = 0xFFFFFF;
    };
    ui.show(form);
    ui.pump();

    backend.advanceClock(150); // the box is answered a while after it opened
    backend.queueAnswer("No");
    int answer = ui.messageBox("Keep the lamp lit?", kYesNo | kQuestion, "Lamp");
    EXPECT_EQ(answer, kResultNo);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(ticksInsideBox, 1);
    EXPECT_FALSE(ui.modalOpen());
    EXPECT_EQ(ui.paintedCanvas(form).pixel(10, 10), PixelFromColorRef(0xFFFFFF))
        << "what the timer did shows";

    ASSERT_EQ(backend.boxes().size(), 1u);
    EXPECT_EQ(backend.boxes()[0].title, "Lamp");
    EXPECT_EQ(backend.boxes()[0].answer, "No");

    backend.advanceClock(100);
    ui.pump();
    EXPECT_EQ(ticks, 2) << "and after the box, as before";
}

} // namespace
} // namespace run::platform
