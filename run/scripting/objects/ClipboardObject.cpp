// Clipboard: plain text through the backend's clipboard. Other formats are never present.
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

namespace run::scripting {

namespace {

enum : vbs::DispId { kGetText = 1, kSetText, kClear, kGetFormat };

const vbs::MemberTable kMembers{
    {u"GetText", kGetText}, {u"SetText", kSetText}, {u"Clear", kClear}, {u"GetFormat", kGetFormat}};

// The classic clipboard format numbers.
constexpr int kText = 1, kRtf = -16639, kLink = -16640;
constexpr int kOtherFormats[] = {2, 3, 8, 9, 14, 15}; // bitmap, metafile, DIB, palette, EMF, files

bool IsTextFormat(int f) {
    return f == kText || f == kRtf || f == kLink;
}

class ClipboardObject final : public vbs::Object {
  public:
    explicit ClipboardObject(platform::IBackend& backend) : m_backend(backend) {}

    std::u16string typeName() const override { return u"Clipboard"; }
    vbs::DispId memberId(std::u16string_view name) override { return kMembers.find(name); }
    const void* dispatchKey() const override { return &kMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (vbs::isPut(kind) || id == vbs::kDispValue) return Fail(err, vbs::error::NoSuchMember);
        vbs::HostArgs in(args, err);
        switch (id) {
        case kGetText: {
            if (args.size() > 1) return Fail(err, vbs::error::WrongArgCount);
            int format = in.whole(0, kText);
            if (!in.ok()) return false;
            if (!IsTextFormat(format)) return Fail(err, vbs::error::InvalidCall);
            result = vbs::Value::fromUtf8(format == kText ? m_backend.clipboardText() : std::string());
            return true;
        }
        case kSetText: {
            if (args.empty() || args.size() > 2 || !in.given(0)) return Fail(err, vbs::error::WrongArgCount);
            std::string text = in.utf8(0);
            int format = in.whole(1, kText);
            if (!in.ok()) return false;
            if (!IsTextFormat(format)) return Fail(err, vbs::error::InvalidCall);
            // Rich text and links have no place here; only plain text reaches other programs.
            if (format == kText) m_backend.setClipboardText(text);
            return true;
        }
        case kClear:
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            m_backend.setClipboardText(std::string());
            return true;
        case kGetFormat: {
            if (args.size() != 1 || !in.given(0)) return Fail(err, vbs::error::WrongArgCount);
            int format = in.whole(0);
            if (!in.ok()) return false;
            bool known = IsTextFormat(format);
            for (int f : kOtherFormats)
                known = known || f == format;
            if (!known) return Fail(err, vbs::error::InvalidCall);
            result = vbs::Value::boolean(format == kText && !m_backend.clipboardText().empty());
            return true;
        }
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
    }

  private:
    platform::IBackend& m_backend;
};

} // namespace

vbs::Object* NewClipboardObject(platform::IBackend& backend) {
    return new ClipboardObject(backend);
}

} // namespace run::scripting
