#pragma once
// The annual overview: one team's year, a row per member and a column per day, with the team's
// figures per kind and state of absence behind five tabs. It exists hidden from the main window's
// first set-up on, which gives its grid the calendar font; opening shows it, closing discards it.
#include <array>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "overview/OverviewWindows.h"

namespace mv {

class YearCounts;
struct YearMember;
struct DayColumn;

class frmJahresansicht : public forms::Form {
 public:
  explicit frmJahresansicht(OverviewWindows& windows);

  forms::Label lbl_Teamauswahl{*this, "lbl_Teamauswahl"};
  forms::ComboBox cmb_Team{*this, "cmb_Team"};
  forms::Grid grdYear{*this, "grdYear"};
  forms::TabStrip tabStats{*this, "tabStats"};

  // The five frames lie on the tab strip in one place; declared back to front.
  forms::Frame fmDienstreise{*this, "fmDienstreise"};
  forms::Label lbl_Dgesamt{*this, "lbl_Dgesamt", fmDienstreise};
  forms::Label lbl_AnzDgesamt{*this, "lbl_AnzDgesamt", fmDienstreise};
  forms::Label lbl_Dgenehmigt{*this, "lbl_Dgenehmigt", fmDienstreise};
  forms::Label lbl_AnzDgenehmigt{*this, "lbl_AnzDgenehmigt", fmDienstreise};
  forms::Label lbl_PzDgenehmigt{*this, "lbl_PzDgenehmigt", fmDienstreise};
  forms::Label lbl_Dangefragt{*this, "lbl_Dangefragt", fmDienstreise};
  forms::Label lbl_AnzDangefragt{*this, "lbl_AnzDangefragt", fmDienstreise};
  forms::Label lbl_PzDangefragt{*this, "lbl_PzDangefragt", fmDienstreise};
  forms::Label lbl_Dabgelehnt{*this, "lbl_Dabgelehnt", fmDienstreise};
  forms::Label lbl_AnzDabgelehnt{*this, "lbl_AnzDabgelehnt", fmDienstreise};
  forms::Label lbl_PzDabgelehnt{*this, "lbl_PzDabgelehnt", fmDienstreise};

  forms::Frame fmZeitausgleich{*this, "fmZeitausgleich"};
  forms::Label lbl_Zgesamt{*this, "lbl_Zgesamt", fmZeitausgleich};
  forms::Label lbl_AnzZgesamt{*this, "lbl_AnzZgesamt", fmZeitausgleich};
  forms::Label lbl_Zgenehmigt{*this, "lbl_Zgenehmigt", fmZeitausgleich};
  forms::Label lbl_AnzZgenehmigt{*this, "lbl_AnzZgenehmigt", fmZeitausgleich};
  forms::Label lbl_PzZgenehmigt{*this, "lbl_PzZgenehmigt", fmZeitausgleich};
  forms::Label lbl_Zangefragt{*this, "lbl_Zangefragt", fmZeitausgleich};
  forms::Label lbl_AnzZangefragt{*this, "lbl_AnzZangefragt", fmZeitausgleich};
  forms::Label lbl_PzZangefragt{*this, "lbl_PzZangefragt", fmZeitausgleich};
  forms::Label lbl_Zabgelehnt{*this, "lbl_Zabgelehnt", fmZeitausgleich};
  forms::Label lbl_AnzZabgelehnt{*this, "lbl_AnzZabgelehnt", fmZeitausgleich};
  forms::Label lbl_PzZabgelehnt{*this, "lbl_PzZabgelehnt", fmZeitausgleich};

  forms::Frame fmKrank{*this, "fmKrank"};
  forms::Label lbl_Kgesamt{*this, "lbl_Kgesamt", fmKrank};
  forms::Label lbl_AnzKgesamt{*this, "lbl_AnzKgesamt", fmKrank};
  forms::Label lbl_Kentschuldigt{*this, "lbl_Kentschuldigt", fmKrank};
  forms::Label lbl_AnzKentschuldigt{*this, "lbl_AnzKentschuldigt", fmKrank};
  forms::Label lbl_PzKentschuldigt{*this, "lbl_PzKentschuldigt", fmKrank};
  forms::Label lbl_Kunentschuldigt{*this, "lbl_Kunentschuldigt", fmKrank};
  forms::Label lbl_AnzKunentschuldigt{*this, "lbl_AnzKunentschuldigt", fmKrank};
  forms::Label lbl_PzKunentschuldigt{*this, "lbl_PzKunentschuldigt", fmKrank};

  forms::Frame fmUrlaub{*this, "fmUrlaub"};
  forms::Label lbl_Ugesamt{*this, "lbl_Ugesamt", fmUrlaub};
  forms::Label lbl_AnzUgesamt{*this, "lbl_AnzUgesamt", fmUrlaub};
  forms::Label lbl_Uverplant{*this, "lbl_Uverplant", fmUrlaub};
  forms::Label lbl_AnzUverplant{*this, "lbl_AnzUverplant", fmUrlaub};
  forms::Label lbl_PzUverplant{*this, "lbl_PzUverplant", fmUrlaub};
  forms::Label lbl_Uoffen{*this, "lbl_Uoffen", fmUrlaub};
  forms::Label lbl_AnzUoffen{*this, "lbl_AnzUoffen", fmUrlaub};
  forms::Label lbl_PzUoffen{*this, "lbl_PzUoffen", fmUrlaub};
  forms::Label lbl_Ugenehmigt{*this, "lbl_Ugenehmigt", fmUrlaub};
  forms::Label lbl_AnzUgenehmigt{*this, "lbl_AnzUgenehmigt", fmUrlaub};
  forms::Label lbl_PzUgenehmigt{*this, "lbl_PzUgenehmigt", fmUrlaub};
  forms::Label lbl_Uangefragt{*this, "lbl_Uangefragt", fmUrlaub};
  forms::Label lbl_AnzUangefragt{*this, "lbl_AnzUangefragt", fmUrlaub};
  forms::Label lbl_PzUangefragt{*this, "lbl_PzUangefragt", fmUrlaub};
  forms::Label lbl_Uabgelehnt{*this, "lbl_Uabgelehnt", fmUrlaub};
  forms::Label lbl_AnzUabgelehnt{*this, "lbl_AnzUabgelehnt", fmUrlaub};
  forms::Label lbl_PzUabgelehnt{*this, "lbl_PzUabgelehnt", fmUrlaub};

  forms::Frame fmSonstiges{*this, "fmSonstiges"};
  forms::Label lbl_Sgesamt{*this, "lbl_Sgesamt", fmSonstiges};
  forms::Label lbl_AnzSgesamt{*this, "lbl_AnzSgesamt", fmSonstiges};
  forms::Label lbl_Sgenehmigt{*this, "lbl_Sgenehmigt", fmSonstiges};
  forms::Label lbl_AnzSgenehmigt{*this, "lbl_AnzSgenehmigt", fmSonstiges};
  forms::Label lbl_PzSgenehmigt{*this, "lbl_PzSgenehmigt", fmSonstiges};
  forms::Label lbl_Sangefragt{*this, "lbl_Sangefragt", fmSonstiges};
  forms::Label lbl_AnzSangefragt{*this, "lbl_AnzSangefragt", fmSonstiges};
  forms::Label lbl_PzSangefragt{*this, "lbl_PzSangefragt", fmSonstiges};
  forms::Label lbl_Sabgelehnt{*this, "lbl_Sabgelehnt", fmSonstiges};
  forms::Label lbl_AnzSabgelehnt{*this, "lbl_AnzSabgelehnt", fmSonstiges};
  forms::Label lbl_PzSabgelehnt{*this, "lbl_PzSabgelehnt", fmSonstiges};

  // "davon" above the states in the frames of vacation, overtime offset, business trips and other
  // days (0 to 3).
  std::array<forms::Label, 4> lbl_davon{{{*this, "lbl_davon", &fmUrlaub, 0},
                                         {*this, "lbl_davon", &fmZeitausgleich, 1},
                                         {*this, "lbl_davon", &fmDienstreise, 2},
                                         {*this, "lbl_davon", &fmSonstiges, 3}}};

  forms::CommandButton cmd_Close{*this, "cmd_Close"};

  // The wait display over the grid while a build runs.
  forms::PictureBox fmProgress{*this, "fmProgress"};
  forms::Label lbl_Wait{*this, "lbl_Wait", fmProgress};
  forms::ProgressBar prg_Wait{*this, "prg_Wait", fmProgress};

  // The grid in the calendar font of the settings.
  void TakeCalendarFont();

  // Fills the member rows and the figures for CurrentTeam and CurrentYear into the grid laid out
  // for CurrentYear.
  void FillYearGrid();
  // Every figure label back to "0".
  void ResetStatistics();

  void cmb_Team_Click();
  void cmd_Close_Click();
  void grdYear_DblClick();
  void tabStats_Click();

 protected:
  void Form_Activate() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  friend void OpenAnnualOverview(OverviewWindows& windows);

  void LayOut();
  void SetUp(const forms::ComboBox& teams);
  void ShowTeamName(const std::string& name);
  void InitYearGrid();
  void FillMemberRow(int row, const YearMember& member, const std::vector<DayColumn>& columns,
                     YearCounts& counts);
  // A count label with the share it shows beside it (none on a total line): part of whole.
  struct Figure {
    forms::Label& count;
    forms::Label* percent;
    int part;
    int whole;
  };
  std::vector<Figure> Figures(const YearCounts& counts);
  void ShowFigures(const YearCounts& counts);

  OverviewWindows& w_;
  State& s_;
  bool closing_ = false;  // the close steps run once, whether by the button or the close box
};

// The main window's menu entry: disables the main window, sets the window up for CurrentTeam and
// shows it; its activation builds the grid.
void OpenAnnualOverview(OverviewWindows& windows);

}  // namespace mv
