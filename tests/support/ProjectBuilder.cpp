// The project builder.
#include "tests/support/ProjectBuilder.h"

#include "tests/support/ProcedureScrambler.h"

#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/IniFile.h"
#include "run/project/record/RecordWriter.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <unistd.h>

namespace run::testing {

namespace fs = std::filesystem;

ProjectBuilder& ProjectBuilder::dialogue(const std::string& frame,
                                         const std::vector<DialogueQuestion>& questions) {
    RecordWriter w = RecordWriter::create(m_folder / "FramesData" / (frame + ".dlg"));
    auto bar = [](std::string text) {
        std::replace(text.begin(), text.end(), '"', '|');
        return text;
    };
    for (int i = 1; i <= 11; ++i)
        w.writeField(RecordVariant{});
    w.writeField(std::int16_t(questions.size()));
    for (const DialogueQuestion& q : questions) {
        w.writeField(q.question);
        w.writeField(q.answer);
        w.writeField(bar(q.script1));
        w.writeField(bar(q.script2));
        w.writeField(bar(q.script3));
        w.writeField(q.key);
        w.writeField(q.visibleAtStart);
        w.writeField(q.quitAfter);
        for (std::int16_t h : q.hotspotActions)
            w.writeField(h);
        for (const auto* list : {&q.showList, &q.hideList}) {
            w.writeField(std::int16_t(list->size()));
            for (std::int16_t key : *list)
                w.writeField(key);
        }
        w.writeField(q.answerSeconds);
        for (int i = 0; i < 3; ++i)
            w.writeField(RecordVariant{});
        w.writeField(q.timedAnswer);
        w.writeField(RecordVariant{});
    }
    w.commit();
    return *this;
}

namespace {

// General stores '|' for each double quote of its script texts.
std::string scriptField(std::string s) {
    std::replace(s.begin(), s.end(), '"', '|');
    return s;
}

} // namespace

ProjectBuilder::ProjectBuilder(fs::path folder) : m_folder(std::move(folder)) {
    for (const char* sub :
         {"Config", "Frames", "FramesData", "Areas", "Icons", "Temp", "External", "CPData"}) {
        fs::create_directories(m_folder / sub);
    }
}

ProjectBuilder& ProjectBuilder::general(const ProjectInfo& i, int lastField) {
    RecordWriter w = RecordWriter::create(m_folder / "Config" / "General");
    int n = 0;
    // Writes one field and reports whether the file goes on after it.
    auto more = [&] { return ++n < lastField; };
    auto unused = [&](int count) {
        for (int k = 0; k < count && n < lastField; ++k) {
            w.writeField(RecordVariant{});
            ++n;
        }
        return n < lastField;
    };
    w.writeField(i.ProjectRegistryName);
    more();
    w.writeField("");
    more();
    w.writeField(i.AdventureName);
    more();
    w.writeField(std::int16_t{0});
    more();
    w.writeField(i.InitialFrame);
    more();
    w.writeField(i.VersionText);
    more();
    w.writeField(i.FrameWidth);
    more();
    w.writeField(i.FrameHeight);
    more();
    w.writeField(i.Author);
    more();
    w.writeField(i.Email);
    more();
    w.writeField(i.Homepage);
    if (!more()) return w.commit(), *this;
    w.writeField(i.OfferResolutionChange);
    if (!more() || !unused(3)) return w.commit(), *this;
    w.writeField(i.SchemeName);
    if (!more() || !unused(3)) return w.commit(), *this;
    w.writeField(i.DisableLoadGame);
    more();
    w.writeField(i.DisableSaveGame);
    more();
    if (!unused(1)) return w.commit(), *this;
    w.writeField("");
    more();
    if (!unused(1)) return w.commit(), *this;
    w.writeField(i.InventorySpacingX);
    more();
    w.writeField(i.InventorySpacingY);
    more();
    w.writeField(i.InventoryEnabled);
    more();
    w.writeField(i.InventorySlideIn);
    more();
    w.writeField(i.InventorySlideOut);
    more();
    w.writeField(i.HideEmptyInventoryButton);
    more();
    w.writeField(i.OpenInventoryOnPickUp);
    more();
    w.writeField(i.CustomInventoryImages);
    more();
    w.writeField(i.InventoryButtonImage);
    more();
    w.writeField(i.InventoryBackgroundImage);
    more();
    w.writeField(i.ProjectResolution);
    more();
    if (!unused(2)) return w.commit(), *this;
    w.writeField(i.DefaultCursor);
    if (!more() || !unused(2)) return w.commit(), *this;
    w.writeField(i.KeepMenusVisible);
    if (!more() || !unused(1)) return w.commit(), *this;
    w.writeField(i.SkipWelcomeWindow);
    more();
    w.writeField(false);
    if (!more() || !unused(1)) return w.commit(), *this;
    w.writeField(i.MenuOption1);
    if (!more()) return w.commit(), *this;
    w.writeField(i.MenuOption2);
    if (!more()) return w.commit(), *this;
    w.writeField(i.NoMenus);
    if (!more() || !unused(3)) return w.commit(), *this;
    w.writeField(i.RunStartupScript);
    more();
    w.writeField(scriptField(i.StartupScript));
    more();
    w.writeField(i.RunFrameScript);
    more();
    w.writeField(scriptField(i.FrameScript));
    if (!more()) return w.commit(), *this;
    w.writeField(i.MenuOption3);
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::frame(const std::string& name, const FrameFile& f, int lastField) {
    RecordWriter w = RecordWriter::create(m_folder / "Frames" / (name + ".fme"));
    auto done = [&](int field) { return field >= lastField; };
    w.writeField(f.PictureType);
    w.writeField(f.Picture);
    w.writeField(f.TilePicture);
    w.writeField(f.StopMusic);
    w.writeField(f.MusicFile);
    w.writeField(f.TimerEnabled);
    w.writeField(f.TimerSeconds);
    w.writeField(f.TimerTarget);
    w.writeField(f.VideoFile);
    w.writeField(RecordVariant{});
    if (!done(10)) {
        w.writeField(f.StopAllSounds);
        w.writeField(f.StopFrameSound);
        w.writeField(f.FrameSoundFile);
    }
    if (!done(13)) {
        for (int i = 14; i <= 16; ++i)
            w.writeField(RecordVariant{});
        w.writeField(f.VideoAtOrigin);
        w.writeField(f.VideoUnstretched);
        w.writeField(f.VideoLeft);
        w.writeField(f.VideoTop);
        w.writeField(f.VideoWidth);
        w.writeField(f.VideoHeight);
    }
    if (!done(22)) w.writeField(f.MusicLoop);
    if (!done(23)) {
        w.writeField(f.TimerTransition);
        w.writeField(f.TimerTransitionDuration);
    }
    if (!done(25)) w.writeField(f.TimerTransitionNumber);
    if (!done(26)) {
        w.writeField(f.RunEntryScript);
        w.writeField(scriptField(f.EntryScript));
    }
    if (!done(28)) {
        for (int i = 29; i <= 34; ++i)
            w.writeField(RecordVariant{});
        const ChannelRequestBlock& c = f.channelRequests;
        w.writeField(std::to_string(static_cast<long>(c.fadeSeconds * 1000)));
        w.writeField(std::int16_t{0});
        w.writeField(std::int16_t{5});
        w.writeField(std::int16_t(c.entries.size()));
        for (const ChannelRequestEntry& e : c.entries) {
            w.writeField(e.command);
            w.writeField(e.fade);
            w.writeField(e.loop);
            w.writeField(e.level);
            w.writeField(e.file);
        }
    }
    if (!done(38)) w.writeField(f.VideoBeforeFrame);
    if (!done(39)) w.writeField(f.PluginParameters);
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::hotspots(const std::string& frame, const std::vector<HotspotSpec>& spots,
                                         bool alternate) {
    RecordWriter count = RecordWriter::create(m_folder / "Frames" / (frame + ".lks"));
    count.writeField(std::int16_t(spots.size()));
    count.commit();
    RecordWriter w = RecordWriter::create(m_folder / "FramesData" / (frame + (alternate ? ".mr2" : ".fm2")));
    for (const HotspotSpec& h : spots) {
        w.writeField(RecordVariant{});
        w.writeField(std::int16_t(h.mergeMark));
        for (int i = 3; i <= 10; ++i)
            w.writeField(RecordVariant{});
        w.writeField(std::int32_t(h.left));
        w.writeField(std::int32_t(h.top));
        w.writeField(std::int32_t(h.width));
        w.writeField(std::int32_t(h.height));
        w.writeField(std::int16_t(h.animated ? 1 : 0));
        w.writeField(h.hasPicture);
        w.writeField(h.pictureFile);
        w.writeField(std::int16_t(h.stretch ? 1 : 0));
        w.writeField(h.cursorFile);
        w.writeField(std::int16_t(h.hasConditions ? 1 : 0));
        for (const auto* list : {&h.hideIf, &h.showIf}) {
            w.writeField(std::int16_t(list->size()));
            for (const auto& name : *list)
                w.writeField(name);
        }
        if (h.withAnimationSpeed || h.withVideo) w.writeField(h.animationSpeed);
        if (h.withVideo) {
            w.writeField(h.isVideo);
            w.writeField(h.videoFile);
            w.writeField(std::int16_t(h.videoFitsHotspot ? 1 : 0));
            w.writeField(std::int16_t(h.videoLevel));
            w.writeField(std::int16_t{0});
            w.writeField(std::int16_t{0});
            w.writeField(std::int16_t(h.videoRate));
            w.writeField(std::int16_t(h.videoPlayCount));
            w.writeField(std::int16_t{0});
            w.writeField(std::int16_t{0});
        }
        w.writeField("----- SEPARATOR -----");
    }
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::texts(const std::string& frame, const std::vector<TextSpec>& texts,
                                      bool alternate) {
    RecordWriter w = RecordWriter::create(m_folder / "FramesData" / (frame + (alternate ? ".mr1" : ".fm1")));
    for (const TextSpec& t : texts) {
        w.writeField(RecordVariant{});
        w.writeField(std::int16_t(t.textNumber));
        for (int i = 3; i <= 10; ++i)
            w.writeField(RecordVariant{});
        w.writeField(t.caption);
        w.writeField(std::int32_t(t.left));
        w.writeField(std::int32_t(t.top));
        w.writeField(t.bold);
        w.writeField(t.italic);
        w.writeField(t.fontName);
        w.writeField(t.fontSize);
        w.writeField(t.strikeout);
        w.writeField(t.underline);
        w.writeField(std::int32_t(t.colour));
        w.writeField(RecordVariant{});
    }
    w.commit();
    return *this;
}

namespace {

void writeActionRecord(RecordWriter& w, const ActionSpec& a) {
    w.writeField(std::int16_t(a.variable.empty() ? 0 : 1));
    w.writeField(a.variable);
    w.writeField(a.setZero);
    w.writeField(a.setOne);
    w.writeField(a.toggle);
    w.writeField(std::int16_t(a.showMessage ? 1 : 0));
    w.writeField(a.message);
    w.writeField(std::int16_t{0});
    w.writeField("");
    w.writeField(std::int16_t(a.disappear ? 1 : 0));
    w.writeField(std::int16_t(a.quit ? 1 : 0));
    w.writeField(std::int16_t(a.goToFrame.empty() ? 0 : 1));
    w.writeField(a.goToFrame);
    int g = a.groups;
    if (g < 1) return;
    w.writeField(std::int16_t(a.stopHotspotSound));
    w.writeField(std::int16_t(a.stopAllSounds));
    w.writeField(std::int16_t(a.video.empty() ? 0 : 1));
    w.writeField(a.video);
    w.writeField(a.videoDefaultPlacement);
    w.writeField(a.videoAtPosition);
    for (int v : {a.videoLeft, a.videoTop, a.videoWidth, a.videoHeight})
        w.writeField(std::int16_t(v));
    if (g < 2) return;
    w.writeField(std::int16_t{0});
    w.writeField(std::int16_t(a.hotspotSound.empty() ? 0 : 1));
    w.writeField(a.hotspotSound);
    w.writeField(std::int16_t(a.frameSound.empty() ? 0 : 1));
    w.writeField(a.frameSound);
    if (g < 3) return;
    for (int i = 0; i < 3; ++i)
        w.writeField(RecordVariant{});
    w.writeField(std::int16_t(a.goBack ? 1 : 0));
    if (g < 4) return;
    for (int i = 0; i < 3; ++i)
        w.writeField(RecordVariant{});
    w.writeField(a.messageInFrame);
    if (g < 5) return;
    for (int i = 0; i < 3; ++i)
        w.writeField(RecordVariant{});
    bool lists = !a.listZero.empty() || !a.listOne.empty() || !a.listToggle.empty();
    w.writeField(std::int16_t(lists ? 1 : 0));
    for (const auto* list : {&a.listZero, &a.listOne, &a.listToggle}) {
        w.writeField(std::int16_t(list->size()));
        for (const auto& n : *list)
            w.writeField(n);
    }
    if (g < 6) return;
    w.writeField(a.loopHotspotSound);
    if (g < 7) return;
    w.writeField(std::int16_t(a.transitionKind));
    w.writeField(a.transitionMs);
    if (g < 8) return;
    w.writeField(!a.script.empty());
    w.writeField(scriptField(a.script));
    if (g < 9) return;
    w.writeField(std::int16_t(a.transitionNumber));
    if (g < 10) return;
    for (int i = 0; i < 6; ++i)
        w.writeField(RecordVariant{});
    w.writeField(std::to_string(static_cast<long>(a.channels.fadeSeconds * 1000)));
    w.writeField(std::int16_t{0});
    w.writeField(std::int16_t{5});
    w.writeField(std::int16_t(a.channels.entries.size()));
    for (const ChannelRequestEntry& e : a.channels.entries) {
        w.writeField(e.command);
        w.writeField(e.fade);
        w.writeField(e.loop);
        w.writeField(e.level);
        w.writeField(e.file);
    }
    if (g < 11) return;
    w.writeField(!a.pickItem.empty());
    w.writeField(a.pickItem);
    if (g < 12) return;
    w.writeField(a.pluginActions);
}

} // namespace

ProjectBuilder& ProjectBuilder::actions(const std::string& frame, const std::vector<ActionSpec>& blocks,
                                        bool alternate) {
    RecordWriter w = RecordWriter::create(m_folder / "FramesData" / (frame + (alternate ? ".mr3" : ".fm3")));
    for (const ActionSpec& a : blocks) {
        for (int i = 0; i < 10; ++i)
            w.writeField(RecordVariant{});
        writeActionRecord(w, a);
        w.writeField("----- SEPARATOR -----");
    }
    w.commit();
    return *this;
}

ProjectBuilder&
ProjectBuilder::itemActions(const std::string& frame,
                            const std::vector<std::pair<std::string, ActionSpec>>& keyedBlocks) {
    RecordWriter w = RecordWriter::create(m_folder / "FramesData" / (frame + ".fm0"));
    for (const auto& [key, a] : keyedBlocks) {
        w.writeField(RecordVariant{});
        w.writeField(key);
        for (int i = 3; i <= 10; ++i)
            w.writeField(RecordVariant{});
        writeActionRecord(w, a);
        w.writeField("----- SEPARATOR -----");
    }
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::pickups(const std::string& frame,
                                        const std::vector<std::pair<int, std::string>>& items) {
    RecordWriter w = RecordWriter::create(m_folder / "FramesData" / (frame + ".fm4"));
    for (const auto& [hotspot, item] : items) {
        w.writeField(RecordVariant{});
        w.writeField(std::int16_t(hotspot));
        for (int i = 3; i <= 10; ++i)
            w.writeField(RecordVariant{});
        w.writeField(std::int16_t(item.empty() ? 0 : 1));
        if (!item.empty()) w.writeField(item);
        w.writeField("----- SEPARATOR -----");
    }
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::item(const std::string& name, const std::string& iconFile) {
    RecordWriter w = RecordWriter::create(m_folder / "Areas" / (name + ".obj"));
    w.writeField(iconFile);
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::combination(const std::string& dragged, const std::string& target,
                                            bool removeDragged, bool removeTarget, const std::string& result,
                                            const std::string& script) {
    RecordWriter w = RecordWriter::create(m_folder / "Areas" / (dragged + "_on_" + target + ".drg"));
    w.writeField(std::int16_t(removeDragged ? 1 : 0));
    w.writeField(std::int16_t(removeTarget ? 1 : 0));
    w.writeField(std::int16_t(result.empty() ? 0 : 1));
    w.writeField(result);
    if (!script.empty()) {
        for (int i = 5; i <= 7; ++i)
            w.writeField(RecordVariant{});
        w.writeField(true);
        w.writeField(scriptField(script));
    }
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::variables(const std::vector<std::string>& integers,
                                          const std::vector<std::string>& variants) {
    RecordWriter w = RecordWriter::create(m_folder / "Config" / "Variables");
    w.writeField("Variables");
    for (const auto& n : integers)
        w.writeField(n);
    if (!variants.empty()) {
        w.writeField("***");
        for (const auto& n : variants)
            w.writeField(n);
    }
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::texts(int mode, const std::vector<std::string>& overrides) {
    RecordWriter w = RecordWriter::create(m_folder / "Config" / "Texts");
    w.writeField(std::int16_t(mode));
    if (mode == 2) {
        for (int k = 0; k < 5; ++k)
            w.writeField(RecordVariant{});
        w.writeField(std::int32_t(overrides.size()));
        for (const auto& t : overrides)
            w.writeField(t);
    }
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::more(const std::string& key, const std::string& value) {
    if (!platform::WritePrivateProfileString(m_folder / "Config" / "More", "General", key, value)) {
        throw std::runtime_error("cannot write Config/More");
    }
    return *this;
}

ProjectBuilder& ProjectBuilder::procedures(const std::string& text, std::int32_t key) {
    more("ProcEncr", key >= 0 ? "1" : "0");
    return file("Config/Procedures", ProceduresFileBytes(text, key));
}

ProjectBuilder& ProjectBuilder::file(const std::string& relativePath, const std::string& bytes) {
    std::string error = platform::WriteFileAtomically(m_folder / relativePath, bytes);
    if (!error.empty()) throw std::runtime_error(error);
    return *this;
}

ProjectBuilder& ProjectBuilder::remove(const std::string& relativePath) {
    fs::remove_all(m_folder / relativePath);
    return *this;
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    m_path = fs::temp_directory_path() /
             ("run-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

} // namespace run::testing
