#pragma once
// vbscript: a VBScript 5.x engine.
//
// Design
// ------
// * Source is tokenised (Lexer), parsed by recursive descent into a syntax
//   tree (Parser, Ast.h), then the Compiler resolves every name in place:
//   procedure locals and parameters become frame slots, script-level names
//   become indices into a global symbol table (variables, procedures and
//   classes share it, so code added later can define what earlier code
//   calls), class members become field indices, built-in functions become
//   direct function pointers. Only names that may legitimately appear later
//   (ExecuteGlobal, AddCode) keep a cheap run-time check.
// * The Interp walks that resolved tree. Expressions return Variants by
//   value (16 bytes, reference-counted strings/arrays/objects); a procedure
//   frame is a small array of Values on the C++ stack, ByRef parameters are
//   Ref values pointing at the caller's storage. `s = s & x` is compiled to
//   an in-place append so string building is linear; `x = a + b` on plain
//   operands and integer comparisons in conditions skip Value temporaries.
// * Errors travel as an internal C++ exception up to the nearest
//   On Error Resume Next frame or to this API, where they become ErrorInfo;
//   nothing throws across this header. Recursion depth is bounded by
//   measuring the real stack, parse depth by a nesting limit, loops and calls
//   poll a step counter for the host's time-out / interrupt.
// * Objects (script class instances and host objects alike) implement the
//   late-bound Object interface of Object.h; all state lives in the Runtime,
//   there is no global state. Every way in from the host (the Runtime calls,
//   invoke on the engine's objects, the release that runs Class_Terminate)
//   passes one guard that marks the engine running and starts the time-out
//   and the stack limit. Objects the engine made may outlive a reset and the
//   Runtime itself: class instances and GetRef results then fail with error
//   424, the classic objects go on working.
//
// Layout: Lexer / Parser / Ast.h / Compiler (name resolution) / Interp*.cpp
// (InterpExpr: expressions and assignment, InterpStmt: statements,
// InterpCall: calls, classes and member access, Interp: API boundary and the
// Err object) / Value, Convert, Operators (Variant rules) / ErrorTable.h (every
// error the engine raises, with its text) / builtins/ (one file per group of functions,
// each contributing a table; add a group by listing it in Builtins.cpp).
// FastArith.h holds the inline Integer / Long / Double fast path of the
// operators that expressions, assignments and conditions share.
//
// This header is the whole host surface: a program embedding the engine
// includes it and nothing else of the library.

// Values: the Variant (Value, Array), UTF-8 <-> UTF-16, case-insensitive names.
#include "Value.h"
// Host objects: the late-bound Object interface, InvokeKind and isPut(),
// Enumerator and ListEnumerator for For Each, HostError and the error numbers
// a host meets or fails with (vbs::error).
#include "Object.h"
// Member tables: a host object's names -> DispIds, cached per call site.
#include "MemberTable.h"
// Reading a host member call's arguments with the classic conversions.
#include "HostArgs.h"
// Files: a ready-made Config::fileAccess over allowed folders, and file-name
// wildcards matched as the file objects match them.
#include "objects/FilePolicy.h"
#include "objects/Wildcard.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

class Interp;

// Host callbacks and limits. Every callback is optional.
struct Config {
    // Receives text the script prints (UTF-8, one call per line).
    std::function<void(std::string_view)> output;
    // Polled now and then while a script runs; returning true stops it.
    std::function<bool()> interruptCheck;

    // CreateObject(progId): the host's own objects are asked first; nullptr
    // means "not one of mine", and the classic objects (Scripting.Dictionary,
    // Scripting.FileSystemObject, VBScript.RegExp) are tried next.
    std::function<Object*(std::u16string_view progId)> createObject;
    // GetObject(path, progId): unset or nullptr gives error 429.
    std::function<Object*(std::u16string_view path, std::u16string_view progId)> getObject;
    // false switches CreateObject and GetObject off, however the script
    // reaches them (any spelling, Execute, Eval, a class method, a host call
    // into script code): nothing is created and the call fails with error 429,
    // which On Error Resume Next can catch like any other. createObjectRefused,
    // when set, is told the ProgID (or GetObject's path) first.
    bool createObjectEnabled = true;
    std::function<void(std::u16string_view progId)> createObjectRefused;

    // MsgBox(prompt, buttons, title): returns the button pressed (vbOK = 1 ...).
    // Unset: the prompt goes to output and vbOK is returned. Texts are UTF-8.
    std::function<int(std::string_view prompt, int buttons, std::string_view title)> msgBox;
    // InputBox(prompt, title, default): the text, or nullopt for Cancel (the
    // function then returns Empty). Unset: returns the default text.
    std::function<std::optional<std::string>(std::string_view prompt, std::string_view title,
                                             std::string_view defaultText)>
        inputBox;

    // File objects: turns a script's path ("C:\\x\\y.txt", "sub\\y.txt",
    // "/x/y") into a native path. Unset: backslashes become slashes.
    std::function<std::string(std::u16string_view scriptPath)> mapPath;
    // Whether file objects may read (write = false) or create, change or
    // delete (write = true) the native path, given absolute with symbolic
    // links resolved. A refusal is error 70 "Permission denied". Unset: all.
    std::function<bool(const std::string& path, bool write)> fileAccess;

    int32_t timeoutMs = 0;           // <= 0: no time-out
    uint64_t stepLimit = 0;          // 0: unlimited; counts loop iterations and calls
    size_t stackBytes = 4u << 20;    // C++ stack the interpreter may use
    size_t memoryLimit = 256u << 20; // largest single string / array in bytes
};

struct ErrorInfo {
    int32_t number = 0; // classic number (13, 1025 ...) or the raised one
    std::string source;
    std::string description;
    int line = 0;         // 1-based; 0 when not tied to a line
    int column = 0;       // 1-based
    std::string lineText; // the source line the error refers to
    bool compile = false; // a syntax error found before running
};

struct ProcedureInfo {
    std::string name;
    int argCount = 0;
    bool hasReturnValue = false;
};

// A name a checked text uses that nothing defines: neither the text's own definitions, nor the
// engine's (earlier code, named objects and the members of those added with membersGlobal), nor
// the language's. At run time it is an undeclared variable, Empty until assigned.
struct UndefinedName {
    std::string name;
    int line = 0, column = 0;
    bool assigned = false; // this mention assigns it (=, Set, For, For Each, ReDim)
};

struct RuntimeStats {
    uint64_t codeCompiled = 0; // AddCode texts parsed and compiled
    uint64_t codeReused = 0;   // AddCode texts whose compiled form was reused after a reset
};

// One script engine: named objects, code, and calls into it. Every call
// returns false on failure and leaves the error in lastError(); nothing
// throws. Not thread-safe, except requestInterrupt().
//
// A host that rebuilds the engine before every script it runs does, per run:
//     rt.reset();
//     rt.addObject("Action", action, true);
//     rt.addCode(wrapperAndProjectCode);
//     rt.addObject(...);   // more named objects
//     rt.run("Wrapper", {});
// Rounds that repeat the previous one reuse its compiled code (see reset).
class Runtime {
  public:
    explicit Runtime(Config config = {});
    // Releases the script's data (Class_Terminate runs). Objects the host
    // still holds stay safe to use and to release, as after reset().
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // Back to a blank engine, as if it were new: every definition, variable
    // and named object is dropped (objects released, Class_Terminate run),
    // Err is cleared and Rnd starts its sequence again. Only the compiled
    // form of the previous round's code is kept: when the next round adds the
    // same named objects (same names and membersGlobal flags, objects of the
    // same kind where members are global) and the same code texts in the same
    // order, those texts are not parsed and compiled again; everything else
    // behaves exactly as if they were. Fails (error 17) while a script runs,
    // for instance when called from a host callback.
    // Class instances and GetRef results the host still holds are cut off
    // from the code: without Class_Terminate, what they held is released and
    // every later use fails with error 424 (error::ObjectRequired).
    bool reset();

    // Parses the whole text, then runs its script-level statements. A syntax
    // error leaves nothing of the text behind and is reported with
    // ErrorInfo::compile set.
    bool addCode(std::string_view code, std::string_view fileName = {});
    // Parses and compiles the text as addCode does, without running any of it: for tools that
    // check a game's scripts. Its definitions stay in this engine.
    bool checkCode(std::string_view code);
    // The same, also listing every mention of a name that nothing defines, in the text's order.
    bool checkCode(std::string_view code, std::vector<UndefinedName>& undefinedNames);
    // Makes a host object visible to scripts under name; with membersGlobal
    // its members can also be used without qualification (script definitions
    // and the language's own functions and constants take precedence; among
    // objects, the first one added that has the member).
    bool addObject(std::string_view name, Object* object, bool membersGlobal = false);
    // Calls a script-level Sub or Function with argument values. An argument
    // given as Value::ref(&v) is passed ByRef: what the procedure assigns to
    // that (ByRef) parameter lands in v.
    bool run(std::string_view procedure, std::span<const Value> args, Value* result = nullptr);
    // Evaluates one expression in the global scope.
    bool eval(std::string_view expression, Value& result);
    // Runs statements in the global scope (definitions they make stay).
    bool executeStatement(std::string_view code);
    // The script's Subs and Functions in the order they were defined.
    std::vector<ProcedureInfo> procedures() const;

    // Time-out of each outermost call in milliseconds; <= 0: none. A script
    // that runs past it stops with error 1901, beyond On Error Resume Next and
    // whatever it is doing: a Class_Terminate that swallows the stop does not
    // let the code around it run on (so with an interrupt, error 1900).
    void setTimeout(int32_t ms);
    int32_t timeout() const;
    // Thread-safe: stops the running script at its next poll (error 1900);
    // asked for during a host callback (an invoke, MsgBox, InputBox), as soon
    // as the callback returns. A host method can also fail its invoke with
    // error::Interrupted (see Object.h).
    void requestInterrupt();
    // True while a call into the engine is under way: a Runtime call, or an
    // invoke of a script object, during which a host callback runs.
    bool running() const;
    // For a host callback that takes long (a wait, a modal loop): 0 while the
    // running script may go on, else the number it must stop with
    // (error::Interrupted, error::TimedOut); failing the invoke with that
    // number stops the script. 0 when no script runs.
    int32_t pendingStop();

    // A classic object (Scripting.Dictionary, Scripting.FileSystemObject,
    // VBScript.RegExp; any letter case) as CreateObject makes it, under this
    // engine's mapPath / fileAccess policy; nullptr for any other ProgID. For
    // a Config::createObject that hands these out itself; the host asks, so
    // createObjectEnabled does not apply. Like Config::createObject, the new
    // object has no references yet; it keeps working after a reset and after
    // the Runtime is gone.
    Object* createClassicObject(std::u16string_view progId);

    // The error of the last Runtime call that failed (cleared by one that succeeds).
    const ErrorInfo& lastError() const;
    const RuntimeStats& stats() const;

  private:
    Config m_config;
    std::unique_ptr<Interp> m_interp;
};

} // namespace vbs
