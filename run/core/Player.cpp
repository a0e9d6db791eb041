// Wiring of the player's windows.
#include "run/core/Player.h"

namespace run {

Player::Player(platform::IBackend& backend, PlayerOptions options)
    : m_backend(backend), m_ui(backend, m_fonts),
      m_settings(options.settingsFile.empty() ? platform::SettingsStore::DefaultFile() : options.settingsFile),
      m_session(m_ui, m_settings), m_game(m_session, [this] { onGameUnloaded(); }),
      m_welcome(m_session, {[this] { startGame(); }, {}}) {
    m_session.projectFolder = options.projectFolder;
}

Player::~Player() = default;

void Player::start() { m_welcome.load(); }

void Player::run() {
    m_ui.runUntil([this] { return m_session.programEnded; });
}

void Player::startGame() {
    m_game.load();
    m_game.ResetAll();
    m_ui.hide(m_welcome.form());
    m_game.StartNewGame();
    m_game.show();
}

void Player::onGameUnloaded() {
    if (m_welcome.skipped()) {
        m_welcome.unload();
    } else if (m_ui.isLoaded(m_welcome.form())) {
        m_ui.show(m_welcome.form());
    }
}

std::vector<std::string> Player::describeState() {
    std::vector<std::string> out;
    platform::Form* active = m_ui.activeForm();
    out.push_back(std::string("window: ") + (active ? active->name : (m_session.programEnded ? "(ended)" : "(none)")));
    if (active == &m_welcome.form()) {
        for (const auto& e : active->elements()) {
            if (!e->visible || e->caption.empty()) continue;
            if (e->kind == platform::ElementKind::Timer || e->kind == platform::ElementKind::Image) continue;
            std::string name = e->name + (e->index >= 0 ? "(" + std::to_string(e->index) + ")" : "");
            out.push_back("element: " + name + " = " + e->caption);
        }
    }
    return out;
}

} // namespace run
