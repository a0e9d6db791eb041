// Inventory items, the sliding panel, dragging and combinations.
#include "run/frames/Inventory.h"

#include "run/frames/GameActions.h"
#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/FormPainter.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/record/RecordFile.h"
#include "run/state/GameState.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>

namespace run {

using platform::Element;
using platform::ElementKind;

namespace {

constexpr int kTwips = platform::kTwipsPerPixel;

// The built-in inventory button: a small tab with a satchel on it.
platform::PicturePtr builtInButton() {
    auto pic = std::make_shared<platform::Picture>();
    platform::Canvas& c = pic->image;
    c.reset(64, 18, 0xFF5B3A1E);
    c.frame(c.bounds(), 0xFF2B1A0C);
    c.fill({24, 5, 16, 10}, 0xFFC8A062);
    c.frame({24, 5, 16, 10}, 0xFF2B1A0C);
    c.fill({28, 2, 8, 4}, 0xFF2B1A0C);
    c.fill({30, 3, 4, 2}, 0xFF5B3A1E);
    return pic;
}

bool isDefault(const std::string& name) {
    return name.empty() || platform::LowerCaseWin(name) == "default";
}

} // namespace

Inventory::Inventory(const GameWindow::Services& services, GameWindow& game)
    : m_project(services.project), m_flags(services.flags), m_files(services.files), m_state(services.state),
      m_videos(services.videos), m_actions(services.actions), m_game(game) {}

void Inventory::build(platform::Form& form, Element& frameArea) {
    m_form = &form;
    Element& panel = form.addElement(ElementKind::PictureBox, "Inventory1");
    panel.container = &frameArea;
    panel.backColor = 0x20303A;
    panel.visible = false;
    Element& background = form.addElement(ElementKind::Image, "Inventory_Background");
    background.container = &panel;
    background.visible = false;
    Element& button = form.addElement(ElementKind::Image, "Inventory2");
    button.container = &panel;
    button.picture = builtInButton();
    button.width = 64 * kTwips;
    button.height = 18 * kTwips;
    Element& item = form.addElement(ElementKind::Image, "PickedObject", 0);
    item.container = &panel;
    item.visible = false;
    item.width = item.height = 32 * kTwips;
    Element& drag = form.addElement(ElementKind::Image, "DragIcon");
    drag.visible = false;
    drag.enabled = false;
    for (Element* e : {&panel, &background, &button}) {
        e->onMouseMove = [this](const platform::MouseArgs&) { pointerOverPanel(); };
    }
    platform::TimerElement& timer = form.addTimer("TimerInventory");
    timer.setInterval(2000);
    timer.onTimer = [this] { onTimer(); };
}

// The spacings are 32-bit numbers from the project file: the layout is worked out in 64 bits and
// a result beyond the twips range is an overflow, not a wrapped position.
std::int64_t Inventory::cellWidth() const {
    return std::int64_t(m_project.info.InventorySpacingX) * kTwips + 480;
}
std::int64_t Inventory::cellHeight() const {
    return std::int64_t(m_project.info.InventorySpacingY) * kTwips + 480;
}

int Inventory::columns() const {
    std::int64_t width = std::int64_t(m_project.info.FrameWidth) * kTwips;
    return static_cast<int>(
        std::clamp<std::int64_t>(width / std::max<std::int64_t>(1, cellWidth()), 1, 32767));
}

void Inventory::placeItem(Element& item, int n) {
    int column = (n - 1) % columns(), row = (n - 1) / columns();
    item.left = WholeNumber<std::int32_t>(double(m_project.info.InventorySpacingX) * kTwips +
                                          double(column) * cellWidth());
    item.top = WholeNumber<std::int32_t>(double(m_project.info.InventorySpacingY) * kTwips +
                                         double(row) * cellHeight());
}

void Inventory::layOutPanel() {
    if (!m_project.info.InventoryEnabled || m_count == 0) return;
    int lastRow = (m_count - 1) / columns();
    Element& panel = m_form->get("Inventory1");
    bool wasClosed = panel.top <= -panel.height;
    panel.height = WholeNumber<std::int32_t>(double(m_project.info.InventorySpacingY) * kTwips +
                                             double(lastRow + 1) * cellHeight());
    if (wasClosed) panel.top = -panel.height; // a closed panel stays out of sight as it grows
    Element& background = m_form->get("Inventory_Background");
    if (background.visible) {
        background.left = 0;
        background.top = panel.height - background.height;
    }
}

void Inventory::Reset() {
    Element& frame = m_form->get("PictureBox");
    Element& panel = m_form->get("Inventory1");
    Element& button = m_form->get("Inventory2");
    // Items beyond the template go with the old game.
    for (Element* e : m_form->arrayMembers("PickedObject")) {
        if (e->index > 0) m_form->unloadArrayMember("PickedObject", e->index);
    }
    m_count = 0;
    m_state.items.clear();
    m_direction = 0;
    m_poppedUp = false;
    m_dragging = false;
    m_form->findTimer("TimerInventory")->setEnabled(false);
    Element& itemTemplate = m_form->get("PickedObject", 0);
    if (m_project.info.InventoryEnabled) {
        panel.visible = true;
        panel.width = m_project.info.FrameWidth * kTwips;
        panel.left = 0;
        panel.height = WholeNumber<std::int32_t>(double(m_project.info.InventorySpacingY) * kTwips * 2 + 480);
        panel.top = -panel.height;
        button.top = 0;
        button.left = (panel.width - button.width) / 2;
        itemTemplate.container = &panel;
        button.visible = !m_project.info.HideEmptyInventoryButton;
    } else {
        panel.visible = false;
        itemTemplate.container = &frame;
        button.visible = false;
    }
    Load_InventoryBackground();
}

void Inventory::Load_InventoryBackground() {
    Element& background = m_form->get("Inventory_Background");
    Element& button = m_form->get("Inventory2");
    background.visible = false;
    background.picture.reset();
    if (!m_project.info.InventoryEnabled || !m_project.info.CustomInventoryImages) return;
    const std::string& bg = m_project.info.InventoryBackgroundImage;
    if (!isDefault(bg) && ProjectFileExists(m_project.paths.inventory + bg)) {
        platform::PictureResult loaded =
            platform::LoadPictureFile(ExistingPath(m_project.paths.inventory + bg));
        if (loaded.picture) {
            background.picture = loaded.picture;
            background.width = loaded.picture->width() * kTwips;
            background.height = loaded.picture->height() * kTwips;
            background.left = 0;
            background.top = m_form->get("Inventory1").height - background.height;
            background.visible = true;
        }
    }
    const std::string& btn = m_project.info.InventoryButtonImage;
    if (!isDefault(btn) && ProjectFileExists(m_project.paths.inventory + btn)) {
        platform::PictureResult loaded =
            platform::LoadPictureFile(ExistingPath(m_project.paths.inventory + btn));
        if (loaded.picture) {
            button.picture = loaded.picture;
            button.width = loaded.picture->width() * kTwips;
            button.height = loaded.picture->height() * kTwips;
        }
    }
}

std::string Inventory::itemName(int index) const {
    const std::vector<std::string>& items = m_state.items;
    if (index < 1 || index > static_cast<int>(items.size())) return {};
    return items[static_cast<std::size_t>(index - 1)];
}

bool Inventory::panelOpen() const {
    const Element& panel = m_form->get("Inventory1");
    return panel.top > -panel.height;
}

void Inventory::wireItem(Element& item) {
    int n = item.index;
    item.onMouseDown = [this, n](const platform::MouseArgs& a) { itemMouseDown(n, a); };
    item.onMouseMove = [this, n](const platform::MouseArgs& a) { itemMouseMove(n, a); };
    item.onMouseUp = [this, n](const platform::MouseArgs& a) { itemMouseUp(n, a); };
}

void Inventory::AddPickedObject(const std::string& name, bool doNotPopup) {
    std::string icon;
    bool halfAdded = false; // the element exists but has no icon and name yet
    try {
        m_form->findTimer("TimerInventory")->setEnabled(false);
        {
            RecordReader r = RecordReader::open(ExistingPath(m_project.paths.areas + name + ".obj"));
            icon = r.readVariant().text();
        }
        if (m_count >= 32767) throw std::overflow_error("Overflow");
        Element& item = m_form->loadArrayMember("PickedObject", m_count + 1);
        ++m_count;
        halfAdded = true;
        wireItem(item);
        placeItem(item, m_count);
        platform::PictureResult loaded =
            platform::LoadPictureFile(m_files.ResolveProjectFile(m_project.paths.areas + icon));
        if (!loaded.picture) throw std::runtime_error(loaded.error);
        item.picture = loaded.picture;
        item.stretch = true;
        item.width = item.height = 32 * kTwips;
        item.tag = name;
        item.toolTipText = name;
        item.caption.clear();
        item.visible = true;
        m_state.items.push_back(name);
        halfAdded = false;
        m_form->zOrder(item, 0);
        if (m_project.info.InventoryEnabled) {
            layOutPanel();
            Element& button = m_form->get("Inventory2");
            button.visible = m_count > 0 || !m_project.info.HideEmptyInventoryButton;
        }
        m_project.trace.note("AddPickedObject " + name);
        if (m_project.info.OpenInventoryOnPickUp && !doNotPopup) {
            m_poppedUp = true;
            m_direction = 1;
            if (!m_moving && m_project.info.InventoryEnabled) Inventory_Move();
            platform::TimerElement* t = m_form->findTimer("TimerInventory");
            t->setEnabled(false);
            t->setEnabled(true);
        }
    } catch (const std::exception&) {
        // An item whose icon did not load goes again: left in place it would be an invisible,
        // nameless hole in the grid that a save would store with an empty name.
        if (halfAdded) {
            m_form->unloadArrayMember("PickedObject", m_count);
            --m_count;
        }
        m_project.showErrorBox(" Unable to pick up the item named '" + name +
                               "'. The item may be unavailable, or the icon '" + icon +
                               "' associated to the item may be corrupt.");
    }
}

void Inventory::RemovePickedObject(int index) {
    try {
        if (index < 1 || index > m_count) throw std::out_of_range("Subscript out of range");
        for (int i = index; i < m_count; ++i) {
            Element& to = m_form->get("PickedObject", i);
            const Element& from = m_form->get("PickedObject", i + 1);
            to.picture = from.picture;
            to.tag = from.tag;
            to.toolTipText = from.toolTipText;
        }
        m_form->unloadArrayMember("PickedObject", m_count);
        --m_count;
        m_state.items.erase(m_state.items.begin() + (index - 1));
        m_project.trace.note("RemovePickedObject " + std::to_string(index));
        if (m_project.info.InventoryEnabled && m_count > 0) layOutPanel();
        if (m_project.info.InventoryEnabled && m_count == 0 && m_project.info.HideEmptyInventoryButton) {
            m_form->get("Inventory2").visible = false;
        }
    } catch (const std::exception&) {
        m_project.showErrorBox(" Unable to remove the item from the inventory.");
    }
}

void Inventory::requestDirection(int direction) {
    m_direction = direction;
    if (m_project.info.InventoryEnabled && !m_moving) Inventory_Move();
}

void Inventory::pointerOverPanel() {
    requestDirection(1);
}

void Inventory::pointerOverFrame(int yPixels) {
    if (!m_project.info.InventoryEnabled || !m_form) return;
    // The closed panel lies wholly above the frame, so the band along the frame's top edge
    // stands for it: pointing there opens it.
    if (yPixels >= 0 && yPixels < kOpenBand && !panelOpen()) {
        requestDirection(1);
        return;
    }
    if (panelOpen() || m_moving) requestDirection(2);
}

void Inventory::HideInventoryIfItem() {
    if (m_dragging) requestDirection(2);
}

void Inventory::Inventory_Move() {
    Element& panel = m_form->get("Inventory1");
    m_moving = true;
    m_flags.inventorySliding = true;
    double step = 0;
    std::uint64_t noted = m_project.ui.now();
    int pass = 0;
    // A pass moves the panel and lets events run; the step follows the clock, so a full
    // slide takes about 0.3 s however fast the passes are.
    for (int guard = 0; guard < 100000; ++guard) {
        if (m_direction == 0 || (m_direction == 1 && panel.top >= 0) ||
            (m_direction == 2 && panel.top <= -panel.height) || !m_project.ui.isLoaded(*m_form)) {
            break;
        }
        if (m_poppedUp) m_direction = 1;
        pass = (pass + 1) % 5;
        if (pass == 2) {
            std::uint64_t now = m_project.ui.now();
            step = double(now - noted) / 1000.0 * panel.height / 1.5;
            noted = now;
        }
        if (m_direction == 1) {
            if (!m_project.info.InventorySlideIn) {
                panel.top = 0;
            } else {
                int top = static_cast<int>(std::floor(panel.top + step));
                panel.top = top < 0 ? top : 0;
            }
        } else {
            if (!m_project.info.InventorySlideOut) {
                panel.top = -panel.height;
            } else {
                int top = static_cast<int>(std::floor(panel.top - step));
                panel.top = top <= -panel.height ? -panel.height : top;
            }
        }
        m_project.ui.invalidate();
        m_project.ui.waitWithEvents(10);
    }
    m_moving = false;
    m_flags.inventorySliding = false;
}

void Inventory::Inventory_Hide() {
    Element& panel = m_form->get("Inventory1");
    panel.top = -panel.height;
}

void Inventory::onTimer() {
    m_form->findTimer("TimerInventory")->setEnabled(false);
    m_poppedUp = false;
    if (m_project.info.InventorySlideOut) {
        m_direction = 2;
        if (!m_moving && m_project.info.InventoryEnabled) Inventory_Move();
    }
}

void Inventory::pointOnForm(int index, const platform::MouseArgs& a, int& x, int& y) const {
    const Element* item = m_form->find("PickedObject", index);
    platform::Rect r = item ? platform::ElementRectOnForm(*item) : platform::Rect{};
    x = r.x + platform::TwipsToPixels(a.x);
    y = r.y + platform::TwipsToPixels(a.y);
}

void Inventory::itemMouseDown(int index, const platform::MouseArgs& a) {
    m_flags.StopMovie = true;
    m_flags.SkipTransitionRequested = true;
    if (m_videos.IsOneTimeVideoPlaying()) return;
    if (a.button == platform::kRightButton) {
        m_game.menus().RightClickMenus();
        return;
    }
    if (a.button != platform::kLeftButton) return;
    m_draggedItemIndex = index;
    m_dragging = true;
    Element& drag = m_form->get("DragIcon");
    const Element* item = m_form->find("PickedObject", index);
    drag.picture = item ? item->picture : nullptr;
    drag.stretch = true;
    drag.width = drag.height = 32 * kTwips;
    int x = 0, y = 0;
    pointOnForm(index, a, x, y);
    drag.left = (x - 16) * kTwips;
    drag.top = (y - 16) * kTwips;
    drag.visible = true;
    m_form->zOrder(drag, 0);
}

void Inventory::itemMouseMove(int index, const platform::MouseArgs& a) {
    if (!m_dragging) {
        pointerOverPanel();
        return;
    }
    int x = 0, y = 0;
    pointOnForm(index, a, x, y);
    Element& drag = m_form->get("DragIcon");
    drag.left = (x - 16) * kTwips;
    drag.top = (y - 16) * kTwips;
    drag.visible = false; // not its own target
    Element* under = m_project.ui.elementAt(*m_form, x, y);
    drag.visible = true;
    if (!under) return;
    const std::string& n = under->name;
    if (n == "Inventory1" || n == "Inventory2" || n == "Inventory_Background" || n == "PickedObject") {
        requestDirection(1);
    } else {
        HideInventoryIfItem();
    }
}

void Inventory::itemMouseUp(int index, const platform::MouseArgs& a) {
    if (!m_dragging) return;
    m_dragging = false;
    Element& drag = m_form->get("DragIcon");
    drag.visible = false;
    int x = 0, y = 0;
    pointOnForm(index, a, x, y);
    Element* target = m_project.ui.elementAt(*m_form, x, y);
    if (target) DropItem(m_draggedItemIndex, *target, x, y);
}

void Inventory::DropItem(int index, Element& target, int x, int y) {
    m_draggedItemIndex = index;
    if (target.name == "PickedObject" && target.index > 0) {
        if (target.index != index) combine(target.index);
    } else if ((target.name == "Area" || target.name == "AniGifBox") && target.index > 0) {
        platform::Rect r = platform::ElementRectOnForm(target);
        m_game.hotspots().SaveClickPos(target.left + (x - r.x) * kTwips, target.top + (y - r.y) * kTwips);
        m_actions.MakeActionAndConsequences(target.index, index, false);
    }
}

void Inventory::combine(int targetIndex) {
    std::string dragged = itemName(m_draggedItemIndex), target = itemName(targetIndex);
    std::string file = m_project.paths.areas + dragged + "_on_" + target + ".drg";
    if (!ProjectFileExists(file)) return;
    try {
        RecordReader r = RecordReader::open(ExistingPath(file));
        bool removedDragged = false;
        if (r.readVariant().toNumber() == 1) {
            RemovePickedObject(m_draggedItemIndex);
            removedDragged = true;
        }
        if (r.readVariant().toNumber() == 1) {
            RemovePickedObject(removedDragged && m_draggedItemIndex < targetIndex ? targetIndex - 1
                                                                                  : targetIndex);
        }
        bool add = r.readVariant().toNumber() == 1;
        std::string result = r.readVariant().text();
        if (add) AddPickedObject(result, false);
        if (!r.atEnd()) {
            for (int i = 5; i <= 7; ++i)
                r.readVariant();
            bool run = r.readBoolean();
            std::string script = r.readString();
            std::replace(script.begin(), script.end(), '|', '"');
            if (!m_flags.Quitting && !script.empty() && run)
                m_actions.ExecuteVBScriptAndConsequences(script, true);
        }
    } catch (const std::exception&) {
        m_project.showErrorBox(" Unable to combine items.");
    }
}

} // namespace run
