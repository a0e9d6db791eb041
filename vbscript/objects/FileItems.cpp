// File, Folder and the Files / SubFolders collections. Every member re-resolves
// the held path and asks the policy again, so an object made while a path was
// allowed cannot be used to reach it through a link swapped in later.
#include "FileItems.h"
#include "FileAccess.h"
#include "FileOps.h"
#include "ObjectKit.h"
#include "TextStream.h"

#include "../Convert.h"
#include "../Interp.h"
#include "../builtins/Builtins.h"

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace vbs::files {

double dateFromTime(int64_t seconds) {
    time_t t = time_t(seconds);
    struct tm tm {};
    localtime_r(&t, &tm);
    return dateSerial(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) +
           timeSerial(tm.tm_hour, tm.tm_min, tm.tm_sec);
}

namespace {

// Whole numbers the size of a file: Long while they fit, Double beyond.
Value sizeValue(uint64_t n) {
    return n <= 0x7FFFFFFF ? Value::longv(int32_t(n)) : Value::dbl(double(n));
}

uint64_t treeSize(Interp& rt, const fs::path& p, int depth) {
    if (depth > 128) return 0;
    uint64_t total = 0;
    std::error_code ec;
    for (fs::directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec)) {
        checkStop(rt);
        auto st = it->symlink_status(ec); // links are not followed: nothing outside is counted
        if (fs::is_directory(st))
            total += treeSize(rt, it->path(), depth + 1);
        else if (fs::is_regular_file(st))
            total += it->file_size(ec);
    }
    return total;
}

std::u16string typeText(const fs::path& p, bool folder) {
    if (folder) return u"File folder";
    std::u16string ext = scriptText(p.extension());
    if (!ext.empty()) ext.erase(0, 1);
    for (auto& c : ext)
        if (c >= 'a' && c <= 'z') c = char16_t(c - 32);
    if (ext == u"TXT") return u"Text Document";
    if (ext.empty()) return u"File";
    return ext + u" File";
}

enum : DispId {
    kPath = kDispValue,
    kName,
    kShortName,
    kShortPath,
    kSize,
    kDateCreated,
    kDateLastModified,
    kDateLastAccessed,
    kAttributes,
    kType,
    kParentFolder,
    kDrive,
    kCopy,
    kMove,
    kDelete,
    kOpenAsTextStream, // File
    kFiles,
    kSubFolders,
    kIsRootFolder,
    kCreateTextFile, // Folder
};

#define VBS_COMMON_MEMBERS                                                                                   \
    {u"path", kPath}, {u"name", kName}, {u"shortname", kShortName}, {u"shortpath", kShortPath},              \
        {u"size", kSize}, {u"datecreated", kDateCreated}, {u"datelastmodified", kDateLastModified},          \
        {u"datelastaccessed", kDateLastAccessed}, {u"attributes", kAttributes}, {u"type", kType},            \
        {u"parentfolder", kParentFolder}, {u"drive", kDrive}, {u"copy", kCopy}, {u"move", kMove}, {          \
        u"delete", kDelete                                                                                   \
    }

const MemberName kFileMembers[] = {VBS_COMMON_MEMBERS, {u"openastextstream", kOpenAsTextStream}};
const MemberName kFolderMembers[] = {VBS_COMMON_MEMBERS,
                                     {u"files", kFiles},
                                     {u"subfolders", kSubFolders},
                                     {u"isrootfolder", kIsRootFolder},
                                     {u"createtextfile", kCreateTextFile}};
#undef VBS_COMMON_MEMBERS

Object* newItemList(Interp& rt, fs::path folder, bool folders);

class FileItem final : public EngineObject {
  public:
    FileItem(Interp& rt, fs::path path, bool folder)
        : EngineObject(rt), m_path(std::move(path)), m_folder(folder) {}

    std::u16string typeName() const override { return m_folder ? u"Folder" : u"File"; }
    DispId memberId(std::u16string_view name) override {
        return m_folder ? findMember(kFolderMembers, name) : findMember(kFileMembers, name);
    }
    const void* dispatchKey() const override { return m_folder ? kFolderMembers : kFileMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] { dispatch(id, kind, args, result); });
    }

  private:
    // The held path, still there, still allowed.
    fs::path current(bool write) {
        fs::path p = resolveNative(m_rt, m_path, write);
        if (m_folder ? !isFolder(p) : !isFile(p))
            throwError(m_folder ? Err::PathNotFound : Err::FileNotFound);
        return p;
    }

    bool isRoot() {
        if (m_path == m_path.root_path()) return true;
        return tryResolve(m_rt, m_path.parent_path(), false).empty();
    }

    void dispatch(DispId id, InvokeKind kind, std::span<Value> args, Value& result) {
        const bool put = isPut(kind);
        if (put && id != kName && id != kAttributes) throwError(Err::WrongArgCount);
        auto arity = [&](size_t lo, size_t hi) {
            size_t n = args.size() - (put ? 1 : 0);
            if (n < lo || n > hi) throwError(Err::WrongArgCount);
        };
        switch (id) {
        case kPath:
        case kShortPath:
            arity(0, 0);
            result = Value::string(scriptText(m_path));
            return;
        case kName:
        case kShortName:
            arity(0, 0);
            if (put && id == kName)
                rename(argString(m_rt, args, 0));
            else if (!put)
                result = Value::string(nameOf(m_path));
            else
                throwError(Err::WrongArgCount);
            return;
        case kSize: {
            arity(0, 0);
            fs::path p = current(false);
            std::error_code ec;
            result = sizeValue(m_folder ? treeSize(m_rt, p, 0) : fs::file_size(p, ec));
            return;
        }
        case kDateCreated:
        case kDateLastModified:
        case kDateLastAccessed: {
            arity(0, 0);
            fs::path p = current(false);
            struct statx sx {};
            if (::statx(AT_FDCWD, p.c_str(), 0, STATX_BTIME | STATX_MTIME | STATX_ATIME, &sx) != 0)
                raiseErrno(errno);
            int64_t t = sx.stx_mtime.tv_sec;
            if (id == kDateLastAccessed) t = sx.stx_atime.tv_sec;
            if (id == kDateCreated && (sx.stx_mask & STATX_BTIME)) t = sx.stx_btime.tv_sec;
            result = Value::date(dateFromTime(t));
            return;
        }
        case kAttributes: {
            arity(0, 0);
            if (put) {
                fs::path p = current(true);
                // Only the read-only bit has a Linux counterpart; the others are kept as they are.
                bool ro = (toLong(m_rt.scalar(args[0])) & 1) != 0;
                struct stat st;
                if (::stat(p.c_str(), &st) != 0) raiseErrno(errno);
                mode_t mode =
                    ro ? (st.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (st.st_mode | S_IWUSR);
                if (::chmod(p.c_str(), mode & 07777) != 0) raiseErrno(errno);
                return;
            }
            fs::path p = current(false);
            int32_t a = m_folder ? 16 : 32;
            if (isReadOnly(p)) a |= 1;
            if (nameOf(p).starts_with(u".")) a |= 2;
            result = Value::longv(a);
            return;
        }
        case kType:
            arity(0, 0);
            result = Value::string(typeText(m_path, m_folder));
            return;
        case kParentFolder: {
            arity(0, 0);
            if (isRoot()) {
                result = Value::nothing();
                return;
            }
            fs::path parent = resolveNative(m_rt, m_path.parent_path(), false);
            result = Value::object(newFolder(m_rt, parent));
            return;
        }
        case kDrive:
            arity(0, 0);
            result = Value::object(driveOf(m_rt, m_path));
            return;
        case kCopy: {
            arity(1, 2);
            bool overwrite = !hasArg(args, 1) || toBool(m_rt.scalar(args[1]));
            fs::path src = current(false);
            fs::path dst = destination(m_rt, src, argString(m_rt, args, 0), false);
            if (m_folder)
                copyFolder(m_rt, src, dst, overwrite);
            else
                copyFile(m_rt, src, dst, overwrite);
            return;
        }
        case kMove: {
            arity(1, 1);
            fs::path src = current(true);
            fs::path dst = destination(m_rt, src, argString(m_rt, args, 0), false);
            moveEntry(m_rt, src, dst);
            m_path = dst;
            return;
        }
        case kDelete: {
            arity(0, 1);
            bool force = hasArg(args, 0) && toBool(m_rt.scalar(args[0]));
            fs::path p = current(true);
            if (m_folder)
                deleteFolder(m_rt, p, force);
            else
                deleteFile(p, force);
            return;
        }
        case kOpenAsTextStream: {
            arity(0, 2);
            int32_t mode = hasArg(args, 0) ? argLong(m_rt, args, 0) : ForReading;
            int32_t format = hasArg(args, 1) ? argLong(m_rt, args, 1) : 0;
            fs::path p = current(mode != ForReading);
            result = Value::object(openTextStream(m_rt, p, mode, Create::Never, format));
            return;
        }
        case kFiles:
        case kSubFolders: {
            if (put) throwError(Err::WrongArgCount);
            current(false);
            result = applyDefault(Value::object(newItemList(m_rt, m_path, id == kSubFolders)), args);
            return;
        }
        case kIsRootFolder:
            arity(0, 0);
            result = Value::boolean(isRoot());
            return;
        case kCreateTextFile: {
            arity(1, 3);
            std::string native = mapOnly(m_rt, argString(m_rt, args, 0));
            if (native.empty()) throwError(Err::InvalidCall);
            bool overwrite = !hasArg(args, 1) || toBool(m_rt.scalar(args[1]));
            bool unicode = hasArg(args, 2) && toBool(m_rt.scalar(args[2]));
            fs::path p = resolveNative(m_rt, current(false) / native, true);
            result = Value::object(openTextStream(
                m_rt, p, ForWriting, overwrite ? Create::Always : Create::New, unicode ? -1 : 0));
            return;
        }
        }
        throwError(Err::NoSuchMember);
    }

    void rename(const std::u16string& newName) {
        if (newName.empty() || newName == u"." || newName == u".." ||
            newName.find_first_of(u"\\/:*?\"<>|") != std::u16string::npos)
            throwError(Err::InvalidCall);
        fs::path src = current(true);
        fs::path dst = resolveNative(m_rt, src.parent_path() / toUtf8(newName), true);
        moveEntry(m_rt, src, dst);
        m_path = dst;
    }

    fs::path m_path;
    bool m_folder;
};

// Files or SubFolders of one folder, listed afresh on each use.
const MemberName kListMembers[] = {{u"item", kDispValue}, {u"count", 1}};

class ItemList final : public EngineObject {
  public:
    ItemList(Interp& rt, fs::path folder, bool folders)
        : EngineObject(rt), m_folder(std::move(folder)), m_folders(folders) {}

    std::u16string typeName() const override { return m_folders ? u"Folders" : u"Files"; }
    DispId memberId(std::u16string_view name) override {
        if (m_folders && equalsNoCase(name, u"add")) return 2;
        return findMember(kListMembers, name);
    }
    const void* dispatchKey() const override {
        return m_folders ? static_cast<const void*>(&m_folders) : kListMembers;
    }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] {
            if (isPut(kind)) throwError(Err::WrongArgCount);
            if (id == 1) {
                if (!args.empty()) throwError(Err::WrongArgCount);
                result = Value::longv(int32_t(entries().size()));
            } else if (id == kDispValue) {
                if (args.size() != 1) throwError(Err::WrongArgCount);
                std::string native = mapOnly(m_rt, argString(m_rt, args, 0));
                if (native.empty()) throwError(Err::InvalidCall);
                fs::path p = resolveNative(m_rt, folder() / native, false);
                if (m_folders ? !isFolder(p) : !isFile(p))
                    throwError(m_folders ? Err::PathNotFound : Err::FileNotFound);
                result = Value::object(m_folders ? newFolder(m_rt, p) : newFile(m_rt, p));
            } else if (id == 2) { // SubFolders.Add name
                if (args.size() != 1) throwError(Err::WrongArgCount);
                std::string native = mapOnly(m_rt, argString(m_rt, args, 0));
                if (native.empty()) throwError(Err::InvalidCall);
                fs::path p = resolveNative(m_rt, folder() / native, true);
                std::error_code ec;
                if (fs::exists(fs::symlink_status(p, ec))) throwError(Err::FileAlreadyExists);
                if (!fs::create_directory(p, ec)) raiseErrno(ec ? ec.value() : EEXIST, Err::PathNotFound);
                result = Value::object(newFolder(m_rt, p));
            } else {
                throwError(Err::NoSuchMember);
            }
        });
    }

    std::unique_ptr<Enumerator> enumerate() override {
        std::vector<Value> items;
        try {
            for (auto& p : entries())
                items.push_back(Value::object(m_folders ? newFolder(m_rt, p) : newFile(m_rt, p)));
        } catch (const ScriptError&) {
            items.clear(); // the folder went away or was refused: an empty loop
        }
        return std::make_unique<ListEnumerator>(std::move(items));
    }

  private:
    fs::path folder() {
        fs::path p = resolveNative(m_rt, m_folder, false);
        if (!isFolder(p)) throwError(Err::PathNotFound);
        return p;
    }

    // Entries of the wanted kind that resolve to allowed places, in name order.
    std::vector<fs::path> entries() {
        fs::path dir = folder();
        std::vector<std::pair<std::u16string, fs::path>> found;
        std::error_code ec;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            fs::path p = tryResolve(m_rt, it->path(), false);
            if (p.empty() || (m_folders ? !isFolder(p) : !isFile(p))) continue;
            found.emplace_back(lowerName(nameOf(it->path())), std::move(p));
        }
        std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<fs::path> out;
        for (auto& f : found)
            out.push_back(std::move(f.second));
        return out;
    }

    fs::path m_folder;
    bool m_folders;
};

Object* newItemList(Interp& rt, fs::path folder, bool folders) {
    return new ItemList(rt, std::move(folder), folders);
}

} // namespace

Object* newFile(Interp& rt, fs::path path) {
    return new FileItem(rt, std::move(path), false);
}
Object* newFolder(Interp& rt, fs::path path) {
    return new FileItem(rt, std::move(path), true);
}

} // namespace vbs::files
