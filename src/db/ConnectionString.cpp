#include "db/ConnectionString.h"

#include <utility>
#include <vector>

#include "db/Error.h"
#include "db/Internal.h"

namespace db {
namespace {

// Splits "key = value; key = value" (values may be in double or single quotes).
std::vector<std::pair<std::string, std::string>> ParseConnectionString(const std::string& cs) {
  std::vector<std::pair<std::string, std::string>> out;
  std::size_t i = 0;
  while (i < cs.size()) {
    std::size_t eq = cs.find('=', i);
    std::size_t semi = cs.find(';', i);
    if (eq == std::string::npos || (semi != std::string::npos && semi < eq)) {
      std::string junk =
          detail::Trim(cs.substr(i, (semi == std::string::npos ? cs.size() : semi) - i));
      if (!junk.empty())
        throw Error("The connection string cannot be read: \"" + junk + "\" has no '='.",
                    ErrorKind::ConnectionString);
      if (semi == std::string::npos) break;
      i = semi + 1;
      continue;
    }
    std::string key = detail::Trim(cs.substr(i, eq - i));
    // Collapse inner blanks of the keyword ("Data  Source").
    std::string k;
    for (char c : key) {
      if (c == ' ' || c == '\t') {
        if (!k.empty() && k.back() != ' ') k += ' ';
      } else {
        k += static_cast<char>((c >= 'A' && c <= 'Z') ? c + 32 : c);
      }
    }
    std::size_t v = eq + 1;
    while (v < cs.size() && (cs[v] == ' ' || cs[v] == '\t')) ++v;
    std::string value;
    if (v < cs.size() && (cs[v] == '"' || cs[v] == '\'')) {
      char q = cs[v];
      std::size_t close = cs.find(q, v + 1);
      if (close == std::string::npos)
        throw Error("The connection string cannot be read: a closing quote is missing.",
                    ErrorKind::ConnectionString);
      value = cs.substr(v + 1, close - v - 1);
      std::size_t next = cs.find(';', close);
      i = next == std::string::npos ? cs.size() : next + 1;
    } else {
      std::size_t end = cs.find(';', v);
      value = detail::Trim(cs.substr(v, (end == std::string::npos ? cs.size() : end) - v));
      i = end == std::string::npos ? cs.size() : end + 1;
    }
    out.emplace_back(k, value);
  }
  return out;
}

}  // namespace

std::string DataSourcePath(const std::string& connectionString) {
  std::string path;
  bool haveSource = false;
  for (auto& [k, v] : ParseConnectionString(connectionString)) {
    if (k == "provider") {
      std::string p = detail::AsciiLower(v);
      if (p.rfind("microsoft.jet.oledb", 0) != 0 && p.rfind("microsoft.ace.oledb", 0) != 0)
        throw Error("The provider \"" + v + "\" is not supported; use Microsoft.Jet.OLEDB.4.0.",
                    ErrorKind::ConnectionString);
    } else if (k == "data source" || k == "datasource" || k == "dbq") {
      path = v;
      haveSource = true;
    }
    // Other keywords (User ID, Password, Mode, ...) are accepted and ignored.
  }
  if (!haveSource)
    throw Error("The connection string names no database file (Data Source is missing).",
                ErrorKind::ConnectionString);
  path = detail::Trim(path);
  if (path.empty()) throw Error("The database path is empty.", ErrorKind::FileNotFound);
  return path;
}

}  // namespace db
