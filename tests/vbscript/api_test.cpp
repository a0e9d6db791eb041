// The embedding API: what a host sees and a script cannot observe.
#include "vbscript/vbscript.h"

#include <gtest/gtest.h>

namespace {

TEST(VbsApi, AddCodeRunAndEval) {
    vbs::Runtime rt;
    ASSERT_TRUE(rt.addCode("Function Twice(x)\nTwice = x * 2\nEnd Function\nDim g\ng = 21"));
    vbs::Value r;
    vbs::Value arg = vbs::Value::integer(5);
    ASSERT_TRUE(rt.run("twice", std::span<const vbs::Value>(&arg, 1), &r));
    EXPECT_EQ(r.asInteger(), 10);
    ASSERT_TRUE(rt.eval("g + 1", r));
    EXPECT_EQ(r.asInteger(), 22);
}

}  // namespace
