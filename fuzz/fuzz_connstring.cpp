// Any text as the connection string: it names a path or fails with a db::Error that says why.
// A path put into the program's own connection string is read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void CheckPath(const std::string& path, const std::string& connectionString) {
  if (path.empty() || IsBlank(path.front()) || IsBlank(path.back()))
    fuzz::Finding("the path \"" + path + "\" read from \"" + connectionString +
                  "\" is empty or keeps blanks");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    CheckPath(db::DataSourcePath(text), text);
  } catch (const db::Error& e) {
    if (std::string(e.what()).empty()) fuzz::Finding("a db::Error without description");
  }

  // The same text as the path of the program's connection string. Only a path with a ';' or a
  // leading quote and both kinds of quotes inside cannot be written there.
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  const std::string path = text.substr(first, last - first);
  if (path.empty()) return 0;
  const bool needsQuotes =
      path.find(';') != std::string::npos || path.front() == '"' || path.front() == '\'';
  if (needsQuotes && path.find('"') != std::string::npos && path.find('\'') != std::string::npos)
    return 0;
  std::string read;
  try {
    read = db::DataSourcePath(db::JetConnectionString(text));
  } catch (const db::Error& e) {
    fuzz::Finding("the program's connection string for \"" + text + "\" fails: " + e.what());
  }
  if (read != path) fuzz::Finding("the path \"" + text + "\" is read back as \"" + read + "\"");
  return 0;
}
