// Frame texts (see FrameTexts.h).
#include "run/frames/FrameTexts.h"

#include "run/frames/GameWindow.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/state/GameState.h"

#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/FormPainter.h"
#include "run/project/ProjectPaths.h"
#include "run/project/record/RecordFile.h"

#include <exception>
#include <optional>

namespace run {

using platform::Element;

void FrameTexts::wireText(Element& text) {
    // A text takes clicks as the frame picture does: it starts no action.
    text.onMouseDown = [this](const platform::MouseArgs& a) { m_game.frameAreaMouseDown(a); };
    int n = text.index;
    text.onMouseMove = [this, n](const platform::MouseArgs& a) {
        if (Element* e = m_form.find("Text", n))
            m_game.pointerOverFrame(platform::TwipsToPixels(e->top + a.y));
    };
}

void FrameTexts::LoadTexts() {
    std::string file = HasAlternateFile(m_project.paths, m_state.frame, ".fm1", ".mr1");
    if (!ProjectFileExists(file)) return;
    m_mergedTextIndex = 1;
    std::optional<RecordReader> opened;
    try {
        opened.emplace(RecordReader::open(ExistingPath(file)));
    } catch (const std::exception&) {
        return;
    }
    RecordReader& r = *opened;
    Element& frame = m_form.get("PictureBox");
    auto& fonts = m_project.ui.fonts();
    for (int k = 1; !r.atEnd() && !m_flags.Quitting; ++k) {
        // Failures inside a block are not reported: the loading goes on with the next block.
        const std::size_t blockStart = r.position();
        try {
            int number = 1;
            for (const Element* e : m_form.arrayMembers("Text"))
                number = std::max(number, e->index + 1);
            r.readVariant();
            int textNumber = r.readInteger();
            if (textNumber == 1 && k != 1 && m_mergedTextIndex == 1) m_mergedTextIndex = number;
            for (int i = 3; i <= 10; ++i)
                r.readVariant();
            Element& t = m_form.loadArrayMember("Text", number);
            t.container = &frame;
            wireText(t);
            // Each property is set on its own: one bad value does not stop the others.
            auto field = [&](auto&& apply) {
                RecordVariant v = r.readVariant();
                try {
                    apply(v);
                } catch (const std::exception&) {
                }
            };
            field([&](const RecordVariant& v) {
                std::string caption = v.text();
                t.caption = platform::LowerCaseWin(caption) == "[empty]" ? std::string() : caption;
            });
            field([&](const RecordVariant& v) { t.left = v.toLong(); });
            field([&](const RecordVariant& v) { t.top = v.toLong(); });
            field([&](const RecordVariant& v) { t.font.bold = v.toBoolean(); });
            field([&](const RecordVariant& v) { t.font.italic = v.toBoolean(); });
            field([&](const RecordVariant& v) {
                std::string name = v.text();
                t.font.name = name.empty() ? "Arial" : name;
            });
            field([&](const RecordVariant& v) {
                double size = v.toNumber();
                if (size > 0 && size < 2048) t.font.sizePoints = size;
            });
            field([&](const RecordVariant& v) { t.font.strikeout = v.toBoolean(); });
            field([&](const RecordVariant& v) { t.font.underline = v.toBoolean(); });
            field([&](const RecordVariant& v) {
                t.foreColor = static_cast<platform::ColorRef>(v.toLong()) & 0xFFFFFF;
            });
            platform::AutoSizeToCaption(t, fonts);
            t.visible = true;
            if (m_form.visible) m_form.zOrder(t, 0);
            r.readVariant();
        } catch (const std::exception&) {
            // Text blocks have 21 fields and no separator: the next block starts after them,
            // wherever the failure left the reader.
            try {
                r.seek(blockStart);
                for (int i = 0; i < 21; ++i)
                    r.readVariant();
            } catch (const std::exception&) {
                r.seek(r.size());
            }
        }
    }
}

void FrameTexts::ResetFrameTexts() {
    auto members = m_form.arrayMembers("Text");
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        if ((*it)->index == 0) continue;
        try {
            m_form.unloadArrayMember("Text", (*it)->index);
        } catch (const std::exception&) {
        }
    }
}

void FrameTexts::hideTextMessage() {
    m_form.get("FrameMessageBox").visible = false;
    m_form.get("LabelMessageBox").visible = false;
    platform::TimerElement* t = m_form.findTimer("TimerMessageBox");
    t->setEnabled(false);
    t->setInterval(0);
}

void FrameTexts::ShowTextMessage(const std::string& text, bool inFrame, bool noTimeout) {
    try {
        if (!inFrame) {
            m_project.ui.messageBox(text, platform::kInformation, m_project.info.AdventureName);
            return;
        }
        if (platform::LowerCaseWin(text) == "[hide]") {
            hideTextMessage();
            return;
        }
        Element& frame = m_form.get("PictureBox");
        Element& box = m_form.get("FrameMessageBox");
        Element& label = m_form.get("LabelMessageBox");
        box.width = frame.width;
        // The label wraps at the box's width less a margin each side, and is centred in it.
        label.width = box.width - 2 * 225;
        label.caption = text;
        platform::AutoSizeToCaption(label, m_project.ui.fonts());
        label.left = (box.width - label.width) / 2;
        label.top = 262;
        box.height = label.height + 525;
        box.left = 0;
        box.top = frame.height - box.height;
        label.visible = true;
        box.visible = true;
        m_form.zOrder(box, 0);
        m_form.zOrder(label, 0);
        platform::TimerElement* t = m_form.findTimer("TimerMessageBox");
        t->setEnabled(false);
        // A message without time-out also stops the time of the one it replaces, which would
        // otherwise hide the new message early.
        if (!noTimeout) {
            t->setInterval(1000 + 70 * static_cast<int>(platform::Utf8ToCp1252Lossy(text).size()));
            t->setEnabled(true);
        }
    } catch (const std::exception&) {
        m_project.showErrorBox(" Unable to display text message.");
    }
}

} // namespace run
