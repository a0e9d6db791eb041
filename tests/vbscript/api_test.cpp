// The embedding API: what a host sees and a script cannot observe.
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using vbs::Value;

TEST(VbsApi, AddCodeRunAndEval) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Function Twice(x)\nTwice = x * 2\nEnd Function\nDim g\ng = 21"));
    Value r;
    Value arg = Value::integer(5);
    ASSERT_TRUE(rt.run("twice", std::span<const Value>(&arg, 1), &r));
    EXPECT_EQ(r.asInteger(), 10);
    ASSERT_TRUE(rt.eval("g + 1", r));
    EXPECT_EQ(r.asInteger(), 22);
    ASSERT_TRUE(rt.executeStatement("g = g * 2"));
    ASSERT_TRUE(rt.eval("g", r));
    EXPECT_EQ(r.asInteger(), 42);
}

TEST(VbsApi, ResetForgetsEverything) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Dim kept\nkept = 5\nSub P()\nEnd Sub"));
    rt.reset();
    EXPECT_TRUE(rt.procedures().empty());
    Value r;
    ASSERT_TRUE(rt.eval("IsEmpty(kept)", r));
    EXPECT_TRUE(r.asBoolean());
}

TEST(VbsApi, ProceduresListed) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Sub A(x, y)\nEnd Sub\nFunction B()\nEnd Function"));
    auto procs = rt.procedures();
    ASSERT_EQ(procs.size(), 2u);
    bool sawA = false, sawB = false;
    for (const auto& p : procs) {
        if (p.name == "A") {
            sawA = true;
            EXPECT_EQ(p.argCount, 2);
            EXPECT_FALSE(p.hasReturnValue);
        }
        if (p.name == "B") {
            sawB = true;
            EXPECT_EQ(p.argCount, 0);
            EXPECT_TRUE(p.hasReturnValue);
        }
    }
    EXPECT_TRUE(sawA && sawB);
}

TEST(VbsApi, CompileErrorRecord) {
    vbs::Runtime rt;
    EXPECT_FALSE(rt.addCode("Dim a\na = (1 + \n", "x.vbs"));
    const auto& e = rt.lastError();
    EXPECT_EQ(e.number, 1023);
    EXPECT_TRUE(e.compile);
    EXPECT_EQ(e.line, 2);
    EXPECT_EQ(e.description, "Expected expression");
    EXPECT_EQ(e.lineText, "a = (1 + ");
}

TEST(VbsApi, RuntimeErrorRecordAndRecovery) {
    vbs::Runtime rt;
    EXPECT_FALSE(rt.addCode("Dim a\n\n  a = 1 / 0\n"));
    const auto& e = rt.lastError();
    EXPECT_EQ(e.number, 11);
    EXPECT_FALSE(e.compile);
    EXPECT_EQ(e.line, 3);
    EXPECT_EQ(e.column, 3);
    EXPECT_EQ(e.lineText, "  a = 1 / 0");
    // The runtime stays usable after an error.
    Value r;
    EXPECT_TRUE(rt.eval("1 + 1", r));
    EXPECT_EQ(r.asInteger(), 2);
    EXPECT_EQ(rt.lastError().number, 0);
}

TEST(VbsApi, RunUnknownProcedure) {
    vbs::Runtime rt;
    EXPECT_FALSE(rt.run("nothere", {}, nullptr));
    EXPECT_EQ(rt.lastError().number, 35);
}

// The engine's only printer is MsgBox when the host shows no boxes: the prompt goes to
// Config::output as UTF-8, one call per box, and the script carries on as if OK was pressed.
TEST(VbsApi, OutputCallback) {
    std::vector<std::string> out;
    vbs::Config cfg;
    cfg.output = [&](std::string_view s) { out.emplace_back(s); };
    vbs::Runtime rt(cfg);
    ASSERT_TRUE(rt.addCode("x = 1"));
    EXPECT_TRUE(out.empty());
    ASSERT_TRUE(rt.addCode("Sub Tell(n)\nMsgBox \"caf\xc3\xa9 \" & n, vbYesNo, \"T\"\nEnd Sub\n"
                           "answer = MsgBox(12.5)"));
    Value arg = Value::integer(2);
    ASSERT_TRUE(rt.run("Tell", std::span<const Value>(&arg, 1)));
    EXPECT_EQ(out, (std::vector<std::string>{"12.5", "caf\xc3\xa9 2"}));
    Value r;
    ASSERT_TRUE(rt.eval("answer", r));
    ASSERT_EQ(r.type(), vbs::VarType::Integer);
    EXPECT_EQ(r.asInteger(), 1); // vbOK
}

TEST(VbsApi, TimeoutStopsARunningScript) {
    vbs::Config cfg;
    cfg.timeoutMs = 50;
    vbs::Runtime rt(cfg);
    EXPECT_FALSE(rt.addCode("On Error Resume Next\nDo\nx = x + 1\nLoop"));
    EXPECT_EQ(rt.lastError().number, 1901);
    // A later call gets a fresh time budget.
    EXPECT_TRUE(rt.addCode("y = 1"));
}

TEST(VbsApi, InterruptFromAnotherThread) {
    vbs::Runtime rt;
    std::atomic<bool> started{false};
    std::thread stopper([&] {
        while (!started.load())
            std::this_thread::yield();
        rt.requestInterrupt();
    });
    vbs::Config unused;
    (void)unused;
    ASSERT_TRUE(rt.addCode("Function Spin()\nDo\nLoop\nEnd Function"));
    started = true;
    EXPECT_FALSE(rt.run("Spin", {}, nullptr));
    stopper.join();
    EXPECT_EQ(rt.lastError().number, 1900);
}

TEST(VbsApi, InterruptCallbackAndStepLimit) {
    int polls = 0;
    vbs::Config cfg;
    cfg.interruptCheck = [&] { return ++polls > 3; };
    vbs::Runtime rt(cfg);
    EXPECT_FALSE(rt.addCode("While True : Wend"));
    EXPECT_EQ(rt.lastError().number, 1900);

    vbs::Config limited;
    limited.stepLimit = 10000;
    vbs::Runtime rt2(limited);
    EXPECT_FALSE(rt2.addCode("Sub R()\nR\nEnd Sub\nFor i = 1 To 100000000 : Next"));
    EXPECT_EQ(rt2.lastError().number, 1901);
}

// A host object: a counter with a default property and an enumerator.
class HostCounter final : public vbs::Object {
  public:
    std::u16string typeName() const override { return u"HostCounter"; }
    vbs::DispId memberId(std::u16string_view name) override {
        ++lookups;
        if (vbs::equalsNoCase(name, u"value")) return 0;
        if (vbs::equalsNoCase(name, u"add")) return 1;
        if (vbs::equalsNoCase(name, u"fail")) return 2;
        return vbs::kDispUnknown;
    }
    const void* dispatchKey() const override { return &lookups; }
    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<Value> args, Value& result,
                vbs::HostError& err) override {
        if (id == 0 && kind == vbs::InvokeKind::PropertyPut) {
            value = number(args.back());
            return true;
        }
        if (id == 0) {
            result = Value::longv(value);
            return true;
        }
        if (id == 1) {
            value += args.empty() ? 1 : number(args[0]);
            return true;
        }
        err.number = 5;
        err.description = u"host failure";
        return false;
    }
    std::unique_ptr<vbs::Enumerator> enumerate() override {
        struct E : vbs::Enumerator {
            int i = 0;
            bool next(Value& out) override {
                if (i >= 3) return false;
                out = Value::integer(int16_t(++i));
                return true;
            }
        };
        return std::make_unique<E>();
    }
    static int number(const Value& v0) {
        const Value& v = v0.deref();
        return v.type() == vbs::VarType::Long ? v.asLong() : v.asInteger();
    }
    int value = 0;
    int lookups = 0;
};

TEST(VbsApi, HostObjectBridge) {
    vbs::Runtime rt;
    auto* c = new HostCounter;
    Value hold = Value::object(c);
    ASSERT_TRUE(rt.addObject("Counter", c));
    ASSERT_TRUE(rt.addCode("For i = 1 To 100\nCounter.Add 2\nNext\nCounter.Value = Counter.Value + 1\n"
                           "s = 0\nFor Each n In Counter\ns = s + n\nNext\nt = Counter + 0"));
    EXPECT_EQ(c->value, 201);
    // One lookup per call site, not per call.
    EXPECT_LE(c->lookups, 4);
    Value r;
    ASSERT_TRUE(rt.eval("s", r));
    EXPECT_EQ(r.asInteger(), 6);
    ASSERT_TRUE(rt.eval("t", r));
    EXPECT_EQ(r.asLong(), 201);
    EXPECT_FALSE(rt.addCode("Counter.Fail"));
    EXPECT_EQ(rt.lastError().number, 5);
    EXPECT_EQ(rt.lastError().description, "host failure");
    EXPECT_TRUE(rt.addCode("On Error Resume Next\nCounter.Fail\nIf Err.Number <> 5 Then Err.Raise 1"));
}

TEST(VbsApi, GlobalMembersOfAHostObject) {
    vbs::Runtime rt;
    auto* c = new HostCounter;
    Value hold = Value::object(c);
    ASSERT_TRUE(rt.addObject("Counter", c, true));
    ASSERT_TRUE(rt.addCode("Add 5\nAdd\nValue = Value + 10\nSub Bump()\nAdd 100\nEnd Sub\nBump\nr = Value"));
    EXPECT_EQ(c->value, 116);
    Value r;
    ASSERT_TRUE(rt.eval("r", r));
    EXPECT_EQ(r.asLong(), 116);
    // A name the script declares itself hides the member.
    ASSERT_TRUE(rt.addCode("Function Add(x)\nAdd = \"mine\"\nEnd Function\ny = Add(1)"));
    ASSERT_TRUE(rt.eval("y", r));
    EXPECT_EQ(r.asString(), u"mine");
    EXPECT_EQ(c->value, 116);
}

// A checked text lists the names nothing defines, with where they stand and whether that
// mention assigns them; definitions, named objects, global members and built-ins are not listed.
TEST(VbsApi, CheckCodeListsTheNamesNothingDefines) {
    vbs::Runtime rt;
    auto* c = new HostCounter;
    Value hold = Value::object(c);
    ASSERT_TRUE(rt.addObject("Counter", c, true));
    ASSERT_TRUE(rt.addCode("Dim shared\nSub Helper()\nEnd Sub"));
    std::vector<vbs::UndefinedName> names;
    ASSERT_TRUE(rt.checkCode("Sub S(p)\nDim d\nFor i = 1 To 2\nd = p + shared + Len(\"x\") + Value\n"
                             "Helper\nAdd 1\nNext\ntotal = missing + Missing2(3)\nReDim arr(2)\nEnd Sub",
                             names));
    std::vector<std::string> seen;
    for (const vbs::UndefinedName& n : names)
        seen.push_back(n.name + "@" + std::to_string(n.line) + ":" + std::to_string(n.column) +
                       (n.assigned ? "=" : ""));
    EXPECT_EQ(seen, (std::vector<std::string>{"i@3:5=", "total@8:1=", "missing@8:9", "Missing2@8:19"}));
    EXPECT_FALSE(rt.checkCode("Sub T(\nEnd Sub", names)) << "a syntax error is still one";
}

TEST(VbsApi, ScriptObjectsSeenByTheHost) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode(
        "Class P\nPublic Name\nPublic Function Hello(x)\nHello = \"hi \" & x\nEnd Function\nEnd Class\n"
        "Function Make()\nSet Make = New P\nMake.Name = \"n\"\nEnd Function"));
    Value obj;
    ASSERT_TRUE(rt.run("Make", {}, &obj));
    ASSERT_TRUE(obj.isObject());
    vbs::Object* o = obj.asObject();
    vbs::DispId id = o->memberId(u"HELLO");
    ASSERT_NE(id, vbs::kDispUnknown);
    Value arg = Value::string(std::u16string(u"there")), result;
    vbs::HostError err;
    ASSERT_TRUE(o->invoke(id, vbs::InvokeKind::Method, std::span<Value>(&arg, 1), result, err));
    EXPECT_EQ(result.asString(), u"hi there");
    EXPECT_EQ(o->memberId(u"nosuch"), vbs::kDispUnknown);
}

TEST(VbsApi, TerminateRunsWhenTheRuntimeIsDestroyed) {
    auto* c = new HostCounter;
    Value hold = Value::object(c);
    {
        vbs::Runtime rt;
        ASSERT_TRUE(rt.addObject("Counter", c));
        ASSERT_TRUE(rt.addCode(
            "Class T\nSub Class_Terminate()\nCounter.Add 7\nEnd Sub\nEnd Class\nSet keep = New T"));
        EXPECT_EQ(c->value, 0);
    }
    EXPECT_EQ(c->value, 7);
}

} // namespace

namespace {

TEST(VbsApi, TimeTheUserSpendsInTheScriptsBoxesIsNotTheScripts) {
    vbs::Config cfg;
    cfg.timeoutMs = 200;
    cfg.msgBox = [](std::string_view, int, std::string_view) {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        return 1;
    };
    cfg.inputBox = [](std::string_view, std::string_view, std::string_view) -> std::optional<std::string> {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        return "ok";
    };
    vbs::Runtime rt(cfg);
    EXPECT_TRUE(rt.addCode("MsgBox \"wait\" : x = InputBox(\"name?\") : MsgBox \"again\""))
        << rt.lastError().description;
    // The script's own time still counts.
    EXPECT_FALSE(rt.addCode("MsgBox \"wait\" : Do : Loop"));
    EXPECT_EQ(rt.lastError().number, 1901);
}

} // namespace
