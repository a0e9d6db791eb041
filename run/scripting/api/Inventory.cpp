// The frame message and the inventory.
#include "run/project/ProjectContext.h"
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/FrameTexts.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Inventory.h"
#include "run/platform/files/TextCodec.h"
#include "run/scripting/ScriptContext.h"

namespace run::api {

namespace {

const ApiFunction kFunctions[] = {
    {u"Message", 1, 1,
     [](Call& c) {
         std::string text = c.in.utf8(0);
         if (c.ok()) c.game.texts().ShowTextMessage(text, true, false);
         return c.ok();
     }},
    {u"AddItem", 1, 2,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         bool doNotPopup = c.in.truth(1, false);
         if (c.ok()) c.game.inventory().AddPickedObject(name, doNotPopup);
         return c.ok();
     }},
    {u"RemoveItem", 1, 2,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         bool all = c.in.truth(1, false);
         if (!c.ok()) return false;
         return Caught(c, " Error removing from the inventory the item named '" + name + "'. ", [&] {
             // From the last item to the first, so a removal does not shift what is still to see.
             Inventory& inv = c.game.inventory();
             for (int i = inv.ObjectsCount(); i >= 1; --i) {
                 if (!platform::EqualsNoCase(inv.itemName(i), name)) continue;
                 inv.RemovePickedObject(i);
                 if (!all) break;
             }
         });
     }},
    {u"RemoveAllItems", 0, 0,
     [](Call& c) {
         return Caught(c, " Error removing all the inventory items. ", [&] {
             Inventory& inv = c.game.inventory();
             for (int guard = inv.ObjectsCount(); inv.ObjectsCount() > 0 && guard > 0; --guard)
                 inv.RemovePickedObject(1);
         });
     }},
    {u"HideInventoryButton", 0, 0,
     [](Call& c) {
         return Caught(c, " Error hiding inventory. ", [&] {
             if (!c.s.project.info.InventoryEnabled) return;
             platform::Element& panel = c.game.form().get("Inventory1");
             panel.top = -panel.height;
             c.game.form().get("Inventory2").visible = false;
             c.s.project.ui.invalidate();
         });
     }},
    {u"ShowInventoryButton", 0, 0,
     [](Call& c) {
         return Caught(c, " Error displaying inventory. ", [&] {
             if (!c.s.project.info.InventoryEnabled) return;
             c.game.form().get("Inventory2").visible = true;
             c.s.project.ui.invalidate();
         });
     }},
};

} // namespace

std::span<const ApiFunction> InventoryFunctions() {
    return kFunctions;
}

} // namespace run::api
