#!/usr/bin/env python3
"""Writes the differential corpus: small VBScript programs whose printed
results, recorded from the engine, pin down its behaviour so that a new
evaluator can be checked against it program by program.

    generate.py [DIR]      (DIR defaults to this script's folder)

The output is deterministic (fixed seed). After changing this script, delete
the old programs, run it, and record the results with run_corpus.cmake -DRECORD=1.
Every program runs with prelude.vbs included first (Fmt, Show, Valued, Plain).
"""
import os
import random
import sys

SEED = 1897
rng = random.Random(SEED)
programs = {}


def emit(name, lines):
    assert name not in programs, name
    programs[name] = "\n".join(lines) + "\n"


def q(text):
    """A VBScript string literal holding text."""
    return '"' + text.replace('"', '""') + '"'


# Operands: (source, is_object). One or more of every Variant kind.
VALUES = [
    ("Empty", False), ("Null", False), ("True", False), ("False", False),
    ("CByte(0)", False), ("CByte(7)", False), ("CByte(255)", False),
    ("0", False), ("-3", False), ("12", False), ("CInt(32767)", False), ("CInt(-32768)", False),
    ("CLng(5)", False), ("40000", False), ("2147483647", False), ("CLng(-2147483647)", False),
    ("CSng(1.5)", False), ("CSng(-0.1)", False), ("CSng(3E+38)", False),
    ("2.5", False), ("0.1", False), ("-1E+300", False), ("1E+308", False), ("(1 / 3)", False),
    ("CCur(12.3456)", False), ("CCur(-0.5)", False), ("CCur(922337203685477)", False),
    ("CCur(0.0001)", False),
    ("#1/2/2003#", False), ("#12/30/1899#", False), ("#6:30:00 PM#", False), ("CDate(1.75)", False),
    ("#2/29/2000 11:59:59 PM#", False),
    ('"12"', False), ('"abc"', False), ('""', False), ('" 3.5 "', False), ('"True"', False),
    ('"1E3"', False), ('"&H10"', False), ('"-0"', False), ('"1/2/2003"', False),
    ("Nothing", True), ("New Valued", True), ("New Plain", True),
    ('Array(1, "x")', False),
]
# Operands that seldom raise errors, for nested expressions.
TAME = ["True", "False", "CByte(7)", "-3", "12", "CLng(5)", "40000", "CSng(1.5)", "2.5", "0.1",
        "CCur(12.3456)", "CCur(-0.5)", "#1/2/2003#", '"12"', '" 3.5 "', '"abc"', "Empty", "Null",
        "(New Valued)"]
BINARY = {"add": "+", "sub": "-", "mul": "*", "div": "/", "idiv": "\\", "mod": "Mod", "pow": "^",
          "cat": "&", "eq": "=", "ne": "<>", "lt": "<", "gt": ">", "le": "<=", "ge": ">=",
          "and": "And", "or": "Or", "xor": "Xor", "eqv": "Eqv", "imp": "Imp"}
CONVERSIONS = ["CInt", "CLng", "CDbl", "CStr", "CBool", "CDate", "CCur", "CByte", "CSng", "Int",
               "Fix", "Abs", "Sgn", "Round", "Hex", "Oct", "Len", "IsNumeric", "IsDate", "VarType",
               "TypeName", "Not", "-"]

HEAD = ["On Error Resume Next", "Dim a, b, r"]


def assign(var, src, is_obj):
    return ("Set " if is_obj else "") + var + " = " + src


def check(label, expr):
    """Evaluates expr into r and shows r or the error (Show then resets both)."""
    return "r = %s : Show %s, r" % (expr, q(label))


def binary_programs():
    # Each operator over operand pairs: through variables (the operand kinds
    # meet at run time) and written inline (a compiler may fold them).
    for key, op in BINARY.items():
        pairs = [(x, y) for x in VALUES for y in VALUES]
        rng.shuffle(pairs)
        for part in range(3):
            lines = list(HEAD)
            for (x, xo), (y, yo) in pairs[part * 10:(part + 1) * 10]:
                if rng.random() < 0.6 or xo or yo:
                    lines.append(assign("a", x, xo) + " : " + assign("b", y, yo) + " : "
                                 + check("%s %s %s" % (x, op, y), "a %s b" % op))
                else:
                    lines.append(check("%s %s %s" % (x, op, y), "%s %s %s" % (x, op, y)))
            emit("ops_%s_%d" % (key, part + 1), lines)


def random_expr(depth):
    if depth == 0 or rng.random() < 0.25:
        return rng.choice(TAME)
    if rng.random() < 0.15:
        return "(%s%s)" % (rng.choice(["Not ", "-"]), random_expr(depth - 1))
    if rng.random() < 0.15:
        return "%s(%s)" % (rng.choice(["CInt", "CDbl", "CStr", "CLng", "CCur", "Abs", "Len"]),
                           random_expr(depth - 1))
    op = rng.choice(list(BINARY.values()))
    text = "%s %s %s" % (random_expr(depth - 1), op, random_expr(depth - 1))
    return "(" + text + ")" if rng.random() < 0.5 else text


def mixed_programs():
    # Nested expressions: precedence, and kinds changing along the way.
    for n in range(40):
        lines = list(HEAD)
        for i in range(6):
            expr = random_expr(3)
            while expr in TAME:  # a bare operand checks nothing
                expr = random_expr(3)
            lines.append(check("e%d" % (i + 1), expr))
        emit("mixed_%02d" % (n + 1), lines)


def conversion_programs():
    for f in CONVERSIONS:
        values = list(VALUES)
        rng.shuffle(values)
        half = len(values) // 2
        for part, chunk in enumerate([values[:half], values[half:]]):
            lines = list(HEAD) + ["' %s of each operand" % f]
            for x, xo in chunk:
                call = "%s a" % f if f == "Not" else ("-a" if f == "-" else "%s(a)" % f)
                lines.append(assign("a", x, xo) + " : " + check(x, call))
            name = {"Not": "not", "-": "neg"}.get(f, f.lower())
            emit("conv_%s_%d" % (name, part + 1), lines)


def for_programs():
    starts = ["1", "10", "0", "-2", "2.5", "CByte(3)", '"4"', "CCur(1.5)"]
    ends = ["5", "0", "-3", "7.5", "1", "CInt(6)", '"3"']
    steps = ["1", "-1", "2", "-2", "0.5", "-0.75", "3", "CCur(-1.25)", "-3"]
    for n in range(12):
        s, e, st = rng.choice(starts), rng.choice(ends), rng.choice(steps)
        lines = ["Dim i, n, lim", "n = 0 : lim = %s" % e,
                 "For i = %s To lim Step %s" % (s, st),
                 "  n = n + 1",
                 "  WScript.Echo TypeName(i) & \" \" & i",
                 "  lim = lim + 1  ' the end was taken once, before the first pass",
                 "  If n > 20 Then Exit For",
                 "Next",
                 "WScript.Echo \"after: \" & TypeName(i) & \" \" & i & \" passes \" & n"]
        emit("loop_for_%02d" % (n + 1), lines)
    for n in range(4):
        k = rng.randint(2, 5)
        lines = ["Dim i, j, t", "t = \"\"",
                 "For i = %d To 1 Step -1" % (k + 2),
                 "  For j = 1 To %d" % k,
                 "    If j = i Then Exit For",
                 "    If (i + j) Mod 3 = 0 Then i = i - 1  ' changing the counter changes the run",
                 "    t = t & i & j & \" \"",
                 "  Next",
                 "  t = t & \"| \"",
                 "Next",
                 "WScript.Echo t", "WScript.Echo i & \" \" & j"]
        emit("loop_nested_%02d" % (n + 1), lines)


def foreach_programs():
    sources = ["Array(%d, \"b\", Null, 2.5, True)", "Split(\"x,%d,,z\", \",\")", "Array()"]
    for n in range(9):
        src = sources[n % 3]
        if "%d" in src:
            src = src % rng.randint(1, 99)
        lines = ["Dim a, x, t, c", "a = " + src, "t = \"\" : c = 0",
                 "For Each x In a",
                 "  c = c + 1",
                 "  t = t & Fmt(x) & \"; \"",
                 "  x = \"changed\"  ' the element is a copy",
                 "  If c = 1 And UBound(a) >= 2 Then a(2) = \"late\"  ' seen by the loop?",
                 "  If c = %d Then Exit For" % rng.randint(2, 6),
                 "Next",
                 "WScript.Echo c & \": \" & t", "WScript.Echo Fmt(a)",
                 "WScript.Echo \"after: \" & Fmt(x)"]
        emit("loop_each_%02d" % (n + 1), lines)
    # Fixed and two-dimensional arrays: the order For Each walks them in.
    for n in range(3):
        r, c = rng.randint(1, 3), rng.randint(1, 3)
        lines = ["Dim g(%d, %d), i, j, x, t" % (r, c),
                 "For i = 0 To %d : For j = 0 To %d : g(i, j) = i * 10 + j : Next : Next" % (r, c),
                 "For Each x In g : t = t & x & \" \" : Next", "WScript.Echo t",
                 "Dim f(%d)" % (r + 2), "f(1) = \"one\"",
                 "t = \"\"", "For Each x In f : t = t & Fmt(x) & \",\" : Next", "WScript.Echo t"]
        emit("loop_each_grid_%02d" % (n + 1), lines)


def do_programs():
    shapes = [("Do While n < lim", "Loop"), ("Do Until n >= lim", "Loop"),
              ("Do", "Loop While n < lim"), ("Do", "Loop Until n >= lim"),
              ("While n < lim", "Wend")]
    for n in range(10):
        head, tail = shapes[n % len(shapes)]
        lim, brk = rng.randint(0, 6), rng.randint(1, 8)
        body = ["  n = n + 1", "  t = t & n"]
        if "While n < lim" != head:  # While ... Wend has no Exit
            body.append("  If n = %d Then Exit Do" % brk)
        lines = ["Dim n, lim, t", "n = 0 : lim = %d : t = \"\"" % lim, head] + body + [
            tail, "WScript.Echo n & \" [\" & t & \"]\""]
        emit("loop_do_%02d" % (n + 1), lines)
    # Exit Do leaves only the inner loop; Exit For inside Do leaves the For.
    for n in range(3):
        k = rng.randint(2, 4)
        lines = ["Dim i, j, t", "i = 0",
                 "Do While i < %d" % (k + 1),
                 "  i = i + 1 : j = 0",
                 "  Do",
                 "    j = j + 1",
                 "    If j >= i Then Exit Do",
                 "    t = t & i & \":\" & j & \" \"",
                 "  Loop",
                 "  For j = 1 To 10",
                 "    If j > %d Then Exit For" % k,
                 "  Next",
                 "  t = t & \"(\" & j & \") \"",
                 "Loop", "WScript.Echo t"]
        emit("loop_do_nested_%02d" % (n + 1), lines)


PROC_LIB = [
    "Sub Bump(ByRef x, ByVal y)",
    "  x = x + 1 : y = y + 1",
    "End Sub",
    "Function Twice(x)",
    "  x = x * 2 : Twice = x",
    "End Function",
]


def proc_programs():
    n = 0

    def out(lines):
        nonlocal n
        n += 1
        emit("proc_%02d" % n, lines)

    # Call forms and what each passes by reference.
    forms = ["Bump a, b", "Bump (a), b", "Call Bump(a, b)", "Bump a + 0, b", "Bump (a), (b)"]
    for f in forms:
        v = rng.choice(["1", "2.5", "CByte(9)", '"7"', "CCur(1.5)"])
        out(PROC_LIB + ["Dim a, b", "a = %s : b = 10" % v, f,
                        "WScript.Echo Fmt(a) & \" / \" & Fmt(b)",
                        "r = Twice(a) : WScript.Echo Fmt(r) & \" \" & Fmt(a)",
                        "r = Twice((a)) : WScript.Echo Fmt(r) & \" \" & Fmt(a)"])
    # By reference into array elements, fixed and dynamic, one and two dimensions.
    for _ in range(5):
        i, j = rng.randint(0, 3), rng.randint(0, 2)
        out(PROC_LIB + ["Dim v(3), w(), g(3, 2), k", "ReDim w(3)",
                        "For k = 0 To 3 : v(k) = k : w(k) = k * 10 : Next",
                        "Bump v(%d), 0 : Bump w(%d), 0 : Bump g(%d, %d), 0" % (i, i, i, j),
                        "Call Twice(v(%d)) : Twice w(%d + 0)" % (i, i),
                        "Bump v(v(0) + %d), v(%d)" % (min(i, 2), i),
                        "WScript.Echo Join(v, \",\") & \" | \" & Join(w, \",\") & \" | \" & g(%d, %d)"
                        % (i, j)])
    # Members of objects, fields and properties alike, and elements of an array
    # a member holds: what the callee changes.
    for _ in range(4):
        v = rng.randint(1, 50)
        out(PROC_LIB + ["Class Holder",
                        "  Public Field", "  Private m",
                        "  Public Property Get Prop() : Prop = m : End Property",
                        "  Public Property Let Prop(x) : m = x : End Property",
                        "  Public Items",
                        "End Class",
                        "Dim h : Set h = New Holder",
                        "h.Field = %d : h.Prop = %d : h.Items = Array(1, 2, 3)" % (v, v + 1),
                        "Bump h.Field, 0 : Bump h.Prop, 0 : Bump h.Items(1), 0",
                        "WScript.Echo h.Field & \" \" & h.Prop & \" \" & Join(h.Items, \",\")",
                        "With h : Bump .Field, 0 : End With",
                        "WScript.Echo h.Field"])
    # Objects and arrays as arguments: the reference or the whole array.
    for _ in range(3):
        k = rng.randint(2, 5)
        out(["Sub Swap(ByRef o, ByVal p)",
             "  Set o = New Plain : o.Tag = \"new\" : Set p = Nothing",
             "End Sub",
             "Sub Grow(ByRef arr, ByVal copy)",
             "  ReDim Preserve arr(%d) : arr(%d) = \"end\" : copy(0) = \"gone\"" % (k, k),
             "End Sub",
             "Dim x, y, a, c",
             "Set x = New Plain : x.Tag = \"old\" : Set y = x",
             "Swap x, y",
             "WScript.Echo x.Tag & \" \" & y.Tag & \" \" & (x Is y)",
             "a = Array(\"a\", \"b\") : c = Array(\"keep\")",
             "Grow a, c",
             "WScript.Echo UBound(a) & \" \" & a(%d) & \" \" & c(0)" % k])
    # Loop counters and constants passed by reference.
    for _ in range(3):
        k, m = rng.randint(3, 8), rng.randint(2, 3)
        out(PROC_LIB + ["Const LIMIT = %d" % k, "Dim i, t",
                        "For i = 1 To LIMIT",
                        "  t = t & i & \" \"",
                        "  If i Mod %d = 0 Then Bump i, 0" % m,
                        "Next",
                        "WScript.Echo t & \"/ \" & i",
                        "Bump LIMIT, 0",
                        "WScript.Echo LIMIT"])
    # Recursion, early exits, default results, the function name as a variable.
    for _ in range(5):
        k = rng.randint(3, 9)
        out(["Function Fact(n)",
             "  If n <= 1 Then Fact = 1 : Exit Function",
             "  Fact = n * Fact(n - 1)",
             "End Function",
             "Function Nothing2(n)",
             "  If n > 0 Then Exit Function",
             "  Nothing2 = \"set\"",
             "End Function",
             "Function Acc(n, ByRef total)",
             "  Acc = 0",
             "  If n = 0 Then Exit Function",
             "  total = total + n : Acc = n + Acc(n - 1, total)",
             "End Function",
             "Dim t : t = 0",
             "WScript.Echo Fact(%d) & \" \" & TypeName(Fact(%d))" % (k, k + 5),
             "WScript.Echo Fmt(Nothing2(%d)) & \" \" & Fmt(Nothing2(0))" % k,
             "WScript.Echo Acc(%d, t) & \" \" & t" % k])
    # Locals shadow globals; a Sub sees globals it does not redeclare.
    for _ in range(3):
        v = rng.randint(1, 9)
        out(["Dim g, h : g = %d : h = %d" % (v, v * 2),
             "Sub S()",
             "  Dim g : g = \"local\"",
             "  h = h + 1",
             "  WScript.Echo g & \" \" & h",
             "End Sub",
             "Function F(h)",
             "  h = h * 10 : F = g + h",
             "End Function",
             "S : S",
             "WScript.Echo g & \" \" & h & \" \" & F(h) & \" \" & h",
             "WScript.Echo F(g) & \" \" & g"])


def class_programs():
    n = 0

    def out(lines):
        nonlocal n
        n += 1
        emit("class_%02d" % n, lines)

    acct = ["Class Account",
            "  Private m_balance, m_log",
            "  Public Name",
            "  Private Sub Class_Initialize() : m_balance = 0 : m_log = \"\" : End Sub",
            "  Public Property Get Balance() : Balance = m_balance : End Property",
            "  Public Property Let Balance(v)",
            "    If v < 0 Then Err.Raise 5, \"Account\", \"negative\"",
            "    m_balance = v : m_log = m_log & v & \";\"",
            "  End Property",
            "  Public Property Get Log() : Log = m_log : End Property",
            "  Public Function Add(v) : Balance = Balance + v : Set Add = Me : End Function",
            "  Private Function Secret() : Secret = 42 : End Function",
            "End Class"]
    for _ in range(6):
        a, b, c = rng.randint(-5, 20), rng.randint(-20, 20), rng.randint(1, 9)
        out(acct + ["On Error Resume Next",
                    "Dim x : Set x = New Account",
                    "x.Name = \"acc\" : x.Balance = %d : WScript.Echo Err.Number & \" \" & x.Balance" % a,
                    "Err.Clear : x.Add(%d).Add %d : WScript.Echo Err.Number & \" \" & x.Balance" % (b, c),
                    "Err.Clear : WScript.Echo x.Secret : WScript.Echo \"private: \" & Err.Number",
                    "Err.Clear : x.Nope = 1 : WScript.Echo \"missing: \" & Err.Number",
                    "WScript.Echo x.Log & \" \" & TypeName(x) & \" \" & (x Is x)"])
    # Initialize and Terminate: when each runs.
    for _ in range(5):
        k = rng.randint(1, 3)
        out(["Class Noisy",
             "  Public Id",
             "  Private Sub Class_Initialize() : WScript.Echo \"init\" : End Sub",
             "  Private Sub Class_Terminate() : WScript.Echo \"term \" & Id : End Sub",
             "End Class",
             "Function Make(id) : Set Make = New Noisy : Make.Id = id : End Function",
             "Sub InSub() : Dim t : Set t = Make(\"local\") : WScript.Echo \"in sub\" : End Sub",
             "Dim a, b, i",
             "Set a = Make(\"a\") : Set b = a",
             "Set a = Nothing : WScript.Echo \"a released\"",
             "Set b = Nothing : WScript.Echo \"b released\"",
             "InSub : WScript.Echo \"after sub\"",
             "For i = 1 To %d : Set a = Make(i) : Next" % k,
             "Make \"discarded\"",
             "WScript.Echo \"end\""])
    # Default properties, Property Set, objects inside arrays and objects.
    for _ in range(5):
        k = rng.randint(2, 5)
        out(["Class Cell",
             "  Private m_v, m_next",
             "  Public Default Property Get V() : V = m_v : End Property",
             "  Public Property Let V(x) : m_v = x : End Property",
             "  Public Property Get NextCell() : Set NextCell = m_next : End Property",
             "  Public Property Set NextCell(c) : Set m_next = c : End Property",
             "End Class",
             "Dim cells(%d), i, c, t" % k,
             "For i = 0 To %d" % k,
             "  Set cells(i) = New Cell : cells(i).V = i * i",
             "  If i > 0 Then Set cells(i - 1).NextCell = cells(i)",
             "Next",
             "Set cells(%d).NextCell = Nothing" % k,
             "Set c = cells(0) : t = \"\"",
             "Do Until c Is Nothing : t = t & c & \" \" : Set c = c.NextCell : Loop",
             "WScript.Echo t",
             "WScript.Echo cells(1) + cells(2) & \" \" & (cells(%d) = %d)" % (k, k * k),
             "cells(1) = 99 : WScript.Echo TypeName(cells(1)) & \" \" & cells(1)"])
    # Me, methods changing state, class-level arrays, one class using another.
    for _ in range(4):
        k = rng.randint(2, 6)
        out(["Class Stack",
             "  Private items(), count",
             "  Private Sub Class_Initialize() : ReDim items(1) : count = 0 : End Sub",
             "  Public Sub Push(v)",
             "    If count > UBound(items) Then ReDim Preserve items(count * 2)",
             "    items(count) = v : count = count + 1",
             "  End Sub",
             "  Public Function Pop() : count = count - 1 : Pop = items(count) : End Function",
             "  Public Property Get Size() : Size = count : End Property",
             "  Public Function Self() : Set Self = Me : End Function",
             "End Class",
             "Dim s, i, t : Set s = New Stack",
             "For i = 1 To %d : s.Push i * 3 : Next" % k,
             "s.Self.Push \"top\"",
             "WScript.Echo s.Size & \" \" & s.Pop & \" \" & s.Self.Size",
             "Do While s.Size > 0 : t = t & s.Pop & \" \" : Loop",
             "WScript.Echo t"])
    # Uncaught: a member that does not exist ends the program.
    for member in ["Missing", "Secret"]:
        out(acct + ["Dim x : Set x = New Account",
                    "x.Balance = 3 : WScript.Echo x.Balance",
                    "WScript.Echo x.%s" % member,
                    "WScript.Echo \"not reached\""])
    out(acct + ["Dim x : Set x = New Account", "x.Balance = 2", "x.Balance = -1",
                "WScript.Echo \"not reached\""])


def with_programs():
    for n in range(10):
        k = rng.randint(1, 9)
        lines = ["Class Box",
                 "  Public W, H, Inner",
                 "  Public Function Area() : Area = W * H : End Function",
                 "End Class",
                 "Dim calls : calls = 0",
                 "Function Fetch(b) : calls = calls + 1 : Set Fetch = b : End Function",
                 "Dim b, boxes(2), i",
                 "Set b = New Box : Set b.Inner = New Box",
                 "With Fetch(b)",
                 "  .W = %d : .H = .W + 1" % k,
                 "  With .Inner",
                 "    .W = %d : .H = 2" % (k * 2),
                 "    WScript.Echo \"inner \" & .Area()",
                 "  End With",
                 "  For i = 1 To 3",
                 "    .W = .W + i",
                 "    If .W > %d Then Exit For" % (k + rng.randint(1, 5)),
                 "  Next",
                 "  WScript.Echo \"outer \" & .Area & \" calls \" & calls",
                 "End With",
                 "For i = 0 To 2 : Set boxes(i) = New Box : Next",
                 "With boxes(%d) : .W = 4 : .H = 5 : End With" % (n % 3),
                 "For i = 0 To 2 : WScript.Echo i & \": \" & Fmt(boxes(i).W) : Next"]
        if n % 3 == 2:
            lines += ["Dim z : Set z = Nothing", "With z", "  WScript.Echo \"in\"",
                      "  .W = 1", "End With", "WScript.Echo \"not reached\""]
        emit("with_%02d" % (n + 1), lines)


def select_programs():
    selectors = ["1", "\"1\"", "2.0", "CByte(2)", "Null", "Empty", "\"b\"", "True", "-1",
                 "CCur(3)", "#1/1/2000#", "\"\"", "0", "\"B\""]
    for n in range(15):
        sel = rng.choice(selectors)
        cases = rng.sample(["1", "\"1\"", "2", "\"b\", \"c\"", "True", "Empty", "0, -1",
                            "Note(3), Note(4)", "36526", "\"B\"", "Null", "Note(5)"], 4)
        lines = ["Function Note(v) : WScript.Echo \"  tried \" & v : Note = v : End Function",
                 "Dim x : x = %s" % sel, "Select Case x"]
        for i, c in enumerate(cases):
            lines += ["  Case %s" % c, "    WScript.Echo \"case %d\"" % (i + 1)]
        if rng.random() < 0.7:
            lines += ["  Case Else", "    WScript.Echo \"else\""]
        lines += ["End Select", "WScript.Echo \"done \" & Fmt(x)"]
        emit("select_%02d" % (n + 1), lines)


def error_programs():
    n = 0

    def out(lines):
        nonlocal n
        n += 1
        emit("error_%02d" % n, lines)

    show = "WScript.Echo \"%s: \" & Err.Number & \" \" & Err.Description & \" [\" & Err.Source & \"]\""
    # Inside expressions: the statement stops at the fault; its target keeps its value.
    for _ in range(6):
        k = rng.randint(1, 9)
        out(["On Error Resume Next",
             "Dim r, calls",
             "Function Tick(v) : calls = calls + 1 : Tick = v : End Function",
             "r = %d : calls = 0" % k,
             "r = Tick(1) + %d / 0 + Tick(2)" % k,
             show % "div" + " & \" r=\" & r & \" calls=\" & calls",
             "Err.Clear : r = Tick(\"x\") * Tick(%d) : WScript.Echo Err.Number & \" \" & Fmt(r)" % k,
             "Err.Clear : r = Array(1, 2)(%d) : WScript.Echo Err.Number & \" \" & Fmt(r)" % (k % 4),
             "Err.Clear : r = CInt(\"%d0000\") : WScript.Echo Err.Number & \" \" & Fmt(r)" % k,
             "Err.Clear : r = Len(Tick(Nothing)) : WScript.Echo Err.Number & \" calls=\" & calls"])
    # Loop and branch headers that fail: where execution goes on.
    headers = [
        ("For i = 1 To 1 / 0", "Next"),
        ("For i = 1 / 0 To 3", "Next"),
        ("For i = 1 To 3 Step \"x\"", "Next"),
        ("For Each i In Nothing", "Next"),
        ("For Each i In 5", "Next"),
        ("Do While 1 / 0 > 0", "Loop"),
        ("Do Until CInt(\"x\") = 1", "Loop"),
        ("Do", "Loop While 1 / 0"),
        ("While Once(c)", "Wend"),
    ]
    for head, tail in headers:
        # A guard, where the loop has an exit, in case the fault lets it run on.
        guard = {"Next": ["  If c >= 3 Then Exit For"], "Loop": ["  If c >= 3 Then Exit Do"]}
        out(["On Error Resume Next", "Dim i, c : c = 0",
             "Function Once(n) : If n = 0 Then Once = 1 / 0 Else Once = n < 3",
             "End Function", head,
             "  c = c + 1 : WScript.Echo \"body \" & c & \" \" & Fmt(i)"]
            + guard.get(tail.split()[0], []) + [tail, show % "after", "WScript.Echo \"c=\" & c"])
    for cond in ["1 / 0", "CBool(\"maybe\")", "Null", "Nothing"]:
        out(["On Error Resume Next", "If %s Then" % cond, "  WScript.Echo \"then\"", "Else",
             "  WScript.Echo \"else\"", "End If", show % "if",
             "Err.Clear", "Select Case %s" % cond, "  Case 1 : WScript.Echo \"one\"",
             "  Case Else : WScript.Echo \"other\"", "End Select", show % "select"])
    # Errors raised in called procedures, caught at different levels.
    for _ in range(6):
        num = rng.choice([5, 6, 9, 11, 13, 1000, 32767, 513])
        lines = ["Dim z", "Sub Inner(k)",
                 "  If k = 1 Then Err.Raise %d, \"Inner\", \"custom %d\"" % (num, num),
                 "  If k = 2 Then Err.Raise %d" % num,
                 "  If k = 3 Then z = 1 / 0",
                 "  WScript.Echo \"inner done \" & k",
                 "End Sub",
                 "Sub Middle(k)",
                 "  Inner k",
                 "  WScript.Echo \"middle done \" & k",
                 "End Sub",
                 "Sub Guarded(k)",
                 "  On Error Resume Next",
                 "  Middle k",
                 "  " + show % "guarded",
                 "End Sub",
                 "Dim k",
                 "For k = 0 To 3 : Guarded k : Next",
                 "On Error Resume Next",
                 "Middle 1 : " + show % "top",
                 "Err.Clear : Middle 0 : " + show % "cleared"]
        out(lines)
    # Err object: Raise with and without texts, Clear, the state after a call.
    for _ in range(4):
        num = rng.choice([5, 7, 53, 424, 1234, 65535, 9])
        out(["On Error Resume Next",
             "Err.Raise %d" % num, show % "raised",
             "Err.Raise %d, \"src\"" % num, show % "with source",
             "Err.Clear", show % "cleared",
             "Err.Number = %d : Err.Description = \"set\"" % num, show % "assigned",
             "Function Quiet() : On Error Resume Next : Quiet = 1 / 0 : End Function",
             "Err.Clear : Dim q : q = Quiet()", show % "after quiet",
             "WScript.Echo Fmt(q)"])
    # On Error GoTo 0 turns handling off: the next fault ends the program.
    for fault in ["x = 1 / 0", "x = CLng(\"big\")", "Err.Raise 1001, \"me\", \"by hand\"",
                  "x = Array(1)(3)", "Set x = Nothing : x.Go", "Undefined 1"]:
        out(["Dim x", "On Error Resume Next", "x = 1 / 0", show % "handled",
             "On Error GoTo 0", "WScript.Echo \"still \" & Err.Number", fault,
             "WScript.Echo \"not reached\""])
    # Faults without any handler inside procedures and class code.
    out(["Class Bad", "  Private Sub Class_Initialize() : Dim z : z = 1 / 0 : End Sub", "End Class",
         "On Error Resume Next", "Dim b : Set b = New Bad", show % "init",
         "WScript.Echo TypeName(b)"])
    out(["Function F(a, b) : F = a + b : End Function", "WScript.Echo F(1, 2)", "WScript.Echo F(1)"])
    out(["Sub Deep(n)", "  If n = 0 Then Err.Raise 440, \"deep\", \"bottom\" Else Deep n - 1",
         "End Sub", "WScript.Echo \"start\"", "Deep 5"])


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    binary_programs()
    mixed_programs()
    conversion_programs()
    for_programs()
    foreach_programs()
    do_programs()
    proc_programs()
    class_programs()
    with_programs()
    select_programs()
    error_programs()
    for name, text in programs.items():
        with open(os.path.join(out_dir, name + ".vbs"), "w", newline="\n") as f:
            f.write(text)
    print("%d programs written to %s" % (len(programs), out_dir))


if __name__ == "__main__":
    main()
