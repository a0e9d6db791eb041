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

// Windows-1252's characters for bytes 0x80-0x9F; the five it leaves undefined stand for themselves.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool validUtf8(std::string_view s) {
    static constexpr uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    for (size_t i = 0; i < s.size();) {
        auto c = (unsigned char)s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t n = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 0;
        if (!n || i + n >= s.size()) return false;
        uint32_t cp = c & (0x3F >> n);
        for (size_t k = 1; k <= n; ++k) {
            auto d = (unsigned char)s[i + k];
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and numbers past U+10FFFF are not UTF-8.
        if (cp < kLeast[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += n + 1;
    }
    return true;
}

// A script file as the classic script host reads it: in the encoding its byte-order mark names,
// else as UTF-8 when it is valid UTF-8, else as Windows-1252, one byte a character. The engine
// takes UTF-8.
std::string scriptText(std::string bytes) {
    auto starts = [&](std::string_view mark) {
        return std::string_view(bytes).substr(0, mark.size()) == mark;
    };
    if (starts("\xEF\xBB\xBF")) return bytes.substr(3);
    const bool le = starts("\xFF\xFE"), be = starts("\xFE\xFF");
    if (le || be) {
        std::u16string wide;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            auto lo = (unsigned char)bytes[i + (le ? 0 : 1)], hi = (unsigned char)bytes[i + (le ? 1 : 0)];
            wide.push_back(char16_t(lo | (hi << 8)));
        }
        return vbs::toUtf8(wide);
    }
    if (validUtf8(bytes)) return bytes;
    std::u16string wide;
    wide.reserve(bytes.size());
    for (char b : bytes) {
        auto c = (unsigned char)b;
        wide.push_back(c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : char16_t(c));
    }
    return vbs::toUtf8(wide);
}

bool readFile(const char* path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "vbs: cannot open %s\n", path);
        return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    out = scriptText(ss.str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // vbs [--include LIB.vbs]... [--timeout MS] FILE.vbs [args...]
    std::vector<const char*> includes;
    int32_t timeoutMs = 0;
    if (const char* t = std::getenv("VBS_TIMEOUT_MS")) timeoutMs = int32_t(std::strtol(t, nullptr, 10));
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf("usage: vbs [--include LIB.vbs]... [--timeout MS] FILE.vbs [args...]\n"
                    "  --include LIB.vbs  run LIB.vbs first (its definitions stay for the script)\n"
                    "  --timeout MS       stop the script after MS milliseconds (also VBS_TIMEOUT_MS)\n");
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vbs %s\n", PLAYER_VERSION);
        return 0;
    }
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
