// Every window of the walk, in German and in English, as it shows on a 1024x768 screen: wholly on
// the screen, each control inside its window (or frame), no two controls covering each other in
// part, and every caption in full. The pictures are kept as artifacts (window_<name>_<lang>.png).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <optional>
#include <sstream>

#include "WindowWalk.h"

namespace {

using mvtest::QtWindowWalk;

// The least room between the controls and the window's right and bottom edges, in pixels.
constexpr int kEdge = 4;

std::string NameOf(const forms::Control& control) {
  return control.Index() < 0 ? control.Name()
                             : control.Name() + "(" + std::to_string(control.Index()) + ")";
}

std::string Describe(const QRect& r) {
  std::ostringstream out;
  out << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
  return out.str();
}

// The room a caption needs and the room the widget gives it, when the first exceeds the second.
std::optional<std::string> CutCaption(const QWidget& widget) {
  const auto tooSmall = [](QSize need, QSize room) -> std::optional<std::string> {
    if (need.width() <= room.width() && need.height() <= room.height()) return std::nullopt;
    std::ostringstream out;
    out << "its caption needs " << need.width() << "x" << need.height() << " but has "
        << room.width() << "x" << room.height();
    return out.str();
  };
  const QFontMetrics metrics(widget.font());
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->text().isEmpty()) return std::nullopt;
    const QRect room = label->contentsRect();
    const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect need = metrics.boundingRect(QRect(QPoint(), QSize(room.width(), 10000)),
                                            flags | label->alignment(), label->text());
    return tooSmall(need.size(), room.size());
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    if (button->text().isEmpty()) return std::nullopt;
    // The frame and its padding take a few pixels on each side.
    const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
    return tooSmall(text + QSize(6, 2), button->size());
  }
  if (const auto* check = qobject_cast<const QAbstractButton*>(&widget)) {
    if (check->text().isEmpty()) return std::nullopt;
    return tooSmall({check->sizeHint().width(), 0}, check->size());
  }
  if (const auto* tabs = widget.findChild<QTabBar*>()) {
    return tooSmall({tabs->sizeHint().width(), 0}, widget.size());
  }
  return std::nullopt;
}

// Controls laid one over the other by design: the about box's title on its four shadows.
bool MeantToOverlap(const forms::Control& a, const forms::Control& b) {
  const auto title = [](const forms::Control& c) {
    return c.Name() == "lblTitle" || c.Name() == "lblShadow";
  };
  return title(a) && title(b);
}

class QtWindowLayout : public QtWindowWalk,
                       public testing::WithParamInterface<std::tuple<int, bool>> {
 protected:
  // What the user sees wrong with the window as it shows now.
  std::vector<std::string> Faults(const forms::Form& form) {
    std::vector<std::string> faults;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer(form.Left() / 15, form.Top() / 15, form.Width() / 15, form.Height() / 15);
    if (!screen.contains(outer))
      faults.push_back("the window " + Describe(outer) + " is off the screen");

    struct Shown {
      const forms::Control* control;
      const QWidget* widget;
    };
    std::vector<Shown> shown;
    for (const forms::Control* control : form.Controls()) {
      const QWidget* widget = platform.WidgetOf(*control);
      if (!widget || !widget->isVisible()) continue;
      shown.push_back({control, widget});
      const QRect room = widget->parentWidget()->rect();
      if (!room.contains(widget->geometry())) {
        faults.push_back(NameOf(*control) + " at " + Describe(widget->geometry()) +
                         " reaches out of " + Describe(room));
      }
      if (auto cut = CutCaption(*widget)) faults.push_back(NameOf(*control) + ": " + *cut);
    }
    // The window gives its controls room at its right and bottom edges, as at its left and top.
    const QWidget* client = platform.WidgetOf(*form.Controls().front())->parentWidget();
    QRect used;
    for (const Shown& s : shown) {
      if (s.widget->parentWidget() == client) used |= s.widget->geometry();
    }
    if (client->width() - 1 - used.right() < kEdge ||
        client->height() - 1 - used.bottom() < kEdge) {
      faults.push_back("the controls " + Describe(used) + " crowd the edges of the window " +
                       Describe(client->rect()));
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      for (std::size_t j = i + 1; j < shown.size(); ++j) {
        const Shown& a = shown[i];
        const Shown& b = shown[j];
        if (a.widget->parentWidget() != b.widget->parentWidget()) continue;
        const QRect ra = a.widget->geometry();
        const QRect rb = b.widget->geometry();
        if (!ra.intersects(rb) || ra.contains(rb) || rb.contains(ra)) continue;
        if (MeantToOverlap(*a.control, *b.control)) continue;
        faults.push_back(NameOf(*a.control) + " " + Describe(ra) + " and " + NameOf(*b.control) +
                         " " + Describe(rb) + " overlap");
      }
    }
    return faults;
  }
};

TEST_P(QtWindowLayout, ShowsEveryControlWholeOnTheScreen) {
  const auto [index, english] = GetParam();
  const Visit visit = Visits(this)[static_cast<std::size_t>(index)];
  LogIn();
  if (english) SwitchToEnglish();
  forms::Form& form = visit.Open();
  mvtest::Pump();
  ASSERT_TRUE(form.Visible());
  for (const std::string& fault : Faults(form)) ADD_FAILURE() << fault;
  mvtest::SaveArtifact(Window(form),
                       std::string("window_") + visit.Name + (english ? "_en" : "_de"));
}

INSTANTIATE_TEST_SUITE_P(
    AllWindows, QtWindowLayout,
    testing::Combine(testing::Range(0, static_cast<int>(QtWindowWalk::Visits(nullptr).size())),
                     testing::Bool()),
    [](const testing::TestParamInfo<std::tuple<int, bool>>& info) {
      const std::size_t index = static_cast<std::size_t>(std::get<0>(info.param));
      return std::string(QtWindowWalk::Visits(nullptr)[index].Name) +
             (std::get<1>(info.param) ? "_English" : "_German");
    });

}  // namespace
