#include "run/platform/media/MidiSource.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

namespace run::platform {

namespace {

constexpr std::size_t kMaxFileBytes = 32u << 20;
// FluidSynth's player keeps about 45 bytes for each event, so this bounds a tune to about 90 MB.
constexpr std::size_t kMaxEvents = 2'000'000;
constexpr std::size_t kMaxTracks = 128;          // the most FluidSynth's player takes
constexpr std::uint64_t kMaxTicks = 0x0FFFFFFF;  // the longest delta a file can state; no sum overflows
constexpr std::uint32_t kDefaultTempo = 500'000; // microseconds a quarter note, until the tune says
constexpr int kTempoEvent = 0x51;                // the meta event's type, as the player hands it on
constexpr int kBlock = 64;                       // FluidSynth's block: the player runs once a block
// Events beyond this in one 64-frame block wait for the next (22,000 a second): a flood of notes
// then takes about a third of a core instead of stalling the audio thread, while a tutti spreads
// over a few milliseconds at most, as does the setup of all 16 channels at a tune's start.
constexpr int kEventsPerBlock = 32;
constexpr int kRingOutFrames = SoundSource::kRate;     // at most one second after the last event
constexpr int kFadeFrames = SoundSource::kRate / 10;   // a ring-out cut short fades instead of clicking
constexpr float kSilence = 1e-4f;                      // -80 dB …
constexpr int kSilentFrames = SoundSource::kRate / 50; // … for 20 ms: the ring-out has died away

// Damaged files make the library talk; the player reports failures itself. Panics stay audible.
void quietLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

// ---- Reading the file -------------------------------------------------------------------------

std::uint32_t bigEndian(const std::string& s, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | static_cast<unsigned char>(s[at + i]);
    return v;
}

void putBigEndian(std::string& out, std::uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void putVarlen(std::string& out, std::uint32_t v) {
    int shift = 21;
    while (shift > 0 && (v >> shift) == 0)
        shift -= 7;
    for (; shift > 0; shift -= 7)
        out += static_cast<char>(0x80 | ((v >> shift) & 0x7F));
    out += static_cast<char>(v & 0x7F);
}

struct Tempo {
    std::uint64_t tick;
    std::uint32_t microseconds;
};

struct TrackReader {
    const std::string& in;
    std::size_t pos;
    std::size_t end;

    bool byte(std::uint8_t& b) {
        if (pos >= end) return false;
        b = static_cast<std::uint8_t>(in[pos++]);
        return true;
    }
    bool varlen(std::uint32_t& v) {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b;
            if (!byte(b)) return false;
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
};

// Writes one track again as FluidSynth's reader takes it without failing the whole file: a status
// byte on every event, only what plays (channel messages, system exclusive, tempo changes), and an
// end-of-track event last, at the tick the track states or, when the track is damaged, at its last
// whole event. False when the tune passes kMaxEvents.
bool ReadTrack(TrackReader r, std::string& out, std::vector<Tempo>& tempos, std::size_t& events,
               std::uint64_t& endTick) {
    std::uint64_t tick = 0;
    std::uint64_t written = 0; // the tick of the last event written: deltas of dropped events add up
    std::uint8_t running = 0;
    auto put = [&](std::uint64_t at) {
        putVarlen(out, static_cast<std::uint32_t>(at - written));
        written = at;
    };
    for (;;) {
        std::uint32_t delta;
        if (!r.varlen(delta) || tick + delta > kMaxTicks || r.pos >= r.end) break;
        const std::uint64_t at = tick + delta;
        std::uint8_t status = static_cast<std::uint8_t>(r.in[r.pos]);
        if (status & 0x80)
            ++r.pos;
        else if (running)
            status = running;
        else
            break;
        if (status < 0xF0) {
            const int count = (status & 0xE0) == 0xC0 ? 1 : 2; // programs and channel pressure take one
            std::uint8_t data[2] = {};
            bool whole = true;
            for (int i = 0; i < count && whole; ++i)
                whole = r.byte(data[i]) && data[i] < 0x80;
            if (!whole) break;
            if (++events > kMaxEvents) return false;
            running = status;
            put(at);
            out += static_cast<char>(status);
            out.append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(count));
        } else if (status == 0xF0 || status == 0xF7) {
            running = 0;
            std::uint32_t length;
            if (!r.varlen(length) || length > r.end - r.pos) break;
            // An F7 packet continues a message or escapes raw bytes: neither plays on its own.
            if (status == 0xF0 && length > 0) {
                if (++events > kMaxEvents) return false;
                put(at);
                out += '\xF0';
                putVarlen(out, length);
                out.append(r.in, r.pos, length);
            }
            r.pos += length;
        } else if (status == 0xFF) {
            running = 0;
            std::uint8_t type;
            std::uint32_t length;
            if (!r.byte(type) || !r.varlen(length) || length > r.end - r.pos) break;
            if (type == 0x2F) {
                tick = at;
                break;
            }
            // A tempo of zero would stop the clock; the tune keeps the tempo it had.
            if (type == kTempoEvent && length == 3 && bigEndian(r.in, r.pos, 3) > 0) {
                if (++events > kMaxEvents) return false;
                put(at);
                out.append("\xFF\x51\x03", 3);
                out.append(r.in, r.pos, 3);
                tempos.push_back({at, bigEndian(r.in, r.pos, 3)});
            }
            r.pos += length;
        } else {
            break; // real-time and system common bytes have no place in a file
        }
        tick = at;
    }
    put(tick);
    out.append("\xFF\x2F\x00", 3);
    endTick = tick;
    return true;
}

struct Tune {
    std::string smf; // the file written again; see ReadTrack
    std::uint64_t endTick = 0;
    double seconds = 0;
};

// Checks the file and writes it again for FluidSynth (see ReadTrack), so that what opens also
// plays; an error text for a file that cannot.
std::string ReadTune(const std::string& in, Tune& tune) {
    if (in.size() < 4 || in.compare(0, 4, "MThd") != 0)
        return "Not a MIDI file (it does not start with MThd)";
    if (in.size() < 14) return "The MIDI file is cut short in its header";
    const std::uint32_t headerLength = bigEndian(in, 4, 4);
    const std::uint32_t format = bigEndian(in, 8, 2);
    const std::uint32_t stated = bigEndian(in, 10, 2);
    const std::uint32_t division = bigEndian(in, 12, 2);
    if (headerLength < 6 || headerLength > in.size() - 8) return "The MIDI file's header is damaged";
    if (format > 2) return "The MIDI file's format (" + std::to_string(format) + ") is not one that plays";
    if (division & 0x8000) return "MIDI files timed in SMPTE frames are not supported";
    if (division == 0) return "The MIDI file's header is damaged (no ticks per quarter note)";

    std::vector<std::string> tracks;
    std::vector<Tempo> tempos;
    std::size_t events = 0;
    std::uint64_t endTick = 0;
    std::size_t pos = 8 + std::size_t{headerLength};
    // Chunks of other kinds are skipped; a chunk cut short by the end of the file holds what is left.
    while (tracks.size() < stated && in.size() - pos >= 8) {
        const bool isTrack = in.compare(pos, 4, "MTrk") == 0;
        const std::size_t length = std::min<std::size_t>(bigEndian(in, pos + 4, 4), in.size() - pos - 8);
        pos += 8;
        if (isTrack) {
            if (tracks.size() == kMaxTracks) return "The MIDI file has more than 128 tracks";
            std::uint64_t trackEnd = 0;
            if (!ReadTrack({in, pos, pos + length}, tracks.emplace_back(), tempos, events, trackEnd))
                return "The MIDI file holds more than 2,000,000 events";
            endTick = std::max(endTick, trackEnd);
        }
        pos += length;
    }
    if (tracks.empty()) return "The MIDI file holds no tracks";

    tune.smf = "MThd";
    putBigEndian(tune.smf, 6, 4);
    putBigEndian(tune.smf, tracks.size() == 1 ? 0 : 1, 2);
    putBigEndian(tune.smf, static_cast<std::uint32_t>(tracks.size()), 2);
    putBigEndian(tune.smf, division, 2);
    for (const std::string& t : tracks) {
        tune.smf += "MTrk";
        putBigEndian(tune.smf, static_cast<std::uint32_t>(t.size()), 4);
        tune.smf += t;
    }

    // The player takes a tempo change from any track; at one tick, the later track's holds.
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
    double microseconds = 0;
    std::uint64_t at = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const Tempo& t : tempos) {
        if (t.tick >= endTick) break;
        microseconds += double(t.tick - at) * tempo;
        at = t.tick;
        tempo = t.microseconds;
    }
    microseconds += double(endTick - at) * tempo;
    tune.endTick = endTick;
    tune.seconds = microseconds / division / 1e6;
    return {};
}

// ---- The shared sound font --------------------------------------------------------------------

// The General MIDI font, loaded once by a synthesizer that never plays and keeps it; each tune's
// synthesizer adds it to its own list and removes it again before it is deleted. FluidSynth's
// font and sample counters are plain integers, changed by every synthesizer using the font (on
// program changes, notes, resets), so everything those synthesizers do happens under `lock`.
struct Font {
    std::mutex lock;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* owner = nullptr;
    fluid_sfont_t* sfont = nullptr;

    Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font() {
        if (owner) delete_fluid_synth(owner); // frees the font: no tune holds it any more
        if (settings) delete_fluid_settings(settings);
    }
};

std::shared_ptr<Font> LoadFont(std::string& error) {
    // Debian's alternatives link first, then the font the package installs.
    const char* const paths[] = {"/usr/share/sounds/sf2/default-GM.sf2",
                                 "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
    const char* path = nullptr;
    for (const char* p : paths) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(p, ec)) {
            path = p;
            break;
        }
    }
    if (!path) {
        error = "No General MIDI sound font is installed (fluid-soundfont-gm)";
        return nullptr;
    }
    auto font = std::make_shared<Font>();
    font->settings = new_fluid_settings();
    if (!font->settings) {
        error = "Out of memory";
        return nullptr;
    }
    // All samples up front: loading them on demand would read the disk on the audio thread when a
    // tune first calls for an instrument, and still costs its load time for every synthesizer.
    fluid_settings_setint(font->settings, "synth.dynamic-sample-loading", 0);
    // Pinning 150 MB needs a privilege the player does not have; asking would only fail.
    fluid_settings_setint(font->settings, "synth.lock-memory", 0);
    font->owner = new_fluid_synth(font->settings);
    const int id = font->owner ? fluid_synth_sfload(font->owner, path, 0) : FLUID_FAILED;
    font->sfont = id == FLUID_FAILED ? nullptr : fluid_synth_get_sfont_by_id(font->owner, id);
    if (!font->sfont) {
        error = std::string("The General MIDI sound font ") + path + " could not be loaded";
        return nullptr;
    }
    return font;
}

// The font, loaded by the first caller; a failure is remembered rather than retried on every tune.
std::shared_ptr<Font> SharedFont(std::string& error) {
    static std::mutex lock;
    static std::shared_ptr<Font> font;
    static std::string failure;
    static bool tried = false;
    std::lock_guard guard(lock);
    if (!tried) {
        tried = true;
        font = LoadFont(failure);
    }
    if (!font) error = failure;
    return font;
}

} // namespace

// ---- One tune ---------------------------------------------------------------------------------

struct MidiSource::Impl {
    enum class Stage { Playing, RingingOut, Ended };

    std::shared_ptr<Font> font; // first member: outlives the synthesizer that plays it
    std::string smf;
    std::uint64_t endTick = 0;
    double seconds = 0;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    bool attached = false;      // the font is on the synthesizer's list
    std::uint64_t rendered = 0; // frames, to find FluidSynth's block boundaries
    // Events the player handed on that wait for a later block (see kEventsPerBlock). They point
    // into the player's tracks, so they live no longer than the player.
    std::vector<fluid_midi_event_t*> held;
    std::size_t heldPos = 0;
    int budget = 0; // events the current block may still take
    Stage stage = Stage::Playing;
    int ringFrames = 0;
    int silentFrames = 0;

    Impl() = default;
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    ~Impl() {
        if (player) delete_fluid_player(player); // touches only this tune's synthesizer
        if (synth) {
            std::lock_guard lock(font->lock);
            if (attached) fluid_synth_remove_sfont(synth, font->sfont);
            delete_fluid_synth(synth);
        }
        if (settings) delete_fluid_settings(settings);
    }

    static int handOver(void* data, fluid_midi_event_t* event) {
        auto* self = static_cast<Impl*>(data);
        // The player applies tempo changes itself; the synthesizer has no use for them.
        if (fluid_midi_event_get_type(event) == kTempoEvent) return FLUID_OK;
        if (self->budget > 0 && self->heldPos == self->held.size()) {
            --self->budget;
            return fluid_synth_handle_midi_event(self->synth, event);
        }
        try {
            self->held.push_back(event);
        } catch (...) {
            // Out of memory: this one event is lost, the tune goes on.
        }
        return FLUID_OK;
    }

    // At a block boundary: a new budget, spent first on the events still waiting, in their order.
    void handOverHeld() {
        budget = kEventsPerBlock;
        while (budget > 0 && heldPos < held.size()) {
            --budget;
            fluid_synth_handle_midi_event(synth, held[heldPos++]);
        }
        if (heldPos == held.size()) {
            held.clear();
            heldPos = 0;
        }
    }

    std::string startPlayer() {
        stage = Stage::Ended;
        player = new_fluid_player(synth);
        if (!player) return "The MIDI player could not start";
        fluid_player_set_playback_callback(player, &Impl::handOver, this);
        if (fluid_player_add_mem(player, smf.data(), smf.size()) != FLUID_OK ||
            fluid_player_play(player) != FLUID_OK)
            return "The MIDI player could not start";
        stage = Stage::Playing;
        ringFrames = 0;
        silentFrames = 0;
        return {};
    }

    std::string start() {
        settings = new_fluid_settings();
        if (!settings) return "Out of memory";
        fluid_settings_setnum(settings, "synth.sample-rate", kRate);
        // At the tune's end the player would reset the synthesizer, cutting the last notes off.
        fluid_settings_setint(settings, "player.reset-synth", 0);
        // FluidSynth's own default (0.2) leaves a tune some 20 dB under the sampled sounds.
        fluid_settings_setnum(settings, "synth.gain", 0.6);
        synth = new_fluid_synth(settings);
        if (!synth) return "The MIDI synthesizer could not start";
        if (std::string error = startPlayer(); !error.empty()) return error;
        // The player reads the file in its first block. That block is rendered here, before the
        // font is attached, so reading a long file holds up no other tune (all of them wait on the
        // font's lock), and with no budget the tune's first events wait until the font is there.
        budget = 0;
        float scratch[kBlock * kChannels];
        fluid_synth_write_float(synth, kBlock, scratch, 0, kChannels, scratch, 1, kChannels);
        rendered = kBlock;
        std::lock_guard lock(font->lock);
        if (fluid_synth_add_sfont(synth, font->sfont) == FLUID_FAILED)
            return "The sound font could not be used";
        attached = true;
        return {};
    }

    // FluidSynth's player reports the end only once every voice is silent or two seconds have
    // passed, which would put a pause into every loop; the tune's own end is its last tick.
    bool pastLastEvent() const {
        return std::uint64_t(fluid_player_get_current_tick(player)) >= endTick ||
               fluid_player_get_status(player) == FLUID_PLAYER_DONE;
    }

    // The ring-out after the last event: ends when it has died away or after a second, the last
    // tenth of which fades out. A note struck last may still be rising from silence, hence the
    // 20 ms.
    void ringOut(float* frames, int count) {
        float peak = 0;
        for (int i = 0; i < count; ++i) {
            const float gain = std::clamp(float(kRingOutFrames - ringFrames - i) / kFadeFrames, 0.0f, 1.0f);
            for (int c = 0; c < kChannels; ++c) {
                float& v = frames[i * kChannels + c];
                v *= gain;
                peak = std::max(peak, std::fabs(v));
            }
        }
        ringFrames += count;
        silentFrames = peak < kSilence ? silentFrames + count : 0;
        if (silentFrames >= kSilentFrames || ringFrames >= kRingOutFrames) stage = Stage::Ended;
    }
};

MidiSource::MidiSource(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
MidiSource::~MidiSource() = default;

void MidiSource::preload() {
    quietLibrary();
    std::string error;
    SharedFont(error);
}

std::unique_ptr<MidiSource> MidiSource::open(const std::string& path, std::string& error) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = "Cannot read the MIDI file (" + ec.message() + ")";
        return nullptr;
    }
    if (size > kMaxFileBytes) {
        error = "The MIDI file is larger than 32 MB";
        return nullptr;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "Cannot read the MIDI file";
        return nullptr;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return openMemory(std::move(bytes), error);
}

std::string MidiSource::check(const std::string& bytes) {
    if (bytes.size() > kMaxFileBytes) return "The MIDI file is larger than 32 MB";
    Tune tune;
    return ReadTune(bytes, tune);
}

std::unique_ptr<MidiSource> MidiSource::openMemory(std::string bytes, std::string& error) {
    quietLibrary();
    if (bytes.size() > kMaxFileBytes) {
        error = "The MIDI file is larger than 32 MB";
        return nullptr;
    }
    Tune tune;
    error = ReadTune(bytes, tune);
    if (!error.empty()) return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->font = SharedFont(error);
    if (!impl->font) return nullptr;
    impl->smf = std::move(tune.smf);
    impl->endTick = tune.endTick;
    impl->seconds = tune.seconds;
    error = impl->start();
    if (!error.empty()) return nullptr;
    return std::unique_ptr<MidiSource>(new MidiSource(std::move(impl)));
}

std::size_t MidiSource::read(float* out, std::size_t frames) {
    Impl& d = *m_impl;
    std::lock_guard lock(d.font->lock);
    std::size_t done = 0;
    while (done < frames && d.stage != Impl::Stage::Ended) {
        // Up to the next block boundary, where the player runs and the budget starts afresh.
        const std::size_t intoBlock = d.rendered % kBlock;
        const int n = static_cast<int>(std::min<std::size_t>(kBlock - intoBlock, frames - done));
        if (intoBlock == 0) d.handOverHeld();
        float* at = out + done * kChannels;
        fluid_synth_write_float(d.synth, n, at, 0, kChannels, at, 1, kChannels);
        d.rendered += static_cast<std::size_t>(n);
        done += static_cast<std::size_t>(n);
        if (d.stage == Impl::Stage::RingingOut)
            d.ringOut(at, n);
        else if (d.held.empty() && d.pastLastEvent())
            d.stage = Impl::Stage::RingingOut;
    }
    return done;
}

bool MidiSource::rewind() {
    Impl& d = *m_impl;
    std::lock_guard lock(d.font->lock);
    if (d.player) delete_fluid_player(d.player);
    d.player = nullptr;
    d.held.clear();
    d.heldPos = 0;
    // Silence, and programs and controllers as a fresh synthesizer has them.
    fluid_synth_system_reset(d.synth);
    return d.startPlayer().empty();
}

double MidiSource::durationSeconds() const {
    return m_impl->seconds;
}

} // namespace run::platform
