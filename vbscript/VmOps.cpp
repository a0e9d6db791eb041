// What the machine's instructions do beyond a few lines: names by their full
// rule, assignments, indexing, For and For Each loops, Dim / ReDim / Erase.
#include "Interp.h"
#include "objects/Classic.h"

#include "Convert.h"
#include "FastArith.h"
#include "Operators.h"
#include "builtins/Builtins.h"

#include <climits>
#include <iterator>

namespace vbs {

namespace {

Value cmpResult(Cmp c, Op op) {
    switch (op) {
    case Op::Eq:
        return Value::boolean(c == Cmp::Equal);
    case Op::Ne:
        return Value::boolean(c != Cmp::Equal);
    case Op::Lt:
        return Value::boolean(c == Cmp::Less);
    case Op::Gt:
        return Value::boolean(c == Cmp::Greater);
    case Op::Le:
        return Value::boolean(c != Cmp::Greater);
    case Op::Ge:
        return Value::boolean(c != Cmp::Less);
    default:
        return {};
    }
}

} // namespace

Value Interp::binarySlow(Op op, const Value& l0, const Value& r0, uint8_t literals) {
    if (op == Op::Is) {
        if (!l0.isObject() || !r0.isObject()) throwError(Err::ObjectRequired);
        return Value::boolean(l0.asObject() == r0.asObject());
    }
    Value l = l0.isObject() ? scalar(l0) : l0;
    Value r = r0.isObject() ? scalar(r0) : r0;
    switch (op) {
    case Op::Add:
        return opAdd(l, r);
    case Op::Sub:
        return opSub(l, r);
    case Op::Mul:
        return opMul(l, r);
    case Op::Div:
        return opDiv(l, r);
    case Op::IntDiv:
        return opIntDiv(l, r);
    case Op::Mod:
        return opMod(l, r);
    case Op::Pow:
        return opPow(l, r);
    case Op::Concat:
        if (l.isString() && r.isString())
            checkMemory((l.asString().size() + r.asString().size()) * sizeof(char16_t));
        return opConcat(l, r);
    case Op::And:
        return opAnd(l, r);
    case Op::Or:
        return opOr(l, r);
    case Op::Xor:
        return opXor(l, r);
    case Op::Eqv:
        return opEqv(l, r);
    case Op::Imp:
        return opImp(l, r);
    case Op::Eq:
    case Op::Ne:
    case Op::Lt:
    case Op::Gt:
    case Op::Le:
    case Op::Ge: {
        Cmp c = compareValues(l, r, (literals & kLitLeft) != 0, (literals & kLitRight) != 0);
        if (c == Cmp::Null) return Value::null();
        return cmpResult(c, op);
    }
    default:
        return {};
    }
}

Value Interp::evalName(const NameExpr* n, Frame& f, bool statement) {
    const NameRef& r = n->ref;
    switch (r.scope) {
    case Scope::Local:
        return f.slots[r.slot].deref();
    case Scope::Field:
        return f.me->fields()[size_t(r.slot)];
    case Scope::ImplicitLocal:
        if (Value* p = implicitLocal(n, f)) return *p;
        [[fallthrough]];
    case Scope::Global: {
        GlobalSymbol& g = *r.sym;
        if (g.proc) return callProc(g.proc, nullptr, nullptr, f);
        if (g.hostMember()) return hostMemberCall(g, nullptr, f, statement);
        if (g.cls) throwError(Err::VariableUndefined, n->name);
        if (r.checkDeclared && !g.declared) throwError(Err::VariableUndefined, n->name);
        return g.value;
    }
    case Scope::MeMember:
        return instanceGet(f.me, r.slot, nullptr, f, statement);
    case Scope::Builtin: {
        if (r.builtin->minArgs > 0) throwError(Err::WrongArgCount, r.builtin->name);
        return r.builtin->fn(*this, {});
    }
    case Scope::Constant:
        return *r.constant;
    case Scope::Unresolved:
        break;
    }
    throwError(Err::VariableUndefined, n->name);
}

// A name alone as a statement calls it: a variable holding an object calls its default member,
// any other variable cannot be called.
void Interp::nameStatement(const NameExpr* n, Frame& f) {
    const NameRef& r = n->ref;
    bool variable = r.scope == Scope::Field || r.scope == Scope::Constant ||
                    (r.scope == Scope::Local &&
                     (r.slot != 0 || f.proc->kind == ProcKind::Global || f.proc->kind == ProcKind::Sub));
    if (r.scope == Scope::Global || r.scope == Scope::ImplicitLocal) {
        GlobalSymbol& g = *r.sym;
        variable = !g.proc && !g.cls && !g.hostMember();
    }
    Value v = evalName(n, f, true);
    if (!variable) return;
    if (!v.isObject()) throwError(Err::TypeMismatch, n->name);
    getMember(v, std::u16string(), nullptr, nullptr, f, true);
}

Value* Interp::nameStorage(const NameExpr* n, Frame& f) {
    const NameRef& r = n->ref;
    switch (r.scope) {
    case Scope::Local:
        return &f.slots[r.slot].deref();
    case Scope::Field:
        return &f.me->fields()[size_t(r.slot)];
    case Scope::ImplicitLocal:
        return implicitStorage(n, f);
    case Scope::Global:
        return globalStorage(n, f);
    default:
        return nullptr;
    }
}

Value* Interp::globalStorage(const NameExpr* n, Frame& f) {
    const NameRef& r = n->ref;
    GlobalSymbol& g = *r.sym;
    if (g.proc || g.cls || g.isConst || g.hostMember()) return nullptr;
    if (!g.declared) {
        if (r.checkDeclared) throwError(Err::VariableUndefined, n->name);
        // Script-level code that assigns an undeclared name makes it a global variable, which
        // procedures then see instead of making a local of their own.
        if (!f.proc || f.proc->kind == ProcKind::Global) g.declared = true;
    }
    return &g.value;
}

Value* Interp::implicitStorage(const NameExpr* n, Frame& f) {
    if (Value* p = implicitLocal(n, f)) return p;
    return globalStorage(n, f);
}

Value* Interp::implicitLocal(const NameExpr* n, Frame& f) {
    const NameRef& r = n->ref;
    if (!r.sym->live()) {
        if (r.checkDeclared && !declaredByExecute(f, r.slot)) throwError(Err::VariableUndefined, n->name);
        return &f.slots[r.slot].deref();
    }
    // A Dim run by Execute made the name the call's own, whatever global appeared since.
    return declaredByExecute(f, r.slot) ? &f.slots[r.slot].deref() : nullptr;
}

Value Interp::evalNew(const NewExpr* e, Frame& f) {
    // RegExp is the one class the language itself defines; a script class of that name cannot
    // replace it.
    if (equalsNoCase(e->className, u"RegExp"))
        if (Object* re = newRegExp(*this)) return Value::object(re);
    GlobalSymbol& g = m_globals[size_t(e->global)]; // NewExpr keeps the index only
    if (!g.cls) {
        if (f.proc && f.proc->unit && f.proc->unit->optionExplicit)
            throwError(Err::VariableUndefined, e->className);
        throwError(Err::ClassNotDefined, e->className);
    }
    return newInstance(g.cls);
}

int32_t Interp::indexOf(const Value& v0) {
    const Value& v = v0.deref();
    if (v.type() == VarType::Integer) return v.asInteger();
    if (v.type() == VarType::Long) return v.asLong();
    return toLong(scalar(v));
}

Value* Interp::elementRef1(Array* a, int32_t i) {
    if (a->rank() != 1) throwError(Err::SubscriptOutOfRange);
    int64_t k = int64_t(i) - a->dims[0].lbound;
    if (k < 0 || k >= a->dims[0].count) throwError(Err::SubscriptOutOfRange);
    return &a->data[size_t(k)];
}

Value* Interp::elementRef(Array* a, std::span<Value> idx) {
    if (int(idx.size()) != a->rank()) throwError(Err::SubscriptOutOfRange);
    size_t flat = 0;
    for (size_t i = 0; i < idx.size(); ++i) {
        const ArrayDim& d = a->dims[i];
        int64_t k = int64_t(indexOf(idx[i])) - d.lbound;
        if (k < 0 || k >= d.count) throwError(Err::SubscriptOutOfRange);
        flat = flat * size_t(d.count) + size_t(k);
    }
    return &a->data[flat];
}

Value Interp::indexValue(const Value& base, std::span<Value> idx) {
    const Value& b = base.deref();
    if (b.isArray()) return *elementRef(b.asArray(), idx);
    if (b.isObject()) {
        if (!b.asObject()) throwError(Err::ObjectNotSet);
        return callValue(b, idx);
    }
    if (idx.empty()) return b;
    throwError(Err::TypeMismatch);
}

void Interp::releaseLocks(Frame& f, const Value* from, const Value* to) {
    auto& locks = f.locks;
    for (size_t i = locks.size(); i-- > 0;) {
        if (locks[i].second < from || locks[i].second >= to) continue;
        Array* a = locks[i].first;
        locks.erase(locks.begin() + std::ptrdiff_t(i));
        --a->locks;
        if (--a->refs == 0) delete a;
    }
}

Value Interp::callName(const CallSite& s, Value* regs, Frame& f, Value* refOut) {
    const NameExpr* n = s.name;
    const NameRef& r = n->ref;
    ArgBlock a = ArgBlock::of(s, regs);
    if (refOut) *refOut = Value();
    switch (r.scope) {
    case Scope::Global:
    case Scope::ImplicitLocal: {
        GlobalSymbol& g = *r.sym;
        if (g.proc) return callProc(g.proc, nullptr, &a, f);
        if (g.hostMember()) return hostMemberCall(g, &a, f, s.statement);
        break;
    }
    case Scope::MeMember:
        return instanceGet(f.me, r.slot, &a, f, s.statement);
    default:
        break;
    }
    Value* p = nameStorage(n, f);
    if (!p) {
        // A host's named object is held like a constant: called with arguments, it means
        // its default member (Area(3) is Area.Item(3)).
        const bool constant =
            r.scope == Scope::Constant ||
            ((r.scope == Scope::Global || r.scope == Scope::ImplicitLocal) && r.sym->isConst);
        if (constant) {
            Value obj = evalName(n, f, false);
            if (obj.isObject()) return callDefault(obj, &a, f);
        }
        throwError(Err::TypeMismatch, n->name);
    }
    if (p->isArray()) {
        for (size_t i = 0; i < a.n; ++i)
            if (a.isOmitted(i)) throwError(Err::SubscriptOutOfRange);
        int32_t one = a.n == 1 ? indexOf(regs[0]) : 0;
        Value* cur = nameStorage(n, f); // the index may have changed the variable
        if (!cur || !cur->isArray()) throwError(Err::TypeMismatch, n->name);
        if (!refOut)
            return a.n == 1 ? *elementRef1(cur->asArray(), one) : *elementRef(cur->asArray(), a.values());
        // An argument: the element itself, kept in place until the call returns.
        Array* arr = cur->mutableArray();
        Value* el = a.n == 1 ? elementRef1(arr, one) : elementRef(arr, a.values());
        ++arr->locks;
        ++arr->refs;
        f.locks.emplace_back(arr, refOut);
        *refOut = Value::ref(el);
        return *el;
    }
    if (p->isObject()) {
        Value obj = *p;
        return callDefault(obj, &a, f);
    }
    throwError(Err::TypeMismatch, n->name);
}

Value Interp::callBuiltin(const CallSite& s, Value* args) {
    Value v = s.builtin->fn(*this, std::span<Value>(args, s.argc));
    if (s.statement) [[unlikely]] {
        // Call CInt(x) and the like: the conversions whose result a statement cannot take.
        static const BuiltinInfo* const typed[] = {
            findBuiltin(u"cbyte"), findBuiltin(u"ccur"), findBuiltin(u"cdate"), findBuiltin(u"cdbl"),
            findBuiltin(u"cint"),  findBuiltin(u"clng"), findBuiltin(u"csng"),  findBuiltin(u"sgn")};
        for (const BuiltinInfo* t : typed)
            if (t == s.builtin) throwError(Err::UnsupportedType);
    }
    return v;
}

void Interp::storeVar(Value& dst, Value v, bool isSet, const std::u16string& name) {
    if (isSet) {
        if (!v.isObject()) throwError(Err::ObjectRequired, name);
    } else {
        if (v.isObject()) v = scalar(v);
        if (dst.isArray() && dst.asArray()->fixed) throwError(Err::ArrayLocked, name);
        if (v.isArray() && v.asArray()->fixed) {
            // Copying a fixed array makes an ordinary (resizable) one.
            Value copy = v;
            copy.mutableArray();
            if (copy.asArray() == v.asArray()) {
                auto* a = new Array;
                a->dims = v.asArray()->dims;
                a->data = v.asArray()->data;
                copy = Value::array(a);
            }
            copy.asArray()->fixed = false;
            v = std::move(copy);
        }
    }
    Value old = std::move(dst);
    dst = std::move(v);
    // old is released here, after the store, so a Class_Terminate it triggers sees the new value.
}

void Interp::assignName(const NameExpr* n, Value v, bool isSet, Frame& f) {
    const NameRef& r = n->ref;
    // Reduce an object to its default value before any storage address is taken: the default
    // property is script code that may resize arrays. A Property Let receives the object.
    if (!isSet && v.isObject() && r.scope != Scope::MeMember) v = scalar(v);
    if ((r.scope == Scope::Global || r.scope == Scope::ImplicitLocal) && r.sym->namedItem) {
        // A named object cannot be replaced, but a plain assignment goes
        // into its default property: `score = score + 1` on a host variable.
        const Value& item = r.sym->value;
        if (isSet || !item.isObject() || !item.asObject() || item.asObject()->isScriptInstance())
            throwError(Err::IllegalAssignment, n->name);
        Value keep = item;
        hostInvoke(keep.asObject(), kDispValue, InvokeKind::PropertyPut, std::span<Value>(&v, 1));
        return;
    }
    if (r.readOnly) throwError(Err::IllegalAssignment, n->name);
    if (r.scope == Scope::MeMember) {
        instancePut(f.me, r.slot, nullptr, std::move(v), isSet, f);
        return;
    }
    if ((r.scope == Scope::Global || r.scope == Scope::ImplicitLocal) && r.sym->hostMember()) {
        GlobalSymbol& g = *r.sym;
        if (isSet && !v.isObject()) throwError(Err::ObjectRequired, n->name);
        Value keep = Value::object(g.owner());
        hostInvoke(g.owner(), g.memberId, isSet ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut,
                   std::span<Value>(&v, 1));
        return;
    }
    Value* p = nameStorage(n, f);
    if (!p) throwError(Err::IllegalAssignment, n->name);
    storeVar(*p, std::move(v), isSet, n->name);
}

void Interp::storeGlobal(const NameExpr* n, Value v, Frame& f) {
    const NameRef& r = n->ref;
    GlobalSymbol& g = *r.sym;
    if (g.plainVar() && !g.isConst && !r.checkDeclared && !r.readOnly) {
        // Assigned, an undeclared global is a variable procedures see (not a local of theirs).
        g.declared = true;
        if (!v.isObject() && !v.isArray() && !g.value.isArray()) {
            g.value = std::move(v);
            return;
        }
    }
    assignName(n, std::move(v), false, f);
}

void Interp::setIndex(const CallSite& s, Value* regs, Value v, Frame& f) {
    const NameExpr* n = s.name;
    ArgBlock a = ArgBlock::of(s, regs);
    if (n->ref.scope == Scope::MeMember) {
        instancePut(f.me, n->ref.slot, &a, std::move(v), s.isSet, f);
        return;
    }
    if (!s.isSet && v.isObject()) v = scalar(v);
    Value* p = nameStorage(n, f);
    if (!p) throwError(Err::IllegalAssignment, n->name);
    if (p->isArray() && a.n == 1 && !a.isOmitted(0)) {
        int32_t i = indexOf(regs[0]);
        p = nameStorage(n, f);
        if (!p || !p->isArray()) throwError(Err::TypeMismatch, n->name);
        Value* el = elementRef1(p->mutableArray(), i);
        if (!s.isSet && !v.isObject() && !v.isArray())
            *el = std::move(v);
        else
            storeVar(*el, std::move(v), s.isSet, n->name);
        return;
    }
    if (p->isArray()) {
        Value* el = elementRef(p->mutableArray(), a.values());
        storeVar(*el, std::move(v), s.isSet, n->name);
        return;
    }
    if (p->isObject()) {
        Value obj = *p;
        putMember(obj, std::u16string(), nullptr, &a, std::move(v), s.isSet, f);
        return;
    }
    throwError(Err::TypeMismatch, n->name);
}

bool Interp::arrayName(const NameExpr* n, Frame& f) {
    const Value* root = nameStorage(n, f);
    return root && root->isArray();
}

void Interp::setNested(const CallSite& s, Value* regs, Value v, Frame& f) {
    const NameExpr* n = s.name;
    if (!s.isSet && v.isObject()) v = scalar(v);
    Value* p = nameStorage(n, f);
    if (!p || !p->isArray()) throwError(Err::TypeMismatch, n->name);
    Value held; // an object's default value on the way down
    size_t at = 0;
    for (size_t i = 0; i + 1 < s.levels.size(); ++i) {
        std::span<Value> idx(regs + at, s.levels[i]);
        at += s.levels[i];
        if (p->isArray()) {
            p = elementRef(p->mutableArray(), idx);
        } else if (p->isObject()) {
            held = callValue(*p, idx);
            p = &held;
        } else {
            throwError(Err::TypeMismatch, n->name);
        }
    }
    std::span<Value> last(regs + at, s.levels.back());
    if (p->isArray()) {
        storeVar(*elementRef(p->mutableArray(), last), std::move(v), s.isSet, n->name);
    } else if (p->isObject()) {
        Value obj = *p;
        std::vector<Value> args(last.begin(), last.end());
        putDefault(obj, args, std::move(v), s.isSet);
    } else {
        throwError(Err::TypeMismatch, n->name);
    }
}

void Interp::setCall(const CallSite& s, Value* regs, const Value& callee, Value v, Frame& f) {
    if (!s.isSet && v.isObject()) v = scalar(v);
    if (!callee.isObject()) throwError(Err::IllegalAssignment);
    ArgBlock a = ArgBlock::of(s, regs);
    Value obj = callee;
    putMember(obj, std::u16string(), nullptr, &a, std::move(v), s.isSet, f);
}

void Interp::putDefault(const Value& obj, std::vector<Value>& args, Value v, bool isSet) {
    Object* o = obj.asObject();
    if (!o) throwError(Err::ObjectNotSet);
    if (ClassInstance* inst = ownInstance(o)) {
        if (inst->cls().defaultMember < 0) throwError(Err::NoSuchMember);
        Frame outside;
        ArgBlock a;
        a.vals = args.data();
        a.n = uint32_t(args.size());
        a.parens = !args.empty();
        instancePut(inst, inst->cls().defaultMember, &a, std::move(v), isSet, outside);
        return;
    }
    if (!isSet && v.isObject()) v = scalar(v);
    args.push_back(std::move(v));
    hostInvoke(o, kDispValue, isSet ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut, args);
}

Value Interp::hostMemberCall(GlobalSymbol& g, ArgBlock* args, Frame& f, bool statement) {
    (void)f;
    Value keep = Value::object(g.owner());
    std::span<Value> vals = args ? args->values() : std::span<Value>();
    return hostInvoke(g.owner(), g.memberId,
                      (args || statement) ? InvokeKind::Method : InvokeKind::PropertyGet, vals);
}

Value Interp::scalar(const Value& v) {
    const Value& d = v.deref();
    if (!d.isObject()) return d;
    if (!d.asObject()) throwError(Err::ObjectNotSet);
    return defaultValue(d.asObject());
}

bool Interp::appendable(const NameExpr* n, Frame& f) {
    Value* dst = nameStorage(n, f);
    return dst && dst->isString() && !n->ref.readOnly;
}

void Interp::append(const NameExpr* n, const Value& r0, Frame& f) {
    Value r = r0.isObject() ? scalar(r0) : r0;
    Value* d = nameStorage(n, f); // the operand may have reassigned the variable
    if (!d) throwError(Err::IllegalAssignment, n->name);
    if (d->isString() && !r.isNull()) {
        size_t add = r.isString() ? r.asString().size() : 32;
        checkMemory((d->asString().size() + add) * sizeof(char16_t));
        if (r.isString())
            d->appendString(r.asString());
        else
            d->appendString(toString(r));
    } else {
        *d = opConcat(*d, r);
    }
}

// ---- For loops. The state: R[0] from, R[1] limit, R[2] step, R[3] the mode ----

namespace {

enum ForMode : int16_t { kForInt = 1, kForIntWide = 2, kForDouble = 3, kForOnce = kForOnceMode };

bool intType(const Value& v) {
    return v.type() == VarType::Integer || v.type() == VarType::Long || v.type() == VarType::Byte;
}

} // namespace

bool Interp::forPrep(Value* st, const NameExpr* var, Frame& f) {
    Value from = scalar(st[0]), to = scalar(st[1]), step = scalar(st[2]);
    for (Value* v : {&from, &to, &step})
        if (!v->isNumeric()) *v = toArithmetic(*v);
    if (from.isNull() || to.isNull() || step.isNull()) throwError(Err::InvalidNull);
    if (var->ref.readOnly) throwError(Err::IllegalAssignment, var->name);
    if (intType(from) && intType(to) && intType(step)) {
        int64_t i = toLong(from), lim = toLong(to), s = toLong(step);
        // The counter is an Integer unless From or Step is a Long, and widens when it overflows.
        bool wide = from.type() == VarType::Long || step.type() == VarType::Long;
        Value* p = nameStorage(var, f);
        if (!p) throwError(Err::IllegalAssignment, var->name);
        *p = fast::fitInt(i, !wide);
        st[1] = Value::longv(int32_t(lim));
        st[2] = Value::longv(int32_t(s));
        st[3] = Value::integer(wide ? kForIntWide : kForInt);
        return s >= 0 ? i <= lim : i >= lim;
    }
    st[1] = Value::dbl(toDouble(to));
    st[2] = step;
    st[3] = Value::integer(kForDouble);
    assignName(var, from, false, f);
    Value* p = nameStorage(var, f);
    if (!p) throwError(Err::IllegalAssignment, var->name);
    double cur = toDouble(scalar(*p)), lim = st[1].asDouble(), s = toDouble(step);
    return s >= 0 ? cur <= lim : cur >= lim;
}

bool Interp::forStep(Value* st, const NameExpr* var, Frame& f) {
    const int16_t mode = st[3].asInteger();
    if (mode == kForOnce) throwError(Err::ForNotInitialized);
    tick();
    if (mode == kForDouble) {
        Value* p = nameStorage(var, f);
        if (!p) throwError(Err::IllegalAssignment, var->name);
        *p = opAdd(scalar(*p), st[2]);
        p = nameStorage(var, f);
        if (!p) throwError(Err::IllegalAssignment, var->name);
        double cur = toDouble(scalar(*p)), lim = st[1].asDouble(), s = toDouble(st[2]);
        return s >= 0 ? cur <= lim : cur >= lim;
    }
    const int64_t lim = st[1].asLong(), s = st[2].asLong();
    Value* p = nameStorage(var, f);
    if (!p) throwError(Err::IllegalAssignment, var->name);
    const Value& cur = *p;
    int64_t i;
    if (cur.type() == VarType::Integer)
        i = int64_t(cur.asInteger()) + s;
    else if (cur.type() == VarType::Long)
        i = int64_t(cur.asLong()) + s;
    else {
        // The body stored a non-integer in the counter: continue in Doubles.
        double d = toDouble(scalar(cur)) + double(s);
        if (d > double(INT64_MAX / 2) || d < double(INT64_MIN / 2)) return false;
        i = int64_t(d);
    }
    if (i > INT32_MAX || i < INT32_MIN) {
        *p = Value::dbl(double(i));
        if (s >= 0 ? i <= lim : i >= lim) throwError(Err::Overflow);
        return false;
    }
    *p = fast::fitInt(i, mode == kForInt);
    return s >= 0 ? i <= lim : i >= lim;
}

// ---- For Each loops. The state: R[0] the collection, R[1] where the loop is ----

namespace {

// What a For Each goes through: a copy of the array and the next element's index, in the
// classic engine's order (the first index varies fastest; ours stores the last fastest), or
// an object's enumerator.
class EachState final : public Object {
  public:
    std::u16string typeName() const override { return u"Enumerator"; }
    DispId memberId(std::u16string_view) override { return kDispUnknown; }
    bool invoke(DispId, InvokeKind, std::span<Value>, Value&, HostError& err) override {
        err.number = int32_t(Err::NoSuchMember);
        return false;
    }
    Value array;
    std::vector<int32_t> at;
    size_t done = 0;
    std::unique_ptr<Enumerator> en;
    bool once = false;

    bool next(Value& out) {
        if (en) return en->next(out);
        Array* a = array.asArray();
        if (done >= a->data.size()) return false;
        size_t i = 0;
        for (size_t d = 0; d < at.size(); ++d)
            i = i * size_t(a->dims[d].count) + size_t(at[d]);
        for (size_t d = 0; d < at.size() && ++at[d] == a->dims[d].count; ++d)
            at[d] = 0;
        ++done;
        out = a->data[i];
        return true;
    }
};

} // namespace

bool Interp::forEachPrep(Value* st, const NameExpr* var, Frame& f) {
    const Value& coll = st[0];
    auto* state = new EachState;
    st[1] = Value::object(state);
    if (coll.isArray()) {
        state->array = coll; // iterate a stable copy
        state->at.assign(coll.asArray()->dims.size(), 0);
    } else {
        if (coll.isObject() && coll.asObject()) state->en = coll.asObject()->enumerate();
        if (!state->en) {
            if (!f.resumeNext) throwError(Err::NotCollection);
            // Resumed: the body runs once, then Next has nothing to go through.
            state->once = true;
            return true;
        }
    }
    return forEachNext(st, var, f);
}

bool Interp::forEachNext(Value* st, const NameExpr* var, Frame& f) {
    if (!st[1].isObject()) throwError(Err::NotCollection); // the loop's header failed
    auto* state = static_cast<EachState*>(st[1].asObject());
    if (state->once) throwError(Err::NotCollection);
    Value item;
    if (!state->next(item)) return false;
    Value* p = nameStorage(var, f);
    if (!p) throwError(Err::IllegalAssignment, var->name);
    *p = std::move(item);
    return true;
}

// ---- declarations ----

void Interp::checkMemory(size_t bytes) {
    if (bytes > m_config.memoryLimit) throwError(Err::OutOfMemory);
}

namespace {

std::vector<int32_t> upperBounds(Interp& rt, std::span<Value> bounds) {
    std::vector<int32_t> ub;
    for (const Value& b : bounds)
        ub.push_back(toLong(rt.scalar(b)));
    return ub;
}

Array* newArray(Interp& rt, const std::vector<int32_t>& ub) {
    size_t total = 1;
    for (int32_t u : ub) {
        if (u < -1) throwError(Err::SubscriptOutOfRange);
        size_t c = size_t(int64_t(u) + 1);
        if (c && total > (SIZE_MAX / 64) / c) throwError(Err::OutOfMemory);
        total *= c;
    }
    rt.checkMemory(total * sizeof(Value));
    auto* a = new Array;
    for (int32_t u : ub)
        a->dims.push_back({0, u + 1});
    try {
        a->data.resize(total);
    } catch (...) {
        delete a;
        throw;
    }
    return a;
}

} // namespace

void Interp::dimItem(const DimItem& it, std::span<Value> bounds, Frame& f) {
    const NameRef& r = it.var->ref;
    Value* p = nameStorage(it.var.get(), f);
    if (!p) throwError(Err::NameRedefined, it.var->name);
    // A second script-level Dim a() or Dim a(n) finds the array the first one made.
    if (p->isArray() && r.scope == Scope::Global) throwError(Err::TypeMismatch, it.var->name);
    if (bounds.empty()) {
        if (!p->isArray()) *p = Value::array(new Array);
        return;
    }
    Array* a = newArray(*this, upperBounds(*this, bounds));
    a->fixed = true;
    p = nameStorage(it.var.get(), f);
    *p = Value::array(a);
}

void Interp::reDimCheck(const NameExpr* n, Frame& f) {
    if (const Value* cur = nameStorage(n, f); cur && cur->isArray() && cur->asArray()->fixed)
        throwError(Err::ArrayLocked, n->name);
}

void Interp::reDimItem(const DimItem& it, std::span<Value> bounds, bool preserve, Frame& f) {
    std::vector<int32_t> ub = upperBounds(*this, bounds);
    Value* p = nameStorage(it.var.get(), f);
    if (!p) throwError(Err::IllegalAssignment, it.var->name);
    if (p->isArray()) {
        Array* old = p->asArray();
        if (old->fixed || old->locks) throwError(Err::ArrayLocked, it.var->name);
    }
    // A one-dimensional array that nothing else shares grows or shrinks in place: scripts
    // grow arrays an element at a time, and a new array every time made that quadratic.
    if (preserve && ub.size() == 1 && p->isArray() && p->asArray()->refs == 1 && p->asArray()->rank() == 1) {
        if (ub[0] < -1) throwError(Err::SubscriptOutOfRange);
        const size_t n = size_t(int64_t(ub[0]) + 1);
        checkMemory(n * sizeof(Value));
        Array* a = p->asArray();
        std::vector<Value> dropped;
        if (n < a->data.size()) {
            // Released once the array is whole again: a Class_Terminate may look at it.
            dropped.assign(std::make_move_iterator(a->data.begin() + std::ptrdiff_t(n)),
                           std::make_move_iterator(a->data.end()));
        }
        a->data.resize(n);
        a->dims[0] = {0, int32_t(n)};
        return;
    }
    Array* a = newArray(*this, ub);
    Value nv = Value::array(a);
    if (preserve && p->isArray() && !p->asArray()->dims.empty()) {
        Array* old = p->asArray();
        if (old->rank() != a->rank()) throwError(Err::SubscriptOutOfRange);
        for (int d = 0; d + 1 < a->rank(); ++d)
            if (old->dims[size_t(d)].count != a->dims[size_t(d)].count) throwError(Err::SubscriptOutOfRange);
        size_t oldLast = size_t(old->dims.back().count), newLast = size_t(a->dims.back().count);
        size_t keep = std::min(oldLast, newLast);
        size_t rows = oldLast ? old->data.size() / oldLast : 0;
        for (size_t r = 0; r < rows; ++r)
            for (size_t k = 0; k < keep; ++k)
                a->data[r * newLast + k] = old->data[r * oldLast + k];
    }
    *p = std::move(nv);
}

void Interp::erase(const NameExpr* n, Frame& f) {
    Value* p = nameStorage(n, f);
    if (!p || !p->isArray()) throwError(Err::TypeMismatch, n->name);
    Array* a = p->mutableArray();
    if (a->locks) throwError(Err::ArrayLocked, n->name);
    if (a->fixed) {
        for (auto& v : a->data)
            v = Value();
    } else {
        *p = Value::array(new Array);
    }
}

} // namespace vbs
