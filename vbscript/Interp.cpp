// Runtime set-up, the public API boundary and the Err object.
#include "Interp.h"

#include "Convert.h"
#include "Locale.h"
#include "Parser.h"
#include "objects/Classic.h"

#include <algorithm>
#include <pthread.h>

namespace vbs {

const int ErrObject::kKey = 0;

static_assert(int32_t(Err::OutOfMemory) == error::OutOfMemory &&
              int32_t(Err::CantPerform) == error::CantPerform &&
              int32_t(Err::OutOfStack) == error::OutOfStack &&
              int32_t(Err::PermissionDenied) == error::PermissionDenied &&
              int32_t(Err::ObjectRequired) == error::ObjectRequired &&
              int32_t(Err::CantCreateObject) == error::CantCreateObject &&
              int32_t(Err::Interrupted) == error::Interrupted && int32_t(Err::TimedOut) == error::TimedOut);

Interp::Interp(Config config) : m_config(std::move(config)) {
    m_err = new ErrObject(*this);
    m_err->addRef();
    int g = globalSymbol(u"Err");
    m_globals[size_t(g)].value = Value::object(m_err);
    m_globals[size_t(g)].declared = true;
    m_globals[size_t(g)].isConst = true;
    m_started = std::chrono::steady_clock::now();
}

Interp::~Interp() {
    if (!m_destroying) shutdown();
}

void Interp::shutdown() {
    ScriptError ignored;
    // Script data first, so Class_Terminate still runs with a working runtime.
    guarded([&] { releaseScriptData(); }, ignored);
    m_destroying = true; // no script code runs from here on
    guarded([&] { cutOffScriptObjects(); }, ignored);
    m_round.clear();
    m_previousRound.clear();
    m_globals.clear();
    m_globalIndex.clear();
    m_units.clear();
    m_err->clear();
    m_err->release(); // the host may still hold it
    m_err = nullptr;
}

void Interp::retire(std::unique_ptr<Interp> rt) {
    rt->shutdown();
    if (rt->m_objects) rt.release()->m_orphaned = true; // the last object deletes it
}

EngineObject::EngineObject(Interp& rt) : m_rt(rt) {
    m_next = rt.m_objects;
    if (m_next) m_next->m_prev = this;
    rt.m_objects = this;
}

EngineObject::~EngineObject() {
    if (m_prev)
        m_prev->m_next = m_next;
    else
        m_rt.m_objects = m_next;
    if (m_next) m_next->m_prev = m_prev;
    if (!m_rt.m_objects && m_rt.m_orphaned) delete &m_rt;
}

void Interp::cutOffScriptObjects() {
    // Nothing is released while the list is walked: a release may end objects.
    std::vector<Value> grave;
    for (EngineObject* o = m_objects; o; o = o->m_next)
        o->dropScript(grave);
}

bool Interp::cutOff(HostError& err, std::u16string_view name) {
    err.number = error::ObjectRequired;
    err.description = std::u16string(errorText(err.number)) + u": '" + std::u16string(name) + u"'";
    err.source.clear();
    return false;
}

void GlobalSymbol::findOwner() {
    while (ownersScanned < holders->size()) {
        Object* o = (*holders)[ownersScanned++].asObject();
        DispId id = o->memberId(name);
        if (id != kDispUnknown) {
            memberOwner = o;
            memberId = id;
            ++*epoch;
            return;
        }
    }
    ++*epoch;
}

int Interp::findGlobal(std::u16string_view name) const {
    auto it = m_globalIndex.find(lowerName(name));
    return it == m_globalIndex.end() ? -1 : it->second;
}

int Interp::globalSymbol(std::u16string_view name) {
    auto key = lowerName(name);
    auto it = m_globalIndex.find(key);
    if (it != m_globalIndex.end()) return it->second;
    m_globals.emplace_back();
    GlobalSymbol& g = m_globals.back();
    g.name = std::u16string(name);
    g.holders = &m_globalMembers;
    g.epoch = &m_symbolEpoch;
    symbolsChanged();
    int idx = int(m_globals.size() - 1);
    m_globalIndex.emplace(std::move(key), idx);
    return idx;
}

namespace {

// The lowest address of this thread's stack. Asking the system reads
// /proc/self/maps for the main thread, far too slow for every call into the
// engine, so each thread asks once.
const char* threadStackLow() {
    thread_local const char* low = nullptr;
    thread_local bool known = false;
    if (!known) {
        known = true;
        pthread_attr_t attr;
        if (pthread_getattr_np(pthread_self(), &attr) == 0) {
            void* addr = nullptr;
            size_t size = 0;
            if (pthread_attr_getstack(&attr, &addr, &size) == 0) low = static_cast<const char*>(addr);
            pthread_attr_destroy(&attr);
        }
    }
    return low;
}

} // namespace

void Interp::setStackFloor() {
    const char* here = static_cast<const char*>(__builtin_frame_address(0));
    size_t budget = m_config.stackBytes;
    if (const char* low = threadStackLow(); low && low < here) {
        size_t avail = size_t(here - low);
        // Keep a margin for the C++ code between two checks.
        size_t usable = avail > (256u << 10) ? avail - (256u << 10) : avail / 2;
        if (usable < budget) budget = usable;
    }
    m_stackFloor = here - budget;
}

void Interp::stackOverflow() {
    throwError(Err::OutOfStack);
}

void Interp::output(std::u16string_view text) {
    if (m_config.output) m_config.output(toUtf8(text));
}

bool Interp::enter(void (*body)(void*), void* ctx, ScriptError& err) {
    // The conversions follow this engine's locale while it runs.
    LocaleScope localeScope(&m_locale);
    bool outer = m_depth == 0;
    Frame* frame = m_frame;
    const char* floor = m_stackFloor;
    // A nested call keeps the outer floor: it gets no more stack than the
    // outer call has left (on one thread a fresh floor would never be higher).
    if (outer) {
        setStackFloor();
        m_started = std::chrono::steady_clock::now();
        m_ticks = 1024;
        m_steps = 0;
    }
    // Code entered from outside sees no caller's frame: Eval and Execute run
    // in the global scope, error positions are its own.
    m_frame = nullptr;
    ++m_depth;
    bool ok = false;
    try {
        body(ctx);
        ok = true;
    } catch (ScriptError& e) {
        err = std::move(e);
    } catch (Abort& a) {
        err.number = a.number;
        err.line = a.line;
        err.column = a.column;
        err.description = std::u16string(errorText(a.number));
    } catch (std::bad_alloc&) {
        err.number = int32_t(Err::OutOfMemory);
        err.description = std::u16string(errorText(err.number));
    } catch (std::length_error&) {
        err.number = int32_t(Err::OutOfMemory);
        err.description = std::u16string(errorText(err.number));
    }
    --m_depth;
    m_frame = frame;
    m_stackFloor = floor;
    if (outer) {
        m_interruptRequested.store(false, std::memory_order_relaxed);
        m_stopping = 0;
    }
    return ok;
}

void Interp::recordApiError(ScriptError& err) {
    ErrorInfo info;
    info.number = err.number;
    info.description =
        toUtf8(err.name.empty() ? err.description : err.description + u": '" + err.name + u"'");
    info.source =
        toUtf8(err.source.empty() ? (err.compile ? kCompileErrorSource : kRuntimeErrorSource) : err.source);
    info.line = err.line;
    info.column = err.column;
    info.compile = err.compile;
    if (err.unit && err.line > 0) {
        std::u16string_view src = err.unit->source;
        size_t pos = 0;
        for (int l = 1; l < err.line && pos != std::u16string_view::npos; ++l) {
            pos = src.find(u'\n', pos);
            if (pos != std::u16string_view::npos) ++pos;
        }
        if (pos != std::u16string_view::npos && pos <= src.size()) {
            size_t end = src.find(u'\n', pos);
            auto line = src.substr(pos, end == std::u16string_view::npos ? src.size() - pos : end - pos);
            if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
            info.lineText = toUtf8(line);
        }
    }
    m_lastError = std::move(info);
}

std::vector<Interp::SymbolMeaning> Interp::symbolMeanings() const {
    std::vector<SymbolMeaning> out;
    out.reserve(m_globals.size());
    for (const auto& g : m_globals)
        out.push_back({g.proc, g.cls, g.declared, g.isConst});
    return out;
}

Unit* Interp::compileText(std::u16string source, std::u16string fileName, bool expression, Frame* scope,
                          const std::vector<SymbolMeaning>* before, const ExecuteScope* added) {
    auto unit = std::make_unique<Unit>();
    unit->source = std::move(source);
    unit->fileName = std::move(fileName);
    Unit* u = unit.get();
    try {
        if (expression)
            parseExpressionUnit(*u);
        else
            parseUnit(*u);
    } catch (ScriptError& e) {
        e.unit = nullptr;
        e.compile = true;
        m_units.push_back(std::move(unit)); // keeps the text for the error's line
        m_units.back()->global.body.clear();
        m_units.back()->procs.clear();
        m_units.back()->classes.clear();
        e.unit = m_units.back().get();
        throw;
    }
    m_units.push_back(std::move(unit));
    // Resolving names defines the text's procedures and classes as it goes: a text that then
    // fails must leave none of them behind, half-resolved.
    std::vector<SymbolMeaning> own;
    if (!before) {
        own = symbolMeanings();
        before = &own;
    }
    const std::vector<SymbolMeaning>& was = *before;
    u->expression = expression;
    symbolsChanged();
    try {
        compileUnit(*this, *u, scope ? scope->proc : nullptr, added ? &added->names : nullptr);
        symbolsChanged();
    } catch (ScriptError& e) {
        for (size_t i = 0; i < m_globals.size(); ++i) {
            GlobalSymbol& g = m_globals[i];
            const SymbolMeaning w = i < was.size() ? was[i] : SymbolMeaning{nullptr, nullptr, false, false};
            g.proc = w.proc;
            g.cls = w.cls;
            g.declared = w.declared;
            g.isConst = w.isConst;
        }
        symbolsChanged();
        u->global.body.clear();
        u->procs.clear();
        u->classes.clear();
        e.unit = u;
        e.compile = true;
        throw;
    }
    return u;
}

namespace {

// Runs a unit's script-level statements in a frame of their own.
struct ScopedSlots {
    explicit ScopedSlots(size_t n) : v(n) {}
    std::vector<Value> v;
};

} // namespace

bool Interp::addCode(std::string_view source, std::string_view fileName) {
    return apiCall([&] {
        if (!reviveCode(source, fileName)) addCompiledCode(source, fileName);
    });
}

bool Interp::checkCode(std::string_view source, std::vector<UndefinedName>* undefinedNames) {
    // Compiled as addCode compiles, but its script-level statements are never run.
    m_undefinedNameLog = undefinedNames;
    const bool ok = apiCall([&] { compileText(fromUtf8(source), u"", false, nullptr, nullptr, nullptr); });
    m_undefinedNameLog = nullptr;
    return ok;
}

bool Interp::repeatsPreviousRound(const RoundOp& op) {
    if (!m_repeating) return false;
    size_t i = m_round.size();
    if (i >= m_previousRound.size()) return m_repeating = false;
    const RoundOp& p = m_previousRound[i];
    if (p.isCode != op.isCode || p.name != op.name || p.membersGlobal != op.membersGlobal ||
        p.identity != op.identity)
        return m_repeating = false;
    return true;
}

// The same text, added at the same point of a round that so far repeated the
// previous one, compiles to the same thing: put its definitions back and run
// its script-level statements again.
bool Interp::reviveCode(std::string_view source, std::string_view fileName) {
    RoundOp probe;
    probe.isCode = true;
    if (!repeatsPreviousRound(probe)) return false;
    RoundOp& prev = m_previousRound[m_round.size()];
    // Compared as given, before any conversion: a hit costs one memcmp.
    if (!prev.unit || prev.text != source || prev.file != fileName) return m_repeating = false;
    for (const SymbolDef& d : prev.defs) {
        GlobalSymbol& g = m_globals[size_t(d.index)];
        g.proc = d.proc;
        g.cls = d.cls;
        g.declared = d.declared;
        g.isConst = d.isConst;
        if (d.isConst) g.value = d.constValue;
    }
    symbolsChanged();
    m_round.push_back(std::move(prev));
    ++m_stats.codeReused;
    Unit* u = m_round.back().unit;
    ScopedSlots slots(size_t(u->global.frameSize()));
    runFrame(&u->global, nullptr, slots.v.data());
    return true;
}

void Interp::addCompiledCode(std::string_view source, std::string_view fileName) {
    m_repeating = false;
    // What each symbol meant before, to record what compiling the text changed.
    const std::vector<SymbolMeaning> was = symbolMeanings();
    RoundOp op;
    op.isCode = true;
    Unit* u = nullptr;
    try {
        u = compileText(fromUtf8(source), fromUtf8(fileName), false, nullptr, &was);
    } catch (...) {
        m_round.push_back(std::move(op)); // not reusable: the next round compiles it again
        throw;
    }
    ++m_stats.codeCompiled;
    for (size_t i = 0; i < m_globals.size(); ++i) {
        const GlobalSymbol& g = m_globals[i];
        bool existed = i < was.size();
        if (existed && was[i].proc == g.proc && was[i].cls == g.cls && was[i].declared == g.declared &&
            was[i].isConst == g.isConst)
            continue;
        if (!existed && !g.proc && !g.cls && !g.declared && !g.isConst) continue;
        // Only a Const of this text keeps its value here (a literal); named
        // objects are the host's to add again.
        bool ownConst = g.isConst && (!existed || !was[i].isConst);
        op.defs.push_back({int(i), g.proc, g.cls, g.declared, ownConst, ownConst ? g.value : Value()});
    }
    op.unit = u;
    op.text = std::string(source);
    op.file = std::string(fileName);
    m_round.push_back(std::move(op));
    ScopedSlots slots(size_t(u->global.frameSize()));
    runFrame(&u->global, nullptr, slots.v.data());
}

void Interp::releaseScriptData() {
    // Script variables go first: their Class_Terminate may still use host
    // objects. Err stays: it is the engine's own.
    for (int pass = 0; pass < 2; ++pass) {
        for (auto& g : m_globals) {
            if (pass == 0 && g.isConst) continue;
            if (g.value.isObject() && g.value.asObject() == m_err) continue;
            Value old = std::move(g.value);
        }
    }
    m_globalMembers.clear();
    symbolsChanged();
}

bool Interp::reset() {
    if (m_depth > 0) {
        ErrorInfo info;
        info.number = int32_t(Err::CantPerform);
        info.description = "Cannot reset the script engine while a script is running";
        info.source = "VBScript";
        m_lastError = std::move(info);
        return false;
    }
    // A Class_Terminate run by the release cannot reset us again: we count as running.
    ScriptError ignored;
    guarded([&] { releaseScriptData(); }, ignored);
    for (auto& g : m_globals) {
        if (g.value.isObject() && g.value.asObject() == m_err) continue;
        g.value = Value();
        g.proc = nullptr;
        g.cls = nullptr;
        g.declared = false;
        g.isConst = false;
        g.namedItem = false;
        g.memberOwner = nullptr;
        g.memberId = kDispUnknown;
        g.ownersScanned = 0;
    }
    symbolsChanged();
    // What the host still holds of the script can no longer reach its code,
    // whatever a Class_Terminate above did.
    guarded([&] { cutOffScriptObjects(); }, ignored);
    // Keep the code of the round that ends; units of earlier rounds, Execute
    // and Eval go.
    // A round that added nothing (two resets in a row) keeps the one before.
    if (!m_round.empty()) m_previousRound = std::move(m_round);
    m_round.clear();
    m_round.reserve(m_previousRound.size());
    std::vector<const Unit*> keep;
    for (const auto& op : m_previousRound)
        if (op.unit) keep.push_back(op.unit);
    std::erase_if(m_units, [&](const std::unique_ptr<Unit>& u) {
        return std::find(keep.begin(), keep.end(), u.get()) == keep.end();
    });
    m_repeating = true;
    ++m_generation;
    m_err->clear();
    m_lastError = ErrorInfo();
    m_rndState = kRndStart;
    m_locale = nullptr;
    m_frame = nullptr;
    m_interruptRequested.store(false, std::memory_order_relaxed);
    return true;
}

void Interp::executeGlobal(std::u16string_view code) {
    Unit* u = compileText(std::u16string(code), u"", false, nullptr);
    ScopedSlots slots(size_t(u->global.frameSize()));
    runFrame(&u->global, nullptr, slots.v.data());
}

ExecuteScope* Interp::executeScope(Frame& f) {
    if (f.proc->scopeSlot < 0) return nullptr;
    Value& held = f.slots[f.proc->scopeSlot];
    if (!held.isObject()) held = Value::object(new ExecuteScope);
    return static_cast<ExecuteScope*>(held.asObject());
}

void Interp::bindExecuted(const Unit& u, Frame& f, ExecuteScope* scope, std::vector<Value>& slots,
                          bool keepNew) {
    const size_t own = f.proc->slotNames.size();
    for (size_t i = 0; i < own; ++i)
        slots[i] = Value::ref(&f.slots[i].deref());
    const size_t known = scope ? scope->names.size() : 0;
    for (size_t i = 0; i < known; ++i)
        slots[own + i] = Value::ref(&scope->values[i]);
    if (!keepNew || !scope) return;
    const ProcDef& g = u.global;
    for (size_t i = own + known; i < g.slotNames.size(); ++i) {
        if (g.slotNames[i].empty()) continue; // a With temporary
        bool isConst = false;
        for (const auto& c : g.constInits)
            isConst = isConst || size_t(c.first) == i;
        if (isConst) continue; // a Const of the text lives with the text
        scope->names.push_back(g.slotNames[i]);
        scope->values.emplace_back();
        slots[i] = Value::ref(&scope->values.back());
    }
}

void Interp::executeLocal(std::u16string_view code) {
    Frame* cur = m_frame;
    if (!cur || cur->proc->kind == ProcKind::Global) {
        executeGlobal(code);
        return;
    }
    ExecuteScope* scope = executeScope(*cur);
    Value keep = scope ? Value::object(scope) : Value();
    Unit* u = compileText(std::u16string(code), u"", false, cur, nullptr, scope);
    // The executed code sees the caller's locals through Refs to its slots.
    ScopedSlots slots(size_t(u->global.frameSize()));
    bindExecuted(*u, *cur, scope, slots.v, true);
    runFrame(&u->global, cur->me, slots.v.data());
}

Value Interp::evalLocal(std::u16string_view code, bool plainSyntaxErrors) {
    Frame* cur = m_frame;
    bool local = cur && cur->proc->kind != ProcKind::Global;
    ExecuteScope* scope = local ? executeScope(*cur) : nullptr;
    Value keep = scope ? Value::object(scope) : Value();
    Unit* u;
    try {
        u = compileText(std::u16string(code), u"", true, local ? cur : nullptr, nullptr, scope);
    } catch (ScriptError& e) {
        // Text that is no expression is a plain syntax error, whatever the parser stumbled on.
        if (plainSyntaxErrors && e.compile && e.number != int32_t(Err::SyntaxError)) {
            e.number = int32_t(Err::SyntaxError);
            e.description = std::u16string(errorText(e.number));
        }
        throw;
    }
    ScopedSlots slots(size_t(u->global.frameSize()));
    if (local) bindExecuted(*u, *cur, scope, slots.v, false);
    // The expression runs in a frame of its own, but Execute and Eval inside it still see the
    // caller's procedure: the current frame stays.
    checkStack();
    Frame fr;
    fr.slots = slots.v.data();
    fr.proc = &u->global;
    fr.me = local ? cur->me : nullptr;
    Value v = execute(fr);
    if (u->procs.empty() && u->classes.empty() && m_units.back().get() == u) m_units.pop_back();
    return v;
}

bool Interp::addObject(std::string_view name, Object* obj, bool membersGlobal) {
    // Which members a global-members object has decides how later code
    // compiles; objects with one dispatch key have the same members.
    const void* identity = membersGlobal && obj ? (obj->dispatchKey() ? obj->dispatchKey() : obj) : nullptr;
    auto bind = [&](int g) {
        // Names find their owner among these lazily (GlobalSymbol::owner).
        if (membersGlobal && obj) m_globalMembers.push_back(Value::object(obj));
        GlobalSymbol& s = m_globals[size_t(g)];
        s.value = Value::object(obj);
        s.declared = true;
        s.isConst = true;
        s.namedItem = true;
        symbolsChanged();
    };
    // A host that adds the same objects every round (a player adds hundreds
    // before each script) finds the symbol where it was last round: no case
    // folding, no lookup. The reset left the symbol empty, so binding it runs
    // no script code.
    if (m_repeating && m_depth == 0 && m_round.size() < m_previousRound.size()) {
        RoundOp& prev = m_previousRound[m_round.size()];
        if (!prev.isCode && prev.global >= 0 && prev.membersGlobal == membersGlobal &&
            prev.identity == identity && prev.givenName == name) {
            bind(prev.global);
            m_round.push_back(std::move(prev));
            if (m_lastError.number != 0 || !m_lastError.description.empty()) m_lastError = ErrorInfo();
            return true;
        }
    }
    const std::u16string wide = fromUtf8(name);
    RoundOp op;
    op.name = lowerName(wide);
    op.givenName = std::string(name);
    op.membersGlobal = membersGlobal;
    op.identity = identity;
    repeatsPreviousRound(op);
    m_round.push_back(std::move(op));
    const size_t at = m_round.size() - 1;
    return apiCall([&] {
        int g = globalSymbol(wide);
        m_round[at].global = g;
        bind(g);
    });
}

bool Interp::run(std::u16string_view name, std::span<const Value> args, Value* result) {
    m_repeating = false; // the call may define things (ExecuteGlobal) that later code would see
    return apiCall([&] {
        int g = findGlobal(name);
        if (g < 0 || !m_globals[size_t(g)].proc) throwError(Err::SubNotDefined, name);
        std::vector<Value> vals(args.begin(), args.end());
        Value r = callWithValues(m_globals[size_t(g)].proc, nullptr, vals);
        if (result) *result = std::move(r);
    });
}

bool Interp::evalText(std::u16string_view text, Value& result) {
    m_repeating = false;
    return apiCall([&] { result = evalLocal(text); });
}

bool Interp::executeText(std::u16string_view text) {
    m_repeating = false;
    return apiCall([&] { executeGlobal(text); });
}

std::vector<ProcedureInfo> Interp::procedures() const {
    // In the order of definition: symbols keep their places across resets,
    // so their order says nothing.
    std::vector<ProcedureInfo> out;
    for (const auto& unit : m_units) {
        for (const auto& proc : unit->procs) {
            int g = findGlobal(proc->name);
            if (g < 0 || m_globals[size_t(g)].proc != proc.get()) continue;
            ProcedureInfo p;
            p.name = toUtf8(proc->name);
            p.argCount = int(proc->params.size());
            p.hasReturnValue = proc->kind == ProcKind::Function;
            out.push_back(std::move(p));
        }
    }
    return out;
}

// ---- Err ----

namespace {
enum ErrMember { ENumber = kDispValue, EDescription = 1, ESource, EHelpFile, EHelpContext, ERaise, EClear };
}

DispId ErrObject::memberId(std::u16string_view name) {
    static const std::pair<const char16_t*, int> names[] = {
        {u"number", ENumber},     {u"description", EDescription}, {u"source", ESource},
        {u"helpfile", EHelpFile}, {u"helpcontext", EHelpContext}, {u"raise", ERaise},
        {u"clear", EClear}};
    for (auto& n : names)
        if (equalsNoCase(name, n.first)) return n.second;
    return kDispUnknown;
}

bool ErrObject::invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) {
    bool put = kind == InvokeKind::PropertyPut;
    return m_rt.objectCall(err, [&] {
        switch (id) {
        case ENumber:
            if (put)
                number = toLong(args.back().deref());
            else
                result = Value::longv(number);
            return;
        case EDescription:
            if (put)
                description = toString(args.back().deref());
            else
                result = Value::string(description);
            return;
        case ESource:
            if (put)
                source = toString(args.back().deref());
            else
                result = Value::string(source);
            return;
        case EHelpFile:
            if (put)
                helpFile = toString(args.back().deref());
            else
                result = Value::string(helpFile);
            return;
        case EHelpContext:
            if (put)
                helpContext = toLong(args.back().deref());
            else
                result = Value::longv(helpContext);
            return;
        case EClear:
            clear();
            return;
        case ERaise: {
            if (args.empty() || args.size() > 5) throwError(Err::WrongArgCount);
            int32_t n = toLong(args[0].deref());
            // A failure HRESULT stands for its classic number; other numbers past 16 bits are invalid.
            if (n < 0) n = errorFromHResult(n);
            if (n == 0 || n > 0xFFFF) throwError(Err::InvalidCall);
            auto given = [&](size_t i) { return i < args.size() && args[i].type() != VarType::Error; };
            // What the call leaves out keeps what an earlier Raise left, until Err.Clear.
            ScriptError e;
            e.number = n;
            e.source = given(1) ? toString(args[1].deref()) : source;
            e.description = given(2) ? toString(args[2].deref()) : description;
            e.helpFile = given(3) ? toString(args[3].deref()) : helpFile;
            e.helpContext = given(4) ? toLong(args[4].deref()) : helpContext;
            if (e.source.empty()) e.source = kRuntimeErrorSource;
            if (e.description.empty()) {
                e.description = std::u16string(errorText(n));
                if (e.description.empty()) e.description = u"Unknown runtime error";
            }
            number = n;
            source = e.source;
            description = e.description;
            helpFile = e.helpFile;
            helpContext = e.helpContext;
            throw e;
        }
        default:
            throwError(Err::NoSuchMember);
        }
    });
}

// ---- public facade ----

Runtime::Runtime(Config config) : m_config(std::move(config)), m_interp(std::make_unique<Interp>(m_config)) {}
Runtime::~Runtime() {
    Interp::retire(std::move(m_interp));
}
bool Runtime::reset() {
    if (m_interp->running()) return m_interp->reset(); // refuses, with the error
    // Names pile up over many rounds of different code; start afresh now and then.
    if (m_interp->symbolCount() > 200000 || m_interp->unitCount() > 4096) {
        RuntimeStats stats = m_interp->stats();
        Interp::retire(std::move(m_interp));
        m_interp = std::make_unique<Interp>(m_config);
        m_interp->restoreStats(stats);
        return true;
    }
    return m_interp->reset();
}
void Runtime::setTimeout(int32_t ms) {
    m_config.timeoutMs = ms;
    m_interp->setTimeout(ms);
}
int32_t Runtime::timeout() const {
    return m_config.timeoutMs;
}
bool Runtime::running() const {
    return m_interp->running();
}
int32_t Runtime::pendingStop() {
    int32_t number = 0;
    return m_interp->running() && m_interp->stopRequested(number) ? number : 0;
}
Object* Runtime::createClassicObject(std::u16string_view progId) {
    return vbs::createClassicObject(*m_interp, progId);
}
const RuntimeStats& Runtime::stats() const {
    return m_interp->stats();
}

bool Runtime::addCode(std::string_view code, std::string_view fileName) {
    return m_interp->addCode(code, fileName);
}
bool Runtime::checkCode(std::string_view code) {
    return m_interp->checkCode(code);
}
bool Runtime::checkCode(std::string_view code, std::vector<UndefinedName>& undefinedNames) {
    return m_interp->checkCode(code, &undefinedNames);
}
bool Runtime::addObject(std::string_view name, Object* object, bool membersGlobal) {
    return m_interp->addObject(name, object, membersGlobal);
}
bool Runtime::run(std::string_view procedure, std::span<const Value> args, Value* result) {
    return m_interp->run(fromUtf8(procedure), args, result);
}
bool Runtime::eval(std::string_view expression, Value& result) {
    return m_interp->evalText(fromUtf8(expression), result);
}
bool Runtime::executeStatement(std::string_view code) {
    return m_interp->executeText(fromUtf8(code));
}
std::vector<ProcedureInfo> Runtime::procedures() const {
    return m_interp->procedures();
}
void Runtime::requestInterrupt() {
    m_interp->requestInterrupt();
}
const ErrorInfo& Runtime::lastError() const {
    return m_interp->lastError();
}

} // namespace vbs
