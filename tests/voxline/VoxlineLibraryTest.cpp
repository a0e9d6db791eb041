// The control's library through the component interface alone: registration names its ProgID,
// an object is made by it, its properties take text and report each change, its boxes go to
// the container, and once the object is gone the library may be unloaded.
#include "run/platform/components/ComponentHost.h"
#include "run/platform/components/ComponentLibrary.h"
#include "run/platform/media/Mixer.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

TEST(VoxlineLibrary, RegisteredMadeByProgIdAndDrivenThroughTheInterface) {
    RegistrationResult r = RunRegistrationEntry(VOXLINE_OCX, false);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.progIds, std::vector<std::string>{"Voxline.MainControl"});

    Mixer mixer;
    std::vector<std::string> changes, boxes;
    int timers = 0, running = 0;
    ComponentHost host{mixer,
                       {[](pc_handle, const std::string&, std::vector<ComponentValue>&) {},
                        [&](pc_handle, const std::string& name) { changes.push_back(name); },
                        [&](std::uint32_t, std::function<void()>) {
                            ++running;
                            return ++timers;
                        },
                        [&](int) { --running; }, [](int) { return false; },
                        [](const std::string& p) { return p; },
                        [&](const std::string& text, const std::string& title, int style) {
                            boxes.push_back(title + "|" + std::to_string(style) + "|" + text);
                            return 1;
                        }}};
    {
        std::unique_ptr<ComponentObject> vox = host.create(VOXLINE_OCX, "voxline.maincontrol");
        EXPECT_EQ(vox->get("QuestionAndAnswer").s, "0");
        EXPECT_EQ(vox->get("Skipping").s, "0") << "though the space bar already skips";
        EXPECT_EQ(vox->describe(), "idle");
        changes.clear();
        vox->set("QuestionVolume", ComponentValue::text("abc"));
        vox->set("AnswerBalance", ComponentValue::integer(-25));
        vox->set("Skipping", ComponentValue::text("0"));
        EXPECT_EQ(vox->get("QuestionVolume").s, "10");
        EXPECT_EQ(vox->get("AnswerBalance").s, "-10");
        EXPECT_EQ(changes, (std::vector<std::string>{"QuestionVolume", "AnswerBalance", "Skipping"}));
        EXPECT_THROW(vox->get("Audio1Balance"), ComponentError) << "write-only";
        EXPECT_THROW(vox->set("QuestionState", ComponentValue::text("2")), ComponentError) << "read-only";
        EXPECT_EQ(vox->call("FileExists", {ComponentValue::text(VOXLINE_OCX)}).i, -1);
        EXPECT_EQ(vox->call("FileExists", {ComponentValue::text("/no/such/file.wav")}).i, 0);

        vox->call("About", {});
        vox->set("QuestionFile", ComponentValue::text("/no/such/q.wav"));
        vox->set("QuestionDelay", ComponentValue::text("70"));
        vox->call("PlayQuestion", {});
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_EQ(boxes[0],
                  "About Voxline 1.2|64|Spoken dialogs and Scripted Audio made easy with Voxline for "
                  "Lumenfold 3.5\r\n\r\nVersion: 1.2\r\nRelease: December 6th, 2004");
        EXPECT_EQ(boxes[1], "Voxline 1.2 - File Not Found|16|The file /no/such/q.wav was not found.\r\n\r\n"
                            "If the missing file is a question file and you have set the option "
                            "QuestionAndAnswer the releated answer file will also not played.");
        EXPECT_EQ(boxes[2], "Voxline 1.2 - Unexpected Error 5|16|Voxline 1.2 has encountered an unexpected "
                            "error. Our apoligies for the inconvenience.\r\n\r\nInvalid property value")
            << "a delay of 70 s is longer than the timer takes";
        std::string error;
        auto lib = ComponentLibrary::open(VOXLINE_OCX, error);
        ASSERT_TRUE(lib) << error;
        EXPECT_NE(lib->canUnloadEntry()(), PC_OK) << "a control is alive";
    }
    EXPECT_EQ(running, 0) << "no timer of the control is left running";
    std::string error;
    auto lib = ComponentLibrary::open(VOXLINE_OCX, error);
    EXPECT_EQ(lib->canUnloadEntry()(), PC_OK);
    EXPECT_TRUE(RunRegistrationEntry(VOXLINE_OCX, true).ok);
}

} // namespace
} // namespace run::platform
