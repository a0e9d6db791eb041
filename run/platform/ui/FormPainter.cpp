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
        x += TwipsToPixels(e.form->insideLeft());
        y += TwipsToPixels(e.form->insideTop());
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
    int top = TwipsToPixels(form.insideTop());
    Rect inner{b, top, w - 2 * b, h - b - top};
    if (const Canvas* layer = form.drawingLayerIfAny()) canvas.blitAlpha(*layer, layer->bounds(), b, top);
    for (const auto& e : form.elements()) {
        if (e->container == nullptr) paintElement(form, *e, canvas, b, top, inner);
    }
    if (form.titleBarTwips > 0) paintTitleBar(form, canvas, {b, b, w - 2 * b, top - b});
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
        if (e.pushButton) {
            paintButton(e, canvas, r, visibleArea);
            break;
        }
        if (!e.backTransparent) canvas.fill(visibleArea, PixelFromColorRef(e.backColor));
        paintText(e, canvas, r, visibleArea);
        if (e.hasFocus && e.kind == ElementKind::TextBox) paintCaret(e, canvas, r, visibleArea);
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

// The classic active caption: a gradient from dark to light blue, the caption in white bold.
void FormPainter::paintTitleBar(const Form& form, Canvas& canvas, const Rect& bar) {
    if (bar.empty()) return;
    constexpr int kFrom[3] = {0x0A, 0x24, 0x6A}, kTo[3] = {0xA6, 0xCA, 0xF0};
    for (int i = 0; i < bar.w; ++i) {
        Pixel p = 0xFF000000;
        for (int c = 0; c < 3; ++c) {
            int v = kFrom[c] + (kTo[c] - kFrom[c]) * i / std::max(1, bar.w - 1);
            p |= Pixel(v) << (16 - 8 * c);
        }
        canvas.fill({bar.x + i, bar.y, 1, bar.h}, p);
    }
    FontSpec font;
    font.bold = true;
    int lh = m_fonts.lineHeight(font);
    Rect text{bar.x + 3, bar.y, bar.w - 6, bar.h};
    m_fonts.draw(canvas, font, form.caption, text.x, bar.y + (bar.h - lh) / 2, 0xFFFFFFFF, text);
}

// A raised face with the caption in its middle; the focused button is framed in black and
// shows a dotted rectangle inside, as the button Enter presses.
void FormPainter::paintButton(const Element& e, Canvas& canvas, const Rect& r, const Rect& clip) {
    canvas.fill(clip, PixelFromColorRef(e.backColor));
    Rect face = r;
    auto line = [&](int x, int y, int w, int h, Pixel p) {
        canvas.fill(Rect{x, y, w, h}.intersect(clip), p);
    };
    if (e.hasFocus) {
        canvas.frame(r.intersect(clip), 0xFF000000);
        face = {r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    }
    // Light top and left edges, dark bottom and right ones, two pixels deep.
    line(face.x, face.y, face.w, 1, 0xFFFFFFFF);
    line(face.x, face.y, 1, face.h, 0xFFFFFFFF);
    line(face.x, face.y + face.h - 1, face.w, 1, 0xFF404040);
    line(face.x + face.w - 1, face.y, 1, face.h, 0xFF404040);
    line(face.x + 1, face.y + face.h - 2, face.w - 2, 1, 0xFF808080);
    line(face.x + face.w - 2, face.y + 1, 1, face.h - 2, 0xFF808080);
    int lh = m_fonts.lineHeight(e.font);
    int tw = m_fonts.measure(e.font, e.caption).width;
    Pixel ink = PixelFromColorRef(e.enabled ? e.foreColor : 0x808080);
    m_fonts.draw(canvas, e.font, e.caption, r.x + (r.w - tw) / 2, r.y + (r.h - lh) / 2, ink, clip);
    if (e.hasFocus) {
        Rect dots{face.x + 3, face.y + 3, face.w - 6, face.h - 6};
        for (int x = dots.x; x < dots.x + dots.w; x += 2) {
            line(x, dots.y, 1, 1, 0xFF000000);
            line(x, dots.y + dots.h - 1, 1, 1, 0xFF000000);
        }
        for (int y = dots.y; y < dots.y + dots.h; y += 2) {
            line(dots.x, y, 1, 1, 0xFF000000);
            line(dots.x + dots.w - 1, y, 1, 1, 0xFF000000);
        }
    }
}

// A one-line text box that takes the keys shows the end of a text longer than itself, where the
// caret is: how far its text moves to the left.
int FormPainter::typingScroll(const Element& e, int lineWidth, int boxWidth) const {
    if (e.kind != ElementKind::TextBox || !e.hasFocus || e.wordWrap || e.alignment != Alignment::Left)
        return 0;
    const int room = boxWidth - 2 * (e.border ? 2 : 0) - 2;
    return lineWidth > room ? lineWidth - room : 0;
}

// The caret after the last character of a text box that takes the keys.
void FormPainter::paintCaret(const Element& e, Canvas& canvas, const Rect& box, const Rect& clip) {
    int inset = e.border ? 2 : 0;
    auto lines = LayoutTextLines(m_fonts, e.font, e.caption, e.wordWrap ? box.w - 2 * inset : 0);
    int lh = m_fonts.lineHeight(e.font);
    const int lastWidth = lines.empty() ? 0 : m_fonts.measure(e.font, lines.back()).width;
    int x = box.x + inset + 1 + lastWidth - typingScroll(e, lastWidth, box.w);
    int y = box.y + inset + static_cast<int>(lines.empty() ? 0 : lines.size() - 1) * lh;
    canvas.fill(Rect{x, y, 1, lh}.intersect(box.intersect(clip)), PixelFromColorRef(e.foreColor));
}

void FormPainter::paintText(const Element& e, Canvas& canvas, const Rect& box, const Rect& clip) {
    if (e.caption.empty()) return;
    int inset = e.border ? 2 : 0;
    int wrap = e.wordWrap ? box.w - 2 * inset : 0;
    auto lines = LayoutTextLines(m_fonts, e.font, e.caption, wrap);
    int lh = m_fonts.lineHeight(e.font);
    int y = box.y + inset;
    Pixel color = PixelFromColorRef(e.enabled ? e.foreColor : 0x808080);
    // Selected text is white on the highlight colour, as the classic text boxes show it.
    const bool selected = e.kind == ElementKind::TextBox && e.hasFocus && e.textSelected;
    if (selected) color = 0xFFFFFFFF;
    Rect textClip = box.intersect(clip);
    for (const auto& line : lines) {
        int tw = m_fonts.measure(e.font, line).width;
        const int scroll = typingScroll(e, tw, box.w);
        // Text moved to the left stays inside the frame.
        if (scroll > 0) textClip = Rect{box.x + inset, box.y, box.w - 2 * inset, box.h}.intersect(clip);
        int x = box.x + inset - scroll;
        if (e.alignment == Alignment::Right)
            x = box.x + box.w - inset - tw;
        else if (e.alignment == Alignment::Center)
            x = box.x + (box.w - tw) / 2;
        if (selected) canvas.fill(Rect{x, y, tw + 1, lh}.intersect(textClip), kSelectionColour);
        m_fonts.draw(canvas, e.font, line, x, y, color, textClip);
        y += lh;
        if (y > textClip.y + textClip.h) break;
    }
}

} // namespace run::platform
