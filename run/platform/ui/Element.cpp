// Element properties and timers.
#include "run/platform/ui/Element.h"

#include "run/platform/ui/Form.h"

namespace run::platform {

bool Element::effectivelyVisible() const {
    for (const Element* e = this; e; e = e->container) {
        if (!e->visible) return false;
    }
    return form == nullptr || form == this || form->visible;
}

void Element::copyPropertiesFrom(const Element& o) {
    left = o.left;
    top = o.top;
    width = o.width;
    height = o.height;
    visible = o.visible;
    enabled = o.enabled;
    caption = o.caption;
    foreColor = o.foreColor;
    backColor = o.backColor;
    backTransparent = o.backTransparent;
    border = o.border;
    passesPointer = o.passesPointer;
    font = o.font;
    alignment = o.alignment;
    autoSize = o.autoSize;
    wordWrap = o.wordWrap;
    picture = o.picture;
    stretch = o.stretch;
    value = o.value;
    pushButton = o.pushButton;
    tag = o.tag;
    toolTipText = o.toolTipText;
    mousePointer = o.mousePointer;
    mouseIcon = o.mouseIcon;
    whatsThisHelpID = o.whatsThisHelpID;
    container = o.container;
}

void TimerElement::setInterval(int ms) {
    m_interval = ms < 0 ? 0 : ms;
    m_needsArm = true;
}

void TimerElement::setEnabled(bool on) {
    enabled = on;
    m_needsArm = true;
}

} // namespace run::platform
