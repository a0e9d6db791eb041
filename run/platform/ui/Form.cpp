// Forms: element ownership, lookup by name and index, element arrays and z-order.
#include "run/platform/ui/Form.h"

#include <algorithm>
#include <atomic>
#include <cctype>

namespace run::platform {

namespace {

std::atomic<WindowId> g_nextWindowId{1};

// Element names are ASCII; folding by hand keeps the lookups that timers do on every tick cheap.
bool sameName(const std::string& a, const std::string& b) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return fold(x) == fold(y); });
}

} // namespace

Form::Form(std::string name) : Element(ElementKind::Form, std::move(name)), m_id(g_nextWindowId++) {
    form = this;
    visible = false;
    backColor = 0xD4D0C8; // the classic 3-D face colour (BGR)
    font = FontSpec{};
}

Form::~Form() = default;

void Form::adopt(std::unique_ptr<Element> e) {
    e->form = this;
    m_elements.push_back(std::move(e));
}

Element& Form::addElement(ElementKind kind, const std::string& name, int index) {
    return add<Element>(kind, name, index);
}

TimerElement& Form::addTimer(const std::string& name, int index) {
    return add<TimerElement>(name, index);
}

Element* Form::find(const std::string& name, int index) const {
    for (const auto& e : m_elements) {
        if (e->index == index && sameName(e->name, name)) return e.get();
    }
    return nullptr;
}

Element& Form::get(const std::string& name, int index) const {
    if (Element* e = find(name, index)) return *e;
    throw ElementError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
}

TimerElement* Form::findTimer(const std::string& name, int index) const {
    Element* e = find(name, index);
    return e && e->kind == ElementKind::Timer ? static_cast<TimerElement*>(e) : nullptr;
}

Element& Form::loadArrayMember(const std::string& arrayName, int index) {
    if (index < 0 || index > 32767)
        throw ElementError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
    if (find(arrayName, index)) throw ElementError(360, "Object already loaded");
    Element* first = find(arrayName, 0);
    if (!first) throw ElementError(340, "Control array element '0' doesn't exist");
    std::unique_ptr<Element> e;
    if (first->kind == ElementKind::Timer) {
        auto t = std::make_unique<TimerElement>(first->name, index);
        t->setInterval(static_cast<TimerElement*>(first)->interval());
        e = std::move(t);
    } else {
        e = std::make_unique<Element>(first->kind, first->name, index);
    }
    e->copyPropertiesFrom(*first);
    e->visible = false; // loaded members start hidden, as in VB
    if (e->kind == ElementKind::Timer) static_cast<TimerElement*>(e.get())->setEnabled(first->enabled);
    Element& ref = *e;
    adopt(std::move(e));
    return ref;
}

void Form::unloadArrayMember(const std::string& arrayName, int index) {
    if (index == 0) throw ElementError(362, "Can't unload controls created at design time");
    auto it = std::find_if(m_elements.begin(), m_elements.end(),
                           [&](const auto& e) { return e->index == index && sameName(e->name, arrayName); });
    if (it == m_elements.end())
        throw ElementError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
    Element* gone = it->get();
    for (auto& e : m_elements) {
        if (e->container == gone) e->container = gone->container;
    }
    m_elements.erase(it);
}

bool Form::removeElement(const std::string& name) {
    auto it = std::find_if(m_elements.begin(), m_elements.end(),
                           [&](const auto& e) { return e->index < 0 && sameName(e->name, name); });
    if (it == m_elements.end()) return false;
    Element* gone = it->get();
    for (auto& e : m_elements) {
        if (e->container == gone) e->container = gone->container;
    }
    m_elements.erase(it);
    return true;
}

std::vector<Element*> Form::arrayMembers(const std::string& arrayName) const {
    std::vector<Element*> out;
    for (const auto& e : m_elements) {
        if (e->index >= 0 && sameName(e->name, arrayName)) out.push_back(e.get());
    }
    std::sort(out.begin(), out.end(), [](Element* a, Element* b) { return a->index < b->index; });
    return out;
}

void Form::zOrder(Element& target, int position) {
    auto it =
        std::find_if(m_elements.begin(), m_elements.end(), [&](const auto& e) { return e.get() == &target; });
    if (it == m_elements.end()) return;
    std::unique_ptr<Element> owned = std::move(*it);
    m_elements.erase(it);
    if (position == 0)
        m_elements.push_back(std::move(owned));
    else
        m_elements.insert(m_elements.begin(), std::move(owned));
}

std::vector<TimerElement*> Form::timers() const {
    std::vector<TimerElement*> out;
    for (const auto& e : m_elements) {
        if (e->kind == ElementKind::Timer) out.push_back(static_cast<TimerElement*>(e.get()));
    }
    return out;
}

Canvas& Form::drawingLayer() {
    int w = TwipsToPixels(scaleWidth()), h = TwipsToPixels(scaleHeight());
    if (m_drawing.width() != w || m_drawing.height() != h) {
        Canvas grown(w, h, 0); // fully transparent: the back colour shows through
        if (!m_drawing.empty()) grown.blit(m_drawing, m_drawing.bounds(), 0, 0);
        m_drawing = std::move(grown);
    }
    return m_drawing;
}

} // namespace run::platform
