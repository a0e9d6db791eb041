#pragma once
// The instruction set of the engine's register machine. The emitter
// (Emitter.cpp) turns each resolved procedure into one Code; the machine
// (Vm.cpp) runs it in one dispatch loop.
//
// Registers. A frame is one array of Values: the procedure's slots (slot 0
// the return value, then parameters, locals, With objects), then the
// temporaries the emitter allocates stack-wise for expressions. A slot may
// hold a Ref (a ByRef parameter, a variable of the caller that Execute
// code sees); reading a register always follows it. A temporary is written
// once and read once: consumers move out of it, so an object a temporary
// held is released where the expression ends, as a tree of C++ temporaries
// would release it.
//
// Operands. An operand written RK is 16 bits: a register (kReg), an entry
// of the Code's constant table (kConst), or a script-level variable read
// through Code::globals (kGlobal: in place while the symbol is a plain
// variable, otherwise the name's full rule; the address is cached until any
// symbol changes meaning). A destination written D is a
// temporary (kReg), a variable slot (kVar: stored through a Ref, with the
// checks of an assignment) or a global (kGlobal).
//
// Errors. Every instruction belongs to a Site: the statement (or the part
// of one: a condition, a loop header) it was emitted for. A Site gives the
// line for error positions and where On Error Resume Next goes on: the
// next statement, or into the block a failing condition guards, or the
// once-through stub of a loop whose header failed.
#include "Ast.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace vbs {

enum class Opc : uint8_t {
    // ---- moves ----
    Move,     // R[a] = RK(b) (a copy; a temporary source is moved)
    Scalar,   // R[a] = the default value of RK(b) when it is an object
    GetField, // R[a] = Me's field c
    GetName,  // R[a] = the name aux(k) by its full rule (a name alone as a statement is NameStmt)
    Me,       // R[a] = Me
    New,      // R[a] = New aux(k) (a NewExpr)
    Neg,      // R[a] = -RK(b)
    Not,      // R[a] = Not RK(b)
    // ---- binary operators: D(a) = RK(b) op RK(c); f: kLitLeft / kLitRight ----
    Add,
    Sub,
    Mul,
    Concat,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Bin, // any other operator; the Op is j
    // ---- control ----
    Jmp,      // go to j
    JFalse,   // go to j unless RK(b) is True as a condition
    JTrue,    // go to j when RK(b) is True as a condition
    JCmp,     // go to j when whether RK(b) (Op a) RK(c) holds is f&4; f&3: kLit*
    Loop,     // poll for time-out / interrupt, go to j
    CaseJump, // go to j when RK(c) matches the Select subject R[b]; f&1: the Case value is a literal
    // ---- calls: arguments are in registers from b, then (CallSite::refMask) a block of
    // Refs for those a procedure may take ByRef; aux(k) is a CallSite ----
    CallName,    // R[a] = name(args): procedure, array element, default member, host member;
                 // an argument itself (CallSite::wantRef): R[c] = a Ref to the element
    CallMember,  // R[a] = R[c].member(args)
    CallValue,   // R[a] = R[c](args) for any other callee: default member or index
    CallBuiltin, // R[a] = builtin(args)
    ArgRef,      // R[a] = name aux(k) by value, R[b] = a Ref to its storage (or Empty)
    GetElem,     // R[a] = name(RK(b)) for a variable's name: an array element in place, else as CallName
    // ---- assignment: the value is RK(b) ----
    SetVar,     // slot a = value; aux(k) the NameExpr
    SetGlobal,  // global aux(k) = value
    SetField,   // Me's field c = value; aux(k) the NameExpr
    SetName,    // name aux(k) = value by the full rule; f&1: Set
    SetMember,  // R[c].member(args from a) = value; aux(k) the CallSite
    SetIndex,   // name(args from a) = value; aux(k) the CallSite
    SetElem,    // name(RK(a)) = value for a variable's name: in place into an array, else as SetIndex
    SetNested,  // name(i)(j)... = value, indices of every level from a; aux(k) the CallSite
    SetCall,    // callee(args from a) = value where the callee is any other expression, in R[c]
    ArrayTest,  // go to j unless the CallSite aux(k)'s name is a variable holding an array
    AppendTest, // go to j unless the variable aux(k) holds a string to append to
    Append,     // variable aux(k) &= RK(b), in place
    // ---- statements ----
    OnError,     // f&1: Resume Next; clears Err
    WithBegin,   // slot a = RK(b) (an object), go to j
    ClearSlot,   // slots a..a+c = Empty
    ForPrep,     // from, to, step in R[a..a+2] (R[a+3] the loop's state); variable aux(k); to j when done
    ForStep,     // next value of the loop at R[a]; back to j while it runs; b: a global counter's RK
    ForOnce,     // the loop at R[a] runs its body once (its header failed); go to j
    ForEachPrep, // collection in R[a], state in R[a+1]; variable aux(k); to j when empty
    ForEachNext, // next element of the loop at R[a]; back to j while there is one
    ForEachOnce, // the loop at R[a] runs its body once (no collection); go to j
    Dim,         // Dim of the DimItem aux(k), upper bounds from R[b], c of them
    DimDeclare,  // an executed Dim declares the procedure's slot c
    ReDimCheck,  // a ReDim without Preserve refuses a fixed array aux(k)
    ReDim,       // ReDim of aux(k) (a DimItem), bounds from R[b], c of them; f&1: Preserve
    Erase,       // Erase aux(k) (a NameExpr)
    NameStmt,    // the name aux(k) alone as a statement
    Raise,       // raise error j, for name aux(k) when k != kNoAux
    Ret,         // return slot 0
    RetVal,      // return RK(b) (an Eval expression)
};

// RK operand and D destination kinds: the top two bits.
constexpr uint16_t kReg = 0x0000, kConst = 0x4000, kGlobal = 0x8000, kVar = 0x4000;
constexpr uint16_t kKindMask = 0xC000, kIndexMask = 0x3FFF;
constexpr uint32_t kNoAux = 0xFFFFFFFF;

// Flags of the operators and JCmp: the operand is a literal (comparisons treat literal
// texts and numbers by the literal rules).
constexpr uint8_t kLitLeft = 1, kLitRight = 2;

// The mode ForOnce gives a For loop: its Next raises "For loop not initialized".
constexpr int16_t kForOnceMode = 4;

struct Instr {
    Opc op;
    uint8_t f = 0;
    uint16_t a = 0, b = 0, c = 0;
    int32_t j = 0;
    uint32_t k = kNoAux;
};
static_assert(sizeof(Instr) == 16);

// What a call instruction needs beyond its registers.
struct CallSite {
    const Expr* node = nullptr; // the CallExpr (or the bare Name / Member)
    const NameExpr* name = nullptr;
    const MemberExpr* member = nullptr;
    const BuiltinInfo* builtin = nullptr;
    MemberCache* cache = nullptr;
    uint16_t argc = 0;
    bool parens = false;          // written with an argument list, even an empty one
    bool statement = false;       // called as a statement
    uint64_t refMask = 0;         // bit i: argument i has a Ref in the block after the values
    bool wantRef = false;         // an argument itself: R[c] receives a Ref when the call is an element
    bool isSet = false;           // an assignment with Set
    uint64_t omitted = 0;         // bit i: argument i left out (beyond 64: none marked)
    std::vector<uint16_t> levels; // SetNested: argument count of each level, outermost last
};

struct Site {
    int line = 0, col = 0;
    uint32_t resume = 0; // where On Error Resume Next goes on
};

// A global an instruction reads or writes, with where it stands while the symbols mean what
// they meant when it was looked up (Interp::symbolEpoch).
struct GlobalRef {
    const NameExpr* name = nullptr;
    Value* read = nullptr;  // the value, while the symbol is a plain variable
    Value* write = nullptr; // the same, while it is also no constant
    uint64_t epoch = 0;
};

struct Code {
    std::vector<Instr> instrs;
    std::vector<uint32_t> siteOf; // per instruction
    std::vector<Site> sites;
    std::vector<Value> consts;
    std::vector<GlobalRef> globals;
    std::vector<const void*> aux;
    std::deque<CallSite> calls;
    int temps = 0;
};

// Emits the procedure's code; its names must be resolved. expression: Eval's unit, whose one
// statement is the expression to return.
void emitProc(ProcDef& p, bool expression);

} // namespace vbs
