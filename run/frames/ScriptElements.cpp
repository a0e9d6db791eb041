// Members of the game window's element arrays that scripts load and unload (a further script
// timer, a further dialogue label …), wired as the player wires its own members.
#include "run/frames/Dialogues.h"
#include "run/frames/FrameTexts.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/project/ProjectContext.h"

#include "run/frames/Scripts.h"
#include "run/platform/files/TextCodec.h"

#include <exception>

namespace run {

namespace {

// Arrays whose members the player counts and keeps in step with tables of its own.
bool playerOwned(const std::string& arrayName) {
    for (const char* name : {"TimedEvent", "timerSimulateHotspotClick", "PickedObject", "MPlayer"})
        if (platform::EqualsNoCase(arrayName, name)) return true;
    return false;
}

} // namespace

bool GameWindow::LoadControl(const std::string& arrayName, int index) {
    if (playerOwned(arrayName) || m_form.find(arrayName, index)) return false;
    platform::Element* first = m_form.find(arrayName, 0);
    if (!first) return false;
    try {
        platform::Element& e = m_form.loadArrayMember(first->name, index);
        if (platform::EqualsNoCase(e.name, "TimerObject")) {
            static_cast<platform::TimerElement&>(e).onTimer = [this, index] {
                m_scripts.TimerObject_Timer(index);
            };
        } else if (platform::EqualsNoCase(e.name, "Area")) {
            m_hotspots->wireArea(e);
        } else if (platform::EqualsNoCase(e.name, "Text")) {
            m_texts->wireText(e);
        } else if (platform::EqualsNoCase(e.name, "lblDialogue")) {
            m_dialogues.wireLabel(e);
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool GameWindow::UnloadControl(const std::string& arrayName, int index) {
    if (index <= 0 || playerOwned(arrayName) || !m_form.find(arrayName, index)) return false;
    try {
        m_form.unloadArrayMember(arrayName, index);
        m_project.ui.invalidate();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace run
