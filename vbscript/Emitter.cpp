// The emitter: turns a resolved procedure into register code (Bytecode.h).
// It decides evaluation order once, here: operands left to right, a variable
// read before a call on its right copied first, an assignment's value before
// its target's parts, as the language runs them.
#include "Bytecode.h"
#include "Interp.h"

#include "builtins/Builtins.h"

namespace vbs {

namespace {

// A literal in the source or an intrinsic constant: comparisons treat these by the literal rules.
bool isLiteral(const Expr* e) {
    if (e->kind == ExprKind::Literal) return true;
    return e->kind == ExprKind::Name && static_cast<const NameExpr*>(e)->ref.scope == Scope::Constant;
}

// An operand read in place, without running code (a global that turns out to be more than a
// variable is read by its full rule, after the operands before it were copied).
bool isPlain(const Expr* e) {
    if (e->kind == ExprKind::Literal) return true;
    if (e->kind != ExprKind::Name) return false;
    Scope s = static_cast<const NameExpr*>(e)->ref.scope;
    return s == Scope::Local || s == Scope::Global || s == Scope::Constant || s == Scope::Field;
}

Opc binaryOpcode(Op op) {
    switch (op) {
    case Op::Add:
        return Opc::Add;
    case Op::Sub:
        return Opc::Sub;
    case Op::Mul:
        return Opc::Mul;
    case Op::Concat:
        return Opc::Concat;
    case Op::Eq:
        return Opc::Eq;
    case Op::Ne:
        return Opc::Ne;
    case Op::Lt:
        return Opc::Lt;
    case Op::Gt:
        return Opc::Gt;
    case Op::Le:
        return Opc::Le;
    case Op::Ge:
        return Opc::Ge;
    default:
        return Opc::Bin;
    }
}

[[noreturn]] void tooLarge(int line, int col) {
    ScriptError err;
    err.number = int32_t(Err::OutOfMemory);
    err.description = std::u16string(errorText(err.number));
    err.line = line;
    err.column = col;
    err.compile = true;
    throw err;
}

class Emitter {
  public:
    Emitter(ProcDef& p, Code& c) : m_p(p), m_c(c), m_top(p.slotCount) {}

    void run(bool expression) {
        if (m_p.slotCount >= int(kIndexMask)) tooLarge(m_p.line, m_p.col);
        if (expression) {
            const auto& s = static_cast<const CallStmt&>(*m_p.body.front());
            m_site = newSite(s.line, s.col);
            uint16_t r = value(s.call.get());
            emit(Opc::RetVal, 0, r);
        } else {
            m_site = newSite(m_p.line, m_p.col);
            block(m_p.body);
            m_site = newSite(m_p.line, m_p.col);
            emit(Opc::Ret);
        }
        for (Site& s : m_c.sites)
            if (s.resume == 0) s.resume = uint32_t(m_c.instrs.size() - 1);
        m_p.temps = m_c.temps;
    }

  private:
    struct LoopCtx {
        bool isFor;
        size_t withDepth;
        int eachState; // For Each: its state registers, cleared on the way out
        std::vector<uint32_t> exits;
    };

    // ---- emission ----
    uint32_t emit(Opc op, uint16_t a = 0, uint16_t b = 0, uint16_t c = 0, int32_t j = 0, uint32_t k = kNoAux,
                  uint8_t f = 0) {
        Instr in;
        in.op = op;
        in.f = f;
        in.a = a;
        in.b = b;
        in.c = c;
        in.j = j;
        in.k = k;
        m_c.instrs.push_back(in);
        m_c.siteOf.push_back(m_site);
        return uint32_t(m_c.instrs.size() - 1);
    }
    uint32_t here() const { return uint32_t(m_c.instrs.size()); }
    void patch(uint32_t at) { m_c.instrs[at].j = int32_t(here()); }
    uint32_t newSite(int line, int col) {
        m_c.sites.push_back({line, col, 0});
        return uint32_t(m_c.sites.size() - 1);
    }
    uint32_t aux(const void* p) {
        m_c.aux.push_back(p);
        return uint32_t(m_c.aux.size() - 1);
    }
    uint16_t constant(const Value& v) {
        if (m_c.consts.size() >= kIndexMask) tooLarge(m_p.line, m_p.col);
        m_c.consts.push_back(v);
        return uint16_t(kConst | (m_c.consts.size() - 1));
    }
    uint16_t global(const NameExpr* n) {
        if (m_c.globals.size() >= kIndexMask) tooLarge(n->line, n->col);
        m_c.globals.push_back({n, nullptr, nullptr, 0});
        return uint16_t(kGlobal | (m_c.globals.size() - 1));
    }
    uint16_t temp() {
        if (m_top >= int(kIndexMask)) tooLarge(m_p.line, m_p.col);
        int r = m_top++;
        m_c.temps = std::max(m_c.temps, m_top - m_p.slotCount);
        return uint16_t(r);
    }
    uint16_t temps(size_t n) {
        uint16_t first = uint16_t(m_top);
        for (size_t i = 0; i < n; ++i)
            temp();
        return n ? first : uint16_t(m_top);
    }
    bool isTemp(uint16_t rk) const { return (rk & kKindMask) == kReg && rk >= m_p.slotCount; }
    CallSite& site() {
        m_c.calls.emplace_back();
        return m_c.calls.back();
    }

    // ---- statements ----
    void block(const Block& b) {
        for (const auto& s : b)
            stmt(*s);
    }

    void stmt(const Stmt& s) {
        const uint32_t saved = m_site;
        const int top = m_top;
        m_site = newSite(s.line, s.col);
        const uint32_t mine = m_site;
        switch (s.kind) {
        case StmtKind::Call:
            callStmt(static_cast<const CallStmt&>(s));
            break;
        case StmtKind::Assign:
            assign(static_cast<const AssignStmt&>(s));
            break;
        case StmtKind::If:
            ifStmt(static_cast<const IfStmt&>(s));
            break;
        case StmtKind::Select:
            selectStmt(static_cast<const SelectStmt&>(s));
            break;
        case StmtKind::For:
            forStmt(static_cast<const ForStmt&>(s));
            break;
        case StmtKind::ForEach:
            forEachStmt(static_cast<const ForEachStmt&>(s));
            break;
        case StmtKind::Do:
            doStmt(static_cast<const DoStmt&>(s));
            break;
        case StmtKind::Exit:
            exitStmt(static_cast<const ExitStmt&>(s));
            break;
        case StmtKind::Dim:
            dimStmt(static_cast<const DimStmt&>(s));
            break;
        case StmtKind::ReDim:
            reDimStmt(static_cast<const ReDimStmt&>(s));
            break;
        case StmtKind::Erase:
            emit(Opc::Erase, 0, 0, 0, 0, aux(static_cast<const EraseStmt&>(s).var.get()));
            break;
        case StmtKind::OnError:
            emit(Opc::OnError, 0, 0, 0, 0, kNoAux, static_cast<const OnErrorStmt&>(s).resumeNext ? 1 : 0);
            break;
        case StmtKind::With:
            withStmt(static_cast<const WithStmt&>(s));
            break;
        case StmtKind::Nop:
            break;
        }
        m_c.sites[mine].resume = here();
        m_site = saved;
        m_top = top;
    }

    void callStmt(const CallStmt& s) {
        const Expr* e = s.call.get();
        switch (e->kind) {
        case ExprKind::Name:
            emit(Opc::NameStmt, 0, 0, 0, 0, aux(e));
            break;
        case ExprKind::Call:
            call(static_cast<const CallExpr*>(e), temp(), true, -1);
            break;
        case ExprKind::Member:
            member(static_cast<const MemberExpr*>(e), nullptr, temp(), true);
            break;
        default:
            valueTo(e, temp());
            break;
        }
    }

    // The variable a name assigns in place, as a destination (D), or 0xFFFF when the full rule
    // decides.
    uint16_t fastTarget(const NameExpr* n) {
        const NameRef& r = n->ref;
        if (r.readOnly) return 0xFFFF;
        if (r.scope == Scope::Local) return uint16_t(kVar | r.slot);
        if (r.scope == Scope::Global) return global(n);
        return 0xFFFF;
    }

    void assign(const AssignStmt& s) {
        if (s.append) {
            auto* t = static_cast<const NameExpr*>(s.target.get());
            uint32_t test = emit(Opc::AppendTest, 0, 0, 0, 0, aux(t));
            appendChain(s.value.get(), t);
            uint32_t done = emit(Opc::Jmp);
            patch(test);
            plainAssign(s);
            patch(done);
            return;
        }
        plainAssign(s);
    }

    // target = a & b & c with target the leftmost operand: append each right operand in turn.
    void appendChain(const Expr* e, const NameExpr* target) {
        auto* b = static_cast<const BinaryExpr*>(e);
        if (b->left.get() != static_cast<const Expr*>(target) && b->left->kind == ExprKind::Binary)
            appendChain(b->left.get(), target);
        const int top = m_top;
        uint16_t r = operand(b->right.get());
        emit(Opc::Append, 0, r, 0, 0, aux(target));
        m_top = top;
    }

    void plainAssign(const AssignStmt& s) {
        const Expr* t = s.target.get();
        const uint8_t set = s.isSet ? 1 : 0;
        if (t->kind == ExprKind::Name) {
            auto* n = static_cast<const NameExpr*>(t);
            if (!s.isSet) {
                uint16_t d = fastTarget(n);
                if (d != 0xFFFF && s.value->kind == ExprKind::Binary) {
                    binary(static_cast<const BinaryExpr*>(s.value.get()), d);
                    return;
                }
                uint16_t v = operand(s.value.get());
                if (d != 0xFFFF && (d & kKindMask) == kVar)
                    emit(Opc::SetVar, uint16_t(n->ref.slot), v, 0, 0, aux(n));
                else if (d != 0xFFFF)
                    emit(Opc::SetGlobal, 0, v, 0, 0, aux(n));
                else if (n->ref.scope == Scope::Field && !n->ref.readOnly)
                    emit(Opc::SetField, 0, v, uint16_t(n->ref.slot), 0, aux(n));
                else
                    emit(Opc::SetName, 0, v, 0, 0, aux(n));
                return;
            }
            uint16_t v = operand(s.value.get());
            if (n->ref.scope == Scope::Local && !n->ref.readOnly)
                emit(Opc::SetVar, uint16_t(n->ref.slot), v, 0, 0, aux(n), set);
            else
                emit(Opc::SetName, 0, v, 0, 0, aux(n), set);
            return;
        }
        if (t->kind == ExprKind::Call && !s.isSet) {
            // One index into a variable: value and index read where they stand, the value first.
            auto* c = static_cast<const CallExpr*>(t);
            if (c->target->kind == ExprKind::Name && c->args.size() == 1 && c->args[0]) {
                auto* n = static_cast<const NameExpr*>(c->target.get());
                const Scope sc = n->ref.scope;
                if (sc == Scope::Local || sc == Scope::Field || sc == Scope::Global) {
                    uint16_t v = operand(s.value.get());
                    if (!isPlain(c->args[0].get()) && !isTemp(v) && (v & kKindMask) != kConst) {
                        uint16_t held = temp();
                        emit(Opc::Move, held, v);
                        v = held;
                    }
                    CallSite& cs = site();
                    cs.node = c;
                    cs.name = n;
                    cs.parens = true;
                    cs.argc = 1;
                    uint16_t ix = operand(c->args[0].get());
                    emit(Opc::SetElem, ix, v, 0, 0, aux(&cs));
                    return;
                }
            }
        }
        // The value first, held in a temporary: the target's own parts may run code.
        uint16_t v = temp();
        valueTo(s.value.get(), v);
        if (t->kind == ExprKind::Member) {
            auto* m = static_cast<const MemberExpr*>(t);
            uint16_t obj = memberObject(m, false);
            CallSite& cs = site();
            cs.node = m;
            cs.member = m;
            cs.cache = const_cast<MemberCache*>(&m->cache);
            cs.isSet = s.isSet;
            emit(Opc::SetMember, uint16_t(m_top), v, obj, 0, aux(&cs));
            return;
        }
        if (t->kind != ExprKind::Call) {
            emit(Opc::Raise, 0, 0, 0, int32_t(Err::IllegalAssignment));
            return;
        }
        auto* c = static_cast<const CallExpr*>(t);
        const Expr* callee = c->target.get();
        if (callee->kind == ExprKind::Member) {
            auto* m = static_cast<const MemberExpr*>(callee);
            uint16_t obj = memberObject(m, !plainArgs(c->args));
            CallSite& cs = site();
            cs.node = c;
            cs.member = m;
            cs.cache = const_cast<MemberCache*>(&m->cache);
            cs.isSet = s.isSet;
            cs.parens = true;
            uint16_t base = args(c->args, cs, false);
            emit(Opc::SetMember, base, v, obj, 0, aux(&cs));
            return;
        }
        if (callee->kind == ExprKind::Name) {
            auto* n = static_cast<const NameExpr*>(callee);
            CallSite& cs = site();
            cs.node = c;
            cs.name = n;
            cs.isSet = s.isSet;
            cs.parens = true;
            uint16_t base = args(c->args, cs, false);
            emit(Opc::SetIndex, base, v, 0, 0, aux(&cs));
            return;
        }
        if (callee->kind == ExprKind::Call) {
            // a(i)(j) = v: every index in source order, then the store, while a is an array.
            std::vector<const CallExpr*> levels;
            const Expr* e = callee;
            while (e->kind == ExprKind::Call) {
                levels.push_back(static_cast<const CallExpr*>(e));
                e = levels.back()->target.get();
            }
            uint32_t generic = kNoAux;
            if (e->kind == ExprKind::Name) {
                auto* n = static_cast<const NameExpr*>(e);
                if (n->ref.scope != Scope::MeMember && n->ref.scope != Scope::Builtin) {
                    CallSite& test = site();
                    test.name = n;
                    generic = emit(Opc::ArrayTest, 0, 0, 0, 0, aux(&test));
                    CallSite& cs = site();
                    cs.node = c;
                    cs.name = n;
                    cs.isSet = s.isSet;
                    const int top = m_top;
                    uint16_t base = uint16_t(m_top);
                    for (size_t i = levels.size(); i-- > 0;) {
                        cs.levels.push_back(uint16_t(levels[i]->args.size()));
                        args(levels[i]->args, cs, false);
                    }
                    cs.levels.push_back(uint16_t(c->args.size()));
                    args(c->args, cs, false);
                    emit(Opc::SetNested, base, v, 0, 0, aux(&cs));
                    m_top = top;
                    uint32_t done = emit(Opc::Jmp);
                    patch(generic);
                    genericCallStore(c, v, s.isSet);
                    patch(done);
                    return;
                }
            }
        }
        if (callee->kind == ExprKind::Literal) {
            emit(Opc::Raise, 0, 0, 0, int32_t(Err::TypeMismatch));
            return;
        }
        genericCallStore(c, v, s.isSet);
    }

    // callee(args) = v for a callee that is some other expression: its default member.
    void genericCallStore(const CallExpr* c, uint16_t v, bool isSet) {
        const int top = m_top;
        uint16_t callee = temp();
        valueTo(c->target.get(), callee);
        CallSite& cs = site();
        cs.node = c;
        cs.isSet = isSet;
        cs.parens = true;
        uint16_t base = args(c->args, cs, false);
        emit(Opc::SetCall, base, v, callee, 0, aux(&cs));
        m_top = top;
    }

    // Conditions: a jump to be patched, taken when the condition is `when` (a failing
    // condition resumes at the Site's own target).
    uint32_t condJump(const Expr* e, bool when) {
        const int top = m_top;
        uint32_t at;
        if (e->kind == ExprKind::Binary && static_cast<const BinaryExpr*>(e)->op >= Op::Eq &&
            static_cast<const BinaryExpr*>(e)->op <= Op::Ge) {
            auto* b = static_cast<const BinaryExpr*>(e);
            uint16_t l, r;
            operands(b, l, r);
            uint8_t f = uint8_t((isLiteral(b->left.get()) ? kLitLeft : 0) |
                                (isLiteral(b->right.get()) ? kLitRight : 0) | (when ? 4 : 0));
            at = emit(Opc::JCmp, uint16_t(b->op), l, r, 0, kNoAux, f);
        } else {
            uint16_t r = operand(e);
            at = emit(when ? Opc::JTrue : Opc::JFalse, 0, r);
        }
        m_top = top;
        return at;
    }

    void ifStmt(const IfStmt& s) {
        const uint32_t mine = m_site;
        std::vector<uint32_t> ends;
        for (size_t i = 0; i < s.conds.size(); ++i) {
            // Resumed past a failing condition, execution goes into its block.
            uint32_t cond = newSite(s.line, s.col);
            m_site = cond;
            uint32_t skip = condJump(s.conds[i].get(), false);
            m_site = mine;
            m_c.sites[cond].resume = here();
            block(s.blocks[i]);
            if (i + 1 < s.conds.size() || !s.elseBlock.empty()) ends.push_back(emit(Opc::Jmp));
            patch(skip);
        }
        block(s.elseBlock);
        for (uint32_t e : ends)
            patch(e);
    }

    void selectStmt(const SelectStmt& s) {
        const uint32_t mine = m_site;
        uint16_t subject = temp();
        valueTo(s.subject.get(), subject);
        emit(Opc::Scalar, subject, subject);
        std::vector<std::vector<uint32_t>> jumps(s.cases.size()), sites(s.cases.size());
        for (size_t i = 0; i < s.cases.size(); ++i) {
            for (const auto& ve : s.cases[i].values) {
                // A failing Case expression falls into its block.
                uint32_t vs = newSite(s.line, s.col);
                sites[i].push_back(vs);
                m_site = vs;
                const int top = m_top;
                uint16_t v = operand(ve.get());
                jumps[i].push_back(
                    emit(Opc::CaseJump, 0, subject, v, 0, kNoAux, ve->kind == ExprKind::Literal ? 1 : 0));
                m_top = top;
                m_site = mine;
            }
        }
        block(s.elseBlock);
        std::vector<uint32_t> ends;
        ends.push_back(emit(Opc::Jmp));
        for (size_t i = 0; i < s.cases.size(); ++i) {
            for (uint32_t j : jumps[i])
                patch(j);
            for (uint32_t vs : sites[i])
                m_c.sites[vs].resume = here();
            block(s.cases[i].body);
            ends.push_back(emit(Opc::Jmp));
        }
        for (uint32_t e : ends)
            patch(e);
    }

    void forStmt(const ForStmt& s) {
        const uint32_t mine = m_site;
        auto* var = static_cast<const NameExpr*>(s.var.get());
        uint16_t st = temps(4);
        // Resumed past a failing header, the body runs once, then Next finds no loop.
        uint32_t header = newSite(s.line, s.col);
        m_site = header;
        valueTo(s.from.get(), st);
        valueTo(s.to.get(), uint16_t(st + 1));
        if (s.step)
            valueTo(s.step.get(), uint16_t(st + 2));
        else
            emit(Opc::Move, uint16_t(st + 2), constant(Value::integer(1)));
        uint32_t prep = emit(Opc::ForPrep, st, 0, 0, 0, aux(var));
        m_site = mine;
        uint32_t body = here();
        m_loops.push_back({true, m_withs.size(), -1, {}});
        block(s.body);
        // A global counter steps through the cached address of its symbol (b: its RK).
        emit(Opc::ForStep, st, var->ref.scope == Scope::Global ? global(var) : uint16_t(0), 0, int32_t(body),
             aux(var));
        std::vector<uint32_t> exits = std::move(m_loops.back().exits);
        m_loops.pop_back();
        patch(prep);
        uint32_t over = emit(Opc::Jmp);
        m_c.sites[header].resume = here();
        emit(Opc::ForOnce, st, 0, 0, int32_t(body));
        patch(over);
        for (uint32_t e : exits)
            patch(e);
    }

    void forEachStmt(const ForEachStmt& s) {
        const uint32_t mine = m_site;
        auto* var = static_cast<const NameExpr*>(s.var.get());
        uint16_t st = temps(2);
        uint32_t header = newSite(s.line, s.col);
        m_site = header;
        valueTo(s.collection.get(), st);
        uint32_t prep = emit(Opc::ForEachPrep, st, 0, 0, 0, aux(var));
        m_site = mine;
        uint32_t body = here();
        m_loops.push_back({true, m_withs.size(), st, {}});
        block(s.body);
        emit(Opc::ForEachNext, st, 0, 0, int32_t(body), aux(var));
        std::vector<uint32_t> exits = std::move(m_loops.back().exits);
        m_loops.pop_back();
        patch(prep);
        for (uint32_t e : exits)
            patch(e);
        emit(Opc::ClearSlot, st, 0, 1);
        uint32_t over = emit(Opc::Jmp);
        m_c.sites[header].resume = here();
        emit(Opc::ForEachOnce, st, 0, 0, int32_t(body));
        patch(over);
    }

    void doStmt(const DoStmt& s) {
        const uint32_t mine = m_site;
        const bool pre = s.mode == LoopCond::PreWhile || s.mode == LoopCond::PreUntil;
        const bool post = s.mode == LoopCond::PostWhile || s.mode == LoopCond::PostUntil;
        const bool until = s.mode == LoopCond::PreUntil || s.mode == LoopCond::PostUntil;
        uint32_t top = here();
        uint32_t preExit = kNoAux, postExit = kNoAux, preSite = 0, postSite = 0;
        if (pre) {
            // Resumed past a failing test that comes first, the body runs.
            preSite = newSite(s.line, s.col);
            m_site = preSite;
            preExit = condJump(s.cond.get(), until);
            m_site = mine;
            m_c.sites[preSite].resume = here();
        }
        m_loops.push_back({false, m_withs.size(), -1, {}});
        block(s.body);
        std::vector<uint32_t> exits = std::move(m_loops.back().exits);
        m_loops.pop_back();
        if (post) {
            // Resumed past a failing test that comes last, the loop ends.
            postSite = newSite(s.line, s.col);
            m_site = postSite;
            postExit = condJump(s.cond.get(), until);
            m_site = mine;
        }
        emit(Opc::Loop, 0, 0, 0, int32_t(top));
        if (preExit != kNoAux) patch(preExit);
        if (postExit != kNoAux) patch(postExit);
        if (post) m_c.sites[postSite].resume = here();
        for (uint32_t e : exits)
            patch(e);
    }

    void clearWiths(size_t downTo) {
        for (size_t i = m_withs.size(); i-- > downTo;)
            emit(Opc::ClearSlot, uint16_t(m_withs[i]));
    }

    void exitStmt(const ExitStmt& s) {
        if (s.what == ExitKind::Do || s.what == ExitKind::For) {
            const bool isFor = s.what == ExitKind::For;
            for (size_t i = m_loops.size(); i-- > 0;) {
                if (m_loops[i].isFor != isFor) continue;
                clearWiths(m_loops[i].withDepth);
                // For Each loops left on the way release what they go through.
                for (size_t k = m_loops.size(); k-- > i + 1;)
                    if (m_loops[k].eachState >= 0) emit(Opc::ClearSlot, uint16_t(m_loops[k].eachState), 0, 1);
                m_loops[i].exits.push_back(emit(Opc::Jmp));
                return;
            }
            return; // the compiler refuses an Exit outside its loop
        }
        clearWiths(0);
        emit(Opc::Ret);
    }

    void dimStmt(const DimStmt& s) {
        if (s.isConst) return; // constants are set when their scope starts
        for (const auto& it : s.items) {
            const NameRef& r = it.var->ref;
            // Code run by Execute in a procedure: its Dim declares one of the procedure's names.
            if (m_p.scopeSlot >= 0 && m_p.kind == ProcKind::Global && r.scope == Scope::Local)
                emit(Opc::DimDeclare, 0, 0, uint16_t(r.slot));
            if (!it.hasBounds) continue;
            const int top = m_top;
            uint16_t base = boundValues(it.bounds);
            emit(Opc::Dim, 0, base, uint16_t(it.bounds.size()), 0, aux(&it));
            m_top = top;
        }
    }

    void reDimStmt(const ReDimStmt& s) {
        for (const auto& it : s.items) {
            // A fixed array refuses before its new bounds are looked at.
            if (!s.preserve) emit(Opc::ReDimCheck, 0, 0, 0, 0, aux(it.var.get()));
            const int top = m_top;
            uint16_t base = boundValues(it.bounds);
            emit(Opc::ReDim, 0, base, uint16_t(it.bounds.size()), 0, aux(&it), s.preserve ? 1 : 0);
            m_top = top;
        }
    }

    uint16_t boundValues(const std::vector<ExprPtr>& bounds) {
        if (bounds.size() > size_t(Array::kMaxDims)) {
            emit(Opc::Raise, 0, 0, 0, int32_t(Err::SubscriptOutOfRange));
            return uint16_t(m_top);
        }
        uint16_t base = temps(bounds.size());
        for (size_t i = 0; i < bounds.size(); ++i)
            valueTo(bounds[i].get(), uint16_t(base + i));
        return base;
    }

    void withStmt(const WithStmt& s) {
        const uint32_t mine = m_site;
        // Resumed past a failing object, the body runs with none.
        uint32_t obj = newSite(s.line, s.col);
        m_site = obj;
        const int top = m_top;
        uint16_t v = operand(s.object.get());
        uint32_t begin = emit(Opc::WithBegin, uint16_t(s.slot), v);
        m_top = top;
        m_site = mine;
        m_c.sites[obj].resume = here();
        emit(Opc::ClearSlot, uint16_t(s.slot));
        patch(begin);
        m_withs.push_back(s.slot);
        block(s.body);
        m_withs.pop_back();
        emit(Opc::ClearSlot, uint16_t(s.slot));
    }

    // ---- expressions ----

    // An RK operand for e: a register, constant or global read in place, else a temporary.
    uint16_t operand(const Expr* e) {
        if (e->kind == ExprKind::Literal) return constant(static_cast<const LiteralExpr*>(e)->value);
        if (e->kind == ExprKind::Name) {
            auto* n = static_cast<const NameExpr*>(e);
            switch (n->ref.scope) {
            case Scope::Local:
                return uint16_t(n->ref.slot);
            case Scope::Global:
                return global(n);
            case Scope::Constant:
                return constant(*n->ref.constant);
            default:
                break;
            }
        }
        uint16_t t = temp();
        valueTo(e, t);
        return t;
    }

    // An operand that is a register: a variable's slot or a temporary.
    uint16_t registerOf(const Expr* e) {
        if (e->kind == ExprKind::Name && static_cast<const NameExpr*>(e)->ref.scope == Scope::Local)
            return uint16_t(static_cast<const NameExpr*>(e)->ref.slot);
        uint16_t t = temp();
        valueTo(e, t);
        return t;
    }

    // The value of e in a temporary.
    uint16_t value(const Expr* e) {
        uint16_t t = temp();
        valueTo(e, t);
        return t;
    }

    void operands(const BinaryExpr* b, uint16_t& l, uint16_t& r) {
        l = operand(b->left.get());
        // The code on the right may reassign the variable on the left: read it first.
        if (!isTemp(l) && (l & kKindMask) != kConst && !isPlain(b->right.get())) {
            uint16_t t = temp();
            emit(Opc::Move, t, l);
            l = t;
        }
        r = operand(b->right.get());
    }

    void binary(const BinaryExpr* b, uint16_t dst) {
        const int top = m_top;
        uint16_t l, r;
        operands(b, l, r);
        Opc op = binaryOpcode(b->op);
        uint8_t f =
            uint8_t((isLiteral(b->left.get()) ? kLitLeft : 0) | (isLiteral(b->right.get()) ? kLitRight : 0));
        emit(op, dst, l, r, op == Opc::Bin ? int32_t(b->op) : 0, kNoAux, f);
        m_top = top;
    }

    void valueTo(const Expr* e, uint16_t dst) {
        switch (e->kind) {
        case ExprKind::Literal:
            emit(Opc::Move, dst, constant(static_cast<const LiteralExpr*>(e)->value));
            return;
        case ExprKind::Name: {
            auto* n = static_cast<const NameExpr*>(e);
            switch (n->ref.scope) {
            case Scope::Local:
            case Scope::Global:
            case Scope::Constant:
                emit(Opc::Move, dst, operand(e));
                return;
            case Scope::Field:
                emit(Opc::GetField, dst, 0, uint16_t(n->ref.slot));
                return;
            default:
                emit(Opc::GetName, dst, 0, 0, 0, aux(n));
                return;
            }
        }
        case ExprKind::Call:
            call(static_cast<const CallExpr*>(e), dst, false, -1);
            return;
        case ExprKind::Member:
            member(static_cast<const MemberExpr*>(e), nullptr, dst, false);
            return;
        case ExprKind::Unary: {
            auto* u = static_cast<const UnaryExpr*>(e);
            if (u->op == Op::Plus) { // +x is x itself, even an object
                valueTo(u->operand.get(), dst);
                return;
            }
            const int top = m_top;
            uint16_t o = operand(u->operand.get());
            emit(u->op == Op::Neg ? Opc::Neg : Opc::Not, dst, o);
            m_top = top;
            return;
        }
        case ExprKind::Binary:
            binary(static_cast<const BinaryExpr*>(e), dst);
            return;
        case ExprKind::Paren:
            valueTo(static_cast<const ParenExpr*>(e)->inner.get(), dst);
            return;
        case ExprKind::New:
            emit(Opc::New, dst, 0, 0, 0, aux(e));
            return;
        case ExprKind::Me:
            emit(Opc::Me, dst);
            return;
        }
    }

    static bool plainArgs(const std::vector<ExprPtr>& as) {
        for (const auto& a : as)
            if (a && !isPlain(a.get())) return false;
        return true;
    }

    // An argument a procedure could take ByRef: a variable's name.
    static bool refArg(const Expr* a) {
        if (a->kind != ExprKind::Name) return false;
        Scope sc = static_cast<const NameExpr*>(a)->ref.scope;
        return sc != Scope::Builtin && sc != Scope::Constant && sc != Scope::MeMember;
    }

    // The arguments in consecutive temporaries; with refs, a block of Refs follows for the
    // arguments a procedure may take ByRef (variables and array elements).
    uint16_t args(const std::vector<ExprPtr>& as, CallSite& cs, bool refs) {
        const size_t n = as.size();
        uint16_t base = temps(n);
        uint16_t refBase = refs ? temps(n) : uint16_t(0);
        for (size_t i = 0; i < n; ++i) {
            const Expr* a = as[i].get();
            uint16_t dst = uint16_t(base + i);
            if (!a) {
                emit(Opc::Move, dst, constant(Value::error(int32_t(0x80020004))));
                if (i < 64) cs.omitted |= uint64_t(1) << i;
                continue;
            }
            if (refs && i < 64 && a->kind == ExprKind::Name) {
                Scope sc = static_cast<const NameExpr*>(a)->ref.scope;
                if (sc != Scope::Builtin && sc != Scope::Constant && sc != Scope::MeMember) {
                    emit(Opc::ArgRef, dst, uint16_t(refBase + i), 0, 0, aux(a));
                    cs.refMask |= uint64_t(1) << i;
                    continue;
                }
            }
            if (refs && i < 64 && a->kind == ExprKind::Call) {
                auto* c = static_cast<const CallExpr*>(a);
                if (c->target->kind == ExprKind::Name) {
                    Scope sc = static_cast<const NameExpr*>(c->target.get())->ref.scope;
                    if (sc != Scope::Builtin && sc != Scope::MeMember) {
                        call(c, dst, false, refBase + int(i));
                        cs.refMask |= uint64_t(1) << i;
                        continue;
                    }
                }
            }
            valueTo(a, dst);
        }
        cs.argc = uint16_t(n);
        return base;
    }

    // The object of a member access: With's, or the expression's in a register (copied first
    // when the arguments may change the variable).
    uint16_t memberObject(const MemberExpr* m, bool copy) {
        if (!m->object) {
            if (m->withSlot < 0) {
                emit(Opc::Raise, 0, 0, 0, int32_t(Err::InvalidReference)); // ".x" outside any With
                return temp();
            }
            return uint16_t(m->withSlot);
        }
        uint16_t r = registerOf(m->object.get());
        if (copy && !isTemp(r)) {
            uint16_t t = temp();
            emit(Opc::Move, t, r);
            r = t;
        }
        return r;
    }

    // obj.name or obj.name(args) into dst.
    void member(const MemberExpr* m, const CallExpr* c, uint16_t dst, bool statement) {
        const int top = m_top;
        uint16_t obj = memberObject(m, c && !plainArgs(c->args));
        CallSite& cs = site();
        cs.node = c ? static_cast<const Expr*>(c) : m;
        cs.member = m;
        cs.cache = const_cast<MemberCache*>(&m->cache);
        cs.statement = statement;
        cs.parens = c != nullptr;
        uint16_t base = c ? args(c->args, cs, true) : uint16_t(m_top);
        emit(Opc::CallMember, dst, base, obj, 0, aux(&cs));
        m_top = top;
    }

    // target(args) into dst; refReg >= 0: an argument, whose Ref (to an array element) goes there.
    void call(const CallExpr* c, uint16_t dst, bool statement, int refReg) {
        const Expr* t = c->target.get();
        const int top = m_top;
        if (t->kind == ExprKind::Member) {
            member(static_cast<const MemberExpr*>(t), c, dst, statement);
            return;
        }
        CallSite& cs = site();
        cs.node = c;
        cs.statement = statement;
        cs.parens = true;
        if (t->kind == ExprKind::Name) {
            auto* n = static_cast<const NameExpr*>(t);
            cs.name = n;
            const NameRef& r = n->ref;
            if (r.scope == Scope::Builtin) {
                cs.builtin = r.builtin;
                const int count = int(c->args.size());
                if (count < r.builtin->minArgs || count > r.builtin->maxArgs) {
                    emit(Opc::Raise, 0, 0, 0, int32_t(Err::WrongArgCount), aux(&r.builtin->name));
                    return;
                }
                uint16_t base = args(c->args, cs, false);
                emit(Opc::CallBuiltin, dst, base, 0, 0, aux(&cs));
                m_top = top;
                return;
            }
            // One index into a variable: the element in place, the index read where it stands.
            if (refReg < 0 && !statement && c->args.size() == 1 && c->args[0] &&
                (r.scope == Scope::Local || r.scope == Scope::Field || r.scope == Scope::Global)) {
                cs.argc = 1;
                cs.refMask = refArg(c->args[0].get()) ? 1 : 0;
                uint16_t ix = operand(c->args[0].get());
                emit(Opc::GetElem, dst, ix, 0, 0, aux(&cs));
                m_top = top;
                return;
            }
            // Procedures and methods may take their arguments ByRef.
            const bool refs = r.scope == Scope::Global || r.scope == Scope::ImplicitLocal ||
                              r.scope == Scope::MeMember || refReg >= 0;
            uint16_t base = args(c->args, cs, refs);
            if (refReg >= 0) {
                cs.wantRef = true;
                emit(Opc::CallName, dst, base, uint16_t(refReg), 0, aux(&cs));
            } else {
                emit(Opc::CallName, dst, base, 0, 0, aux(&cs));
            }
            m_top = top;
            return;
        }
        uint16_t callee = value(t);
        uint16_t base = args(c->args, cs, true);
        emit(Opc::CallValue, dst, base, callee, 0, aux(&cs));
        m_top = top;
    }

    ProcDef& m_p;
    Code& m_c;
    int m_top;
    uint32_t m_site = 0;
    std::vector<LoopCtx> m_loops;
    std::vector<int> m_withs;
};

} // namespace

void emitProc(ProcDef& p, bool expression) {
    p.code = std::make_shared<Code>();
    Emitter e(p, *p.code);
    e.run(expression);
}

} // namespace vbs
