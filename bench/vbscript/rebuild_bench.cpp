// What a host pays per script run when it rebuilds the engine every time:
// reset, ~50 named objects (the action object and the variables with global
// members), a 3 000-line procedures text behind a short wrapper, one call.
#include "vbscript/vbscript.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using vbs::DispId;
using vbs::HostError;
using vbs::InvokeKind;
using vbs::Value;

class Element final : public vbs::Object {
  public:
    DispId memberId(std::u16string_view n) override { return kMembers.find(n); }
    const void* dispatchKey() const override { return &kMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError&) override {
        if (kind == InvokeKind::PropertyPut)
            m_value = args.back().deref();
        else if (id == 0)
            result = m_value;
        return true;
    }

  private:
    static const vbs::MemberTable kMembers;
    Value m_value = Value::integer(0);
};
const vbs::MemberTable Element::kMembers{{u"Value", 0},   {u"GoToFrame", 1}, {u"Message", 2},
                                         {u"AddItem", 3}, {u"Visible", 4},   {u"Left", 5},
                                         {u"Top", 6},     {u"Caption", 7}};

// ~3 000 lines: 150 procedures of about 20 lines each.
std::string procedures() {
    std::string code;
    for (int p = 0; p < 150; ++p) {
        std::string n = std::to_string(p);
        code += "Function Helper" + n + "(a, b)\r\n";
        code += "  Dim i, s, total\r\n";
        code += "  total = 0\r\n";
        code += "  For i = 1 To a\r\n";
        code += "    If i Mod 3 = 0 Then\r\n";
        code += "      total = total + i * b\r\n";
        code += "    ElseIf i Mod 5 = 0 Then\r\n";
        code += "      total = total - 1\r\n";
        code += "    Else\r\n";
        code += "      s = s & Chr(65 + (i Mod 26))\r\n";
        code += "    End If\r\n";
        code += "  Next\r\n";
        code += "  Select Case total Mod 4\r\n";
        code += "    Case 0: Message \"zero " + n + "\"\r\n";
        code += "    Case 1: GoToFrame \"Frame" + n + "\", 0, 1\r\n";
        code += "    Case Else: AddItem \"Item" + n + "\", True\r\n";
        code += "  End Select\r\n";
        code += "  Helper" + n + " = Len(s) + total + Var" + std::to_string(p % 48 + 1) + "\r\n";
        code += "End Function\r\n";
        code += "\r\n";
    }
    return code;
}

struct Host {
    Host() {
        for (int i = 0; i < 50; ++i)
            objects.push_back(Value::object(new Element));
    }
    // One execution as the player does it; wrapper is the script's own code.
    void execute(vbs::Runtime& rt, const std::string& wrapper, const std::string& procs) {
        rt.reset();
        rt.addObject("Action", objects[0].asObject(), true);
        rt.addCode("Sub Procedure_that_is_going_to_be_executed\r\n\r\n" + wrapper +
                   "\r\n\r\nEnd Sub\r\n\r\n" + procs);
        for (int i = 1; i < 49; ++i)
            rt.addObject("Var" + std::to_string(i), objects[size_t(i)].asObject(), true);
        rt.addObject("Hotspot", objects[49].asObject(), true);
        if (!rt.run("Procedure_that_is_going_to_be_executed", {})) std::abort();
    }
    std::vector<Value> objects;
};

void BM_RebuildUnchangedCode(benchmark::State& state) {
    Host host;
    vbs::Runtime rt;
    std::string procs = procedures();
    std::string wrapper =
        "Dim r\r\nr = Helper7(10, 2)\r\nIf r > 5 Then Var3 = Var3 + 1\r\nVar4 = r\r\nMessage CStr(r)";
    for (auto _ : state)
        host.execute(rt, wrapper, procs);
    state.counters["reused"] = double(rt.stats().codeReused);
}
BENCHMARK(BM_RebuildUnchangedCode)->Unit(benchmark::kMicrosecond);

void BM_RebuildChangedCode(benchmark::State& state) {
    Host host;
    vbs::Runtime rt;
    std::string procs = procedures();
    int n = 0;
    for (auto _ : state) {
        // A different script each time, as different hotspots run different code.
        std::string wrapper = "Dim r\r\nr = Helper" + std::to_string(n++ % 150) +
                              "(10, 2)\r\nIf r > 5 Then Var3 = Var3 + 1\r\nVar4 = r\r\nMessage CStr(r)";
        host.execute(rt, wrapper, procs);
    }
    state.counters["compiled"] = double(rt.stats().codeCompiled);
}
BENCHMARK(BM_RebuildChangedCode)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
