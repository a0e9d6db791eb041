// A game window shown on the headless backend with a few elements of each kind, and a real
// script engine that sees them as named objects; the tests of the script objects share it.
#pragma once

#include "run/platform/headless/HeadlessBackend.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace run::scripting {

using platform::Element;
using platform::ElementKind;
using platform::PixelsToTwips;

constexpr platform::ColorRef kGreen = 0x00FF00, kFormBack = 0x808080;

class ObjectsRig : public ::testing::Test {
  protected:
    ObjectsRig() {
        form.width = PixelsToTwips(400);
        form.height = PixelsToTwips(300);
        form.backColor = kFormBack;
        place(form.addElement(ElementKind::PictureBox, "BackgroundObject"), 0, 0, 200, 150).backColor =
            0xFFFFFF;
        Element& hotspot = place(form.addElement(ElementKind::Label, "Hotspot", 0), 300, 10, 30, 30);
        hotspot.backColor = kGreen;
        hotspot.visible = false;
        for (int i : {1, 2}) {
            Element& h = form.loadArrayMember("Hotspot", i);
            place(h, 200 + 50 * i, 200, 30, 30).visible = true;
        }
        place(form.addElement(ElementKind::Label, "lblTitle"), 10, 200, 150, 20).caption = "Start";
        place(form.addElement(ElementKind::CheckBox, "chkSound"), 10, 240, 100, 20);
        place(form.addElement(ElementKind::TextBox, "txtName"), 10, 270, 100, 20).caption = "Ann";
        place(form.addElement(ElementKind::Image, "imgIcon"), 250, 20, 40, 40);
        form.addTimer("tmrClock").onTimer = [this] { ++ticks; };
        Element& menu = form.addElement(ElementKind::Menu, "mnuFile");
        menu.caption = "File";
        menu.visible = false; // no menu bar over the top of the window until a test shows it
        ui.show(form);

        // Single elements are named objects; element arrays are reached through the game window,
        // whose elements are members of its own.
        for (const char* name :
             {"BackgroundObject", "lblTitle", "chkSound", "txtName", "imgIcon", "tmrClock", "mnuFile"})
            rt.addObject(name, NewNamedElementObject(ui, form, name));
        rt.addObject("GameWindow", NewFormObject(ui, form, true), true);
    }

    static Element& place(Element& e, int x, int y, int w, int h) {
        e.left = PixelsToTwips(x);
        e.top = PixelsToTwips(y);
        e.width = PixelsToTwips(w);
        e.height = PixelsToTwips(h);
        return e;
    }

    // Runs statements; a failure shows the engine's message.
    void run(const std::string& code) {
        ASSERT_TRUE(rt.executeStatement(code))
            << code << "\n  -> " << rt.lastError().number << " " << rt.lastError().description;
    }
    // The error number a statement fails with (0: it did not fail).
    int errorOf(const std::string& code) { return rt.executeStatement(code) ? 0 : rt.lastError().number; }
    std::string text(const std::string& expression) {
        vbs::Value v;
        if (!rt.eval("CStr(" + expression + ")", v)) return "error " + std::to_string(rt.lastError().number);
        return vbs::toUtf8(v.asString());
    }
    long number(const std::string& expression) {
        vbs::Value v;
        if (!rt.eval("CLng(" + expression + ")", v)) return -999999;
        return v.asLong();
    }
    // The colour the player sees at a pixel of the form.
    platform::ColorRef seen(int x, int y) {
        return platform::ColorRefFromPixel(ui.paintedCanvas(form).pixel(x, y));
    }
    Element& element(const std::string& name, int index = -1) { return form.get(name, index); }

    platform::HeadlessBackend backend;
    platform::FontCatalog fonts;
    platform::Form form{"frmGame"};
    platform::WindowSystem ui{backend, fonts};
    vbs::Runtime rt;
    int ticks = 0;
};

} // namespace run::scripting
