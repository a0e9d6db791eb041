// Schemes. Only the no-scheme look exists so far: text buttons with UiText 1 to 3.
#include "run/project/Schemes.h"

#include "run/core/Session.h"
#include "run/project/WelcomeWindow.h"

namespace run {

void UseScheme(Session& s, WelcomeWindow& welcome, const std::string& schemeName, LogoSettings& logo) {
    static_cast<void>(schemeName);
    static_cast<void>(logo);
    platform::Form& f = welcome.form();
    for (int i = 0; i < 3; ++i) {
        f.get("Img", i).visible = false;
        platform::Element& button = f.get("lblButton", i);
        button.caption = s.uiText[i + 1];
        platform::AutoSizeToCaption(button, s.ui.fonts());
        button.visible = true;
    }
}

} // namespace run
