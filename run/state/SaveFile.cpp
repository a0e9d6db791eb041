#include "run/state/SaveFile.h"

#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/record/RecordReader.h"
#include "run/project/record/RecordWriter.h"

#include <cstdio>
#include <ctime>

namespace run {

namespace {

constexpr std::string_view kEncoded = "~UTF8~";

bool needsEncoding(const std::string& utf8) {
    if (utf8.starts_with(kEncoded)) return true;
    if (utf8.find_first_of("\"\r\n") != std::string::npos) return true;
    return !platform::IsCp1252Representable(utf8);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void writeText(RecordWriter& w, const std::string& text) {
    w.writeField(EncodeSaveText(text));
}

void writeCount(RecordWriter& w, std::size_t n) {
    w.writeField(RecordVariant::number(static_cast<double>(static_cast<std::int32_t>(n))));
}

std::string readText(RecordReader& r) {
    return DecodeSaveText(r.readString());
}

} // namespace

std::string SaveDateText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    return text;
}

std::string EncodeSaveText(const std::string& utf8) {
    if (!needsEncoding(utf8)) return utf8;
    static const char* hex = "0123456789ABCDEF";
    std::string out(kEncoded);
    for (unsigned char c : utf8) {
        if (c < 0x20 || c >= 0x7F || c == '%' || c == '"') {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string DecodeSaveText(const std::string& stored) {
    if (!stored.starts_with(kEncoded)) return stored;
    std::string out;
    for (std::size_t i = kEncoded.size(); i < stored.size(); ++i) {
        int hi = 0, lo = 0;
        if (stored[i] == '%' && i + 2 < stored.size() && (hi = hexValue(stored[i + 1])) >= 0 &&
            (lo = hexValue(stored[i + 2])) >= 0) {
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += stored[i];
        }
    }
    return out;
}

std::string SaveFileBytes(const GameState& g, const SaveIdentity& id) {
    RecordWriter w;
    w.writeField(RecordVariant::string(EncodeSaveText(g.frame)));
    const GameVariables& vars = g.variables;
    writeCount(w, static_cast<std::size_t>(vars.Variables.Count()));
    for (const ClassVariable& v : vars.Variables) {
        writeText(w, v.Name);
        w.writeField(v.Value);
    }
    writeCount(w, static_cast<std::size_t>(vars.Disappear.Count()));
    for (const ClassVariable& d : vars.Disappear) {
        writeText(w, d.Name);
        w.writeField(d.Value);
    }
    w.writeField(static_cast<std::int16_t>(g.items.size()));
    for (const std::string& item : g.items)
        writeText(w, item);
    w.writeField(static_cast<std::int16_t>(g.history.size()));
    for (const std::string& frame : g.history)
        writeText(w, frame);
    for (int i = 0; i < 3; ++i)
        w.writeField("");
    writeText(w, id.projectName);
    writeText(w, id.title);
    w.writeField(RecordVariant::string(id.date));
    w.writeField("Version 4.1.0");
    writeCount(w, static_cast<std::size_t>(vars.VariablesVariant.Count()));
    for (const ClassVariableVariant& v : vars.VariablesVariant) {
        writeText(w, v.Name);
        if (v.Value.kind() == RecordVariant::Kind::String)
            w.writeField(RecordVariant::string(EncodeSaveText(v.Value.stringValue())));
        else
            w.writeField(v.Value);
    }
    return w.bytes();
}

void WriteSaveFile(const std::filesystem::path& file, const GameState& state, const SaveIdentity& id) {
    // Everything is turned into bytes before the file is touched: a value that cannot be
    // written fails the save with the old file still in place.
    std::string bytes = SaveFileBytes(state, id);
    const std::string error = platform::WriteFileAtomically(file, bytes);
    if (!error.empty()) throw RecordError(RecordError::Kind::Unwritable, error);
}

SaveContents ReadSaveFile(const std::filesystem::path& file) {
    auto bytes = platform::ReadWholeFile(file);
    if (!bytes) throw RecordError(RecordError::Kind::FileNotFound, file.string());
    return ReadSaveBytes(std::move(*bytes));
}

SaveContents ReadSaveBytes(std::string bytes) {
    RecordReader r = RecordReader::fromBytes(std::move(bytes));
    SaveContents contents;
    GameState& g = contents.state;
    GameVariables& vars = g.variables;
    g.frame = readText(r);
    // Counts come from the file: entries are read one by one, so a huge count ends at the
    // end of the file instead of reserving memory for it.
    for (std::int32_t n = r.readLong(); n > 0; --n) {
        std::string name = readText(r);
        std::int16_t value = r.readInteger();
        vars.Variables.Add(std::move(name), value);
    }
    for (std::int32_t n = r.readLong(); n > 0; --n) {
        std::string frame = readText(r);
        std::int16_t hotspot = r.readInteger();
        vars.Disappear.Add(std::move(frame), hotspot);
    }
    for (std::int16_t n = r.readInteger(); n > 0; --n)
        g.items.push_back(readText(r));
    contents.hasHistory = !r.atEnd();
    if (contents.hasHistory) {
        for (std::int16_t n = r.readInteger(); n > 0; --n)
            g.history.push_back(readText(r));
    }
    contents.hasVariants = false;
    if (!r.atEnd()) {
        for (int i = 0; i < 7; ++i)
            r.readVariant();
        if (!r.atEnd()) {
            contents.hasVariants = true;
            for (std::int32_t n = r.readLong(); n > 0; --n) {
                std::string name = readText(r);
                RecordVariant value = r.readVariant();
                if (value.kind() == RecordVariant::Kind::String)
                    value = RecordVariant::string(DecodeSaveText(value.stringValue()));
                vars.VariablesVariant.Add(std::move(name), std::move(value));
            }
        }
    }
    return contents;
}

} // namespace run
