#include "WScript.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../MemberTable.h"
#include "../objects/ObjectKit.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

using vbs::DispId;
using vbs::HostError;
using vbs::InvokeKind;
using vbs::Value;

namespace {

// WScript.Arguments and its Named / Unnamed views: "/name:value" and "/flag"
// are named arguments, everything else unnamed, in order.
class ArgumentsObject final : public vbs::Object {
  public:
    enum class View { All, Named, Unnamed };
    ArgumentsObject(std::vector<std::string> args, View view) : m_view(view) {
        for (auto& a : args) {
            bool named = a.size() > 1 && a[0] == '/';
            if (view == View::All || (view == View::Unnamed && !named)) m_items.push_back(a);
            if (view == View::Named && named) {
                auto colon = a.find(':');
                m_names.push_back(
                    vbs::fromUtf8(a.substr(1, colon == std::string::npos ? std::string::npos : colon - 1)));
                m_items.push_back(colon == std::string::npos ? std::string() : a.substr(colon + 1));
            }
        }
        if (view == View::All) {
            m_named = Value::object(new ArgumentsObject(args, View::Named));
            m_unnamed = Value::object(new ArgumentsObject(std::move(args), View::Unnamed));
        }
    }
    std::u16string typeName() const override { return u"Object"; }
    DispId memberId(std::u16string_view name) override { return kMembers.find(name); }
    const void* dispatchKey() const override { return &kMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        if (vbs::isPut(kind)) {
            err.number = 445;
            return false;
        }
        if (id == kCount) {
            result = Value::longv(int32_t(m_items.size()));
            return true;
        }
        if (id == kNamed || id == kUnnamed) {
            if (m_view != View::All) {
                err.number = 438;
                return false;
            }
            const Value& view = id == kNamed ? m_named : m_unnamed;
            if (!args.empty()) return view.asObject()->invoke(kItem, InvokeKind::Method, args, result, err);
            result = view;
            return true;
        }
        if (args.empty()) {
            err.number = 450;
            return false;
        }
        return vbs::hostCall(err, [&] {
            const Value& key = args[0].deref();
            if (m_view == View::Named) {
                // Named arguments are found by name, without regard to case.
                std::u16string name = vbs::toString(key);
                size_t i = 0;
                while (i < m_names.size() && !vbs::equalsNoCase(m_names[i], name))
                    ++i;
                if (id == kExists) {
                    result = Value::boolean(i < m_names.size());
                    return;
                }
                result = i < m_names.size() ? Value::fromUtf8(m_items[i]) : Value();
                return;
            }
            if (id == kExists) vbs::throwError(vbs::Err::NoSuchMember);
            int32_t i = vbs::toLong(key);
            if (i < 0 || size_t(i) >= m_items.size()) vbs::throwError(vbs::Err::SubscriptOutOfRange);
            result = Value::fromUtf8(m_items[size_t(i)]);
        });
    }
    std::unique_ptr<vbs::Enumerator> enumerate() override {
        struct E : vbs::Enumerator {
            const ArgumentsObject* self;
            size_t i = 0;
            bool next(Value& out) override {
                size_t n = self->m_view == View::Named ? self->m_names.size() : self->m_items.size();
                if (i >= n) return false;
                out = self->m_view == View::Named ? Value::string(self->m_names[i])
                                                  : Value::fromUtf8(self->m_items[i]);
                ++i;
                return true;
            }
        };
        auto e = std::make_unique<E>();
        e->self = this;
        return e;
    }

  private:
    enum { kItem = 0, kCount, kNamed, kUnnamed, kExists };
    static const vbs::MemberTable kMembers;
    View m_view;
    std::vector<std::string> m_items;
    std::vector<std::u16string> m_names;
    Value m_named, m_unnamed;
};
const vbs::MemberTable ArgumentsObject::kMembers{{u"Item", kItem},       {u"Count", kCount},
                                                 {u"Length", kCount},    {u"Named", kNamed},
                                                 {u"Unnamed", kUnnamed}, {u"Exists", kExists}};

// WScript.StdIn / StdOut / StdErr: text streams on the process's own.
class StdStream final : public vbs::Object {
  public:
    explicit StdStream(std::FILE* f) : m_file(f) {}
    std::u16string typeName() const override { return u"TextStream"; }
    DispId memberId(std::u16string_view name) override { return kMembers.find(name); }
    const void* dispatchKey() const override { return &kMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        if (vbs::isPut(kind)) {
            err.number = 445;
            return false;
        }
        bool reading = m_file == stdin;
        bool readMember = id >= kRead;
        if (reading != readMember) {
            err.number = int32_t(vbs::Err::BadFileMode);
            return false;
        }
        return vbs::hostCall(err, [&] {
            switch (id) {
            case kWrite:
                put(args.empty() ? u"" : text(args[0]));
                break;
            case kWriteLine:
                put((args.empty() ? std::u16string() : text(args[0])) + u"\n");
                break;
            case kWriteBlankLines: {
                int32_t n = args.empty() ? 0 : vbs::toLong(args[0].deref());
                for (int32_t i = 0; i < n; ++i)
                    put(u"\n");
                break;
            }
            case kClose:
                std::fflush(m_file);
                break;
            case kReadLine: {
                if (atEnd()) vbs::throwError(vbs::Err::InputPastEnd);
                std::string line;
                int c;
                while ((c = std::fgetc(m_file)) != EOF && c != '\n')
                    line += char(c);
                if (!line.empty() && line.back() == '\r') line.pop_back();
                result = Value::fromUtf8(line);
                break;
            }
            case kReadAll: {
                std::string all;
                int c;
                while ((c = std::fgetc(m_file)) != EOF)
                    all += char(c);
                result = Value::fromUtf8(all);
                break;
            }
            case kRead: {
                int32_t n = args.empty() ? 1 : vbs::toLong(args[0].deref());
                if (n < 0) vbs::throwError(vbs::Err::InvalidCall);
                if (n > 0 && atEnd()) vbs::throwError(vbs::Err::InputPastEnd);
                std::string got;
                int c;
                while (int32_t(got.size()) < n && (c = std::fgetc(m_file)) != EOF)
                    got += char(c);
                result = Value::fromUtf8(got);
                break;
            }
            case kSkipLine: {
                int c;
                while ((c = std::fgetc(m_file)) != EOF && c != '\n') {
                }
                break;
            }
            case kAtEndOfStream:
                result = Value::boolean(atEnd());
                break;
            }
        });
    }

  private:
    enum {
        kWrite,
        kWriteLine,
        kWriteBlankLines,
        kClose,
        kRead = 10,
        kReadLine,
        kReadAll,
        kSkipLine,
        kAtEndOfStream
    };
    static const vbs::MemberTable kMembers;
    static std::u16string text(const Value& v) { return vbs::toString(v.deref()); }
    void put(const std::u16string& s) {
        std::string u = vbs::toUtf8(s);
        std::fwrite(u.data(), 1, u.size(), m_file);
    }
    bool atEnd() {
        int c = std::fgetc(m_file);
        if (c == EOF) return true;
        std::ungetc(c, m_file);
        return false;
    }
    std::FILE* m_file;
};
const vbs::MemberTable StdStream::kMembers{
    {u"Write", kWrite},     {u"WriteLine", kWriteLine}, {u"WriteBlankLines", kWriteBlankLines},
    {u"Close", kClose},     {u"Read", kRead},           {u"ReadLine", kReadLine},
    {u"ReadAll", kReadAll}, {u"SkipLine", kSkipLine},   {u"AtEndOfStream", kAtEndOfStream}};

enum WMember {
    kEcho = 1,
    kArguments,
    kQuit,
    kScriptName,
    kScriptFullName,
    kName,
    kFullName,
    kPath,
    kVersion,
    kSleep,
    kStdIn,
    kStdOut,
    kStdErr,
    kCreateObject,
    kInteractive
};
const vbs::MemberTable kWScriptMembers{{u"Echo", kEcho},
                                       {u"Arguments", kArguments},
                                       {u"Quit", kQuit},
                                       {u"ScriptName", kScriptName},
                                       {u"ScriptFullName", kScriptFullName},
                                       {u"Name", kName},
                                       {u"FullName", kFullName},
                                       {u"Path", kPath},
                                       {u"Version", kVersion},
                                       {u"Sleep", kSleep},
                                       {u"StdIn", kStdIn},
                                       {u"StdOut", kStdOut},
                                       {u"StdErr", kStdErr},
                                       {u"CreateObject", kCreateObject},
                                       {u"Interactive", kInteractive}};

std::string selfPath() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("vbs") : p.string();
}

} // namespace

WScriptObject::WScriptObject(vbs::Runtime& rt, std::string scriptPath, std::vector<std::string> args)
    : m_rt(rt), m_path(std::move(scriptPath)) {
    m_args = Value::object(new ArgumentsObject(std::move(args), ArgumentsObject::View::All));
    m_stdIn = Value::object(new StdStream(stdin));
    m_stdOut = Value::object(new StdStream(stdout));
    m_stdErr = Value::object(new StdStream(stderr));
}

DispId WScriptObject::memberId(std::u16string_view name) {
    return kWScriptMembers.find(name);
}
const void* WScriptObject::dispatchKey() const {
    return &kWScriptMembers;
}

bool WScriptObject::echo(std::span<Value> args, HostError& err) {
    std::u16string line;
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) line += u' ';
        Value v = args[i].deref();
        if (v.isObject() && v.asObject()) {
            Value dv;
            if (!v.asObject()->invoke(vbs::kDispValue, InvokeKind::PropertyGet, {}, dv, err)) return false;
            v = dv;
        }
        if (v.isNull())
            line += u"Null";
        else if (!v.isObject() && !v.isArray() && v.type() != vbs::VarType::Error)
            line += vbs::toString(v);
        else {
            err.number = 13;
            return false;
        }
    }
    std::string s = vbs::toUtf8(line);
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
    return true;
}

// Sleeps in short slices so a time-out or an interrupt still stops the script.
bool WScriptObject::sleep(std::span<Value> args, HostError& err) {
    int32_t ms = 0;
    if (args.empty()) {
        err.number = 450;
        return false;
    }
    if (!vbs::hostCall(err, [&] { ms = vbs::toLong(args[0].deref()); })) return false;
    if (ms < 0) {
        err.number = 5;
        return false;
    }
    std::fflush(stdout);
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (int32_t stop = m_rt.pendingStop()) {
            err.number = stop;
            return false;
        }
        auto now = std::chrono::steady_clock::now();
        if (now >= until) return true;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(until - now, std::chrono::milliseconds(10)));
    }
}

bool WScriptObject::invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) {
    if (vbs::isPut(kind)) {
        err.number = 445;
        return false;
    }
    switch (id) {
    case kEcho:
        return echo(args, err);
    case kArguments:
        if (args.empty()) {
            result = m_args;
            return true;
        }
        return m_args.asObject()->invoke(0, InvokeKind::Method, args, result, err);
    case kQuit:
        if (!args.empty() && !vbs::hostCall(err, [&] { exitCode = vbs::toLong(args[0].deref()); }))
            return false;
        quit = true;
        err.number = int32_t(vbs::Err::Interrupted); // stops the script at once
        return false;
    case kScriptName:
    case kScriptFullName: {
        std::string name = m_path;
        if (id == kScriptName)
            name = std::filesystem::path(name).filename().string();
        else
            name = std::filesystem::absolute(name).lexically_normal().string();
        result = Value::fromUtf8(name);
        return true;
    }
    case kName:
        result = Value::string(std::u16string(u"vbs"));
        return true;
    case kFullName:
        result = Value::fromUtf8(selfPath());
        return true;
    case kPath:
        result = Value::fromUtf8(std::filesystem::path(selfPath()).parent_path().string());
        return true;
    case kVersion:
        result = Value::string(std::u16string(u"5.8"));
        return true;
    case kSleep:
        return sleep(args, err);
    case kStdIn:
        result = m_stdIn;
        return true;
    case kStdOut:
        result = m_stdOut;
        return true;
    case kStdErr:
        result = m_stdErr;
        return true;
    case kInteractive:
        result = Value::boolean(false);
        return true;
    case kCreateObject: {
        if (args.empty()) {
            err.number = 450;
            return false;
        }
        std::u16string progId;
        if (!vbs::hostCall(err, [&] { progId = vbs::toString(args[0].deref()); })) return false;
        vbs::Object* o = m_rt.createClassicObject(progId);
        if (!o) {
            err.number = int32_t(vbs::Err::CantCreateObject);
            err.description = u"ActiveX component can't create object: '" + progId + u"'";
            return false;
        }
        result = Value::object(o);
        return true;
    }
    }
    err.number = 438;
    return false;
}
