// vbs: runs a VBScript file from the command line.
//   vbs [--include LIB.vbs]... [--timeout MS] FILE.vbs [args...]
// Provides the WScript object (WScript.h); prints an unhandled
// error as "FILE(line, col) error: message" and exits non-zero.
#include "WScript.h"

#include "../vbscript.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

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
    if (out.size() >= 3 && (unsigned char)out[0] == 0xEF && (unsigned char)out[1] == 0xBB &&
        (unsigned char)out[2] == 0xBF)
        out.erase(0, 3);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // vbs [--include LIB.vbs]... [--timeout MS] FILE.vbs [args...]
    std::vector<const char*> includes;
    int32_t timeoutMs = 0;
    if (const char* t = std::getenv("VBS_TIMEOUT_MS")) timeoutMs = int32_t(std::strtol(t, nullptr, 10));
    int first = 1;
    while (first + 1 < argc) {
        if (std::strcmp(argv[first], "--include") == 0)
            includes.push_back(argv[first + 1]);
        else if (std::strcmp(argv[first], "--timeout") == 0)
            timeoutMs = int32_t(std::strtol(argv[first + 1], nullptr, 10));
        else
            break;
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
        auto* ws = new WScriptObject(rt, script, args);
        vbs::Value hold = vbs::Value::object(ws);
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
