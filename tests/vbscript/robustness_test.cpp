// Hostile input ends in a classic error, never a crash or a hang.
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <thread>

namespace {

using namespace std::literals;

int errorOf(const std::string& code, vbs::Config cfg = {}) {
    vbs::Runtime rt(cfg);
    if (rt.addCode(code)) return 0;
    return rt.lastError().number;
}

TEST(VbsRobustness, DeeplyNestedParentheses) {
    std::string code = "x = " + std::string(10000, '(') + "1" + std::string(10000, ')');
    EXPECT_EQ(errorOf(code), 28);
    std::string ok = "x = " + std::string(200, '(') + "1" + std::string(200, ')');
    EXPECT_EQ(errorOf(ok), 0);
}

TEST(VbsRobustness, DeeplyNestedIfs) {
    std::string code;
    for (int i = 0; i < 10000; ++i)
        code += "If True Then\n";
    for (int i = 0; i < 10000; ++i)
        code += "End If\n";
    EXPECT_EQ(errorOf(code), 28);
}

TEST(VbsRobustness, LongOperatorChain) {
    std::string code = "x = 1";
    for (int i = 0; i < 100000; ++i)
        code += " + 1";
    EXPECT_EQ(errorOf(code), 28);
}

TEST(VbsRobustness, RecursionInASmallThread) {
    // The stack guard measures the real stack of the thread it runs on.
    int result = -1;
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 512 * 1024);
    pthread_t th;
    auto body = [](void* p) -> void* {
        *static_cast<int*>(p) = errorOf("Function F(n)\nF = F(n + 1) + 1\nEnd Function\nx = F(0)");
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&th, &attr, body, &result), 0);
    pthread_join(th, nullptr);
    pthread_attr_destroy(&attr);
    EXPECT_EQ(result, 28);
}

TEST(VbsRobustness, LongChainsAreFreedWithoutDeepRecursion) {
    // Each link would be one C++ call deep when freed: objects linked through
    // their fields, arrays inside arrays, dictionaries inside dictionaries.
    vbs::Runtime rt;
    ASSERT_TRUE(
        rt.addCode("Class Link\nPublic Nxt\nSub Class_Terminate\nGone = Gone + 1\nEnd Sub\nEnd Class\n"
                   "Dim head, a, d, i, l, Gone\nSet head = Nothing\na = Array()\n"
                   "Set d = CreateObject(\"Scripting.Dictionary\")\n"
                   "For i = 1 To 200000\nSet l = New Link\nSet l.Nxt = head\nSet head = l\n"
                   "a = Array(a)\nSet l = CreateObject(\"Scripting.Dictionary\")\nl.Add 1, d\nSet d = l\n"
                   "Next\nSet l = Nothing\n"
                   "Set head = Nothing\na = Empty\nSet d = Nothing"));
    vbs::Value r;
    ASSERT_TRUE(rt.eval("Gone", r));
    EXPECT_EQ(r.asLong(), 200000);
    // The same chains still held when the engine is reset and destroyed.
    ASSERT_TRUE(rt.executeStatement("Set keep = New Link\nFor i = 1 To 200000\nSet l = New Link\n"
                                    "Set l.Nxt = keep\nSet keep = l\na = Array(a)\nNext"));
    ASSERT_TRUE(rt.eval("keep", r));
    ASSERT_TRUE(rt.reset());
    r = vbs::Value();
}

TEST(VbsRobustness, HugeStringLiteral) {
    std::string code = "x = \"" + std::string(50u << 20, 'a') + "\"\nn = Len(x)";
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode(code));
    vbs::Value r;
    ASSERT_TRUE(rt.eval("n", r));
    EXPECT_EQ(r.asLong(), 50 << 20);
}

TEST(VbsRobustness, HugeAllocationsAreOutOfMemory) {
    EXPECT_EQ(errorOf("ReDim a(1000000000)"), 7);
    EXPECT_EQ(errorOf("ReDim a(100000, 100000)"), 7);
    EXPECT_EQ(errorOf("x = Space(2000000000)"), 7);
    vbs::Config small;
    small.memoryLimit = 1 << 20;
    EXPECT_EQ(errorOf("s = \"x\"\nDo\ns = s & s\nLoop", small), 7);
}

// The resident memory of this process now, in KB.
long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

// A script that makes and drops objects, strings, arrays and dictionaries in a loop runs in
// constant memory: ten times the rounds take no more room than the first.
TEST(VbsRobustness, AllocatingInALoopRunsInConstantMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps freed memory in quarantine";
#endif
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode(R"(
Class Node
    Public Name, Items
    Private Sub Class_Initialize()
        ReDim Items(3)
    End Sub
End Class
Sub Churn(n)
    Dim i, o, d, s, a
    For i = 1 To n
        Set o = New Node
        o.Name = "node" & i
        o.Items(1) = o.Name & String(50, "x")
        ReDim Preserve a(i Mod 100)
        a(i Mod 100) = o.Items(1)
        Set d = CreateObject("Scripting.Dictionary")
        d.Add "k" & (i Mod 7), o
        s = Join(Split("a,b,c," & i, ","), ";")
        Set o = Nothing
    Next
End Sub
)"));
    const vbs::Value warm = vbs::Value::longv(20000), more = vbs::Value::longv(200000);
    ASSERT_TRUE(rt.run("Churn", std::span<const vbs::Value>(&warm, 1)));
    const long before = residentKb();
    ASSERT_TRUE(rt.run("Churn", std::span<const vbs::Value>(&more, 1)));
    const long after = residentKb();
    ASSERT_GT(before, 0);
    EXPECT_LT(after - before, 4096) << before << " KB before, " << after << " KB after";
}

TEST(VbsRobustness, InvalidUtf8) {
    EXPECT_EQ(errorOf("x = 1 \xff\xfe"), 1032);
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("s = \"a\xc3\x28z\"\nn = Len(s)"));
    vbs::Value r;
    ASSERT_TRUE(rt.eval("n", r));
    EXPECT_EQ(r.asLong(), 4); // the bad byte became one replacement character
}

TEST(VbsRobustness, EndlessLoopWithTimeout) {
    vbs::Config cfg;
    cfg.timeoutMs = 20;
    EXPECT_EQ(errorOf("Do\nLoop", cfg), 1901);
    // Mutual recursion inside an endless loop hits the stack limit first.
    EXPECT_EQ(errorOf("Sub S()\nS2\nEnd Sub\nSub S2()\nS\nEnd Sub\nWhile 1 : S2 : Wend"), 28);
}

TEST(VbsRobustness, GarbageNeverCrashes) {
    const std::string_view samples[] = {
        "",
        "\n\n",
        ")",
        "(",
        "x.",
        ".x",
        "Class",
        "Class C\nEnd",
        "Sub",
        "Function F(",
        "If",
        "Select Case",
        "For Each",
        "x = New",
        "ReDim",
        "Dim a(",
        "Const",
        "x = #",
        "x = &H",
        "x = [abc",
        "Set = 1",
        "With\nEnd With",
        "Property Get X\nEnd Property",
        "Call",
        "Exit Sub",
        "On Error Goto 1",
        "x(",
        "x = 1..2",
        "Me.x = 1",
        "Class C\nSub Class_Initialize(a)\nEnd Sub\nEnd Class",
        "\"",
        "x = \"\"\"",
        "_",
        "x = 1 _",
        "ElseIf",
        "Case 1",
        "Wend",
        "Next",
        "End If",
        "Erase 5",
        "a = Array(1)(0)(0)",
        "Set x = Nothing : x.y = 1",
        "x = 1\ny = \nz = 2",
        "Sub S\nx = 1 / 0\nEnd Sub\nS",
        "x = 1\r\ry = (",
        "x = 1\0y = 2"sv,
        "Class C\nPublic Default Property Get P(i)\nP = Me(i)\nEnd Property\nEnd Class\n"
        "Set c = New C\nx = c(1)",
    };
    for (std::string_view s : samples) {
        SCOPED_TRACE(testing::Message() << "garbage: \"" << s << "\"");
        const int lines =
            1 + int(std::count(s.begin(), s.end(), '\n') + std::count(s.begin(), s.end(), '\r'));
        vbs::Runtime rt;
        for (int round = 0; round < 2; ++round) { // twice: redefinitions must be safe too
            if (rt.addCode(s)) continue;
            // A failure is a classic error the host can show: a number, a text and where it is.
            const vbs::ErrorInfo& e = rt.lastError();
            EXPECT_NE(e.number, 0);
            EXPECT_FALSE(e.description.empty());
            EXPECT_GE(e.line, 1);
            EXPECT_LE(e.line, lines);
            EXPECT_GE(e.column, 1);
        }
        // The engine that saw the garbage still runs code, as it is and after a reset.
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(rt.addCode("Function Twice__(n)\nTwice__ = n * 2\nEnd Function\nr__ = Twice__(21)"))
                << rt.lastError().description;
            vbs::Value r;
            ASSERT_TRUE(rt.eval("r__ + 0", r)) << rt.lastError().description;
            ASSERT_EQ(r.type(), vbs::VarType::Integer);
            EXPECT_EQ(r.asInteger(), 42);
            ASSERT_TRUE(rt.reset());
        }
    }
}

} // namespace
