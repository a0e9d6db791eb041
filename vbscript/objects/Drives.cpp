// Drive and Drives. Linux has no drive letters: a letter is a drive when the
// host's mapPath turns "X:\" into an existing folder; a path without a
// letter lies on the file system root.
#include "FileAccess.h"
#include "FileItems.h"
#include "FileOps.h"
#include "ObjectKit.h"

#include "../Convert.h"
#include "../Interp.h"

#include <sys/stat.h>

namespace vbs::files {

namespace {

// "C", "C:", "C:\" give the upper-case letter.
bool lettered(std::u16string_view s, char16_t& letter) {
    if (s.empty() || s.size() > 3) return false;
    char16_t c = s[0];
    if (c >= 'a' && c <= 'z') c = char16_t(c - 32);
    if (c < 'A' || c > 'Z') return false;
    if (s.size() >= 2 && s[1] != u':') return false;
    if (s.size() == 3 && s[2] != u'\\' && s[2] != u'/') return false;
    letter = c;
    return true;
}

fs::path letterRoot(Interp& rt, char16_t letter, bool raise) {
    std::u16string spec{letter, u':', u'\\'};
    fs::path p = raise ? resolve(rt, spec, false) : tryResolve(rt, mapOnly(rt, spec), false);
    return isFolder(p) ? p : fs::path();
}

enum : DispId {
    kPath = kDispValue,
    kDriveLetter,
    kRootFolder,
    kAvailableSpace,
    kFreeSpace,
    kTotalSize,
    kDriveType,
    kFileSystem,
    kIsReady,
    kSerialNumber,
    kShareName,
    kVolumeName,
};

const MemberName kDriveMembers[] = {
    {u"path", kPath},
    {u"driveletter", kDriveLetter},
    {u"rootfolder", kRootFolder},
    {u"availablespace", kAvailableSpace},
    {u"freespace", kFreeSpace},
    {u"totalsize", kTotalSize},
    {u"drivetype", kDriveType},
    {u"filesystem", kFileSystem},
    {u"isready", kIsReady},
    {u"serialnumber", kSerialNumber},
    {u"sharename", kShareName},
    {u"volumename", kVolumeName},
};

class Drive final : public EngineObject {
  public:
    Drive(Interp& rt, char16_t letter, fs::path root)
        : EngineObject(rt), m_letter(letter), m_root(std::move(root)) {}

    std::u16string typeName() const override { return u"Drive"; }
    DispId memberId(std::u16string_view name) override { return findMember(kDriveMembers, name); }
    const void* dispatchKey() const override { return kDriveMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] {
            if (isPut(kind) || !args.empty()) throwError(Err::WrongArgCount);
            switch (id) {
            case kPath:
                result = Value::string(m_letter ? std::u16string{m_letter, u':'} : scriptText(m_root));
                return;
            case kDriveLetter:
                result = Value::string(m_letter ? std::u16string(1, m_letter) : std::u16string());
                return;
            case kRootFolder:
                result = Value::object(newFolder(m_rt, root()));
                return;
            case kAvailableSpace:
            case kFreeSpace:
            case kTotalSize: {
                std::error_code ec;
                fs::space_info s = fs::space(root(), ec);
                if (ec) raiseErrno(ec.value(), Err::DeviceUnavailable);
                uintmax_t n = id == kTotalSize ? s.capacity : id == kFreeSpace ? s.free : s.available;
                result = Value::dbl(double(n));
                return;
            }
            case kDriveType:
                result = Value::longv(2);
                return; // Fixed
            // Scripts compare against the Windows names; Linux file system names would mean nothing to them.
            case kFileSystem:
                result = Value::string(std::u16string(u"NTFS"));
                return;
            case kIsReady:
                result = Value::boolean(!tryResolve(m_rt, m_root, false).empty());
                return;
            case kSerialNumber: {
                struct stat st;
                if (::stat(root().c_str(), &st) != 0) raiseErrno(errno, Err::DeviceUnavailable);
                result = Value::longv(int32_t(uint32_t(st.st_dev)));
                return;
            }
            case kShareName:
            case kVolumeName:
                result = Value::string(std::u16string());
                return;
            }
            throwError(Err::NoSuchMember);
        });
    }

  private:
    fs::path root() {
        fs::path p = resolveNative(m_rt, m_root, false);
        if (!isFolder(p)) throwError(Err::DeviceUnavailable);
        return p;
    }

    char16_t m_letter; // 0: no letter
    fs::path m_root;
};

struct DriveSpot {
    char16_t letter;
    fs::path root;
};

// Lettered drives the policy lets the script see; the root alone when none.
std::vector<DriveSpot> visibleDrives(Interp& rt) {
    std::vector<DriveSpot> out;
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        fs::path root = letterRoot(rt, c, false);
        if (!root.empty()) out.push_back({c, root});
    }
    if (out.empty() && !tryResolve(rt, "/", false).empty()) out.push_back({0, fs::path("/")});
    return out;
}

const MemberName kDrivesMembers[] = {{u"item", kDispValue}, {u"count", 1}};

class Drives final : public EngineObject {
  public:
    explicit Drives(Interp& rt) : EngineObject(rt) {}

    std::u16string typeName() const override { return u"Drives"; }
    DispId memberId(std::u16string_view name) override { return findMember(kDrivesMembers, name); }
    const void* dispatchKey() const override { return kDrivesMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] {
            if (isPut(kind)) throwError(Err::WrongArgCount);
            if (id == 1 && args.empty())
                result = Value::longv(int32_t(visibleDrives(m_rt).size()));
            else if (id == kDispValue && args.size() == 1)
                result = Value::object(getDrive(m_rt, toString(m_rt.scalar(args[0]))));
            else
                throwError(id == 1 || id == kDispValue ? Err::WrongArgCount : Err::NoSuchMember);
        });
    }
    std::unique_ptr<Enumerator> enumerate() override {
        std::vector<Value> items;
        for (auto& d : visibleDrives(m_rt))
            items.push_back(Value::object(new Drive(m_rt, d.letter, d.root)));
        return std::make_unique<ListEnumerator>(std::move(items));
    }

  private:
};

} // namespace

Object* getDrive(Interp& rt, std::u16string_view spec) {
    char16_t letter = 0;
    if (lettered(spec, letter)) {
        fs::path root = letterRoot(rt, letter, true);
        if (root.empty()) throwError(Err::DeviceUnavailable);
        return new Drive(rt, letter, root);
    }
    fs::path p = resolve(rt, spec, false);
    if (!isFolder(p)) throwError(Err::DeviceUnavailable);
    return new Drive(rt, 0, p);
}

bool driveExists(Interp& rt, std::u16string_view spec) {
    char16_t letter = 0;
    // A drive the host does not map into its allowed folders does not exist for the script.
    if (!lettered(spec, letter)) return false;
    return !letterRoot(rt, letter, false).empty();
}

Object* newDrives(Interp& rt) {
    return new Drives(rt);
}

Object* driveOf(Interp& rt, const fs::path& path) {
    DriveSpot best{0, fs::path("/")};
    for (auto& d : visibleDrives(rt)) {
        std::string r = d.root.string(), s = path.string();
        bool inside = s == r || (s.size() > r.size() && s.compare(0, r.size(), r) == 0 &&
                                 (r == "/" || s[r.size()] == '/'));
        if (inside && r.size() >= best.root.string().size() && d.letter) best = d;
    }
    return new Drive(rt, best.letter, best.root);
}

} // namespace vbs::files
