// Benchmarks of the VBScript engine on five classic programs, plus the
// parse + compile time of a 5 000-line script. The same programs exist in
// Lua under programs/ (see compare_lua.sh) for a reference ratio.
#include "vbscript/vbscript.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string load(const char* name) {
    std::ifstream in(std::string(VBS_BENCH_PROGRAMS) + "/" + name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void runProgram(benchmark::State& state, const char* file) {
    std::string code = load(file);
    if (code.empty()) {
        state.SkipWithError("program file missing");
        return;
    }
    for (auto _ : state) {
        vbs::Runtime rt;
        if (!rt.addCode(code)) {
            state.SkipWithError(rt.lastError().description.c_str());
            return;
        }
        vbs::Value r;
        rt.eval("result", r);
        benchmark::DoNotOptimize(r);
    }
}

void BM_Fib27(benchmark::State& s) {
    runProgram(s, "fib.vbs");
}
void BM_Loop10M(benchmark::State& s) {
    runProgram(s, "loop.vbs");
}
void BM_StringBuild100k(benchmark::State& s) {
    runProgram(s, "strings.vbs");
}
void BM_QuickSort100k(benchmark::State& s) {
    runProgram(s, "sort.vbs");
}
void BM_MethodCalls1M(benchmark::State& s) {
    runProgram(s, "methods.vbs");
}

BENCHMARK(BM_Fib27)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Loop10M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringBuild100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickSort100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MethodCalls1M)->Unit(benchmark::kMillisecond);

// String building must stay linear: time per piece should not grow with n.
void BM_StringBuildScaling(benchmark::State& state) {
    std::string code = "s = \"\"\nFor i = 1 To " + std::to_string(state.range(0)) + "\ns = s & \"xy\"\nNext";
    for (auto _ : state) {
        vbs::Runtime rt;
        rt.addCode(code);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StringBuildScaling)->Range(10000, 400000)->Complexity()->Unit(benchmark::kMillisecond);

// A 5 000-line script with procedures, classes and control flow; parsed and
// compiled but not run (its procedures are never called).
std::string bigScript() {
    std::string s = "Option Explicit\nDim total\n";
    int lines = 2;
    for (int i = 0; lines < 5000; ++i) {
        std::string n = std::to_string(i);
        s += "Function Work" + n +
             "(a, ByVal b)\n"
             "    Dim k, acc\n"
             "    acc = 0\n"
             "    For k = 1 To b Step 2\n"
             "        If (a Mod 3 = 0) And k > 2 Then\n"
             "            acc = acc + a * k - \"12\" & \"x\"\n"
             "        ElseIf a <> k Then\n"
             "            acc = acc & Mid(\"hello world\", 2, 3)\n"
             "        Else\n"
             "            Select Case k\n"
             "                Case 1, 2: acc = acc + 1\n"
             "                Case Else: acc = acc - 1\n"
             "            End Select\n"
             "        End If\n"
             "    Next\n"
             "    Work" +
             n +
             " = acc\n"
             "End Function\n"
             "Class C" +
             n +
             "\n"
             "    Private m_v\n"
             "    Public Property Get V() : V = m_v : End Property\n"
             "    Public Property Let V(x) : m_v = x : End Property\n"
             "End Class\n";
        lines += 22;
    }
    return s;
}

void BM_Compile5000Lines(benchmark::State& state) {
    std::string code = bigScript();
    for (auto _ : state) {
        vbs::Runtime rt;
        if (!rt.addCode(code)) {
            state.SkipWithError(rt.lastError().description.c_str());
            return;
        }
    }
}
BENCHMARK(BM_Compile5000Lines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
