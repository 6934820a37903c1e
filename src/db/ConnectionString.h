#pragma once
// Reading the Jet connection string that Connection::Open takes.
#include <string>

namespace db {

// The database path that "Provider = Microsoft.Jet.OLEDB.4.0;Data Source = <path>" names, without
// the blanks around it. Keywords ignore case and inner blanks ("DATA   SOURCE"); a value may be put
// in double or single quotes; other keywords (User ID, Password, Mode, ...) are ignored.
// Throws db::Error: ConnectionString (a part without '=', a closing quote missing, a provider other
// than Jet or ACE, no Data Source), FileNotFound (an empty path).
std::string DataSourcePath(const std::string& connectionString);

}  // namespace db
