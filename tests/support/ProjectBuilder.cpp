// The project builder.
#include "tests/support/ProjectBuilder.h"

#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/IniFile.h"
#include "run/project/record/RecordWriter.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <unistd.h>

namespace run::testing {

namespace fs = std::filesystem;

namespace {

// General stores '|' for each double quote of its script texts.
std::string scriptField(std::string s) {
    std::replace(s.begin(), s.end(), '"', '|');
    return s;
}

} // namespace

ProjectBuilder::ProjectBuilder(fs::path folder) : m_folder(std::move(folder)) {
    for (const char* sub : {"Config", "Frames", "FramesData", "Areas", "Icons", "Temp", "External", "CPData"}) {
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
    w.writeField(i.ProjectRegistryName); more();
    w.writeField(""); more();
    w.writeField(i.AdventureName); more();
    w.writeField(std::int16_t{0}); more();
    w.writeField(i.InitialFrame); more();
    w.writeField(i.VersionText); more();
    w.writeField(i.FrameWidth); more();
    w.writeField(i.FrameHeight); more();
    w.writeField(i.Author); more();
    w.writeField(i.Email); more();
    w.writeField(i.Homepage);
    if (!more()) return w.commit(), *this;
    w.writeField(i.OfferResolutionChange);
    if (!more() || !unused(3)) return w.commit(), *this;
    w.writeField(i.SchemeName);
    if (!more() || !unused(3)) return w.commit(), *this;
    w.writeField(i.DisableLoadGame); more();
    w.writeField(i.DisableSaveGame); more();
    if (!unused(1)) return w.commit(), *this;
    w.writeField(""); more();
    if (!unused(1)) return w.commit(), *this;
    w.writeField(i.InventorySpacingX); more();
    w.writeField(i.InventorySpacingY); more();
    w.writeField(i.InventoryEnabled); more();
    w.writeField(i.InventorySlideIn); more();
    w.writeField(i.InventorySlideOut); more();
    w.writeField(i.HideEmptyInventoryButton); more();
    w.writeField(i.OpenInventoryOnPickUp); more();
    w.writeField(i.CustomInventoryImages); more();
    w.writeField(i.InventoryButtonImage); more();
    w.writeField(i.InventoryBackgroundImage); more();
    w.writeField(i.ProjectResolution); more();
    if (!unused(2)) return w.commit(), *this;
    w.writeField(i.DefaultCursor);
    if (!more() || !unused(2)) return w.commit(), *this;
    w.writeField(i.KeepMenusVisible);
    if (!more() || !unused(1)) return w.commit(), *this;
    w.writeField(i.SkipWelcomeWindow); more();
    w.writeField(false);
    if (!more() || !unused(1)) return w.commit(), *this;
    w.writeField(i.MenuOption1);
    if (!more()) return w.commit(), *this;
    w.writeField(i.MenuOption2);
    if (!more()) return w.commit(), *this;
    w.writeField(i.NoMenus);
    if (!more() || !unused(3)) return w.commit(), *this;
    w.writeField(i.RunStartupScript); more();
    w.writeField(scriptField(i.StartupScript)); more();
    w.writeField(i.RunFrameScript); more();
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
        for (int i = 14; i <= 16; ++i) w.writeField(RecordVariant{});
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
        for (int i = 29; i <= 34; ++i) w.writeField(RecordVariant{});
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

ProjectBuilder& ProjectBuilder::hotspots(const std::string& frame, const std::vector<HotspotSpec>& spots, bool alternate) {
    RecordWriter count = RecordWriter::create(m_folder / "Frames" / (frame + ".lks"));
    count.writeField(std::int16_t(spots.size()));
    count.commit();
    RecordWriter w = RecordWriter::create(m_folder / "FramesData" / (frame + (alternate ? ".mr2" : ".fm2")));
    for (const HotspotSpec& h : spots) {
        w.writeField(RecordVariant{});
        w.writeField(std::int16_t(h.mergeMark));
        for (int i = 3; i <= 10; ++i) w.writeField(RecordVariant{});
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
            for (const auto& name : *list) w.writeField(name);
        }
        if (h.withAnimationSpeed || h.withVideo) w.writeField(h.animationSpeed);
        if (h.withVideo) {
            w.writeField(h.isVideo);
            w.writeField(h.videoFile);
            for (int i = 0; i < 8; ++i) w.writeField(std::int16_t{0});
        }
        w.writeField("----- SEPARATOR -----");
    }
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::texts(const std::string& frame, const std::vector<TextSpec>& texts, bool alternate) {
    RecordWriter w = RecordWriter::create(m_folder / "FramesData" / (frame + (alternate ? ".mr1" : ".fm1")));
    for (const TextSpec& t : texts) {
        w.writeField(RecordVariant{});
        w.writeField(std::int16_t(t.textNumber));
        for (int i = 3; i <= 10; ++i) w.writeField(RecordVariant{});
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

ProjectBuilder& ProjectBuilder::variables(const std::vector<std::string>& integers, const std::vector<std::string>& variants) {
    RecordWriter w = RecordWriter::create(m_folder / "Config" / "Variables");
    w.writeField("Variables");
    for (const auto& n : integers) w.writeField(n);
    if (!variants.empty()) {
        w.writeField("***");
        for (const auto& n : variants) w.writeField(n);
    }
    w.commit();
    return *this;
}

ProjectBuilder& ProjectBuilder::texts(int mode, const std::vector<std::string>& overrides) {
    RecordWriter w = RecordWriter::create(m_folder / "Config" / "Texts");
    w.writeField(std::int16_t(mode));
    if (mode == 2) {
        for (int k = 0; k < 5; ++k) w.writeField(RecordVariant{});
        w.writeField(std::int32_t(overrides.size()));
        for (const auto& t : overrides) w.writeField(t);
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
