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
