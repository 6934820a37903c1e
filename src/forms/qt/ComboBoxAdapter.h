#pragma once
#include <QComboBox>

#include "forms/ComboBox.h"
#include "forms/qt/ControlAdapter.h"

namespace forms::qt {

// A choice from the list is the runtime's UserSelect; typing into the edit field goes key by key
// through the runtime (KeyPress, then Change). A locked combo box neither drops down nor takes
// keys.
class ComboBoxAdapter : public ControlAdapter {
 public:
  ComboBoxAdapter(FormWindow& window, ComboBox& combo, QWidget* parent);

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ComboBox& Model() const { return static_cast<ComboBox&>(*Target()); }
  bool Key(const QKeyEvent& event);
  void SyncItems();

  QComboBox* view_;
};

}  // namespace forms::qt
