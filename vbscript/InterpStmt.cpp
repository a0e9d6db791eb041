// Statement execution: blocks, control flow, declarations, error resumption.
#include "Interp.h"

#include "Convert.h"
#include "FastArith.h"
#include "Operators.h"

#include <climits>
#include <iterator>
#include <vector>

namespace vbs {

Flow Interp::execBlock(const Block& b, Frame& f) {
    for (const auto& sp : b) {
        const Stmt& s = *sp;
        m_stmt = &s;
        Flow fl;
        if (!f.resumeNext) {
            if (s.kind == StmtKind::Assign) {
                execAssign(static_cast<const AssignStmt&>(s), f);
                continue;
            }
            fl = exec(s, f);
        } else {
            try {
                fl = exec(s, f);
            } catch (ScriptError& e) {
                if (!f.resumeNext) throw;
                recordError(e);
                continue;
            } catch (std::bad_alloc&) {
                if (!f.resumeNext) throw;
                ScriptError e;
                e.number = int32_t(Err::OutOfMemory);
                e.description = std::u16string(errorText(e.number));
                recordError(e);
                continue;
            }
        }
        if (fl != Flow::Normal) return fl;
    }
    return Flow::Normal;
}

void Interp::recordError(const ScriptError& e) {
    m_err->number = e.number;
    m_err->description = e.description;
    m_err->source = !e.source.empty() ? e.source : e.compile ? kCompileErrorSource : kRuntimeErrorSource;
    m_err->helpFile = e.helpFile;
    m_err->helpContext = e.helpContext;
}

void Interp::abort(int32_t number) {
    m_stopping = number;
    m_ticks = 0; // the next loop step or call polls, and stops too
    Abort a{number};
    if (m_stmt) {
        a.line = m_stmt->line;
        a.column = m_stmt->col;
    }
    throw a;
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

bool Interp::condition(const Expr* e, Frame& f) {
    if (e->kind == ExprKind::Binary) {
        // Integer comparisons of plain operands decide without building a Value.
        auto* b = static_cast<const BinaryExpr*>(e);
        if (fast::isComparison(b->op)) {
            const Value* l = plainOperand(b->left.get(), f);
            const Value* r = plainOperand(b->right.get(), f);
            if (l && r && fast::isInt(l->type()) && fast::isInt(r->type()))
                return fast::compare(b->op, fast::intOf(*l), fast::intOf(*r));
        }
    }
    Value v = eval(e, f);
    if (v.type() == VarType::Boolean) return v.asBoolean();
    if (v.isObject()) v = scalar(v);
    if (v.isNull()) return false; // Null is not True: the Else branch runs
    return toBool(v);
}

Flow Interp::exec(const Stmt& s, Frame& f) {
    switch (s.kind) {
    case StmtKind::Call: {
        const Expr* e = static_cast<const CallStmt&>(s).call.get();
        switch (e->kind) {
        case ExprKind::Name:
            nameStatement(static_cast<const NameExpr*>(e), f);
            break;
        case ExprKind::Call:
            evalCall(static_cast<const CallExpr*>(e), f, true);
            break;
        case ExprKind::Member:
            evalMember(static_cast<const MemberExpr*>(e), f, nullptr, true);
            break;
        default:
            eval(e, f);
            break;
        }
        return Flow::Normal;
    }
    case StmtKind::Assign:
        execAssign(static_cast<const AssignStmt&>(s), f);
        return Flow::Normal;
    case StmtKind::If:
        return execIf(static_cast<const IfStmt&>(s), f);
    case StmtKind::Select:
        return execSelect(static_cast<const SelectStmt&>(s), f);
    case StmtKind::For:
        return execFor(static_cast<const ForStmt&>(s), f);
    case StmtKind::ForEach:
        return execForEach(static_cast<const ForEachStmt&>(s), f);
    case StmtKind::Do:
        return execDo(static_cast<const DoStmt&>(s), f);
    case StmtKind::Exit:
        switch (static_cast<const ExitStmt&>(s).what) {
        case ExitKind::Do:
            return Flow::ExitDo;
        case ExitKind::For:
            return Flow::ExitFor;
        default:
            return Flow::ExitProc;
        }
    case StmtKind::Dim:
        execDim(static_cast<const DimStmt&>(s), f);
        return Flow::Normal;
    case StmtKind::ReDim:
        execReDim(static_cast<const ReDimStmt&>(s), f);
        return Flow::Normal;
    case StmtKind::Erase:
        execErase(static_cast<const EraseStmt&>(s), f);
        return Flow::Normal;
    case StmtKind::OnError:
        f.resumeNext = static_cast<const OnErrorStmt&>(s).resumeNext;
        m_err->clear();
        return Flow::Normal;
    case StmtKind::With:
        return execWith(static_cast<const WithStmt&>(s), f);
    case StmtKind::Nop:
        return Flow::Normal;
    }
    return Flow::Normal;
}

Flow Interp::execWith(const WithStmt& w, Frame& f) {
    Value obj;
    try {
        obj = eval(w.object.get(), f);
        if (!obj.isObject()) throwError(Err::ObjectRequired);
    } catch (ScriptError& e) {
        if (!f.resumeNext) throw;
        recordError(e); // resumed into the body, which has no object to work on
        obj = Value();
    }
    f.slots[w.slot] = std::move(obj);
    Flow fl = execBlock(w.body, f);
    f.slots[w.slot] = Value();
    return fl;
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

namespace {

// x = a op b for Integer / Long / Double operands; false when another rule applies.
inline bool fastArith(const AssignStmt& s, Frame& f) {
    auto* b = static_cast<const BinaryExpr*>(s.value.get());
    const Value* l = plainOperand(b->left.get(), f);
    const Value* r = plainOperand(b->right.get(), f);
    if (!l || !r) return false;
    const NameRef& t = static_cast<const NameExpr*>(s.target.get())->ref;
    Value* dst;
    if (t.scope == Scope::Local) {
        if (t.readOnly) return false;
        dst = &f.slots[t.slot].deref();
    } else if (t.scope == Scope::Field) {
        dst = &f.me->fields()[size_t(t.slot)];
    } else {
        // An implicit local may be a slot or a global: the general path decides.
        if (t.scope != Scope::Global || !t.sym->plainVar() || t.sym->isConst || t.checkDeclared || t.readOnly)
            return false;
        // Assigned, an undeclared global is a variable procedures see (not a local of theirs).
        t.sym->declared = true;
        dst = &t.sym->value;
    }
    if (dst->isArray() || dst->isObject()) return false;
    Value v = fast::binary(b->op, *l, *r);
    if (v.isEmpty()) return false;
    *dst = std::move(v);
    return true;
}

} // namespace

void Interp::execAssign(const AssignStmt& s, Frame& f) {
    if (s.arith && fastArith(s, f)) return;
    if (!s.isSet && !s.append && s.target->kind == ExprKind::Name) {
        // Plain variable = value: store directly unless objects or arrays are involved.
        const NameRef& r = static_cast<const NameExpr*>(s.target.get())->ref;
        Value* p = nullptr;
        if (r.scope == Scope::Local && !r.readOnly)
            p = &f.slots[r.slot].deref();
        else if (r.scope == Scope::Field)
            p = &f.me->fields()[size_t(r.slot)];
        else if (r.scope == Scope::Global && r.sym->plainVar() && !r.sym->isConst && !r.checkDeclared &&
                 !r.readOnly) {
            // Assigned, an undeclared global is a variable procedures see (not a local of theirs).
            r.sym->declared = true;
            p = &r.sym->value;
        }
        if (p) {
            Value v = eval(s.value.get(), f);
            if (!v.isObject() && !v.isArray() && !p->isArray()) {
                *p = std::move(v);
                return;
            }
            assignTo(s.target.get(), std::move(v), false, f);
            return;
        }
    }
    if (s.append) {
        auto* t = static_cast<const NameExpr*>(s.target.get());
        Value* dst = nameStorage(t, f);
        if (dst && dst->isString() && !t->ref.readOnly) {
            appendChain(s.value.get(), t, *dst, f);
            return;
        }
    }
    Value v = eval(s.value.get(), f);
    assignTo(s.target.get(), std::move(v), s.isSet, f);
}

bool Interp::appendChain(const Expr* e, const NameExpr* target, Value& dst, Frame& f) {
    auto* b = static_cast<const BinaryExpr*>(e);
    if (b->left.get() != static_cast<const Expr*>(target) && b->left->kind == ExprKind::Binary)
        appendChain(b->left.get(), target, dst, f);
    Value r = eval(b->right.get(), f);
    if (r.isObject()) r = scalar(r);
    Value* d = nameStorage(target, f); // the operand may have reassigned the variable
    if (!d) throwError(Err::IllegalAssignment, target->name);
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
    (void)dst;
    return true;
}

Flow Interp::execIf(const IfStmt& s, Frame& f) {
    for (size_t i = 0; i < s.conds.size(); ++i) {
        // Under On Error Resume Next a failing condition falls into its block.
        bool c = f.resumeNext ? guardedCondition(s.conds[i].get(), f, true) : condition(s.conds[i].get(), f);
        if (c) return execBlock(s.blocks[i], f);
    }
    return execBlock(s.elseBlock, f);
}

bool Interp::guardedCondition(const Expr* e, Frame& f, bool onError) {
    try {
        return condition(e, f);
    } catch (ScriptError& err) {
        if (!f.resumeNext) throw;
        recordError(err);
        return onError;
    }
}

Flow Interp::bodyOnce(const Block& body, Frame& f, Err after) {
    Flow fl = execBlock(body, f);
    if (fl == Flow::ExitFor) return Flow::Normal;
    if (fl != Flow::Normal) return fl;
    throwError(after);
}

namespace {

// The subject is held in a temporary, never a literal: Select Case 3 meets Case "x" as texts.
bool caseMatches(Interp& rt, const Value& subject, const Value& v, const Expr* ve) {
    return compareValues(subject, rt.scalar(v), false, ve->kind == ExprKind::Literal) == Cmp::Equal;
}

} // namespace

Flow Interp::execSelect(const SelectStmt& s, Frame& f) {
    Value subject = scalar(eval(s.subject.get(), f));
    for (const auto& c : s.cases) {
        for (const auto& ve : c.values) {
            bool match;
            if (!f.resumeNext) {
                match = caseMatches(*this, subject, eval(ve.get(), f), ve.get());
            } else {
                // A failing Case expression falls into its block.
                try {
                    match = caseMatches(*this, subject, eval(ve.get(), f), ve.get());
                } catch (ScriptError& e) {
                    if (!f.resumeNext) throw;
                    recordError(e);
                    match = true;
                }
            }
            if (match) return execBlock(c.body, f);
        }
    }
    return execBlock(s.elseBlock, f);
}

Flow Interp::execFor(const ForStmt& s, Frame& f) {
    auto* var = static_cast<const NameExpr*>(s.var.get());
    Value from, to, step;
    try {
        from = scalar(eval(s.from.get(), f));
        to = scalar(eval(s.to.get(), f));
        step = s.step ? scalar(eval(s.step.get(), f)) : Value::integer(1);
        for (Value* v : {&from, &to, &step})
            if (!v->isNumeric()) *v = toArithmetic(*v);
        if (from.isNull() || to.isNull() || step.isNull()) throwError(Err::InvalidNull);
        if (var->ref.readOnly) throwError(Err::IllegalAssignment, var->name);
    } catch (ScriptError& e) {
        if (!f.resumeNext) throw;
        // Resumed past the failing header: the body runs once, then Next finds no loop.
        recordError(e);
        return bodyOnce(s.body, f, Err::ForNotInitialized);
    }
    auto intType = [](const Value& v) {
        return v.type() == VarType::Integer || v.type() == VarType::Long || v.type() == VarType::Byte;
    };
    if (intType(from) && intType(to) && intType(step)) {
        int64_t i = toLong(from), lim = toLong(to), st = toLong(step);
        bool wide = from.type() == VarType::Long || step.type() == VarType::Long;
        // The counter is an Integer unless From or Step is a Long, and widens when it overflows.
        auto make = [wide](int64_t x) { return fast::fitInt(x, !wide); };
        Value* p = nameStorage(var, f);
        if (!p) throwError(Err::IllegalAssignment, var->name);
        *p = make(i);
        // Locals and declared globals never move: no need to look the counter up again.
        bool stable =
            var->ref.scope == Scope::Local || (var->ref.scope == Scope::Global && !var->ref.checkDeclared);
        // A body of one assignment runs without the block loop.
        const Stmt* single =
            s.body.size() == 1 && s.body[0]->kind == StmtKind::Assign ? s.body[0].get() : nullptr;
        while (st >= 0 ? i <= lim : i >= lim) {
            Flow fl = Flow::Normal;
            if (single && !f.resumeNext) {
                m_stmt = single;
                execAssign(*static_cast<const AssignStmt*>(single), f);
            } else {
                fl = execBlock(s.body, f);
            }
            if (fl == Flow::ExitFor) return Flow::Normal;
            if (fl != Flow::Normal) return fl;
            tick();
            if (!stable) p = nameStorage(var, f);
            const Value& cur = *p;
            if (cur.type() == VarType::Integer)
                i = int64_t(cur.asInteger()) + st;
            else if (cur.type() == VarType::Long)
                i = int64_t(cur.asLong()) + st;
            else {
                // The body stored a non-integer in the counter: continue in Doubles.
                double d = toDouble(scalar(cur)) + double(st);
                if (d > double(INT64_MAX / 2) || d < double(INT64_MIN / 2)) break;
                i = int64_t(d);
            }
            if (i > INT32_MAX || i < INT32_MIN) {
                *p = Value::dbl(double(i));
                if (st >= 0 ? i <= lim : i >= lim) throwError(Err::Overflow);
                break;
            }
            *p = make(i);
        }
        return Flow::Normal;
    }
    double lim = toDouble(to), st = toDouble(step);
    assignTo(var, from, false, f);
    while (true) {
        Value* p = nameStorage(var, f);
        if (!p) throwError(Err::IllegalAssignment, var->name);
        double cur = toDouble(scalar(*p));
        if (st >= 0 ? cur > lim : cur < lim) break;
        Flow fl = execBlock(s.body, f);
        if (fl == Flow::ExitFor) return Flow::Normal;
        if (fl != Flow::Normal) return fl;
        tick();
        p = nameStorage(var, f);
        *p = opAdd(scalar(*p), step);
    }
    return Flow::Normal;
}

Flow Interp::execForEach(const ForEachStmt& s, Frame& f) {
    auto* var = static_cast<const NameExpr*>(s.var.get());
    Value coll;
    try {
        coll = eval(s.collection.get(), f);
    } catch (ScriptError& e) {
        if (!f.resumeNext) throw;
        // As with For: the body runs once, then Next has nothing to go through.
        recordError(e);
        return bodyOnce(s.body, f, Err::NotCollection);
    }
    if (coll.isArray()) {
        Value hold = coll; // iterate a stable copy
        Array* a = hold.asArray();
        // Elements come in storage order of the classic engine: the first
        // index varies fastest. Ours stores the last index fastest.
        std::vector<int32_t> at(a->dims.size(), 0);
        for (size_t n = 0; n < a->data.size(); ++n) {
            size_t i = 0;
            for (size_t d = 0; d < at.size(); ++d)
                i = i * size_t(a->dims[d].count) + size_t(at[d]);
            for (size_t d = 0; d < at.size() && ++at[d] == a->dims[d].count; ++d)
                at[d] = 0;
            Value* p = nameStorage(var, f);
            if (!p) throwError(Err::IllegalAssignment, var->name);
            *p = a->data[i];
            Flow fl = execBlock(s.body, f);
            if (fl == Flow::ExitFor) return Flow::Normal;
            if (fl != Flow::Normal) return fl;
            tick();
        }
        return Flow::Normal;
    }
    std::unique_ptr<Enumerator> en;
    if (coll.isObject() && coll.asObject()) en = coll.asObject()->enumerate();
    if (!en) {
        if (f.resumeNext) return bodyOnce(s.body, f, Err::NotCollection);
        throwError(Err::NotCollection);
    }
    Value item;
    while (en->next(item)) {
        Value* p = nameStorage(var, f);
        if (!p) throwError(Err::IllegalAssignment, var->name);
        *p = std::move(item);
        item = Value();
        Flow fl = execBlock(s.body, f);
        if (fl == Flow::ExitFor) return Flow::Normal;
        if (fl != Flow::Normal) return fl;
        tick();
    }
    return Flow::Normal;
}

Flow Interp::execDo(const DoStmt& s, Frame& f) {
    const bool pre = s.mode == LoopCond::PreWhile || s.mode == LoopCond::PreUntil;
    const bool post = s.mode == LoopCond::PostWhile || s.mode == LoopCond::PostUntil;
    const bool until = s.mode == LoopCond::PreUntil || s.mode == LoopCond::PostUntil;
    // Resumed past a failing test, execution goes on where the test leads when it passes: into
    // the body when the test comes first, out of the loop when it comes last.
    auto goOn = [&](bool first) {
        const Expr* c = s.cond.get();
        return (f.resumeNext ? guardedCondition(c, f, first != until) : condition(c, f)) != until;
    };
    while (true) {
        if (pre && !goOn(true)) break;
        Flow fl = execBlock(s.body, f);
        if (fl == Flow::ExitDo) return Flow::Normal;
        if (fl != Flow::Normal) return fl;
        if (post && !goOn(false)) break;
        tick();
    }
    return Flow::Normal;
}

namespace {

std::vector<int32_t> upperBounds(Interp& rt, const std::vector<ExprPtr>& bounds, Frame& f,
                                 Value (Interp::*evalFn)(const Expr*, Frame&)) {
    std::vector<int32_t> ub;
    if (bounds.size() > size_t(Array::kMaxDims)) throwError(Err::SubscriptOutOfRange);
    for (const auto& b : bounds)
        ub.push_back(toLong(rt.scalar((rt.*evalFn)(b.get(), f))));
    return ub;
}

} // namespace

void Interp::checkMemory(size_t bytes) {
    if (bytes > m_config.memoryLimit) throwError(Err::OutOfMemory);
}

namespace {

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

void Interp::execDim(const DimStmt& s, Frame& f) {
    if (s.isConst) return; // constants are set when their scope starts
    for (const auto& it : s.items) {
        const NameRef& r = it.var->ref;
        // Code run by Execute in a procedure: its Dim declares one of the procedure's names.
        if (f.proc->scopeSlot >= 0 && f.proc->kind == ProcKind::Global && r.scope == Scope::Local)
            if (const Value& held = f.slots[f.proc->scopeSlot].deref(); held.isObject())
                static_cast<ExecuteScope*>(held.asObject())->declare(r.slot);
        if (!it.hasBounds) continue;
        Value* p = nameStorage(it.var.get(), f);
        if (!p) throwError(Err::NameRedefined, it.var->name);
        // A second script-level Dim a() or Dim a(n) finds the array the first one made.
        if (p->isArray() && r.scope == Scope::Global) throwError(Err::TypeMismatch, it.var->name);
        if (it.bounds.empty()) {
            if (!p->isArray()) *p = Value::array(new Array);
            continue;
        }
        Array* a = newArray(*this, upperBounds(*this, it.bounds, f, &Interp::eval));
        a->fixed = true;
        *p = Value::array(a);
    }
}

void Interp::execReDim(const ReDimStmt& s, Frame& f) {
    for (const auto& it : s.items) {
        // A fixed array refuses before its new bounds are looked at.
        if (!s.preserve)
            if (const Value* cur = nameStorage(it.var.get(), f);
                cur && cur->isArray() && cur->asArray()->fixed)
                throwError(Err::ArrayLocked, it.var->name);
        std::vector<int32_t> ub = upperBounds(*this, it.bounds, f, &Interp::eval);
        Value* p = nameStorage(it.var.get(), f);
        if (!p) throwError(Err::IllegalAssignment, it.var->name);
        if (p->isArray()) {
            Array* old = p->asArray();
            if (old->fixed || old->locks) throwError(Err::ArrayLocked, it.var->name);
        }
        // A one-dimensional array that nothing else shares grows or shrinks in place: scripts
        // grow arrays an element at a time, and a new array every time made that quadratic.
        if (s.preserve && ub.size() == 1 && p->isArray() && p->asArray()->refs == 1 &&
            p->asArray()->rank() == 1) {
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
            continue;
        }
        Array* a = newArray(*this, ub);
        Value nv = Value::array(a);
        if (s.preserve && p->isArray() && !p->asArray()->dims.empty()) {
            Array* old = p->asArray();
            if (old->rank() != a->rank()) throwError(Err::SubscriptOutOfRange);
            for (int d = 0; d + 1 < a->rank(); ++d)
                if (old->dims[size_t(d)].count != a->dims[size_t(d)].count)
                    throwError(Err::SubscriptOutOfRange);
            size_t oldLast = size_t(old->dims.back().count), newLast = size_t(a->dims.back().count);
            size_t keep = std::min(oldLast, newLast);
            size_t rows = oldLast ? old->data.size() / oldLast : 0;
            for (size_t r = 0; r < rows; ++r)
                for (size_t k = 0; k < keep; ++k)
                    a->data[r * newLast + k] = old->data[r * oldLast + k];
        }
        *p = std::move(nv);
    }
}

void Interp::execErase(const EraseStmt& s, Frame& f) {
    auto* n = static_cast<const NameExpr*>(s.var.get());
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
