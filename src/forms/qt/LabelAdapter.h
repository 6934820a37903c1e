#pragma once
#include <QLabel>

#include "forms/Label.h"
#include "forms/qt/ControlAdapter.h"

namespace forms::qt {

// A label wraps its caption within its width (unless it sizes itself to the caption) and draws
// from its top edge, as Windows labels do.
class LabelAdapter : public ControlAdapter {
 public:
  LabelAdapter(FormWindow& window, Label& label, QWidget* parent);

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Label& Model() const { return static_cast<Label&>(*Target()); }
  QLabel* view_;
};

}  // namespace forms::qt
