// Feeds arbitrary bytes to the record reader with a mix of operations chosen by the input,
// then checks that every value the writer accepts reads back identically.
#include "run/project/record/RecordFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::vector<std::uint8_t> ops =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<int>(0, 64));
    auto reader = run::RecordReader::fromBytes(input.ConsumeRemainingBytesAsString());

    std::vector<std::string> strings;
    std::vector<double> doubles;
    std::vector<run::RecordVariant> variants;
    std::vector<std::int32_t> longs;

    for (const std::uint8_t op : ops) {
        const std::size_t before = reader.position();
        try {
            switch (op % 12) {
            case 0:
                longs.push_back(reader.readInteger());
                break;
            case 1:
                longs.push_back(reader.readLong());
                break;
            case 2:
                doubles.push_back(reader.readDouble());
                break;
            case 3:
                strings.push_back(reader.readString());
                break;
            case 4:
                longs.push_back(reader.readBoolean());
                break;
            case 5:
                variants.push_back(reader.readVariant());
                break;
            case 6:
                strings.push_back(reader.readLine());
                break;
            case 7: {
                const bool end = reader.atBlockEnd();
                check(reader.position() == before);
                if (reader.atEnd()) check(end);
                break;
            }
            case 8:
                reader.skipToBlockEnd();
                break;
            case 9:
                reader.seek(reader.size() == 0 ? 0 : (op * 7919u) % (reader.size() + 1));
                break;
            case 10:
                (void)variants.emplace_back(reader.readVariant()).text();
                break;
            case 11: {
                // Whole numbers from any field: a value or an Overflow/TypeMismatch, never a wrap.
                const run::RecordVariant v = reader.readVariant();
                try {
                    const std::int16_t i = v.toInteger();
                    check(double(i) == std::nearbyint(v.toNumber()));
                } catch (const run::RecordError&) {
                }
                try {
                    const std::int32_t l = v.toLong();
                    check(double(l) == std::nearbyint(v.toNumber()));
                } catch (const run::RecordError&) {
                }
                break;
            }
            }
        } catch (const run::RecordError& e) {
            // A failed read at the end moves nothing; conversions fail after the field.
            if (e.kind() == run::RecordError::Kind::EndOfFile) check(reader.atEnd() || op % 12 == 8);
        }
        check(reader.position() <= reader.size());
        if (op % 12 != 9 && op % 12 != 7) check(reader.position() > before || reader.atEnd());
    }

    // Round trip: whatever the writer accepts must read back identically.
    run::RecordWriter writer;
    std::vector<std::string> written;
    for (const std::string& s : strings) {
        try {
            writer.writeField(std::string_view(s));
            written.push_back(s);
        } catch (const run::RecordError&) {
        }
    }
    std::vector<run::RecordVariant> writtenVariants;
    for (const auto& v : variants) {
        try {
            writer.writeField(v);
            writtenVariants.push_back(v);
        } catch (const run::RecordError&) {
        }
    }
    for (double d : doubles)
        writer.writeField(d);
    for (std::int32_t l : longs)
        writer.writeField(l);

    auto back = run::RecordReader::fromBytes(writer.bytes());
    for (const std::string& s : written)
        check(back.readString() == s);
    for (const auto& v : writtenVariants)
        check(back.readVariant() == v);
    for (double d : doubles)
        check(sameDouble(back.readDouble(), d));
    for (std::int32_t l : longs)
        check(back.readLong() == l);
    check(back.atEnd());
    return 0;
}
