// Pictures of the frame (see FrameTransitions.h).
#include "run/frames/FrameTransitions.h"

#include "run/frames/GameWindow.h"
#include "run/project/ProjectContext.h"

#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Scaling.h"
#include "run/project/record/RecordVariant.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace run {

using platform::Canvas;
using platform::Element;
using platform::Rect;
using platform::TwipsToPixels;

namespace {

Rect pixelRect(const Element& e) {
    return {TwipsToPixels(e.left), TwipsToPixels(e.top), TwipsToPixels(e.width), TwipsToPixels(e.height)};
}

void drawPicture(Canvas& canvas, const Element& e) {
    if (!e.picture || e.picture->image.empty()) return;
    canvas.stretch(e.picture->image, e.picture->image.bounds(), pixelRect(e));
}

} // namespace

void FrameTransitions::CaptureActualFrame(Element& target) {
    const int w = std::max(1, int(m_project.info.FrameWidth)),
              h = std::max(1, int(m_project.info.FrameHeight));
    // What floats over the frame stays out of the picture: the inventory bar when it slides in,
    // the item pictures otherwise. Each gets its own visibility back afterwards.
    std::vector<std::pair<Element*, bool>> hidden;
    auto hide = [&](Element* e) {
        if (!e) return;
        hidden.emplace_back(e, e->visible);
        e->visible = false;
    };
    if (m_project.info.InventorySlideIn)
        hide(m_form.find("Inventory1"));
    else
        for (Element* item : m_form.arrayMembers("PickedObject"))
            if (item->index > 0) hide(item);

    Element& frame = m_form.get("PictureBox");
    const Canvas& screen = m_project.ui.paintedCanvas(m_form);
    const Rect at = platform::ElementRectOnForm(frame);
    for (auto& [e, visible] : hidden)
        e->visible = visible;
    m_project.ui.invalidate();

    // What lies outside the window stays black.
    auto picture = std::make_shared<platform::Picture>();
    picture->image.reset(w, h, 0xFF000000);
    picture->image.blit(screen, {at.x, at.y, w, h}, 0, 0);
    target.backColor = 0x000000;
    target.picture = std::move(picture);
}

void FrameTransitions::CaptureCurrentFrame(Element& target) {
    const int w = std::max(1, int(m_project.info.FrameWidth)),
              h = std::max(1, int(m_project.info.FrameHeight));
    Element& frame = m_form.get("PictureBox");
    auto picture = std::make_shared<platform::Picture>();

    // The background: the frame's picture, or its colour.
    if (m_game.currentFrame().PictureType == 1) {
        if (!m_game.currentFrame().TilePicture) target.backColor = 0x000000;
        picture->image.reset(w, h, platform::PixelFromColorRef(target.backColor));
        if (frame.picture)
            picture->image.blitAlpha(frame.picture->image, frame.picture->image.bounds(), 0, 0);
    } else {
        if (m_game.currentFrame().PictureType == 0) {
            auto colour = static_cast<platform::ColorRef>(
                              RecordVariant::string(m_game.currentFrame().Picture).toLong()) &
                          0xFFFFFF;
            if (colour != target.backColor) target.backColor = colour;
        }
        picture->image.reset(w, h, platform::PixelFromColorRef(target.backColor));
    }

    // The texts, line by line from their left edge. Hidden texts are not part of the frame the
    // player will see, so they stay out of it.
    platform::FontCatalog& fonts = m_project.ui.fonts();
    for (Element* text : m_form.arrayMembers("Text")) {
        if (text->index == 0 || !text->visible) continue;
        const int x = TwipsToPixels(text->left);
        int y = TwipsToPixels(text->top);
        const int lineHeight = fonts.lineHeight(text->font);
        std::string::size_type start = 0;
        const std::string& caption = text->caption;
        while (start <= caption.size()) {
            std::string::size_type end = caption.find('\r', start);
            std::string line =
                caption.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (!line.empty() && line[0] == '\n') line.erase(0, 1);
            if (!line.empty() && line[0] == ' ') line.erase(0, 1);
            fonts.draw(picture->image, text->font, line, x, y, platform::PixelFromColorRef(text->foreColor),
                       picture->image.bounds());
            y += lineHeight;
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }

    // The hotspot pictures, the animated pictures and hotspot videos (the picture each shows
    // now) and the rippling water.
    for (const char* array : {"Area", "AniGifBox", "VideoPlayer"}) {
        for (Element* e : m_form.arrayMembers(array))
            if (e->index != 0 && e->visible) drawPicture(picture->image, *e);
    }
    if (Element* water = m_form.find("PicRipplingWater"); water && water->visible)
        drawPicture(picture->image, *water);

    target.picture = std::move(picture);
    m_project.ui.invalidate();
}

void FrameTransitions::SetTransitionDestination(const std::string& name, int index) {
    m_transitionDestination = std::make_pair(name, index);
}

void FrameTransitions::ForgetTransitionDestination() {
    m_transitionDestination.reset();
}

} // namespace run
