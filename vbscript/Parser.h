#pragma once
// Recursive-descent parser from tokens to the syntax tree of one Unit.
#include "Ast.h"
#include "Lexer.h"

#include <string_view>

namespace vbs {

// Parses a whole script into unit (its source and file name already set).
// Throws ScriptError with compile = true, line and column on a syntax error.
void parseUnit(Unit& unit);

// Parses a single expression (for Eval); the result is the only statement of
// unit.global, a CallStmt whose call is the expression.
void parseExpressionUnit(Unit& unit);

// Deepest nesting of expressions or blocks accepted before
// "Out of stack space" is raised at parse time.
constexpr int kMaxNesting = 1000;

} // namespace vbs
