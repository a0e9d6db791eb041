#include "run/project/Schemes.h"

#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Scaling.h"
#include "run/project/ProjectContext.h"
#include "run/project/ProjectPaths.h"
#include "run/project/WelcomeWindow.h"
#include "run/project/record/RecordReader.h"

#include <exception>
#include <memory>
#include <stdexcept>

namespace run {

using platform::Element;

namespace {

// The text lines that take the scheme's text colour.
constexpr const char* kTextLines[] = {"lblResolution", "txtVersion", "lblAuthor", "lblEmail",
                                      "lblHomepage",   "txtAuthor",  "txtEmail",  "txtHomepage"};

void textButtons(ProjectContext& s, platform::Form& f, bool onlyWithoutPicture) {
    for (int i = 0; i < 3; ++i) {
        Element& button = f.get("lblButton", i);
        if (onlyWithoutPicture && f.get("Img", i).visible) {
            button.visible = false;
            continue;
        }
        button.caption = s.uiText[i + 1];
        platform::AutoSizeToCaption(button, s.ui.fonts());
        button.visible = true;
    }
}

platform::ColorRef colour(RecordReader& r) {
    return static_cast<platform::ColorRef>(r.readVariant().toLong()) & 0xFFFFFF;
}

// A copy of a picture with every pixel moved towards white (amount > 0) or black (< 0).
platform::PicturePtr shaded(const platform::PicturePtr& picture, int amount) {
    auto out = std::make_shared<platform::Picture>(*picture);
    for (int y = 0; y < out->image.height(); ++y) {
        platform::Pixel* row = out->image.row(y);
        for (int x = 0; x < out->image.width(); ++x) {
            platform::Pixel p = row[x];
            auto channel = [&](int shift) {
                int c = static_cast<int>((p >> shift) & 0xFF);
                c = amount > 0 ? c + (255 - c) * amount / 100 : c + c * amount / 100;
                return static_cast<platform::Pixel>(c) << shift;
            };
            row[x] = (p & 0xFF000000) | channel(16) | channel(8) | channel(0);
        }
    }
    return out;
}

// A picture button answers the pointer: lighter under it, darker while pressed.
void wireButtonStates(Element& img) {
    const platform::PicturePtr normal = img.picture;
    const platform::PicturePtr light = shaded(normal, 25);
    const platform::PicturePtr dark = shaded(normal, -25);
    img.onHover = [&img, normal, light](bool over) { img.picture = over ? light : normal; };
    img.onMouseDown = [&img, dark](const platform::MouseArgs&) { img.picture = dark; };
    img.onMouseUp = [&img, light](const platform::MouseArgs&) { img.picture = light; };
}

// Repeats the tile over the whole window, the last row and column partly.
void tileBackground(platform::Form& f, const platform::Picture& tile) {
    platform::Canvas& layer = f.drawingLayer();
    const int w = tile.width(), h = tile.height();
    if (w <= 0 || h <= 0) return;
    for (int y = 0; y <= layer.height(); y += h)
        for (int x = 0; x <= layer.width(); x += w)
            layer.blit(tile.image, tile.image.bounds(), x, y);
}

void readScheme(ProjectContext& s, platform::Form& f, const std::string& folder, const std::string& file,
                LogoSettings& logo) {
    RecordReader r = RecordReader::open(file);
    for (int i = 0; i < 3; ++i)
        r.readVariant();
    const int count = static_cast<int>(r.readVariant().toLong());
    if (count <= 0) return;
    for (int i = 0; i < count; ++i) {
        // A field that cannot be read, the end of the file included, counts as "[default]". Past
        // the end every field would, so the window's four pictures are all that is left to do.
        std::string value = "[default]";
        if (r.atEnd()) {
            if (i > 3) break;
        } else {
            try {
                value = r.readVariant().text();
            } catch (const RecordError&) {
            }
        }
        Element* img = f.find("Img", i);
        const std::string lower = platform::LowerCaseWin(value);
        if (lower == "[none]" || lower == "[default]") {
            if (img) {
                img->picture.reset();
                img->visible = false;
            }
            continue;
        }
        // A missing picture ends the scheme quietly, as any unreadable part of it does.
        const std::string path = folder + value;
        if (!ProjectFileExists(path)) throw std::runtime_error("missing picture " + path);
        platform::PictureResult loaded = platform::LoadPictureFile(ExistingPath(path));
        if (!loaded.picture) throw std::runtime_error(loaded.error);
        if (!img) continue;
        img->picture = loaded.picture;
        img->width = loaded.picture->width() * platform::kTwipsPerPixel;
        img->height = loaded.picture->height() * platform::kTwipsPerPixel;
        img->visible = true;
        if (i < 3) wireButtonStates(*img);
    }
    textButtons(s, f, true);

    const int version = static_cast<int>(r.readVariant().toLong());
    if (version == 0) return;
    Element& tile = f.get("Img", 3);
    const platform::ColorRef window = colour(r);
    if (!tile.picture) f.backColor = window;
    f.get("txtAdventureName").foreColor = colour(r);
    const platform::ColorRef text = colour(r);
    for (const char* name : kTextLines)
        f.get(name).foreColor = text;
    if (version >= 4) {
        const platform::ColorRef buttons = colour(r);
        for (int i = 0; i < 3; ++i)
            f.get("lblButton", i).foreColor = buttons;
    }
    tile.visible = false;
    if (tile.picture) tileBackground(f, *tile.picture);

    if (r.atEnd()) return;
    for (int i = 0; i < 3; ++i)
        r.readVariant();
    f.get("txtAdventureName").visible = r.readVariant().toLong() == 0;
    if (r.atEnd()) return;
    r.readVariant();
    logo.LogoStyle = r.readInteger();
    logo.LogoShifted = r.readBoolean();
}

} // namespace

void UseScheme(ProjectContext& s, WelcomeWindow& welcome, const std::string& schemeName, LogoSettings& logo) {
    platform::Form& f = welcome.form();
    const std::string folder = s.paths.schemes + schemeName + "/";
    const std::string file = folder + "Scheme.txt";
    if (schemeName.empty() || !ProjectFileExists(file)) {
        for (int i = 0; i < 3; ++i)
            f.get("Img", i).visible = false;
        textButtons(s, f, false);
        return;
    }
    try {
        readScheme(s, f, folder, ExistingPath(file), logo);
    } catch (const std::exception&) {
        // A scheme that cannot be read ends here without a message; what it restyled stays.
    }
    s.ui.invalidate();
}

} // namespace run
