// RegExp through the engine on 1 MB of text: a global Replace of numbers, a
// global Replace of words with groups ($1 / $2), and a global Execute
// walking its Matches. Each iteration runs one script statement.
#include "vbscript/vbscript.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// About 1 MB of prose with numbers: "word12 other 345 ..." repeated.
const char* kMakeText =
    "Dim text, piece, re, i, r, n\n"
    "piece = \"The quick brown fox 42 jumps over 7 lazy dogs, room 1138 and 90210 again. \"\n"
    "text = \"\"\n"
    "For i = 1 To 1048576 \\ Len(piece)\n"
    "  text = text & piece\n"
    "Next\n"
    "Set re = New RegExp\n"
    "re.Global = True\n";

void runStatement(benchmark::State& state, const char* setup, const char* statement) {
    vbs::Runtime rt;
    if (!rt.addCode(kMakeText) || !rt.executeStatement(setup)) {
        state.SkipWithError(rt.lastError().description.c_str());
        return;
    }
    for (auto _ : state) {
        if (!rt.executeStatement(statement)) {
            state.SkipWithError(rt.lastError().description.c_str());
            return;
        }
    }
    vbs::Value len;
    rt.eval("Len(text)", len);
    state.SetBytesProcessed(int64_t(state.iterations()) * 2 * len.asLong());
}

void BM_ReplaceDigits1MB(benchmark::State& s) {
    runStatement(s, "re.Pattern = \"\\d+\"", "r = re.Replace(text, \"#\")");
}
void BM_ReplaceWordGroups1MB(benchmark::State& s) {
    runStatement(s, "re.Pattern = \"(\\w)(\\w*)\"", "r = re.Replace(text, \"$2$1\")");
}
void BM_ReplaceIgnoreCase1MB(benchmark::State& s) {
    runStatement(s, "re.IgnoreCase = True : re.Pattern = \"\\bthe\\b\"", "r = re.Replace(text, \"A\")");
}
void BM_ExecuteDigits1MB(benchmark::State& s) {
    runStatement(s, "re.Pattern = \"\\d+\"", "n = re.Execute(text).Count");
}
void BM_ExecuteWalkWords1MB(benchmark::State& s) {
    runStatement(s, "re.Pattern = \"\\w+\"",
                 "n = 0 : For Each m In re.Execute(text) : n = n + m.Length : Next");
}
void BM_TestNoMatch1MB(benchmark::State& s) {
    runStatement(s, "re.Pattern = \"fox\\d\"", "r = re.Test(text)");
}

BENCHMARK(BM_ReplaceDigits1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceWordGroups1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceIgnoreCase1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExecuteDigits1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExecuteWalkWords1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TestNoMatch1MB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
