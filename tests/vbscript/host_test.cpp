// What a host that rebuilds its engine before every script relies on: reset
// rounds (and the reuse of compiled code between them), named objects with
// global members, object creation switched off, dialogs and time-outs.
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vbs::DispId;
using vbs::HostError;
using vbs::InvokeKind;
using vbs::Value;

// A host object with a readable/writable default Value, a Name, a method and
// a callback hook, counting how often it is released.
class Probe final : public vbs::Object {
  public:
    explicit Probe(std::u16string name, int* releases = nullptr)
        : m_name(std::move(name)), m_releases(releases) {}
    std::u16string typeName() const override { return u"Probe"; }
    DispId memberId(std::u16string_view n) override { return kMembers.find(n); }
    const void* dispatchKey() const override { return &kMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        bool put = kind == InvokeKind::PropertyPut;
        switch (id) {
        case 0:
            if (put)
                value = args.back().deref();
            else
                result = value;
            return true;
        case 1:
            result = Value::string(m_name);
            return true;
        case 2: // Twice(x)
            if (args.size() != 1) {
                err.number = 450;
                return false;
            }
            result = Value::longv(2 * args[0].deref().asInteger());
            return true;
        case 3: // Hook: runs the host's callback in the middle of a script
            if (hook) hook();
            return true;
        }
        err.number = 438;
        return false;
    }
    Value value;
    std::function<void()> hook;

  protected:
    void lastReleased() override {
        if (m_releases) ++*m_releases;
        delete this;
    }

  private:
    static const vbs::MemberTable kMembers;
    std::u16string m_name;
    int* m_releases;
};
const vbs::MemberTable Probe::kMembers{{u"Value", 0}, {u"Name", 1}, {u"Twice", 2}, {u"Hook", 3}};

struct Held {
    explicit Held(Probe* p) : probe(p), hold(Value::object(p)) {}
    Probe* probe;
    Value hold;
};

std::string evalText(vbs::Runtime& rt, std::string_view expr) {
    Value r;
    if (!rt.eval(expr, r)) return "error " + std::to_string(rt.lastError().number);
    if (r.isString()) return vbs::toUtf8(r.asString());
    if (r.isEmpty()) return "Empty";
    if (r.type() == vbs::VarType::Boolean) return r.asBoolean() ? "True" : "False";
    if (r.type() == vbs::VarType::Integer) return std::to_string(r.asInteger());
    if (r.type() == vbs::VarType::Long) return std::to_string(r.asLong());
    return "?";
}

// One round as the player does it: reset, the action object with global
// members, the code, the variables after it, then the wrapper.
bool round(vbs::Runtime& rt, vbs::Object* action, std::string_view code, std::vector<vbs::Object*> vars) {
    if (!rt.reset()) return false;
    if (!rt.addObject("Action", action, true)) return false;
    bool ok = rt.addCode(code);
    for (size_t i = 0; i < vars.size(); ++i)
        rt.addObject("Var" + std::to_string(i + 1), vars[i], true);
    return ok && rt.run("Main", {});
}

const char* kProject = "Sub Main\n"
                       "  counter = counter + 1\n"
                       "  Var1 = Var1 + 10\n"
                       "  Name2 = Name\n"
                       "End Sub\n"
                       "Dim counter, Name2\n"
                       "Const Greeting = \"hi\"\n"
                       "Function Helper(a, b)\n  Helper = a & b\nEnd Function\n";

TEST(VbsHost, RoundsStartBlankAndReuseUnchangedCode) {
    vbs::Runtime rt;
    Held action(new Probe(u"action"));
    Held var(new Probe(u"var1"));
    var.probe->value = Value::integer(0);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(round(rt, action.probe, kProject, {var.probe})) << rt.lastError().description;
        // Script variables never survive a round; host objects keep their state.
        EXPECT_EQ(evalText(rt, "counter"), "1");
        EXPECT_EQ(evalText(rt, "Var1.Value"), std::to_string(10 * (i + 1)));
        EXPECT_EQ(evalText(rt, "Name2"), "action"); // unqualified member of Action
        EXPECT_EQ(evalText(rt, "Greeting & Helper(1, 2)"), "hi12");
    }
    EXPECT_EQ(rt.stats().codeCompiled, 1u);
    EXPECT_EQ(rt.stats().codeReused, 2u);
    // A reset with nothing added in between keeps what can be reused.
    ASSERT_TRUE(rt.reset());
    ASSERT_TRUE(round(rt, action.probe, kProject, {var.probe}));
    EXPECT_EQ(rt.stats().codeReused, 3u);

    // Changed code compiles again, and what only the old code defined is gone.
    ASSERT_TRUE(round(rt, action.probe, "Sub Main\nEnd Sub\n", {var.probe}));
    EXPECT_EQ(rt.stats().codeCompiled, 2u);
    EXPECT_EQ(evalText(rt, "IsEmpty(counter)"), "True");
    EXPECT_EQ(evalText(rt, "Helper(1, 2)"),
              "error 13"); // an undefined name is Empty: calling it is a type mismatch
    ASSERT_EQ(rt.procedures().size(), 1u);
    EXPECT_EQ(rt.procedures()[0].name, "Main");
}

TEST(VbsHost, ADifferentRoundPrefixCompilesAgain) {
    vbs::Runtime rt;
    Held action(new Probe(u"action"));
    ASSERT_TRUE(round(rt, action.probe, kProject, {}));
    // Same code, but Action is now added without global members: Name means
    // something else, so the code must not be reused.
    ASSERT_TRUE(rt.reset());
    ASSERT_TRUE(rt.addObject("Action", action.probe, false));
    ASSERT_TRUE(rt.addCode(kProject));
    EXPECT_EQ(rt.stats().codeReused, 0u);
    ASSERT_TRUE(rt.run("Main", {}));
    EXPECT_EQ(evalText(rt, "IsEmpty(Name2)"), "True");
}

TEST(VbsHost, ResetRestartsRndAndClearsErr) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.executeStatement("Dim a\na = CStr(Rnd)\nOn Error Resume Next\nx = 1 / 0"));
    std::string first = evalText(rt, "a");
    EXPECT_EQ(first, "0.7055475");
    EXPECT_EQ(evalText(rt, "Err.Number"), "11");
    ASSERT_TRUE(rt.reset());
    EXPECT_EQ(evalText(rt, "Err.Number"), "0");
    EXPECT_EQ(evalText(rt, "CStr(Rnd)"), first);
}

TEST(VbsHost, ShadowedFunctionsComeBackAfterReset) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Function Len(x)\nLen = -1\nEnd Function\nDim Left\nLeft = 5"));
    EXPECT_EQ(evalText(rt, "Len(\"abc\")"), "-1");
    ASSERT_TRUE(rt.reset());
    ASSERT_TRUE(rt.addCode("Dim r\nr = Len(\"abc\") & Left(\"xyz\", 1)"));
    EXPECT_EQ(evalText(rt, "r"), "3x");
}

TEST(VbsHost, GlobalMembersPrecedence) {
    vbs::Runtime rt;
    Held first(new Probe(u"first"));
    Held second(new Probe(u"second"));
    ASSERT_TRUE(rt.addObject("First", first.probe, true));
    ASSERT_TRUE(rt.addObject("Second", second.probe, true));
    // The first object added answers; a script definition beats both.
    EXPECT_EQ(evalText(rt, "Name"), "first");
    EXPECT_EQ(evalText(rt, "Twice(21)"), "42");
    ASSERT_TRUE(rt.addCode("Function Twice(x)\nTwice = \"script\"\nEnd Function"));
    EXPECT_EQ(evalText(rt, "Twice(21)"), "script");
    // Assigning an unqualified member puts the property.
    ASSERT_TRUE(rt.executeStatement("Value = 7"));
    EXPECT_EQ(first.probe->value.asInteger(), 7);
    // An object added after the code is still found by code compiled before.
    ASSERT_TRUE(rt.addCode("Function Later()\nSet Later = LateName\nEnd Function"));
    Held late(new Probe(u"late"));
    ASSERT_TRUE(rt.addObject("LateName", late.probe, false));
    Value r;
    ASSERT_TRUE(rt.run("Later", {}, &r));
    EXPECT_TRUE(r.isObject());
}

TEST(VbsHost, ResetReleasesObjectsAndRunsTerminate) {
    int releases = 0;
    std::vector<std::string> out;
    vbs::Config cfg;
    cfg.output = [&](std::string_view s) { out.emplace_back(s); };
    vbs::Runtime rt(cfg);
    ASSERT_TRUE(rt.addObject("P", new Probe(u"p", &releases)));
    ASSERT_TRUE(
        rt.addCode("Class C\nSub Class_Terminate\nMsgBox \"bye\"\nEnd Sub\nEnd Class\nDim o\nSet o = New C"));
    EXPECT_EQ(releases, 0);
    ASSERT_TRUE(rt.reset());
    EXPECT_EQ(releases, 1);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], "bye");
}

TEST(VbsHost, ResetIsRefusedWhileAScriptRuns) {
    vbs::Runtime rt;
    Held hook(new Probe(u"hook"));
    bool resetResult = true;
    hook.probe->hook = [&] { resetResult = rt.reset(); };
    ASSERT_TRUE(rt.addObject("H", hook.probe));
    ASSERT_TRUE(rt.addCode("Dim x\nx = 1\nSub Go\nH.Hook\nx = 2\nEnd Sub"));
    ASSERT_TRUE(rt.run("Go", {}));
    EXPECT_FALSE(resetResult);
    EXPECT_EQ(evalText(rt, "x"), "2"); // the running script was not disturbed
}

TEST(VbsHost, TimeoutIsBeyondOnErrorAndSettable) {
    vbs::Runtime rt;
    rt.setTimeout(30);
    EXPECT_EQ(rt.timeout(), 30);
    ASSERT_TRUE(rt.addCode("Sub Spin\nOn Error Resume Next\nDo\nLoop\nEnd Sub"));
    EXPECT_FALSE(rt.run("Spin", {}));
    EXPECT_EQ(rt.lastError().number, 1901);
    EXPECT_GT(rt.lastError().line, 0);
    // The engine stays usable, and -1 means no time-out at all.
    rt.setTimeout(-1);
    ASSERT_TRUE(rt.executeStatement("Dim i\nFor i = 1 To 200000\nNext"));
    ASSERT_TRUE(rt.reset());
    EXPECT_EQ(rt.timeout(), -1);
}

TEST(VbsHost, AStopInsideClassTerminateStopsTheScript) {
    // Failures inside Class_Terminate are swallowed; a time-out or interrupt there is not.
    const char* code = "Class Spinner\nSub Class_Terminate\nDo\nLoop\nEnd Sub\nEnd Class\n"
                       "Sub Churn\nOn Error Resume Next\nDim x\nDo\nSet x = New Spinner\nSet x = Nothing\n"
                       "Loop\nEnd Sub";
    vbs::Runtime rt;
    rt.setTimeout(50);
    ASSERT_TRUE(rt.addCode(code));
    EXPECT_FALSE(rt.run("Churn", {}));
    EXPECT_EQ(rt.lastError().number, 1901);

    int polls = 0;
    vbs::Config cfg;
    cfg.interruptCheck = [&] { return ++polls > 20; };
    vbs::Runtime interrupted(cfg);
    ASSERT_TRUE(interrupted.addCode(code));
    EXPECT_FALSE(interrupted.run("Churn", {}));
    EXPECT_EQ(interrupted.lastError().number, 1900);
    // The next call runs normally.
    polls = -1000000;
    EXPECT_EQ(evalText(interrupted, "1 + 1"), "2");
}

TEST(VbsHost, CreateObjectSwitchedOffInEverySpelling) {
    std::vector<std::string> refused;
    vbs::Config cfg;
    cfg.createObjectEnabled = false;
    vbs::Runtime strict(cfg);
    cfg.createObjectRefused = [&](std::u16string_view progId) { refused.push_back(vbs::toUtf8(progId)); };
    vbs::Runtime told(cfg);
    const char* spellings[] = {
        "Set o = CreateObject(\"Scripting.Dictionary\")",
        "Set o = createobject (\"Scripting.Dictionary\")",
        "Set o = CREATEOBJECT(\"Scripting.FileSystemObject\")",
        "Set o = Eval(\"Create\" & \"Object(\"\"Scripting.Dictionary\"\")\")",
        "Execute \"Set o = CreateObject(\"\"VBScript.RegExp\"\")\"",
        "Set o = GetObject(\"winmgmts:\")",
        "Set o = GetObject(, \"Excel.Application\")",
    };
    for (const char* code : spellings) {
        EXPECT_FALSE(strict.executeStatement(std::string("Dim o\n") + code)) << code;
        EXPECT_EQ(strict.lastError().number, 429) << code;
        refused.clear();
        // With the callback the host is told as well; nothing is made either way.
        EXPECT_FALSE(told.executeStatement(std::string("Dim o\n") + code + "\nx = TypeName(o)")) << code;
        EXPECT_EQ(refused.size(), 1u) << code;
    }
    // New RegExp is the language's own class, not object creation.
    Value r;
    ASSERT_TRUE(strict.eval("TypeName(New RegExp)", r));
}

TEST(VbsHost, HostFactoryComesBeforeClassicObjects) {
    vbs::Config cfg;
    cfg.createObject = [](std::u16string_view progId) -> vbs::Object* {
        if (vbs::equalsNoCase(progId, u"Game.Thing")) return new Probe(u"thing");
        return nullptr;
    };
    vbs::Runtime rt(cfg);
    EXPECT_EQ(evalText(rt, "CreateObject(\"game.thing\").Name"), "thing");
    EXPECT_EQ(evalText(rt, "TypeName(CreateObject(\"Scripting.Dictionary\"))"), "Dictionary");
    EXPECT_EQ(evalText(rt, "CreateObject(\"No.Such\")"), "error 429");
}

TEST(VbsHost, MsgBoxAndInputBoxGoToTheHost) {
    std::vector<std::string> shown;
    vbs::Config cfg;
    cfg.msgBox = [&](std::string_view prompt, int buttons, std::string_view title) {
        shown.push_back(std::string(title) + "|" + std::string(prompt) + "|" + std::to_string(buttons));
        return 7; // vbNo
    };
    int asked = 0;
    cfg.inputBox = [&](std::string_view, std::string_view,
                       std::string_view def) -> std::optional<std::string> {
        if (asked++ == 0) return std::string(def) + "!";
        return std::nullopt; // Cancel
    };
    vbs::Runtime rt(cfg);
    EXPECT_EQ(evalText(rt, "MsgBox(\"Sure?\", vbYesNo + vbQuestion, \"Quit\")"), "7");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Quit|Sure?|36");
    EXPECT_EQ(evalText(rt, "InputBox(\"Name?\", \"T\", \"Ann\")"), "Ann!");
    EXPECT_EQ(evalText(rt, "IsEmpty(InputBox(\"Name?\"))"), "True");
}

TEST(VbsHost, ProceduresInDefinitionOrderAcrossRounds) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Sub B1\nEnd Sub\nSub B2(a)\nEnd Sub"));
    ASSERT_TRUE(rt.reset());
    ASSERT_TRUE(rt.addCode("Function B2(a, b)\nEnd Function\nSub Zed\nEnd Sub\nSub B1\nEnd Sub"));
    auto procs = rt.procedures();
    ASSERT_EQ(procs.size(), 3u);
    EXPECT_EQ(procs[0].name, "B2");
    EXPECT_EQ(procs[0].argCount, 2);
    EXPECT_TRUE(procs[0].hasReturnValue);
    EXPECT_EQ(procs[1].name, "Zed");
    EXPECT_EQ(procs[2].name, "B1");
}

TEST(VbsHost, RunPassesByRefWhenTheHostAsks) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Sub OnClose(Cancel, ByVal copy)\nCancel = True\ncopy = 5\nEnd Sub"));
    Value cancel = Value::boolean(false);
    Value copy = Value::integer(1);
    Value args[] = {Value::ref(&cancel), Value::ref(&copy)};
    ASSERT_TRUE(rt.run("OnClose", args));
    EXPECT_TRUE(cancel.asBoolean());
    EXPECT_EQ(copy.asInteger(), 1); // ByVal stays the caller's
}

TEST(VbsHost, RuntimeErrorRecordNamesTheLine) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Sub Main\n  Dim a\n  a = 1 / 0\nEnd Sub\n", "game"));
    EXPECT_FALSE(rt.run("Main", {}));
    const vbs::ErrorInfo& e = rt.lastError();
    EXPECT_EQ(e.number, 11);
    EXPECT_EQ(e.description, "Division by zero");
    EXPECT_EQ(e.line, 3);
    EXPECT_EQ(e.column, 3);
    EXPECT_EQ(e.lineText, "  a = 1 / 0");
    EXPECT_FALSE(e.compile);
}

// A host method reading its arguments the convenient way.
class Greeter final : public vbs::Object {
  public:
    DispId memberId(std::u16string_view n) override {
        return vbs::equalsNoCase(n, u"Greet") ? 1 : vbs::kDispUnknown;
    }
    bool invoke(DispId, InvokeKind, std::span<Value> args, Value& result, HostError& err) override {
        vbs::HostArgs in(args, err);
        std::u16string name = in.text(0);
        int32_t times = in.whole(1, 1);
        bool loud = in.truth(2, false);
        if (!in.ok()) return false;
        std::u16string out;
        for (int32_t i = 0; i < times; ++i)
            out += (loud ? u"HI " : u"hi ") + name;
        result = Value::string(out);
        return true;
    }
};

TEST(VbsHost, HostArgumentsReadLikeTheLanguage) {
    vbs::Runtime rt;
    Held var(new Probe(u"v"));
    var.probe->value = Value::string(std::u16string(u"Ann"));
    ASSERT_TRUE(rt.addObject("G", new Greeter, true));
    ASSERT_TRUE(rt.addObject("Player", var.probe));
    EXPECT_EQ(evalText(rt, "Greet(Player, \"2.5\")"), "hi Annhi Ann"); // object -> default value, banker's 2
    EXPECT_EQ(evalText(rt, "Greet(\"Bo\", , True)"), "HI Bo");         // omitted argument takes the default
    EXPECT_EQ(evalText(rt, "Greet(Null)"), "error 94");
    EXPECT_EQ(evalText(rt, "Greet(\"x\", \"many\")"), "error 13");
    ASSERT_TRUE(rt.executeStatement(
        "On Error Resume Next\nDim r\nr = Greet(\"x\", \"many\")\nDim n\nn = Err.Number"));
    EXPECT_EQ(evalText(rt, "n"), "13");
}

} // namespace
