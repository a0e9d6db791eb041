// The register machine: one dispatch loop over a procedure's code
// (Bytecode.h), with errors caught per instruction and resumed at its Site.
#include "Interp.h"

#include "Convert.h"
#include "FastArith.h"
#include "Operators.h"

#include <cstdint>

namespace vbs {

void Interp::recordError(const ScriptError& e) {
    m_err->number = e.number;
    m_err->description = e.description;
    m_err->source = !e.source.empty() ? e.source : e.compile ? kCompileErrorSource : kRuntimeErrorSource;
    m_err->helpFile = e.helpFile;
    m_err->helpContext = e.helpContext;
}

void Interp::abort(int32_t number) {
    m_stopping = number;
    m_ticks = 0;         // the next loop step or call polls, and stops too
    throw Abort{number}; // the innermost running frame gives it its position
}

void Interp::poll() {
    m_ticks = 1024;
    m_steps += 1024;
    int32_t number = 0;
    if (stopRequested(number)) abort(number);
}

bool Interp::stopRequested(int32_t& number) {
    if (m_stopping) {
        number = m_stopping;
        return true;
    }
    if (m_interruptRequested.load(std::memory_order_relaxed)) {
        number = int32_t(Err::Interrupted);
        return true;
    }
    if (m_config.stepLimit && m_steps > m_config.stepLimit) {
        number = int32_t(Err::TimedOut);
        return true;
    }
    if (m_config.timeoutMs > 0) {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                        m_started)
                      .count();
        if (ms > int64_t(m_config.timeoutMs)) {
            number = int32_t(Err::TimedOut);
            return true;
        }
    }
    if (m_config.interruptCheck && m_config.interruptCheck()) {
        number = int32_t(Err::Interrupted);
        return true;
    }
    return false;
}

bool Interp::condition(Interp& rt, const Value& v0) {
    const Value& v = v0.deref();
    if (v.type() == VarType::Boolean) return v.asBoolean();
    if (v.isObject()) return condition(rt, rt.scalar(v));
    if (v.isNull()) return false; // Null is not True: the Else branch runs
    return toBool(v);
}

namespace {

void releaseAll(Frame& f) {
    for (auto& l : f.locks) {
        --l.first->locks;
        if (--l.first->refs == 0) delete l.first;
    }
    f.locks.clear();
}

struct LocksOnExit {
    Frame& f;
    ~LocksOnExit() {
        if (!f.locks.empty()) releaseAll(f);
    }
};

template <class T> const T* auxAs(const void* p) {
    return static_cast<const T*>(p);
}

} // namespace

void Interp::refreshGlobal(GlobalRef& g) {
    const NameRef& r = g.name->ref;
    GlobalSymbol& sym = *r.sym;
    const bool plain = sym.plainVar() && !r.checkDeclared;
    g.read = plain ? &sym.value : nullptr;
    g.write = plain && !sym.isConst && !r.readOnly ? &sym.value : nullptr;
    g.epoch = m_symbolEpoch;
}

Value Interp::readOperand(uint16_t x, Frame& f) {
    const Code& code = *f.proc->code;
    switch (x & kKindMask) {
    case kReg:
        return f.slots[x].deref();
    case kConst:
        return code.consts[x & kIndexMask];
    default: {
        const GlobalRef& g = globalRef(code.globals[x & kIndexMask]);
        if (g.read) return *g.read;
        return evalName(g.name, f, false);
    }
    }
}

void Interp::storeResult(uint16_t d, Value v, Frame& f) {
    switch (d & kKindMask) {
    case kReg:
        f.slots[d] = std::move(v);
        return;
    case kVar: {
        const uint16_t slot = d & kIndexMask;
        Value& dst = f.slots[slot].deref();
        if (dst.isArray())
            storeVar(dst, std::move(v), false, f.proc->slotNames[slot]);
        else
            dst = std::move(v);
        return;
    }
    default:
        storeGlobal(f.proc->code->globals[d & kIndexMask].name, std::move(v), f);
        return;
    }
}

void Interp::binaryGeneral(const Instr& in, Frame& f, Op op) {
    // Copied left first: reading the right operand may run code that changes the left.
    Value l = readOperand(in.b, f);
    Value r = readOperand(in.c, f);
    Value v = fast::binary(op, l, r);
    if (v.isEmpty()) v = binarySlow(op, l, r, in.f & 3);
    storeResult(in.a, std::move(v), f);
}

bool Interp::compareGeneral(const Instr& in, Frame& f) {
    Value l = readOperand(in.b, f);
    Value r = readOperand(in.c, f);
    const Op op = Op(in.a);
    Value v = fast::binary(op, l, r);
    if (v.isEmpty()) v = binarySlow(op, l, r, in.f & 3);
    return condition(*this, v);
}

Value Interp::getElemGeneral(const Instr& in, Frame& f) {
    const CallSite& s = *static_cast<const CallSite*>(f.proc->code->aux[in.k]);
    // The argument as CallName would have it: its value, and a Ref when it names a variable.
    Value args[2];
    args[0] = readOperand(in.b, f);
    if (s.refMask) {
        const Expr* a = static_cast<const CallExpr*>(s.node)->args[0].get();
        if (Value* p = nameStorage(static_cast<const NameExpr*>(a), f)) args[1] = Value::ref(p);
    }
    return callName(s, args, f, nullptr);
}

void Interp::setElemGeneral(const Instr& in, Value v, Value index, Frame& f) {
    const CallSite& s = *static_cast<const CallSite*>(f.proc->code->aux[in.k]);
    setIndex(s, &index, std::move(v), f);
}

Value Interp::execute(Frame& f) {
    const Code& code = *f.proc->code;
    const Instr* const base = code.instrs.data();
    const Instr* ip = base;
    Value* const R = f.slots;
    const Value* const K = code.consts.data();
    const GlobalRef* const G = code.globals.data();
    const void* const* const X = code.aux.data();
    const uint16_t tempBase = uint16_t(f.proc->slotCount);
    LocksOnExit locksOnExit{f};

    // A global read in place while it is a plain variable, else by the name's full rule.
    auto fastGlobal = [ this, G ](uint16_t x) __attribute__((always_inline))->const Value* {
        return globalRef(G[x & kIndexMask]).read;
    };
    // RK(x) in place, or nullptr when reading it runs code.
    auto fast = [ R, K, fastGlobal ](uint16_t x) __attribute__((always_inline))->const Value* {
        switch (x & kKindMask) {
        case kReg:
            return &R[x].deref();
        case kConst:
            return &K[x & kIndexMask];
        default:
            return fastGlobal(x);
        }
    };
    // RK(x) as a value of its own.
    // RK(x) as a value of its own.
    auto read = [ this, &f, fast ](uint16_t x) __attribute__((always_inline))->Value {
        if (const Value* v = fast(x)) return *v;
        return readOperand(x, f);
    };
    auto take = [ R, tempBase, read ](uint16_t x) __attribute__((always_inline))->Value {
        if ((x & kKindMask) == kReg && x >= tempBase) return std::move(R[x]);
        return read(x);
    };
    // D(d) = v for an operator's result (never an object or array): in place when it can be.
    auto store = [ this, &f, R, G ](uint16_t d, Value v) __attribute__((always_inline)) {
        switch (d & kKindMask) {
        case kReg:
            R[d] = std::move(v);
            return;
        case kVar:
            if (Value& dst = R[d & kIndexMask].deref(); !dst.isArray()) {
                dst = std::move(v);
                return;
            }
            break;
        default:
            if (const GlobalRef& g = globalRef(G[d & kIndexMask]); g.write && !g.write->isArray()) {
                g.name->ref.sym->declared = true;
                *g.write = std::move(v);
                return;
            }
            break;
        }
        storeResult(d, std::move(v), f);
    };

    auto scalarOf = [this](Value v) -> Value { return v.isObject() ? scalar(v) : v; };
    auto negate = [this](Value o) -> Value {
        if (o.type() == VarType::Double) return Value::dbl(-o.asDouble());
        return opNeg(scalar(o));
    };
    auto withObject = [](Value v) -> Value {
        if (!v.isObject()) throwError(Err::ObjectRequired);
        return v;
    };
    // The storage of a variable read or written in place: a local, a field, a plain global.
    auto varPtr = [ R, &f ](const NameExpr* n) __attribute__((always_inline))->Value* {
        const NameRef& r = n->ref;
        switch (r.scope) {
        case Scope::Local:
            return &R[r.slot].deref();
        case Scope::Field:
            return &f.me->fields()[size_t(r.slot)];
        case Scope::Global:
            return !r.checkDeclared && r.sym->plainVar() ? &r.sym->value : nullptr;
        default:
            return nullptr;
        }
    };
    // The element of a one- or two-dimensional array that Integer or Long indices name, or nullptr.
    auto element = [](Value * var, const Value* idx, size_t n) __attribute__((always_inline))->Value* {
        if (!var || !var->isArray()) return nullptr;
        Array* a = var->asArray();
        if (size_t(a->rank()) != n) return nullptr;
        size_t flat = 0;
        for (size_t i = 0; i < n; ++i) {
            if (!fast::isInt(idx[i].type())) return nullptr;
            const ArrayDim& d = a->dims[i];
            const int64_t k = fast::intOf(idx[i]) - d.lbound;
            if (k < 0 || k >= d.count) return nullptr;
            flat = flat * size_t(d.count) + size_t(k);
        }
        return &a->data[flat];
    };
    // A call's arguments go with it: an object passed in a temporary is released as the call
    // returns, not when the register is next used.
    auto drop = [](Value* regs, size_t n) {
        for (size_t i = 0; i < n; ++i)
            regs[i] = Value();
    };

    static const void* const labels[] = {
        &&L_Move,       &&L_Scalar,      &&L_GetField,    &&L_GetName,     &&L_Me,          &&L_New,
        &&L_Neg,        &&L_Not,         &&L_Add,         &&L_Sub,         &&L_Mul,         &&L_Concat,
        &&L_Eq,         &&L_Ne,          &&L_Lt,          &&L_Gt,          &&L_Le,          &&L_Ge,
        &&L_Bin,        &&L_Jmp,         &&L_JFalse,      &&L_JTrue,       &&L_JCmp,        &&L_Loop,
        &&L_CaseJump,   &&L_CallName,    &&L_CallMember,  &&L_CallValue,   &&L_CallBuiltin, &&L_ArgRef,
        &&L_GetElem,    &&L_SetVar,      &&L_SetGlobal,   &&L_SetField,    &&L_SetName,     &&L_SetMember,
        &&L_SetIndex,   &&L_SetElem,     &&L_SetNested,   &&L_SetCall,     &&L_ArrayTest,   &&L_AppendTest,
        &&L_Append,     &&L_OnError,     &&L_WithBegin,   &&L_ClearSlot,   &&L_ForPrep,     &&L_ForStep,
        &&L_ForOnce,    &&L_ForEachPrep, &&L_ForEachNext, &&L_ForEachOnce, &&L_Dim,         &&L_DimDeclare,
        &&L_ReDimCheck, &&L_ReDim,       &&L_Erase,       &&L_NameStmt,    &&L_Raise,       &&L_Ret,
        &&L_RetVal,
    };
    static_assert(sizeof(labels) / sizeof(labels[0]) == size_t(Opc::RetVal) + 1, "one label per opcode");

// Handlers keep their Values in an inner block: an indirect goto leaves a scope without
// running destructors, so every Value must be gone before the next dispatch.
#define DISPATCH() goto* labels[size_t(ip->op)]
#define NEXT()                                                                                               \
    do {                                                                                                     \
        ++ip;                                                                                                \
        DISPATCH();                                                                                          \
    } while (0)
#define JUMP(t)                                                                                              \
    do {                                                                                                     \
        ip = base + (t);                                                                                     \
        DISPATCH();                                                                                          \
    } while (0)
#define BRANCH(taken)                                                                                        \
    do {                                                                                                     \
        if (taken) JUMP(ip->j);                                                                              \
        NEXT();                                                                                              \
    } while (0)
// The operators: numbers in place inline, anything else by the general rules.
#define ARITH(OPC, OP)                                                                                       \
    L_##OPC : {                                                                                              \
        {                                                                                                    \
            const Value* l = fast(ip->b);                                                                    \
            const Value* r = l ? fast(ip->c) : nullptr;                                                      \
            if (l && r) [[likely]] {                                                                         \
                Value v = fast::binary(OP, *l, *r);                                                          \
                if (!v.isEmpty()) [[likely]] {                                                               \
                    store(ip->a, std::move(v));                                                              \
                    goto done_##OPC;                                                                         \
                }                                                                                            \
            }                                                                                                \
        }                                                                                                    \
        binaryGeneral(*ip, f, OP);                                                                           \
        done_##OPC : NEXT();                                                                                 \
    }

    for (;;) {
        try {
            DISPATCH();

        L_Move:
            R[ip->a] = take(ip->b);
            NEXT();
        L_Scalar:
            R[ip->a] = scalarOf(take(ip->b));
            NEXT();
        L_GetField:
            R[ip->a] = f.me->fields()[ip->c];
            NEXT();
        L_GetName:
            R[ip->a] = evalName(auxAs<NameExpr>(X[ip->k]), f, false);
            NEXT();
        L_Me:
            R[ip->a] = Value::object(f.me);
            NEXT();
        L_New:
            R[ip->a] = evalNew(auxAs<NewExpr>(X[ip->k]), f);
            NEXT();
        L_Neg:
            R[ip->a] = negate(read(ip->b));
            NEXT();
        L_Not:
            R[ip->a] = opNot(scalarOf(read(ip->b)));
            NEXT();
            ARITH(Add, Op::Add)
            ARITH(Sub, Op::Sub)
            ARITH(Mul, Op::Mul)
            ARITH(Concat, Op::Concat)
            ARITH(Eq, Op::Eq)
            ARITH(Ne, Op::Ne)
            ARITH(Lt, Op::Lt)
            ARITH(Gt, Op::Gt)
            ARITH(Le, Op::Le)
            ARITH(Ge, Op::Ge)
        L_Bin : {
            {
                const Value* l = fast(ip->b);
                const Value* r = l ? fast(ip->c) : nullptr;
                if (l && r) [[likely]] {
                    Value v = fast::binary(Op(ip->j), *l, *r);
                    if (!v.isEmpty()) [[likely]] {
                        store(ip->a, std::move(v));
                        goto done_Bin;
                    }
                }
            }
            binaryGeneral(*ip, f, Op(ip->j));
        done_Bin:
            NEXT();
        }
        L_Jmp:
            JUMP(ip->j);
        L_JFalse:
            BRANCH(!condition(*this, read(ip->b)));
        L_JTrue:
            BRANCH(condition(*this, read(ip->b)));
        L_JCmp : {
            bool holds;
            {
                const Instr& in = *ip;
                const Value* l = fast(in.b);
                const Value* r = l ? fast(in.c) : nullptr;
                if (l && r && fast::isInt(l->type()) && fast::isInt(r->type()))
                    holds = fast::compare(Op(in.a), fast::intOf(*l), fast::intOf(*r));
                else if (l && r && fast::isNumber(l->type()) && fast::isNumber(r->type()))
                    holds = fast::compare(Op(in.a), fast::doubleOf(*l), fast::doubleOf(*r));
                else
                    holds = compareGeneral(in, f);
            }
            BRANCH(holds == ((ip->f & 4) != 0));
        }
        L_Loop:
            tick();
            JUMP(ip->j);
        L_CaseJump:
            BRANCH(compareValues(R[ip->b], scalarOf(take(ip->c)), false, ip->f & 1) == Cmp::Equal);
        L_CallName : {
            {
                const Instr& in = *ip;
                const CallSite& s = *auxAs<CallSite>(X[in.k]);
                // An element of an array variable: read in place.
                if (s.argc <= 2 && !s.wantRef && !s.statement)
                    if (const Value* el = element(varPtr(s.name), R + in.b, s.argc)) {
                        R[in.a] = *el;
                        NEXT();
                    }
            }
            {
                const Instr& in = *ip;
                const CallSite& s = *auxAs<CallSite>(X[in.k]);
                Value v = callName(s, R + in.b, f, s.wantRef ? &R[in.c] : nullptr);
                if (s.refMask && !f.locks.empty()) releaseLocks(f, R + in.b + s.argc, R + in.b + 2 * s.argc);
                drop(R + in.b, s.refMask ? 2 * s.argc : s.argc);
                if (!s.statement) R[in.a] = std::move(v);
            }
            NEXT();
        }
        L_CallMember : {
            {
                const Instr& in = *ip;
                const CallSite& s = *auxAs<CallSite>(X[in.k]);
                Value obj = in.c >= tempBase ? std::move(R[in.c]) : R[in.c].deref();
                ArgBlock a = ArgBlock::of(s, R + in.b);
                Value v = getMember(obj, s.member->name, s.cache, s.parens ? &a : nullptr, f, s.statement);
                if (s.refMask && !f.locks.empty()) releaseLocks(f, a.refs, a.refs + s.argc);
                drop(R + in.b, s.refMask ? 2 * s.argc : s.argc);
                if (!s.statement) R[in.a] = std::move(v);
            }
            NEXT();
        }
        L_CallValue : {
            {
                const Instr& in = *ip;
                const CallSite& s = *auxAs<CallSite>(X[in.k]);
                Value callee = std::move(R[in.c]);
                ArgBlock a = ArgBlock::of(s, R + in.b);
                Value v;
                if (callee.isObject()) {
                    v = callDefault(callee, &a, f);
                    if (s.refMask && !f.locks.empty()) releaseLocks(f, a.refs, a.refs + s.argc);
                } else {
                    if (s.refMask && !f.locks.empty()) releaseLocks(f, a.refs, a.refs + s.argc);
                    v = indexValue(callee, a.values());
                }
                drop(R + in.b, s.refMask ? 2 * s.argc : s.argc);
                if (!s.statement) R[in.a] = std::move(v);
            }
            NEXT();
        }
        L_CallBuiltin : {
            {
                const CallSite& s = *auxAs<CallSite>(X[ip->k]);
                Value v = callBuiltin(s, R + ip->b);
                drop(R + ip->b, s.argc);
                if (!s.statement) R[ip->a] = std::move(v);
            }
            NEXT();
        }
        L_ArgRef : {
            const auto* n = auxAs<NameExpr>(X[ip->k]);
            if (Value* p = n->ref.scope == Scope::Local ? &R[n->ref.slot].deref() : nameStorage(n, f)) {
                R[ip->a] = *p;
                R[ip->b] = Value::ref(p);
            } else {
                R[ip->b] = Value();
                R[ip->a] = evalName(n, f, false);
            }
            NEXT();
        }
        L_GetElem : {
            {
                const Instr& in = *ip;
                const CallSite& s = *auxAs<CallSite>(X[in.k]);
                const Value* ix = fast(in.b);
                if (const Value* el = ix ? element(varPtr(s.name), ix, 1) : nullptr) {
                    R[in.a] = *el;
                    NEXT();
                }
            }
            {
                // A function of one argument: called directly.
                const CallSite& s = *auxAs<CallSite>(X[ip->k]);
                const NameRef& r = s.name->ref;
                if (r.scope == Scope::Global && r.sym->proc && r.sym->proc->params.size() == 1) {
                    ProcDef* p = r.sym->proc;
                    Value* ref = nullptr;
                    if (s.refMask && !p->params[0].byVal)
                        ref = nameStorage(
                            static_cast<const NameExpr*>(static_cast<const CallExpr*>(s.node)->args[0].get()),
                            f);
                    Value v = callProc1(p, ref ? Value() : read(ip->b), ref);
                    R[ip->a] = std::move(v);
                    goto done_GetElem;
                }
            }
            R[ip->a] = getElemGeneral(*ip, f);
        done_GetElem:
            NEXT();
        }
        L_SetElem : {
            {
                // A number or text into an unshared array: stored in place, nothing copied twice.
                const Instr& in = *ip;
                const Value* vp = fast(in.b);
                const Value* ip0 = vp ? fast(in.a) : nullptr;
                if (ip0 && !vp->isObject() && !vp->isArray()) {
                    Value* var = varPtr(auxAs<CallSite>(X[in.k])->name);
                    if (Value* el = element(var, ip0, 1);
                        el && var->asArray()->refs - var->asArray()->locks == 1) {
                        if ((in.b & kKindMask) == kReg && in.b >= tempBase)
                            *el = std::move(R[in.b]);
                        else
                            *el = *vp;
                        NEXT();
                    }
                }
            }
            {
                const Instr& in = *ip;
                Value v = take(in.b);
                Value ix = read(in.a);
                Value* var = varPtr(auxAs<CallSite>(X[in.k])->name);
                Value* el = element(var, &ix, 1);
                if (el && !v.isObject() && !v.isArray()) {
                    var->mutableArray();
                    *element(var, &ix, 1) = std::move(v);
                } else {
                    setElemGeneral(in, std::move(v), std::move(ix), f);
                }
            }
            NEXT();
        }
        L_SetVar : {
            {
                const Instr& in = *ip;
                Value& dst = R[in.a].deref();
                Value v = take(in.b);
                if (in.f & 1) {
                    if (v.isObject())
                        dst = std::move(v);
                    else
                        assignName(auxAs<NameExpr>(X[in.k]), std::move(v), true, f);
                } else if (!v.isObject() && !v.isArray() && !dst.isArray()) {
                    dst = std::move(v);
                } else {
                    assignName(auxAs<NameExpr>(X[in.k]), std::move(v), false, f);
                }
            }
            NEXT();
        }
        L_SetGlobal:
            storeGlobal(auxAs<NameExpr>(X[ip->k]), take(ip->b), f);
            NEXT();
        L_SetField : {
            {
                const Instr& in = *ip;
                Value& dst = f.me->fields()[in.c];
                Value v = take(in.b);
                if (!v.isObject() && !v.isArray() && !dst.isArray())
                    dst = std::move(v);
                else
                    assignName(auxAs<NameExpr>(X[in.k]), std::move(v), false, f);
            }
            NEXT();
        }
        L_SetName:
            assignName(auxAs<NameExpr>(X[ip->k]), take(ip->b), ip->f & 1, f);
            NEXT();
        L_SetMember : {
            {
                const Instr& in = *ip;
                const CallSite& s = *auxAs<CallSite>(X[in.k]);
                Value v = take(in.b);
                Value obj = in.c >= tempBase ? std::move(R[in.c]) : R[in.c].deref();
                ArgBlock a = ArgBlock::of(s, R + in.a);
                putMember(obj, s.member->name, s.cache, s.parens ? &a : nullptr, std::move(v), s.isSet, f);
                drop(R + in.a, s.argc);
            }
            NEXT();
        }
        L_SetIndex : {
            bool done = false;
            {
                const Instr& in = *ip;
                const CallSite& s = *auxAs<CallSite>(X[in.k]);
                // A plain value into an element of an array variable: stored in place.
                if (s.argc <= 2 && !s.isSet) {
                    Value* var = varPtr(s.name);
                    if (element(var, R + in.a, s.argc)) {
                        Value v = take(in.b);
                        if (!v.isObject() && !v.isArray()) {
                            var->mutableArray();
                            *element(var, R + in.a, s.argc) = std::move(v);
                        } else {
                            setIndex(s, R + in.a, std::move(v), f);
                        }
                        done = true;
                    }
                }
            }
            if (!done) setIndex(*auxAs<CallSite>(X[ip->k]), R + ip->a, take(ip->b), f);
            NEXT();
        }
        L_SetNested:
            setNested(*auxAs<CallSite>(X[ip->k]), R + ip->a, take(ip->b), f);
            NEXT();
        L_SetCall : {
            {
                Value callee = std::move(R[ip->c]);
                setCall(*auxAs<CallSite>(X[ip->k]), R + ip->a, callee, take(ip->b), f);
            }
            NEXT();
        }
        L_ArrayTest:
            BRANCH(!arrayName(auxAs<CallSite>(X[ip->k])->name, f));
        L_AppendTest:
            BRANCH(!appendable(auxAs<NameExpr>(X[ip->k]), f));
        L_Append:
            append(auxAs<NameExpr>(X[ip->k]), take(ip->b), f);
            NEXT();
        L_OnError:
            f.resumeNext = ip->f & 1;
            m_err->clear();
            NEXT();
        L_WithBegin:
            R[ip->a] = withObject(take(ip->b));
            JUMP(ip->j);
        L_ClearSlot:
            for (int i = 0; i <= ip->c; ++i)
                R[ip->a + i] = Value();
            NEXT();
        L_ForPrep:
            BRANCH(!forPrep(R + ip->a, auxAs<NameExpr>(X[ip->k]), f));
        L_ForStep : {
            Value* st = R + ip->a;
            const auto* var = auxAs<NameExpr>(X[ip->k]);
            // The common loop: an Integer or Long counter in a local or a plain global.
            if (st[3].type() == VarType::Integer && st[3].asInteger() <= 2 && m_ticks > 1) {
                const NameRef& r = var->ref;
                Value* cur = nullptr;
                if (r.scope == Scope::Local)
                    cur = &R[r.slot].deref();
                else if (ip->b)
                    cur = globalRef(G[ip->b & kIndexMask]).write;
                if (cur && fast::isInt(cur->type())) {
                    const int64_t step = st[2].asLong(), lim = st[1].asLong();
                    const int64_t i = fast::intOf(*cur) + step;
                    if (i <= INT32_MAX && i >= INT32_MIN) {
                        --m_ticks;
                        if (i >= INT16_MIN && i <= INT16_MAX && st[3].asInteger() == 1)
                            *cur = Value::integer(int16_t(i));
                        else
                            *cur = Value::longv(int32_t(i));
                        BRANCH(step >= 0 ? i <= lim : i >= lim);
                    }
                }
            }
            BRANCH(forStep(st, var, f));
        }
        L_ForOnce:
            R[ip->a + 3] = Value::integer(kForOnceMode);
            JUMP(ip->j);
        L_ForEachPrep:
            BRANCH(!forEachPrep(R + ip->a, auxAs<NameExpr>(X[ip->k]), f));
        L_ForEachNext:
            tick();
            BRANCH(forEachNext(R + ip->a, auxAs<NameExpr>(X[ip->k]), f));
        L_ForEachOnce:
            R[ip->a + 1] = Value();
            JUMP(ip->j);
        L_Dim:
            dimItem(*auxAs<DimItem>(X[ip->k]), std::span<Value>(R + ip->b, ip->c), f);
            NEXT();
        L_DimDeclare : {
            // Code run by Execute in a procedure: its Dim declares one of the procedure's names.
            const Value& held = f.slots[f.proc->scopeSlot].deref();
            if (held.isObject()) static_cast<ExecuteScope*>(held.asObject())->declare(ip->c);
            NEXT();
        }
        L_ReDimCheck:
            reDimCheck(auxAs<NameExpr>(X[ip->k]), f);
            NEXT();
        L_ReDim:
            reDimItem(*auxAs<DimItem>(X[ip->k]), std::span<Value>(R + ip->b, ip->c), ip->f & 1, f);
            NEXT();
        L_Erase:
            erase(auxAs<NameExpr>(X[ip->k]), f);
            NEXT();
        L_NameStmt:
            nameStatement(auxAs<NameExpr>(X[ip->k]), f);
            NEXT();
        L_Raise:
            if (ip->k != kNoAux) throwError(Err(ip->j), *static_cast<const char16_t* const*>(X[ip->k]));
            throwError(Err(ip->j));
        L_Ret:
            return std::move(R[0]);
        L_RetVal:
            return take(ip->b);
        } catch (ScriptError& e) {
            const Site& s = code.sites[code.siteOf[size_t(ip - base)]];
            if (!f.resumeNext) {
                if (!e.line) {
                    e.line = s.line;
                    e.column = s.col;
                    e.unit = f.proc->unit;
                }
                throw;
            }
            recordError(e);
            releaseAll(f);
            ip = base + s.resume;
        } catch (std::bad_alloc&) {
            if (!f.resumeNext) throw;
            ScriptError e;
            e.number = int32_t(Err::OutOfMemory);
            e.description = std::u16string(errorText(e.number));
            recordError(e);
            releaseAll(f);
            ip = base + code.sites[code.siteOf[size_t(ip - base)]].resume;
        } catch (Abort& a) {
            if (!a.line) {
                const Site& s = code.sites[code.siteOf[size_t(ip - base)]];
                a.line = s.line;
                a.column = s.col;
            }
            throw;
        }
    }
#undef ARITH
#undef BRANCH
#undef JUMP
#undef NEXT
#undef DISPATCH
}

} // namespace vbs
