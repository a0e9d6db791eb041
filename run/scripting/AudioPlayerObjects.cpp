// The seven audio players as scripts see them, `AudioPlayerObject(i)`, and the spare player,
// `MediaPlayerObject`, with the media player's members. A file a script names goes through the
// project's file lookup like the player's own; a file that cannot be played is a run-time error
// of the script.
#include "run/scripting/NamedObjects.h"

#include "run/media/AudioChannels.h"
#include "run/project/FileLookup.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/objects/HostKit.h"
#include "vbscript/vbscript.h"

#include <exception>

namespace run {

namespace {

using scripting::Fail;

constexpr int kFileNotFound = 53;

enum : vbs::DispId {
    kItem = 1,
    kCount,
    kLBound,
    kUBound,
    kFileName,
    kVolume,
    kPlayCount,
    kPlayState,
    kPlay,
    kStop,
    kCurrentPosition
};

const vbs::MemberTable kArrayMembers{
    {u"Item", kItem}, {u"Count", kCount}, {u"LBound", kLBound}, {u"UBound", kUBound}};
const vbs::MemberTable kPlayerMembers{{u"FileName", kFileName},
                                      {u"Volume", kVolume},
                                      {u"PlayCount", kPlayCount},
                                      {u"PlayState", kPlayState},
                                      {u"Play", kPlay},
                                      {u"Stop", kStop},
                                      {u"CurrentPosition", kCurrentPosition}};

class AudioPlayerObject final : public vbs::Object {
  public:
    // Player `index` of the channels (1..7), or the spare player (0).
    AudioPlayerObject(ScriptContext& s, int index) : m_s(s), m_index(index) {}
    std::u16string typeName() const override { return u"WindowsMediaPlayer"; }
    vbs::DispId memberId(std::u16string_view name) override { return kPlayerMembers.find(name); }
    const void* dispatchKey() const override { return &kPlayerMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        platform::MediaPlayer& p = m_index == 0 ? m_s.audio.CustomMediaPlayer() : m_s.audio.MPlayer(m_index);
        vbs::HostArgs in(args, err);
        const bool put = vbs::isPut(kind);
        if (put && args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
        // Every member is a property or a method without arguments.
        if (!put && !args.empty() && id != vbs::kDispValue) return Fail(err, vbs::error::WrongArgCount);
        try {
            switch (id) {
            case kFileName:
                if (!put) {
                    result = vbs::Value::fromUtf8(p.FileName());
                    return true;
                }
                {
                    const std::string name = in.utf8(0);
                    if (!in.ok()) return false;
                    const std::string path = name.empty() ? name : m_s.files.ResolveProjectFile(name);
                    if (!name.empty() && path.empty()) return Fail(err, kFileNotFound);
                    p.setFileName(path);
                }
                return true;
            case kVolume:
                if (!put) {
                    result = vbs::Value::longv(p.Volume());
                    return true;
                }
                p.setVolume(in.whole(0));
                return in.ok();
            case kPlayCount:
                if (!put) {
                    result = vbs::Value::longv(p.PlayCount());
                    return true;
                }
                p.setPlayCount(in.whole(0));
                return in.ok();
            case kPlayState:
                if (put) return scripting::FailReadOnly(err);
                result = vbs::Value::longv(p.PlayState());
                return true;
            case kCurrentPosition:
                if (put) return scripting::FailReadOnly(err);
                result = vbs::Value::dbl(p.CurrentPosition());
                return true;
            case kPlay:
                if (put) return Fail(err, vbs::error::NoSuchMember);
                p.Play();
                return true;
            case kStop:
                if (put) return Fail(err, vbs::error::NoSuchMember);
                p.Stop();
                return true;
            default:
                return Fail(err, vbs::error::NoSuchMember);
            }
        } catch (const std::exception& e) {
            return Fail(err, vbs::error::InvalidCall, e.what());
        }
    }

  private:
    ScriptContext& m_s;
    int m_index;
};

class AudioPlayersObject final : public vbs::Object {
  public:
    explicit AudioPlayersObject(ScriptContext& s) : m_s(s) {}
    vbs::DispId memberId(std::u16string_view name) override { return kArrayMembers.find(name); }
    const void* dispatchKey() const override { return &kArrayMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (id == vbs::kDispValue) id = kItem;
        if (vbs::isPut(kind)) return scripting::FailReadOnly(err);
        vbs::HostArgs in(args, err);
        switch (id) {
        case kItem: {
            if (args.size() != 1 || !in.given(0)) return Fail(err, vbs::error::WrongArgCount);
            const std::int32_t i = in.whole(0);
            if (!in.ok()) return false;
            if (i < 1 || i > AudioChannels::kCount) return Fail(err, vbs::error::SubscriptOutOfRange);
            result = vbs::Value::object(new AudioPlayerObject(m_s, i));
            return true;
        }
        case kCount:
            result = vbs::Value::longv(AudioChannels::kCount);
            return true;
        case kLBound:
            result = vbs::Value::longv(1);
            return true;
        case kUBound:
            result = vbs::Value::longv(AudioChannels::kCount);
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
    }

  private:
    ScriptContext& m_s;
};

} // namespace

vbs::Object* NewAudioPlayersObject(ScriptContext& s) {
    return new AudioPlayersObject(s);
}
vbs::Object* NewCustomMediaPlayerObject(ScriptContext& s) {
    return new AudioPlayerObject(s, 0);
}

} // namespace run
