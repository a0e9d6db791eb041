// frmWelcome: building the window, its load, layout, captions and events.
#include "run/project/WelcomeWindow.h"

#include "run/platform/ui/FocusFrame.h"
#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Keys.h"
#include "run/project/DisplayResolution.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/StartUp.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <memory>

namespace run {

using platform::Element;
using platform::ElementKind;

namespace {

constexpr int kWindowWidth = 4800;
constexpr int kFirstLineTop = 3000;
constexpr int kLineStep = 255;
constexpr platform::ColorRef kWindowColor = 0x3A2012; // deep blue
constexpr platform::ColorRef kTitleColor = 0x50D0F0;  // warm gold
constexpr platform::ColorRef kTextColor = 0xE8E0D8;   // pale grey
constexpr platform::ColorRef kLinkColor = 0xFFD090;   // light blue
constexpr platform::ColorRef kButtonColor = 0xFFFFFF;
constexpr platform::Pixel kFocusColour = 0xFFFFD200; // the highlight keyboard play draws in the game

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The four logo variants: a vertical band with a lighter stripe, in two styles, and a wider
// band for the shifted variants.
platform::PicturePtr makeLogo(int variant) {
    bool shifted = variant >= 2;
    bool style1 = variant % 2 == 1;
    int w = shifted ? 24 : 16, h = 400;
    auto pic = std::make_shared<platform::Picture>();
    pic->image.reset(w, h);
    for (int y = 0; y < h; ++y) {
        int shade = 60 + (y * 120) / h;
        platform::Pixel base =
            style1 ? (0xFF000000u | (unsigned(shade) << 16) | (unsigned(shade / 2) << 8) | 30u)
                   : (0xFF000000u | (30u << 16) | (unsigned(shade / 2) << 8) | unsigned(shade));
        for (int x = 0; x < w; ++x) {
            bool stripe = x >= w / 2 - 2 && x <= w / 2 + 1 && (y / 8) % 2 == 0;
            pic->image.setPixel(x, y, stripe ? 0xFFF0D050 : base);
        }
    }
    return pic;
}

} // namespace

std::string ResolutionLabelText(const std::string& uiText7, int projectResolution) {
    std::string t = uiText7;
    if (t.size() >= 2 && t.back() == '.') t.pop_back();
    if (t.size() >= 8) {
        std::string last7 = t.substr(t.size() - 7);
        if (lower(last7) == "640x480" || last7 == "640*480") t.resize(t.size() - 7);
    }
    if (t.size() >= 10) {
        std::string last9 = t.substr(t.size() - 9);
        if (lower(last9) == "640 x 480" || last9 == "640 * 480") t.resize(t.size() - 9);
    }
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    switch (projectResolution) {
    case 0:
        t += " 640x480.";
        break;
    case 1:
        t += " 800x600.";
        break;
    case 2:
        t += " 1024x768.";
        break;
    default:
        break;
    }
    return t;
}

WelcomeWindow::WelcomeWindow(ProjectContext& project, Flags& flags, Actions actions)
    : m_s(project), m_flags(flags), m_actions(std::move(actions)) {
    build();
    wireEvents();
}

WelcomeWindow::~WelcomeWindow() = default;

void WelcomeWindow::build() {
    platform::Form& f = m_form;
    f.width = kWindowWidth;
    f.height = 4500;
    f.borderTwips = 15;
    f.backColor = kWindowColor;
    f.caption = "";

    auto text = [&](const char* name, int left, int top, int width, platform::ColorRef color) -> Element& {
        Element& e = f.addElement(ElementKind::TextBox, name);
        e.left = left;
        e.top = top;
        e.width = width;
        e.height = 240;
        e.foreColor = color;
        e.backTransparent = true;
        e.font = {"Arial", 8.25};
        return e;
    };
    Element& title = text("txtAdventureName", 240, 150, 4200, kTitleColor);
    title.height = 900;
    title.alignment = platform::Alignment::Center;
    title.wordWrap = true;
    title.font = {"Times New Roman", 16, true};

    for (int i = 0; i < 4; ++i) {
        Element& img = f.addElement(ElementKind::Image, "Img", i);
        img.visible = false;
        img.left = 1200;
        img.top = 1080 + 480 * i;
    }
    for (int i = 0; i < 3; ++i) {
        Element& b = f.addElement(ElementKind::Label, "lblButton", i);
        b.top = 1080 + 480 * i;
        b.left = 1200;
        b.width = 2400;
        b.height = 400;
        b.foreColor = kButtonColor;
        b.backTransparent = true;
        b.alignment = platform::Alignment::Center;
        b.font = {"Arial", 12, true};
        // The design-time captions; the text set replaces them when the buttons are text.
        b.caption = i == 0 ? "Start" : i == 1 ? "Load..." : "Exit";
    }

    text("txtVersion", 240, kFirstLineTop, 4200, kTextColor).visible = false;
    auto pair = [&](const char* label, const char* value, platform::ColorRef valueColor) {
        Element& l = text(label, 240, kFirstLineTop, 1140, kTextColor);
        l.visible = false;
        Element& v = text(value, 1400, kFirstLineTop, 3040, valueColor);
        v.visible = false;
    };
    pair("lblAuthor", "txtAuthor", kTextColor);
    pair("lblEmail", "txtEmail", kLinkColor);
    pair("lblHomepage", "txtHomepage", kLinkColor);

    Element& chk = f.addElement(ElementKind::CheckBox, "chkResolution");
    chk.left = 240;
    chk.top = kFirstLineTop;
    chk.width = 210;
    chk.height = 210;
    chk.backTransparent = true;
    chk.visible = false;
    Element& lblRes = text("lblResolution", 480, kFirstLineTop, 3960, kTextColor);
    lblRes.visible = false;

    Element& logo = f.addElement(ElementKind::Image, "imgLogo");
    logo.left = 4560;
    logo.top = 0;
    logo.width = 240;
    logo.stretch = true;
    for (int i = 0; i < 4; ++i) {
        Element& alt = f.addElement(ElementKind::Image, "imgLogos", i);
        alt.visible = false;
        alt.picture = makeLogo(i);
    }
    logo.picture = f.get("imgLogos", 0).picture;

    f.addTimer("TimerNoWaitBeforeRemovingTemp");

    Element& focus = f.addElement(ElementKind::Image, "KeyFocus");
    focus.visible = false;
    focus.passesPointer = true;
    focus.stretch = true;
}

void WelcomeWindow::wireEvents() {
    platform::Form& f = m_form;
    f.onActivate = [this] { setTopmost(true); };
    f.onKeyDown = [this](int key, int shift) { onKeyDown(key, shift); };
    f.onUnload = [this] { m_flags.programEnded = true; };

    // Dragging the window by its body, title, version, author line and the line labels.
    auto dragDown = [this](const platform::MouseArgs& a) {
        m_dragX = a.x;
        m_dragY = a.y;
    };
    auto dragMove = [this](const platform::MouseArgs& a) {
        if (!(a.button & platform::kLeftButton)) return;
        m_form.left += a.x - m_dragX;
        m_form.top += a.y - m_dragY;
        m_s.ui.backend().move(m_form);
    };
    for (Element* e : {static_cast<Element*>(&f), &f.get("txtAdventureName"), &f.get("txtVersion"),
                       &f.get("txtAuthor"), &f.get("lblAuthor"), &f.get("lblEmail"), &f.get("lblHomepage")}) {
        e->onMouseDown = dragDown;
        e->onMouseMove = dragMove;
    }
    for (int i = 0; i < 3; ++i) {
        f.get("lblButton", i).onClick = [this, i] { ClickButton(i); };
        f.get("Img", i).onClick = [this, i] { ClickButton(i); };
    }
    f.get("lblResolution").onClick = [this] { toggleResolution(); };
    f.get("chkResolution").onClick = [this] { toggleResolution(); };
    f.get("txtEmail").onClick = [this] { onEmailClick(); };
    f.get("txtHomepage").onClick = [this] { onHomepageClick(); };
    f.get("imgLogo").onClick = [this] { onLogoClick(); };
}

void WelcomeWindow::setTopmost(bool on) {
    m_form.topmost = on;
}

void WelcomeWindow::load() {
    bool failed = false;
    auto step = [&](auto&& fn) {
        try {
            fn();
        } catch (const std::exception&) {
            failed = true;
        }
    };
    platform::Form& f = m_form;
    m_s.ui.load(f);
    step([&] {
        f.width = kWindowWidth;
        m_s.ui.centre(f);
    });
    step([&] {
        if (!InitProject(m_s, m_flags)) failed = true;
    });
    if (m_flags.programEnded) {
        m_s.ui.unload(f);
        return;
    }
    step([&] { m_s.saveUserSetting("Path", m_s.paths.project); });
    auto reportFailure = [&] {
        if (failed) {
            failed = false;
            m_s.showErrorBox(" Error loading project information.");
        }
    };
    if (m_s.info.SkipWelcomeWindow) {
        m_skipped = true;
        f.visible = false;
        reportFailure();
        ClickButton(0);
        return;
    }
    step([&] {
        if (!m_s.info.ProjectRegistryName.empty()) {
            std::string v = m_s.getUserSetting("ChangeResolution", "1");
            f.get("chkResolution").value = (v == "0") ? 0 : 1;
        }
    });
    step([&] { layOut(); });
    step([&] { UseScheme(m_s, *this, m_s.info.SchemeName, m_logo); });
    step([&] { applyCaptions(); });
    reportFailure();
    m_s.ui.show(f);
}

void WelcomeWindow::layOut() {
    platform::Form& f = m_form;
    int t = kFirstLineTop;
    int b = f.borderHeight();
    f.get("txtAdventureName").caption = m_s.info.AdventureName;
    Element& version = f.get("txtVersion");
    if (!m_s.info.VersionText.empty()) {
        version.caption = m_s.info.VersionText;
        version.top = t;
        version.visible = true;
        t += kLineStep;
    } else {
        version.caption.clear();
        version.visible = false;
    }
    struct Line {
        const std::string* value;
        const char* label;
        const char* box;
    };
    const Line lines[] = {{&m_s.info.Author, "lblAuthor", "txtAuthor"},
                          {&m_s.info.Email, "lblEmail", "txtEmail"},
                          {&m_s.info.Homepage, "lblHomepage", "txtHomepage"}};
    for (const Line& l : lines) {
        if (l.value->empty()) continue;
        Element& box = f.get(l.box);
        Element& label = f.get(l.label);
        box.caption = *l.value;
        box.top = label.top = t;
        box.visible = label.visible = true;
        t += kLineStep;
    }
    Element& chk = f.get("chkResolution");
    Element& lbl = f.get("lblResolution");
    if (!IsDesktopAtProjectSize(m_s) && m_s.info.OfferResolutionChange == 1) {
        chk.top = t + 30;
        lbl.top = t;
        chk.visible = lbl.visible = true;
        t += kLineStep;
    } else {
        chk.visible = lbl.visible = false;
    }
    f.height = b + 150 + t;
    m_s.ui.centre(f);
    f.get("imgLogo").height = f.scaleHeight();
}

void WelcomeWindow::applyCaptions() {
    platform::Form& f = m_form;
    f.get("lblAuthor").caption = m_s.uiText[4];
    f.get("lblEmail").caption = m_s.uiText[5];
    f.get("lblHomepage").caption = m_s.uiText[6];
    f.get("lblResolution").caption = ResolutionLabelText(m_s.uiText[7], m_s.info.ProjectResolution);
    Element& load = f.get("lblButton", 1);
    if (m_s.info.DisableLoadGame || load.caption.empty()) {
        load.visible = false;
        f.get("Img", 1).visible = false;
        f.get("lblButton", 2).top = 1560;
        f.get("Img", 2).top = 1560;
    }
    // Buttons, text or pictures, stand centred under the title.
    for (int i = 0; i < 3; ++i) {
        Element& b = f.get("lblButton", i);
        b.left = (f.scaleWidth() - 240 - b.width) / 2;
        Element& img = f.get("Img", i);
        if (img.picture) img.left = (f.scaleWidth() - 240 - img.width) / 2;
    }
    // The logo rule: the variant follows the style and the shift, and the shift moves it left.
    Element& logo = f.get("imgLogo");
    int k = -1;
    if (m_logo.LogoStyle == 0)
        k = m_logo.LogoShifted ? 2 : 0;
    else if (m_logo.LogoStyle == 1)
        k = m_logo.LogoShifted ? 3 : 1;
    if (k >= 0) logo.picture = f.get("imgLogos", k).picture;
    logo.left = m_logo.LogoShifted ? 4440 : 4560;
    logo.width = f.scaleWidth() - logo.left;
}

void WelcomeWindow::ClickButton(int index) {
    try {
        platform::Form& f = m_form;
        switch (index) {
        case 0: {
            Element& chk = f.get("chkResolution");
            if (!m_skipped && m_s.info.OfferResolutionChange == 1 && chk.visible && chk.value == 1) {
                m_s.ui.hide(f);
                SwitchResolution(m_s, m_s.info.ProjectResolution + 1);
            }
            setTopmost(false);
            if (m_actions.startGame) m_actions.startGame();
            break;
        }
        case 1:
            setTopmost(false);
            if (m_actions.showLoadWindow) m_actions.showLoadWindow();
            break;
        case 2:
            unload();
            break;
        default:
            break;
        }
    } catch (const std::exception& e) {
        m_s.showErrorBox(" Error loading the main program window. Try restarting the program. ", e.what());
    }
}

std::vector<int> WelcomeWindow::focusStops() const {
    std::vector<int> stops;
    for (int i = 0; i < 4; ++i)
        if (focusElement(i)) stops.push_back(i);
    return stops;
}

platform::Element* WelcomeWindow::focusElement(int stop) const {
    if (stop == 3) {
        Element* box = m_form.find("chkResolution");
        return box && box->visible ? box : nullptr;
    }
    // A button is its scheme picture when it has one, else its text.
    Element* img = m_form.find("Img", stop);
    if (img && img->visible) return img;
    Element* text = m_form.find("lblButton", stop);
    return text && text->visible ? text : nullptr;
}

void WelcomeWindow::showFocus() {
    Element& frame = m_form.get("KeyFocus");
    Element* over = m_focus >= 0 ? focusElement(m_focus) : nullptr;
    if (!over) {
        frame.visible = false;
    } else {
        platform::PlaceFocusFrame(frame, *over, kFocusColour, 90);
        m_form.zOrder(frame, 0);
    }
    m_s.ui.invalidate();
}

bool WelcomeWindow::onKeyDown(int keyCode, int shift) {
    if (shift & (platform::kCtrlMask | platform::kAltMask)) return false;
    const std::vector<int> stops = focusStops();
    auto step = [&](int by) {
        if (stops.empty()) return;
        const auto at = std::find(stops.begin(), stops.end(), m_focus);
        const int n = static_cast<int>(stops.size());
        const int next = at == stops.end() ? (by > 0 ? 0 : n - 1)
                                           : ((static_cast<int>(at - stops.begin()) + by) % n + n) % n;
        m_focus = stops[static_cast<std::size_t>(next)];
        showFocus();
    };
    switch (keyCode) {
    case platform::kKeyTab:
        step(shift & platform::kShiftMask ? -1 : 1);
        return true;
    case platform::kKeyDown:
    case platform::kKeyRight:
        step(1);
        return true;
    case platform::kKeyUp:
    case platform::kKeyLeft:
        step(-1);
        return true;
    case platform::kKeySpace:
        if (m_focus != 3 || !focusElement(3)) return false;
        toggleResolution();
        return true;
    case platform::kKeyReturn: {
        const int stop = m_focus >= 0 && focusElement(m_focus) ? m_focus : 0;
        if (stop == 3)
            toggleResolution();
        else if (focusElement(stop))
            ClickButton(stop);
        return true;
    }
    case platform::kKeyEscape:
        unload();
        return true;
    default:
        return false;
    }
}

std::string WelcomeWindow::focused() const {
    static const char* const names[] = {"Start", "Load", "Exit", "Resolution"};
    return m_focus >= 0 && focusElement(m_focus) ? names[m_focus] : "";
}

void WelcomeWindow::unload() {
    if (m_s.ui.isLoaded(m_form)) m_s.ui.unload(m_form);
    m_flags.programEnded = true;
}

void WelcomeWindow::toggleResolution() {
    Element& chk = m_form.get("chkResolution");
    chk.value = chk.value ? 0 : 1;
    m_s.saveUserSetting("ChangeResolution", chk.value ? "1" : "0");
}

void WelcomeWindow::onEmailClick() {
    setTopmost(false);
    const std::string& address = m_s.info.Email;
    int answer = m_s.ui.messageBox(m_s.uiText[13] + " " + address + " ?",
                                   platform::kYesNo | platform::kQuestion, m_s.info.AdventureName);
    if (answer == platform::kResultYes)
        m_s.ui.backend().openWithDefaultHandler("mailto:" + address);
    else
        setTopmost(true);
}

void WelcomeWindow::onHomepageClick() {
    setTopmost(false);
    const std::string& address = m_s.info.Homepage;
    int answer = m_s.ui.messageBox(m_s.uiText[14] + " " + address + " ? " + m_s.uiText[15],
                                   platform::kYesNo | platform::kQuestion, m_s.info.AdventureName);
    if (answer == platform::kResultYes)
        m_s.ui.backend().openWithDefaultHandler(address);
    else
        setTopmost(true);
}

void WelcomeWindow::onLogoClick() {
    setTopmost(false);
    std::string text = std::string("For details and downloads, visit: ") + kProductAddress +
                       "\r\n\r\nDo you want to visit it now? (You must be connected to the Internet)";
    int answer = m_s.ui.messageBox(text, platform::kYesNo | platform::kInformation, "Lumenfold");
    if (answer == platform::kResultYes)
        m_s.ui.backend().openWithDefaultHandler(kProductAddress);
    else
        setTopmost(true);
}

} // namespace run
