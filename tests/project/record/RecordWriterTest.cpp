#include "run/platform/files/AtomicFile.h"
#include "run/project/record/RecordFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include <unistd.h>

using namespace run;
using Kind = RecordError::Kind;

namespace {

class TempFile {
  public:
    explicit TempFile(const std::string& name)
        : m_folder(std::filesystem::temp_directory_path() /
                   ("run-record-test-" + std::to_string(::getpid()))),
          m_path(m_folder / name) {}
    ~TempFile() {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_folder;
    std::filesystem::path m_path;
};

Kind unwritableKind(std::string_view text) {
    RecordWriter w;
    try {
        w.writeString(text);
    } catch (const RecordError& e) {
        EXPECT_TRUE(w.bytes().empty()) << "a refused field must write nothing";
        return e.kind();
    }
    return Kind::EndOfFile;
}

} // namespace

TEST(RecordWriter, OneFieldPerLineEachEndingInCrLf) {
    RecordWriter w;
    w.writeField(std::int16_t(12));
    w.writeField("Name");
    w.writeField(true);
    w.writeField(0.5);
    w.writeField(RecordVariant());
    w.writeField(RecordVariant::null());
    EXPECT_EQ(w.bytes(), "12\r\n\"Name\"\r\n#TRUE#\r\n0.5\r\n\r\n#NULL#\r\n");
}

TEST(RecordWriter, NumbersArePlainDecimalsUnlessTooLargeOrSmall) {
    const std::pair<double, const char*> cases[] = {{100000, "100000"},
                                                    {-2.5, "-2.5"},
                                                    {123456.789, "123456.789"},
                                                    {0.0001, "0.0001"},
                                                    {1e14 + 0.5, "100000000000000.5"},
                                                    {0.00001, "1E-05"},
                                                    {1e15, "1E+15"},
                                                    {-1.5e300, "-1.5E+300"},
                                                    {1.0 / 3.0, "0.3333333333333333"}};
    for (const auto& [value, text] : cases) {
        RecordWriter w;
        w.writeField(RecordVariant::number(value));
        EXPECT_EQ(w.bytes(), std::string(text) + "\r\n") << value;
        EXPECT_EQ(RecordReader::fromBytes(w.bytes()).readDouble(), value) << text;
    }
}

TEST(RecordWriter, FieldsOfARecordAreCommaSeparated) {
    RecordWriter w;
    w.writeString("a, b");
    w.writeLong(-5);
    w.writeBoolean(false);
    w.endRecord();
    w.writeString("");
    w.endRecord();
    EXPECT_EQ(w.bytes(), "\"a, b\",-5,#FALSE#\r\n\"\"\r\n");
}

TEST(RecordWriter, EveryTypeRoundTripsIncludingExtremes) {
    const double doubles[] = {0.1,
                              1e308,
                              -1e308,
                              5e-324,
                              2.2250738585072014e-308,
                              -0.0,
                              123456789012345678.0,
                              1.0 / 3.0,
                              std::numeric_limits<double>::max(),
                              42.0};
    RecordWriter w;
    w.writeField(std::int16_t(-32768));
    w.writeField(std::int16_t(32767));
    w.writeField(std::int32_t(2147483647));
    w.writeField(std::numeric_limits<std::int32_t>::min());
    for (double d : doubles)
        w.writeField(d);
    w.writeField(true);
    w.writeField(false);
    w.writeField(" spaced , out ");
    w.writeField("");
    w.writeField(RecordVariant::number(2.5));
    w.writeField(RecordVariant::string("7"));
    w.writeField(RecordVariant::boolean(true));
    w.writeField(RecordVariant());

    auto r = RecordReader::fromBytes(w.bytes());
    EXPECT_EQ(r.readInteger(), -32768);
    EXPECT_EQ(r.readInteger(), 32767);
    EXPECT_EQ(r.readLong(), 2147483647);
    EXPECT_EQ(r.readLong(), std::numeric_limits<std::int32_t>::min());
    for (double d : doubles) {
        const double back = r.readDouble();
        EXPECT_EQ(back, d);
        EXPECT_EQ(std::signbit(back), std::signbit(d));
    }
    EXPECT_TRUE(r.readBoolean());
    EXPECT_FALSE(r.readBoolean());
    EXPECT_EQ(r.readString(), " spaced , out ");
    EXPECT_EQ(r.readString(), "");
    EXPECT_EQ(r.readVariant(), RecordVariant::number(2.5));
    EXPECT_EQ(r.readVariant(), RecordVariant::string("7"));
    EXPECT_EQ(r.readVariant(), RecordVariant::boolean(true));
    EXPECT_EQ(r.readVariant(), RecordVariant());
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordWriter, Windows1252LettersRoundTripThroughTheFile) {
    TempFile file("letters.dat");
    auto w = RecordWriter::create(file.path());
    w.writeField("\u00C9t\u00E9 \u20AC \u0152uvre \u2122");
    w.commit();
    EXPECT_EQ(platform::ReadWholeFile(file.path()), "\"\xC9t\xE9 \x80 \x8Cuvre \x99\"\r\n");
    EXPECT_EQ(RecordReader::open(file.path()).readString(), "\u00C9t\u00E9 \u20AC \u0152uvre \u2122");
}

TEST(RecordWriter, RefusesWhatCannotReadBackIdentically) {
    EXPECT_EQ(unwritableKind("say \"hi\""), Kind::Unwritable);
    EXPECT_EQ(unwritableKind("two\r\nlines"), Kind::Unwritable);
    EXPECT_EQ(unwritableKind("lone\r"), Kind::Unwritable);
    EXPECT_EQ(unwritableKind("\u0394elta"), Kind::Unwritable);
    EXPECT_EQ(unwritableKind("bad \xC3"), Kind::Unwritable);
    try {
        RecordWriter().writeString("a\"b");
    } catch (const RecordError& e) {
        EXPECT_NE(std::string(e.what()).find("double quote"), std::string::npos) << e.what();
    }
    RecordWriter w;
    EXPECT_THROW(w.writeDouble(std::numeric_limits<double>::infinity()), RecordError);
    EXPECT_THROW(w.writeDouble(std::nan("")), RecordError);
    EXPECT_TRUE(w.bytes().empty());
}

TEST(RecordWriter, CommitReplacesAtomicallyAndEndsAnOpenRecord) {
    TempFile file("save.dat");
    auto first = RecordWriter::create(file.path());
    first.writeField("first");
    first.commit();

    auto second = RecordWriter::create(file.path());
    second.writeLong(1);
    second.writeLong(2);
    second.commit();
    EXPECT_EQ(platform::ReadWholeFile(file.path()), "1,2\r\n");

    // A save that cannot be written leaves the previous file alone.
    auto blocked = RecordWriter::create(file.path() / "sub");
    blocked.writeField("x");
    EXPECT_THROW(blocked.commit(), RecordError);
    EXPECT_EQ(platform::ReadWholeFile(file.path()), "1,2\r\n");

    EXPECT_THROW(RecordWriter().commit(), RecordError);
}
