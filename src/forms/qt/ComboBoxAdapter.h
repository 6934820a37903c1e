#pragma once
#include <QComboBox>

#include "forms/ComboBox.h"
#include "forms/qt/ControlAdapter.h"
#include "forms/qt/EditInput.h"

namespace forms::qt {

// A choice from the list is the runtime's UserSelect; the edit field edits through the runtime as
// a text box does. A locked combo box neither drops down nor takes keys.
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
  void SyncEditField();
  void MirrorSelection();

  QComboBox* view_;
  EditInput input_;
};

}  // namespace forms::qt
