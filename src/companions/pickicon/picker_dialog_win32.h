// The icon picker's dialog: shows the icons of a file, lets the user look in another one, and
// ends with the icon chosen or one of the restore requests.
#pragma once

#include <windows.h>

#include <string>

#include "companions/pickicon/icon_sheet_win32.h"

namespace gd::pickicon {

// A file and the position of one of its icons.
struct IconChoice {
  std::string file;
  int index = 0;
};

class PickerDialog {
 public:
  PickerDialog(IconChoice start, std::string slotName);
  PickerDialog(const PickerDialog&) = delete;
  PickerDialog& operator=(const PickerDialog&) = delete;

  // Runs the dialog from the module's template, modal over `owner`. One of the PICKICON_
  // result codes, or -1 when the dialog could not be shown or failed.
  INT_PTR Run(HINSTANCE instance, HWND owner);
  // The icon chosen, once Run gave PICKICON_CHOSEN.
  const IconChoice& chosen() const { return chosen_; }

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void OnCommand(int id, int code);
  void OnNotify(const NMHDR& header);
  // Fills the list from the file as typed and selects the icon at `selected` if it exists.
  void Load(const std::string& typed, int selected);
  void LoadTyped();
  void Browse();
  // Ends the dialog with the icon at `item` of the list, if there is one.
  void Choose(int item);
  void End(INT_PTR result);
  void UpdateOk();
  int Selected() const;
  std::string FieldText() const;
  void ShowMessage(const char* text);

  HWND hwnd_ = nullptr;
  IconChoice start_;
  std::string slotName_;
  std::string loaded_;  // the field's text that the list shows the icons of
  IconSheet sheet_;
  IconChoice chosen_;
  bool ending_ = false;
};

}  // namespace gd::pickicon
