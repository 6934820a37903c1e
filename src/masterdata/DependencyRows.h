#pragma once
// tbl_Abhängigkeiten as the dependency editor changes it. Line r of the editor's grid shows the
// r-th row of the recordset the grid was filled from, and every change of a line goes through
// that recordset to the very row the line shows: rows another copy adds or removes meanwhile never
// shift a change onto another employee.
#include "db/Connection.h"
#include "db/Recordset.h"

namespace mv {

// Adds a row for the employee, his three dependents left at their default 0. False, with nothing
// written, when he has a row already.
bool AddDependencyRow(db::Connection& conn, long persNr);

// Dependent slot 1 to 3 of the row shown on line `line` (from 1) becomes persNr; 0 empties it.
void SetDependent(db::Recordset& shown, int line, int slot, long persNr);

// Deletes the row shown on line `line` with its dependents.
void DeleteDependencyRow(db::Recordset& shown, int line);

}  // namespace mv
