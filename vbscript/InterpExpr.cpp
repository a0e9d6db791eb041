// Expression evaluation, variable storage and assignment.
#include "Interp.h"
#include "objects/Classic.h"

#include "Convert.h"
#include "FastArith.h"
#include "Operators.h"
#include "builtins/Builtins.h"

namespace vbs {

namespace {

// A literal in the source (not -5: a negation is an expression).
bool isLiteral(const Expr* e) {
    if (e->kind == ExprKind::Literal) return true;
    return e->kind == ExprKind::Name && static_cast<const NameExpr*>(e)->ref.scope == Scope::Constant;
}

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

const Value& Interp::operand(const Expr* e, Frame& f, Value& tmp) {
    if (e->kind == ExprKind::Literal) return static_cast<const LiteralExpr*>(e)->value;
    if (e->kind == ExprKind::Name) {
        const NameRef& r = static_cast<const NameExpr*>(e)->ref;
        if (r.scope == Scope::Local) return f.slots[r.slot].deref();
        if (r.scope == Scope::Global && r.sym->plainVar() && !r.checkDeclared) return r.sym->value;
        if (r.scope == Scope::Constant) return *r.constant;
    }
    tmp = eval(e, f);
    return tmp;
}

Value Interp::eval(const Expr* e, Frame& f) {
    switch (e->kind) {
    case ExprKind::Literal:
        return static_cast<const LiteralExpr*>(e)->value;
    case ExprKind::Name: {
        auto* n = static_cast<const NameExpr*>(e);
        if (n->ref.scope == Scope::Local) return f.slots[n->ref.slot].deref();
        if (n->ref.scope == Scope::Global && n->ref.sym->plainVar() && !n->ref.checkDeclared)
            return n->ref.sym->value;
        return evalName(n, f, false);
    }
    case ExprKind::Call:
        return evalCall(static_cast<const CallExpr*>(e), f, false);
    case ExprKind::Member:
        return evalMember(static_cast<const MemberExpr*>(e), f, nullptr, false);
    case ExprKind::Unary: {
        auto* u = static_cast<const UnaryExpr*>(e);
        if (u->op == Op::Plus) return eval(u->operand.get(), f); // +x is x itself, even an object
        Value tmp;
        const Value& o = operand(u->operand.get(), f, tmp);
        if (u->op == Op::Neg && o.type() == VarType::Double) return Value::dbl(-o.asDouble());
        Value v = scalar(o);
        if (u->op == Op::Neg) return opNeg(v);
        return opNot(v);
    }
    case ExprKind::Binary:
        return evalBinary(static_cast<const BinaryExpr*>(e), f);
    case ExprKind::Paren:
        return eval(static_cast<const ParenExpr*>(e)->inner.get(), f);
    case ExprKind::New:
        return evalNew(static_cast<const NewExpr*>(e), f);
    case ExprKind::Me:
        return Value::object(f.me);
    }
    return {};
}

Value Interp::evalBinary(const BinaryExpr* b, Frame& f) {
    const Value* lp = plainOperand(b->left.get(), f);
    const Value* rp = plainOperand(b->right.get(), f);
    if (lp && rp) return binaryValues(b, *lp, *rp);
    Value lt, rt;
    if (!lp) {
        lt = eval(b->left.get(), f);
        lp = &lt;
    }
    if (!rp) {
        if (lp != &lt) {
            // The call on the right may reassign the variable on the left.
            lt = *lp;
            lp = &lt;
        }
        rt = eval(b->right.get(), f);
        rp = &rt;
    }
    return binaryValues(b, lp->deref(), rp->deref());
}

Value Interp::binaryValues(const BinaryExpr* b, const Value& l, const Value& r) {
    Value v = fast::binary(b->op, l, r);
    if (v.isEmpty()) v = evalBinarySlow(b, l, r);
    return v;
}

Value Interp::evalBinarySlow(const BinaryExpr* b, const Value& l0, const Value& r0) {
    if (b->op == Op::Is) {
        if (!l0.isObject() || !r0.isObject()) throwError(Err::ObjectRequired);
        return Value::boolean(l0.asObject() == r0.asObject());
    }
    Value l = l0.isObject() ? scalar(l0) : l0;
    Value r = r0.isObject() ? scalar(r0) : r0;
    switch (b->op) {
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
        Cmp c = compareValues(l, r, isLiteral(b->left.get()), isLiteral(b->right.get()));
        if (c == Cmp::Null) return Value::null();
        return cmpResult(c, b->op);
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
        return instanceGet(f.me, r.slot, nullptr, f, statement, {}, false);
    case Scope::Builtin:
        return callBuiltin(r.builtin, nullptr, f);
    case Scope::Constant:
        return *r.constant;
    case Scope::Unresolved:
        break;
    }
    throwError(Err::VariableUndefined, n->name);
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

Value Interp::withObject(const MemberExpr* e, Frame& f) {
    if (e->withSlot < 0) throwError(Err::InvalidReference); // ".x" outside any With
    return f.slots[e->withSlot];
}

Value Interp::evalMember(const MemberExpr* m, Frame& f, const std::vector<ExprPtr>* args, bool statement) {
    Value obj = m->object ? eval(m->object.get(), f) : withObject(m, f);
    return getMember(obj, m->name, const_cast<MemberCache*>(&m->cache), args, f, statement);
}

void Interp::evalArgs(const std::vector<ExprPtr>& exprs, Frame& f, std::vector<Value>& out) {
    out.reserve(exprs.size());
    for (const auto& a : exprs) {
        if (!a)
            out.push_back(Value::error(int32_t(0x80020004))); // omitted argument
        else
            out.push_back(eval(a.get(), f));
    }
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

Value Interp::evalCall(const CallExpr* c, Frame& f, bool statement) {
    const Expr* t = c->target.get();
    if (t->kind == ExprKind::Name) {
        auto* n = static_cast<const NameExpr*>(t);
        const NameRef& r = n->ref;
        switch (r.scope) {
        case Scope::Global:
        case Scope::ImplicitLocal: {
            GlobalSymbol& g = *r.sym;
            if (g.proc) return callProc(g.proc, nullptr, &c->args, f);
            if (g.hostMember()) return hostMemberCall(g, &c->args, f, statement);
            break;
        }
        case Scope::MeMember:
            return instanceGet(f.me, r.slot, &c->args, f, statement, {}, false);
        case Scope::Builtin:
            if (statement) [[unlikely]]
                return builtinStatement(r.builtin, &c->args, f);
            return callBuiltin(r.builtin, &c->args, f);
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
                if (obj.isObject()) return callDefault(obj, &c->args, f);
            }
            throwError(Err::TypeMismatch, n->name);
        }
        if (p->isArray() && c->args.size() == 1 && c->args[0]) {
            Value tmp;
            int32_t i = indexOf(operand(c->args[0].get(), f, tmp));
            Value* cur = nameStorage(n, f); // the index may have changed the variable
            if (!cur || !cur->isArray()) throwError(Err::TypeMismatch, n->name);
            return *elementRef1(cur->asArray(), i);
        }
        if (p->isArray()) {
            Value idx[4];
            std::vector<Value> big;
            std::span<Value> s;
            if (c->args.size() <= 4) {
                for (size_t i = 0; i < c->args.size(); ++i) {
                    if (!c->args[i]) throwError(Err::SubscriptOutOfRange);
                    idx[i] = eval(c->args[i].get(), f);
                }
                s = std::span<Value>(idx, c->args.size());
            } else {
                evalArgs(c->args, f, big);
                s = big;
            }
            Value* cur = nameStorage(n, f); // the indices may have changed the variable
            if (!cur || !cur->isArray()) throwError(Err::TypeMismatch, n->name);
            return *elementRef(cur->asArray(), s);
        }
        if (p->isObject()) {
            Value obj = *p;
            return callDefault(obj, &c->args, f);
        }
        throwError(Err::TypeMismatch, n->name);
    }
    if (t->kind == ExprKind::Member)
        return evalMember(static_cast<const MemberExpr*>(t), f, &c->args, statement);
    Value base = eval(t, f);
    if (base.isObject()) return callDefault(base, &c->args, f);
    std::vector<Value> idx;
    evalArgs(c->args, f, idx);
    return indexValue(base, idx);
}

Value* Interp::lvalueRef(const Expr* e, Frame& f, Array** locked) {
    if (e->kind == ExprKind::Name) return nameStorage(static_cast<const NameExpr*>(e), f);
    if (e->kind == ExprKind::Call) {
        auto* c = static_cast<const CallExpr*>(e);
        if (c->target->kind != ExprKind::Name) return nullptr;
        auto* n = static_cast<const NameExpr*>(c->target.get());
        if (n->ref.scope == Scope::MeMember || n->ref.scope == Scope::Builtin) return nullptr;
        Value* p = nameStorage(n, f);
        if (!p || !p->isArray()) return nullptr;
        std::vector<Value> idx;
        evalArgs(c->args, f, idx);
        p = nameStorage(n, f);
        if (!p || !p->isArray()) return nullptr;
        Array* a = p->mutableArray();
        Value* el = elementRef(a, idx);
        ++a->locks;
        *locked = a;
        return el;
    }
    return nullptr;
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

namespace {

// A store that may go to a Property Let, which receives an object itself.
bool memberStore(const Expr* target) {
    if (target->kind == ExprKind::Call) target = static_cast<const CallExpr*>(target)->target.get();
    if (target->kind == ExprKind::Member) return true;
    return target->kind == ExprKind::Name &&
           static_cast<const NameExpr*>(target)->ref.scope == Scope::MeMember;
}

} // namespace

void Interp::assignTo(const Expr* target, Value v, bool isSet, Frame& f) {
    // Reduce an object to its default value before any storage address is
    // taken: the default property is script code that may resize arrays.
    // Member stores reduce it where they find a field or a host property.
    if (!isSet && v.isObject() && !memberStore(target)) v = scalar(v);
    switch (target->kind) {
    case ExprKind::Name: {
        auto* n = static_cast<const NameExpr*>(target);
        if ((n->ref.scope == Scope::Global || n->ref.scope == Scope::ImplicitLocal) &&
            n->ref.sym->namedItem) {
            // A named object cannot be replaced, but a plain assignment goes
            // into its default property: `score = score + 1` on a host variable.
            const Value& item = n->ref.sym->value;
            if (isSet || !item.isObject() || !item.asObject() || item.asObject()->isScriptInstance())
                throwError(Err::IllegalAssignment, n->name);
            Value keep = item;
            hostInvoke(keep.asObject(), kDispValue, InvokeKind::PropertyPut, std::span<Value>(&v, 1));
            return;
        }
        if (n->ref.readOnly) throwError(Err::IllegalAssignment, n->name);
        if (n->ref.scope == Scope::MeMember) {
            instancePut(f.me, n->ref.slot, nullptr, std::move(v), isSet, f, {}, false);
            return;
        }
        if ((n->ref.scope == Scope::Global || n->ref.scope == Scope::ImplicitLocal) &&
            n->ref.sym->hostMember()) {
            GlobalSymbol& g = *n->ref.sym;
            if (isSet && !v.isObject()) throwError(Err::ObjectRequired, n->name);
            Value keep = Value::object(g.owner());
            hostInvoke(g.owner(), g.memberId, isSet ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut,
                       std::span<Value>(&v, 1));
            return;
        }
        Value* p = nameStorage(n, f);
        if (!p) throwError(Err::IllegalAssignment, n->name);
        storeVar(*p, std::move(v), isSet, n->name);
        return;
    }
    case ExprKind::Member: {
        auto* m = static_cast<const MemberExpr*>(target);
        Value obj = m->object ? eval(m->object.get(), f) : withObject(m, f);
        putMember(obj, m->name, const_cast<MemberCache*>(&m->cache), nullptr, std::move(v), isSet, f);
        return;
    }
    case ExprKind::Call: {
        auto* c = static_cast<const CallExpr*>(target);
        const Expr* t = c->target.get();
        if (t->kind == ExprKind::Member) {
            auto* m = static_cast<const MemberExpr*>(t);
            Value obj = m->object ? eval(m->object.get(), f) : withObject(m, f);
            putMember(obj, m->name, const_cast<MemberCache*>(&m->cache), &c->args, std::move(v), isSet, f);
            return;
        }
        if (t->kind == ExprKind::Name) {
            auto* n = static_cast<const NameExpr*>(t);
            if (n->ref.scope == Scope::MeMember) {
                instancePut(f.me, n->ref.slot, &c->args, std::move(v), isSet, f, {}, false);
                return;
            }
            Value* p = nameStorage(n, f);
            if (!p) throwError(Err::IllegalAssignment, n->name);
            if (p->isArray() && c->args.size() == 1 && c->args[0]) {
                Value tmp;
                int32_t i = indexOf(operand(c->args[0].get(), f, tmp));
                p = nameStorage(n, f);
                if (!p || !p->isArray()) throwError(Err::TypeMismatch, n->name);
                Value* el = elementRef1(p->mutableArray(), i);
                if (!isSet && !v.isObject() && !v.isArray())
                    *el = std::move(v);
                else
                    storeVar(*el, std::move(v), isSet, n->name);
                return;
            }
            if (p->isArray()) {
                std::vector<Value> idx;
                evalArgs(c->args, f, idx);
                p = nameStorage(n, f);
                if (!p || !p->isArray()) throwError(Err::TypeMismatch, n->name);
                Value* el = elementRef(p->mutableArray(), idx);
                storeVar(*el, std::move(v), isSet, n->name);
                return;
            }
            if (p->isObject()) {
                Value obj = *p;
                putMember(obj, std::u16string(), nullptr, &c->args, std::move(v), isSet, f);
                return;
            }
            throwError(Err::TypeMismatch, n->name);
        }
        if (t->kind == ExprKind::Call && assignNested(c, v, isSet, f)) return;
        // Nothing(i) = x: a literal holds no elements.
        if (t->kind == ExprKind::Literal) throwError(Err::TypeMismatch);
        Value base = eval(t, f);
        if (base.isObject()) {
            putMember(base, std::u16string(), nullptr, &c->args, std::move(v), isSet, f);
            return;
        }
        throwError(Err::IllegalAssignment);
    }
    default:
        throwError(Err::IllegalAssignment);
    }
}

Value Interp::builtinStatement(const BuiltinInfo* b, const std::vector<ExprPtr>* args, Frame& f) {
    static const BuiltinInfo* const typed[] = {
        findBuiltin(u"cbyte"), findBuiltin(u"ccur"), findBuiltin(u"cdate"), findBuiltin(u"cdbl"),
        findBuiltin(u"cint"),  findBuiltin(u"clng"), findBuiltin(u"csng"),  findBuiltin(u"sgn")};
    Value v = callBuiltin(b, args, f);
    for (const BuiltinInfo* t : typed)
        if (t == b) throwError(Err::UnsupportedType);
    return v;
}

bool Interp::assignNested(const CallExpr* c, Value& v, bool isSet, Frame& f) {
    // a(i)(j)(k) = v: the levels a(i) and (j) lead from the variable to the element stored into.
    std::vector<const CallExpr*> levels;
    const Expr* e = c->target.get();
    while (e->kind == ExprKind::Call) {
        levels.push_back(static_cast<const CallExpr*>(e));
        e = levels.back()->target.get();
    }
    if (e->kind != ExprKind::Name) return false;
    auto* n = static_cast<const NameExpr*>(e);
    if (n->ref.scope == Scope::MeMember || n->ref.scope == Scope::Builtin) return false;
    const Value* root = nameStorage(n, f);
    if (!root || !root->isArray()) return false;
    // Every index first, in source order: no code runs while element addresses are held.
    std::vector<std::vector<Value>> idx(levels.size() + 1);
    for (size_t i = 0; i < levels.size(); ++i)
        evalArgs(levels[levels.size() - 1 - i]->args, f, idx[i]);
    evalArgs(c->args, f, idx.back());
    Value* p = nameStorage(n, f);
    if (!p || !p->isArray()) throwError(Err::TypeMismatch, n->name);
    Value held; // an object's default value on the way down
    for (size_t i = 0; i < levels.size(); ++i) {
        if (p->isArray()) {
            p = elementRef(p->mutableArray(), idx[i]);
        } else if (p->isObject()) {
            held = callValue(*p, idx[i]);
            p = &held;
        } else {
            throwError(Err::TypeMismatch, n->name);
        }
    }
    if (p->isArray()) {
        storeVar(*elementRef(p->mutableArray(), idx.back()), std::move(v), isSet, n->name);
    } else if (p->isObject()) {
        Value obj = *p;
        putDefault(obj, idx.back(), std::move(v), isSet);
    } else {
        throwError(Err::TypeMismatch, n->name);
    }
    return true;
}

void Interp::putDefault(const Value& obj, std::vector<Value>& args, Value v, bool isSet) {
    Object* o = obj.asObject();
    if (!o) throwError(Err::ObjectNotSet);
    if (ClassInstance* inst = ownInstance(o)) {
        if (inst->cls().defaultMember < 0) throwError(Err::NoSuchMember);
        Frame outside;
        instancePut(inst, inst->cls().defaultMember, nullptr, std::move(v), isSet, outside, args, true);
        return;
    }
    if (!isSet && v.isObject()) v = scalar(v);
    args.push_back(std::move(v));
    hostInvoke(o, kDispValue, isSet ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut, args);
}

Value Interp::hostMemberCall(GlobalSymbol& g, const std::vector<ExprPtr>* args, Frame& f, bool statement) {
    std::vector<Value> vals;
    if (args) evalArgs(*args, f, vals);
    Value keep = Value::object(g.owner());
    return hostInvoke(g.owner(), g.memberId,
                      (args || statement) ? InvokeKind::Method : InvokeKind::PropertyGet, vals);
}

Value Interp::scalar(const Value& v) {
    const Value& d = v.deref();
    if (!d.isObject()) return d;
    if (!d.asObject()) throwError(Err::ObjectNotSet);
    return defaultValue(d.asObject());
}

} // namespace vbs
