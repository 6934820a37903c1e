#pragma once
// The database layer in one include: Connection, Recordset, Value, Date, Quote and criteria
// helpers.
#include "db/Connection.h"
#include "db/Criteria.h"
#include "db/Date.h"
#include "db/Error.h"
#include "db/Recordset.h"
#include "db/Value.h"
