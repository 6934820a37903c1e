// Every window below the main one, reached as a user reaches it, on a 1024x768 screen with three
// teams, in German and English: wholly on the screen, every control inside its window or frame,
// none covering another in part, every caption in full, also with other data (window_*.png kept);
// Escape, the close button and Enter hand control back. Then some windows' own looks and dialogs.
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <cmath>
#include <filesystem>

#include "QtProgram.h"
#include "masterdata/frmBenutzer.h"
#include "masterdata/frmMitarbeiter.h"
#include "overview/frmInfo.h"
#include "overview/frmOptionen.h"

namespace {

using mvtest::Pump;

std::string Describe(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

// The room a widget's caption needs and the room it has; nothing needed where it shows none.
std::pair<QRect, QRect> CaptionRoom(const QWidget& widget) {
  const QFontMetrics metrics(widget.font());
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    const QRect room = label->contentsRect();
    const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | label->alignment();
    if (label->text().isEmpty()) return {};
    return {metrics.boundingRect(QRect(0, 0, room.width(), 10000), flags, label->text()), room};
  }
  const auto* button = qobject_cast<const QAbstractButton*>(&widget);
  if (button && button->text().isEmpty()) return {};
  // A push button's frame and padding take a few pixels on each side.
  if (qobject_cast<const QPushButton*>(&widget))
    return {QRect({}, metrics.size(Qt::TextShowMnemonic, button->text()) + QSize(6, 2)),
            widget.rect()};
  if (button) return {QRect(0, 0, button->sizeHint().width(), 0), widget.rect()};
  if (const auto* tabs = widget.findChild<QTabBar*>())
    return {QRect(0, 0, tabs->sizeHint().width(), 0), widget.rect()};
  return {};
}

// A window as a user reaches it: Ctrl+Key on the main window opens Window; where named, its Button
// is clicked then, which may open Dialog in front of it. Another button, Also, shows the window
// with other data instead (a list of results, a new team).
struct Visit {
  const char* Name;
  int Key;
  const char* Window;
  const char* Button = nullptr;
  const char* Dialog = nullptr;
  const char* Also = nullptr;
};

// Every window, in the order of the menus.
const Visit kVisits[] = {
    {"EmployeeCard", Qt::Key_K, "frmMitarbeiter", nullptr, nullptr, "cmd_Search"},
    {"LoginData", Qt::Key_K, "frmMitarbeiter", "cmd_Login", "frmBenutzer"},
    {"Teams", Qt::Key_T, "frmTeams"},
    {"TeamDialog", Qt::Key_T, "frmTeams", "cmd_Edit", "frmBearbeitenTeam", "cmd_New"},
    {"Dependencies", Qt::Key_A, "frmBeziehungen", nullptr, nullptr, "cmd_MA"},
    {"Holidays", Qt::Key_F, "frmFerien"},
    {"AnnualOverview", Qt::Key_J, "frmJahresansicht"},
    {"Options", Qt::Key_E, "frmOptionen"},
    {"PrintManager", Qt::Key_D, "frmDrucken"},
    {"About", Qt::Key_I, "frmInfo"},
};

void PrintTo(const Visit& visit, std::ostream* out) { *out << visit.Name; }

class QtWindowWalk : public mvtest::QtProgram {
 protected:
  QtWindowWalk() {
    database.AddTeam(1, "Einkauf und Logistik");
    database.AddTeam(2, "Vertrieb Süd");
    database.AddEmployee(3, "Wagner-Oberhuber", "Maximilian", 1);
    database.AddEmployee(4, "Hoffmann", "Jürgen", 2);
    database.AddDependency(2, 1, 3);
    std::filesystem::copy(MV_PICTURES_DIR, database.Folder() / "pictures");
    // Message boxes take their default button, the search box gets "e", a pop-up menu its first
    // entry that may be chosen.
    platform.SetModalHook([](QWidget& modal) {
      if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        if (QAbstractButton* button = box->defaultButton()) button->click();
      } else if (auto* input = qobject_cast<QInputDialog*>(&modal)) {
        input->setTextValue(QStringLiteral("e"));
        input->accept();
      } else if (auto* menu = qobject_cast<QMenu*>(&modal)) {
        for (QAction* action : menu->actions()) {
          if (action->isEnabled() && !action->isSeparator()) {
            action->trigger();
            break;
          }
        }
      }
    });
  }

  // The window, shown and in front; `button` clicked in the visit's window.
  forms::Form& Open(const Visit& visit, const char* button) {
    Shortcut(visit.Key);
    forms::Form& window = Loaded(visit.Window);
    if (button) Click(*window.FindControl(button));
    return visit.Dialog ? Loaded(visit.Dialog) : window;
  }
  forms::Form& Loaded(const std::string& name) {
    for (forms::Form* form : program->s.rt.Windows().Forms())
      if (form->Name() == name) return *form;
    throw std::runtime_error(name + " is not loaded");
  }
  bool Shows(const std::string& name) {
    for (const forms::Form* shown : program->s.rt.Windows().Forms())
      if (shown->Name() == name && shown->Visible()) return true;
    return false;
  }
  // The window that gets control back when the visit's window closes.
  void ExpectControlBack(const Visit& visit) {
    forms::Form& opener = visit.Dialog ? Loaded(visit.Window) : Main();
    EXPECT_TRUE(opener.Enabled());
    EXPECT_TRUE(opener.IsActive());
    EXPECT_EQ(QApplication::activeWindow(), &Window(opener));
  }

  // What the user sees wrong with the window as it shows now.
  std::vector<std::string> LayoutFaults(const forms::Form& form) {
    std::vector<std::string> faults;
    const QRect outer = mvtest::Outer(form);
    if (!mvtest::Screen().contains(outer))
      faults.push_back("the window " + Describe(outer) + " is off the screen");
    std::vector<std::pair<std::string, const QWidget*>> shown;
    for (const forms::Control* control : form.Controls()) {
      const QWidget* widget = platform.WidgetOf(*control);
      if (!widget || !widget->isVisible()) continue;
      const std::string name = control->Index() < 0
                                   ? control->Name()
                                   : control->Name() + "(" + std::to_string(control->Index()) + ")";
      shown.emplace_back(name, widget);
      // Every list offers only its entries; the note box alone also takes a typed note.
      const auto* list = dynamic_cast<const forms::ComboBox*>(control);
      if (list && (list->Style() == forms::vbComboDropdownList) == (list->Name() == "cmb_Note"))
        faults.push_back(name + " is of the wrong kind of list");
      const QRect room = widget->parentWidget()->rect();
      if (!room.contains(widget->geometry()))
        faults.push_back(name + " at " + Describe(widget->geometry()) + " reaches out of " +
                         Describe(room));
      const auto [need, has] = CaptionRoom(*widget);
      if (need.width() > has.width() || need.height() > has.height())
        faults.push_back(name + ": its caption needs " + Describe(need) + " but has " +
                         Describe(has));
    }
    const QWidget* client = platform.WidgetOf(*form.Controls().front())->parentWidget();
    // The window gives its controls room at its right and bottom edges, as at its left and top.
    QRect used;
    for (const auto& [name, widget] : shown)
      if (widget->parentWidget() == client) used |= widget->geometry();
    if (client->width() - 1 - used.right() < 4 || client->height() - 1 - used.bottom() < 4)
      faults.push_back("the controls " + Describe(used) + " crowd the edges of the window " +
                       Describe(client->rect()));
    for (std::size_t i = 0; i < shown.size(); ++i) {
      for (std::size_t j = i + 1; j < shown.size(); ++j) {
        const auto& [a, wa] = shown[i];
        const auto& [b, wb] = shown[j];
        const QRect ra = wa->geometry();
        const QRect rb = wb->geometry();
        // A control may lie on a larger one (a picture on its panel), never on its equal.
        if (wa->parentWidget() != wb->parentWidget() || !ra.intersects(rb) ||
            (ra != rb && (ra.contains(rb) || rb.contains(ra))))
          continue;
        // The about box's title lies on its four shadows by design.
        const auto title = [](const std::string& n) {
          return n.starts_with("lblTitle") || n.starts_with("lblShadow");
        };
        if (title(a) && title(b)) continue;
        faults.push_back(a + " " + Describe(ra) + " and " + b + " " + Describe(rb) + " overlap");
      }
    }
    return faults;
  }
};

class QtEveryWindow : public QtWindowWalk,
                      public testing::WithParamInterface<std::tuple<Visit, bool>> {};

TEST_P(QtEveryWindow, ShowsWholeInFrontAndHandsControlBackByKeysButtonsAndTheCloseBox) {
  const auto [visit, english] = GetParam();
  const std::string name = visit.Name;
  const std::string lang = english ? "_en" : "_de";
  LogIn();
  if (english) {
    Shortcut(Qt::Key_E);
    Click(program->overview.frmOptionen->imgEnglish);
    Click(program->overview.frmOptionen->cmd_Close);
  }
  forms::Form& form = Open(visit, visit.Button);
  Pump();
  ASSERT_TRUE(form.Visible());
  const std::string formName = form.Name();  // a window that unloads on closing is built anew
  for (const std::string& fault : LayoutFaults(form)) ADD_FAILURE() << fault;
  mvtest::SaveArtifact(Window(form), "window_" + name + lang);

  Key(Qt::Key_Escape);
  ExpectControlBack(visit);
  EXPECT_FALSE(Shows(formName)) << "Escape left it open";

  // The window manager's close button runs the window's own closing steps, or its Cancel button
  // where it has no close box.
  Window(Open(visit, visit.Button)).close();
  Pump();
  ExpectControlBack(visit);

  if (visit.Also) {
    forms::Form& other = Open(visit, visit.Also);
    Pump();
    ASSERT_TRUE(other.Visible()) << visit.Also;
    for (const std::string& fault : LayoutFaults(other))
      ADD_FAILURE() << visit.Also << ": " << fault;
    mvtest::SaveArtifact(Window(other), "window_" + name + "_" + visit.Also + lang);
  }
  // The dialogs with one obvious button: Enter where the focus is on opening presses it.
  if (name != "LoginData" && name != "Options" && name != "About") return;
  forms::Form& dialog = Open(visit, visit.Button);
  if (name == "LoginData")
    TypeInto(static_cast<mv::frmBenutzer&>(dialog).txt_Passwort, QStringLiteral("2"));
  Key(Qt::Key_Return);
  ExpectControlBack(visit);
  if (name == "LoginData") {
    EXPECT_EQ(database.Query("SELECT Passwort FROM tbl_User WHERE LoginID = 'max'"),
              (std::vector<std::vector<std::string>>{{"geheim2"}}));
  }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, QtEveryWindow,
                         testing::Combine(testing::ValuesIn(kVisits), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<Visit, bool>>& info) {
                           return std::string(std::get<0>(info.param).Name) +
                                  (std::get<1>(info.param) ? "_English" : "_German");
                         });

// How well one colour reads on another (1 to 21).
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) {
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

// Text boxes the focus has left show no selection. A box the user may not change reads well on its
// dark green, in another colour than one he may.
TEST_F(QtWindowWalk, BoxesTheFocusLeftShowNoSelectionAndLockedOnesReadWell) {
  LogIn();
  Shortcut(Qt::Key_K);
  mv::frmMitarbeiter& card = *program->masterdata.frmMitarbeiter.IfLoaded();
  // Tab selects the whole text of each box it passes; a click puts the caret into the last one.
  ASSERT_EQ(QApplication::focusWidget(), platform.WidgetOf(card.txt_Nachname));
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  QTest::mouseClick(platform.WidgetOf(card.txt_Telefon), Qt::LeftButton);
  Key(Qt::Key_End);
  Click(card.txt_UTage);
  for (forms::TextBox* box : {&card.txt_Nachname, &card.txt_Vorname, &card.txt_Telefon})
    EXPECT_FALSE(Edit(*box)->hasSelectedText()) << box->Name();
  ASSERT_FALSE(card.txt_PersNr.Enabled());
  const QPalette& locked = Edit(card.txt_PersNr)->palette();
  const QColor text = locked.color(QPalette::Disabled, QPalette::Text);
  const QColor back = locked.color(QPalette::Disabled, QPalette::Base);
  EXPECT_GE(Contrast(text, back), 4.5)
      << text.name().toStdString() << " on " << back.name().toStdString();
  EXPECT_NE(text, Edit(card.txt_Vorname)->palette().color(QPalette::Text));
}

// The colour dialog opens on the current colour in the program's language; cancelled, it changes
// nothing.
TEST_F(QtWindowWalk, TheOptionsAndAboutPicturesShowAndTheDialogsOpenOnTheCurrentSettings) {
  LogIn();
  program->s.Settings.HolidayColor = 0x80FF80;
  Shortcut(Qt::Key_E);
  mv::frmOptionen& options = *program->overview.frmOptionen.IfLoaded();

  QStringList shown;
  QStringList cancel;
  platform.SetModalHook([&](QWidget& modal) {
    auto& colours = static_cast<QColorDialog&>(modal);
    shown << colours.currentColor().name();
    cancel << colours.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
    colours.setCurrentColor(QColor(0x12, 0x34, 0x56));
    cancel.size() == 1 ? colours.reject() : colours.accept();
  });
  Click(options.cmd_Color(1));
  EXPECT_EQ(program->s.Settings.HolidayColor, 0x80FF80);
  Click(options.imgEnglish);
  EXPECT_EQ(Window(options).windowTitle(), QStringLiteral("Settings"));
  Click(options.cmd_Color(1));
  EXPECT_EQ(program->s.Settings.HolidayColor, 0x563412);
  EXPECT_EQ(shown, QStringList({QStringLiteral("#80ff80"), QStringLiteral("#80ff80")}));
  EXPECT_EQ(cancel, QStringList({QStringLiteral("Abbrechen"), QStringLiteral("Cancel")}));
  Click(options.cmd_Close);

  Shortcut(Qt::Key_I);
  mv::frmInfo& about = *program->overview.frmInfo.IfLoaded();
  // The navy band of the calendar sheet in the picture.
  QWidget* image = platform.WidgetOf(about.Image1);
  EXPECT_EQ(image->grab().toImage().pixelColor(100, 60), QColor(0x00, 0x00, 0x80));
}

}  // namespace
