// The About box: the program's icon, name and version, and what it is for.
#pragma once

#include "glintview/dialog_window_win32.h"

namespace gd::glintview {

class AboutBox final : public DialogWindow {
 public:
  // Modal over `owner`; ends with OK or Escape.
  void Show(HINSTANCE instance, HWND owner);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace gd::glintview
