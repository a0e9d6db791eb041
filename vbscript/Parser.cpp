#include "Parser.h"

#include "Errors.h"

#include <span>

namespace vbs {

namespace {

class Parser {
  public:
    explicit Parser(Unit& unit) : m_unit(unit), m_toks(tokenize(unit.source)) {}

    // program := { [statement | procDecl | classDecl] EOS }
    void program() {
        while (kind() != Tok::Eof) {
            if (isSep()) {
                ++m_p;
                continue;
            }
            topStatement();
            endOfStatement();
        }
    }

    // exprUnit := expr EOF
    void expressionOnly() {
        while (isSep())
            ++m_p;
        auto s = std::make_unique<CallStmt>();
        at(*s);
        s->call = expr();
        while (isSep())
            ++m_p;
        if (kind() != Tok::Eof) fail(Err::ExpectedEndOfStatement);
        m_unit.global.body.push_back(std::move(s));
    }

  private:
    // ---- token helpers ----
    const Token& tok() const { return m_toks[m_p]; }
    Tok kind() const { return m_toks[m_p].kind; }
    Tok peekKind(size_t k = 1) const { return m_p + k < m_toks.size() ? m_toks[m_p + k].kind : Tok::Eof; }
    bool isSep() const { return kind() == Tok::Newline || kind() == Tok::Colon; }
    bool atEos() const {
        Tok k = kind();
        return k == Tok::Newline || k == Tok::Colon || k == Tok::Eof || k == Tok::Else;
    }
    bool accept(Tok k) {
        if (kind() == k) {
            ++m_p;
            return true;
        }
        return false;
    }
    void expect(Tok k, Err e) {
        if (!accept(k)) fail(e);
    }
    bool isIdent(const char16_t* word) const {
        return kind() == Tok::Identifier && equalsNoCase(tok().text, word);
    }
    // "Property" is a keyword only in "Property Get / Let / Set"; elsewhere it is a name.
    bool isName() const { return kind() == Tok::Identifier || kind() == Tok::Property; }
    bool isPropertyDecl() const {
        if (kind() != Tok::Property || m_p + 1 >= m_toks.size()) return false;
        const Token& n = m_toks[m_p + 1];
        return n.kind == Tok::Set ||
               (n.kind == Tok::Identifier && (equalsNoCase(n.text, u"get") || equalsNoCase(n.text, u"let")));
    }
    // Tokens that can begin a statement written on the same line as a Case or
    // procedure header.
    bool startsStatement() const {
        switch (kind()) {
        case Tok::Identifier:
        case Tok::Property:
        case Tok::Dot:
        case Tok::Me:
        case Tok::Dim:
        case Tok::Public:
        case Tok::Private:
        case Tok::Const:
        case Tok::ReDim:
        case Tok::If:
        case Tok::Select:
        case Tok::For:
        case Tok::Do:
        case Tok::While:
        case Tok::Exit:
        case Tok::Set:
        case Tok::Call:
        case Tok::On:
        case Tok::Erase:
        case Tok::With:
        case Tok::Stop:
            return true;
        default:
            return false;
        }
    }
    template <class T> void at(T& node) {
        node.line = tok().line;
        node.col = tok().col;
    }

    [[noreturn]] void fail(Err e) {
        ScriptError err;
        err.number = int32_t(e);
        err.description = std::u16string(errorText(err.number));
        err.line = tok().line;
        err.column = tok().col;
        err.compile = true;
        throw err;
    }

    struct Nest {
        explicit Nest(Parser& p) : m_p(p) {
            if (++p.m_depth > kMaxNesting) {
                --p.m_depth;
                p.fail(Err::OutOfStack);
            }
        }
        ~Nest() { --m_p.m_depth; }
        Parser& m_p;
    };

    void endOfStatement() {
        if (kind() == Tok::Eof) return;
        if (!isSep()) fail(Err::ExpectedEndOfStatement);
        ++m_p;
    }

    // A block's End may follow a statement on the same line without ':'
    // ("x = 1 End If"); it is left for the block to read.
    void endOfStatementOrEnd() {
        if (kind() != Tok::End) endOfStatement();
    }

    std::u16string identifier() {
        if (!isName()) fail(Err::ExpectedIdentifier);
        return m_toks[m_p++].text;
    }

    // Member names after '.' may be keywords (obj.End, Err.Raise ...).
    std::u16string memberName() {
        Tok k = kind();
        if (k == Tok::Identifier || k >= Tok::And) return m_toks[m_p++].text;
        fail(Err::ExpectedIdentifier);
    }

    // ---- top level ----
    // topStatement := Option Explicit | declaration | statement
    void topStatement() {
        if (kind() == Tok::Option) {
            ++m_p;
            if (!isIdent(u"explicit")) fail(Err::SyntaxError);
            ++m_p;
            m_unit.optionExplicit = true;
            return;
        }
        if (declaration()) return;
        m_unit.global.body.push_back(statement());
    }

    // declaration := classDecl | procDecl. Script-level only, but also inside
    // script-level blocks: wherever written, they are defined when the code
    // is compiled. Returns false (consuming nothing) for anything else.
    bool declaration() {
        if (kind() == Tok::Class) {
            classDecl();
            return true;
        }
        bool isPublic = true;
        size_t save = m_p;
        if (kind() == Tok::Public || kind() == Tok::Private) {
            isPublic = kind() == Tok::Public;
            ++m_p;
            bool isDefault = false;
            if (isIdent(u"default")) {
                isDefault = true;
                ++m_p;
            }
            if (kind() == Tok::Sub || kind() == Tok::Function) {
                if (isDefault) fail(Err::MustBeInClass);
                m_unit.procs.push_back(procDecl(isPublic, false, nullptr));
                return true;
            }
            if (isPropertyDecl()) fail(Err::MustBeInClass);
            m_p = save;
        }
        if (kind() == Tok::Sub || kind() == Tok::Function) {
            m_unit.procs.push_back(procDecl(true, false, nullptr));
            return true;
        }
        if (isPropertyDecl()) fail(Err::MustBeInClass);
        return false;
    }

    // procDecl := [Public [Default] | Private] (Sub | Function) name ['(' params ')'] block End (Sub |
    // Function) propDecl := [Public [Default] | Private] Property (Get | Let | Set) name ['(' params ')']
    // block End Property
    std::unique_ptr<ProcDef> procDecl(bool isPublic, bool isDefault, ClassDef* owner) {
        auto p = std::make_unique<ProcDef>();
        p->isPublic = isPublic;
        p->isDefault = isDefault;
        p->owner = owner;
        at(*p);
        Tok endKind = kind();
        if (accept(Tok::Sub))
            p->kind = ProcKind::Sub;
        else if (accept(Tok::Function))
            p->kind = ProcKind::Function;
        else if (accept(Tok::Property)) {
            if (isIdent(u"get"))
                p->kind = ProcKind::PropertyGet;
            else if (isIdent(u"let"))
                p->kind = ProcKind::PropertyLet;
            else if (kind() == Tok::Set)
                p->kind = ProcKind::PropertySet;
            else
                fail(Err::ExpectedLetSetGet);
            ++m_p;
        }
        if (isDefault && p->kind != ProcKind::Function && p->kind != ProcKind::Sub &&
            p->kind != ProcKind::PropertyGet)
            fail(Err::DefaultOnlyOnGet);
        p->name = identifier();
        if (accept(Tok::LParen)) {
            if (!accept(Tok::RParen)) {
                do {
                    Param prm;
                    if (accept(Tok::ByVal))
                        prm.byVal = true;
                    else
                        accept(Tok::ByRef);
                    prm.name = identifier();
                    if (accept(Tok::LParen)) {
                        expect(Tok::RParen, Err::ExpectedRParen);
                        prm.isArray = true;
                    }
                    for (auto& q : p->params)
                        if (equalsNoCase(q.name, prm.name)) fail(Err::NameRedefined);
                    p->params.push_back(std::move(prm));
                } while (accept(Tok::Comma));
                expect(Tok::RParen, Err::ExpectedRParen);
            }
        }
        if ((p->kind == ProcKind::PropertyLet || p->kind == ProcKind::PropertySet) && p->params.empty())
            fail(Err::PropertyNeedsArg);
        // The body may start on the header's line: "Sub S() x = 1".
        if (!startsStatement()) endOfStatementOrEnd();
        ++m_inProc;
        block(p->body);
        --m_inProc;
        if (kind() != Tok::End) fail(Err::ExpectedEnd);
        ++m_p;
        Err e = endKind == Tok::Sub        ? Err::ExpectedSub
                : endKind == Tok::Function ? Err::ExpectedFunction
                                           : Err::ExpectedProperty;
        expect(endKind, e);
        return p;
    }

    // classDecl := Class name EOS { member EOS } End Class
    // member    := [Public [Default] | Private] (procDecl | propDecl | varList) | Dim varList
    void classDecl() {
        ++m_p;
        auto c = std::make_unique<ClassDef>();
        c->name = identifier();
        endOfStatement();
        while (true) {
            if (isSep()) {
                ++m_p;
                continue;
            }
            if (kind() == Tok::End) {
                ++m_p;
                expect(Tok::Class, Err::ExpectedClass);
                break;
            }
            if (kind() == Tok::Eof) fail(Err::ExpectedEnd);
            bool isPublic = true, isDefault = false, hadAccess = false;
            if (kind() == Tok::Public || kind() == Tok::Private) {
                isPublic = kind() == Tok::Public;
                hadAccess = true;
                ++m_p;
                if (isIdent(u"default")) {
                    if (!isPublic) fail(Err::DefaultNeedsPublic);
                    isDefault = true;
                    ++m_p;
                }
            }
            if (kind() == Tok::Sub || kind() == Tok::Function || isPropertyDecl()) {
                c->procs.push_back(procDecl(isPublic, isDefault, c.get()));
            } else if (kind() == Tok::Dim || (hadAccess && isName())) {
                if (isDefault) fail(Err::DefaultOnlyOnGet);
                accept(Tok::Dim);
                do {
                    FieldDef f;
                    f.isPublic = isPublic;
                    f.name = identifier();
                    if (accept(Tok::LParen)) {
                        f.hasBounds = true;
                        if (!accept(Tok::RParen)) {
                            do {
                                if (kind() != Tok::Number) fail(Err::ExpectedIntegerConstant);
                                const Value& v = tok().value;
                                f.bounds.push_back(v.type() == VarType::Integer ? v.asInteger()
                                                   : v.type() == VarType::Long  ? v.asLong()
                                                                                : 0);
                                ++m_p;
                            } while (accept(Tok::Comma));
                            expect(Tok::RParen, Err::ExpectedRParen);
                        }
                    }
                    c->fields.push_back(std::move(f));
                } while (accept(Tok::Comma));
            } else {
                fail(Err::ExpectedEnd);
            }
            endOfStatementOrEnd();
        }
        m_unit.classes.push_back(std::move(c));
    }

    // block := { statement EOS } up to End / Else / ElseIf / Case / Loop / Next / Wend
    void block(Block& b) {
        Nest nest(*this);
        while (true) {
            Tok k = kind();
            if (k == Tok::Newline || k == Tok::Colon) {
                ++m_p;
                continue;
            }
            if (k == Tok::Eof || k == Tok::End || k == Tok::Else || k == Tok::ElseIf || k == Tok::Case ||
                k == Tok::Loop || k == Tok::Next || k == Tok::Wend)
                return;
            if (m_inProc == 0 && declaration()) {
                endOfStatementOrEnd();
                continue;
            }
            b.push_back(statement());
            if (kind() == Tok::Else) return;
            endOfStatementOrEnd();
        }
    }

    // ---- statements ----
    // statement := dimList | constDecl | reDim | ifStmt | selectStmt | forStmt | doStmt | whileStmt
    //            | exitStmt | setStmt | callStmt | onError | Erase name | withStmt | Stop | assignOrCall
    StmtPtr statement() {
        switch (kind()) {
        case Tok::Dim: {
            ++m_p;
            return dimList(true);
        }
        case Tok::Public:
        case Tok::Private: {
            bool pub = kind() == Tok::Public;
            ++m_p;
            if (kind() == Tok::Const) return constDecl(pub);
            if (kind() == Tok::Sub || kind() == Tok::Function || kind() == Tok::Property)
                fail(Err::ExpectedStatement);
            return dimList(pub);
        }
        case Tok::Const:
            return constDecl(true);
        case Tok::ReDim:
            return reDim();
        case Tok::If:
            return ifStmt();
        case Tok::Select:
            return selectStmt();
        case Tok::For:
            return forStmt();
        case Tok::Do:
            return doStmt();
        case Tok::While:
            return whileStmt();
        case Tok::Exit:
            return exitStmt();
        case Tok::Set:
            return setStmt();
        case Tok::Call:
            return callStmt();
        case Tok::On:
            return onError();
        case Tok::Erase: {
            auto s = std::make_unique<EraseStmt>();
            at(*s);
            ++m_p;
            auto n = std::make_unique<NameExpr>();
            at(*n);
            n->name = identifier();
            s->var = std::move(n);
            return s;
        }
        case Tok::With:
            return withStmt();
        case Tok::Stop: {
            auto s = std::make_unique<NopStmt>();
            at(*s);
            ++m_p;
            return s;
        }
        case Tok::Option:
            fail(Err::MustBeFirstStatement);
        case Tok::Property:
            if (isPropertyDecl()) fail(Err::ExpectedStatement);
            return assignOrCall();
        case Tok::Identifier:
        case Tok::Dot:
        case Tok::Me:
            return assignOrCall();
        case Tok::Nothing:
            // "Nothing(0) = x" parses; running it is a type mismatch.
            if (peekKind() != Tok::LParen) fail(Err::ExpectedStatement);
            return assignOrCall();
        case Tok::Loop:
            fail(Err::LoopWithoutDo);
        case Tok::Next:
            fail(Err::UnexpectedNext);
        default:
            fail(Err::ExpectedStatement);
        }
    }

    // dimList := name ['(' [expr {, expr}] ')'] {, ...}
    StmtPtr dimList(bool isPublic) {
        auto s = std::make_unique<DimStmt>();
        at(*s);
        s->isPublic = isPublic;
        do {
            DimItem item;
            item.var = std::make_unique<NameExpr>();
            at(*item.var);
            item.var->name = identifier();
            if (accept(Tok::LParen)) {
                item.hasBounds = true;
                if (!accept(Tok::RParen)) {
                    do
                        item.bounds.push_back(expr());
                    while (accept(Tok::Comma));
                    expect(Tok::RParen, Err::ExpectedRParen);
                }
            }
            s->items.push_back(std::move(item));
        } while (accept(Tok::Comma));
        return s;
    }

    // constDecl := Const name '=' constExpr {, name '=' constExpr}
    StmtPtr constDecl(bool isPublic) {
        auto s = std::make_unique<DimStmt>();
        at(*s);
        s->isConst = true;
        s->isPublic = isPublic;
        expect(Tok::Const, Err::SyntaxError);
        do {
            DimItem item;
            item.var = std::make_unique<NameExpr>();
            at(*item.var);
            item.var->name = identifier();
            expect(Tok::Eq, Err::ExpectedEquals);
            s->constValues.push_back(constExpr());
            s->items.push_back(std::move(item));
        } while (accept(Tok::Comma));
        return s;
    }

    // constExpr := ['-' | '+'] literal | '(' constExpr ')'
    ExprPtr constExpr() {
        auto lit = std::make_unique<LiteralExpr>();
        at(*lit);
        bool neg = false;
        while (kind() == Tok::Minus || kind() == Tok::Plus) {
            neg ^= kind() == Tok::Minus;
            ++m_p;
        }
        if (accept(Tok::LParen)) {
            auto inner = constExpr();
            expect(Tok::RParen, Err::ExpectedRParen);
            if (!neg) return inner;
            auto u = std::make_unique<UnaryExpr>();
            u->line = inner->line;
            u->col = inner->col;
            u->op = Op::Neg;
            u->operand = std::move(inner);
            return u;
        }
        switch (kind()) {
        case Tok::Number:
        case Tok::Date:
            lit->value = tok().value;
            break;
        case Tok::String:
            lit->value = Value::string(tok().text);
            break;
        case Tok::True:
            lit->value = Value::boolean(true);
            break;
        case Tok::False:
            lit->value = Value::boolean(false);
            break;
        case Tok::Null:
            lit->value = Value::null();
            break;
        case Tok::Empty:
            break;
        case Tok::Nothing:
            lit->value = Value::nothing();
            break;
        default:
            fail(Err::ExpectedLiteral);
        }
        ++m_p;
        if (neg) {
            auto u = std::make_unique<UnaryExpr>();
            u->line = lit->line;
            u->col = lit->col;
            u->op = Op::Neg;
            u->operand = std::move(lit);
            return u;
        }
        return lit;
    }

    // reDim := ReDim [Preserve] name '(' expr {, expr} ')' {, ...}
    StmtPtr reDim() {
        auto s = std::make_unique<ReDimStmt>();
        at(*s);
        ++m_p;
        if (isIdent(u"preserve")) {
            s->preserve = true;
            ++m_p;
        }
        do {
            DimItem item;
            item.var = std::make_unique<NameExpr>();
            at(*item.var);
            item.var->name = identifier();
            item.hasBounds = true;
            expect(Tok::LParen, Err::ExpectedLParen);
            do
                item.bounds.push_back(expr());
            while (accept(Tok::Comma));
            expect(Tok::RParen, Err::ExpectedRParen);
            s->items.push_back(std::move(item));
        } while (accept(Tok::Comma));
        return s;
    }

    // ifStmt := If expr Then (inlineStatements [Else inlineStatements]
    //           | EOS block {ElseIf expr Then block} [Else block] End If)
    StmtPtr ifStmt() {
        Nest nest(*this);
        auto s = std::make_unique<IfStmt>();
        at(*s);
        ++m_p;
        s->conds.push_back(expr());
        expect(Tok::Then, Err::ExpectedThen);
        s->blocks.emplace_back();
        // Anything after Then on its line, even a lone ':', makes a one-line If.
        if (kind() != Tok::Newline && kind() != Tok::Eof) {
            inlineStatements(s->blocks.back());
            if (accept(Tok::Else)) inlineStatements(s->elseBlock);
            if (kind() == Tok::End && peekKind() == Tok::If) m_p += 2; // tolerated "... End If" on the line
            return s;
        }
        block(s->blocks.back());
        while (true) {
            if (accept(Tok::ElseIf)) {
                s->conds.push_back(expr());
                expect(Tok::Then, Err::ExpectedThen);
                s->blocks.emplace_back();
                block(s->blocks.back());
                continue;
            }
            if (accept(Tok::Else)) {
                block(s->elseBlock);
                if (kind() == Tok::Else || kind() == Tok::ElseIf) fail(Err::ExpectedEnd);
            }
            break;
        }
        if (kind() != Tok::End) fail(Err::ExpectedEnd);
        ++m_p;
        expect(Tok::If, Err::ExpectedIf);
        return s;
    }

    // inlineStatements := statement {':' statement} (ends at newline or Else)
    void inlineStatements(Block& b) {
        while (true) {
            if (kind() == Tok::Newline || kind() == Tok::Eof || kind() == Tok::Else) return;
            if (accept(Tok::Colon)) continue;
            b.push_back(statement());
            if (kind() == Tok::Colon) {
                ++m_p;
                continue;
            }
            if (kind() == Tok::Newline || kind() == Tok::Eof || kind() == Tok::Else || kind() == Tok::End)
                return;
            fail(Err::ExpectedEndOfStatement);
        }
    }

    // selectStmt := Select Case expr EOS {Case exprList block} [Case Else block] End Select
    StmtPtr selectStmt() {
        Nest nest(*this);
        auto s = std::make_unique<SelectStmt>();
        at(*s);
        ++m_p;
        expect(Tok::Case, Err::ExpectedCase);
        s->subject = expr();
        endOfStatement();
        while (isSep())
            ++m_p;
        while (accept(Tok::Case)) {
            if (accept(Tok::Else)) {
                s->hasElse = true;
                block(s->elseBlock);
                break;
            }
            CaseClause c;
            do
                c.values.push_back(expr());
            while (accept(Tok::Comma));
            // "Case 1  x = 200": the clause's first statement may share its line.
            if (!isSep() && kind() != Tok::Eof && !startsStatement()) fail(Err::ExpectedEndOfStatement);
            block(c.body);
            s->cases.push_back(std::move(c));
        }
        if (kind() != Tok::End) fail(Err::ExpectedEnd);
        ++m_p;
        expect(Tok::Select, Err::ExpectedSelect);
        return s;
    }

    // forStmt := For name '=' expr To expr [Step expr] block Next
    //          | For Each name In expr block Next
    StmtPtr forStmt() {
        Nest nest(*this);
        int line = tok().line, col = tok().col;
        ++m_p;
        if (accept(Tok::Each)) {
            auto s = std::make_unique<ForEachStmt>();
            s->line = line;
            s->col = col;
            if (!isName()) fail(Err::ExpectedIdentifier);
            auto n = std::make_unique<NameExpr>();
            at(*n);
            n->name = identifier();
            s->var = std::move(n);
            expect(Tok::In, Err::ExpectedIn);
            s->collection = expr();
            block(s->body);
            expect(Tok::Next, Err::ExpectedNext);
            return s;
        }
        auto s = std::make_unique<ForStmt>();
        s->line = line;
        s->col = col;
        if (!isName()) fail(Err::ExpectedIdentifier);
        auto n = std::make_unique<NameExpr>();
        at(*n);
        n->name = identifier();
        s->var = std::move(n);
        expect(Tok::Eq, Err::ExpectedEquals);
        s->from = expr();
        expect(Tok::To, Err::ExpectedTo);
        s->to = expr();
        if (isIdent(u"step")) {
            ++m_p;
            s->step = expr();
        }
        block(s->body);
        expect(Tok::Next, Err::ExpectedNext);
        return s;
    }

    // doStmt := Do [(While | Until) expr] block Loop [(While | Until) expr]
    StmtPtr doStmt() {
        Nest nest(*this);
        auto s = std::make_unique<DoStmt>();
        at(*s);
        ++m_p;
        if (accept(Tok::While)) {
            s->mode = LoopCond::PreWhile;
            s->cond = expr();
        } else if (accept(Tok::Until)) {
            s->mode = LoopCond::PreUntil;
            s->cond = expr();
        } else if (!isSep())
            fail(Err::ExpectedWhileUntilEos);
        block(s->body);
        expect(Tok::Loop, Err::ExpectedLoop);
        if (s->mode == LoopCond::None) {
            if (accept(Tok::While)) {
                s->mode = LoopCond::PostWhile;
                s->cond = expr();
            } else if (accept(Tok::Until)) {
                s->mode = LoopCond::PostUntil;
                s->cond = expr();
            }
        }
        return s;
    }

    // whileStmt := While expr block Wend
    StmtPtr whileStmt() {
        Nest nest(*this);
        auto s = std::make_unique<DoStmt>();
        at(*s);
        ++m_p;
        s->mode = LoopCond::PreWhile;
        s->cond = expr();
        block(s->body);
        expect(Tok::Wend, Err::ExpectedWend);
        return s;
    }

    // exitStmt := Exit (Do | For | Sub | Function | Property)
    StmtPtr exitStmt() {
        auto s = std::make_unique<ExitStmt>();
        at(*s);
        ++m_p;
        switch (kind()) {
        case Tok::Do:
            s->what = ExitKind::Do;
            break;
        case Tok::For:
            s->what = ExitKind::For;
            break;
        case Tok::Sub:
            s->what = ExitKind::Sub;
            break;
        case Tok::Function:
            s->what = ExitKind::Function;
            break;
        case Tok::Property:
            s->what = ExitKind::Property;
            break;
        default:
            fail(Err::InvalidExit);
        }
        ++m_p;
        return s;
    }

    // onError := On Error (Resume Next | GoTo 0)
    StmtPtr onError() {
        auto s = std::make_unique<OnErrorStmt>();
        at(*s);
        ++m_p;
        if (!isIdent(u"error")) fail(Err::SyntaxError);
        ++m_p;
        if (isIdent(u"resume")) {
            ++m_p;
            expect(Tok::Next, Err::SyntaxError);
            s->resumeNext = true;
        } else if (isIdent(u"goto")) {
            ++m_p;
            if (kind() != Tok::Number || tok().value.type() != VarType::Integer ||
                tok().value.asInteger() != 0)
                fail(Err::SyntaxError);
            ++m_p;
        } else {
            fail(Err::SyntaxError);
        }
        return s;
    }

    // withStmt := With expr block End With
    StmtPtr withStmt() {
        Nest nest(*this);
        auto s = std::make_unique<WithStmt>();
        at(*s);
        ++m_p;
        s->object = expr();
        block(s->body);
        if (kind() != Tok::End) fail(Err::ExpectedEnd);
        ++m_p;
        expect(Tok::With, Err::ExpectedWith);
        return s;
    }

    // setStmt := Set target '=' expr
    StmtPtr setStmt() {
        auto s = std::make_unique<AssignStmt>();
        at(*s);
        ++m_p;
        s->isSet = true;
        s->target = chain();
        checkTarget(*s->target);
        expect(Tok::Eq, Err::ExpectedEquals);
        s->value = expr();
        return s;
    }

    // callStmt := Call (chain | '(' expr ')' postfix)
    StmtPtr callStmt() {
        auto s = std::make_unique<CallStmt>();
        at(*s);
        ++m_p;
        if (kind() == Tok::LParen) {
            s->call = postfixExpr(); // Call (New C).S()
            return s;
        }
        if (!isName() && kind() != Tok::Dot && kind() != Tok::Me) fail(Err::ExpectedIdentifier);
        s->call = chain();
        return s;
    }

    void checkTarget(const Expr& e) {
        if (e.kind != ExprKind::Name && e.kind != ExprKind::Member && e.kind != ExprKind::Call)
            fail(Err::SyntaxError);
    }

    // assignOrCall := chain '=' expr | chain [argList]
    StmtPtr assignOrCall() {
        int line = tok().line, col = tok().col;
        size_t lastParen = 0;
        ExprPtr target = chain(&lastParen);
        if (accept(Tok::Eq)) {
            auto s = std::make_unique<AssignStmt>();
            s->line = line;
            s->col = col;
            checkTarget(*target);
            s->target = std::move(target);
            s->value = expr();
            return s;
        }
        auto s = std::make_unique<CallStmt>();
        s->line = line;
        s->col = col;
        if (target->kind == ExprKind::Me) fail(Err::ExpectedStatement);
        bool emptyParens =
            target->kind == ExprKind::Call && static_cast<CallExpr*>(target.get())->args.empty();
        if (atEos() && (!(target->kind == ExprKind::Call && lastParen) || emptyParens)) {
            s->call = std::move(target);
            return s;
        }
        auto call = std::make_unique<CallExpr>();
        call->line = line;
        call->col = col;
        if (target->kind == ExprKind::Call && lastParen) {
            // "f (a), b" or "f(a)": the parentheses belong to the first argument.
            auto* c = static_cast<CallExpr*>(target.get());
            if (atEos() && c->args.size() > 1) fail(Err::ParensOnSubCall);
            call->target = std::move(c->target);
            m_p = lastParen;
        } else {
            call->target = std::move(target);
        }
        argList(call->args);
        s->call = std::move(call);
        return s;
    }

    // argList := [expr] {',' [expr]}  (without parentheses, up to end of statement)
    void argList(std::vector<ExprPtr>& args) {
        while (true) {
            if (kind() == Tok::Comma) {
                args.push_back(nullptr);
                ++m_p;
                continue;
            }
            args.push_back(expr());
            if (!accept(Tok::Comma)) break;
            if (atEos()) {
                args.push_back(nullptr);
                break;
            }
        }
        if (!atEos()) fail(Err::ExpectedEndOfStatement);
    }

    // chain := (name | Me | '.' name) { '.' name | '(' [args] ')' }
    ExprPtr chain(size_t* lastParen = nullptr) {
        ExprPtr e;
        if (kind() == Tok::Dot) {
            auto m = std::make_unique<MemberExpr>();
            at(*m);
            ++m_p;
            m->name = memberName();
            e = std::move(m);
        } else if (kind() == Tok::Me) {
            auto m = std::make_unique<MeExpr>();
            at(*m);
            ++m_p;
            e = std::move(m);
        } else if (kind() == Tok::Nothing) {
            auto n = std::make_unique<LiteralExpr>();
            at(*n);
            ++m_p;
            n->value = Value::nothing();
            e = std::move(n);
        } else {
            auto n = std::make_unique<NameExpr>();
            at(*n);
            n->name = identifier();
            e = std::move(n);
        }
        return postfix(std::move(e), lastParen);
    }

    // "(f)(x)" and "((f)) (x)" call f: parentheses round a bare name that is
    // called are dropped.
    static ExprPtr calleeOf(ExprPtr e) {
        const Expr* in = e.get();
        while (in->kind == ExprKind::Paren)
            in = static_cast<const ParenExpr*>(in)->inner.get();
        if (in == e.get() || in->kind != ExprKind::Name) return e;
        while (e->kind == ExprKind::Paren)
            e = std::move(static_cast<ParenExpr*>(e.get())->inner);
        return e;
    }

    ExprPtr postfix(ExprPtr e, size_t* lastParen) {
        ChainDepth depth(*this);
        while (true) {
            if ((kind() == Tok::Dot && !tok().spaceBefore) || kind() == Tok::LParen) depth.step();
            if (kind() == Tok::Dot && !tok().spaceBefore) {
                auto m = std::make_unique<MemberExpr>();
                at(*m);
                ++m_p;
                m->name = memberName();
                m->object = std::move(e);
                e = std::move(m);
                if (lastParen) *lastParen = 0;
            } else if (kind() == Tok::LParen) {
                if (lastParen) *lastParen = m_p;
                Nest nest(*this);
                auto c = std::make_unique<CallExpr>();
                c->line = e->line;
                c->col = e->col;
                ++m_p;
                e = calleeOf(std::move(e));
                if (!accept(Tok::RParen)) {
                    while (true) {
                        if (kind() == Tok::Comma) {
                            c->args.push_back(nullptr);
                            ++m_p;
                            continue;
                        }
                        if (kind() == Tok::RParen) {
                            c->args.push_back(nullptr);
                            break;
                        }
                        c->args.push_back(expr());
                        if (!accept(Tok::Comma)) break;
                    }
                    expect(Tok::RParen, Err::ExpectedRParen);
                }
                c->target = std::move(e);
                e = std::move(c);
            } else {
                return e;
            }
        }
    }

    // ---- expressions, lowest precedence first ----
    ExprPtr binary(Op op, ExprPtr l, ExprPtr r) {
        auto b = std::make_unique<BinaryExpr>();
        b->line = l->line;
        b->col = l->col;
        b->op = op;
        b->left = std::move(l);
        b->right = std::move(r);
        return b;
    }

    // A long left-associative chain makes a deep tree; it counts as nesting.
    // Counts into the same budget as nesting, so the tree depth stays bounded.
    struct ChainDepth {
        explicit ChainDepth(Parser& p) : m_p(p) {}
        void step() {
            ++m_n;
            if (++m_p.m_depth > kMaxNesting) m_p.fail(Err::OutOfStack);
        }
        ~ChainDepth() { m_p.m_depth -= m_n; }
        ChainDepth(const ChainDepth&) = delete;
        ChainDepth& operator=(const ChainDepth&) = delete;
        Parser& m_p;
        int m_n = 0;
    };

    // The left-associative binary levels, loosest first. Each level is
    //   level(k) := level(k+1) {op(k) level(k+1)}
    // except that Not sits between And and the comparisons:
    //   expr := imp ; imp := eqv {Imp eqv} ; eqv := xor {Eqv xor} ; xor := or {Xor or}
    //   or := and {Or and} ; and := notExpr {And notExpr} ; notExpr := Not notExpr | cmp
    //   cmp := concat {('=' | '<>' | '<' | '>' | '<=' | '>=' | Is) concat}
    //   concat := add {'&' add} ; add := mod {('+' | '-') mod} ; mod := intDiv {Mod intDiv}
    //   intDiv := mul {'\' mul} ; mul := unaryExpr {('*' | '/') unaryExpr}
    struct LevelOp {
        Tok tok;
        Op op;
    };
    static constexpr int kLevels = 11;
    static constexpr int kComparisonLevel = 5; // reached through notExpr
    static std::span<const LevelOp> levelOps(int level) {
        static constexpr LevelOp imp[] = {{Tok::Imp, Op::Imp}}, eqv[] = {{Tok::Eqv, Op::Eqv}},
                                 xorOp[] = {{Tok::Xor, Op::Xor}}, orOp[] = {{Tok::Or, Op::Or}},
                                 andOp[] = {{Tok::And, Op::And}},
                                 cmp[] = {{Tok::Eq, Op::Eq}, {Tok::Ne, Op::Ne}, {Tok::Lt, Op::Lt},
                                          {Tok::Gt, Op::Gt}, {Tok::Le, Op::Le}, {Tok::Ge, Op::Ge},
                                          {Tok::Is, Op::Is}},
                                 concat[] = {{Tok::Amp, Op::Concat}},
                                 add[] = {{Tok::Plus, Op::Add}, {Tok::Minus, Op::Sub}},
                                 mod[] = {{Tok::Mod, Op::Mod}}, intDiv[] = {{Tok::Backslash, Op::IntDiv}},
                                 mul[] = {{Tok::Star, Op::Mul}, {Tok::Slash, Op::Div}};
        static constexpr std::span<const LevelOp> levels[kLevels] = {imp,    eqv, xorOp, orOp,   andOp, cmp,
                                                                     concat, add, mod,   intDiv, mul};
        return levels[level];
    }
    // The operand of a level: the next level, Not before the comparisons, a unary at the end.
    ExprPtr levelOperand(int level) {
        if (level + 1 == kComparisonLevel) return notExpr();
        if (level + 1 == kLevels) return unaryExpr();
        return binaryLevel(level + 1);
    }
    ExprPtr binaryLevel(int level) {
        ExprPtr l = levelOperand(level);
        ChainDepth d(*this);
        while (true) {
            const std::span<const LevelOp> ops = levelOps(level);
            const LevelOp* found = nullptr;
            for (const LevelOp& o : ops)
                if (kind() == o.tok) found = &o;
            if (!found) return l;
            ++m_p;
            d.step();
            l = binary(found->op, std::move(l), levelOperand(level));
        }
    }
    ExprPtr expr() {
        Nest nest(*this);
        return binaryLevel(0);
    }
    ExprPtr notExpr() {
        if (kind() == Tok::Not) {
            Nest nest(*this);
            auto u = std::make_unique<UnaryExpr>();
            at(*u);
            ++m_p;
            u->op = Op::Not;
            u->operand = notExpr();
            return u;
        }
        return binaryLevel(kComparisonLevel);
    }
    // unaryExpr := Not notExpr | powExpr
    ExprPtr unaryExpr() {
        if (kind() == Tok::Not) return notExpr();
        return powExpr();
    }
    // powExpr := signed {'^' signed} ; signed := ('-' | '+') signed | postfixExpr
    // A sign binds tighter than '^' here: -3^2 is 9.
    ExprPtr powExpr() {
        ExprPtr l = signedOperand(true);
        ChainDepth d(*this);
        while (accept(Tok::Caret)) {
            d.step();
            l = binary(Op::Pow, std::move(l), signedOperand(false));
        }
        return l;
    }
    ExprPtr signedOperand(bool allowNot) {
        if (kind() == Tok::Minus || kind() == Tok::Plus) {
            Nest nest(*this);
            auto u = std::make_unique<UnaryExpr>();
            at(*u);
            u->op = kind() == Tok::Minus ? Op::Neg : Op::Plus;
            ++m_p;
            u->operand = signedOperand(allowNot);
            return u;
        }
        if (allowNot && kind() == Tok::Not) return notExpr();
        return postfixExpr();
    }
    // postfixExpr := primary { '.' name | '(' args ')' }
    // primary := literal | name | Me | '.' name | New name | '(' expr ')'
    ExprPtr postfixExpr() {
        auto lit = [&](Value v) {
            auto l = std::make_unique<LiteralExpr>();
            at(*l);
            l->value = std::move(v);
            ++m_p;
            return l;
        };
        switch (kind()) {
        case Tok::Number:
        case Tok::Date:
            return lit(tok().value);
        case Tok::String:
            // Copied: "S (a) & b" parses "(a)" twice.
            return lit(Value::string(m_toks[m_p].text));
        case Tok::True:
            return lit(Value::boolean(true));
        case Tok::False:
            return lit(Value::boolean(false));
        case Tok::Null:
            return lit(Value::null());
        case Tok::Empty:
            return lit(Value());
        case Tok::Nothing:
            return lit(Value::nothing());
        case Tok::New: {
            auto n = std::make_unique<NewExpr>();
            at(*n);
            ++m_p;
            n->className = identifier();
            return n;
        }
        case Tok::LParen: {
            Nest nest(*this);
            auto p = std::make_unique<ParenExpr>();
            at(*p);
            ++m_p;
            p->inner = expr();
            expect(Tok::RParen, Err::ExpectedRParen);
            return postfix(std::move(p), nullptr);
        }
        case Tok::Identifier:
        case Tok::Property:
        case Tok::Dot:
        case Tok::Me:
            return chain();
        default:
            fail(Err::ExpectedExpression);
        }
    }

    Unit& m_unit;
    std::vector<Token> m_toks;
    size_t m_p = 0;
    int m_depth = 0;
    int m_inProc = 0; // inside a procedure body: no nested declarations
};

} // namespace

void parseUnit(Unit& unit) {
    Parser p(unit);
    p.program();
}

void parseExpressionUnit(Unit& unit) {
    Parser p(unit);
    p.expressionOnly();
}

} // namespace vbs
