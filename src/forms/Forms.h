#pragma once

// The forms runtime: VB6 windows, controls, MSFlexGrid, common controls and dialogs, printer,
// clock and random numbers, as pure C++ objects with state and events.
//
// Style, the same everywhere:
// - A property X is read with X() and written with SetX(v); indexed ones take the index first:
//   grid.Row(), grid.SetRow(3), grid.TextMatrix(r, c), grid.SetTextMatrix(r, c, "x"),
//   combo.List(i), grid.SetColWidth(c, 0), list.SetSelected(i, true).
// - Events are public std::function members named as VB names them; a window wires them in its
//   constructor: cmdOK.Click = [this] { cmdOK_Click(); };  KeyPress takes int& keyAscii.
// - Setting ListIndex, Value or Text from code raises the same event as the user's action, only
//   when the value changes.
// - User input (tests and the back end alike) enters through User*() calls: button.UserClick(),
//   textBox.UserType("abc"), combo.UserSelect(2), grid.UserPress(r, c), form.UserClose(), ...
//   Disabled or hidden controls and windows ignore them.
// - Colours are 0x00BBGGRR (Color, vbYellow ...); sizes and positions are twips; "\r" breaks a
// caption.
// - Failures the platform raises (a bad index, an invalid value) throw forms::Error.
//
// A window:
//   class frmLogin : public forms::Form {
//    public:
//     explicit frmLogin(State& s) : forms::Form(s.rt, "frmLogin"), s_(s) {
//       cmdOK.Click = [this] { cmdOK_Click(); };
//       txtPW.KeyPress = [this](int& k) { txtPW_KeyPress(k); };
//     }
//     forms::TextBox txtID{*this, "txtID"};
//     forms::TextBox txtPW{*this, "txtPW"};
//     forms::CommandButton cmdOK{*this, "cmdOK"};
//    protected:
//     void Form_Load() override;
//     ...
//   };
// The program holds it as forms::FormSlot<frmLogin> (loaded on use, rebuilt after Unload).

#include "forms/CheckBox.h"
#include "forms/Color.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Control.h"
#include "forms/ControlArray.h"
#include "forms/DateTime.h"
#include "forms/EditField.h"
#include "forms/Error.h"
#include "forms/Font.h"
#include "forms/Form.h"
#include "forms/FormSlot.h"
#include "forms/Frame.h"
#include "forms/Grid.h"
#include "forms/GridPicture.h"
#include "forms/Image.h"
#include "forms/Keys.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/Menu.h"
#include "forms/OptionButton.h"
#include "forms/PictureBox.h"
#include "forms/Platform.h"
#include "forms/ProgressBar.h"
#include "forms/Random.h"
#include "forms/Runtime.h"
#include "forms/Slider.h"
#include "forms/TabStrip.h"
#include "forms/TextBox.h"
#include "forms/WindowManager.h"
#include "forms/WindowObserver.h"
