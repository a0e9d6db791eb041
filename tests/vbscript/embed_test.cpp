// The engine embedded in a host that calls into script objects outside a run,
// keeps them across resets, starts scripts from its own callbacks and
// switches object creation off.
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using vbs::DispId;
using vbs::HostError;
using vbs::InvokeKind;
using vbs::Value;

// A host object whose Hook member runs the host's callback in the middle of
// a script and fails the call with the number the callback returns.
class Hook final : public vbs::Object {
  public:
    explicit Hook(int* releases = nullptr) : m_releases(releases) {}
    DispId memberId(std::u16string_view n) override { return kMembers.find(n); }
    const void* dispatchKey() const override { return &kMembers; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value&, HostError& err) override {
        if (id == 2 && kind == InvokeKind::PropertyPutRef) {
            kept = args.back();
            return true;
        }
        err.number = callback ? callback() : 0;
        return err.number == 0;
    }
    std::function<int32_t()> callback;
    Value kept; // Set H.Keep = ...

  protected:
    void lastReleased() override {
        if (m_releases) ++*m_releases;
        delete this;
    }

  private:
    static const vbs::MemberTable kMembers;
    int* m_releases;
};
const vbs::MemberTable Hook::kMembers{{u"Hook", 1}, {u"Keep", 2}};

struct Call {
    bool ok;
    Value result;
    HostError err;
};

// What a host does with an object a script handed it: look a member up, invoke it.
Call invoke(const Value& obj, std::u16string_view member, std::vector<Value> args = {},
            InvokeKind kind = InvokeKind::Method) {
    Call c{false, {}, {}};
    vbs::Object* o = obj.asObject();
    DispId id = member.empty() ? vbs::kDispValue : o->memberId(member);
    if (id == vbs::kDispUnknown) {
        c.err.number = 438;
        return c;
    }
    c.ok = o->invoke(id, kind, args, c.result, c.err);
    return c;
}

int32_t whole(const Value& v) {
    if (v.type() == vbs::VarType::Integer) return v.asInteger();
    return v.type() == vbs::VarType::Long ? v.asLong() : -1;
}

Value text(const char16_t* s) {
    return Value::string(std::u16string(s));
}

const char* kWorker = "Class Worker\n"
                      "  Public Name, Held\n"
                      "  Public Sub Spin()\n    Do\n    Loop\n  End Sub\n"
                      "  Public Function Count(n)\n    Dim i\n    For i = 1 To n\n    Next\n"
                      "    Count = i - 1\n  End Function\n"
                      "  Public Sub Poke()\n    H.Hook\n  End Sub\n"
                      "  Private Sub Class_Terminate()\n    Terminated = Terminated + 1\n  End Sub\n"
                      "End Class\n"
                      "Dim Terminated\n"
                      "Function Make()\n  Set Make = New Worker\n  Make.Name = \"w\"\nEnd Function\n"
                      "Function Twice(x)\n  Twice = 2 * x\nEnd Function\n";

// One round as the player runs it: reset, host objects, code, the procedure.
void round(vbs::Runtime& rt, Hook* hook, Value* made = nullptr) {
    ASSERT_TRUE(rt.reset());
    ASSERT_TRUE(rt.addObject("H", hook));
    ASSERT_TRUE(rt.addCode(kWorker));
    if (made) {
        ASSERT_TRUE(rt.run("Make", {}, made));
    }
}

TEST(VbsEmbed, HostCallsIntoScriptObjectsAreGuardedRuns) {
    vbs::Config cfg;
    cfg.timeoutMs = 100;
    vbs::Runtime rt(cfg);
    auto* hook = new Hook;
    Value holdHook = Value::object(hook);
    Value worker;
    round(rt, hook, &worker);

    // Long after the last run, a call gets a fresh clock of its own...
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    Call c = invoke(worker, u"Count", {Value::longv(5000)});
    ASSERT_TRUE(c.ok) << c.err.number;
    EXPECT_EQ(whole(c.result), 5000);
    // ...and an endless method stops at the time-out, as a failed invoke.
    EXPECT_NO_THROW(c = invoke(worker, u"Spin"));
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.err.number, vbs::error::TimedOut);
    EXPECT_FALSE(rt.running());

    // During the call the engine runs: a host callback cannot reset it.
    bool runningInside = false, resetInside = true;
    int32_t resetError = 0;
    hook->callback = [&] {
        runningInside = rt.running();
        resetInside = rt.reset();
        resetError = rt.lastError().number;
        return 0;
    };
    c = invoke(worker, u"Poke");
    EXPECT_TRUE(c.ok);
    EXPECT_TRUE(runningInside);
    EXPECT_FALSE(resetInside);
    EXPECT_EQ(resetError, vbs::error::CantPerform);
    EXPECT_EQ(invoke(worker, u"Name").result.asString(), u"w");

    // The same holds for GetRef results, Err, and the classic objects when a
    // Replace calls back into script code.
    Value ref, err, re;
    ASSERT_TRUE(rt.eval("GetRef(\"Twice\")", ref));
    ASSERT_TRUE(rt.eval("Err", err));
    ASSERT_TRUE(
        rt.executeStatement("Function Fancy(m, p, s)\nH.Hook\nFancy = \"<\" & m & \">\"\nEnd Function"));
    ASSERT_TRUE(rt.eval("New RegExp", re));
    c = invoke(ref, u"", {Value::integer(21)});
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.result.asInteger(), 42);
    c = invoke(err, u"Raise", {Value::longv(9)});
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.err.number, 9);
    EXPECT_EQ(whole(invoke(err, u"Number").result), 9);
    runningInside = false;
    Value fancy;
    ASSERT_TRUE(rt.eval("GetRef(\"Fancy\")", fancy));
    invoke(re, u"Pattern", {text(u"b")}, InvokeKind::PropertyPut);
    c = invoke(re, u"Replace", {text(u"abc"), fancy});
    ASSERT_TRUE(c.ok) << c.err.number;
    EXPECT_EQ(c.result.asString(), u"a<b>c");
    EXPECT_TRUE(runningInside);

    // An instance handed to a second engine still runs as its own engine's code.
    vbs::Runtime other;
    ASSERT_TRUE(other.addCode("Function Use(w)\nUse = w.Count(3)\nw.Poke\nEnd Function"));
    runningInside = false;
    Value r;
    ASSERT_TRUE(other.run("Use", std::span<const Value>(&worker, 1), &r));
    EXPECT_EQ(whole(r), 3);
    EXPECT_TRUE(runningInside);
    EXPECT_FALSE(resetInside);
}

TEST(VbsEmbed, ObjectsKeptAcrossResetAndTheRuntimesEndFailCleanly) {
    int hookReleases = 0;
    Value worker, ref, cycle, dict;
    auto* keeper = new Hook;
    Value holdKeeper = Value::object(keeper);
    auto engine = std::make_unique<vbs::Runtime>();
    vbs::Runtime* rt = engine.get();
    {
        auto* hook = new Hook(&hookReleases);
        round(*rt, hook, &worker);
        ASSERT_TRUE(rt->addObject("K", keeper));
        // The kept instance holds a host object; another holds itself; a
        // third is handed to the host by a Class_Terminate during the reset.
        ASSERT_TRUE(rt->executeStatement("Set Spare = New Worker\nSet Spare.Held = Spare\n"
                                         "Class Leaver\nSub Class_Terminate\nSet K.Keep = New Worker\n"
                                         "End Sub\nEnd Class\nSet Leaving = New Leaver"));
        ASSERT_TRUE(rt->eval("Spare", cycle));
        ASSERT_TRUE(rt->executeStatement("Set Spare = Nothing"));
        invoke(worker, u"Held", {Value::object(hook)}, InvokeKind::PropertyPutRef);
        ASSERT_TRUE(rt->eval("GetRef(\"Twice\")", ref));
        dict = Value::object(rt->createClassicObject(u"scripting.dictionary"));
        invoke(dict, u"Add", {text(u"k"), worker});
    }
    ASSERT_TRUE(rt->reset());
    EXPECT_EQ(hookReleases, 1); // what the cut-off instance held is let go

    ASSERT_TRUE(keeper->kept.isObject());
    for (const Value* gone : {&worker, &cycle, &keeper->kept}) {
        Call c = invoke(*gone, u"Count", {Value::integer(1)});
        EXPECT_FALSE(c.ok);
        EXPECT_EQ(c.err.number, vbs::error::ObjectRequired);
        EXPECT_EQ(c.err.description, u"Object required: 'Worker'");
        EXPECT_EQ(gone->asObject()->typeName(), u"Worker");
    }
    Call c = invoke(ref, u"", {Value::integer(1)});
    EXPECT_EQ(c.err.number, vbs::error::ObjectRequired);
    // Handed to the next round's script, the old instance is an error there too.
    auto* hook = new Hook;
    Value holdHook = Value::object(hook);
    round(*rt, hook);
    ASSERT_TRUE(rt->addCode("Function Use(w)\nUse = w.Name\nEnd Function"));
    EXPECT_FALSE(rt->run("Use", std::span<const Value>(&worker, 1)));
    EXPECT_EQ(rt->lastError().number, vbs::error::ObjectRequired);
    ASSERT_TRUE(rt->executeStatement("Set Kept = New Worker"));
    EXPECT_TRUE(invoke(dict, u"Exists", {text(u"k")}).result.asBoolean()); // classic objects go on

    // A reset that starts the engine afresh, then the engine's end: neither
    // lets a kept object reach into freed memory.
    Value fresh;
    ASSERT_TRUE(rt->run("Make", {}, &fresh));
    for (int i = 0; i < 4100; ++i)
        ASSERT_TRUE(rt->addCode("Dim v" + std::to_string(i)));
    ASSERT_TRUE(rt->reset());
    EXPECT_EQ(invoke(fresh, u"Name").err.number, vbs::error::ObjectRequired);
    round(*rt, hook, &fresh);
    ASSERT_TRUE(rt->executeStatement("Set Kept = New Worker"));
    ASSERT_TRUE(rt->eval("GetRef(\"Twice\")", ref));
    Value errObject;
    ASSERT_TRUE(rt->eval("Err", errObject));
    engine.reset();
    EXPECT_EQ(invoke(fresh, u"Count", {Value::integer(1)}).err.number, vbs::error::ObjectRequired);
    EXPECT_EQ(invoke(ref, u"", {Value::integer(1)}).err.number, vbs::error::ObjectRequired);
    EXPECT_EQ(whole(invoke(errObject, u"Number").result), 0);
    invoke(dict, u"Add", {text(u"x"), fresh});
    EXPECT_EQ(whole(invoke(dict, u"Count").result), 2);
    // Releasing everything now ends the engine's last remains (the leak check sees it).
}

TEST(VbsEmbed, ReusedCodeMeetsClassesOfANewRound) {
    // The round's code is kept and reused; the class it uses comes from code
    // that a reset frees, so a new class may take the old one's memory with
    // another layout. What the call site learnt must not carry over.
    vbs::Runtime rt;
    for (int round = 0; round < 40; ++round) {
        ASSERT_TRUE(rt.reset());
        ASSERT_TRUE(rt.addCode("Dim r\nSub Main()\n  Set o = New K\n  r = o.Pick\nEnd Sub"));
        std::string fields;
        for (int i = 0; i < 40; ++i)
            fields += "Public f" + std::to_string(i) + "\n";
        std::string pick = "Public Pick\nSub Class_Initialize\nPick = 7\nEnd Sub\n";
        ASSERT_TRUE(
            rt.executeStatement("Class K\n" + (round % 2 ? fields + pick : pick + fields) + "End Class"));
        ASSERT_TRUE(rt.run("Main", {}));
        Value r;
        ASSERT_TRUE(rt.eval("r", r));
        ASSERT_EQ(whole(r), 7) << round;
    }
}

TEST(VbsEmbed, ScriptsStartedFromHostCallbacksNest) {
    vbs::Runtime* engine = nullptr;
    std::vector<int32_t> inner;
    vbs::Config cfg;
    cfg.memoryLimit = 8u << 20;
    // A modal box during which a timer fires and the host tries to start scripts.
    cfg.msgBox = [&](std::string_view, int, std::string_view) {
        vbs::Runtime& rt = *engine;
        inner.push_back(rt.reset() ? 0 : rt.lastError().number);
        inner.push_back(rt.run("Inner", {}) ? 0 : -1);
        Value v;
        inner.push_back(rt.eval("x", v) && v.asString() == u"global" ? 0 : -1);
        for (const char* p : {"Down", "Grow", "Huge", "Again"})
            inner.push_back(rt.run(p, {}) ? 0 : rt.lastError().number);
        return 1;
    };
    vbs::Runtime rt(cfg);
    engine = &rt;
    auto* hook = new Hook;
    Value holdHook = Value::object(hook);
    ASSERT_TRUE(rt.addObject("H", hook));
    ASSERT_TRUE(rt.addCode("Dim x, log, depth\nx = \"global\"\n"
                           "Sub Outer()\n  Dim x\n  x = \"local\"\n  On Error Resume Next\n"
                           "  MsgBox \"wait\"\n  log = log & \"|after:\" & Err.Number & x\nEnd Sub\n"
                           "Sub Inner()\n  log = log & \"inner:\" & x\nEnd Sub\n"
                           "Sub Down()\n  Down\nEnd Sub\n"
                           "Sub Grow()\n  Dim s\n  s = \"ab\"\n  Do\n    s = s & s\n  Loop\nEnd Sub\n"
                           "Sub Huge()\n  ReDim a(1e9)\nEnd Sub\n"
                           // Each level starts the next through the host, without end.
                           "Sub Again()\n  depth = depth + 1\n  H.Hook\nEnd Sub\n"));
    std::vector<int32_t> again;
    hook->callback = [&] {
        again.push_back(rt.run("Again", {}) ? 0 : rt.lastError().number);
        return 0;
    };
    ASSERT_TRUE(rt.run("Outer", {}));
    std::vector<int32_t> expected{
        vbs::error::CantPerform, 0, 0, vbs::error::OutOfStack, vbs::error::OutOfMemory,
        vbs::error::OutOfMemory, 0};
    EXPECT_EQ(inner, expected);
    ASSERT_FALSE(again.empty());
    EXPECT_EQ(again.front(), vbs::error::OutOfStack); // the deepest level, the first to return
    Value log, depth;
    ASSERT_TRUE(rt.eval("log", log));
    EXPECT_EQ(log.asString(), u"inner:global|after:0local"); // the first script went on, untouched
    ASSERT_TRUE(rt.eval("depth", depth));
    EXPECT_EQ(size_t(whole(depth)), again.size()); // every level but the deepest ran

    // A stop asked for during a callback ends the whole script at once, beyond
    // On Error, whether the host asks for it or fails the call with its number.
    ASSERT_TRUE(rt.addCode("Sub Halt()\n  On Error Resume Next\n  H.Hook\n  log = \"went on\"\nEnd Sub"));
    int32_t seen = 0;
    hook->callback = [&] {
        rt.requestInterrupt();
        seen = rt.pendingStop();
        return 0;
    };
    EXPECT_FALSE(rt.run("Halt", {}));
    EXPECT_EQ(seen, vbs::error::Interrupted);
    EXPECT_EQ(rt.lastError().number, vbs::error::Interrupted);
    hook->callback = [] { return vbs::error::Interrupted; };
    EXPECT_FALSE(rt.run("Halt", {}));
    EXPECT_EQ(rt.lastError().number, vbs::error::Interrupted);
    EXPECT_EQ(rt.pendingStop(), 0);
    ASSERT_TRUE(rt.eval("log", log));
    EXPECT_EQ(log.asString(), u"inner:global|after:0local");
}

// Each Runtime keeps its own locale, also while one runs inside another's
// callback, and a reset goes back to the default.
TEST(VbsEmbed, EachRuntimeKeepsItsLocale) {
    vbs::Runtime german, other;
    auto* hook = new Hook;
    Value holdHook = Value::object(hook);
    ASSERT_TRUE(german.addObject("H", hook));
    ASSERT_TRUE(german.addCode("SetLocale 1031\nDim before, after\n"
                               "Sub P()\n  before = CStr(1.5)\n  H.Hook\n  after = CStr(1.5)\nEnd Sub\n"));
    Value inOther, inGerman;
    hook->callback = [&] {
        EXPECT_TRUE(other.eval("CStr(1.5)", inOther));
        // A nested call may change the outer script's locale: it sees the change after.
        EXPECT_TRUE(german.executeStatement("SetLocale 2057"));
        return 0;
    };
    ASSERT_TRUE(german.run("P", {}));
    EXPECT_EQ(inOther.asString(), u"1.5");
    ASSERT_TRUE(german.eval("before & \"|\" & after", inGerman));
    EXPECT_EQ(inGerman.asString(), u"1,5|1.5");
    ASSERT_TRUE(german.executeStatement("SetLocale 1031"));
    ASSERT_TRUE(german.reset());
    ASSERT_TRUE(german.eval("CStr(1.5) & GetLocale()", inGerman));
    EXPECT_EQ(inGerman.asString(), u"1.51033");
}

TEST(VbsEmbed, ObjectCreationOffRefusesEveryRoute) {
    int made = 0;
    std::vector<std::u16string> refused;
    vbs::Config cfg;
    cfg.createObjectEnabled = false;
    cfg.createObject = [&](std::u16string_view) -> vbs::Object* {
        ++made;
        return new Hook;
    };
    cfg.getObject = [&](std::u16string_view, std::u16string_view) -> vbs::Object* {
        ++made;
        return new Hook;
    };
    cfg.createObjectRefused = [&](std::u16string_view progId) { refused.emplace_back(progId); };
    vbs::Runtime rt(cfg);
    ASSERT_TRUE(rt.addCode("Function Maker(p)\nSet Maker = CreateObject(p)\nEnd Function\n"
                           "Class Factory\nFunction Make(p)\nSet Make = CreateObject(p)\nEnd Function\n"
                           "Function Later()\nSet Later = Eval(\"GetObject(\"\"x\"\")\")\nEnd Function\n"
                           "End Class\n"
                           "Class Sneaky\nSub Class_Terminate()\nSet Spoil = CreateObject(\"Game.Thing\")\n"
                           "End Sub\nEnd Class\n"));
    const int32_t refusedError = vbs::error::CantCreateObject;
    const std::pair<const char*, int32_t> routes[] = {
        {"Set o = CreateObject(\"Scripting.Dictionary\")", refusedError},
        {"Set o = cReAtEoBjEcT   (  \"Scripting.FileSystemObject\"  )", refusedError},
        {"Call CreateObject(\"Game.Thing\")", refusedError},
        {"CreateObject \"Game.Thing\"", refusedError},
        {"Set o = GetObject(\"C:\\x.doc\")", refusedError},
        {"Set o = getobject(, \"Game.Thing\")", refusedError},
        {"Execute \"Set o = CreateObject(\"\"Game.Thing\"\")\"", refusedError},
        {"ExecuteGlobal \"Set o = CreateObject(\"\"Game.Thing\"\")\"", refusedError},
        {"Set o = Eval(\"Create\" & \"Object(\"\"Game.Thing\"\")\")", refusedError},
        {"Set f = GetRef(\"Maker\")\nSet o = f(\"Game.Thing\")", refusedError},
        {"Set o = New Factory\nSet o = o.Make(\"Game.Thing\")", refusedError},
        {"Set o = New Factory\nSet o = o.Later", refusedError},
        // GetRef names script procedures only: the built-in cannot be taken at all.
        {"Set f = GetRef(\"CreateObject\")", 5},
        {"Execute \"Set f = GetRef(\"\"createobject\"\")\"", 5},
    };
    for (const auto& [code, number] : routes) {
        size_t told = refused.size();
        EXPECT_FALSE(rt.executeStatement(std::string("Dim o, f\n") + code)) << code;
        EXPECT_EQ(rt.lastError().number, number) << code;
        EXPECT_EQ(refused.size(), told + (number == refusedError ? 1 : 0)) << code;
    }
    // Caught by the script, the refusal leaves nothing behind.
    Value r;
    ASSERT_TRUE(rt.executeStatement("On Error Resume Next\no = Empty\nSet o = CreateObject(\"Game.Thing\")\n"
                                    "n = Err.Number\nt = TypeName(o)"));
    ASSERT_TRUE(rt.eval("n & \" \" & t", r));
    EXPECT_EQ(r.asString(), u"429 Empty");
    // Outside a run too: a host call into a method, and Class_Terminate at reset.
    Value factory;
    ASSERT_TRUE(rt.eval("New Factory", factory));
    Call c = invoke(factory, u"Make", {text(u"Game.Thing")});
    EXPECT_EQ(c.err.number, vbs::error::CantCreateObject);
    ASSERT_TRUE(rt.executeStatement("Set Keep = New Sneaky"));
    size_t told = refused.size();
    ASSERT_TRUE(rt.reset());
    EXPECT_EQ(refused.size(), told + 1);
    EXPECT_EQ(made, 0);

    // The host's own factory still makes classic objects, under its file policy.
    vbs::Config policy;
    policy.createObjectEnabled = false;
    policy.fileAccess = [](const std::string&, bool) { return false; };
    vbs::Runtime host(policy);
    Value fso = Value::object(host.createClassicObject(u"Scripting.FileSystemObject"));
    ASSERT_TRUE(fso.isObject());
    c = invoke(fso, u"OpenTextFile", {text(u"/etc/hostname")});
    EXPECT_EQ(c.err.number, vbs::error::PermissionDenied);
    EXPECT_EQ(host.createClassicObject(u"Game.Thing"), nullptr);
}

} // namespace
