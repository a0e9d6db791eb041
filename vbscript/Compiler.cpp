#include "Compiler.h"

#include "Bytecode.h"

#include "Convert.h"
#include "Operators.h"
#include "builtins/Builtins.h"

#include <unordered_set>

namespace vbs {

int ClassDef::findMember(std::u16string_view name) const {
    for (size_t i = 0; i < members.size(); ++i)
        if (equalsNoCase(members[i].name, name)) return int(i);
    return -1;
}

namespace {

[[noreturn]] void compileError(Err e, int line, int col, std::u16string_view detail = {}) {
    ScriptError err;
    err.number = int32_t(e);
    err.description = std::u16string(errorText(err.number));
    (void)detail;
    err.line = line;
    err.column = col;
    err.compile = true;
    throw err;
}

// Const values are literals, possibly negated.
Value constValue(const Expr* e) {
    if (e->kind == ExprKind::Literal) return static_cast<const LiteralExpr*>(e)->value;
    if (e->kind == ExprKind::Unary) {
        auto* u = static_cast<const UnaryExpr*>(e);
        return opNeg(constValue(u->operand.get()));
    }
    return {};
}

class Compiler {
  public:
    Compiler(Interp& rt, Unit& unit, const ProcDef* outer, const std::vector<std::u16string>* added)
        : m_rt(rt), m_unit(unit), m_outer(outer), m_added(added) {}

    void run() {
        for (auto& c : m_unit.classes)
            declareClass(*c);
        for (auto& p : m_unit.procs) {
            int g = m_rt.globalSymbol(p->name);
            GlobalSymbol& s = m_rt.global(g);
            s.proc = p.get();
            s.cls = nullptr;
            s.declared = true;
        }
        m_unit.global.unit = &m_unit;
        for (auto& p : m_unit.procs)
            p->unit = &m_unit;
        for (auto& c : m_unit.classes)
            for (auto& p : c->procs)
                p->unit = &m_unit;
        m_unit.global.kind = ProcKind::Global;
        m_unit.global.name = u"";
        declareGlobals(m_unit.global.body);
        for (auto& c : m_unit.classes)
            for (auto& p : c->procs)
                compileProc(*p, c.get());
        for (auto& p : m_unit.procs)
            compileProc(*p, nullptr);
        // Script-level code: names are globals unless an Execute runs it in a procedure.
        ProcScope sc;
        sc.proc = &m_unit.global;
        sc.isGlobal = true;
        if (m_outer) {
            sc.cls = m_outer->owner;
            for (size_t i = 0; i < m_outer->slotNames.size(); ++i)
                if (!m_outer->slotNames[i].empty())
                    sc.locals.emplace(lowerName(m_outer->slotNames[i]), int(i));
            m_unit.global.slotNames = m_outer->slotNames;
            // Variables earlier Executes gave this call follow the procedure's own slots.
            if (m_added)
                for (const auto& name : *m_added) {
                    sc.locals.emplace(lowerName(name), int(m_unit.global.slotNames.size()));
                    m_unit.global.slotNames.push_back(name);
                }
            m_unit.global.slotCount = int(m_unit.global.slotNames.size());
            m_unit.global.owner = m_outer->owner;
            m_unit.global.scopeSlot = m_outer->scopeSlot;
            sc.isGlobal = false;
            // A Dim of the text declares a variable of the call; new names become ones too.
            declareLocals(sc, m_unit.global.body, true);
        }
        m_scope = &sc;
        block(m_unit.global.body);
        m_scope = nullptr;
        // Code last: a procedure's slots are known once all of the unit is resolved.
        for (auto& c : m_unit.classes)
            for (auto& p : c->procs)
                emitProc(*p, false);
        for (auto& p : m_unit.procs)
            emitProc(*p, false);
        emitProc(m_unit.global, m_unit.expression);
    }

  private:
    struct ProcScope {
        ProcDef* proc = nullptr;
        ClassDef* cls = nullptr;
        bool isGlobal = false;
        bool usesExecute = false; // names Execute or Eval: calls need an ExecuteScope slot
        std::unordered_map<std::u16string, int> locals;
        std::unordered_map<std::u16string, int> implicitLocals; // undeclared names: slot
        std::unordered_set<int> consts;
        std::vector<int> withSlots;
        int loops[2] = {0, 0}; // Do, For nesting
    };

    void declareClass(ClassDef& c) {
        int g = m_rt.globalSymbol(c.name);
        GlobalSymbol& s = m_rt.global(g);
        s.cls = &c;
        s.proc = nullptr;
        s.declared = true;
        for (size_t i = 0; i < c.fields.size(); ++i) {
            auto& f = c.fields[i];
            if (c.findMember(f.name) >= 0) compileError(Err::NameRedefined, 0, 0);
            ClassMember m;
            m.name = f.name;
            m.isPublic = f.isPublic;
            m.field = int(i);
            c.members.push_back(std::move(m));
        }
        for (auto& pp : c.procs) {
            ProcDef& p = *pp;
            if (equalsNoCase(p.name, u"class_initialize") || equalsNoCase(p.name, u"class_terminate")) {
                if (p.kind != ProcKind::Sub) compileError(Err::SyntaxError, p.line, p.col);
                if (!p.params.empty()) compileError(Err::InitTerminateArgs, p.line, p.col);
                (equalsNoCase(p.name, u"class_initialize") ? c.initialize : c.terminate) = &p;
            }
            int idx = c.findMember(p.name);
            if (idx < 0) {
                ClassMember m;
                m.name = p.name;
                m.isPublic = p.isPublic;
                c.members.push_back(std::move(m));
                idx = int(c.members.size() - 1);
            }
            ClassMember& m = c.members[size_t(idx)];
            bool isProp = p.kind == ProcKind::PropertyGet || p.kind == ProcKind::PropertyLet ||
                          p.kind == ProcKind::PropertySet;
            if (m.field >= 0 || m.method || (!isProp && (m.get || m.let || m.set)))
                compileError(Err::NameRedefined, p.line, p.col);
            ProcDef** slot = p.kind == ProcKind::PropertyGet   ? &m.get
                             : p.kind == ProcKind::PropertyLet ? &m.let
                             : p.kind == ProcKind::PropertySet ? &m.set
                                                               : &m.method;
            if (*slot) compileError(Err::NameRedefined, p.line, p.col);
            *slot = &p;
            if (p.isPublic) m.isPublic = true;
            if (p.isDefault) {
                if (c.defaultMember >= 0 && c.defaultMember != idx)
                    compileError(Err::MultipleDefault, p.line, p.col);
                c.defaultMember = idx;
            }
        }
        for (auto& m : c.members) {
            // Get takes n arguments, Let / Set the same n plus the value.
            if (m.get && m.let && m.get->params.size() + 1 != m.let->params.size())
                compileError(Err::InconsistentPropertyArgs, m.let->line, m.let->col);
            if (m.get && m.set && m.get->params.size() + 1 != m.set->params.size())
                compileError(Err::InconsistentPropertyArgs, m.set->line, m.set->col);
        }
    }

    // Script-level Dim / Const anywhere in the top-level statements (not in procedures).
    void declareGlobals(const Block& b) {
        for (auto& sp : b) {
            const Stmt& s = *sp;
            switch (s.kind) {
            case StmtKind::Dim: {
                auto& d = static_cast<const DimStmt&>(s);
                for (size_t i = 0; i < d.items.size(); ++i) {
                    if (m_outer) continue;
                    int g = m_rt.globalSymbol(d.items[i].var->name);
                    GlobalSymbol& gs = m_rt.global(g);
                    if (d.isConst) {
                        // A Const takes no name that already means something.
                        if (gs.declared || gs.proc || gs.cls)
                            compileError(Err::NameRedefined, d.items[i].var->line, d.items[i].var->col);
                        gs.isConst = true;
                        gs.value = constValue(d.constValues[i].get());
                        m_unit.constants.push_back(gs.value);
                        m_ownConsts[lowerName(d.items[i].var->name)] = &m_unit.constants.back();
                    } else if (gs.isConst && !gs.namedItem && !gs.value.isObject()) {
                        // Dim over a script's Const: a fresh variable from here on.
                        gs.isConst = false;
                        gs.value = Value();
                    }
                    gs.declared = true;
                }
                break;
            }
            case StmtKind::ReDim:
                if (!m_outer)
                    for (auto& it : static_cast<const ReDimStmt&>(s).items)
                        m_rt.global(m_rt.globalSymbol(it.var->name)).declared = true;
                break;
            case StmtKind::If: {
                auto& i = static_cast<const IfStmt&>(s);
                for (auto& bl : i.blocks)
                    declareGlobals(bl);
                declareGlobals(i.elseBlock);
                break;
            }
            case StmtKind::Select: {
                auto& sel = static_cast<const SelectStmt&>(s);
                for (auto& c : sel.cases)
                    declareGlobals(c.body);
                declareGlobals(sel.elseBlock);
                break;
            }
            case StmtKind::For:
                declareGlobals(static_cast<const ForStmt&>(s).body);
                break;
            case StmtKind::ForEach:
                declareGlobals(static_cast<const ForEachStmt&>(s).body);
                break;
            case StmtKind::Do:
                declareGlobals(static_cast<const DoStmt&>(s).body);
                break;
            case StmtKind::With:
                declareGlobals(static_cast<const WithStmt&>(s).body);
                break;
            default:
                break;
            }
        }
    }

    int addSlot(ProcScope& sc, const std::u16string& name) {
        int slot = sc.proc->slotCount++;
        sc.proc->slotNames.resize(size_t(sc.proc->slotCount));
        sc.proc->slotNames[size_t(slot)] = name;
        if (!name.empty()) sc.locals.emplace(lowerName(name), slot);
        return slot;
    }

    // executed: the text of an Execute in a procedure, whose Dim may name the procedure's variables.
    void declareLocals(ProcScope& sc, const Block& b, bool executed = false) {
        for (auto& sp : b) {
            const Stmt& s = *sp;
            switch (s.kind) {
            case StmtKind::Dim: {
                auto& d = static_cast<const DimStmt&>(s);
                for (size_t i = 0; i < d.items.size(); ++i) {
                    auto& it = d.items[i];
                    auto key = lowerName(it.var->name);
                    if (sc.locals.count(key)) {
                        if (executed && !d.isConst) continue;
                        compileError(Err::NameRedefined, it.var->line, it.var->col);
                    }
                    int slot = addSlot(sc, it.var->name);
                    if (d.isConst) {
                        sc.consts.insert(slot);
                        sc.proc->constInits.emplace_back(slot, constValue(d.constValues[i].get()));
                    }
                }
                break;
            }
            case StmtKind::ReDim:
                for (auto& it : static_cast<const ReDimStmt&>(s).items)
                    if (!sc.locals.count(lowerName(it.var->name)) &&
                        !(sc.cls && sc.cls->findMember(it.var->name) >= 0) && !declaredGlobal(it.var->name))
                        addSlot(sc, it.var->name);
                break;
            case StmtKind::If: {
                auto& i = static_cast<const IfStmt&>(s);
                for (auto& bl : i.blocks)
                    declareLocals(sc, bl, executed);
                declareLocals(sc, i.elseBlock, executed);
                break;
            }
            case StmtKind::Select: {
                auto& sel = static_cast<const SelectStmt&>(s);
                for (auto& c : sel.cases)
                    declareLocals(sc, c.body, executed);
                declareLocals(sc, sel.elseBlock, executed);
                break;
            }
            case StmtKind::For:
                declareLocals(sc, static_cast<const ForStmt&>(s).body, executed);
                break;
            case StmtKind::ForEach:
                declareLocals(sc, static_cast<const ForEachStmt&>(s).body, executed);
                break;
            case StmtKind::Do:
                declareLocals(sc, static_cast<const DoStmt&>(s).body, executed);
                break;
            case StmtKind::With:
                declareLocals(sc, static_cast<const WithStmt&>(s).body, executed);
                break;
            default:
                break;
            }
        }
    }

    bool declaredGlobal(const std::u16string& name) {
        int g = m_rt.findGlobal(name);
        return g >= 0 && m_rt.global(g).declared;
    }

    void compileProc(ProcDef& p, ClassDef* cls) {
        ProcScope sc;
        sc.proc = &p;
        sc.cls = cls;
        p.slotCount = 1;
        p.slotNames.assign(1, u"");
        if (p.kind == ProcKind::Function || p.kind == ProcKind::PropertyGet) {
            p.slotNames[0] = p.name;
            sc.locals.emplace(lowerName(p.name), 0);
        }
        for (auto& prm : p.params)
            addSlot(sc, prm.name);
        declareLocals(sc, p.body);
        m_scope = &sc;
        block(p.body);
        m_scope = nullptr;
        if (sc.usesExecute) p.scopeSlot = addSlot(sc, u"");
    }

    void block(Block& b) {
        for (auto& s : b)
            stmt(*s);
    }

    void stmt(Stmt& s) {
        ProcScope& sc = *m_scope;
        switch (s.kind) {
        case StmtKind::Call: {
            auto& c = static_cast<CallStmt&>(s);
            expr(c.call.get());
            break;
        }
        case StmtKind::Assign: {
            auto& a = static_cast<AssignStmt&>(s);
            target(a.target.get());
            if (a.target->kind == ExprKind::Name) unfixConst(static_cast<NameExpr&>(*a.target).ref);
            expr(a.value.get());
            if (!a.isSet && a.target->kind == ExprKind::Name && a.value->kind == ExprKind::Binary) {
                auto* b = static_cast<const BinaryExpr*>(a.value.get());
                auto plain = [](const Expr* e) {
                    if (e->kind == ExprKind::Literal) return true;
                    if (e->kind != ExprKind::Name) return false;
                    Scope sc = static_cast<const NameExpr*>(e)->ref.scope;
                    return sc == Scope::Local || sc == Scope::Global || sc == Scope::Constant ||
                           sc == Scope::Field;
                };
                Scope ts = static_cast<const NameExpr*>(a.target.get())->ref.scope;
                a.arith = (b->op == Op::Add || b->op == Op::Sub || b->op == Op::Mul) &&
                          plain(b->left.get()) && plain(b->right.get()) &&
                          (ts == Scope::Local || ts == Scope::Global || ts == Scope::Field);
            }
            if (!a.isSet && a.target->kind == ExprKind::Name) {
                // target = target & ... appends in place.
                const Expr* e = a.value.get();
                while (e->kind == ExprKind::Binary && static_cast<const BinaryExpr*>(e)->op == Op::Concat)
                    e = static_cast<const BinaryExpr*>(e)->left.get();
                if (e != a.value.get() && e->kind == ExprKind::Name) {
                    auto* t = static_cast<const NameExpr*>(a.target.get());
                    auto* l = static_cast<const NameExpr*>(e);
                    a.append = t->ref.scope == l->ref.scope && t->ref.slot == l->ref.slot &&
                               t->ref.global == l->ref.global &&
                               (t->ref.scope == Scope::Local || t->ref.scope == Scope::Global ||
                                t->ref.scope == Scope::Field);
                }
            }
            break;
        }
        case StmtKind::If: {
            auto& i = static_cast<IfStmt&>(s);
            for (auto& c : i.conds)
                expr(c.get());
            for (auto& b : i.blocks)
                block(b);
            block(i.elseBlock);
            break;
        }
        case StmtKind::Select: {
            auto& sel = static_cast<SelectStmt&>(s);
            expr(sel.subject.get());
            for (auto& c : sel.cases) {
                for (auto& v : c.values)
                    expr(v.get());
                block(c.body);
            }
            block(sel.elseBlock);
            break;
        }
        case StmtKind::For: {
            auto& f = static_cast<ForStmt&>(s);
            target(f.var.get());
            expr(f.from.get());
            expr(f.to.get());
            if (f.step) expr(f.step.get());
            ++sc.loops[1];
            block(f.body);
            --sc.loops[1];
            break;
        }
        case StmtKind::ForEach: {
            auto& f = static_cast<ForEachStmt&>(s);
            target(f.var.get());
            expr(f.collection.get());
            ++sc.loops[1];
            block(f.body);
            --sc.loops[1];
            break;
        }
        case StmtKind::Do: {
            auto& d = static_cast<DoStmt&>(s);
            if (d.cond) expr(d.cond.get());
            ++sc.loops[0];
            block(d.body);
            --sc.loops[0];
            break;
        }
        case StmtKind::Exit: {
            auto& e = static_cast<ExitStmt&>(s);
            bool ok = false;
            ProcKind k = sc.proc->kind;
            switch (e.what) {
            case ExitKind::Do:
                ok = sc.loops[0] > 0;
                break;
            case ExitKind::For:
                ok = sc.loops[1] > 0;
                break;
            case ExitKind::Sub:
                ok = k == ProcKind::Sub;
                break;
            case ExitKind::Function:
                ok = k == ProcKind::Function;
                break;
            case ExitKind::Property:
                ok = k == ProcKind::PropertyGet || k == ProcKind::PropertyLet || k == ProcKind::PropertySet;
                break;
            }
            if (!ok) compileError(Err::InvalidExit, s.line, s.col);
            break;
        }
        case StmtKind::Dim: {
            auto& d = static_cast<DimStmt&>(s);
            for (auto& it : d.items) {
                expr(it.var.get());
                for (auto& b : it.bounds)
                    expr(b.get());
            }
            break;
        }
        case StmtKind::ReDim: {
            auto& d = static_cast<ReDimStmt&>(s);
            for (auto& it : d.items) {
                target(it.var.get());
                for (auto& b : it.bounds)
                    expr(b.get());
            }
            break;
        }
        case StmtKind::Erase:
            expr(static_cast<EraseStmt&>(s).var.get());
            break;
        case StmtKind::With: {
            auto& w = static_cast<WithStmt&>(s);
            expr(w.object.get());
            w.slot = addSlot(sc, u"");
            sc.withSlots.push_back(w.slot);
            block(w.body);
            sc.withSlots.pop_back();
            break;
        }
        case StmtKind::OnError:
        case StmtKind::Nop:
            break;
        }
    }

    // A name being assigned: for the list of undefined names, a variable the text makes itself.
    void target(Expr* e) {
        m_assigning = e && e->kind == ExprKind::Name;
        expr(e);
        m_assigning = false;
    }

    void expr(Expr* e) {
        if (!e) return;
        switch (e->kind) {
        case ExprKind::Literal:
            break;
        case ExprKind::Name: {
            auto* n = static_cast<NameExpr*>(e);
            resolve(*n);
            if (n->ref.global >= 0) n->ref.sym = &m_rt.global(n->ref.global);
            break;
        }
        case ExprKind::Call: {
            auto* c = static_cast<CallExpr*>(e);
            expr(c->target.get());
            if (c->target->kind == ExprKind::Name) {
                // Inside Function F, "F(...)" is a recursive call, bare "F" the return value.
                auto* n = static_cast<NameExpr*>(c->target.get());
                ProcDef* p = m_scope->proc;
                if (n->ref.scope == Scope::Local && n->ref.slot == 0 && p->kind != ProcKind::Global) {
                    if (p->owner) {
                        n->ref.scope = Scope::MeMember;
                        n->ref.slot = p->owner->findMember(p->name);
                    } else {
                        n->ref.scope = Scope::Global;
                        n->ref.global = m_rt.globalSymbol(p->name);
                        n->ref.sym = &m_rt.global(n->ref.global);
                    }
                }
            }
            for (auto& a : c->args)
                expr(a.get());
            break;
        }
        case ExprKind::Member: {
            auto* m = static_cast<MemberExpr*>(e);
            // ".x" outside any With compiles; reaching it raises 505.
            if (m->object)
                expr(m->object.get());
            else if (!m_scope->withSlots.empty())
                m->withSlot = m_scope->withSlots.back();
            break;
        }
        case ExprKind::Unary:
            expr(static_cast<UnaryExpr*>(e)->operand.get());
            break;
        case ExprKind::Binary: {
            auto* b = static_cast<BinaryExpr*>(e);
            expr(b->left.get());
            expr(b->right.get());
            break;
        }
        case ExprKind::Paren:
            expr(static_cast<ParenExpr*>(e)->inner.get());
            break;
        case ExprKind::New: {
            auto* n = static_cast<NewExpr*>(e);
            n->global = m_rt.globalSymbol(n->className);
            break;
        }
        case ExprKind::Me:
            if (!m_scope->cls) compileError(Err::InvalidMe, e->line, e->col);
            break;
        }
    }

    void resolve(NameExpr& n) {
        ProcScope& sc = *m_scope;
        NameRef& r = n.ref;
        auto key = lowerName(n.name);
        auto it = sc.locals.find(key);
        if (it != sc.locals.end()) {
            r.scope = Scope::Local;
            r.slot = it->second;
            r.readOnly = sc.consts.count(it->second) > 0;
            return;
        }
        if (sc.cls) {
            int m = sc.cls->findMember(key);
            if (m >= 0) {
                const ClassMember& cm = sc.cls->members[size_t(m)];
                if (cm.field >= 0) {
                    r.scope = Scope::Field;
                    r.slot = cm.field;
                } else {
                    r.scope = Scope::MeMember;
                    r.slot = m;
                }
                return;
            }
        }
        if (auto own = m_ownConsts.find(key); own != m_ownConsts.end()) {
            r.scope = Scope::Constant;
            r.constant = own->second;
            r.readOnly = true;
            return;
        }
        // Script definitions first, then the language's constants and functions,
        // then members of objects added with membersGlobal. The order must not
        // depend on which names happen to have a symbol already (an engine that
        // was reset keeps its symbols, blank), or cached code would resolve differently.
        int g = m_rt.findGlobal(key);
        if (g >= 0) {
            GlobalSymbol& gs = m_rt.global(g);
            if (gs.declared || gs.proc || gs.cls) {
                r.scope = Scope::Global;
                r.global = g;
                r.readOnly = gs.isConst;
                return;
            }
        }
        if (const Value* c = findConstant(key)) {
            r.scope = Scope::Constant;
            r.constant = c;
            r.readOnly = true;
            return;
        }
        if (const BuiltinInfo* b = findBuiltin(key)) {
            if (!sc.isGlobal && (key == u"execute" || key == u"eval")) sc.usesExecute = true;
            r.scope = Scope::Builtin;
            r.builtin = b;
            return;
        }
        r.global = m_rt.globalSymbol(n.name);
        if (m_rt.global(r.global).owner()) {
            r.scope = Scope::Global;
            return;
        }
        r.checkDeclared = m_unit.optionExplicit;
        if (std::vector<UndefinedName>* log = m_rt.undefinedNameLog())
            log->push_back({toUtf8(n.name), n.line, n.col, m_assigning});
        if (sc.isGlobal) {
            r.scope = Scope::Global;
            return;
        }
        // Every mention in this procedure shares the slot and keeps asking
        // whether a global of that name has appeared (a named object the host
        // adds after the code).
        r.scope = Scope::ImplicitLocal;
        auto im = sc.implicitLocals.find(key);
        if (im != sc.implicitLocals.end()) {
            r.slot = im->second;
            return;
        }
        r.slot = addSlot(sc, u"");
        sc.proc->slotNames[size_t(r.slot)] = n.name;
        sc.implicitLocals.emplace(std::move(key), r.slot);
    }

    // An assignment to another text's Const makes the name a variable from here on (holding the
    // constant's value until assigned); the defining text keeps reading its constant.
    void unfixConst(NameRef& r) {
        if (r.scope != Scope::Global || !r.readOnly) return;
        GlobalSymbol& gs = m_rt.global(r.global);
        if (!gs.isConst || gs.namedItem || gs.value.isObject()) return;
        gs.isConst = false;
        r.readOnly = false;
    }

    Interp& m_rt;
    Unit& m_unit;
    std::unordered_map<std::u16string, const Value*> m_ownConsts;
    const ProcDef* m_outer;
    const std::vector<std::u16string>* m_added;
    ProcScope* m_scope = nullptr;
    bool m_assigning = false;
};

} // namespace

void compileUnit(Interp& rt, Unit& unit, const ProcDef* scope, const std::vector<std::u16string>* added) {
    Compiler c(rt, unit, scope, added);
    c.run();
}

} // namespace vbs
