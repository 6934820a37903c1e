// The year grid: its header for CurrentYear, the member rows and the figures of CurrentTeam.
#include <algorithm>
#include <optional>
#include <string>

#include "calendar/EntryLook.h"
#include "core/FailureReport.h"
#include "db/Db.h"
#include "overview/YearCalendar.h"
#include "overview/YearEntries.h"
#include "overview/YearStatistics.h"
#include "overview/frmJahresansicht.h"
#include "text/Utf8.h"

namespace mv {

namespace {

constexpr int FirstMemberRow = 4;
constexpr int DayWidth = 300;
constexpr forms::Color YearColor = 0x00FFFF;
constexpr forms::Color NameColor = 0xFF0000;
constexpr forms::Color EmptyWeekendColor = 0xAAAAAA;
// The progress bar's range per member, in every year.
constexpr float ProgressPerMember = 366;

// While a build runs the window takes no input and shows the hourglass; however the build ends,
// the window is enabled again with the arrow, the grid is drawn and the wait display is gone.
class BuildScope {
 public:
  explicit BuildScope(frmJahresansicht& window) : w_(window) {
    w_.SetEnabled(false);
    w_.SetMousePointer(forms::vbHourglass);
  }
  ~BuildScope() {
    w_.grdYear.SetRedraw(true);
    w_.fmProgress.SetVisible(false);
    w_.SetEnabled(true);
    w_.SetMousePointer(forms::vbArrow);
  }
  BuildScope(const BuildScope&) = delete;
  BuildScope& operator=(const BuildScope&) = delete;

 private:
  frmJahresansicht& w_;
};

}  // namespace

void frmJahresansicht::InitYearGrid() {
  forms::Grid& g = grdYear;
  const std::vector<DayColumn> columns = DayColumnsOf(s_.CurrentYear);
  g.SetRedraw(false);
  g.SetColWidth(0, 1700);
  g.SetMergeCells(forms::flexMergeFree);
  g.SetMergeRow(0, true);
  g.SetMergeRow(1, true);
  g.SetMergeCol(0, true);
  g.SetCol(0);
  for (int r = 0; r < FirstMemberRow; ++r) {
    g.SetRow(r);
    g.SetCellAlignment(forms::flexAlignCenterCenter);
    g.SetText(std::to_string(s_.CurrentYear));
    g.SetCellFontSize(22);
    g.SetCellFontBold(true);
    g.SetCellForeColor(YearColor);
  }
  g.SetCols(static_cast<int>(columns.size()));
  for (int c = 1; c < g.Cols(); ++c) {
    const DayColumn& day = columns[static_cast<size_t>(c)];
    g.SetCol(c);
    g.SetRow(3);
    g.SetText(std::to_string(day.day));
    g.SetCellAlignment(forms::flexAlignCenterCenter);
    g.SetRow(2);
    g.SetText(text::FirstCharacters(s_.T(12 + day.weekday), 1));
    g.SetCellForeColor(day.weekday == 7 ? forms::vbRed : forms::vbBlack);
    g.SetCellAlignment(forms::flexAlignCenterCenter);
    g.SetColWidth(c, DayWidth);
    g.SetRow(1);
    g.SetText(s_.T(day.month));
    g.SetCellAlignment(forms::flexAlignCenterCenter);
  }
  g.SetRedraw(true);
}

void frmJahresansicht::FillYearGrid() {
  ResetStatistics();
  std::optional<db::Error> failure;
  {
    BuildScope scope(*this);
    try {
      const std::vector<YearMember> members =
          ReadYearMembers(s_.Conn, s_.CurrentTeam, s_.SortOrder);
      grdYear.SetRows(static_cast<int>(members.size()) + FirstMemberRow);
      if (members.empty()) return;
      prg_Wait.SetMax(static_cast<float>(members.size()) * ProgressPerMember);
      prg_Wait.SetValue(0);
      fmProgress.SetVisible(true);
      fmProgress.Refresh();
      grdYear.SetRedraw(false);
      const std::vector<DayColumn> columns = DayColumnsOf(s_.CurrentYear);
      YearCounts counts;
      int row = FirstMemberRow;
      for (const YearMember& member : members) FillMemberRow(row++, member, columns, counts);
      grdYear.SetRedraw(true);
      ShowFigures(counts);
    } catch (const db::Error& e) {
      // Rows half rebuilt would show one member's name beside another member's days.
      grdYear.SetRows(FirstMemberRow);
      failure = e;
    }
  }
  if (failure) ShowFailure(s_, *failure);
}

void frmJahresansicht::FillMemberRow(int row, const YearMember& member,
                                     const std::vector<DayColumn>& columns, YearCounts& counts) {
  forms::Grid& g = grdYear;
  counts.AddMember(member.vacationDays);
  g.SetRow(row);
  g.SetCol(0);
  g.SetText(member.nachname + ", " + text::FirstCharacters(member.vorname, 1) + ".");
  g.SetCellForeColor(NameColor);
  const std::vector<DayEntries> days = ReadMemberYear(s_.Conn, member.persNr, s_.CurrentYear);
  const int end = std::min(g.Cols(), static_cast<int>(columns.size()));
  for (int c = 1; c < end; ++c) {
    g.SetCol(c);
    const DayEntries& day = days[static_cast<size_t>(c)];
    if (day.count == 1) {
      g.SetText(EntryLetter(day.kennZ, s_.Language()));
      counts.AddEntry(day.kennZ);
      g.SetCellBackColor(StateColor(day.kennZ).value_or(forms::vbWhite));
      g.SetCellAlignment(forms::flexAlignCenterCenter);
    } else {
      g.SetText("");
      g.SetCellBackColor(forms::vbWhite);
    }
    if (g.Text().empty() && columns[static_cast<size_t>(c)].weekday > 5)
      g.SetCellBackColor(EmptyWeekendColor);
    prg_Wait.SetValue(prg_Wait.Value() + 1);
  }
  prg_Wait.Refresh();
}

std::vector<frmJahresansicht::Figure> frmJahresansicht::Figures(const YearCounts& c) {
  using enum EntryType;
  const int vacation = c.VacationTotal();
  const int scheduled = c.Scheduled();
  return {
      {lbl_AnzUgesamt, nullptr, vacation, 0},
      {lbl_AnzUverplant, &lbl_PzUverplant, scheduled, vacation},
      {lbl_AnzUoffen, &lbl_PzUoffen, c.Open(), vacation},
      {lbl_AnzUgenehmigt, &lbl_PzUgenehmigt, c.Of(Urlaub, '/'), scheduled},
      {lbl_AnzUangefragt, &lbl_PzUangefragt, c.Of(Urlaub, '?'), scheduled},
      {lbl_AnzUabgelehnt, &lbl_PzUabgelehnt, c.Of(Urlaub, '!'), scheduled},
      {lbl_AnzKgesamt, nullptr, c.Total(Krank), 0},
      {lbl_AnzKentschuldigt, &lbl_PzKentschuldigt, c.Of(Krank, '/'), c.Total(Krank)},
      {lbl_AnzKunentschuldigt, &lbl_PzKunentschuldigt, c.Of(Krank, '!'), c.Total(Krank)},
      {lbl_AnzZgesamt, nullptr, c.Total(Zeitausgleich), 0},
      {lbl_AnzZgenehmigt, &lbl_PzZgenehmigt, c.Of(Zeitausgleich, '/'), c.Total(Zeitausgleich)},
      {lbl_AnzZangefragt, &lbl_PzZangefragt, c.Of(Zeitausgleich, '?'), c.Total(Zeitausgleich)},
      {lbl_AnzZabgelehnt, &lbl_PzZabgelehnt, c.Of(Zeitausgleich, '!'), c.Total(Zeitausgleich)},
      {lbl_AnzDgesamt, nullptr, c.Total(Dienstreise), 0},
      {lbl_AnzDgenehmigt, &lbl_PzDgenehmigt, c.Of(Dienstreise, '/'), c.Total(Dienstreise)},
      {lbl_AnzDangefragt, &lbl_PzDangefragt, c.Of(Dienstreise, '?'), c.Total(Dienstreise)},
      {lbl_AnzDabgelehnt, &lbl_PzDabgelehnt, c.Of(Dienstreise, '!'), c.Total(Dienstreise)},
      {lbl_AnzSgesamt, nullptr, c.Total(Sonstiges), 0},
      {lbl_AnzSgenehmigt, &lbl_PzSgenehmigt, c.Of(Sonstiges, '/'), c.Total(Sonstiges)},
      {lbl_AnzSangefragt, &lbl_PzSangefragt, c.Of(Sonstiges, '?'), c.Total(Sonstiges)},
      {lbl_AnzSabgelehnt, &lbl_PzSabgelehnt, c.Of(Sonstiges, '!'), c.Total(Sonstiges)},
  };
}

void frmJahresansicht::ResetStatistics() {
  for (const Figure& f : Figures(YearCounts())) {
    f.count.SetCaption("0");
    if (f.percent) f.percent->SetCaption("0");
  }
}

// A share of nothing stays at the "0" of the reset.
void frmJahresansicht::ShowFigures(const YearCounts& counts) {
  const std::string separator = s_.rt.DecimalSeparator();
  for (const Figure& f : Figures(counts)) {
    f.count.SetCaption(std::to_string(f.part));
    if (!f.percent) continue;
    if (const auto share = PercentText(f.part, f.whole, separator)) f.percent->SetCaption(*share);
  }
  const forms::Color scheduledColor = counts.Overbooked() ? forms::vbRed : forms::vbBlack;
  lbl_AnzUverplant.SetForeColor(scheduledColor);
  lbl_PzUverplant.SetForeColor(scheduledColor);
}

}  // namespace mv
