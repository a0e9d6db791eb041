// RegExp searches under the host's limits: a catastrophic pattern is stopped
// by the time-out or an interrupt, beyond On Error Resume Next, and the
// runtime stays usable; without limits a long search simply finishes.
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

using vbs::Value;

// (a+)+$ against "aaa...!" backtracks exponentially in the number of a's.
std::string catastrophic(int as) {
    return "Dim re, r, done\n"
           "Set re = New RegExp\n"
           "re.Pattern = \"(a+)+$\"\n"
           "On Error Resume Next\n"
           "r = re.Test(String(" + std::to_string(as) + ", \"a\") & \"!\")\n"
           "done = True\n";
}

bool scriptGotPast(vbs::Runtime& rt) {
    Value v;
    EXPECT_TRUE(rt.eval("IsEmpty(done)", v));
    return !v.asBoolean();
}

TEST(VbsRegExpLimits, TimeOutStopsCatastrophicSearch) {
    vbs::Config cfg;
    cfg.timeoutMs = 200;
    vbs::Runtime rt(cfg);
    EXPECT_FALSE(rt.addCode(catastrophic(10000)));
    EXPECT_EQ(rt.lastError().number, 1901);
    EXPECT_EQ(rt.lastError().line, 5);
    EXPECT_FALSE(scriptGotPast(rt)) << "On Error Resume Next must not swallow the time-out";
    // The runtime is usable afterwards.
    Value v;
    ASSERT_TRUE(rt.eval("re.Test(\"xa\")", v));
    EXPECT_TRUE(v.asBoolean());
}

TEST(VbsRegExpLimits, InterruptFromAnotherThreadStopsSearch) {
    vbs::Runtime rt;  // no time-out: only the interrupt can stop it
    std::atomic<bool> finished{false};
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        while (!finished.load()) {
            rt.requestInterrupt();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    bool ok = rt.addCode(catastrophic(10000));
    finished = true;
    stopper.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(rt.lastError().number, 1900);
    EXPECT_FALSE(scriptGotPast(rt));
}

TEST(VbsRegExpLimits, HostInterruptCheckStopsSearch) {
    std::atomic<bool> stop{false};
    vbs::Config cfg;
    cfg.interruptCheck = [&] { return stop.load(); };
    vbs::Runtime rt(cfg);
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        stop = true;
    });
    bool ok = rt.addCode(catastrophic(10000));
    stopper.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(rt.lastError().number, 1900);
}

TEST(VbsRegExpLimits, LongGlobalSearchPollsBetweenMatches) {
    // Each match is cheap; the engine is asked between matches.
    int calls = 0;
    vbs::Config cfg;
    cfg.interruptCheck = [&] { return ++calls > 3; };
    vbs::Runtime rt(cfg);
    EXPECT_FALSE(rt.addCode("Dim re, s\n"
                            "Set re = New RegExp\n"
                            "re.Pattern = \"a\"\n"
                            "re.Global = True\n"
                            "On Error Resume Next\n"
                            "s = re.Replace(String(2000000, \"a\"), \"b\")\n"));
    EXPECT_EQ(rt.lastError().number, 1900);
    EXPECT_EQ(rt.lastError().line, 6);
}

TEST(VbsRegExpLimits, WithoutLimitsAHeavySearchFinishes) {
    // Needs several times the first match limit: the limit grows instead of failing.
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode(catastrophic(22)));
    Value v;
    ASSERT_TRUE(rt.eval("r", v));
    EXPECT_FALSE(v.asBoolean());
    EXPECT_TRUE(scriptGotPast(rt));
}

TEST(VbsRegExpLimits, PatternErrorIsAnOrdinaryError) {
    vbs::Runtime rt;
    EXPECT_FALSE(rt.addCode("Set re = New RegExp\nre.Pattern = \"[a\"\nre.Test \"a\"\n"));
    EXPECT_EQ(rt.lastError().number, 5019);
    EXPECT_EQ(rt.lastError().description, "Expected ']' in regular expression");
    EXPECT_EQ(rt.lastError().line, 3);
}

TEST(VbsRegExpLimits, ResultLargerThanMemoryLimitIsOutOfMemory) {
    vbs::Config cfg;
    cfg.memoryLimit = 1 << 20;
    vbs::Runtime rt(cfg);
    EXPECT_FALSE(rt.addCode("Set re = New RegExp\nre.Global = True\nre.Pattern = \"a\"\n"
                            "s = re.Replace(String(100000, \"a\"), \"$&$&$&$&$&$&\")\n"));
    EXPECT_EQ(rt.lastError().number, 7);
}

}  // namespace
