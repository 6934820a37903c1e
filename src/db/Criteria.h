#pragma once
// Quoting and the text rules of criteria (Find, Filter) and SQL texts.
//
// Criterion language of Recordset::Find and Recordset::Filter (our own parser, evaluated in
// memory):
//   criterion := term { OR term }           AND binds tighter than OR
//   term      := factor { AND factor }
//   factor    := [NOT] ( '(' criterion ')' | Field op value | Field IS [NOT] NULL )
//   op        := = | <> | < | > | <= | >= | LIKE | NOT LIKE
//   value     := 'text' (a quote inside doubled: 'O''Brien')  |  "text"
//              | number (17, -3, 2.5)       | bare date day first (5.3.2007, 05.03.2007)
//              | #date# (#2007-03-05#, #5.3.2007#)  | NULL
// Field names match without regard to case and may be bracketed ([Datum]).
// Keywords (AND, OR, NOT, LIKE, IS, NULL) ignore case. Blanks around tokens are optional.
// Texts compare without regard to case, umlauts included (ä = Ä, ö = Ö, ü = Ü, also other
// Latin letters); order of texts: a before ä before b (German dictionary order).
// LIKE: * and % match any run of characters (also none); everything else literally, ignoring case.
// Date fields compare as dates; a text or number value is then read as a date (day first).
// Number fields compare numerically; a text value is then read as a number.
#include <string>
#include <string_view>

namespace db {

// Puts text between single quotes and doubles every single quote inside:
// Quote("O'Brien") == "'O''Brien'". Use it for every text value joined into a criterion or SQL.
std::string Quote(std::string_view text);

// Case folding of UTF-8 text as criteria use it (Latin letters incl. umlauts; ß stays ß).
std::string FoldCase(std::string_view text);

// Equal without regard to case (the criteria's '=' on texts).
bool EqualsNoCase(std::string_view a, std::string_view b);

// Order of texts as criteria, Sort and ORDER BY use it: < 0, 0 or > 0.
// 0 exactly when EqualsNoCase is true.
int CompareText(std::string_view a, std::string_view b);

// The criteria's LIKE: '*' and '%' match any run of characters; case is ignored.
bool MatchLike(std::string_view text, std::string_view pattern);

}  // namespace db
