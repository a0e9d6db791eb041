// Screen: the desktop's size in twips and the pointer shown over every window of the game.
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/PictureObject.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

namespace run::scripting {

using namespace platform;

namespace {

enum : vbs::DispId { kWidth = 1, kHeight, kTwipsPerPixelX, kTwipsPerPixelY, kMousePointer, kMouseIcon };

const vbs::MemberTable kMembers{
    {u"Width", kWidth},
    {u"Height", kHeight},
    {u"TwipsPerPixelX", kTwipsPerPixelX},
    {u"TwipsPerPixelY", kTwipsPerPixelY},
    {u"MousePointer", kMousePointer},
    {u"MouseIcon", kMouseIcon},
};

class ScreenObject final : public vbs::Object {
  public:
    explicit ScreenObject(WindowSystem& ui) : m_ui(ui) {}

    std::u16string typeName() const override { return u"Screen"; }
    vbs::DispId memberId(std::u16string_view name) override { return kMembers.find(name); }
    const void* dispatchKey() const override { return &kMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (vbs::isPut(kind)) return put(id, args, err);
        if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
        switch (id) {
        case kWidth:
            result = vbs::Value::longv(PixelsToTwips(m_ui.backend().desktopMode().width));
            return true;
        case kHeight:
            result = vbs::Value::longv(PixelsToTwips(m_ui.backend().desktopMode().height));
            return true;
        case kTwipsPerPixelX:
        case kTwipsPerPixelY:
            result = vbs::Value::longv(kTwipsPerPixel);
            return true;
        case kMousePointer:
            result = vbs::Value::longv(m_ui.screenPointer());
            return true;
        case kMouseIcon:
            result = vbs::Value::object(NewPictureObject(m_icon));
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember); // Screen has no default member
        }
    }

  private:
    bool put(vbs::DispId id, std::span<vbs::Value> args, vbs::HostError& err) {
        if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
        if (id == kMouseIcon) {
            PicturePtr icon;
            if (!ReadPictureValue(args[0], icon, err)) return false;
            m_icon = std::move(icon);
            m_ui.setScreenPointer(m_ui.screenPointer(), m_icon);
            return true;
        }
        if (id != kMousePointer)
            return id == vbs::kDispValue ? Fail(err, vbs::error::NoSuchMember) : FailReadOnly(err);
        vbs::HostArgs in(args, err);
        std::int32_t shape = in.whole(0);
        if (!in.ok()) return false;
        if (!((shape >= 0 && shape <= 15) || shape == kPointerCustom))
            return Fail(err, vbs::error::InvalidPropertyValue, "Invalid property value");
        m_ui.setScreenPointer(shape, m_icon);
        return true;
    }

    WindowSystem& m_ui;
    PicturePtr m_icon; // the window system keeps the icon it shows but does not give it back
};

} // namespace

vbs::Object* NewScreenObject(WindowSystem& ui) {
    return new ScreenObject(ui);
}

} // namespace run::scripting
