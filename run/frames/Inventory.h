// The inventory: picked-up items as 32×32 icons in a grid on a panel that slides down from the
// top edge of the frame when the pointer touches it; items are dragged onto hotspots and onto
// each other (combinations).
#pragma once

#include "run/frames/GameWindow.h"
#include "run/platform/ui/Form.h"

#include <cstdint>
#include <string>

namespace run {

class Inventory {
  public:
    // How close to the top edge of the frame (pixels) the pointer opens a closed panel.
    static constexpr int kOpenBand = 4;

    Inventory(const GameWindow::Services& services, GameWindow& game);

    // Creates the panel, button, background, item template, drag icon and timer on the form.
    void build(platform::Form& form, platform::Element& frameArea);

    // The inventory part of the game reset.
    void Reset();
    void Load_InventoryBackground();
    void AddPickedObject(const std::string& name, bool doNotPopup);
    void RemovePickedObject(int index);
    // Moves the panel towards InventoryDirection until it gets there, letting events run.
    void Inventory_Move();
    void Inventory_Hide();
    // Closes the panel when an item is being dragged (over the frame, hotspots, texts).
    void HideInventoryIfItem();

    // The pointer moved over the frame picture, a hotspot, a text or the message box, at
    // `yPixels` from the frame's top: that closes the panel, except in the band along the top
    // edge, which opens a closed one.
    void pointerOverFrame(int yPixels);
    void pointerOverPanel();

    std::int16_t ObjectsCount() const { return m_count; }
    std::string itemName(int index) const; // "" when there is no such item
    // Item `index` let go over `target` at frame-window pixel (x, y): onto another item it is a
    // combination, onto a hotspot the hotspot's item action. The end of a drag, and the keys'
    // way of using an item.
    void DropItem(int index, platform::Element& target, int x, int y);
    // Opens the panel when closed, closes it when open (the keyboard's way to reach the items).
    void TogglePanel() { requestDirection(panelOpen() ? 2 : 1); }
    bool moving() const { return m_moving; }
    bool panelOpen() const;
    bool dragging() const { return m_dragging; }

  private:
    std::int64_t cellWidth() const;
    std::int64_t cellHeight() const;
    int columns() const;
    void placeItem(platform::Element& item, int n);
    void layOutPanel();
    void requestDirection(int direction);
    void onTimer();
    void wireItem(platform::Element& item);
    void itemMouseDown(int index, const platform::MouseArgs& a);
    void itemMouseMove(int index, const platform::MouseArgs& a);
    void itemMouseUp(int index, const platform::MouseArgs& a);
    void combine(int targetIndex);
    // Where the pointer is on the form, from an event on item `index`.
    void pointOnForm(int index, const platform::MouseArgs& a, int& x, int& y) const;

    ProjectContext& m_project;
    Flags& m_flags;
    ProjectFiles& m_files;
    GameState& m_state;
    Videos& m_videos;
    GameActions& m_actions;
    GameWindow& m_game;
    platform::Form* m_form = nullptr;
    std::int16_t m_count = 0;
    int m_draggedItemIndex = 0;
    int m_direction = 0; // 1 open, 2 close
    bool m_moving = false;
    bool m_poppedUp = false;
    bool m_dragging = false;
};

} // namespace run
