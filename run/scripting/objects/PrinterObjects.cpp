// Printer and Printers on a system without printers: the printer takes every setting and
// drawing call a game makes and prints nothing; the collection of printers is empty.
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <map>

namespace run::scripting {

namespace {

// Read-only facts, then settings a script may change, then methods.
enum : vbs::DispId {
    kDeviceName = 1,
    kDriverName,
    kPort,
    kHDC,
    kTwipsPerPixelX,
    kTwipsPerPixelY,
    kPage,
    kFirstSetting = 100,
    kCurrentX = kFirstSetting,
    kCurrentY,
    kFontName,
    kFontSize,
    kFontBold,
    kFontItalic,
    kFontUnderline,
    kFontStrikethru,
    kFontTransparent,
    kForeColor,
    kFillColor,
    kFillStyle,
    kDrawWidth,
    kDrawMode,
    kDrawStyle,
    kOrientation,
    kCopies,
    kColorMode,
    kDuplex,
    kPaperSize,
    kPaperBin,
    kPrintQuality,
    kZoom,
    kScaleMode,
    kScaleLeft,
    kScaleTop,
    kScaleWidth,
    kScaleHeight,
    kWidth,
    kHeight,
    kTrackDefault,
    kFirstMethod = 200,
    kPrint = kFirstMethod,
    kEndDoc,
    kNewPage,
    kKillDoc,
    kPSet,
    kLine,
    kCircle,
    kPaintPicture,
    kScale,
    kScaleX,
    kScaleY,
    kTextWidth,
    kTextHeight,
};

const vbs::MemberTable kPrinterMembers{
    {u"DeviceName", kDeviceName},
    {u"DriverName", kDriverName},
    {u"Port", kPort},
    {u"hDC", kHDC},
    {u"TwipsPerPixelX", kTwipsPerPixelX},
    {u"TwipsPerPixelY", kTwipsPerPixelY},
    {u"Page", kPage},
    {u"CurrentX", kCurrentX},
    {u"CurrentY", kCurrentY},
    {u"FontName", kFontName},
    {u"FontSize", kFontSize},
    {u"FontBold", kFontBold},
    {u"FontItalic", kFontItalic},
    {u"FontUnderline", kFontUnderline},
    {u"FontStrikethru", kFontStrikethru},
    {u"FontTransparent", kFontTransparent},
    {u"ForeColor", kForeColor},
    {u"FillColor", kFillColor},
    {u"FillStyle", kFillStyle},
    {u"DrawWidth", kDrawWidth},
    {u"DrawMode", kDrawMode},
    {u"DrawStyle", kDrawStyle},
    {u"Orientation", kOrientation},
    {u"Copies", kCopies},
    {u"ColorMode", kColorMode},
    {u"Duplex", kDuplex},
    {u"PaperSize", kPaperSize},
    {u"PaperBin", kPaperBin},
    {u"PrintQuality", kPrintQuality},
    {u"Zoom", kZoom},
    {u"ScaleMode", kScaleMode},
    {u"ScaleLeft", kScaleLeft},
    {u"ScaleTop", kScaleTop},
    {u"ScaleWidth", kScaleWidth},
    {u"ScaleHeight", kScaleHeight},
    {u"Width", kWidth},
    {u"Height", kHeight},
    {u"TrackDefault", kTrackDefault},
    {u"Print", kPrint},
    {u"EndDoc", kEndDoc},
    {u"NewPage", kNewPage},
    {u"KillDoc", kKillDoc},
    {u"PSet", kPSet},
    {u"Line", kLine},
    {u"Circle", kCircle},
    {u"PaintPicture", kPaintPicture},
    {u"Scale", kScale},
    {u"ScaleX", kScaleX},
    {u"ScaleY", kScaleY},
    {u"TextWidth", kTextWidth},
    {u"TextHeight", kTextHeight},
};

class PrinterObject final : public vbs::Object {
  public:
    PrinterObject() {
        m_settings[kFontName] = vbs::Value::string(std::u16string(u"Arial"));
        m_settings[kFontSize] = vbs::Value::dbl(10);
        for (vbs::DispId flag : {kFontBold, kFontItalic, kFontUnderline, kFontStrikethru})
            m_settings[flag] = vbs::Value::boolean(false);
        m_settings[kFontTransparent] = vbs::Value::boolean(true);
        m_settings[kTrackDefault] = vbs::Value::boolean(true);
        const std::pair<vbs::DispId, std::int32_t> numbers[] = {
            {kFillStyle, 1}, {kDrawWidth, 1},     {kDrawMode, 13}, {kOrientation, 1},
            {kCopies, 1},    {kColorMode, 1},     {kDuplex, 1},    {kPaperSize, 9},
            {kPaperBin, 1},  {kPrintQuality, -4}, {kScaleMode, 1}};
        for (auto [id, n] : numbers)
            m_settings[id] = vbs::Value::longv(n);
    }

    std::u16string typeName() const override { return u"Printer"; }
    vbs::DispId memberId(std::u16string_view name) override { return kPrinterMembers.find(name); }
    const void* dispatchKey() const override { return &kPrinterMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (id == vbs::kDispValue) return Fail(err, vbs::error::NoSuchMember);
        if (id >= kFirstMethod) {
            if (vbs::isPut(kind)) return Fail(err, vbs::error::NoSuchMember);
            // Nothing is drawn; measurements and scale conversions come out as 0.
            if (id == kScaleX || id == kScaleY || id == kTextWidth || id == kTextHeight)
                result = vbs::Value::longv(0);
            return true;
        }
        if (id >= kFirstSetting) return setting(id, kind, args, result, err);
        if (vbs::isPut(kind)) return FailReadOnly(err);
        if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
        switch (id) {
        case kTwipsPerPixelX:
        case kTwipsPerPixelY:
            result = vbs::Value::longv(platform::kTwipsPerPixel);
            return true;
        case kHDC:
        case kPage:
            result = vbs::Value::longv(0);
            return true;
        default:
            result = vbs::Value::string(std::u16string());
            return true; // no device, no driver, no port
        }
    }

  private:
    bool setting(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                 vbs::HostError& err) {
        if (!vbs::isPut(kind)) {
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            auto it = m_settings.find(id);
            result = it == m_settings.end() ? vbs::Value::longv(0) : it->second;
            return true;
        }
        if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
        vbs::HostArgs in(args, err);
        vbs::Value v = in.value(0);
        if (!in.ok()) return false;
        if (v.isArray()) return Fail(err, vbs::error::TypeMismatch);
        m_settings[id] = std::move(v);
        return true;
    }

    std::map<vbs::DispId, vbs::Value> m_settings;
};

enum : vbs::DispId { kItem = 1, kCount };
const vbs::MemberTable kPrintersMembers{{u"Item", kItem}, {u"Count", kCount}};

class PrintersCollection final : public vbs::Object {
  public:
    std::u16string typeName() const override { return u"Printers"; }
    vbs::DispId memberId(std::u16string_view name) override { return kPrintersMembers.find(name); }
    const void* dispatchKey() const override { return &kPrintersMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (vbs::isPut(kind)) return FailReadOnly(err);
        if (id == kCount) {
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            result = vbs::Value::longv(0);
            return true;
        }
        if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
        vbs::HostArgs in(args, err);
        in.whole(0);
        return in.ok() ? Fail(err, vbs::error::SubscriptOutOfRange) : false; // no index names a printer
    }

    std::unique_ptr<vbs::Enumerator> enumerate() override {
        return std::make_unique<vbs::ListEnumerator>(std::vector<vbs::Value>{});
    }
};

} // namespace

vbs::Object* NewPrinterObject() {
    return new PrinterObject();
}
vbs::Object* NewPrintersCollection() {
    return new PrintersCollection();
}

} // namespace run::scripting
