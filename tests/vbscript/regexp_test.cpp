// RegExp searches under the host's limits: a catastrophic pattern is stopped
// by the time-out or an interrupt, beyond On Error Resume Next, and the
// runtime stays usable; without limits a long search simply finishes.
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
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
           "r = re.Test(String(" +
           std::to_string(as) +
           ", \"a\") & \"!\")\n"
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
    vbs::Runtime rt; // no time-out: only the interrupt can stop it
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

// ---- generated patterns ----------------------------------------------------

// Random patterns from the classic grammar: every one must be accepted and
// searched in every mode, so a translation PCRE2 rejects shows up as an error.
class PatternGen {
  public:
    explicit PatternGen(uint32_t seed) : m_rng(seed) {}
    std::string pattern() {
        m_groups = 0;
        return disjunction(0);
    }

  private:
    int pick(int n) { return int(m_rng() % uint32_t(n)); }
    std::string disjunction(int depth) {
        std::string s = alternative(depth);
        while (pick(4) == 0)
            s += "|" + alternative(depth);
        return s;
    }
    std::string alternative(int depth) {
        std::string s;
        for (int n = pick(5); n > 0; --n)
            s += term(depth);
        return s;
    }
    std::string term(int depth) {
        static const char* const assertions[] = {"^", "$", "\\b", "\\B"};
        if (pick(8) == 0) return assertions[pick(4)];
        std::string a = atom(depth);
        if (pick(3) == 0) a += quantifier();
        return a;
    }
    std::string quantifier() {
        static const char* const q[] = {"*", "+", "?", "{2}", "{1,}", "{0,3}", "{2,2}"};
        std::string s = q[pick(7)];
        if (pick(3) == 0) s += "?";
        return s;
    }
    std::string atom(int depth) {
        static const char* const escapes[] = {"\\d",  "\\D",  "\\w", "\\W", "\\s", "\\S", "\\x41", "\\u0062",
                                              "\\cJ", "\\n",  "\\r", "\\t", "\\.", "\\*", "\\\\",  "\\/",
                                              "\\0",  "\\12", "\\8", "\\a", "\\Q", "\\E", "\\K",   "\\z",
                                              "\\p",  "\\g",  "\\k", "\\(", "\\[", "\\]", "\\{",   "\\-"};
        static const char* const groups[] = {"(", "(?:", "(?=", "(?!"};
        switch (pick(depth < 4 ? 6 : 4)) {
        case 0:
            return std::string(1, "abcxAB1 -,:#<>=!}]/&'"[pick(22)]);
        case 1:
            return escapes[pick(32)];
        case 2:
            return pick(2) ? "." : charClass();
        case 3:
            if (m_groups > 0 && pick(2)) return "\\" + std::to_string(1 + pick(int(m_groups)));
            return "a";
        default: {
            int kind = pick(4);
            if (kind == 0) ++m_groups;
            return groups[kind] + disjunction(depth + 1) + ")";
        }
        }
    }
    std::string charClass() {
        // A lone '-' between two items would make a range: only escaped, or last.
        static const char* const items[] = {
            "a", "b-d", "\\d", "\\W",  "\\s", "\\-", "\\b", "\\]", "x-x", "\\x20-\\x7e", "\\u00e0-\\u00ff",
            ".", "(",   "$",   "\\w-", "^",   "[",   "\\1"};
        std::string s = pick(3) == 0 ? "[^" : "[";
        for (int n = pick(4); n > 0; --n)
            s += items[pick(18)];
        return s + (pick(4) == 0 ? "-]" : "]");
    }

    std::mt19937 m_rng;
    uint32_t m_groups = 0;
};

TEST(VbsRegExpPatterns, GeneratedClassicPatternsAllWork) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Dim re, s\nSet re = New RegExp\nre.Global = True\n"
                           "s = \"ab\" & vbLf & \"cAB1 x-\" & vbCr & \"dd <b>\" & ChrW(233) & \"!\""));
    PatternGen gen(12345);
    for (int i = 0; i < 3000; ++i) {
        std::string p = gen.pattern();
        std::string flags = "re.IgnoreCase = " + std::string(i % 2 ? "True" : "False") +
                            " : re.Multiline = " + std::string(i % 4 >= 2 ? "True" : "False");
        ASSERT_TRUE(rt.executeStatement(flags));
        ASSERT_TRUE(rt.executeStatement("re.Pattern = \"" + p + "\"")) << p;
        Value v;
        EXPECT_TRUE(rt.eval("re.Replace(s, \"<$&$1>\") & re.Execute(s).Count", v))
            << p << " (" << flags << "): " << rt.lastError().number << " " << rt.lastError().description;
    }
}

TEST(VbsRegExpPatterns, RandomTextGivesOnlyClassicErrors) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Dim re\nSet re = New RegExp\nre.Global = True"));
    std::mt19937 rng(777);
    const std::string alphabet = "()[]{}|*+?^$\\.-,:=!<>abc0129xuc";
    for (int i = 0; i < 5000; ++i) {
        std::string p;
        for (int n = int(rng() % 14); n > 0; --n)
            p += alphabet[rng() % alphabet.size()];
        ASSERT_TRUE(rt.executeStatement("re.IgnoreCase = " + std::string(i % 2 ? "True" : "False")));
        ASSERT_TRUE(rt.executeStatement("re.Pattern = \"" + p + "\""));
        Value v;
        if (rt.eval("re.Replace(\"a(b)c{1}[x]\" & vbLf & \"0129\", \"$1\")", v)) continue;
        int32_t n = rt.lastError().number;
        EXPECT_TRUE(n >= 5017 && n <= 5021) << p << ": " << n << " " << rt.lastError().description;
    }
}

} // namespace
