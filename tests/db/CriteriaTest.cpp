// The criterion language of Find and Filter, Quote and the text rules.
#include "DbTestSupport.h"

using dbtest::DbTest;

namespace {

class DbCriteria : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        AddEmployee(1, "Müller", "Jürgen", 0, 30, "0711-1");
        AddEmployee(2, "Mueller", "Anna", 0, 25, "0711-2");
        AddEmployee(3, "O'Brien", "Seán", 1, 20, "*");
        AddEmployee(4, "ÖZDEMIR", "Ayşe", 1, 28, "089");
        AddEmployee(5, "Schmidt", "Ülrich", 2, 0, "12345");
        AddEmployee(12, "Meier", "Hans", 2, 30, "*");
        rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::Pessimistic);
    }
    // PersNr of the visible rows after Filter(c), in order.
    std::vector<int> Filtered(const std::string& c) {
        rs.Filter(c);
        std::vector<int> out;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) out.push_back(rs["PersNr"].Int());
        EXPECT_EQ(static_cast<long>(out.size()), rs.RecordCount()) << c;
        rs.Filter(0);
        return out;
    }
    using V = std::vector<int>;
    db::Recordset rs;
};

}  // namespace

TEST(DbQuote, DoublesSingleQuotes) {
    EXPECT_EQ(db::Quote("abc"), "'abc'");
    EXPECT_EQ(db::Quote("O'Brien"), "'O''Brien'");
    EXPECT_EQ(db::Quote("''"), "''''''");
    EXPECT_EQ(db::Quote(""), "''");
}

TEST(DbText, FoldAndCompareIgnoreCaseWithUmlauts) {
    EXPECT_TRUE(db::EqualsNoCase("Müller", "MÜLLER"));
    EXPECT_TRUE(db::EqualsNoCase("äöü", "ÄÖÜ"));
    EXPECT_FALSE(db::EqualsNoCase("Müller", "Muller"));
    EXPECT_EQ(db::FoldCase("ÄÖÜ Straße"), "äöü straße");
    EXPECT_EQ(db::CompareText("Müller", "müller"), 0);
    EXPECT_LT(db::CompareText("Apfel", "Äpfel"), 0);
    EXPECT_LT(db::CompareText("Äpfel", "Birne"), 0);
    EXPECT_LT(db::CompareText("abc", "ABD"), 0);
    EXPECT_TRUE(db::MatchLike("Müller", "mü*"));
    EXPECT_TRUE(db::MatchLike("Müller", "%LLER"));
    EXPECT_TRUE(db::MatchLike("Müller", "*"));
    EXPECT_FALSE(db::MatchLike("Müller", "Mue*"));
    EXPECT_TRUE(db::MatchLike("a_b", "a_b"));
    EXPECT_FALSE(db::MatchLike("axb", "a_b"));  // only * and % are wildcards
}

TEST_F(DbCriteria, EachOperatorOnNumbers) {
    EXPECT_EQ(Filtered("PersNr = 3"), V({3}));
    EXPECT_EQ(Filtered("PersNr=3"), V({3}));
    EXPECT_EQ(Filtered("PersNr= 3"), V({3}));
    EXPECT_EQ(Filtered("PersNr <> 3"), V({1, 2, 4, 5, 12}));
    EXPECT_EQ(Filtered("PersNr < 3"), V({1, 2}));
    EXPECT_EQ(Filtered("PersNr > 4"), V({5, 12}));
    EXPECT_EQ(Filtered("PersNr <= 2"), V({1, 2}));
    EXPECT_EQ(Filtered("PersNr >= 5"), V({5, 12}));
    EXPECT_EQ(Filtered("UTage = 0"), V({5}));
    EXPECT_EQ(Filtered("TeamNr =0"), V({1, 2}));
    EXPECT_EQ(Filtered("PersNr = -1"), V({}));
}

TEST_F(DbCriteria, EachOperatorOnTexts) {
    EXPECT_EQ(Filtered("Nachname = 'Meier'"), V({12}));
    EXPECT_EQ(Filtered("Nachname <> 'Meier'"), V({1, 2, 3, 4, 5}));
    EXPECT_EQ(Filtered("Nachname < 'Mueller'"), V({12}));
    EXPECT_EQ(Filtered("Nachname > 'S'"), V({5}));
    EXPECT_EQ(Filtered("Nachname <= 'Meier'"), V({12}));
    EXPECT_EQ(Filtered("Nachname >= 'Schmidt'"), V({5}));
    EXPECT_EQ(Filtered("Nachname LIKE 'M*'"), V({1, 2, 12}));
}

TEST_F(DbCriteria, TextComparisonIgnoresCaseUmlautsIncluded) {
    EXPECT_EQ(Filtered("Nachname = 'MÜLLER'"), V({1}));
    EXPECT_EQ(Filtered("Nachname = 'müller'"), V({1}));
    EXPECT_EQ(Filtered("Nachname = 'özdemir'"), V({4}));
    EXPECT_EQ(Filtered("Vorname = 'jÜRGEN'"), V({1}));
    EXPECT_EQ(Filtered("Vorname LIKE 'ü*'"), V({5}));
    EXPECT_EQ(Filtered("Nachname LIKE 'mü*'"), V({1}));
}

TEST_F(DbCriteria, QuotesInsideTexts) {
    EXPECT_EQ(Filtered("Nachname = 'O''Brien'"), V({3}));
    EXPECT_EQ(Filtered("Nachname = " + db::Quote("O'Brien")), V({3}));
    EXPECT_EQ(Filtered("Nachname LIKE " + db::Quote("O'B*")), V({3}));
    EXPECT_EQ(Filtered("Nachname = \"O'Brien\""), V({3}));
}

TEST_F(DbCriteria, LikeWithAsteriskAndPercent) {
    EXPECT_EQ(Filtered("Nachname LIKE 'Mü*'"), V({1}));
    EXPECT_EQ(Filtered("Nachname LIKE 'Mü%'"), V({1}));
    EXPECT_EQ(Filtered("Nachname LIKE '*er'"), V({1, 2, 12}));
    EXPECT_EQ(Filtered("Nachname LIKE '*e*'"), V({1, 2, 3, 4, 12}));
    EXPECT_EQ(Filtered("TelNr LIKE '0711*'"), V({1, 2}));
    EXPECT_EQ(Filtered("Nachname LIKE 'Meier'"), V({12}));
    EXPECT_EQ(Filtered("Nachname NOT LIKE 'M*'"), V({3, 4, 5}));
}

TEST_F(DbCriteria, TheCardsSearchFilter) {
    // the card search: "PersNr LIKE " & Val(t) & " OR Nachname LIKE 't*' OR Vorname LIKE 't*' OR TelNr LIKE 't*'"
    EXPECT_EQ(Filtered("PersNr LIKE 0 OR Nachname LIKE 'Mül*' OR Vorname LIKE 'Mül*' OR TelNr LIKE 'Mül*'"), V({1}));
    EXPECT_EQ(Filtered("PersNr LIKE 12 OR Nachname LIKE '12*' OR Vorname LIKE '12*' OR TelNr LIKE '12*'"),
              V({5, 12}));
}

TEST_F(DbCriteria, AndBindsTighterThanOr) {
    // a OR b AND c  ==  a OR (b AND c)
    EXPECT_EQ(Filtered("PersNr = 1 OR TeamNr = 1 AND UTage = 28"), V({1, 4}));
    EXPECT_EQ(Filtered("(PersNr = 1 OR TeamNr = 1) AND UTage = 28"), V({4}));
    EXPECT_EQ(Filtered("TeamNr = 2 AND UTage = 0 OR PersNr = 2"), V({2, 5}));
    EXPECT_EQ(Filtered("TeamNr = 2 AND (UTage = 0 OR PersNr = 2)"), V({5}));
    EXPECT_EQ(Filtered("((PersNr = 1))"), V({1}));
    EXPECT_EQ(Filtered("NOT PersNr = 1 AND TeamNr = 0"), V({2}));
    EXPECT_EQ(Filtered("PersNr = 1 and TeamNr = 0 or PersNr = 12"), V({1, 12}));
}

TEST_F(DbCriteria, FieldNamesIgnoreCaseAndBrackets) {
    EXPECT_EQ(Filtered("persnr = 3"), V({3}));
    EXPECT_EQ(Filtered("[PersNr] = 3"), V({3}));
    EXPECT_EQ(Filtered("tbl_Mitarbeiter.PersNr = 3"), V({3}));
}

TEST_F(DbCriteria, BadCriteriaThrow) {
    EXPECT_THROW(rs.Filter("PersNr ="), db::Error);
    EXPECT_THROW(rs.Filter("PersNr = 'abc"), db::Error);
    EXPECT_THROW(rs.Filter("Nachname = O'Brien'"), db::Error);
    EXPECT_THROW(rs.Filter("(PersNr = 1"), db::Error);
    EXPECT_THROW(rs.Filter("PersNr = 1 AND"), db::Error);
    try {
        rs.Filter("Unknown = 1");
        FAIL();
    } catch (const db::Error& e) {
        EXPECT_EQ(e.Kind(), db::ErrorKind::FieldNotFound);
    }
    try {
        rs.Find("PersNr == 1");
        FAIL();
    } catch (const db::Error& e) {
        EXPECT_EQ(e.Kind(), db::ErrorKind::CriterionSyntax);
    }
    // A failed filter leaves the recordset as it was.
    EXPECT_EQ(rs.RecordCount(), 6);
    EXPECT_EQ(rs.GetFilter(), "");
}

namespace {

class DbDateCriteria : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        AddEntry(17, "2007-03-04", "U/");
        AddEntry(17, "2007-03-05", "U/");
        AddEntry(17, "2007-03-06", "U?");
        AddEntry(17, "2007-03-07", "U?");
        AddEntry(17, "2007-03-08", "K/");
        AddEntry(18, "2007-03-05", "Z/");
        AddEntry(17, "2007-12-05", "D/");
        AddEntry(17, "2008-01-02", "S!");
        rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic);
    }
    std::vector<std::string> Filtered(const std::string& c) {
        rs.Filter(c);
        std::vector<std::string> out;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
            out.push_back(rs["PersNr"].Text() + "@" + rs["Datum"].Text());
        rs.FilterNone();
        return out;
    }
    using V = std::vector<std::string>;
    db::Recordset rs;
};

}  // namespace

TEST_F(DbDateCriteria, DatesDayFirstWithAndWithoutLeadingZeros) {
    EXPECT_EQ(Filtered("Datum = 05.03.2007"), V({"17@05.03.2007", "18@05.03.2007"}));
    EXPECT_EQ(Filtered("Datum = 5.3.2007"), V({"17@05.03.2007", "18@05.03.2007"}));
    EXPECT_EQ(Filtered("Datum = 05.3.2007"), V({"17@05.03.2007", "18@05.03.2007"}));
    EXPECT_EQ(Filtered("Datum = 2.1.2008"), V({"17@02.01.2008"}));
    EXPECT_EQ(Filtered("Datum = 3.5.2007"), V({}));  // not read month first
    EXPECT_EQ(Filtered("Datum = '5.3.2007'"), V({"17@05.03.2007", "18@05.03.2007"}));
    EXPECT_EQ(Filtered("Datum = #2007-03-05#"), V({"17@05.03.2007", "18@05.03.2007"}));
}

TEST_F(DbDateCriteria, DatesCompareAsDatesNotAsTexts) {
    // As texts "05.12.2007" would lie between "05.03.2007" and "07.03.2007".
    EXPECT_EQ(Filtered("PersNr= 17 AND Datum >=05.03.2007 AND Datum <=07.03.2007"),
              V({"17@05.03.2007", "17@06.03.2007", "17@07.03.2007"}));
    EXPECT_EQ(Filtered("Datum > 31.12.2007"), V({"17@02.01.2008"}));
    EXPECT_EQ(Filtered("Datum < 5.3.2007"), V({"17@04.03.2007"}));
    EXPECT_EQ(Filtered("Datum <> 5.3.2007 AND PersNr = 18"), V({}));
}

TEST_F(DbDateCriteria, TextCodesAndInvalidDates) {
    EXPECT_EQ(Filtered("KennZ = 'u?'"), V({"17@06.03.2007", "17@07.03.2007"}));
    EXPECT_EQ(Filtered("KennZ LIKE 'U*' AND PersNr = 17 AND Datum <= 5.3.2007"), V({"17@04.03.2007", "17@05.03.2007"}));
    EXPECT_THROW(rs.Filter("Datum = 31.2.2007"), db::Error);
    EXPECT_THROW(rs.Filter("Datum = 1.2.3.4"), db::Error);
}
