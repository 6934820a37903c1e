#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "db/Db.h"

namespace fuzz {
namespace {

std::string ReadSchema() {
  std::ifstream in(MV_SCHEMA_SQL);
  if (!in) Finding(std::string("the schema cannot be read from ") + MV_SCHEMA_SQL);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class Folder {
 public:
  Folder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("mv_fuzz_" + std::to_string(::getpid()) + "_" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~Folder() {
    std::error_code ignored;  // a folder left behind in the temporary folder harms nothing
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

const char* const kSampleRows = R"(
INSERT INTO tbl_Teams VALUES (1, 'Entwicklung', 2), (2, 'Vertrieb & Service', 1);
INSERT INTO tbl_Mitarbeiter (PersNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage) VALUES
  (1001, 'Müller', 'Jürgen', '0815', 'jm@example', 1, 30),
  (1002, 'O''Brien', 'Seán', '-', 'sob@example', 1, 28),
  (1003, 'Ärmel', 'Öztürk', '4711', 'oe@example', 2, 0),
  (-5, 'Zander', 'ß', '', '', 2, 255), (1004, 'Neu', 'Ohne Einträge', '', '', 1, 25);
INSERT INTO tbl_User VALUES (1001, 'admin', 'geheim', 1), (1002, 'obrien', 'x''y', 2);
INSERT INTO tbl_Notizen (Text) VALUES ('Messe'), ('Schulung * 50%'), ('');
INSERT INTO tbl_Kalender VALUES
  (1001, '2007-03-05', 'U', 0), (1001, '2007-03-06', 'U', 1), (1002, '2007-12-31', 'K', 0),
  (1003, '2008-02-29', 'DR', 2), (1003, '2020-01-01', 'ü', 0), (-5, '2003-01-01', 'S', 3);
INSERT INTO tbl_Ferien VALUES ('2007-12-25', 0), ('2008-01-01', 1);
INSERT INTO "tbl_Abhängigkeiten" VALUES (1001, 1002, 0, 0), (1003, 1001, 1002, -5);
)";

}  // namespace

const std::filesystem::path& ProcessFolder() {
  static const Folder folder;
  return folder.Path();
}

std::string CreateSampleDatabase(const std::string& name) {
  const std::string path = (ProcessFolder() / name).string();
  db::CreateDatabaseFile(path, ReadSchema());
  db::Connection conn;
  conn.Open(db::JetConnectionString(path));
  conn.ExecuteNative(kSampleRows);
  return path;
}

void Finding(const std::string& what) {
  std::fprintf(stderr, "FINDING: %s\n", what.c_str());
  std::abort();
}

}  // namespace fuzz
