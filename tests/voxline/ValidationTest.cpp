// The control's value rules, each by its table of cases, and the level and balance its players
// take.
#include "Validation.h"

#include <gtest/gtest.h>

#include <string>

namespace voxline {
namespace {

pc_value Text(const char* t) {
    pc_value v{PC_STRING, static_cast<uint32_t>(std::char_traits<char>::length(t)), {0}};
    v.v.s = t;
    return v;
}

pc_value Number(double d) {
    pc_value v{PC_DOUBLE, 0, {0}};
    v.v.d = d;
    return v;
}

TEST(VoxlineValidation, EachRuleByItsCases) {
    struct Case {
        const char* text;
        int integer, delay, balance, volume;
    };
    // Numeric means: halved, the value converts to 16 bits. Values that pass that but do not fit
    // 16 bits themselves are taken as not numeric where 16 bits are stored.
    const Case cases[] = {
        {"abc", 0, 0, 0, 10},        {"", 0, 0, 0, 10},        {"  7 ", 7, 7, 7, 7},
        {"-5", -5, 0, -5, 0},        {"12", 12, 12, 10, 10},   {"-25", -25, 0, -10, 0},
        {"2.5", 2, 2, 2, 2},         {"3.5", 4, 4, 4, 4},      {"32767", 32767, 32767, 10, 10},
        {"40000", 0, 40000, 0, 10},  {"-40000", 0, 0, 0, 0},   {"65534", 0, 65534, 0, 10},
        {"65535", 0, 0, 0, 10},      {"-65536", 0, 0, 0, 0},   {"-65538", 0, 0, 0, 10},
        {"1e3", 1000, 1000, 10, 10}, {"&HFFFF", -1, 0, -1, 0}, {"&H10", 16, 16, 10, 10},
        {"inf", 0, 0, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const pc_value v = Text(c.text);
        EXPECT_EQ(TestInteger(v), c.integer);
        EXPECT_EQ(TestDelay(v), c.delay);
        EXPECT_EQ(TestBalance(v), c.balance);
        EXPECT_EQ(TestVolume(v), c.volume);
    }
    // Numbers and booleans as scripts pass them, and Empty as 0.
    EXPECT_EQ(TestVolume(Number(4.5)), 4) << "halves go to the even neighbour";
    EXPECT_EQ(TestInteger(pc_value{PC_BOOL, 0, {-1}}), -1);
    EXPECT_EQ(TestVolume(pc_value{PC_EMPTY, 0, {0}}), 0);
    EXPECT_EQ(TestVolume(pc_value{PC_NULL, 0, {0}}), 10);
}

TEST(VoxlineValidation, LevelsAndBalancesForThePlayers) {
    EXPECT_EQ(PlayerVolume(0), -10000) << "level 0 is silence";
    EXPECT_EQ(PlayerVolume(1), -3600);
    EXPECT_EQ(PlayerVolume(7), -1200);
    EXPECT_EQ(PlayerVolume(10), 0);
    EXPECT_EQ(PlayerBalance(0), 0);
    EXPECT_EQ(PlayerBalance(-10), -4000);
    EXPECT_EQ(PlayerBalance(3), 1200);
    EXPECT_EQ(PlayerBalance(-11), -10000);
    EXPECT_EQ(PlayerBalance(11), 10000);
}

} // namespace
} // namespace voxline
