// One frame's files: the frame file, the hotspot count and list, the actions of clicks and of
// items dropped on hotspots, the items hotspots offer, the conversation and the rippling water.
#include "run/checker/CheckContext.h"

#include "run/frames/DialogueFile.h"
#include "run/frames/FrameFile.h"
#include "run/frames/HotspotFile.h"
#include "run/media/OldSoundBlock.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/ProjectPaths.h"
#include "run/project/record/RecordFile.h"
#include "run/state/ActionRecord.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <set>

namespace run::checker {

namespace {

// Reading an action has effects in play; here it only notes the variables it would change.
struct NotedEffects : ActionEffects {
    std::vector<std::string> variables;
    void changeVariable(const std::string& name, std::int16_t) override { variables.push_back(name); }
    void disappear() override {}
    void stopHotspotSound() override {}
    void stopAllSounds() override {}
    void channelRows(const ChannelRequestBlock& rows) override { channels = rows; }
    ChannelRequestBlock channels;
};

std::string hotspotPlace(int n) {
    return "hotspot " + std::to_string(n);
}

} // namespace

void CheckContext::checkFrame(const std::string& frame) {
    checkFrameFile(frame);
    const std::string count = m_project.paths.frames + frame + ".lks";
    if (present(count)) {
        if (auto r = openRecord(ExistingPath(count))) {
            try {
                m_hotspotCounts[frame] = r->readInteger();
            } catch (const RecordError& e) {
                damaged(ExistingPath(count), r->position(), e.what());
            }
        }
    }
    checkHotspots(frame);
    checkActions(frame);
    checkItemActions(frame);
    checkPickups(frame);
    checkDialogue(frame);
    checkWater(frame);
    checkFrameSounds(frame);
    checkTexts(frame);
}

void CheckContext::checkFrameFile(const std::string& frame) {
    const std::string path = ExistingPath(m_project.paths.frames + frame + ".fme");
    const std::string rel = relative(path);
    auto opened = openRecord(path);
    if (!opened) return;
    RecordReader& r = *opened;
    FrameFile f;
    try {
        f = ReadFrameFile(r);
    } catch (const std::exception& e) {
        damaged(path, r.position(), e.what());
        return;
    }
    if (f.PictureType == 1) {
        if (auto found = checkFile(rel, "picture", m_project.paths.frames, f.Picture, Media::Picture))
            framePictures[frame] = *found;
    }
    checkFile(rel, "music", m_project.paths.areas, f.MusicFile, Media::Sound);
    checkChannelFiles(f.channelRequests, rel, "");
    checkFile(rel, "frame sound", m_project.paths.frames, f.FrameSoundFile, Media::Sound);
    checkFile(rel, "video", m_project.paths.frames, f.VideoFile, Media::Video);
    if (f.TimerEnabled) {
        try {
            FrameTimerInterval(f.TimerSeconds);
        } catch (const std::exception& e) {
            findings.error(rel, "frame timer",
                           "the timer's time \"" + f.TimerSeconds + "\" does not work: " + e.what());
        }
        link(frame, f.TimerTarget, "frame timer", rel, "frame timer");
    }
    if (f.RunEntryScript) checkScript(rel, "entry script", f.EntryScript, false, frame, "script");
    checkPluginActions(rel, "plug-in parameters", f.PluginParameters);
}

void CheckContext::checkHotspots(const std::string& frame) {
    const std::string path = alternateOrPlain(frame, ".fm2", ".mr2");
    if (!present(path)) return;
    const std::string rel = relative(path);
    auto opened = openRecord(ExistingPath(path));
    if (!opened) return;
    RecordReader& r = *opened;
    int n = 0;
    try {
        while (!r.atEnd()) {
            ++n;
            const HotspotBlock b = ReadHotspotBlock(r);
            const std::string place = hotspotPlace(n);
            if (b.hasPicture && !b.pictureFile.empty())
                checkFile(rel, place + " picture", m_project.paths.areas, b.pictureFile,
                          b.animated ? Media::AnimatedPicture : Media::Picture);
            if (!b.cursorFile.empty() && platform::LowerCaseWin(b.cursorFile) != "default")
                checkFile(rel, place + " pointer", m_project.paths.icons, b.cursorFile, Media::Picture);
            if (b.isVideo)
                checkFile(rel, place + " video", m_project.paths.frames, b.video.file, Media::Video);
            if (b.hasConditions) {
                for (const std::string& v : b.hideIf)
                    checkVariable(rel, place + " hide list", v);
                for (const std::string& v : b.showIf)
                    checkVariable(rel, place + " show list", v);
            }
        }
    } catch (const std::exception& e) {
        damaged(ExistingPath(path), r.position(), e.what());
        return;
    }
    auto count = m_hotspotCounts.find(frame);
    if (count != m_hotspotCounts.end() && count->second != n)
        findings.warning(relative(ExistingPath(m_project.paths.frames + frame + ".lks")), "",
                         "the count says " + std::to_string(count->second) + " hotspots, the list has " +
                             std::to_string(n));
}

void CheckContext::checkActionRecord(RecordReader& r, const std::string& rel, const std::string& place,
                                     const std::string& frame) {
    ActionRecord a;
    NotedEffects effects;
    ReadActionRecord(r, a, effects);
    for (const std::string& v : effects.variables)
        checkVariable(rel, place, v);
    checkChannelFiles(effects.channels, rel, place + " ");
    if (a.goToFrame) link(frame, a.targetFrame, place, rel, place);
    if (a.playHotspotSound)
        checkFile(rel, place + " sound", m_project.paths.areas, a.hotspotSound, Media::Sound);
    if (a.playFrameSound)
        checkFile(rel, place + " frame sound", m_project.paths.frames, a.frameSound, Media::Sound);
    if (a.playVideo) checkFile(rel, place + " video", m_project.paths.frames, a.videoFile, Media::Video);
    if (a.runScript) checkScript(rel, place + " script", a.script, false, frame, place);
    if (a.pickItem) checkItem(rel, place, a.itemName);
    checkPluginActions(rel, place, a.pluginActions);
}

void CheckContext::forEachBlock(const std::string& path,
                                const std::function<void(RecordReader&, const std::string&, int)>& each) {
    if (!present(path)) return;
    const std::string found = ExistingPath(path);
    const std::string rel = relative(found);
    auto opened = openRecord(found);
    if (!opened) return;
    RecordReader& r = *opened;
    try {
        for (int n = 1; !r.atEnd(); ++n) {
            const std::size_t start = r.position();
            each(r, rel, n);
            // The next block starts after this one's separator, whatever was read of it.
            r.seek(start);
            r.skipToBlockEnd();
        }
    } catch (const std::exception& e) {
        damaged(found, r.position(), e.what());
    }
}

void CheckContext::checkActions(const std::string& frame) {
    forEachBlock(alternateOrPlain(frame, ".fm3", ".mr3"),
                 [&](RecordReader& r, const std::string& rel, int n) {
                     for (int i = 1; i <= 10; ++i)
                         r.readVariant();
                     checkActionRecord(r, rel, hotspotPlace(n), frame);
                 });
}

void CheckContext::checkItemActions(const std::string& frame) {
    forEachBlock(m_project.paths.framesData + frame + ".fm0", [&](RecordReader& r, const std::string& rel,
                                                                  int) {
        r.readVariant();
        const std::string key = r.readVariant().text();
        const std::string place = "block \"" + key + "\"";
        // "<hotspot>_<item>.drg"
        const std::size_t bar = key.find('_');
        const std::string lowerKey = platform::LowerCaseWin(key);
        if (bar == std::string::npos || lowerKey.size() < 4 || lowerKey.substr(lowerKey.size() - 4) != ".drg")
            findings.error(rel, place, "the key is not HOTSPOT_ITEM.drg");
        else
            checkItem(rel, place, key.substr(bar + 1, key.size() - bar - 5));
        for (int i = 3; i <= 10; ++i)
            r.readVariant();
        checkActionRecord(r, rel, place, frame);
    });
}

void CheckContext::checkPickups(const std::string& frame) {
    forEachBlock(m_project.paths.framesData + frame + ".fm4",
                 [&](RecordReader& r, const std::string& rel, int) {
                     r.readVariant();
                     const int index = r.readInteger();
                     for (int i = 3; i <= 10; ++i)
                         r.readVariant();
                     if (r.readVariant().toNumber() == 1) checkItem(rel, hotspotPlace(index), r.readString());
                 });
}

void CheckContext::checkDialogue(const std::string& frame) {
    const std::string path = m_project.paths.framesData + frame + ".dlg";
    if (!present(path)) return;
    const std::string found = ExistingPath(path);
    const std::string rel = relative(found);
    std::vector<DialogueQuestion> questions;
    auto opened = openRecord(found);
    if (!opened) return;
    RecordReader& r = *opened;
    try {
        ReadDialogueFile(r, questions);
    } catch (const std::exception& e) {
        damaged(found, r.position(), e.what());
    }
    std::set<int> keys;
    for (const DialogueQuestion& q : questions)
        keys.insert(q.key);
    const int hotspots = m_hotspotCounts.count(frame) ? m_hotspotCounts[frame] : 0;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const DialogueQuestion& q = questions[i];
        const std::string place = "question " + std::to_string(i + 1);
        const std::string* scripts[3] = {&q.script1, &q.script2, &q.script3};
        for (int k = 0; k < 3; ++k) {
            checkScript(rel, place + " script " + std::to_string(k + 1), *scripts[k], false, frame,
                        "dialogue");
            const int h = q.hotspotActions[k];
            if (h < 0 || h > hotspots)
                findings.warning(rel, place,
                                 "hotspot action " + std::to_string(k + 1) + " names hotspot " +
                                     std::to_string(h) + ", which the frame does not have (skipped)");
        }
        for (const auto* list : {&q.showList, &q.hideList})
            for (std::int16_t key : *list)
                if (!keys.count(key))
                    findings.error(rel, place,
                                   (list == &q.showList ? "the show list" : "the hide list") +
                                       std::string(" names key ") + std::to_string(key) +
                                       ", which no question has");
    }
}

void CheckContext::checkWater(const std::string& frame) {
    const std::string settings = m_project.paths.frames + frame + ".rwe";
    if (!present(settings)) return;
    const std::string found = ExistingPath(settings);
    if (auto r = openRecord(found)) {
        try {
            for (int i = 0; i < 6; ++i)
                r->readVariant();
            for (int i = 0; i < 6; ++i)
                r->readInteger();
        } catch (const std::exception& e) {
            damaged(found, r->position(), e.what());
        }
    }
    // The mask is optional: without it the whole rectangle ripples.
    if (present(m_project.paths.frames + frame + ".rwm"))
        checkFile(relative(found), "mask", m_project.paths.frames, frame + ".rwm", Media::Picture);
}

void CheckContext::checkTexts(const std::string& frame) {
    const std::string path = alternateOrPlain(frame, ".fm1", ".mr1");
    if (!present(path)) return;
    const std::string found = ExistingPath(path);
    auto r = openRecord(found);
    if (!r) return;
    try {
        // Blocks of 21 fields, with no separator between them.
        while (!r->atEnd())
            for (int i = 0; i < 21; ++i)
                r->readVariant();
    } catch (const std::exception& e) {
        damaged(found, r->position(), e.what());
    }
}

void CheckContext::checkChannelFiles(const ChannelRequestBlock& block, const std::string& rel,
                                     const std::string& placePrefix) {
    for (std::size_t k = 0; k < block.entries.size(); ++k)
        checkFile(rel, placePrefix + "channel " + std::to_string(k + 1), m_project.paths.areas,
                  block.entries[k].file, Media::Sound);
}

void CheckContext::checkOldSounds(RecordReader& r, const std::string& rel, const std::string& place) {
    ReadOldSoundBlock(r, [&](const OldSoundChannel& c) {
        if (c.play)
            checkFile(rel, place + " channel " + std::to_string(c.channel), m_project.paths.areas, c.file,
                      Media::Sound);
    });
}

void CheckContext::checkFrameSounds(const std::string& frame) {
    // The frame's old-style sound file, played when it opens.
    const std::string chn = m_project.paths.frames + frame + ".chn";
    if (present(chn)) {
        const std::string found = ExistingPath(chn);
        if (auto r = openRecord(found)) {
            try {
                checkOldSounds(*r, relative(found), "sound");
            } catch (const std::exception& e) {
                damaged(found, r->position(), e.what());
            }
        }
    }
    // A hotspot's extra channel settings.
    forEachBlock(m_project.paths.framesData + frame + ".fm5",
                 [&](RecordReader& r, const std::string& rel, int) {
                     r.readVariant();
                     const int index = r.readInteger();
                     for (int i = 3; i <= 10; ++i)
                         r.readVariant();
                     checkOldSounds(r, rel, hotspotPlace(index));
                 });
}

} // namespace run::checker
