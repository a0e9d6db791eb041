// Reading speed of the record reader over a large generated file shaped like game data:
// blocks of quoted strings, integers, doubles and booleans closed by separators.
#include "run/project/record/RecordFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string& generatedFile() {
    static const std::string bytes = [] {
        run::RecordWriter w;
        std::uint32_t seed = 12345;
        auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
        while (w.bytes().size() < 32u * 1024 * 1024) {
            w.writeField("Object name " + std::to_string(next() % 1000) + " caf\u00E9, with a comma");
            w.writeField(std::int16_t(next() % 30000));
            w.writeField(std::int32_t(next()));
            w.writeField(double(next() % 100000) / 7.0);
            w.writeField(next() % 2 == 0);
            w.writeLong(std::int32_t(next() % 640));
            w.writeLong(std::int32_t(next() % 480));
            w.writeString("images\\room.bmp");
            w.endRecord();
            w.writeField(run::kRecordSeparator);
        }
        return w.bytes();
    }();
    return bytes;
}

void BM_ReadTypedFields(benchmark::State& state) {
    const std::string& bytes = generatedFile();
    for (auto _ : state) {
        auto r = run::RecordReader::fromBytes(bytes);
        std::size_t sum = 0;
        while (!r.atEnd()) {
            sum += r.readString().size();
            sum += std::size_t(r.readInteger());
            sum += std::size_t(r.readLong());
            sum += std::size_t(r.readDouble());
            sum += r.readBoolean();
            sum += std::size_t(r.readLong() + r.readLong());
            sum += r.readString().size();
            r.skipToBlockEnd();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(BM_ReadTypedFields)->Unit(benchmark::kMillisecond);

void BM_ReadVariants(benchmark::State& state) {
    const std::string& bytes = generatedFile();
    for (auto _ : state) {
        auto r = run::RecordReader::fromBytes(bytes);
        std::size_t count = 0;
        while (!r.atEnd())
            count += r.readVariant().isEmpty() ? 0 : 1;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(BM_ReadVariants)->Unit(benchmark::kMillisecond);

} // namespace
