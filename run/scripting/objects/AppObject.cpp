// App: what the running game is and where it lies, as the classic App object reports it.
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

namespace run::scripting {

namespace {

enum : vbs::DispId {
    kPath = 1,
    kTitle,
    kEXEName,
    kMajor,
    kMinor,
    kRevision,
    kPrevInstance,
    kComments,
    kCompanyName,
    kProductName,
    kFileDescription,
    kLegalCopyright,
    kLegalTrademarks,
};

const vbs::MemberTable kMembers{
    {u"Path", kPath},
    {u"Title", kTitle},
    {u"EXEName", kEXEName},
    {u"Major", kMajor},
    {u"Minor", kMinor},
    {u"Revision", kRevision},
    {u"PrevInstance", kPrevInstance},
    {u"Comments", kComments},
    {u"CompanyName", kCompanyName},
    {u"ProductName", kProductName},
    {u"FileDescription", kFileDescription},
    {u"LegalCopyright", kLegalCopyright},
    {u"LegalTrademarks", kLegalTrademarks},
};

class AppObject final : public vbs::Object {
  public:
    explicit AppObject(AppInfo info) : m_info(std::move(info)) {}

    std::u16string typeName() const override { return u"App"; }
    vbs::DispId memberId(std::u16string_view name) override { return kMembers.find(name); }
    const void* dispatchKey() const override { return &kMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (vbs::isPut(kind)) {
            // Only the title may change while the game runs, as with the classic App.
            if (id != kTitle)
                return id == vbs::kDispValue ? Fail(err, vbs::error::NoSuchMember) : FailReadOnly(err);
            if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
            vbs::HostArgs in(args, err);
            std::string title = in.utf8(0);
            if (!in.ok()) return false;
            m_info.title = std::move(title);
            return true;
        }
        if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
        switch (id) {
        case kPath:
            result = vbs::Value::fromUtf8(m_info.path);
            return true;
        case kTitle:
            result = vbs::Value::fromUtf8(m_info.title);
            return true;
        case kEXEName:
            result = vbs::Value::string(std::u16string(u"run"));
            return true;
        case kMajor:
            result = vbs::Value::longv(m_info.major);
            return true;
        case kMinor:
            result = vbs::Value::longv(m_info.minor);
            return true;
        case kRevision:
            result = vbs::Value::longv(m_info.revision);
            return true;
        case kPrevInstance:
            result = vbs::Value::boolean(false);
            return true;
        case kComments:
        case kCompanyName:
        case kProductName:
        case kFileDescription:
        case kLegalCopyright:
        case kLegalTrademarks:
            result = vbs::Value::string(std::u16string());
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember); // App has no default member
        }
    }

  private:
    AppInfo m_info;
};

} // namespace

vbs::Object* NewAppObject(AppInfo info) {
    return new AppObject(std::move(info));
}

} // namespace run::scripting
