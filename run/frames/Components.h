// The components a game's scripts place on the frame (AddComponent): each a window element of
// its own inside the frame area, created by ProgID from the library the component registry
// names, with an event wrapper that routes its events to the project procedure named
// element_event on the catalogue engine. Transitions pause them, and carry those shown during
// transitions on their pictures (FrameTransitions).
#pragma once

#include "run/platform/components/ComponentHost.h"
#include "run/platform/components/ComponentRegistry.h"

#include <memory>
#include <string>
#include <vector>

namespace run {

namespace platform {
class Element;
class Form;
class Mixer;
} // namespace platform

struct Flags;
struct ProjectContext;
class GameActions;
class Scripts;

// One component as the play script's state shows it.
struct ComponentShown {
    std::string name, progId;
    int left = 0, top = 0, width = 0, height = 0; // pixels of the frame area
    bool visible = false;
    std::string doing; // what the component says it is doing; "" when it says nothing
};

// A media player a component made, playing now.
struct ComponentSound {
    std::string name; // the component's, then its player's number: "vox(0)"
    std::string file; // as the component named it
    int volume = 0, balance = 0;
    bool loop = false;
};

class Components {
  public:
    Components(ProjectContext& project, Flags& flags, platform::Mixer& mixer,
               platform::ComponentRegistry& registry);
    ~Components();

    // The game window hands over its form and the calls upward when it builds its elements.
    void build(platform::Form& form, Scripts& scripts, GameActions& actions);

    void AddAdditionalComponent(const std::string& progId, const std::string& name,
                                bool appearDuringTransitions, bool disappearBeforeAlphablending);
    // The component's object, or null after its box.
    platform::ComponentObject* GetComponentRef(const std::string& name);
    // The same without a box: null when there is no such component (any more).
    platform::ComponentObject* find(const std::string& name) const;
    void RemoveAdditionalComponent(const std::string& name);
    void ResetComponents();
    // Removes every component of the game (its window is unloading).
    void RemoveComponents();
    bool DoesProgIDExist(const std::string& progId);
    bool DoesComponentExist(const std::string& name) const;
    void PauseComponents();
    void ResumeComponents();
    void BuildAllEventsList();
    // One event of the component whose object has handle `source`.
    void Component_ObjectEvent(pc_handle source, const std::string& event,
                               std::vector<platform::ComponentValue>& params);
    // Draws the component again into its element (after a call that may have changed it).
    void Refresh(const std::string& name);

    // The components' transition flags, by element name.
    struct Row {
        std::string name; // lower case, also the element's name
        int wrapper = 0;  // slot of its object
        bool appearDuringTransitions = false;
        bool disappearBeforeAlphablending = false;
    };
    const std::vector<Row>& rows() const { return m_rows; }
    std::vector<ComponentShown> shown() const;
    std::vector<ComponentSound> sounds() const;

  private:
    platform::ComponentObject* objectOf(const Row& row) const;
    const Row* rowOfHandle(pc_handle source) const;
    // Calls a method without arguments on every component that has it.
    void callEach(const char* method);
    // Creates an object by ProgID through the registry; throws ComponentError.
    std::unique_ptr<platform::ComponentObject> create(const std::string& progId);

    ProjectContext& m_project;
    Flags& m_flags;
    platform::ComponentRegistry& m_registry;
    platform::Form* m_form = nullptr;
    Scripts* m_scripts = nullptr;
    GameActions* m_actions = nullptr;
    std::unique_ptr<platform::ComponentHost> m_host;
    std::vector<Row> m_rows;
    std::vector<std::unique_ptr<platform::ComponentObject>> m_wrappers; // slot 0 unused
    std::vector<std::pair<std::string, std::string>> m_events;          // (object, event), lower case
    int m_nextTimer = 1;
};

} // namespace run
