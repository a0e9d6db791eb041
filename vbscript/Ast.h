#pragma once
// The syntax tree. The parser builds it; the compiler then resolves every
// name in place (local slot, global symbol, field, member, builtin), and the
// emitter turns each procedure into register code (Bytecode.h).
#include "Value.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace vbs {

struct ProcDef;
struct ClassDef;
struct BuiltinInfo;

enum class ExprKind : uint8_t { Literal, Name, Call, Member, Unary, Binary, Paren, New, Me };

enum class Op : uint8_t {
    Add,
    Sub,
    Mul,
    Div,
    IntDiv,
    Mod,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Is,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
    Neg,
    Not,
    Plus,
};

struct Expr {
    explicit Expr(ExprKind k) : kind(k) {}
    virtual ~Expr() = default;
    ExprKind kind;
    int line = 0;
    int col = 0;
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr {
    LiteralExpr() : Expr(ExprKind::Literal) {}
    Value value;
};

// Where a resolved name lives.
enum class Scope : uint8_t {
    Unresolved,
    Local,         // frame slot (may hold a ByRef Ref)
    Global,        // global symbol: variable, procedure or class
    ImplicitLocal, // undeclared in a procedure: the global if one appears, else a local slot
    Field,         // variable of Me
    MeMember,      // method or property of Me's class
    Builtin,
    Constant, // an intrinsic constant
};

struct NameRef {
    Scope scope = Scope::Unresolved;
    bool checkDeclared = false;         // Option Explicit: raise 500 unless declared by run time
    bool readOnly = false;              // a Const
    int slot = -1;                      // local slot / field index / member index
    int global = -1;                    // global symbol index
    struct GlobalSymbol* sym = nullptr; // the same symbol (its address is stable)
    const BuiltinInfo* builtin = nullptr;
    const Value* constant = nullptr;
};

struct NameExpr : Expr {
    NameExpr() : Expr(ExprKind::Name) {}
    std::u16string name;
    NameRef ref;
};

// Per-call-site member lookup cache. Code kept across a reset keeps its
// caches, while classes of code that the reset freed may give their memory to
// new ones: an entry holds only for the reset generation it was made in.
struct MemberCache {
    const void* key = nullptr;
    int id = -1;
    uint32_t generation = 0;
};

struct MemberExpr : Expr {
    MemberExpr() : Expr(ExprKind::Member) {}
    ExprPtr object;    // null: the innermost With object
    int withSlot = -1; // resolved With temporary
    std::u16string name;
    MemberCache cache;
};

// target(args): procedure call, array index or default member.
struct CallExpr : Expr {
    CallExpr() : Expr(ExprKind::Call) {}
    ExprPtr target;
    std::vector<ExprPtr> args; // a null entry is an omitted argument
};

struct UnaryExpr : Expr {
    UnaryExpr() : Expr(ExprKind::Unary) {}
    Op op = Op::Neg;
    ExprPtr operand;
};

struct BinaryExpr : Expr {
    BinaryExpr() : Expr(ExprKind::Binary) {}
    Op op = Op::Add;
    ExprPtr left, right;
};

struct ParenExpr : Expr {
    ParenExpr() : Expr(ExprKind::Paren) {}
    ExprPtr inner;
};

struct NewExpr : Expr {
    NewExpr() : Expr(ExprKind::New) {}
    std::u16string className;
    int global = -1;
};

struct MeExpr : Expr {
    MeExpr() : Expr(ExprKind::Me) {}
};

enum class StmtKind : uint8_t {
    Call,
    Assign,
    If,
    Select,
    For,
    ForEach,
    Do,
    Exit,
    Dim,
    ReDim,
    Erase,
    OnError,
    With,
    Nop,
};

struct Stmt {
    explicit Stmt(StmtKind k) : kind(k) {}
    virtual ~Stmt() = default;
    StmtKind kind;
    int line = 0;
    int col = 0;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

struct CallStmt : Stmt {
    CallStmt() : Stmt(StmtKind::Call) {}
    ExprPtr call; // Name, Member or Call expression run for its effect
};

struct AssignStmt : Stmt {
    AssignStmt() : Stmt(StmtKind::Assign) {}
    ExprPtr target, value;
    bool isSet = false;
    bool append = false; // target = target & ... : append in place
    bool arith = false;  // variable = a (+|-|*) b on plain operands: computed in place
};

struct IfStmt : Stmt {
    IfStmt() : Stmt(StmtKind::If) {}
    std::vector<ExprPtr> conds;
    std::vector<Block> blocks;
    Block elseBlock;
};

struct CaseClause {
    std::vector<ExprPtr> values;
    Block body;
};

struct SelectStmt : Stmt {
    SelectStmt() : Stmt(StmtKind::Select) {}
    ExprPtr subject;
    std::vector<CaseClause> cases;
    bool hasElse = false;
    Block elseBlock;
};

struct ForStmt : Stmt {
    ForStmt() : Stmt(StmtKind::For) {}
    ExprPtr var, from, to, step;
    Block body;
};

struct ForEachStmt : Stmt {
    ForEachStmt() : Stmt(StmtKind::ForEach) {}
    ExprPtr var, collection;
    Block body;
};

enum class LoopCond : uint8_t { None, PreWhile, PreUntil, PostWhile, PostUntil };

struct DoStmt : Stmt {
    DoStmt() : Stmt(StmtKind::Do) {}
    LoopCond mode = LoopCond::None;
    ExprPtr cond;
    Block body;
};

enum class ExitKind : uint8_t { Do, For, Sub, Function, Property };

struct ExitStmt : Stmt {
    ExitStmt() : Stmt(StmtKind::Exit) {}
    ExitKind what = ExitKind::Do;
};

struct DimItem {
    std::unique_ptr<NameExpr> var;
    bool hasBounds = false;      // Dim a() or Dim a(3)
    std::vector<ExprPtr> bounds; // upper bounds
};

// Dim / Public / Private / Const / ReDim; Const items carry their value.
struct DimStmt : Stmt {
    DimStmt() : Stmt(StmtKind::Dim) {}
    std::vector<DimItem> items;
    bool isConst = false;
    bool isPublic = true;
    std::vector<ExprPtr> constValues;
};

struct ReDimStmt : Stmt {
    ReDimStmt() : Stmt(StmtKind::ReDim) {}
    bool preserve = false;
    std::vector<DimItem> items;
};

struct EraseStmt : Stmt {
    EraseStmt() : Stmt(StmtKind::Erase) {}
    ExprPtr var;
};

struct OnErrorStmt : Stmt {
    OnErrorStmt() : Stmt(StmtKind::OnError) {}
    bool resumeNext = false;
};

struct WithStmt : Stmt {
    WithStmt() : Stmt(StmtKind::With) {}
    ExprPtr object;
    int slot = -1;
    Block body;
};

struct NopStmt : Stmt {
    NopStmt() : Stmt(StmtKind::Nop) {}
};

enum class ProcKind : uint8_t { Sub, Function, PropertyGet, PropertyLet, PropertySet, Global };

struct Param {
    std::u16string name;
    bool byVal = false;
    bool isArray = false; // declared as name()
};

struct ProcDef {
    std::u16string name;
    ProcKind kind = ProcKind::Sub;
    bool isPublic = true;
    bool isDefault = false;
    int line = 0;
    int col = 0;
    std::vector<Param> params;
    Block body;
    ClassDef* owner = nullptr;
    const struct Unit* unit = nullptr;
    // Slot 0 is the return value, then the parameters, locals and temporaries.
    int slotCount = 1;
    std::vector<std::u16string> slotNames;
    std::vector<std::pair<int, Value>> constInits; // local Consts set on entry
    // The hidden slot that holds what Execute adds to one call (its Dims, new
    // names); -1 when the code names neither Execute nor Eval. Code run by
    // Execute in a procedure has the procedure's.
    int scopeSlot = -1;
    // The procedure's register code (Bytecode.h) and the temporaries it needs after the slots.
    std::shared_ptr<struct Code> code;
    int temps = 0;
    int frameSize() const { return slotCount + temps; }
};

struct FieldDef {
    std::u16string name;
    bool isPublic = true;
    bool hasBounds = false;
    std::vector<int32_t> bounds; // fixed array field
};

// One public or private name of a class.
struct ClassMember {
    std::u16string name;
    bool isPublic = true;
    int field = -1;            // a variable
    ProcDef* method = nullptr; // Sub or Function
    ProcDef* get = nullptr;
    ProcDef* let = nullptr;
    ProcDef* set = nullptr;
};

struct ClassDef {
    std::u16string name;
    std::vector<FieldDef> fields;
    std::vector<ClassMember> members;
    std::vector<std::unique_ptr<ProcDef>> procs;
    ProcDef* initialize = nullptr;
    ProcDef* terminate = nullptr;
    int defaultMember = -1;
    int findMember(std::u16string_view name) const;
};

// One compiled piece of source (a file, AddCode text, ExecuteGlobal text).
struct Unit {
    std::u16string fileName;
    std::u16string source;
    bool optionExplicit = false;
    bool expression = false; // Eval's text: one expression, whose value the code returns
    ProcDef global;          // the script-level statements
    std::vector<std::unique_ptr<ProcDef>> procs;
    std::vector<std::unique_ptr<ClassDef>> classes;
    // Script-level declarations, resolved by the compiler to global symbols.
    struct GlobalDecl {
        std::u16string name;
        int line, col;
        bool isConst;
        Value value;
        ProcDef* proc;
        ClassDef* cls;
    };
    std::vector<GlobalDecl> decls;
    // The text's own script-level Consts: its code reads these, whatever later code makes of
    // the names (a Dim or an assignment there makes a new variable).
    std::deque<Value> constants;
};

} // namespace vbs
