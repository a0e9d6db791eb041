// Standard MIDI Files written from code, for tests and for generated music: one track (format 0)
// of notes, programs, controllers, tempo changes and raw events, each placed at a tick; bytes()
// puts them in order and writes the file. Header-only and free of dependencies.
//
//   MidiWriter w(480);                      // 480 ticks a quarter note
//   w.tempo(0, 600'000).program(0, 0, 73);  // 100 beats a minute, a flute on channel 0
//   w.note(0, 480, 0, 72).note(480, 960, 0, 76, 90);
//   std::string file = w.end(1920).bytes();
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace run::platform {

class MidiWriter {
  public:
    explicit MidiWriter(int ticksPerQuarter = 480) : m_division(ticksPerQuarter) {}

    // From `tick` on a quarter note lasts `microseconds` (500,000, the default, is 120 a minute).
    MidiWriter& tempo(std::uint32_t tick, std::uint32_t microseconds) {
        std::string data = "\xFF\x51\x03";
        bigEndian(data, microseconds, 3);
        return add(tick, kOther, std::move(data));
    }
    // A General MIDI instrument (0–127) for the channel (0–15; 9 holds the drums).
    MidiWriter& program(std::uint32_t tick, int channel, int program) {
        return add(tick, kOther, {byte(0xC0 | (channel & 15)), byte(program & 127)});
    }
    MidiWriter& controller(std::uint32_t tick, int channel, int number, int value) {
        return add(tick, kOther, {byte(0xB0 | (channel & 15)), byte(number & 127), byte(value & 127)});
    }
    // A note `length` ticks long; key 60 is middle C.
    MidiWriter& note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity = 100) {
        add(tick, kNoteOn, {byte(0x90 | (channel & 15)), byte(key & 127), byte(velocity & 127)});
        return add(tick + length, kNoteOff, {byte(0x80 | (channel & 15)), byte(key & 127), '\0'});
    }
    // Any other event as its bytes: a status and data, F0 length data for system exclusive, or
    // FF type length data for a meta event.
    MidiWriter& event(std::uint32_t tick, std::string bytes) { return add(tick, kOther, std::move(bytes)); }
    // The track lasts at least until `tick`: a rest at the end is kept, as a loop needs it.
    MidiWriter& end(std::uint32_t tick) {
        m_end = std::max(m_end, tick);
        return *this;
    }

    // The file. At one tick, notes end before others start, so a repeated key sounds again.
    std::string bytes() const {
        std::vector<const Event*> order;
        for (const Event& e : m_events)
            order.push_back(&e);
        std::stable_sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
            return a->tick != b->tick ? a->tick < b->tick : a->rank < b->rank;
        });
        std::string track;
        std::uint32_t at = 0;
        for (const Event* e : order) {
            varlen(track, e->tick - at);
            track += e->data;
            at = e->tick;
        }
        varlen(track, std::max(m_end, at) - at);
        track += std::string("\xFF\x2F\x00", 3);
        std::string file = "MThd";
        bigEndian(file, 6, 4);
        bigEndian(file, 0, 2); // format 0: one track
        bigEndian(file, 1, 2);
        bigEndian(file, static_cast<std::uint32_t>(m_division), 2);
        file += "MTrk";
        bigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
        return file + track;
    }

    // A variable-length number as the file format writes deltas and lengths (up to 0x0FFFFFFF).
    static void varlen(std::string& out, std::uint32_t v) {
        int shift = 21;
        while (shift > 0 && (v >> shift) == 0)
            shift -= 7;
        for (; shift > 0; shift -= 7)
            out += byte(0x80 | ((v >> shift) & 0x7F));
        out += byte(v & 0x7F);
    }
    static void bigEndian(std::string& out, std::uint32_t v, int count) {
        for (int i = count - 1; i >= 0; --i)
            out += byte(v >> (8 * i));
    }

  private:
    enum Rank { kNoteOff, kOther, kNoteOn };
    struct Event {
        std::uint32_t tick;
        Rank rank;
        std::string data;
    };

    static char byte(std::uint32_t v) { return static_cast<char>(v & 0xFF); }

    MidiWriter& add(std::uint32_t tick, Rank rank, std::string data) {
        m_events.push_back({tick, rank, std::move(data)});
        return *this;
    }

    int m_division;
    std::uint32_t m_end = 0;
    std::vector<Event> m_events;
};

} // namespace run::platform
