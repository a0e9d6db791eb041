// Hotspots: the count and list files, creating and removing the Area elements, visibility from
// variables, pointers, and the click path up to the action.
#include "run/frames/Hotspots.h"

#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/frames/HotspotFile.h"
#include "run/project/ProjectContext.h"

#include "run/frames/GameActions.h"
#include "run/media/AudioChannels.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/record/RecordFile.h"
#include "run/state/GameState.h"
#include "run/state/Variables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

namespace run {

using platform::Element;

namespace {

// The animation speed is handed on as a 16-bit integer.
int asSpeed(double speed) {
    const double rounded = std::nearbyint(speed);
    if (!(rounded >= -32768 && rounded <= 32767)) throw RecordError(RecordError::Kind::Overflow);
    return static_cast<int>(rounded);
}

bool isDefaultName(const std::string& name) {
    return name.empty() || platform::LowerCaseWin(name) == "default";
}

} // namespace

std::string Hotspots::listFilePath() {
    // Found once per frame opening: the visibility is refreshed after every script, and the
    // lookup (which file of the two, in which letter case) costs more than reading the file.
    if (!m_listFile || m_listFile->first != m_state.frame) {
        std::string file = HasAlternateFile(m_project.paths, m_state.frame, ".fm2", ".mr2");
        m_listFile.emplace(m_state.frame, ProjectFileExists(file) ? ExistingPath(file) : std::string());
    }
    return m_listFile->second;
}

std::int16_t Hotspots::ReadHotspotCount(const std::string& frameName) {
    std::string file = m_project.paths.frames + frameName + ".lks";
    if (!ProjectFileExists(file)) return 0;
    try {
        RecordReader r = RecordReader::open(ExistingPath(file));
        return r.readInteger();
    } catch (const std::exception& e) {
        m_project.ui.messageBox("Error reading the hotspots count from the file \"" + file + "\".\r\n\r\n" +
                                    e.what(),
                                platform::kExclamation, "Error");
        return 0;
    }
}

platform::PicturePtr Hotspots::defaultPointerPicture() {
    // Read once per pointer name and shared by every element that shows it, so the elements on
    // the default pointer can be told from those with a pointer of their own.
    if (m_defaultIconName != m_project.info.DefaultCursor || !m_defaultIcon) {
        std::string file = m_files.ResolveProjectFile(m_project.paths.icons + m_project.info.DefaultCursor);
        m_defaultIcon = platform::LoadPictureFile(file).picture;
        m_defaultIconName = m_project.info.DefaultCursor;
    }
    return m_defaultIcon;
}

void Hotspots::ApplyDefaultPointer(Element& e) {
    if (isDefaultName(m_project.info.DefaultCursor)) {
        e.mousePointer = platform::kPointerDefault;
        e.mouseIcon.reset();
        return;
    }
    e.mouseIcon = defaultPointerPicture();
    e.mousePointer = platform::kPointerCustom;
}

void Hotspots::ChangeDefaultCursor(const std::string& name) {
    if (!isDefaultName(name)) {
        std::string file = m_files.ResolveProjectFile(m_project.paths.icons + name);
        if (!std::filesystem::is_regular_file(file)) return;
        // A pointer file that cannot be read changes nothing.
        platform::PictureResult loaded = platform::LoadPictureFile(file);
        if (!loaded.picture) throw std::runtime_error(loaded.error);
    }
    const bool wasSystem = isDefaultName(m_project.info.DefaultCursor);
    const platform::PicturePtr oldIcon = wasSystem ? nullptr : defaultPointerPicture();
    m_project.info.DefaultCursor = name;
    ResetDefaultPointer();
    // Hotspots and animated pictures on the default pointer follow it; those with a pointer of
    // their own keep it.
    for (const char* array : {"Area", "AniGifBox", "AniGif"}) {
        for (Element* e : m_form.arrayMembers(array)) {
            if (e->index == 0) continue;
            const bool onDefault =
                wasSystem ? e->mousePointer == platform::kPointerDefault
                          : e->mousePointer == platform::kPointerCustom && e->mouseIcon == oldIcon;
            if (onDefault) ApplyDefaultPointer(*e);
        }
    }
    m_project.ui.invalidate();
}

void Hotspots::ResetDefaultPointer() {
    for (const char* name :
         {"PictureBox", "BackImage", "FrameMessageBox", "LabelMessageBox", "Inventory1", "Inventory2",
          "Inventory_Background", "picWhere", "picStart", "picEnd", "PicRipplingWater"}) {
        if (Element* e = m_form.find(name)) ApplyDefaultPointer(*e);
    }
    for (const char* name : {"Area", "AniGifBox", "Text", "PickedObject"}) {
        if (Element* e = m_form.find(name, 0)) ApplyDefaultPointer(*e);
    }
    ApplyDefaultPointer(m_form);
    m_project.ui.setScreenPointer(platform::kPointerDefault, nullptr);
}

void Hotspots::SetScreenPointerArrow() {
    if (isDefaultName(m_project.info.DefaultCursor)) {
        m_project.ui.setScreenPointer(platform::kPointerArrow, nullptr);
    } else {
        m_project.ui.setScreenPointer(platform::kPointerCustom, m_form.get("PictureBox").mouseIcon);
    }
}

void Hotspots::SetScreenPointerDefault() {
    m_project.ui.setScreenPointer(platform::kPointerDefault, nullptr);
}

void Hotspots::wireArea(Element& area) {
    int n = area.index;
    area.onMouseMove = [this, n](const platform::MouseArgs& a) {
        if (Element* e = m_form.find("Area", n))
            m_game.pointerOverFrame(platform::TwipsToPixels(e->top + a.y));
    };
    area.onMouseDown = [this, n](const platform::MouseArgs& a) { Area_MouseDown(n, a); };
}

void Hotspots::Area_MouseDown(int n, const platform::MouseArgs& a) {
    Element* e = m_form.find("Area", n);
    if (!e) return;
    SaveClickPos(e->left + a.x, e->top + a.y);
    AreaClick(n, a.button);
    // A short pause after the action, cut short when the game is being left.
    for (int waited = 0; waited < 100 && !m_flags.Quitting; waited += 10)
        m_project.ui.waitWithEvents(10);
    if (m_project.ui.isLoaded(m_form)) ApplyDefaultPointer(m_form);
}

void Hotspots::SimulateHotspotClick(int areaIndex) {
    // A one-shot timer of its own, so the click comes after the running script and its
    // consequences.
    int index = 0;
    for (const Element* t : m_form.arrayMembers("timerSimulateHotspotClick"))
        index = std::max(index, t->index);
    platform::TimerElement& timer =
        static_cast<platform::TimerElement&>(m_form.loadArrayMember("timerSimulateHotspotClick", ++index));
    timer.tag = std::to_string(areaIndex);
    timer.onTimer = [this, index] { timerSimulateHotspotClick_Timer(index); };
    timer.setInterval(1);
    timer.setEnabled(true);
}

void Hotspots::timerSimulateHotspotClick_Timer(int index) {
    // Unloading the timer destroys the handler that called this; nothing of it is used after.
    platform::TimerElement* t = m_form.findTimer("timerSimulateHotspotClick", index);
    if (!t) return;
    t->setEnabled(false);
    const int n = std::atoi(t->tag.c_str());
    m_form.unloadArrayMember("timerSimulateHotspotClick", index);
    if (n != 0) Area_MouseDown(n, platform::MouseArgs{platform::kLeftButton, 0, 0, 0});
}

void Hotspots::LoadAreas() {
    std::string file = listFilePath();
    if (file.empty()) return;
    m_firstMergedHotspot = 1;
    std::optional<RecordReader> opened;
    try {
        opened.emplace(RecordReader::open(file));
    } catch (const std::exception& e) {
        m_project.showErrorBox(" Unable to load hotspot #1. ", e.what());
        return;
    }
    RecordReader& r = *opened;
    Element& frame = m_form.get("PictureBox");
    for (int n = 1; !r.atEnd() && !m_flags.Quitting; ++n) {
        const std::size_t blockStart = r.position();
        try {
            HotspotBlock b = ReadHotspotBlock(r);
            if (b.mergeMark == 1 && n != 1 && m_firstMergedHotspot == 1) m_firstMergedHotspot = n;
            Element& area = m_form.loadArrayMember("Area", n);
            area.container = &frame;
            wireArea(area);
            auto pointer = [&](Element& e) {
                if (m_flags.Quitting) return;
                if (!isDefaultName(b.cursorFile)) {
                    std::string cursor = m_files.ResolveProjectFile(m_project.paths.icons + b.cursorFile);
                    platform::PictureResult loaded = platform::LoadPictureFile(cursor);
                    e.mouseIcon = loaded.picture;
                    e.mousePointer = platform::kPointerCustom;
                    if (!loaded.picture) throw std::runtime_error(loaded.error);
                } else {
                    ApplyDefaultPointer(e);
                }
            };
            if (b.animated && b.hasPicture) {
                // Animated hotspot: the Area element stays hidden and empty; the animated
                // picture's box shows the pictures and takes the clicks.
                area.visible = false;
                area.picture.reset();
                const std::string pic = m_files.ResolveProjectFile(m_project.paths.areas + b.pictureFile);
                const int made = m_videos.animations().AniGifNewWithIndex(
                    n, pic, b.left + 30, b.top + 30, asSpeed(b.animationSpeed), b.pictureFile);
                area.whatsThisHelpID = made;
                Element* box = made ? m_form.find("AniGifBox", made) : nullptr;
                if (!box) continue;
                box->onMouseDown = [this, n](const platform::MouseArgs& a) {
                    Element* e = m_form.find("AniGifBox", n);
                    if (!e) return;
                    SaveClickPos(e->left + a.x, e->top + a.y);
                    AreaClick(n, a.button);
                };
                box->onMouseMove = [this, n](const platform::MouseArgs& a) {
                    if (Element* e = m_form.find("AniGifBox", n))
                        m_game.pointerOverFrame(platform::TwipsToPixels(e->top + a.y));
                };
                pointer(*box);
                continue;
            }
            area.left = b.left + 30;
            area.top = b.top + 30;
            area.width = std::max(1, b.width - 60);
            area.height = std::max(1, b.height - 60);
            area.stretch = b.stretch;
            area.visible = true;
            area.whatsThisHelpID = 0;
            std::string pictureError;
            if (b.hasPicture) {
                std::string pic = m_files.ResolveProjectFile(m_project.paths.areas + b.pictureFile);
                platform::PictureResult loaded = platform::LoadPictureFile(pic);
                area.picture = loaded.picture;
                pictureError = loaded.error;
                // An image that does not stretch takes its picture's size.
                if (loaded.picture && !b.stretch) {
                    area.width = platform::PixelsToTwips(loaded.picture->width());
                    area.height = platform::PixelsToTwips(loaded.picture->height());
                }
            } else {
                area.picture.reset();
            }
            pointer(area);
            if (b.isVideo) {
                area.whatsThisHelpID = -1;
                m_videos.LoadVideoPlayer(n, b.video, area.left, area.top, area.width, area.height);
                // The video lies over its hotspot: clicks and the pointer are the hotspot's.
                if (Element* v = m_form.find("VideoPlayer", n)) {
                    v->onMouseDown = area.onMouseDown;
                    v->onMouseMove = area.onMouseMove;
                    v->mousePointer = area.mousePointer;
                    v->mouseIcon = area.mouseIcon;
                }
            }
            m_form.zOrder(area, 0);
            if (!pictureError.empty()) throw std::runtime_error(pictureError);
        } catch (const std::exception& e) {
            if (!m_flags.Quitting)
                m_project.showErrorBox(" Unable to load hotspot #" + std::to_string(n) + ". ", e.what());
            // A damaged block may have stopped short of its separator or read past it (a bad
            // name count); the next block starts after this block's separator either way.
            try {
                r.seek(blockStart);
                r.skipToBlockEnd();
            } catch (const std::exception&) {
                r.seek(r.size());
            }
        }
    }
}

void Hotspots::forgetFrame() {
    m_firstMergedHotspot = 1;
    m_listFile.reset();
}

void Hotspots::ResetFrameAreas() {
    auto members = m_form.arrayMembers("Area");
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        if ((*it)->index > 0) m_form.unloadArrayMember("Area", (*it)->index);
    }
    m_videos.UnloadHotspotVideos();
    m_videos.animations().UnloadAnimations();
}

void Hotspots::ShowOrNotShowAreas() {
    std::string file = listFilePath();
    if (file.empty()) return;
    try {
        RecordReader r = RecordReader::open(file);
        for (int n = 1; !r.atEnd() && !m_flags.Quitting; ++n) {
            const std::size_t blockStart = r.position();
            for (int i = 1; i <= 10; ++i)
                r.readVariant();
            bool visible = true;
            if (IsHotspotGone(m_state.variables, m_state.frame, n)) {
                visible = false;
            } else {
                for (int i = 11; i <= 19; ++i)
                    r.readVariant();
                if (r.readVariant().toNumber() != 0) {
                    // Hide list: any variable that is set hides; show list: any that is not
                    // exactly 1 hides. Variables that do not exist count for nothing.
                    // A list never reaches past the block's separator, whatever its count says.
                    auto scan = [&](auto hides) {
                        if (r.atBlockEnd()) return false;
                        int count = r.readVariant().toLong();
                        for (int i = 0; i < count && !r.atBlockEnd(); ++i) {
                            std::int16_t value = GetVariableValue(m_state.variables, r.readVariant().text());
                            if (value != kNoSuchVariable && hides(value)) return true;
                        }
                        return false;
                    };
                    if (scan([](std::int16_t v) { return v != 0; }))
                        visible = false;
                    else if (scan([](std::int16_t v) { return v != 1; }))
                        visible = false;
                }
            }
            // A block cut short has been read into the next one: the next block starts after
            // this block's own separator.
            r.seek(blockStart);
            r.skipToBlockEnd();
            Element* area = m_form.find("Area", n);
            if (!area) continue;
            int link = area->whatsThisHelpID;
            if (link > 0) {
                // The animated picture's box carries the visibility; one that comes back starts
                // its animation again.
                if (Element* box = m_form.find("AniGifBox", link)) {
                    AnimatedPictures& animations = m_videos.animations();
                    if (box->visible && !visible) {
                        animations.StopAnimation(link);
                    } else if (!box->visible && visible) {
                        animations.StopAnimation(link);
                        animations.StartAnimation(link);
                    }
                    box->visible = visible;
                }
            } else {
                area->visible = visible;
                if (link == -1) m_videos.ShowVideoHotspot(n, visible);
            }
        }
    } catch (const std::exception& e) {
        m_project.showErrorBox(" Unable to set hotspots visibility. ", e.what());
    }
}

void Hotspots::SaveClickPos(int leftTwips, int topTwips) {
    m_clickX = static_cast<std::int16_t>(std::lround(leftTwips / 15.0));
    m_clickY = static_cast<std::int16_t>(std::lround(topTwips / 15.0));
}

void Hotspots::AreaClick(int areaIndex, int button) {
    if (m_flags.Quitting) return;
    m_flags.StopMovie = true;
    m_flags.SkipTransitionRequested = true;
    if (m_videos.IsOneTimeVideoPlaying() || m_videos.VideoStarting() || m_flags.inventorySliding) return;
    if (button == platform::kRightButton) {
        m_game.menus().RightClickMenus();
        return;
    }
    if (m_game.menus().dropdownOpened()) {
        m_game.menus().HideMenus();
        return;
    }
    m_game.menus().HideMenus();
    m_project.trace.note("HotspotAction " + std::to_string(areaIndex));
    m_actions.PickOrNotPickObject(areaIndex);
    m_audio.CompleteChannelFades();
    m_actions.MakeActionAndConsequences(areaIndex, 0, false);
}

} // namespace run
