#pragma once
// What the fuzz targets share: a private temporary folder and a small database made from
// data/schema.sql.
#include <filesystem>
#include <string>

namespace fuzz {

// A new folder of this process under the system's temporary folder, removed when it ends normally.
const std::filesystem::path& ProcessFolder();

// Creates <folder>/<name> from the schema with a few rows in every table (umlauts, an apostrophe,
// dates at month and year ends) and returns its path.
std::string CreateSampleDatabase(const std::string& name);

// Ends the process with a message on stderr: what a target found is no db::Error.
[[noreturn]] void Finding(const std::string& what);

}  // namespace fuzz
