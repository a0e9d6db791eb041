// The file objects under a host's file policy: what a script may reach inside
// its folders, and that paths outside, ".." and symbolic links leading out are
// refused with error 70 without touching anything.
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using vbs::Value;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void spit(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary);
    out << text;
}

// allowed/ (read-write): inside.txt, sub/, links leading to secret/
// readonly/ (read-only): ro.txt
// secret/ (neither): secret.txt
class FilePolicyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "vbs-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        root = fs::canonical(tmpl);
        allowed = root / "allowed";
        readonly = root / "readonly";
        secret = root / "secret";
        fs::create_directories(allowed / "sub");
        fs::create_directories(readonly);
        fs::create_directories(secret);
        spit(allowed / "inside.txt", "inside\r\n");
        spit(readonly / "ro.txt", "read me\r\n");
        spit(secret / "secret.txt", "secret\r\n");
        fs::create_symlink(secret / "secret.txt", allowed / "link_out");
        fs::create_symlink("../secret", allowed / "dirlink_out");
        fs::create_symlink(secret / "new.txt", allowed / "dangling");
        fs::create_symlink(allowed / "inside.txt", allowed / "sub" / "link_in");
        config.fileAccess = [this](const std::string& path, bool write) {
            seen.push_back(path);
            return policy(path, write);
        };
        policy = vbs::allowFolders({allowed.string()}, {readonly.string()});
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(readonly / "ro.txt", fs::perms::owner_all, ec);
        fs::remove_all(root, ec);
    }

    // Runs code with the scratch paths as script variables; the error number, 0 when none.
    int run(const std::string& code) {
        if (!rt) {
            rt = std::make_unique<vbs::Runtime>(config);
            EXPECT_TRUE(rt->addCode(
                "Dim fso, A, R, S\nSet fso = CreateObject(\"Scripting.FileSystemObject\")\nA = \"" +
                allowed.string() + "\"\nR = \"" + readonly.string() + "\"\nS = \"" + secret.string() + "\""));
        }
        return rt->addCode(code) ? 0 : rt->lastError().number;
    }
    std::string text(const std::string& expr) {
        Value v;
        EXPECT_TRUE(rt && rt->eval(expr, v)) << expr;
        return v.isString() ? vbs::toUtf8(v.asString()) : "<not a string>";
    }

    fs::path root, allowed, readonly, secret;
    vbs::Config config;
    std::function<bool(const std::string&, bool)> policy;
    std::vector<std::string> seen;
    std::unique_ptr<vbs::Runtime> rt;
};

// ---- inside the allowed folders ----

TEST_F(FilePolicyTest, ReadsAndWritesInside) {
    EXPECT_EQ(run("Set t = fso.CreateTextFile(A & \"\\made.txt\")\nt.WriteLine \"hello\"\nt.Close"), 0);
    EXPECT_EQ(slurp(allowed / "made.txt"), "hello\r\n");
    EXPECT_EQ(run("x = fso.OpenTextFile(A & \"/inside.txt\").ReadLine"), 0);
    EXPECT_EQ(text("x"), "inside");
    EXPECT_EQ(run("fso.CreateFolder A & \"\\new\"\nfso.CopyFile A & \"\\inside.txt\", A & \"\\new\\\""), 0);
    EXPECT_EQ(slurp(allowed / "new" / "inside.txt"), "inside\r\n");
    // A link whose target is inside is followed.
    EXPECT_EQ(run("y = fso.OpenTextFile(A & \"/sub/link_in\").ReadAll"), 0);
    EXPECT_EQ(text("y"), "inside\r\n");
    // ".." that stays inside is fine.
    EXPECT_EQ(run("z = fso.OpenTextFile(A & \"\\sub\\..\\inside.txt\").ReadLine"), 0);
}

TEST_F(FilePolicyTest, ReadOnlyRootRefusesWrites) {
    EXPECT_EQ(run("x = fso.OpenTextFile(R & \"\\ro.txt\").ReadLine"), 0);
    EXPECT_EQ(text("x"), "read me");
    EXPECT_EQ(run("Set t = fso.CreateTextFile(R & \"\\w.txt\")"), 70);
    EXPECT_EQ(run("Set t = fso.OpenTextFile(R & \"\\ro.txt\", 8)"), 70);
    EXPECT_EQ(run("Set t = fso.OpenTextFile(R & \"\\ro.txt\", 2)"), 70);
    EXPECT_EQ(run("Set t = fso.OpenTextFile(R & \"\\new.txt\", 1, True)"), 70);
    EXPECT_EQ(run("fso.DeleteFile R & \"\\ro.txt\", True"), 70);
    EXPECT_EQ(run("fso.GetFile(R & \"\\ro.txt\").Name = \"x.txt\""), 70);
    EXPECT_EQ(run("fso.MoveFile R & \"\\ro.txt\", A & \"\\taken.txt\""), 70);
    EXPECT_EQ(run("fso.CreateFolder R & \"\\d\""), 70);
    EXPECT_EQ(run("fso.GetFile(R & \"\\ro.txt\").Attributes = 1"), 70);
    EXPECT_EQ(slurp(readonly / "ro.txt"), "read me\r\n");
    EXPECT_FALSE(fs::exists(readonly / "w.txt"));
    EXPECT_FALSE(fs::exists(readonly / "new.txt"));
    EXPECT_FALSE(fs::exists(allowed / "taken.txt"));
    // Copying out of a read-only root into a read-write one is fine.
    EXPECT_EQ(run("fso.CopyFile R & \"\\ro.txt\", A & \"\\copy.txt\""), 0);
    EXPECT_EQ(slurp(allowed / "copy.txt"), "read me\r\n");
}

TEST_F(FilePolicyTest, RootsThemselvesCannotBeRemovedOrRenamed) {
    EXPECT_EQ(run("x = fso.GetFolder(A).Files.Count"), 0);
    EXPECT_EQ(run("fso.DeleteFolder A, True"), 70);
    EXPECT_EQ(run("fso.GetFolder(A).Name = \"gone\""), 70);
    EXPECT_EQ(run("fso.MoveFolder A, A & \"2\""), 70);
    EXPECT_TRUE(fs::exists(allowed / "inside.txt"));
    // The root is the top: no parent folder above it.
    EXPECT_EQ(run("b = fso.GetFolder(A).IsRootFolder\nn = fso.GetFolder(A).ParentFolder Is Nothing"), 0);
    Value v;
    ASSERT_TRUE(rt->eval("b And n", v));
    EXPECT_TRUE(v.asBoolean());
}

// ---- outside: refused, nothing touched ----

TEST_F(FilePolicyTest, PathsOutsideAreRefused) {
    EXPECT_EQ(run("x = fso.OpenTextFile(S & \"\\secret.txt\").ReadAll"), 70);
    EXPECT_EQ(run("x = fso.FileExists(S & \"\\secret.txt\")"), 70);
    EXPECT_EQ(run("x = fso.FolderExists(S)"), 70);
    EXPECT_EQ(run("Set f = fso.GetFile(S & \"\\secret.txt\")"), 70);
    EXPECT_EQ(run("Set f = fso.GetFolder(\"/\")"), 70);
    EXPECT_EQ(run("Set t = fso.CreateTextFile(S & \"\\new.txt\")"), 70);
    EXPECT_EQ(run("fso.CreateFolder S & \"\\d\""), 70);
    EXPECT_EQ(run("fso.DeleteFile S & \"\\secret.txt\", True"), 70);
    EXPECT_EQ(run("fso.DeleteFolder S, True"), 70);
    EXPECT_EQ(run("fso.CopyFile S & \"\\secret.txt\", A & \"\\stolen.txt\""), 70);
    EXPECT_EQ(run("fso.CopyFile A & \"\\inside.txt\", S & \"\\planted.txt\""), 70);
    EXPECT_EQ(run("fso.MoveFile A & \"\\inside.txt\", S & \"\\planted.txt\""), 70);
    EXPECT_EQ(run("fso.CopyFolder A & \"\\sub\", S & \"\\planted\""), 70);
    EXPECT_EQ(run("fso.GetFile(A & \"\\inside.txt\").Move S & \"\\\""), 70);
    EXPECT_EQ(run("fso.GetFile(A & \"\\inside.txt\").Copy S & \"\\planted.txt\""), 70);
    EXPECT_EQ(run("fso.GetFolder(A).CreateTextFile(S & \"/planted.txt\")"), 70);
    EXPECT_EQ(run("x = fso.GetSpecialFolder(0).Path"), 70);
    EXPECT_EQ(slurp(secret / "secret.txt"), "secret\r\n");
    EXPECT_EQ(slurp(allowed / "inside.txt"), "inside\r\n");
    EXPECT_FALSE(fs::exists(allowed / "stolen.txt"));
    EXPECT_FALSE(fs::exists(secret / "planted.txt"));
    EXPECT_FALSE(fs::exists(secret / "planted"));
    EXPECT_FALSE(fs::exists(secret / "new.txt"));
    EXPECT_FALSE(fs::exists(secret / "d"));
}

TEST_F(FilePolicyTest, DotDotCannotLeave) {
    EXPECT_EQ(run("x = fso.OpenTextFile(A & \"\\..\\secret\\secret.txt\").ReadAll"), 70);
    EXPECT_EQ(run("x = fso.OpenTextFile(A & \"/../secret/secret.txt\").ReadAll"), 70);
    EXPECT_EQ(run("x = fso.OpenTextFile(A & \"\\nowhere\\..\\..\\secret\\secret.txt\").ReadAll"), 70);
    EXPECT_EQ(run("Set t = fso.CreateTextFile(A & \"\\sub\\..\\..\\secret\\new.txt\")"), 70);
    EXPECT_EQ(run("fso.DeleteFile A & \"\\..\\secret\\*.txt\", True"), 70);
    EXPECT_EQ(run("fso.GetFile(A & \"\\inside.txt\").Name = \"..\""), 5);
    EXPECT_EQ(run("x = fso.GetFolder(A).Files(\"../secret/secret.txt\").Size"), 70);
    EXPECT_EQ(run("x = fso.GetFolder(A).SubFolders(\"..\").Path"), 70);
    EXPECT_EQ(run("fso.GetFolder(A).SubFolders.Add \"../secret/made\""), 70);
    EXPECT_EQ(slurp(secret / "secret.txt"), "secret\r\n");
    EXPECT_FALSE(fs::exists(secret / "new.txt"));
    EXPECT_FALSE(fs::exists(secret / "made"));
}

TEST_F(FilePolicyTest, SymbolicLinksCannotLeave) {
    EXPECT_EQ(run("x = fso.OpenTextFile(A & \"\\link_out\").ReadAll"), 70);
    EXPECT_EQ(run("Set t = fso.OpenTextFile(A & \"\\link_out\", 2)"), 70);
    EXPECT_EQ(run("Set t = fso.OpenTextFile(A & \"\\link_out\", 8)"), 70);
    EXPECT_EQ(run("Set t = fso.CreateTextFile(A & \"\\link_out\", True)"), 70);
    EXPECT_EQ(run("x = fso.OpenTextFile(A & \"\\dirlink_out\\secret.txt\").ReadAll"), 70);
    EXPECT_EQ(run("Set t = fso.CreateTextFile(A & \"\\dirlink_out\\planted.txt\")"), 70);
    // A dangling link would create its target outside.
    EXPECT_EQ(run("Set t = fso.CreateTextFile(A & \"\\dangling\")"), 70);
    EXPECT_EQ(run("Set t = fso.OpenTextFile(A & \"\\dangling\", 8, True)"), 70);
    EXPECT_EQ(run("fso.DeleteFile A & \"\\link_out\", True"), 70);
    EXPECT_EQ(run("fso.DeleteFolder A & \"\\dirlink_out\", True"), 70);
    EXPECT_EQ(run("fso.CopyFile A & \"\\inside.txt\", A & \"\\dirlink_out\\\""), 70);
    EXPECT_EQ(slurp(secret / "secret.txt"), "secret\r\n");
    EXPECT_FALSE(fs::exists(secret / "new.txt"));
    EXPECT_FALSE(fs::exists(secret / "planted.txt"));
    EXPECT_FALSE(fs::exists(secret / "inside.txt"));
}

TEST_F(FilePolicyTest, ListingsShowNothingOutside) {
    EXPECT_EQ(run("n = fso.GetFolder(A).Files.Count\nm = fso.GetFolder(A).SubFolders.Count\n"
                  "s = \"\"\nFor Each f In fso.GetFolder(A).Files : s = s & f.Name & \";\" : Next\n"
                  "For Each f In fso.GetFolder(A).SubFolders : s = s & f.Name & \";\" : Next"),
              0);
    EXPECT_EQ(text("s"), "inside.txt;sub;");
    Value v;
    ASSERT_TRUE(rt->eval("n = 1 And m = 1", v));
    EXPECT_TRUE(v.asBoolean());
    // Wildcard deletes skip what leads out; copies of a folder leave the links' targets behind.
    EXPECT_EQ(run("fso.CopyFolder A, R & \"_x\""), 70);
    EXPECT_EQ(run("fso.CreateFolder A & \"\\dst\"\nfso.CopyFolder A & \"\\sub\", A & \"\\dst\\\""), 0);
    EXPECT_TRUE(fs::exists(allowed / "dst" / "sub" / "link_in"));
    EXPECT_EQ(run("fso.DeleteFile A & \"\\*\", True"), 0);
    EXPECT_FALSE(fs::exists(allowed / "inside.txt"));
    EXPECT_EQ(slurp(secret / "secret.txt"), "secret\r\n");
    EXPECT_TRUE(fs::is_symlink(allowed / "link_out"));
    // Deleting a whole folder removes links inside it, never their targets.
    fs::create_symlink(secret / "secret.txt", allowed / "sub" / "out2");
    EXPECT_EQ(run("fso.DeleteFolder A & \"\\sub\", True"), 0);
    EXPECT_FALSE(fs::exists(allowed / "sub"));
    EXPECT_EQ(slurp(secret / "secret.txt"), "secret\r\n");
}

TEST_F(FilePolicyTest, FolderRemovalsAndMovesCheckEverythingInside) {
    // A host protecting one folder inside an allowed one.
    fs::create_directories(allowed / "sub" / "keep");
    spit(allowed / "sub" / "keep" / "k.txt", "k");
    std::string keep = (allowed / "sub" / "keep").string();
    policy = [inner = policy, keep](const std::string& path, bool write) {
        if (write && (path == keep || path.starts_with(keep + "/"))) return false;
        return inner(path, write);
    };
    EXPECT_EQ(run("fso.DeleteFolder A & \"\\sub\", True"), 70);
    EXPECT_EQ(run("fso.DeleteFolder A & \"\\s*\", True"), 70);
    EXPECT_EQ(run("fso.MoveFolder A & \"\\sub\", A & \"\\moved\""), 70);
    EXPECT_EQ(run("fso.GetFolder(A & \"\\sub\").Name = \"renamed\""), 70);
    EXPECT_EQ(slurp(allowed / "sub" / "keep" / "k.txt"), "k");
    EXPECT_FALSE(fs::exists(allowed / "moved"));
    // Without force a read-only file inside stops the removal before anything goes.
    fs::create_directories(allowed / "other");
    spit(allowed / "other" / "a.txt", "a");
    spit(allowed / "other" / "ro.txt", "r");
    fs::permissions(allowed / "other" / "ro.txt", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(run("fso.DeleteFolder A & \"\\other\""), 70);
    EXPECT_TRUE(fs::exists(allowed / "other" / "a.txt"));
    EXPECT_EQ(run("fso.DeleteFolder A & \"\\other\", True"), 0);
    EXPECT_FALSE(fs::exists(allowed / "other"));
}

TEST_F(FilePolicyTest, PolicySeesOnlyResolvedPaths) {
    run("x = fso.FileExists(A & \"\\sub\\..\\inside.txt\")\nx = fso.FileExists(A & \"\\sub\\link_in\")\n"
        "On Error Resume Next\nx = fso.FileExists(A & \"\\link_out\")\nx = fso.FileExists(\"rel\\x.txt\")");
    ASSERT_FALSE(seen.empty());
    for (const auto& p : seen) {
        EXPECT_EQ(p[0], '/') << p;
        EXPECT_EQ(p.find("/../"), std::string::npos) << p;
        EXPECT_EQ(p.find('\\'), std::string::npos) << p;
        EXPECT_EQ(fs::path(p), fs::weakly_canonical(p)) << p;
    }
    EXPECT_NE(std::find(seen.begin(), seen.end(), (allowed / "inside.txt").string()), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), (secret / "secret.txt").string()), seen.end());
}

TEST_F(FilePolicyTest, ScriptGoesOnAfterARefusal) {
    EXPECT_EQ(run("On Error Resume Next\nx = fso.OpenTextFile(S & \"\\secret.txt\").ReadAll\n"
                  "n = Err.Number : d = Err.Description : Err.Clear\n"
                  "y = fso.OpenTextFile(A & \"\\inside.txt\").ReadLine"),
              0);
    EXPECT_EQ(text("d"), "Permission denied");
    EXPECT_EQ(text("y"), "inside");
}

TEST_F(FilePolicyTest, HostMapsDriveLetters) {
    config.mapPath = [this](std::u16string_view p) {
        std::string s = vbs::toUtf8(p);
        for (auto& c : s)
            if (c == '\\') c = '/';
        if (s.size() >= 2 && (s[0] == 'C' || s[0] == 'c') && s[1] == ':')
            return allowed.string() + s.substr(2);
        return s;
    };
    EXPECT_EQ(run("x = fso.OpenTextFile(\"C:\\inside.txt\").ReadLine\nd = fso.DriveExists(\"C:\")\n"
                  "p = fso.GetDrive(\"c\").RootFolder.Path\nq = fso.GetFile(\"C:\\inside.txt\").Drive.Path"),
              0);
    EXPECT_EQ(text("x"), "inside");
    EXPECT_EQ(text("p"), allowed.string());
    EXPECT_EQ(text("q"), "C:");
    EXPECT_EQ(run("x = fso.OpenTextFile(\"C:\\..\\secret\\secret.txt\").ReadAll"), 70);
    EXPECT_EQ(run("x = fso.DriveExists(\"D:\")"), 0);
}

TEST(FilePolicyNoHost, EverythingAllowedWithoutAPolicy) {
    std::string tmpl = (fs::temp_directory_path() / "vbs-open-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    spit(fs::path(tmpl) / "a.txt", "free");
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("x = CreateObject(\"Scripting.FileSystemObject\").OpenTextFile(\"" + tmpl +
                           "\\a.txt\").ReadAll"));
    Value v;
    ASSERT_TRUE(rt.eval("x", v));
    EXPECT_EQ(vbs::toUtf8(v.asString()), "free");
    fs::remove_all(tmpl);
}

TEST(FilePolicyNoHost, TheRootIsNeverRemovedOrMoved) {
    // Like a drive's root, "/" cannot go even when the host allows it. The
    // policy refuses everything below it, so a broken guard shows up as
    // questions about entries inside instead of touching them.
    vbs::Config config;
    bool askedInside = false;
    config.fileAccess = [&](const std::string& path, bool write) {
        if (!write) return true;
        if (path == "/" || path == "/tmp/vbs-root-moved") return true;
        askedInside = true;
        return false;
    };
    vbs::Runtime rt(config);
    EXPECT_FALSE(rt.addCode("CreateObject(\"Scripting.FileSystemObject\").DeleteFolder \"\\\", True"));
    EXPECT_EQ(rt.lastError().number, 70);
    EXPECT_FALSE(
        rt.addCode("CreateObject(\"Scripting.FileSystemObject\").MoveFolder \"/\", \"/tmp/vbs-root-moved\""));
    EXPECT_EQ(rt.lastError().number, 70);
    EXPECT_FALSE(rt.addCode("CreateObject(\"Scripting.FileSystemObject\").GetFolder(\"/\").Delete True"));
    EXPECT_EQ(rt.lastError().number, 70);
    EXPECT_FALSE(askedInside);
    EXPECT_FALSE(fs::exists("/tmp/vbs-root-moved"));
}

// ---- allowFolders on its own ----

TEST(AllowFolders, ContainmentIsByComponent) {
    auto allow = vbs::allowFolders({"/srv/game/save"}, {"/srv/game/data"});
    EXPECT_TRUE(allow("/srv/game/save/a.txt", true));
    EXPECT_TRUE(allow("/srv/game/save/deep/er/a.txt", true));
    EXPECT_TRUE(allow("/srv/game/save", false));
    EXPECT_FALSE(allow("/srv/game/save", true)) << "the root itself is not writable";
    EXPECT_FALSE(allow("/srv/game/saves/a.txt", false)) << "a sibling sharing the prefix";
    EXPECT_FALSE(allow("/srv/game/save/../data/x", true));
    EXPECT_FALSE(allow("save/a.txt", false)) << "relative paths";
    EXPECT_FALSE(allow("", false));
    EXPECT_TRUE(allow("/srv/game/data/x.txt", false));
    EXPECT_FALSE(allow("/srv/game/data/x.txt", true));
    EXPECT_FALSE(allow("/srv/game", false));
    EXPECT_FALSE(allow("/etc/passwd", false));
    EXPECT_FALSE(vbs::allowFolders({}, {})("/", false));
}

} // namespace
