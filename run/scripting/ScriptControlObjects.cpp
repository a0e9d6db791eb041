// The host's two script engines as scripts see them (ScriptControlObject, ScriptControl2Object):
// the members a script control offers, over our own engines. A call into the engine that runs
// the calling script nests inside it, as ExecuteGlobal and Eval do; only Reset is refused there
// (the engine's own "cannot reset while a script is running"), since it would pull the code out
// from under the running script.
#include "run/scripting/NamedObjects.h"

#include "run/scripting/objects/HostKit.h"
#include "vbscript/vbscript.h"

#include <memory>
#include <vector>

namespace run {

namespace {

using scripting::Fail;

enum : vbs::DispId {
    kAddCode = 1,
    kEval,
    kExecuteStatement,
    kRun,
    kReset,
    kTimeout,
    kLanguage,
    kState,
    kProcedures,
    kModules,
    kError,
    kName,
    // Error
    kNumber,
    kSource,
    kDescription,
    kHelpFile,
    kHelpContext,
    kText,
    kLine,
    kColumn,
    kClear,
    // Procedures, Modules
    kItem,
    kCount,
    kNumArgs,
    kHasReturnValue,
};

const vbs::MemberTable kControlMembers{
    {u"AddCode", kAddCode},   {u"Eval", kEval},   {u"ExecuteStatement", kExecuteStatement},
    {u"Run", kRun},           {u"Reset", kReset}, {u"Timeout", kTimeout},
    {u"Language", kLanguage}, {u"State", kState}, {u"Procedures", kProcedures},
    {u"Modules", kModules},   {u"Error", kError},
};
// The one module, "Global", holds all the code: its members are the control's code members.
const vbs::MemberTable kModuleMembers{
    {u"Name", kName}, {u"AddCode", kAddCode},
    {u"Eval", kEval}, {u"ExecuteStatement", kExecuteStatement},
    {u"Run", kRun},   {u"Procedures", kProcedures},
};
const vbs::MemberTable kErrorMembers{
    {u"Number", kNumber},     {u"Source", kSource},           {u"Description", kDescription},
    {u"HelpFile", kHelpFile}, {u"HelpContext", kHelpContext}, {u"Text", kText},
    {u"Line", kLine},         {u"Column", kColumn},           {u"Clear", kClear},
};
const vbs::MemberTable kListMembers{{u"Item", kItem}, {u"Count", kCount}};
const vbs::MemberTable kProcedureMembers{
    {u"Name", kName}, {u"NumArgs", kNumArgs}, {u"HasReturnValue", kHasReturnValue}};

constexpr const char16_t* kModuleName = u"Global";

vbs::Value plain(const vbs::Value& v) {
    return v.isRef() ? *v.refTarget() : v;
}

// The control and what it hands out share this: the engine and the last failure of a call made
// through the control, which its Error object reports until Clear or Reset.
struct Control {
    vbs::Runtime& engine;
    vbs::ErrorInfo error;
    int state = 0; // Initialized (0) or Connected (1): kept for scripts that read it back, routes no events
};
using ControlPtr = std::shared_ptr<Control>;

class ErrorObject final : public vbs::Object {
  public:
    explicit ErrorObject(ControlPtr c) : m_c(std::move(c)) {}
    std::u16string typeName() const override { return u"Error"; }
    vbs::DispId memberId(std::u16string_view name) override { return kErrorMembers.find(name); }
    const void* dispatchKey() const override { return &kErrorMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (vbs::isPut(kind)) return scripting::FailReadOnly(err);
        if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
        const vbs::ErrorInfo& e = m_c->error;
        switch (id == vbs::kDispValue ? kNumber : id) {
        case kNumber:
            result = vbs::Value::longv(e.number);
            return true;
        case kSource:
            result = vbs::Value::fromUtf8(e.number ? e.source : "");
            return true;
        case kDescription:
            result = vbs::Value::fromUtf8(e.description);
            return true;
        case kHelpFile:
            result = vbs::Value::fromUtf8("");
            return true;
        case kHelpContext:
            result = vbs::Value::longv(0);
            return true;
        case kText:
            result = vbs::Value::fromUtf8(e.lineText);
            return true;
        case kLine:
            result = vbs::Value::longv(e.line);
            return true;
        case kColumn:
            result = vbs::Value::longv(e.column);
            return true;
        case kClear:
            m_c->error = {};
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
    }

  private:
    ControlPtr m_c;
};

class ProcedureObject final : public vbs::Object {
  public:
    explicit ProcedureObject(vbs::ProcedureInfo p) : m_p(std::move(p)) {}
    std::u16string typeName() const override { return u"Procedure"; }
    vbs::DispId memberId(std::u16string_view name) override { return kProcedureMembers.find(name); }
    const void* dispatchKey() const override { return &kProcedureMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (vbs::isPut(kind)) return scripting::FailReadOnly(err);
        if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
        switch (id == vbs::kDispValue ? kName : id) {
        case kName:
            result = vbs::Value::fromUtf8(m_p.name);
            return true;
        case kNumArgs:
            result = vbs::Value::longv(m_p.argCount);
            return true;
        case kHasReturnValue:
            result = vbs::Value::boolean(m_p.hasReturnValue);
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
    }

  private:
    const vbs::ProcedureInfo m_p;
};

// A read-only collection, 1-based, whose items can also be found by name.
class ListObject final : public vbs::Object {
  public:
    struct Entry {
        std::u16string name;
        vbs::Value item;
    };
    explicit ListObject(std::vector<Entry> entries) : m_entries(std::move(entries)) {}
    vbs::DispId memberId(std::u16string_view name) override { return kListMembers.find(name); }
    const void* dispatchKey() const override { return &kListMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (vbs::isPut(kind)) return scripting::FailReadOnly(err);
        if (id == kCount) {
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            result = vbs::Value::longv(static_cast<std::int32_t>(m_entries.size()));
            return true;
        }
        if (id != kItem && id != vbs::kDispValue) return Fail(err, vbs::error::NoSuchMember);
        if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
        vbs::HostArgs in(args, err);
        vbs::Value key = in.value(0);
        if (!in.ok()) return false;
        if (key.isString()) {
            for (const Entry& e : m_entries) {
                if (vbs::equalsNoCase(e.name, key.asString())) {
                    result = e.item;
                    return true;
                }
            }
            return Fail(err, vbs::error::SubscriptOutOfRange);
        }
        const std::int32_t i = in.whole(0);
        if (!in.ok()) return false;
        if (i < 1 || i > static_cast<std::int32_t>(m_entries.size()))
            return Fail(err, vbs::error::SubscriptOutOfRange);
        result = m_entries[static_cast<std::size_t>(i - 1)].item;
        return true;
    }

    std::unique_ptr<vbs::Enumerator> enumerate() override {
        std::vector<vbs::Value> items;
        for (const Entry& e : m_entries)
            items.push_back(e.item);
        return std::make_unique<vbs::ListEnumerator>(std::move(items));
    }

  private:
    std::vector<Entry> m_entries;
};

class ControlObject final : public vbs::Object {
  public:
    // A module object is the same engine seen through the module's members.
    ControlObject(ControlPtr c, bool module) : m_c(std::move(c)), m_module(module) {}
    std::u16string typeName() const override { return m_module ? u"Module" : u"ScriptControl"; }
    vbs::DispId memberId(std::u16string_view name) override {
        return (m_module ? kModuleMembers : kControlMembers).find(name);
    }
    const void* dispatchKey() const override { return m_module ? &kModuleMembers : &kControlMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        vbs::HostArgs in(args, err);
        vbs::Runtime& engine = m_c->engine;
        if (vbs::isPut(kind)) {
            if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
            switch (id) {
            case kTimeout: {
                const std::int32_t ms = in.whole(0);
                if (!in.ok()) return false;
                if (ms < -1) return Fail(err, vbs::error::InvalidPropertyValue);
                engine.setTimeout(ms);
                return true;
            }
            case kLanguage: {
                // Our engines speak VBScript only.
                const std::u16string language = in.text(0);
                if (!in.ok()) return false;
                return vbs::equalsNoCase(language, u"VBScript") ||
                       Fail(err, vbs::error::InvalidPropertyValue);
            }
            case kState: {
                const std::int32_t state = in.whole(0);
                if (!in.ok()) return false;
                if (state != 0 && state != 1) return Fail(err, vbs::error::InvalidPropertyValue);
                m_c->state = state;
                return true;
            }
            case kAddCode:
            case kEval:
            case kExecuteStatement:
            case kRun:
            case kReset:
            case kProcedures:
            case kModules:
            case kError:
            case kName:
                return scripting::FailReadOnly(err);
            default:
                return Fail(err, vbs::error::NoSuchMember);
            }
        }
        switch (id) {
        case kAddCode: {
            if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
            const std::string code = in.utf8(0);
            return in.ok() && outcome(engine.addCode(code), err);
        }
        case kEval: {
            if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
            const std::string expression = in.utf8(0);
            return in.ok() && outcome(engine.eval(expression, result), err);
        }
        case kExecuteStatement: {
            if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
            const std::string code = in.utf8(0);
            return in.ok() && outcome(engine.executeStatement(code), err);
        }
        case kRun: {
            if (args.empty()) return Fail(err, vbs::error::WrongArgCount);
            const std::string name = in.utf8(0);
            if (!in.ok()) return false;
            std::vector<vbs::Value> values;
            for (std::size_t i = 1; i < args.size(); ++i)
                values.push_back(plain(args[i]));
            return outcome(engine.run(name, values, &result), err);
        }
        case kName:
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            result = vbs::Value::string(std::u16string(kModuleName));
            return true;
        case kProcedures: {
            std::vector<ListObject::Entry> list;
            for (vbs::ProcedureInfo& p : engine.procedures()) {
                std::u16string name = vbs::fromUtf8(p.name);
                list.push_back({std::move(name), vbs::Value::object(new ProcedureObject(std::move(p)))});
            }
            return collection(std::move(list), args, result, err);
        }
        case kModules: {
            std::vector<ListObject::Entry> modules;
            modules.push_back({kModuleName, vbs::Value::object(new ControlObject(m_c, true))});
            return collection(std::move(modules), args, result, err);
        }
        default:
            break;
        }
        if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
        switch (id) {
        case kReset:
            if (!outcome(engine.reset(), err)) return false;
            m_c->error = {};
            return true;
        case kTimeout:
            result = vbs::Value::longv(engine.timeout());
            return true;
        case kLanguage:
            result = vbs::Value::fromUtf8("VBScript");
            return true;
        case kState:
            result = vbs::Value::longv(m_c->state);
            return true;
        case kError:
            result = vbs::Value::object(new ErrorObject(m_c));
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
    }

  private:
    // A failed call becomes the caller's run-time error and stays in Error.
    bool outcome(bool ok, vbs::HostError& err) {
        if (ok) return true;
        m_c->error = m_c->engine.lastError();
        err.number = m_c->error.number;
        err.description = vbs::fromUtf8(m_c->error.description);
        err.source = vbs::fromUtf8(m_c->error.source);
        return false;
    }

    // The collection itself, or with an argument its item: Procedures(i) is Procedures.Item(i).
    static bool collection(std::vector<ListObject::Entry> entries, std::span<vbs::Value> args,
                           vbs::Value& result, vbs::HostError& err) {
        vbs::Value list = vbs::Value::object(new ListObject(std::move(entries)));
        if (args.empty()) {
            result = std::move(list);
            return true;
        }
        return list.asObject()->invoke(kItem, vbs::InvokeKind::PropertyGet, args, result, err);
    }

    ControlPtr m_c;
    const bool m_module;
};

} // namespace

vbs::Object* NewScriptControlObject(vbs::Runtime& engine) {
    return new ControlObject(std::make_shared<Control>(Control{engine, {}, 0}), false);
}

} // namespace run
