// Menu bars drawn into the form: opening a list from the bar, choosing an item, closing without
// acting, the keyboard, and what is painted.
#include "run/platform/ui/WindowSystem.h"

#include "run/platform/headless/HeadlessBackend.h"
#include "run/platform/ui/Keys.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

using Type = InputEvent::Type;

class MenuBarTest : public ::testing::Test {
  protected:
    MenuBarTest() {
        form.width = PixelsToTwips(300);
        form.height = PixelsToTwips(200);
        form.backColor = 0x000000;
        Element& under = form.addElement(ElementKind::Label, "Under");
        under.width = PixelsToTwips(300);
        under.height = PixelsToTwips(200);
        under.backTransparent = true;
        under.onMouseDown = [this](const MouseArgs&) { log.push_back("under"); };
        file = &menu("mnuFile", "&File", nullptr);
        file->onClick = [this] { log.push_back("File opened"); };
        open = &menu("mnuOpen", "Open", file);
        save = &menu("mnuSave", "Save", file);
        exit = &menu("mnuExit", "Exit", nullptr);
        ui.show(form);
    }

    Element& menu(const char* name, const char* caption, Element* parent) {
        Element& m = form.addElement(ElementKind::Menu, name);
        m.caption = caption;
        m.container = parent;
        m.onClick = [this, caption] { log.push_back(caption); };
        return m;
    }
    void click(int x, int y) {
        backend.inject({Type::MouseDown, 0, x, y, kLeftButton, 0, 0});
        backend.inject({Type::MouseUp, 0, x, y, kLeftButton, 0, 0});
        ui.pump();
    }
    void key(int code) {
        backend.inject({Type::KeyDown, 0, 0, 0, 0, code, 0});
        ui.pump();
    }

    HeadlessBackend backend;
    FontCatalog fonts;
    Form form{"frmMenus"}; // outlives the window system, which lets go of it first
    WindowSystem ui{backend, fonts};
    Element* file = nullptr;
    Element* open = nullptr;
    Element* save = nullptr;
    Element* exit = nullptr;
    std::vector<std::string> log;
};

TEST_F(MenuBarTest, BarOpensListsAndItemsRunOnce) {
    click(10, 10); // "File" is the first caption on the bar
    EXPECT_EQ(ui.menuState(form).open, file);
    EXPECT_EQ(log, (std::vector<std::string>{"File opened"}));
    // The list hangs below the bar: its second row is "Save".
    click(20, 20 + 2 + 20 + 10);
    EXPECT_EQ(ui.menuState(form).open, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"File opened", "Save"}));
    // A top-level menu without a list is a command of its own.
    ui.chooseMenu(form, *exit);
    EXPECT_EQ(log.back(), "Exit");
}

TEST_F(MenuBarTest, ClickElsewhereOnlyClosesTheList) {
    click(10, 10);
    log.clear();
    click(250, 150);
    EXPECT_EQ(ui.menuState(form).open, nullptr);
    EXPECT_TRUE(log.empty()) << "the element under the list must not get the closing click";
    click(250, 150);
    EXPECT_EQ(log, (std::vector<std::string>{"under"}));
}

TEST_F(MenuBarTest, HiddenOrDisabledMenusAreNotChosen) {
    save->enabled = false;
    open->visible = false;
    click(10, 10);
    log.clear();
    click(20, 20 + 2 + 10); // the first row is now the disabled "Save"
    EXPECT_TRUE(log.empty());
    exit->visible = false;
    EXPECT_FALSE(ui.chooseMenu(form, *exit));
}

TEST_F(MenuBarTest, KeyboardOpensMovesAndChooses) {
    key(kKeyMenu);
    EXPECT_EQ(ui.menuState(form).open, file);
    EXPECT_EQ(ui.menuState(form).highlighted, 0);
    key(kKeyDown);
    key(kKeyReturn);
    EXPECT_EQ(log.back(), "Save");
    EXPECT_EQ(ui.menuState(form).open, nullptr);
    key(kKeyMenu);
    key(kKeyEscape);
    EXPECT_EQ(ui.menuState(form).open, nullptr);
}

TEST_F(MenuBarTest, PaintedBarAndListCoverTheForm) {
    const Canvas& closed = ui.paintedCanvas(form);
    EXPECT_NE(closed.pixel(150, 5), 0xFF000000u) << "the bar is drawn across the top";
    EXPECT_EQ(closed.pixel(150, 60), 0xFF000000u);
    click(10, 10);
    const Canvas& opened = ui.paintedCanvas(form);
    EXPECT_NE(opened.pixel(60, 30), 0xFF000000u) << "the list is drawn below its caption";
    for (Element* m : {file, exit})
        m->visible = false;
    ui.closeMenus(form);
    EXPECT_EQ(ui.paintedCanvas(form).pixel(150, 5), 0xFF000000u) << "no visible menu, no bar";
}

} // namespace
} // namespace run::platform
