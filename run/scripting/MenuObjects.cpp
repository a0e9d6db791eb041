// The game window's menu items as scripts see them (ExitMenuObject … TransitionsMenuObject): an
// element with its check mark, Checked. The Options menu's two switches change with their check
// mark exactly as choosing the menu item does.
#include "run/project/ProjectContext.h"
#include "run/scripting/NamedObjects.h"

#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/platform/files/TextCodec.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

namespace run {

namespace {

using scripting::Fail;

// Past every id of the element objects.
constexpr vbs::DispId kChecked = 900;

class MenuObject final : public vbs::Object {
  public:
    MenuObject(ScriptContext& s, GameWindow& game, std::string name)
        : m_s(s), m_game(game), m_name(std::move(name)), m_element(NewElement(s, game, m_name)) {}

    std::u16string typeName() const override { return u"Menu"; }
    vbs::DispId memberId(std::u16string_view name) override {
        if (vbs::equalsNoCase(name, u"Checked")) return kChecked;
        return m_element.asObject()->memberId(name);
    }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (id != kChecked) return m_element.asObject()->invoke(id, kind, args, result, err);
        platform::Element* menu = m_game.form().find(m_name);
        if (!menu) return Fail(err, vbs::error::ObjectRequired);
        vbs::HostArgs in(args, err);
        if (!vbs::isPut(kind)) {
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            result = vbs::Value::boolean(menu->value != 0);
            return true;
        }
        if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
        const bool checked = in.truth(0);
        if (!in.ok()) return false;
        if (checked == (menu->value != 0)) return true;
        if (platform::EqualsNoCase(m_name, "mnuDisableTransitions"))
            m_game.menus().InvertTransitions();
        else if (platform::EqualsNoCase(m_name, "mnuDisableEffects"))
            m_game.EnableOrDisableEffects();
        else
            menu->value = checked ? 1 : 0;
        m_s.project.ui.invalidate();
        return true;
    }

  private:
    static vbs::Value NewElement(ScriptContext& s, GameWindow& game, const std::string& name) {
        return vbs::Value::object(scripting::NewElementObject(s.project.ui, game.form(), name));
    }

    ScriptContext& m_s;
    GameWindow& m_game;
    const std::string m_name;
    vbs::Value m_element; // the menu item's own properties
};

} // namespace

vbs::Object* NewMenuObject(ScriptContext& s, GameWindow& game, const std::string& menuName) {
    return new MenuObject(s, game, menuName);
}

} // namespace run
