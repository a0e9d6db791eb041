// The procedures file: the unscrambling of each line, worked out by hand, and whole files read
// back through the scrambler, with their header and bad endings.
#include "run/scripting/Procedures.h"
#include "run/project/record/RecordError.h"
#include "tests/support/ProcedureScrambler.h"

#include <gtest/gtest.h>

namespace run {
namespace {

TEST(Procedures, LinesUnscrambleFromTheLastCharacterToTheSecond) {
    // Salt '!' gives 1; 'x' is 120: (120 - 32 - (0 + 1 × 81)) mod 94 = 7, so 39, a quote.
    EXPECT_EQ(DecodeProceduresLine("!x", 0), "'");
    // With key 1000: -993 mod 94 is 41 (not -53), so 73, "I".
    EXPECT_EQ(DecodeProceduresLine("!x", 1000), "I");
    // Two characters: 'b' first with the first key letter, then 'a' with the second (77) and
    // (1 + 1) × 77: "o" then "%".
    EXPECT_EQ(DecodeProceduresLine("!ab", 0), "o%");
    // Outside 32..126 a character passes as it is; a zero byte is dropped; the salt alone
    // gives nothing.
    EXPECT_EQ(DecodeProceduresLine(std::string("!\t\xE9", 3), 5), "\xE9\t");
    EXPECT_EQ(DecodeProceduresLine(std::string("!\0", 2), 5), "");
    EXPECT_EQ(DecodeProceduresLine("!", 5), "");
    EXPECT_EQ(DecodeProceduresLine("", 5), "");
    // 32-bit arithmetic: a key that overflows it fails as the classic reader does.
    EXPECT_THROW(DecodeProceduresLine(std::string(300, 'z'), 2147483600), std::overflow_error);
    EXPECT_EQ(ProjectKeyNumber("Ab"), 65 + 98);
    EXPECT_EQ(ProjectKeyNumber("\xC3\xA9"), 0xE9) << "the Windows-1252 code of é";
}

TEST(Procedures, WholeFilesRoundTripAndBadEndingsFail) {
    const std::string text = "' The keeper's procedures\r\nSub Light()\r\n    lantern_lit = 1 ' \"lit\"\r\n"
                             "\r\nEnd Sub\r\nFunction Née(x)\r\n\tNée = x & \"{|}\"\r\nEnd Function";
    for (std::int32_t key : {0, 1234, 65 * 40}) {
        std::string bytes = testing::ProceduresFileBytes(text, key);
        EXPECT_EQ(bytes.find("lantern"), std::string::npos) << "scrambled";
        EXPECT_EQ(ReadProceduresText(bytes, true, key), text) << key;
    }
    EXPECT_EQ(ReadProceduresText(testing::ProceduresFileBytes(text), false, 0), text);
    EXPECT_NE(ReadProceduresText(testing::ProceduresFileBytes(text, 7), true, 8), text) << "the wrong key";
    // LF or CR line ends count as line ends too.
    EXPECT_EQ(ReadProceduresText("a\nb\rc\nSub X\nEnd Sub", false, 0), "Sub X\r\nEnd Sub");
    // A file that ends within its header, or right after it, cannot be read.
    for (const char* bytes :
         {"", "one", "one\r\ntwo\r\n", "one\r\ntwo\r\nthree\r\n", "one\r\ntwo\r\nthree"}) {
        EXPECT_THROW(ReadProceduresText(bytes, false, 0), RecordError) << bytes;
    }
    EXPECT_EQ(ReadProceduresText("one\r\ntwo\r\nthree\r\n\r\n", false, 0), "") << "one empty line after it";
}

} // namespace
} // namespace run
