// Plug-ins: decoding B by hand-worked cases and against its encoder, and a game whose plug-ins
// add code, game-start code, frame codes, variables and action references, with a damaged file
// and a text scrambled with the wrong key each reported and left out.
#include "run/frames/Plugins.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/record/RecordFile.h"
#include "run/project/record/Scrambling.h"
#include "tests/frames/FrameRig.h"
#include "tests/support/ProcedureScrambler.h"

namespace run {
namespace {

using testing::FrameRig;

TEST(PluginCode, DecodingBByHandAndAgainstItsEncoder) {
    // Worked by hand: salt '#' (0), key 100: 'H' is (72 − 33 − 100) mod 93 + 33 = 'A'.
    EXPECT_EQ(DecodePluginCode("#H", 100), "A");
    // Salt '$' (1), key 200, shift 200 + 1 × 81: "$" gives 34, swapped back to a blank.
    EXPECT_EQ(DecodePluginCode("$$", 200), " ");
    // A stored double quote stays one; codes outside the range pass; the text is read backwards.
    EXPECT_EQ(DecodePluginCode("#\"\x7F", 100), "\x7F\"");
    EXPECT_EQ(DecodePluginCode("", 100), "");
    const std::string code = "Sub Go(a)\r\n  x = \"{~}\" & a ' 100%\r\nEnd Sub";
    for (int key : {100, 200})
        for (char salt : {'#', 'K', '}'})
            EXPECT_EQ(DecodePluginCode(testing::ScramblePluginCode(code, key, salt), key), code)
                << key << salt;
}

struct PluginSpec {
    int version = 3;
    bool flagA = false, flagB = false;
    std::string identifier, startCode, frameCodeA, code, frameCodeB, hotspotProcedure, frameProcedure;
    std::vector<std::string> integers, variants;
    int wrongKeyFor = -1;   // scramble frame code A with this key instead
    long claimedCount = -1; // the count written before the integer variables, when not their number
};

// A plug-in file as the authoring tool writes it: quotes stored as '~', texts scrambled by the
// flags, line breaks inside quoted fields.
std::string PluginBytes(const PluginSpec& p) {
    std::string out;
    auto raw = [&](const std::string& cp1252) { out += "\"" + cp1252 + "\"\r\n"; };
    auto text = [&](const std::string& utf8) { raw(platform::Utf8ToCp1252Lossy(utf8)); };
    auto number = [&](long n) { out += std::to_string(n) + "\r\n"; };
    auto boolean = [&](bool b) { out += b ? "#TRUE#\r\n" : "#FALSE#\r\n"; };
    number(p.version);
    for (int i = 2; i <= 8; ++i)
        text("");
    boolean(p.flagA);
    boolean(p.flagB);
    for (const char* t : {"name", "Display name", "About"})
        text(t);
    text(p.identifier);
    const int key = !p.flagA && p.flagB ? 100 : p.flagA && !p.flagB ? 200 : 0;
    auto stored = [&](std::string t, int withKey) {
        for (char& c : t)
            if (c == '"') c = '~';
        t = platform::Utf8ToCp1252Lossy(t);
        raw(withKey == 0 || t.empty() ? t : testing::ScramblePluginCode(t, withKey));
    };
    stored(p.startCode, key);
    stored(p.frameCodeA, p.wrongKeyFor >= 0 ? p.wrongKeyFor : key);
    stored(p.code, key);
    for (const auto* names : {&p.integers, &p.variants}) {
        number(names == &p.integers && p.claimedCount >= 0 ? p.claimedCount : long(names->size()));
        for (const auto& n : *names)
            text(n);
    }
    boolean(true);
    boolean(false);
    text("");
    text("");
    stored(p.hotspotProcedure, 0);
    text("");
    stored(p.frameProcedure, 0);
    number(1); // one parameter: a text and a field, two more from version 2
    for (int f = 0; f < (p.version > 1 ? 4 : 2); ++f)
        text("kind");
    number(0);
    if (p.version > 2) stored(p.frameCodeB, key);
    return out;
}

std::string PluginList(const std::vector<std::string>& names) {
    RecordWriter w;
    for (int i = 0; i < 10; ++i)
        w.writeField("");
    for (const auto& n : names)
        w.writeField(n);
    return w.bytes();
}

TEST(Plugins, CodeStartCodeFrameCodesVariablesAndActionsReachTheGame) {
    FrameRig rig;
    rig.project.variables({"x"}, {"kind"});
    PluginSpec weather;
    weather.flagB = true; // key 100
    weather.identifier = "Weather";
    weather.code = "Sub SetWeather(k)\r\n  kind = k : rain = 1\r\nEnd Sub\r\n"
                   "Sub FrameWeather(k)\r\n  frames_seen = frames_seen + 1 : kind = k\r\nEnd Sub";
    weather.startCode = "started = 7";
    weather.frameCodeA = "order = order & \"A\"";
    weather.frameCodeB = "order = order & \"B\"";
    weather.integers = {"rain", "frames_seen", "started"};
    weather.variants = {"order", "kind"}; // "kind" the project has already
    weather.hotspotProcedure = "SetWeather";
    weather.frameProcedure = "FrameWeather";
    PluginSpec lantern;
    lantern.version = 1;
    lantern.flagA = true; // key 200
    lantern.identifier = "Lantern";
    lantern.code = "Function LanternText()\r\n  LanternText = \"lit\"\r\nEnd Function";
    lantern.frameCodeA = "order = order & \"L\"";
    lantern.wrongKeyFor = 100; // garbage once decoded with 200
    lantern.integers = {"started", "lamp"};
    rig.project.file("Config/Plugins", PluginList({"weather", "WEATHER", "missing", "broken", "lantern"}));
    rig.project.file("CPData/weather.cp", PluginBytes(weather));
    rig.project.file("CPData/broken.cp", PluginBytes(weather).substr(0, 60));
    rig.project.file("CPData/lantern.cp", PluginBytes(lantern));

    FrameFile start = testing::ColourFrame(0);
    start.RunEntryScript = true;
    start.EntryScript = "order = order & \"E\"";
    start.PluginParameters = "\xC2\xA4Weather\xC2\xA5"
                             "fog\xC2\xA4Nowhere\xC2\xA5x";
    rig.project.frame("Start", start);
    testing::HotspotSpec second;
    second.left = 3000;
    rig.project.hotspots("Start", {{}, second});
    testing::ActionSpec storm;
    storm.pluginActions = "\xC2\xA4Weather\xC2\xA5storm";
    testing::ActionSpec lamp;
    lamp.script = "x = Len(LanternText())";
    rig.project.actions("Start", {storm, lamp});
    auto& d = rig.start();

    // The damaged file and the badly scrambled frame code are each reported, naming them.
    ASSERT_EQ(d.boxes().size(), 2u);
    EXPECT_EQ(rig.boxesWith(" Error loading plugins. The plugin file \"broken.cp\" cannot be read: "), 1);
    EXPECT_EQ(
        rig.boxesWith("The frame code A of the plugin \"Lantern\" (lantern.cp) is not valid script code"), 1);
    EXPECT_EQ(rig.stateLines("plugin: "),
              (std::vector<std::string>{"plugin: Weather (weather.cp)", "plugin: Lantern (lantern.cp)"}));
    auto variable = [&](const std::string& name) {
        for (const std::string& l : rig.stateLines("variable: " + name + " = "))
            return l.substr(13 + name.size());
        return std::string("(none)");
    };
    EXPECT_EQ(variable("started"), "7") << "the game-start code ran";
    EXPECT_EQ(variable("lamp"), "0") << "a plug-in after the damaged one declared it";
    EXPECT_EQ(rig.stateLines("variable: kind = ").size(), 1u)
        << "a variable the project has is not added again";
    EXPECT_EQ(variable("order"), "0AEB") << "frame code A, the entry script, frame code B";
    EXPECT_EQ(variable("frames_seen"), "1");
    EXPECT_EQ(variable("kind"), "fog") << "the frame's reference called the frame procedure";

    d.click(10, 10); // hotspot 1: its action's reference
    EXPECT_EQ(variable("kind"), "storm");
    EXPECT_EQ(variable("rain"), "1");
    rig.play().MakeActionAndConsequences(2, 0, false);
    EXPECT_EQ(variable("x"), "3") << "the plug-ins' code is in every script";
    EXPECT_EQ(d.boxes().size(), 2u);
}

TEST(Plugins, DamagedFilesFailCleanly) {
    // Counts far too large, and every cut of a good file: an error, never a crash or a hang.
    PluginSpec p;
    p.identifier = "P";
    p.code = "Sub A()\r\nEnd Sub";
    p.integers = {"a"};
    const std::string good = PluginBytes(p);
    int refused = 0, cuts = 0;
    for (std::size_t cut = 0; cut + 8 < good.size(); cut += 7, ++cuts) {
        RecordReader r = RecordReader::fromBytes(good.substr(0, cut));
        try {
            ReadPluginFile(r);
        } catch (const std::exception&) {
            ++refused;
        }
    }
    EXPECT_EQ(refused, cuts) << "a file cut short of its last fields is refused";
    RecordReader r = RecordReader::fromBytes(good);
    EXPECT_EQ(ReadPluginFile(r).integerVariables, std::vector<std::string>{"a"});
    p.claimedCount = 2000000000;
    RecordReader huge = RecordReader::fromBytes(PluginBytes(p));
    EXPECT_ANY_THROW(ReadPluginFile(huge));
}

} // namespace
} // namespace run
