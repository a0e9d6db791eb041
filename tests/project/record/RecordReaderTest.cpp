#include "run/project/record/RecordFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

using namespace run;
using Kind = RecordError::Kind;

namespace {

RecordReader reader(std::string bytes) {
    return RecordReader::fromBytes(std::move(bytes));
}

template <typename F> Kind errorOf(F&& f) {
    try {
        f();
    } catch (const RecordError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no RecordError thrown";
    return Kind::Unwritable;
}

} // namespace

TEST(RecordReader, QuotedTextKeepsItsCommaThenNumberThenBoolean) {
    auto r = reader("\"Hello, world\",12,#TRUE#\r\n");
    EXPECT_EQ(r.readString(), "Hello, world");
    EXPECT_EQ(r.readInteger(), 12);
    EXPECT_TRUE(r.readBoolean());
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, EmptyFieldsReadAsZeroEmptyOrFalse) {
    auto r = reader(",5\r\n,\r\n\r\n");
    EXPECT_EQ(r.readInteger(), 0);
    EXPECT_EQ(r.readInteger(), 5);
    EXPECT_EQ(r.readString(), "");
    EXPECT_FALSE(r.readBoolean());
    EXPECT_TRUE(r.readVariant().isEmpty());
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, TwoQuotesAreAnEmptyStringNotAnEmptyVariant) {
    auto r = reader("\"\"\r\n\"\"\r\n");
    EXPECT_EQ(r.readString(), "");
    const auto v = r.readVariant();
    EXPECT_EQ(v.kind(), RecordVariant::Kind::String);
    EXPECT_EQ(v.text(), "");
}

TEST(RecordReader, BlanksAndLineEnds) {
    auto r = reader("  \t\" padded \"  junk , 7 \t\n-3\rlast");
    EXPECT_EQ(r.readString(), " padded ");
    EXPECT_EQ(r.readLong(), 7);
    EXPECT_EQ(r.readLong(), -3);
    EXPECT_EQ(r.readString(), "last");
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(errorOf([&] { r.readString(); }), Kind::EndOfFile);
}

TEST(RecordReader, LineBreakInsideQuotesBelongsToTheValue) {
    auto r = reader("\"two\r\nlines\",1\r\n");
    EXPECT_EQ(r.readString(), "two\r\nlines");
    EXPECT_EQ(r.readInteger(), 1);
}

TEST(RecordReader, UnclosedQuoteRunsToTheEndOfTheFile) {
    auto r = reader("1\r\n\"never closed,\r\n2\r\n");
    EXPECT_EQ(r.readInteger(), 1);
    EXPECT_EQ(r.readString(), "never closed,\r\n2\r\n");
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, VariantKinds) {
    auto r = reader("\"12\",12,-0.5,#TRUE#,#false#,#NULL#,,words here,#OTHER#,1e3\r\n");
    auto v = r.readVariant();
    EXPECT_EQ(v.kind(), RecordVariant::Kind::String);
    EXPECT_EQ(v.text(), "12");
    v = r.readVariant();
    EXPECT_EQ(v.kind(), RecordVariant::Kind::Number);
    EXPECT_EQ(v.text(), "12");
    EXPECT_EQ(r.readVariant().text(), "-0.5");
    v = r.readVariant();
    EXPECT_EQ(v.kind(), RecordVariant::Kind::Boolean);
    EXPECT_TRUE(v.toBoolean());
    EXPECT_EQ(v.toNumber(), -1);
    EXPECT_EQ(r.readVariant(), RecordVariant::boolean(false));
    EXPECT_TRUE(r.readVariant().isNull());
    EXPECT_TRUE(r.readVariant().isEmpty());
    EXPECT_EQ(r.readVariant(), RecordVariant::string("words here"));
    EXPECT_EQ(r.readVariant(), RecordVariant::string("#OTHER#"));
    v = r.readVariant();
    EXPECT_EQ(v.toNumber(), 1000);
    EXPECT_EQ(v.text(), "1000");
}

TEST(RecordReader, NumbersRoundHalfToEvenAndKeywordsConvert) {
    auto r = reader("2.5,3.5,-2.5,0.5,1.4999,#TRUE#,#FALSE#,\"42\",+7,.5,5.,1E2\r\n");
    EXPECT_EQ(r.readInteger(), 2);
    EXPECT_EQ(r.readInteger(), 4);
    EXPECT_EQ(r.readLong(), -2);
    EXPECT_EQ(r.readLong(), 0);
    EXPECT_EQ(r.readInteger(), 1);
    EXPECT_EQ(r.readInteger(), -1);
    EXPECT_EQ(r.readInteger(), 0);
    EXPECT_EQ(r.readInteger(), 42);
    EXPECT_EQ(r.readInteger(), 7);
    EXPECT_EQ(r.readDouble(), 0.5);
    EXPECT_EQ(r.readDouble(), 5.0);
    EXPECT_EQ(r.readDouble(), 100.0);
}

TEST(RecordReader, BooleansFromNumbersAndKeywords) {
    auto r = reader("#TRUE#,#FALSE#,0,3,-1,0.0,,#true#\r\n");
    EXPECT_TRUE(r.readBoolean());
    EXPECT_FALSE(r.readBoolean());
    EXPECT_FALSE(r.readBoolean());
    EXPECT_TRUE(r.readBoolean());
    EXPECT_TRUE(r.readBoolean());
    EXPECT_FALSE(r.readBoolean());
    EXPECT_FALSE(r.readBoolean());
    EXPECT_TRUE(r.readBoolean());
}

TEST(RecordReader, RangeLimitsAndOverflow) {
    auto r = reader(
        "-32768,32767,32768,-32769,2147483647,-2147483648,2147483648,32767.5,-32768.5,1e400,1e-400\r\n");
    EXPECT_EQ(r.readInteger(), -32768);
    EXPECT_EQ(r.readInteger(), 32767);
    EXPECT_EQ(errorOf([&] { r.readInteger(); }), Kind::Overflow);
    EXPECT_EQ(errorOf([&] { r.readInteger(); }), Kind::Overflow);
    EXPECT_EQ(r.readLong(), 2147483647);
    EXPECT_EQ(r.readLong(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(errorOf([&] { r.readLong(); }), Kind::Overflow);
    EXPECT_EQ(errorOf([&] { r.readInteger(); }), Kind::Overflow); // rounds to 32768
    EXPECT_EQ(r.readInteger(), -32768);                           // rounds to even
    EXPECT_EQ(errorOf([&] { r.readDouble(); }), Kind::Overflow);
    EXPECT_EQ(r.readDouble(), 0.0); // too small is zero, not an error
}

TEST(RecordReader, TypeMismatchNamesTheFieldAndMovesOn) {
    auto r = reader("abc,12x,#NULL#,#MAYBE#,1e,--1,inf,nan,0x10,1 2,\"\xE9t\xE9\"\r\n");
    try {
        r.readInteger();
        FAIL();
    } catch (const RecordError& e) {
        EXPECT_EQ(e.kind(), Kind::TypeMismatch);
        EXPECT_EQ(e.description(), "Type mismatch");
        EXPECT_EQ(e.number(), 13);
        EXPECT_NE(std::string(e.what()).find("'abc'"), std::string::npos) << e.what();
    }
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(errorOf([&] { r.readDouble(); }), Kind::TypeMismatch) << "field " << i + 2;
    EXPECT_EQ(errorOf([&] { r.readBoolean(); }), Kind::TypeMismatch);
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, Windows1252BecomesUtf8) {
    auto r = reader("\"caf\xE9 \x80\x35\",na\xEFve\r\n\xC9t\xE9, raw \"line\"\r\n");
    EXPECT_EQ(r.readString(), "caf\u00E9 \u20AC5");
    EXPECT_EQ(r.readVariant().text(), "na\u00EFve");
    EXPECT_EQ(r.readLine(), "\u00C9t\u00E9, raw \"line\"");
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, ReadLineTakesEverythingUpToTheLineEnd) {
    auto r = reader("a,\"b\",c\r\n\nlast\rnext");
    EXPECT_EQ(r.readLine(), "a,\"b\",c");
    EXPECT_EQ(r.readLine(), "");
    EXPECT_EQ(r.readLine(), "last");
    EXPECT_EQ(r.readLine(), "next");
    EXPECT_EQ(errorOf([&] { r.readLine(); }), Kind::EndOfFile);
}

TEST(RecordReader, AtEndIsLiteral) {
    auto r = reader("1\r\n  ");
    EXPECT_EQ(r.readInteger(), 1);
    EXPECT_FALSE(r.atEnd()); // blanks are still characters
    EXPECT_TRUE(r.readVariant().isEmpty());
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(errorOf([&] { r.readInteger(); }), Kind::EndOfFile);
    EXPECT_TRUE(reader("").atEnd());
}

TEST(RecordReader, SkipToBlockEndLeavesTheNextBlock) {
    auto r = reader("\"Room\"\r\n3\r\n\"unknown\"\r\n#TRUE#\r\n\"----- SEPARATOR -----\"\r\n\"Next\"\r\n");
    EXPECT_EQ(r.readString(), "Room");
    EXPECT_EQ(r.readInteger(), 3);
    EXPECT_FALSE(r.atBlockEnd());
    r.skipToBlockEnd();
    EXPECT_EQ(r.readString(), "Next");
}

TEST(RecordReader, BlockEndAtTheSeparatorAndAtTheEnd) {
    auto r = reader("1\r\n----- SEPARATOR -----\r\n2\r\n\"----- SEPARATOR -----\"\r\n");
    EXPECT_EQ(r.readInteger(), 1);
    const auto before = r.position();
    EXPECT_TRUE(r.atBlockEnd()); // unquoted separator counts too
    EXPECT_EQ(r.position(), before);
    r.skipToBlockEnd(); // consumes just the separator
    EXPECT_EQ(r.readInteger(), 2);
    r.skipToBlockEnd();
    ASSERT_TRUE(r.atEnd());
    const auto end = r.position();
    EXPECT_TRUE(r.atBlockEnd());
    EXPECT_EQ(r.position(), end);
    EXPECT_EQ(errorOf([&] { r.skipToBlockEnd(); }), Kind::EndOfFile);
}

TEST(RecordReader, SkipWithoutSeparatorHitsEndOfFile) {
    auto r = reader("1,2,\"three\"\r\n1e999\r\n");
    EXPECT_EQ(errorOf([&] { r.skipToBlockEnd(); }), Kind::EndOfFile);
}

TEST(RecordReader, TruncatedFilesFailCleanly) {
    const std::string full = "\"Name\",12,#TRUE#,3.25\r\n\"----- SEPARATOR -----\"\r\n";
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        auto r = reader(full.substr(0, cut));
        try {
            r.readString();
            r.readInteger();
            r.readBoolean();
            r.readDouble();
            r.skipToBlockEnd();
        } catch (const RecordError& e) {
            EXPECT_TRUE(e.kind() == Kind::EndOfFile || e.kind() == Kind::TypeMismatch)
                << cut << ": " << e.what();
        }
        EXPECT_LE(r.position(), r.size());
    }
}

TEST(RecordReader, HugeSingleLineAndBinaryGarbage) {
    std::string line(10 * 1024 * 1024, 'x');
    auto r = reader("\"" + line + "\"");
    EXPECT_EQ(r.readString().size(), line.size());
    EXPECT_TRUE(r.atEnd());

    auto r2 = reader(line + "\r\n");
    EXPECT_EQ(errorOf([&] { r2.readLong(); }), Kind::TypeMismatch);
    EXPECT_TRUE(r2.atEnd());

    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) & 0xFF);
    auto r3 = reader(garbage);
    int fields = 0;
    while (!r3.atEnd()) {
        const auto v = r3.readVariant();
        (void)v.text();
        ASSERT_LT(++fields, 5000);
    }
}

TEST(RecordReader, SeekAndPosition) {
    auto r = reader("1,2,3");
    r.readInteger();
    const auto second = r.position();
    EXPECT_EQ(r.readInteger(), 2);
    r.seek(second);
    EXPECT_EQ(r.readInteger(), 2);
    EXPECT_THROW(r.seek(100), std::out_of_range);
    r.seek(r.size());
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, OpenReportsMissingFilesAndFolders) {
    const auto missing = std::filesystem::temp_directory_path() / "no-such-record-file.dat";
    try {
        RecordReader::open(missing);
        FAIL();
    } catch (const RecordError& e) {
        EXPECT_EQ(e.kind(), Kind::FileNotFound);
        EXPECT_EQ(e.description(), "File not found");
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos);
    }
    EXPECT_EQ(errorOf([] { RecordReader::open(std::filesystem::temp_directory_path()); }), Kind::BadFileName);
    EXPECT_EQ(errorOf([] { RecordReader::open(""); }), Kind::BadFileName);
}

TEST(RecordVariant, ConversionsAndText) {
    EXPECT_EQ(RecordVariant().text(), "");
    EXPECT_EQ(RecordVariant::null().text(), "");
    EXPECT_EQ(RecordVariant::boolean(true).text(), "True");
    EXPECT_EQ(RecordVariant::number(-0.0).text(), "0");
    EXPECT_EQ(RecordVariant::number(1e20).text(), "1E+20");
    EXPECT_EQ(RecordVariant::number(0.1).text(), "0.1");
    EXPECT_EQ(RecordVariant::string(" 12 ").toNumber(), 12);
    EXPECT_TRUE(RecordVariant::string("#TRUE#").toBoolean());
    EXPECT_FALSE(RecordVariant().toBoolean());
    EXPECT_EQ(errorOf([] { RecordVariant::string("twelve").toNumber(); }), Kind::TypeMismatch);
}
