// Scripting.FileSystemObject. Path texts are taken apart with Windows rules
// (either slash, drive letters, \\server\share); every path that reaches the
// disk goes through FileAccess's resolve and the host's policy first.
#include "Classic.h"
#include "FileAccess.h"
#include "FileItems.h"
#include "FileOps.h"
#include "ObjectKit.h"
#include "TextStream.h"

#include "../Convert.h"
#include "../Interp.h"
#include "../builtins/Builtins.h"

#include <cstdlib>
#include <random>

namespace vbs {

namespace {

using namespace files;

bool isSep(char16_t c) {
    return c == u'\\' || c == u'/';
}

// Length of the drive part: "C:" or "\\server\share".
size_t drivePrefix(std::u16string_view p) {
    if (p.size() >= 2 && p[1] == u':' && ((p[0] | 0x20) >= 'a' && (p[0] | 0x20) <= 'z')) return 2;
    if (p.size() >= 2 && isSep(p[0]) && isSep(p[1])) {
        size_t i = 2;
        while (i < p.size() && !isSep(p[i]))
            ++i; // server
        if (i >= p.size()) return p.size();
        ++i;
        while (i < p.size() && !isSep(p[i]))
            ++i; // share
        return i;
    }
    return 0;
}

// The path without separators at its end (a root keeps nothing after the drive).
std::u16string_view trimmed(std::u16string_view p) {
    size_t pre = drivePrefix(p);
    while (p.size() > pre && isSep(p.back()))
        p.remove_suffix(1);
    return p;
}

std::u16string fileNameOf(std::u16string_view p) {
    size_t pre = drivePrefix(p);
    std::u16string_view t = trimmed(p);
    size_t i = t.size();
    while (i > pre && !isSep(t[i - 1]))
        --i;
    return std::u16string(t.substr(i));
}

std::u16string parentOf(std::u16string_view p) {
    size_t pre = drivePrefix(p);
    std::u16string_view t = trimmed(p);
    if (t.size() <= pre) return {}; // a root or a bare drive
    size_t i = t.size();
    while (i > pre && !isSep(t[i - 1]))
        --i;
    if (i == pre) return std::u16string(t.substr(0, pre)); // "C:name" or a bare name
    size_t end = i - 1;                                    // the separator before the name
    while (end > pre && isSep(t[end - 1]))
        --end;
    if (end == pre) return std::u16string(t.substr(0, pre + 1)); // the root: keep its separator
    return std::u16string(t.substr(0, end));
}

std::u16string baseNameOf(std::u16string_view p) {
    std::u16string n = fileNameOf(p);
    size_t dot = n.rfind(u'.');
    return dot == std::u16string::npos ? n : n.substr(0, dot);
}

std::u16string extensionOf(std::u16string_view p) {
    std::u16string n = fileNameOf(p);
    size_t dot = n.rfind(u'.');
    return dot == std::u16string::npos ? std::u16string() : n.substr(dot + 1);
}

std::u16string buildPath(std::u16string_view path, std::u16string_view name) {
    std::u16string out(path);
    if (out.empty() || name.empty()) return out + std::u16string(name);
    bool endSep = isSep(out.back()), startSep = isSep(name[0]);
    if (endSep && startSep)
        name.remove_prefix(1);
    else if (!endSep && !startSep && !(out.size() == 2 && drivePrefix(out) == 2))
        out += u'\\';
    return out + std::u16string(name);
}

enum : DispId {
    kBuildPath = 1,
    kGetFileName,
    kGetBaseName,
    kGetExtensionName,
    kGetParentFolderName,
    kGetDriveName,
    kGetAbsolutePathName,
    kGetTempName,
    kGetSpecialFolder,
    kFileExists,
    kFolderExists,
    kDriveExists,
    kCreateFolder,
    kCreateTextFile,
    kOpenTextFile,
    kDeleteFile,
    kDeleteFolder,
    kCopyFile,
    kMoveFile,
    kCopyFolder,
    kMoveFolder,
    kGetFile,
    kGetFolder,
    kGetDrive,
    kDrives,
    kGetFileVersion,
};

const MemberName kMembers[] = {
    {u"buildpath", kBuildPath},
    {u"getfilename", kGetFileName},
    {u"getbasename", kGetBaseName},
    {u"getextensionname", kGetExtensionName},
    {u"getparentfoldername", kGetParentFolderName},
    {u"getdrivename", kGetDriveName},
    {u"getabsolutepathname", kGetAbsolutePathName},
    {u"gettempname", kGetTempName},
    {u"getspecialfolder", kGetSpecialFolder},
    {u"fileexists", kFileExists},
    {u"folderexists", kFolderExists},
    {u"driveexists", kDriveExists},
    {u"createfolder", kCreateFolder},
    {u"createtextfile", kCreateTextFile},
    {u"opentextfile", kOpenTextFile},
    {u"deletefile", kDeleteFile},
    {u"deletefolder", kDeleteFolder},
    {u"copyfile", kCopyFile},
    {u"movefile", kMoveFile},
    {u"copyfolder", kCopyFolder},
    {u"movefolder", kMoveFolder},
    {u"getfile", kGetFile},
    {u"getfolder", kGetFolder},
    {u"getdrive", kGetDrive},
    {u"drives", kDrives},
    {u"getfileversion", kGetFileVersion},
};

struct Arity {
    int lo, hi;
};

Arity arityOf(DispId id) {
    switch (id) {
    case kBuildPath:
        return {2, 2};
    case kGetTempName:
        return {0, 0};
    case kDrives:
        return {0, 1};
    case kCreateTextFile:
        return {1, 3};
    case kOpenTextFile:
        return {1, 4};
    case kDeleteFile:
    case kDeleteFolder:
        return {1, 2};
    case kCopyFile:
    case kCopyFolder:
        return {2, 3};
    case kMoveFile:
    case kMoveFolder:
        return {2, 2};
    default:
        return {1, 1};
    }
}

class FileSystemObject final : public EngineObject {
  public:
    explicit FileSystemObject(Interp& rt) : EngineObject(rt), m_random(std::random_device{}()) {}

    std::u16string typeName() const override { return u"FileSystemObject"; }
    DispId memberId(std::u16string_view name) override { return findMember(kMembers, name); }
    const void* dispatchKey() const override { return kMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] { dispatch(id, kind, args, result); });
    }

  private:
    std::u16string str(std::span<Value> args, size_t i) { return argString(m_rt, args, i); }
    bool flag(std::span<Value> args, size_t i, bool dflt) {
        return hasArg(args, i) ? toBool(m_rt.scalar(args[i])) : dflt;
    }

    // FileExists / FolderExists: a refusal stays an error, a path that cannot be resolved is simply absent.
    bool exists(std::u16string_view p, bool folder) {
        if (p.empty()) return false;
        fs::path r;
        try {
            r = resolve(m_rt, p, false);
        } catch (const ScriptError& e) {
            if (e.number == int32_t(Err::PermissionDenied)) throw;
            return false;
        }
        return folder ? isFolder(r) : isFile(r);
    }

    void dispatch(DispId id, InvokeKind kind, std::span<Value> args, Value& result) {
        if (isPut(kind) || id == kDispValue)
            throwError(id == kDispValue ? Err::NoSuchMember : Err::WrongArgCount);
        Arity a = arityOf(id);
        if (int(args.size()) < a.lo || int(args.size()) > a.hi) throwError(Err::WrongArgCount);
        switch (id) {
        case kBuildPath:
            result = Value::string(buildPath(str(args, 0), str(args, 1)));
            return;
        case kGetFileName:
            result = Value::string(fileNameOf(str(args, 0)));
            return;
        case kGetBaseName:
            result = Value::string(baseNameOf(str(args, 0)));
            return;
        case kGetExtensionName:
            result = Value::string(extensionOf(str(args, 0)));
            return;
        case kGetParentFolderName:
            result = Value::string(parentOf(str(args, 0)));
            return;
        case kGetDriveName: {
            std::u16string p = str(args, 0);
            result = Value::string(p.substr(0, drivePrefix(p)));
            return;
        }
        case kGetAbsolutePathName: {
            // Text only: nothing on disk is read, so no policy question arises.
            std::u16string p = str(args, 0);
            std::error_code ec;
            fs::path native = p.empty() ? fs::path(".") : fs::path(mapOnly(m_rt, p));
            fs::path abs = fs::absolute(native, ec).lexically_normal();
            std::string s = abs.string();
            while (s.size() > 1 && s.back() == '/')
                s.pop_back();
            result = Value::string(fromUtf8(s));
            return;
        }
        case kGetTempName: {
            static const char16_t hex[] = u"0123456789ABCDEF";
            std::u16string name = u"rad";
            uint32_t r = uint32_t(m_random());
            for (int i = 0; i < 5; ++i)
                name += hex[(r >> (4 * i)) & 15];
            result = Value::string(name + u".tmp");
            return;
        }
        case kGetSpecialFolder: {
            int32_t which = argLong(m_rt, args, 0);
            if (which < 0 || which > 2) throwError(Err::InvalidCall);
            // No Windows or system folder here: the root stands in for both.
            std::string native = "/";
            if (which == 2) {
                const char* tmp = std::getenv("TMPDIR");
                native = tmp && *tmp ? tmp : "/tmp";
            }
            fs::path p = resolveNative(m_rt, native, false);
            if (!isFolder(p)) throwError(Err::PathNotFound);
            result = Value::object(newFolder(m_rt, p));
            return;
        }
        case kFileExists:
            result = Value::boolean(exists(str(args, 0), false));
            return;
        case kFolderExists:
            result = Value::boolean(exists(str(args, 0), true));
            return;
        case kDriveExists:
            result = Value::boolean(driveExists(m_rt, str(args, 0)));
            return;
        case kCreateFolder: {
            fs::path p = resolve(m_rt, str(args, 0), true);
            std::error_code ec;
            if (fs::exists(fs::symlink_status(p, ec))) throwError(Err::FileAlreadyExists);
            if (!fs::create_directory(p, ec)) raiseErrno(ec ? ec.value() : EEXIST, Err::PathNotFound);
            result = Value::object(newFolder(m_rt, p));
            return;
        }
        case kCreateTextFile: {
            fs::path p = resolve(m_rt, str(args, 0), true);
            bool overwrite = flag(args, 1, true), unicode = flag(args, 2, false);
            result = Value::object(openTextStream(
                m_rt, p, ForWriting, overwrite ? Create::Always : Create::New, unicode ? -1 : 0));
            return;
        }
        case kOpenTextFile: {
            std::u16string path = str(args, 0);
            int32_t mode = hasArg(args, 1) ? argLong(m_rt, args, 1) : ForReading;
            bool create = flag(args, 2, false);
            int32_t format = hasArg(args, 3) ? argLong(m_rt, args, 3) : 0;
            if (mode != ForReading && mode != ForWriting && mode != ForAppending)
                throwError(Err::InvalidCall);
            fs::path p = resolve(m_rt, path, mode != ForReading);
            if (mode == ForReading && create && !isFile(p)) p = resolve(m_rt, path, true); // it will be made
            result = Value::object(
                openTextStream(m_rt, p, mode, create ? Create::IfMissing : Create::Never, format));
            return;
        }
        case kDeleteFile:
        case kDeleteFolder: {
            bool folders = id == kDeleteFolder, force = flag(args, 1, false);
            for (const auto& p : expand(m_rt, str(args, 0), folders, true)) {
                if (folders)
                    deleteFolder(m_rt, p, force);
                else
                    deleteFile(p, force);
            }
            return;
        }
        case kCopyFile:
        case kCopyFolder:
        case kMoveFile:
        case kMoveFolder: {
            bool folders = id == kCopyFolder || id == kMoveFolder;
            bool move = id == kMoveFile || id == kMoveFolder;
            bool overwrite = flag(args, 2, true);
            bool wild = false;
            std::u16string dst = str(args, 1);
            for (const auto& src : expand(m_rt, str(args, 0), folders, move, &wild)) {
                fs::path to = destination(m_rt, src, dst, wild);
                if (move)
                    moveEntry(m_rt, src, to);
                else if (folders)
                    copyFolder(m_rt, src, to, overwrite);
                else
                    copyFile(m_rt, src, to, overwrite);
            }
            return;
        }
        case kGetFile:
        case kGetFolder: {
            bool folder = id == kGetFolder;
            fs::path p = resolve(m_rt, str(args, 0), false);
            if (folder ? !isFolder(p) : !isFile(p))
                throwError(folder ? Err::PathNotFound : Err::FileNotFound);
            result = Value::object(folder ? newFolder(m_rt, p) : newFile(m_rt, p));
            return;
        }
        case kGetDrive:
            result = Value::object(getDrive(m_rt, str(args, 0)));
            return;
        case kDrives:
            result = applyDefault(Value::object(newDrives(m_rt)), args);
            return;
        case kGetFileVersion: {
            // Linux files carry no version resource: the classic answer for such a file.
            fs::path p = resolve(m_rt, str(args, 0), false);
            if (!isFile(p)) throwError(Err::FileNotFound);
            result = Value::string(std::u16string());
            return;
        }
        }
        throwError(Err::NoSuchMember);
    }

    std::mt19937 m_random;
};

} // namespace

Object* newFileSystemObject(Interp& rt) {
    return new FileSystemObject(rt);
}

} // namespace vbs
