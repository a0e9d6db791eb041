// The components of the game window (see Components.h).
#include "run/frames/Components.h"

#include "run/frames/GameActions.h"
#include "run/frames/Scripts.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/Form.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/ProjectPaths.h"

#include <algorithm>
#include <filesystem>

namespace run {

using platform::ComponentError;
using platform::ComponentObject;
using platform::ComponentValue;
using platform::Element;

namespace {

std::string inQuotes(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

Components::Components(ProjectContext& project, Flags& flags, platform::Mixer& mixer,
                       platform::ComponentRegistry& registry)
    : m_project(project), m_flags(flags), m_registry(registry) {
    platform::ComponentHost::Services services;
    services.event = [this](pc_handle source, const std::string& name, std::vector<ComponentValue>& params) {
        Component_ObjectEvent(source, name, params);
    };
    services.propertyChanged = [this](pc_handle source, const std::string&) {
        if (const Row* row = rowOfHandle(source)) Refresh(row->name);
    };
    services.startTimer = [this](std::uint32_t interval, std::function<void()> tick) {
        if (!m_form) return 0;
        const int n = m_nextTimer++;
        platform::TimerElement& t = m_form->addTimer("ComponentTimer", n);
        t.setInterval(static_cast<int>(std::min<std::uint32_t>(interval, 0x7FFFFFFF)));
        t.onTimer = [this, tick = std::move(tick)] {
            tick();
            for (const Row& row : m_rows)
                Refresh(row.name);
        };
        t.setEnabled(true);
        return n;
    };
    services.stopTimer = [this](int n) {
        if (m_form && m_form->findTimer("ComponentTimer", n)) m_form->unloadArrayMember("ComponentTimer", n);
    };
    services.keyDown = [this](int key) { return m_project.ui.keyDownOrPressedSince(key); };
    // A component plays files of the game only: names inside its folder, found as the game's
    // own files are (backslashes, any letter case).
    services.resolveFile = [this](const std::string& path) -> std::string {
        namespace fs = std::filesystem;
        std::string named = path;
        std::replace(named.begin(), named.end(), '\\', '/');
        const fs::path project = fs::weakly_canonical(m_project.paths.project);
        fs::path wanted = fs::path(named).is_absolute() ? fs::path(named) : project / named;
        wanted = fs::weakly_canonical(ExistingPath(wanted.string()));
        const auto rel = wanted.lexically_relative(project);
        if (rel.empty() || *rel.begin() == "..") return {};
        return wanted.string();
    };
    services.messageBox = [this](const std::string& text, const std::string& title, int style) {
        return m_project.ui.messageBox(text, style, title);
    };
    m_host = std::make_unique<platform::ComponentHost>(mixer, std::move(services));
    m_wrappers.emplace_back(); // slots count from 1
}

Components::~Components() {
    // The window is gone by now: the objects (and the timers they stop) no longer reach it.
    // They go before the host that made them.
    m_form = nullptr;
    m_wrappers.clear();
}

void Components::build(platform::Form& form, Scripts& scripts, GameActions& actions) {
    m_form = &form;
    m_scripts = &scripts;
    m_actions = &actions;
    if (!form.findTimer("ComponentTimer", 0)) form.addTimer("ComponentTimer", 0);
}

std::unique_ptr<ComponentObject> Components::create(const std::string& progId) {
    const auto library = m_registry.find(progId);
    if (!library)
        throw ComponentError(PC_E_FAILED,
                             "The component " + inQuotes(progId) + " is not registered on this system.");
    return m_host->create(*library, progId);
}

ComponentObject* Components::objectOf(const Row& row) const {
    return row.wrapper > 0 && row.wrapper < static_cast<int>(m_wrappers.size())
               ? m_wrappers[row.wrapper].get()
               : nullptr;
}

const Components::Row* Components::rowOfHandle(pc_handle source) const {
    for (const Row& row : m_rows) {
        if (ComponentObject* o = objectOf(row); o && o->handle() == source) return &row;
    }
    return nullptr;
}

void Components::AddAdditionalComponent(const std::string& progId, const std::string& componentName,
                                        bool appearDuringTransitions, bool disappearBeforeAlphablending) {
    const std::string name = platform::LowerCaseWin(componentName);
    for (const Row& row : m_rows) {
        if (row.name == name) {
            m_project.showErrorBox(" A component named " + inQuotes(componentName) +
                                   " already exists. Please use a different name.");
            return;
        }
    }
    if (name.find(' ') != std::string::npos) {
        m_project.showErrorBox(" The component name must not contain spaces or other special characters.");
        return;
    }
    const int slot = static_cast<int>(m_wrappers.size());
    m_wrappers.emplace_back();
    m_rows.push_back({name, slot, appearDuringTransitions, disappearBeforeAlphablending});
    try {
        // A name that an element of the window already has cannot name a component's element.
        if (!m_form || m_form->find(name))
            throw ComponentError(PC_E_FAILED, "The name is in use in the window.");
        m_wrappers[static_cast<std::size_t>(slot)] = create(progId);
        Element& e = m_form->addElement(platform::ElementKind::Image, name);
        e.container = &m_form->get("PictureBox");
        e.visible = false; // scripts show it through Component
        e.width = e.height = platform::PixelsToTwips(100);
        e.tag = progId;
    } catch (const std::exception& e) {
        // A creation that failed leaves nothing behind: the name can be used again.
        m_rows.pop_back();
        m_wrappers[static_cast<std::size_t>(slot)].reset();
        m_project.showErrorBox(
            " Error in Game.AddAdditionalComponent. The component is probably not installed properly.  ",
            e.what());
    }
}

ComponentObject* Components::GetComponentRef(const std::string& componentName) {
    const std::string name = platform::LowerCaseWin(componentName);
    const Row* found = nullptr;
    for (const Row& row : m_rows)
        if (row.name == name) found = &row;
    if (!found) {
        m_project.showErrorBox(" The component named " + inQuotes(componentName) + " could not be found.");
        return nullptr;
    }
    return objectOf(*found);
}

ComponentObject* Components::find(const std::string& componentName) const {
    const std::string name = platform::LowerCaseWin(componentName);
    ComponentObject* found = nullptr;
    for (const Row& row : m_rows)
        if (row.name == name) found = objectOf(row);
    return found;
}

void Components::RemoveAdditionalComponent(const std::string& componentName) {
    const std::string name = platform::LowerCaseWin(componentName);
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
        if (it->name != name) continue;
        // Scanning from the last row, the lowest match wins.
        auto lowest =
            std::find_if(m_rows.begin(), m_rows.end(), [&](const Row& r) { return r.name == name; });
        if (m_form) m_form->removeElement(lowest->name);
        m_wrappers[static_cast<std::size_t>(lowest->wrapper)].reset();
        m_rows.erase(lowest);
        m_project.ui.invalidate();
        return;
    }
    m_project.showErrorBox(" The component named " + inQuotes(componentName) +
                           " could not be removed because it could not be found.");
}

void Components::RemoveComponents() {
    m_project.trace.note("RemoveComponents");
    ResetComponents();
}

void Components::ResetComponents() {
    for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
        if (m_form) m_form->removeElement(it->name);
    }
    m_rows.clear();
    for (auto it = m_wrappers.rbegin(); it != m_wrappers.rend(); ++it)
        it->reset();
    m_wrappers.resize(1);
}

bool Components::DoesProgIDExist(const std::string& progId) {
    try {
        return create(progId) != nullptr;
    } catch (const std::exception&) {
        return false;
    }
}

bool Components::DoesComponentExist(const std::string& componentName) const {
    const std::string name = platform::LowerCaseWin(componentName);
    return std::any_of(m_rows.begin(), m_rows.end(), [&](const Row& r) { return r.name == name; });
}

void Components::callEach(const char* method) {
    for (const Row& row : m_rows) {
        if (ComponentObject* o = objectOf(row)) {
            try {
                o->call(method, {});
            } catch (const std::exception&) {
                // A component without the method simply goes on.
            }
        }
    }
}

void Components::PauseComponents() {
    callEach("PauseComponent");
}

void Components::ResumeComponents() {
    callEach("ResumeComponent");
}

void Components::BuildAllEventsList() {
    m_events.clear();
    if (!m_scripts) return;
    for (const std::string& procedure : m_scripts->CatalogueProcedures()) {
        const std::size_t at = procedure.find('_');
        if (at == std::string::npos) continue;
        m_events.emplace_back(platform::LowerCaseWin(procedure.substr(0, at)),
                              platform::LowerCaseWin(procedure.substr(at + 1)));
    }
}

void Components::Component_ObjectEvent(pc_handle source, const std::string& event,
                                       std::vector<ComponentValue>& params) {
    const Row* row = rowOfHandle(source);
    if (!row || event.empty() || !m_scripts || !m_actions) return;
    const std::string object = row->name, name = platform::LowerCaseWin(event);
    const bool handled = std::any_of(m_events.begin(), m_events.end(),
                                     [&](const auto& e) { return e.first == object && e.second == name; });
    if (!handled) return;
    m_scripts->VBScriptAction().ResetModule();
    const std::string error = m_scripts->RunComponentEvent(object + "_" + name, params);
    if (!error.empty()) {
        m_project.showErrorBox("Error in Component_ObjectEvent. ", error);
        return;
    }
    m_actions->ExecuteConsequences();
}

void Components::Refresh(const std::string& name) {
    if (!m_form) return;
    Element* e = m_form->find(name);
    ComponentObject* o = find(name);
    if (!e || !o) return;
    const int w = std::clamp(platform::TwipsToPixels(e->width), 1, 4096);
    const int h = std::clamp(platform::TwipsToPixels(e->height), 1, 4096);
    auto picture = std::make_shared<platform::Picture>();
    picture->image = platform::Canvas(w, h, 0);
    if (!o->draw(picture->image)) {
        e->picture.reset();
        return;
    }
    for (platform::Pixel p : picture->image.pixels())
        if ((p >> 24) != 0xFF) picture->hasAlpha = true;
    e->picture = std::move(picture);
    m_project.ui.invalidate();
}

std::vector<ComponentShown> Components::shown() const {
    std::vector<ComponentShown> out;
    for (const Row& row : m_rows) {
        const Element* e = m_form ? m_form->find(row.name) : nullptr;
        ComponentObject* o = objectOf(row);
        if (!e || !o) continue;
        out.push_back({row.name, o->progId(), platform::TwipsToPixels(e->left),
                       platform::TwipsToPixels(e->top), platform::TwipsToPixels(e->width),
                       platform::TwipsToPixels(e->height), e->visible, o->describe()});
    }
    return out;
}

std::vector<ComponentSound> Components::sounds() const {
    std::vector<ComponentSound> out;
    if (!m_host) return out;
    for (const platform::ComponentHost::PlayerShown& p : m_host->players()) {
        if (!p.playing) continue;
        const Row* row = rowOfHandle(p.owner);
        out.push_back({(row ? row->name : std::string("component")) + "(" + std::to_string(p.index) + ")",
                       p.file, p.volume, p.balance, p.playCount == 0});
    }
    return out;
}

} // namespace run
