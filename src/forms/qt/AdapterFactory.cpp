#include "forms/qt/AdapterFactory.h"

#include "forms/qt/ButtonAdapters.h"
#include "forms/qt/ComboBoxAdapter.h"
#include "forms/qt/CommonControlAdapters.h"
#include "forms/qt/ContainerAdapters.h"
#include "forms/qt/GridAdapter.h"
#include "forms/qt/LabelAdapter.h"
#include "forms/qt/ListBoxAdapter.h"
#include "forms/qt/MenuAdapter.h"
#include "forms/qt/TextBoxAdapter.h"

namespace forms::qt {

ControlAdapter* MakeAdapter(FormWindow& window, Control& control, QWidget* parent,
                            ControlAdapter* container) {
  switch (control.Kind()) {
    case ControlKind::Label:
      return new LabelAdapter(window, static_cast<Label&>(control), parent);
    case ControlKind::TextBox:
      return new TextBoxAdapter(window, static_cast<TextBox&>(control), parent);
    case ControlKind::CommandButton:
      return new CommandButtonAdapter(window, static_cast<CommandButton&>(control), parent);
    case ControlKind::CheckBox:
      return new CheckBoxAdapter(window, static_cast<CheckBox&>(control), parent);
    case ControlKind::OptionButton:
      return new OptionButtonAdapter(window, static_cast<OptionButton&>(control), parent);
    case ControlKind::ComboBox:
      return new ComboBoxAdapter(window, static_cast<ComboBox&>(control), parent);
    case ControlKind::ListBox:
      return new ListBoxAdapter(window, static_cast<ListBox&>(control), parent);
    case ControlKind::Frame:
      return new FrameAdapter(window, static_cast<Frame&>(control), parent);
    case ControlKind::PictureBox:
      return new PictureBoxAdapter(window, static_cast<PictureBox&>(control), parent);
    case ControlKind::Image:
      return new ImageAdapter(window, static_cast<Image&>(control), parent);
    case ControlKind::Menu:
      return new MenuAdapter(window, static_cast<Menu&>(control),
                             static_cast<MenuAdapter*>(container));
    case ControlKind::Grid:
      return new GridAdapter(window, static_cast<Grid&>(control), parent);
    case ControlKind::TabStrip:
      return new TabStripAdapter(window, static_cast<TabStrip&>(control), parent);
    case ControlKind::ProgressBar:
      return new ProgressBarAdapter(window, static_cast<ProgressBar&>(control), parent);
    case ControlKind::Slider:
      return new SliderAdapter(window, static_cast<Slider&>(control), parent);
  }
  return nullptr;
}

}  // namespace forms::qt
