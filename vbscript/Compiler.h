#pragma once
// Name resolution: turns the names of a parsed Unit into slots and symbols.
// Declared in Interp.h as compileUnit(); this header documents the rules.
//
// Lookup order inside a procedure: its locals (parameters, Dim, Const, the
// function's own name for the return value), then the members of its class,
// then global symbols that are declared, then built-in functions; anything
// else is an implicit local which still defers to a global of that name if
// one is declared later (ExecuteGlobal / AddCode).
// At script level: global symbols, then built-ins, then implicit globals.
#include "Interp.h"
