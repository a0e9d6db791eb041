// Painting of forms: back colour, painted pictures, then every visible element in z-order.
#include "run/platform/ui/FormPainter.h"

#include <algorithm>

namespace run::platform {

namespace {

Rect rectPixels(const Element& e, int originX, int originY) {
    return {originX + TwipsToPixels(e.left), originY + TwipsToPixels(e.top), TwipsToPixels(e.width),
            TwipsToPixels(e.height)};
}

} // namespace

Rect ElementRectOnForm(const Element& e) {
    int x = 0, y = 0;
    for (const Element* c = e.container; c; c = c->container) {
        x += TwipsToPixels(c->left);
        y += TwipsToPixels(c->top);
    }
    if (e.form) {
        x += TwipsToPixels(e.form->borderTwips);
        y += TwipsToPixels(e.form->borderTwips);
    }
    return rectPixels(e, x, y);
}

std::vector<std::string> LayoutTextLines(FontCatalog& fonts, const FontSpec& font, const std::string& text,
                                         int wrapWidth) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        std::string para = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (wrapWidth <= 0 || fonts.measure(font, para).width <= wrapWidth) {
            lines.push_back(para);
        } else {
            // Greedy wrapping at blanks; a single word wider than the box stands on its own line.
            std::string line;
            std::size_t i = 0;
            while (i < para.size()) {
                std::size_t sp = para.find(' ', i);
                std::string word = para.substr(i, sp == std::string::npos ? std::string::npos : sp - i + 1);
                std::string candidate = line + word;
                std::string trimmed = candidate;
                while (!trimmed.empty() && trimmed.back() == ' ')
                    trimmed.pop_back();
                if (!line.empty() && fonts.measure(font, trimmed).width > wrapWidth) {
                    while (!line.empty() && line.back() == ' ')
                        line.pop_back();
                    lines.push_back(line);
                    line = word;
                } else {
                    line = candidate;
                }
                i = sp == std::string::npos ? para.size() : sp + 1;
            }
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            lines.push_back(line);
        }
        if (end == std::string::npos) break;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

void AutoSizeToCaption(Element& e, FontCatalog& fonts) {
    int wrap = e.wordWrap ? TwipsToPixels(e.width) : 0;
    auto lines = LayoutTextLines(fonts, e.font, e.caption, wrap);
    int w = 0;
    for (const auto& l : lines)
        w = std::max(w, fonts.measure(e.font, l).width);
    int h = fonts.lineHeight(e.font) * static_cast<int>(std::max<std::size_t>(1, lines.size()));
    if (e.kind == ElementKind::CheckBox) w += 17;
    if (!e.wordWrap) e.width = PixelsToTwips(w + (e.border ? 4 : 0));
    e.height = PixelsToTwips(h + (e.border ? 4 : 0));
}

void FormPainter::paint(const Form& form, Canvas& canvas) {
    int w = std::max(1, TwipsToPixels(form.width)), h = std::max(1, TwipsToPixels(form.height));
    if (canvas.width() != w || canvas.height() != h) canvas.reset(w, h);
    canvas.fill(canvas.bounds(), PixelFromColorRef(form.backColor));
    int b = TwipsToPixels(form.borderTwips);
    Rect inner{b, b, w - 2 * b, h - 2 * b};
    if (const Canvas* layer = form.drawingLayerIfAny()) canvas.blitAlpha(*layer, layer->bounds(), b, b);
    for (const auto& e : form.elements()) {
        if (e->container == nullptr) paintElement(form, *e, canvas, b, b, inner);
    }
    if (b > 0) {
        for (int i = 0; i < b; ++i) {
            Pixel edge = i == 0 ? 0xFF404040 : 0xFF808080;
            canvas.frame({i, i, w - 2 * i, h - 2 * i}, edge);
        }
    }
}

void FormPainter::paintElement(const Form& form, const Element& e, Canvas& canvas, int ox, int oy,
                               const Rect& clip) {
    if (!e.visible || e.kind == ElementKind::Timer || e.kind == ElementKind::Menu) return;
    Rect r = rectPixels(e, ox, oy);
    Rect visibleArea = r.intersect(clip);
    if (visibleArea.empty() && e.kind != ElementKind::Image) return;
    switch (e.kind) {
    case ElementKind::Label:
    case ElementKind::TextBox:
        if (!e.backTransparent) canvas.fill(visibleArea, PixelFromColorRef(e.backColor));
        paintText(e, canvas, r, visibleArea);
        if (e.border) canvas.frame(r.intersect(clip), 0xFF000000);
        break;
    case ElementKind::CheckBox: {
        if (!e.backTransparent) canvas.fill(visibleArea, PixelFromColorRef(e.backColor));
        int box = 13;
        Rect b{r.x, r.y + (r.h - box) / 2, box, box};
        canvas.fill(b.intersect(clip), 0xFFFFFFFF);
        canvas.frame(b, 0xFF404040);
        if (e.value) {
            for (int i = 0; i < 7; ++i) { // a tick drawn as two strokes
                int x = b.x + 3 + i, y = i < 3 ? b.y + 5 + i : b.y + 9 - (i - 2);
                canvas.fill(Rect{x, y, 1, 3}.intersect(clip), 0xFF000000);
            }
        }
        Rect textBox{r.x + box + 4, r.y, r.w - box - 4, r.h};
        paintText(e, canvas, textBox, visibleArea);
        break;
    }
    case ElementKind::Image:
        if (e.picture && !e.picture->image.empty()) {
            const Canvas& img = e.picture->image;
            Rect target = e.stretch ? r : Rect{r.x, r.y, img.width(), img.height()};
            Rect shown = target.intersect(clip);
            if (shown.empty()) break;
            if (e.stretch) {
                Canvas scaled(target.w, target.h, 0);
                scaled.stretch(img, img.bounds(), scaled.bounds());
                canvas.blitAlpha(scaled, {shown.x - target.x, shown.y - target.y, shown.w, shown.h}, shown.x,
                                 shown.y);
            } else {
                canvas.blitAlpha(img, {shown.x - target.x, shown.y - target.y, shown.w, shown.h}, shown.x,
                                 shown.y);
            }
        }
        break;
    case ElementKind::PictureBox: {
        canvas.fill(visibleArea, PixelFromColorRef(e.backColor));
        if (e.picture && !e.picture->image.empty()) {
            const Canvas& img = e.picture->image;
            Rect shown = Rect{r.x, r.y, img.width(), img.height()}.intersect(visibleArea);
            if (!shown.empty())
                canvas.blitAlpha(img, {shown.x - r.x, shown.y - r.y, shown.w, shown.h}, shown.x, shown.y);
        }
        for (const auto& child : form.elements()) {
            if (child->container == &e) paintElement(form, *child, canvas, r.x, r.y, visibleArea);
        }
        if (e.border) canvas.frame(r.intersect(clip), 0xFF000000);
        break;
    }
    default:
        break;
    }
}

void FormPainter::paintText(const Element& e, Canvas& canvas, const Rect& box, const Rect& clip) {
    if (e.caption.empty()) return;
    int inset = e.border ? 2 : 0;
    int wrap = e.wordWrap ? box.w - 2 * inset : 0;
    auto lines = LayoutTextLines(m_fonts, e.font, e.caption, wrap);
    int lh = m_fonts.lineHeight(e.font);
    int y = box.y + inset;
    Pixel color = PixelFromColorRef(e.enabled ? e.foreColor : 0x808080);
    Rect textClip = box.intersect(clip);
    for (const auto& line : lines) {
        int tw = m_fonts.measure(e.font, line).width;
        int x = box.x + inset;
        if (e.alignment == Alignment::Right)
            x = box.x + box.w - inset - tw;
        else if (e.alignment == Alignment::Center)
            x = box.x + (box.w - tw) / 2;
        m_fonts.draw(canvas, e.font, line, x, y, color, textClip);
        y += lh;
        if (y > textClip.y + textClip.h) break;
    }
}

} // namespace run::platform
