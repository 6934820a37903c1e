-- Morvellan database schema (SQLite): the seven tables of the program.
--
-- Types: long = INTEGER (32-bit range checked), number = INTEGER 0..255, text (n) = TEXT with
-- CHECK (length(x) <= n) counting characters, date = DATE holding ISO text 'YYYY-MM-DD',
-- automatic number = INTEGER PRIMARY KEY AUTOINCREMENT (never reused). TeamName has no length of its
-- own: it gets the Jet maximum for a text field, 255.
-- No field holds Null. Texts that criteria and queries compare ignore ASCII case (COLLATE NOCASE);
-- the database layer adds umlaut-aware comparison on top. Passwords keep the binary collation.
-- Table order is insertion order (rowid); the layer never runs VACUUM, which keeps rowids stable.

CREATE TABLE tbl_Mitarbeiter (
    LfdNr    INTEGER PRIMARY KEY AUTOINCREMENT,
    PersNr   INTEGER NOT NULL CHECK (PersNr BETWEEN -2147483648 AND 2147483647),
    Nachname TEXT    NOT NULL COLLATE NOCASE CHECK (length(Nachname) <= 20),
    Vorname  TEXT    NOT NULL COLLATE NOCASE CHECK (length(Vorname) <= 20),
    TelNr    TEXT    NOT NULL COLLATE NOCASE CHECK (length(TelNr) <= 15),
    Mail     TEXT    NOT NULL COLLATE NOCASE CHECK (length(Mail) <= 20),
    TeamNr   INTEGER NOT NULL CHECK (TeamNr BETWEEN 0 AND 255),
    UTage    INTEGER NOT NULL CHECK (UTage BETWEEN 0 AND 255)
);
CREATE UNIQUE INDEX ix_Mitarbeiter_PersNr ON tbl_Mitarbeiter (PersNr);
CREATE INDEX ix_Mitarbeiter_TeamNr ON tbl_Mitarbeiter (TeamNr);

CREATE TABLE tbl_Teams (
    TeamNr   INTEGER NOT NULL CHECK (TeamNr BETWEEN 0 AND 255),
    TeamName TEXT    NOT NULL COLLATE NOCASE CHECK (length(TeamName) <= 255),
    MaxAbw   INTEGER NOT NULL CHECK (MaxAbw BETWEEN 0 AND 255)
);

CREATE TABLE tbl_User (
    PersNr   INTEGER NOT NULL CHECK (PersNr BETWEEN -2147483648 AND 2147483647),
    LoginID  TEXT    NOT NULL COLLATE NOCASE CHECK (length(LoginID) <= 20),
    Passwort TEXT    NOT NULL CHECK (length(Passwort) <= 15),
    Gruppe   INTEGER NOT NULL CHECK (Gruppe BETWEEN 0 AND 255)
);
CREATE INDEX ix_User_LoginID ON tbl_User (LoginID);
CREATE INDEX ix_User_PersNr ON tbl_User (PersNr);

CREATE TABLE tbl_Kalender (
    PersNr INTEGER NOT NULL CHECK (PersNr BETWEEN -2147483648 AND 2147483647),
    Datum  DATE    NOT NULL CHECK (Datum GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),
    KennZ  TEXT    NOT NULL COLLATE NOCASE CHECK (length(KennZ) <= 2),
    Notiz  INTEGER NOT NULL DEFAULT 0 CHECK (Notiz BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX ix_Kalender_PersNr_Datum ON tbl_Kalender (PersNr, Datum);
CREATE INDEX ix_Kalender_Datum ON tbl_Kalender (Datum);

CREATE TABLE tbl_Notizen (
    LfdNr INTEGER PRIMARY KEY AUTOINCREMENT,
    Text  TEXT NOT NULL COLLATE NOCASE CHECK (length(Text) <= 100)
);

CREATE TABLE tbl_Ferien (
    Datum DATE    NOT NULL CHECK (Datum GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'),
    notiz INTEGER NOT NULL DEFAULT 0 CHECK (notiz BETWEEN -2147483648 AND 2147483647)
);
CREATE INDEX ix_Ferien_Datum ON tbl_Ferien (Datum);

CREATE TABLE "tbl_Abhängigkeiten" (
    PersNr     INTEGER NOT NULL CHECK (PersNr BETWEEN -2147483648 AND 2147483647),
    AbhPersNr1 INTEGER NOT NULL DEFAULT 0 CHECK (AbhPersNr1 BETWEEN -2147483648 AND 2147483647),
    AbhPersNr2 INTEGER NOT NULL DEFAULT 0 CHECK (AbhPersNr2 BETWEEN -2147483648 AND 2147483647),
    AbhPersNr3 INTEGER NOT NULL DEFAULT 0 CHECK (AbhPersNr3 BETWEEN -2147483648 AND 2147483647)
);
