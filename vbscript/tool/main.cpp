// vbs: runs a VBScript file from the command line.
//   vbs [--include LIB.vbs]... [--timeout MS] FILE.vbs [args...]
// Provides WScript.Echo / Arguments / Quit / ScriptName; prints an unhandled
// error as "FILE(line, col) error: message" and exits non-zero.
#include "../vbscript.h"
#include "../Convert.h"
#include "../Errors.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

using vbs::DispId;
using vbs::HostError;
using vbs::InvokeKind;
using vbs::Value;

class ArgumentsObject final : public vbs::Object {
public:
    explicit ArgumentsObject(std::vector<std::string> args) : m_args(std::move(args)) {}
    std::u16string typeName() const override { return u"Arguments"; }
    DispId memberId(std::u16string_view name) override {
        if (vbs::equalsNoCase(name, u"item")) return 0;
        if (vbs::equalsNoCase(name, u"count") || vbs::equalsNoCase(name, u"length")) return 1;
        return vbs::kDispUnknown;
    }
    const void* dispatchKey() const override { return &kKey; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        if (kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef) { err.number = 445; return false; }
        if (id == 1) { result = Value::longv(int32_t(m_args.size())); return true; }
        if (args.empty()) { err.number = 450; return false; }
        try {
            int32_t i = vbs::toLong(args[0].deref());
            if (i < 0 || size_t(i) >= m_args.size()) { err.number = 9; return false; }
            result = Value::fromUtf8(m_args[size_t(i)]);
            return true;
        } catch (...) {
            err.number = 13;
            return false;
        }
    }
    std::unique_ptr<vbs::Enumerator> enumerate() override {
        struct E : vbs::Enumerator {
            const std::vector<std::string>* args;
            size_t i = 0;
            bool next(Value& out) override {
                if (i >= args->size()) return false;
                out = Value::fromUtf8((*args)[i++]);
                return true;
            }
        };
        auto e = std::make_unique<E>();
        e->args = &m_args;
        return e;
    }

private:
    static const int kKey;
    std::vector<std::string> m_args;
};
const int ArgumentsObject::kKey = 0;

class WScriptObject final : public vbs::Object {
public:
    WScriptObject(std::string scriptPath, std::vector<std::string> args) : m_path(std::move(scriptPath)) {
        m_args = Value::object(new ArgumentsObject(std::move(args)));
    }
    std::u16string typeName() const override { return u"WScript"; }
    DispId memberId(std::u16string_view n) override {
        static const char16_t* names[] = {u"echo", u"arguments", u"quit", u"scriptname", u"scriptfullname", u"name", u"sleep"};
        for (int i = 0; i < 7; ++i)
            if (vbs::equalsNoCase(n, names[i])) return i + 1;
        return vbs::kDispUnknown;
    }
    const void* dispatchKey() const override { return &kKey; }
    bool invoke(DispId id, InvokeKind, std::span<Value> args, Value& result, HostError& err) override {
        try {
            switch (id) {
            case 1: {
                std::u16string line;
                for (size_t i = 0; i < args.size(); ++i) {
                    if (i) line += u' ';
                    Value v = args[i].deref();
                    if (v.isObject() && v.asObject()) {
                        Value dv;
                        if (!v.asObject()->invoke(vbs::kDispValue, InvokeKind::PropertyGet, {}, dv, err)) return false;
                        v = dv;
                    }
                    if (v.isNull()) line += u"Null";
                    else if (!v.isObject() && !v.isArray() && v.type() != vbs::VarType::Error) line += vbs::toString(v);
                    else { err.number = 13; return false; }
                }
                std::string s = vbs::toUtf8(line);
                std::fwrite(s.data(), 1, s.size(), stdout);
                std::fputc('\n', stdout);
                return true;
            }
            case 2:
                if (args.empty()) result = m_args;
                else {
                    HostError e2;
                    return m_args.asObject()->invoke(0, InvokeKind::Method, args, result, e2) || (err = e2, false);
                }
                return true;
            case 3:
                exitCode = args.empty() ? 0 : vbs::toLong(args[0].deref());
                quit = true;
                err.number = int32_t(vbs::Err::Interrupted);  // stops the script at once
                return false;
            case 4: case 5: {
                std::string name = m_path;
                if (id == 4) {
                    auto slash = name.find_last_of('/');
                    if (slash != std::string::npos) name = name.substr(slash + 1);
                }
                result = Value::fromUtf8(name);
                return true;
            }
            case 6: result = Value::string(std::u16string(u"vbs")); return true;
            case 7: return true;
            }
        } catch (...) {
            err.number = 13;
            return false;
        }
        err.number = 438;
        return false;
    }

    bool quit = false;
    int exitCode = 0;

private:
    static const int kKey;
    std::string m_path;
    Value m_args;
};
const int WScriptObject::kKey = 0;

}  // namespace

namespace {

bool readFile(const char* path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "vbs: cannot open %s\n", path);
        return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    if (out.size() >= 3 && (unsigned char)out[0] == 0xEF && (unsigned char)out[1] == 0xBB && (unsigned char)out[2] == 0xBF)
        out.erase(0, 3);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // vbs [--include LIB.vbs]... [--timeout MS] FILE.vbs [args...]
    std::vector<const char*> includes;
    int32_t timeoutMs = 0;
    if (const char* t = std::getenv("VBS_TIMEOUT_MS")) timeoutMs = int32_t(std::strtol(t, nullptr, 10));
    int first = 1;
    while (first + 1 < argc) {
        if (std::strcmp(argv[first], "--include") == 0) includes.push_back(argv[first + 1]);
        else if (std::strcmp(argv[first], "--timeout") == 0) timeoutMs = int32_t(std::strtol(argv[first + 1], nullptr, 10));
        else break;
        first += 2;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: vbs [--include LIB.vbs]... [--timeout MS] FILE.vbs [args...]\n");
        return 2;
    }
    const char* script = argv[first];
    std::string code;
    if (!readFile(script, code)) return 2;
    std::vector<std::pair<const char*, std::string>> libs;
    for (const char* inc : includes) {
        libs.emplace_back(inc, std::string());
        if (!readFile(inc, libs.back().second)) return 2;
    }

    std::vector<std::string> args(argv + first + 1, argv + argc);
    vbs::Config config;
    config.output = [](std::string_view s) {
        std::fwrite(s.data(), 1, s.size(), stdout);
        std::fputc('\n', stdout);
    };
    config.timeoutMs = timeoutMs;
    int rc = 0;
    {
        vbs::Runtime rt(config);
        auto* ws = new WScriptObject(script, args);
        Value hold = Value::object(ws);
        rt.addObject("WScript", ws);
        bool ok = true;
        for (auto& lib : libs) {
            if (!ok) break;
            ok = rt.addCode(lib.second, lib.first);
            if (!ok) script = lib.first;
        }
        if (ok) ok = rt.addCode(code, script);
        std::fflush(stdout);
        if (ws->quit) {
            rc = ws->exitCode;
        } else if (!ok) {
            const vbs::ErrorInfo& e = rt.lastError();
            std::fprintf(stderr, "%s(%d, %d) error: %s\n", script, e.line, e.column, e.description.c_str());
            if (!e.lineText.empty()) std::fprintf(stderr, "    %s\n", e.lineText.c_str());
            rc = 1;
        }
    }
    std::fflush(stdout);
    return rc;
}
