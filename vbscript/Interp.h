#pragma once
// The interpreter: global symbols, frames, expression evaluation, statement
// execution, calls and member access. Internal to the library.
#include "Ast.h"
#include "Bytecode.h"
#include "Errors.h"
#include "Object.h"
#include "vbscript.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <type_traits>
#include <unordered_map>

namespace vbs {

struct GlobalSymbol {
    // A plain variable can be read and written in place without further checks.
    bool plainVar() const { return !proc && !cls && !memberOwner && ownersScanned == holders->size(); }
    // The first object added with membersGlobal that has a member of this name.
    // Found lazily, when the name is used: hosts add many such objects before
    // every run, and most names never meet most of them.
    Object* owner() {
        if (!memberOwner && ownersScanned != holders->size()) findOwner();
        return memberOwner;
    }
    // Not declared by script code but a member of an object added with
    // membersGlobal: the name reads, calls and assigns that member.
    bool hostMember() { return !declared && !proc && !cls && owner(); }
    // Anything that makes the name mean something: declared, defined, or a host member.
    bool live() { return declared || proc || cls || owner(); }
    void findOwner();

    std::u16string name;
    Value value;
    ProcDef* proc = nullptr;
    ClassDef* cls = nullptr;
    bool declared = false;
    bool isConst = false;
    bool namedItem = false;        // added by the host with addObject
    Object* memberOwner = nullptr; // kept alive by Interp::m_globalMembers
    DispId memberId = kDispUnknown;
    const std::vector<Value>* holders = nullptr; // Interp::m_globalMembers
    size_t ownersScanned = 0;                    // holders already asked
    uint64_t* epoch = nullptr;                   // Interp::m_symbolEpoch
};

class Interp;
class ErrObject;
struct LocaleInfo;

// An object the engine makes and the host may keep: class instances, GetRef
// results, Err and the classic objects. Each keeps its Interp in memory, so a
// Runtime destroyed while the host still holds some leaves its Interp behind,
// shut down, until the last of them goes. Those that run script code are cut
// off (dropScript) by a reset and by the shutdown, and from then on fail
// every call with error 424 instead of reaching code that is gone.
class EngineObject : public Object {
  public:
    ~EngineObject() override;
    Interp& engine() const { return m_rt; }

  protected:
    explicit EngineObject(Interp& rt);
    Interp& m_rt;

  private:
    friend class Interp;
    // Forget the script code and data this object points into; called with
    // nothing released yet, what it held goes into the grave.
    virtual void dropScript(std::vector<Value>& grave) { (void)grave; }
    EngineObject* m_prev = nullptr;
    EngineObject* m_next = nullptr;
};

// An instance of a script Class.
class ClassInstance final : public EngineObject {
  public:
    ClassInstance(Interp& rt, ClassDef& cls);
    std::u16string typeName() const override;
    DispId memberId(std::u16string_view name) override;
    // None: another engine's call sites could keep the key past this class's
    // reset; this engine's own reach instances directly.
    const void* dispatchKey() const override { return nullptr; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override;
    // A cut-off instance is a plain object: the interpreter's direct path skips it.
    bool isScriptInstance() const override { return m_cls != nullptr; }

    ClassDef& cls() { return *m_cls; }
    std::vector<Value>& fields() { return m_fields; }

  protected:
    void lastReleased() override;

  private:
    friend class Interp;
    void dropScript(std::vector<Value>& grave) override;
    ClassDef* m_cls; // nullptr once cut off from the code
    std::u16string m_cutOffName;
    std::vector<Value> m_fields;
    bool m_terminated = false;
};

struct Frame {
    Value* slots = nullptr;
    ProcDef* proc = nullptr;
    ClassInstance* me = nullptr;
    bool resumeNext = false;
    // Arrays whose element an argument passes ByRef, with the Ref's register.
    std::vector<std::pair<Array*, const Value*>> locks;
};

// The arguments of one call, evaluated: values, and for those a procedure may take ByRef the
// Refs to their storage. A host may pass Value::ref(&v) among the values for a ByRef parameter.
struct ArgBlock {
    Value* vals = nullptr;
    uint32_t n = 0;
    bool parens = false; // written with an argument list
    uint64_t omitted = 0;
    uint64_t refMask = 0;
    Value* refs = nullptr;
    bool isOmitted(size_t i) const { return i < 64 && ((omitted >> i) & 1); }
    Value* refAt(size_t i) const {
        return i < 64 && ((refMask >> i) & 1) && refs[i].isRef() ? &refs[i] : nullptr;
    }
    std::span<Value> values() const { return std::span<Value>(vals, n); }
    // The arguments of a call instruction, in registers from regs.
    static ArgBlock of(const CallSite& s, Value* regs) {
        ArgBlock a;
        a.vals = regs;
        a.n = s.argc;
        a.parens = true;
        a.omitted = s.omitted;
        a.refMask = s.refMask;
        a.refs = regs + s.argc;
        return a;
    }
};

// The variables Execute gives one call of a procedure: names new to the
// procedure, and which of its own undeclared names an executed Dim declared.
// Held in the call's hidden slot (ProcDef::scopeSlot), so it ends with the call.
class ExecuteScope final : public Object {
  public:
    std::vector<std::u16string> names;
    std::deque<Value> values; // stable addresses: executed code holds Refs to them
    bool declared(int slot) const { return size_t(slot) < m_declared.size() && m_declared[size_t(slot)]; }
    void declare(int slot) {
        if (size_t(slot) >= m_declared.size()) m_declared.resize(size_t(slot) + 1);
        m_declared[size_t(slot)] = true;
    }

  private:
    std::vector<bool> m_declared;
};

enum class Flow : uint8_t { Normal, ExitDo, ExitFor, ExitProc };

// Thrown for a host interrupt / time-out / step budget: unlike ScriptError
// it is not caught by On Error Resume Next.
struct Abort {
    int32_t number;
    int line = 0;
    int column = 0;
};

class Interp {
  public:
    explicit Interp(Config config);
    ~Interp();
    // The end of a Runtime's Interp: script data released (Class_Terminate
    // runs), script objects cut off, and the Interp deleted now or, while the
    // host still holds objects of it, when the last of them goes.
    static void retire(std::unique_ptr<Interp> rt);

    // ---- public-API entry points (never throw) ----
    bool addCode(std::string_view source, std::string_view fileName);                              // UTF-8
    bool checkCode(std::string_view source, std::vector<UndefinedName>* undefinedNames = nullptr); // UTF-8
    // Set while checkCode compiles: where the compiler lists the names nothing defines.
    std::vector<UndefinedName>* undefinedNameLog() const { return m_undefinedNameLog; }
    bool addObject(std::string_view name, Object* obj, bool membersGlobal);
    bool run(std::u16string_view name, std::span<const Value> args, Value* result);
    bool evalText(std::u16string_view text, Value& result);
    bool executeText(std::u16string_view text);
    std::vector<ProcedureInfo> procedures() const;
    // Back to a blank engine; see Runtime::reset. False while a script runs.
    bool reset();
    bool running() const { return m_depth > 0; }
    void setTimeout(int32_t ms) { m_config.timeoutMs = ms; }
    const RuntimeStats& stats() const { return m_stats; }
    void restoreStats(const RuntimeStats& s) { m_stats = s; }
    size_t symbolCount() const { return m_globals.size(); }
    size_t unitCount() const { return m_units.size(); }
    const ErrorInfo& lastError() const { return m_lastError; }
    void requestInterrupt() { m_interruptRequested.store(true, std::memory_order_relaxed); }

    // ---- used by the compiler ----
    int findGlobal(std::u16string_view name) const;
    int globalSymbol(std::u16string_view name); // creates an undeclared entry
    GlobalSymbol& global(int i) { return m_globals[size_t(i)]; }

    // ---- used by built-ins ----
    const Config& config() const { return m_config; }
    Value scalar(const Value& v); // default value of objects, Ref followed
    Value defaultValue(Object* obj);
    ErrObject& errObject() { return *m_err; }
    // The classic Rnd generator's 24-bit state (builtins/Math.cpp).
    static constexpr uint32_t kRndStart = 0x50000;
    uint32_t& rndState() { return m_rndState; }
    // The locale SetLocale chose; nullptr is the default, English (United States).
    const LocaleInfo* locale() const { return m_locale; }
    void setLocale(const LocaleInfo* l) { m_locale = l; }
    void output(std::u16string_view text);
    // Execute / ExecuteGlobal / Eval from inside a running script.
    void executeGlobal(std::u16string_view code);
    void executeLocal(std::u16string_view code);
    // plainSyntaxErrors: text that is no expression fails with 1002 "Syntax error", as Eval does.
    Value evalLocal(std::u16string_view code, bool plainSyntaxErrors = false);
    Value callValue(const Value& target, std::span<Value> args);
    Value hostMemberCall(GlobalSymbol& g, ArgBlock* args, Frame& f, bool statement);
    void checkMemory(size_t bytes);
    Frame* currentFrame() { return m_frame; }
    // For long-running built-ins and objects (a regular expression search):
    // true when the time-out, an interrupt or the step budget says the script
    // must stop, with the error number to stop with. An object's invoke that
    // fails with that number stops the script beyond On Error Resume Next.
    bool stopRequested(int32_t& number);
    // An interrupt the host asked for during a callback stops the script as
    // soon as the callback returns, not only at the next poll.
    void afterHostCallback() {
        if (m_stopping) [[unlikely]]
            abort(m_stopping);
        if (m_interruptRequested.load(std::memory_order_relaxed)) [[unlikely]]
            abort(int32_t(Err::Interrupted));
    }
    // Time spent waiting for the user in a box the script opened is not the script's: it does
    // not count against the time-out.
    void notCounted(std::chrono::steady_clock::duration waited) { m_started += waited; }

    // Runs Class_Terminate and frees an instance whose last reference went.
    void destroyInstance(ClassInstance* inst);
    // Calls a procedure with argument values (host calls, Class_Initialize).
    Value callWithValues(ProcDef* p, ClassInstance* me, std::span<Value> args);
    // An instance of a class of this engine that is still tied to its code, or nullptr.
    ClassInstance* ownInstance(Object* obj) {
        return obj->isScriptInstance() && &static_cast<ClassInstance*>(obj)->engine() == this
                   ? static_cast<ClassInstance*>(obj)
                   : nullptr;
    }

    // The one way in from outside a statement: every host call of the API,
    // every invoke of the engine's objects, Class_Terminate. It marks the
    // engine running; the outermost call starts the time-out clock, the step
    // count and the stack floor; a call nested in a running script gets no
    // more stack than is left and puts the outer call's state back after.
    // Failures come back in err, never as an exception.
    template <class F> bool guarded(F&& body, ScriptError& err) {
        return enter([](void* f) { (*static_cast<std::remove_reference_t<F>*>(f))(); }, &body, err);
    }
    // guarded for an Object::invoke: a failure fills err.
    template <class F> bool objectCall(HostError& err, F&& body) {
        ScriptError e;
        if (guarded(body, e)) return true;
        err.number = e.number;
        err.description = std::move(e.description);
        err.source = std::move(e.source);
        err.helpFile = std::move(e.helpFile);
        err.helpContext = e.helpContext;
        return false;
    }
    // Error 424 for an object cut off from its engine's code.
    static bool cutOff(HostError& err, std::u16string_view name);

  private:
    friend class ClassInstance;
    // ---- the machine (Vm.cpp) ----
    // Runs the frame's procedure from its first instruction; the value it returns.
    Value execute(Frame& f);
    // What the fast paths of the operators and JCmp leave: the general rules, with the
    // operands read by their full rules and the result stored in the instruction's destination.
    [[gnu::noinline]] void binaryGeneral(const Instr& in, Frame& f, Op op);
    [[gnu::noinline]] bool compareGeneral(const Instr& in, Frame& f);
    Value readOperand(uint16_t x, Frame& f);
    // A global's cached addresses, looked up again when the symbols changed.
    GlobalRef& globalRef(const GlobalRef& g) {
        auto& r = const_cast<GlobalRef&>(g);
        if (r.epoch != m_symbolEpoch) [[unlikely]]
            refreshGlobal(r);
        return r;
    }
    void refreshGlobal(GlobalRef& g);
    // GetElem and SetElem when the name is no array variable or the index no whole number.
    [[gnu::noinline]] Value getElemGeneral(const Instr& in, Frame& f);
    [[gnu::noinline]] void setElemGeneral(const Instr& in, Value v, Value index, Frame& f);
    void storeResult(uint16_t d, Value v, Frame& f);
    void recordError(const ScriptError& e);
    static bool condition(Interp& rt, const Value& v);
    void tick() {
        if (--m_ticks <= 0) poll();
    }
    void poll();
    [[noreturn]] void abort(int32_t number);

    // ---- names, stores, loops and declarations (VmOps.cpp) ----
    Value evalName(const NameExpr* e, Frame& f, bool statement);
    void nameStatement(const NameExpr* e, Frame& f);
    Value evalNew(const NewExpr* e, Frame& f);
    Value binarySlow(Op op, const Value& l, const Value& r, uint8_t literals);
    Value* nameStorage(const NameExpr* e, Frame& f);
    // The slot of an undeclared name in a procedure, or nullptr when the name is a global's.
    [[gnu::noinline]] Value* implicitLocal(const NameExpr* e, Frame& f);
    [[gnu::noinline]] Value* implicitStorage(const NameExpr* e, Frame& f);
    Value* globalStorage(const NameExpr* e, Frame& f);
    Value indexValue(const Value& base, std::span<Value> idx);
    Value* elementRef(Array* a, std::span<Value> idx);
    Value* elementRef1(Array* a, int32_t i);
    int32_t indexOf(const Value& v);
    void storeVar(Value& dst, Value v, bool isSet, const std::u16string& name);
    // name = v by every rule of an assignment to a name.
    void assignName(const NameExpr* n, Value v, bool isSet, Frame& f);
    // A script-level variable assigned in place when it is a plain one.
    void storeGlobal(const NameExpr* n, Value v, Frame& f);
    void putDefault(const Value& obj, std::vector<Value>& args, Value v, bool isSet);
    Value callName(const CallSite& s, Value* args, Frame& f, Value* refOut);
    Value callBuiltin(const CallSite& s, Value* args);
    void setIndex(const CallSite& s, Value* args, Value v, Frame& f);
    void setNested(const CallSite& s, Value* args, Value v, Frame& f);
    void setCall(const CallSite& s, Value* args, const Value& callee, Value v, Frame& f);
    bool arrayName(const NameExpr* n, Frame& f);
    bool appendable(const NameExpr* n, Frame& f);
    void append(const NameExpr* n, const Value& r, Frame& f);
    bool forPrep(Value* st, const NameExpr* var, Frame& f);
    bool forStep(Value* st, const NameExpr* var, Frame& f);
    bool forEachPrep(Value* st, const NameExpr* var, Frame& f);
    bool forEachNext(Value* st, const NameExpr* var, Frame& f);
    void dimItem(const DimItem& it, std::span<Value> bounds, Frame& f);
    void reDimCheck(const NameExpr* n, Frame& f);
    void reDimItem(const DimItem& it, std::span<Value> bounds, bool preserve, Frame& f);
    void erase(const NameExpr* n, Frame& f);
    // Array elements passed ByRef stay locked until the call returns; from..to: the Ref block.
    static void releaseLocks(Frame& f, const Value* from, const Value* to);

    // ---- calls and members (InterpCall.cpp) ----
    Value callProc(ProcDef* p, ClassInstance* me, ArgBlock* args, Frame& caller);
    // A procedure of one parameter; ref: the variable it takes ByRef, else arg is its value.
    Value callProc1(ProcDef* p, Value arg, Value* ref);
    Value runFrame(ProcDef* p, ClassInstance* me, Value* slots);
    Value getMember(const Value& obj, const std::u16string& name, MemberCache* cache, ArgBlock* args,
                    Frame& f, bool statement);
    void putMember(const Value& obj, const std::u16string& name, MemberCache* cache, ArgBlock* args, Value v,
                   bool isSet, Frame& f);
    Value callDefault(const Value& obj, ArgBlock* args, Frame& f);
    Value instanceGet(ClassInstance* inst, int member, ArgBlock* args, Frame& f, bool statement);
    void instancePut(ClassInstance* inst, int member, ArgBlock* args, Value v, bool isSet, Frame& f);
    int instanceMember(ClassInstance* inst, const std::u16string& name, MemberCache* cache, Frame& f);
    Value hostInvoke(Object* obj, DispId id, InvokeKind kind, std::span<Value> args);
    DispId hostMemberId(Object* obj, const std::u16string& name, MemberCache* cache);
    Value newInstance(ClassDef* cls);

    // ---- API plumbing (Interp.cpp) ----
    bool enter(void (*body)(void*), void* ctx, ScriptError& err);
    // guarded for a Runtime call: a failure becomes lastError().
    template <class F> bool apiCall(F&& body) {
        ScriptError e;
        if (guarded(body, e)) {
            m_lastError = ErrorInfo();
            return true;
        }
        recordApiError(e);
        return false;
    }
    void recordApiError(ScriptError& err);
    friend class EngineObject;
    void cutOffScriptObjects();
    void shutdown();
    void setStackFloor();
    void checkStack() {
        const char* here = static_cast<const char*>(__builtin_frame_address(0));
        if (here < m_stackFloor) [[unlikely]]
            stackOverflow();
    }
    [[noreturn]] void stackOverflow();
    // What a global symbol means: compiling a text may change it.
    struct SymbolMeaning {
        ProcDef* proc;
        ClassDef* cls;
        bool declared, isConst;
    };
    std::vector<SymbolMeaning> symbolMeanings() const;
    // Parses and resolves a text. A text that fails leaves the symbols as `before` has them
    // (taken here when not given).
    Unit* compileText(std::u16string source, std::u16string fileName, bool expression, Frame* scope,
                      const std::vector<SymbolMeaning>* before = nullptr,
                      const ExecuteScope* added = nullptr);
    // Execute / Eval in a procedure: the call's ExecuteScope (made on first use), or nullptr
    // when the procedure has no slot for one.
    ExecuteScope* executeScope(Frame& f);
    // Slots of code run in f's procedure: Refs to f's slots and to the scope's variables; with
    // keepNew the code's own new names become variables of the scope.
    void bindExecuted(const Unit& u, Frame& f, ExecuteScope* scope, std::vector<Value>& slots, bool keepNew);
    // A name of f's procedure that an executed Dim declared.
    static bool declaredByExecute(const Frame& f, int slot) {
        int s = f.proc->scopeSlot;
        if (s < 0 || f.proc->kind == ProcKind::Global) return false;
        const Value& v = f.slots[s];
        return v.isObject() && static_cast<const ExecuteScope*>(v.asObject())->declared(slot);
    }

    // One AddObject or AddCode of the current round (since the last reset).
    // A round that repeats the previous one op for op reuses its compiled code.
    struct SymbolDef {
        int index;
        ProcDef* proc;
        ClassDef* cls;
        bool declared, isConst;
        Value constValue;
    };
    struct RoundOp {
        bool isCode = false;
        std::u16string name;   // object name, lower case
        std::string givenName; // the object's name as the host gave it (UTF-8)
        int global = -1;       // the global symbol it was added as
        bool membersGlobal = false;
        const void* identity = nullptr; // dispatch key, else the object itself
        Unit* unit = nullptr;           // code that compiled: reusable
        std::string text, file;         // its UTF-8 text and file name, as added
        std::vector<SymbolDef> defs;    // what compiling it defined
    };
    bool repeatsPreviousRound(const RoundOp& op);
    void releaseScriptData();
    void addCompiledCode(std::string_view source, std::string_view fileName);
    bool reviveCode(std::string_view source, std::string_view fileName);

    Config m_config;
    std::vector<RoundOp> m_round, m_previousRound;
    bool m_repeating = false; // every op of this round so far repeated the previous round
    std::vector<UndefinedName>* m_undefinedNameLog = nullptr;
    RuntimeStats m_stats;
    std::deque<GlobalSymbol> m_globals;
    std::unordered_map<std::u16string, int> m_globalIndex;
    std::vector<std::unique_ptr<Unit>> m_units;
    std::vector<Value> m_globalMembers; // objects whose members are global names
    // Changes whenever a global symbol may mean something else (code compiled, objects added,
    // a reset): the machine's cached global addresses hold for one epoch.
    uint64_t m_symbolEpoch = 1;
    void symbolsChanged() { ++m_symbolEpoch; }
    Object* m_errHolder = nullptr;
    ErrObject* m_err = nullptr;
    ErrorInfo m_lastError;
    Frame* m_frame = nullptr;
    int m_depth = 0; // API re-entrancy depth
    int64_t m_ticks = 1024;
    uint64_t m_steps = 0;
    const char* m_stackFloor = nullptr;
    std::atomic<bool> m_interruptRequested{false};
    // A stop once thrown holds until the outermost call returns: code that swallows errors (a
    // Class_Terminate, whose failures never reach the code that dropped the object) must not
    // let the script run on.
    int32_t m_stopping = 0;
    std::chrono::steady_clock::time_point m_started;
    uint32_t m_rndState = kRndStart;
    const LocaleInfo* m_locale = nullptr;
    bool m_destroying = false;
    uint32_t m_generation = 0;         // resets so far: MemberCache entries of older ones are void
    EngineObject* m_objects = nullptr; // every EngineObject of this engine, linked
    bool m_orphaned = false;           // its Runtime is gone; the last object deletes it
};

// The Err object.
class ErrObject final : public EngineObject {
  public:
    explicit ErrObject(Interp& rt) : EngineObject(rt) {}
    std::u16string typeName() const override { return u"ErrObject"; }
    DispId memberId(std::u16string_view name) override;
    const void* dispatchKey() const override { return &kKey; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override;
    void clear() {
        number = 0;
        description.clear();
        source.clear();
        helpFile.clear();
        helpContext = 0;
    }

    int32_t number = 0;
    std::u16string description, source, helpFile;
    int32_t helpContext = 0;

  private:
    static const int kKey;
};

// Compiles a parsed unit: registers its globals and resolves names.
// scope, when given, is the procedure an Execute / Eval runs in; added names
// the variables earlier Executes gave that call, which follow its own slots.
void compileUnit(Interp& rt, Unit& unit, const ProcDef* scope,
                 const std::vector<std::u16string>* added = nullptr);

} // namespace vbs
