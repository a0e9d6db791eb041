// ResolveProjectFile: the order of the candidates, names as games write them, the missing-file
// warning, and names that try to leave the project.
#include "run/platform/files/WindowsPath.h"
#include "run/project/FileLookup.h"
#include "tests/project/lookup/LookupRig.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace run {
namespace {

namespace fs = std::filesystem;
using testing::LookupRig;

std::string missingText(const LookupRig& r, const std::string& candidate) {
    return r.s.uiText[33] + "\r\n" + candidate + "\r\n\r\n" + r.s.uiText[34];
}

TEST(ResolveProjectFileTest, PlainBeatsNameKeyedBeatsPlainHiddenBeatsCd) {
    LookupRig r;
    r.makeCdProject(1, {{"house.jpg", 1, 1}});
    const std::string cd = (r.tmp / "cd1").string();
    r.s.drives = platform::DriveTable::FromDescription("D=" + cd + ":cd");
    LoadCdIndex(r.s);
    const std::string plain = r.put("Frames/house.jpg");
    const std::string keyed = r.put("Frames/house.440");
    const std::string hidden = r.put("Frames/house.005");
    const std::string onCd = r.putOutside("cd1/Data/Quest/Frames/house.440");
    const std::string asked = r.s.paths.frames + "house.jpg";

    EXPECT_EQ(r.s.files.ResolveProjectFile(asked), plain);
    fs::remove(plain);
    EXPECT_EQ(r.s.files.ResolveProjectFile(asked), keyed);
    fs::remove(keyed);
    EXPECT_EQ(r.s.files.ResolveProjectFile(asked), hidden);
    fs::remove(hidden);
    EXPECT_EQ(r.s.files.ResolveProjectFile(asked), onCd);
    EXPECT_TRUE(r.messageBoxes().empty());
    EXPECT_EQ(r.s.getUserSetting("DriveLetter", ""), "D") << "the only CD drive was taken";
}

TEST(ResolveProjectFileTest, NamesMatchWhateverTheirCaseAndSeparators) {
    LookupRig r;
    const std::string pic = r.put("Areas/Sub/Pic.BMP");
    const std::string keyed = r.put("Frames/HOUSE.440");
    const std::string area = r.put("Areas/door.bmp");
    EXPECT_EQ(r.s.files.ResolveProjectFile(r.s.paths.areas + "sub\\pic.bmp"), pic);
    EXPECT_EQ(r.s.files.ResolveProjectFile(r.s.paths.areas + "SUB/PIC.bmp"), pic);
    EXPECT_EQ(r.s.files.ResolveProjectFile(r.s.paths.frames + "house.jpg"), keyed);
    // Climbing out of one folder into another of the same project is allowed.
    EXPECT_EQ(r.s.files.ResolveProjectFile(r.s.paths.frames + "..\\Areas\\Door.bmp"), area);
    EXPECT_TRUE(r.messageBoxes().empty());
}

TEST(ResolveProjectFileTest, MissingFileWarnsOnceAndReturnsTheLastCandidate) {
    LookupRig r;
    const std::string asked = r.s.paths.frames + "nothere.jpg";
    EXPECT_EQ(r.s.files.ResolveProjectFile(asked), asked);
    ASSERT_EQ(r.messageBoxes().size(), 1u);
    const auto& box = r.messageBoxes()[0];
    EXPECT_EQ(box.title, r.s.uiText[29]);
    EXPECT_EQ(box.text, missingText(r, asked));
    EXPECT_EQ(box.style, platform::kExclamation);

    // Names too short for a hidden name are warned about as they are.
    EXPECT_EQ(r.s.files.ResolveProjectFile("ab"), "");
    ASSERT_EQ(r.messageBoxes().size(), 2u);
    EXPECT_EQ(r.messageBoxes()[1].text, missingText(r, "ab"));

    r.s.flags.Quitting = true;
    EXPECT_EQ(r.s.files.ResolveProjectFile(asked), asked);
    EXPECT_EQ(r.messageBoxes().size(), 2u) << "no box while the game is being left";
}

TEST(ResolveProjectFileTest, NamesLeavingTheProjectNeverReachOutsideFiles) {
    LookupRig r;
    const std::string secret = r.putOutside("secret.jpg", "outside");
    r.putOutside("secret.440", "outside");
    r.putOutside("Windows/house.jpg", "outside");
    const std::string inFrames = r.put("Frames/house.jpg");

    for (const std::string& asked :
         {r.s.paths.frames + "..\\..\\secret.jpg", r.s.paths.frames + "../../secret.jpg",
          r.s.paths.frames + "..\\..\\..\\..\\..\\..\\..\\..\\" + secret, secret,
          r.s.paths.frames + "C:\\..\\..\\secret.jpg", r.s.paths.frames + "sub\\..\\..\\..\\secret.jpg"}) {
        SCOPED_TRACE(asked);
        std::size_t boxes = r.messageBoxes().size();
        std::string got = r.s.files.ResolveProjectFile(asked);
        EXPECT_EQ(r.messageBoxes().size(), boxes + 1) << "reported missing";
        // What comes back cannot be opened as the outside file, whichever way it is read.
        if (!got.empty()) {
            auto found = platform::FindPathNoCase(got);
            EXPECT_FALSE(found && fs::equivalent(*found, secret));
            EXPECT_FALSE(fs::exists(got) && fs::equivalent(got, secret));
        }
    }

    // Links are judged where they lead: one to a file outside is missing, one to a file of the
    // game is that file.
    fs::create_symlink(secret, fs::path(r.s.paths.frames) / "link.jpg");
    fs::create_symlink(fs::path(secret).parent_path(), fs::path(r.s.paths.frames) / "up");
    fs::create_symlink(inFrames, fs::path(r.s.paths.frames) / "alias.jpg");
    for (const std::string& asked : {r.s.paths.frames + "link.jpg", r.s.paths.frames + "up\\secret.jpg"}) {
        EXPECT_FALSE(r.s.files.FindProjectFile(asked)) << asked;
        const std::size_t boxes = r.messageBoxes().size();
        const std::string got = r.s.files.ResolveProjectFile(asked);
        EXPECT_EQ(r.messageBoxes().size(), boxes + 1) << asked;
    }
    EXPECT_EQ(r.s.files.FindProjectFile(r.s.paths.frames + "alias.jpg"), r.s.paths.frames + "alias.jpg");

    // A Windows drive path inside a project path means the file of that name in that folder.
    EXPECT_EQ(r.s.files.ResolveProjectFile(r.s.paths.frames + "C:\\Windows\\house.jpg"), inFrames);
    EXPECT_EQ(r.s.files.ResolveProjectFile(r.s.paths.frames + "d:/Games/House.jpg"), inFrames);
}

TEST(ResolveProjectFileTest, ACdProjectReachesItsDiscsAndNothingElse) {
    LookupRig r;
    r.makeCdProject(1, {});
    const std::string secret = r.putOutside("home/secret.jpg", "outside");
    const std::string onCd = r.putOutside("cd1/Data/Quest/Frames/" + HiddenPath("scene.jpg", true));
    // The machine's own mount table: the root file system and one CD.
    r.s.drives = platform::DriveTable::FromMountTable("/dev/sda1 / ext4 rw 0 0\n/dev/sr0 " +
                                                      (r.tmp / "cd1").string() + " iso9660 ro 0 0\n");
    LoadCdIndex(r.s);
    EXPECT_EQ(r.s.files.ResolveProjectFile(r.s.paths.frames + "scene.jpg"), onCd);
    for (const std::string& asked : {secret, "C:" + secret, std::string("C:\\etc\\passwd"),
                                     r.s.paths.frames + "..\\..\\home\\secret.jpg"}) {
        SCOPED_TRACE(asked);
        std::string got = r.s.files.ResolveProjectFile(asked);
        auto found = platform::FindPathNoCase(got);
        EXPECT_FALSE(found && fs::equivalent(*found, secret));
        EXPECT_FALSE(found && fs::exists("/etc/passwd") && fs::equivalent(*found, "/etc/passwd"));
    }
}

TEST(ResolveProjectFileTest, AnyInputGivesAnAnswerWithoutFailing) {
    LookupRig r;
    r.put("Frames/house.jpg");
    const std::string inputs[] = {"",
                                  std::string(100000, 'a') + ".jpg",
                                  r.s.paths.frames + "\xFF\xFE\xC3.jpg",
                                  "\\\\server\\share\\house.jpg",
                                  r.s.paths.frames + "\\\\server\\share\\x.wav",
                                  std::string("/g/Frames/ho\0use.jpg", 20),
                                  r.s.paths.frames + "C:",
                                  r.s.paths.frames + "C:\\..",
                                  "C:\\",
                                  ":\\\\.jpg"};
    for (const std::string& asked : inputs) {
        std::size_t boxes = r.messageBoxes().size();
        EXPECT_NO_THROW(r.s.files.ResolveProjectFile(asked));
        EXPECT_EQ(r.messageBoxes().size(), boxes + 1);
    }
    // Separators repeated inside a project path still find the file.
    std::string found =
        r.s.files.ResolveProjectFile(r.s.paths.frames + std::string(5000, '\\') + "house.jpg");
    EXPECT_TRUE(fs::is_regular_file(found)) << found;
}

} // namespace
} // namespace run
