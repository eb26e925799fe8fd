// The About box: the program's icon, name and version, and what it is for.
#pragma once

#include "platform/dialog_win32.h"

namespace gd::glintview {

class AboutBox final : public Dialog {
 public:
  // Modal over `owner`; ends with OK or Escape.
  void Show(HINSTANCE instance, HWND owner);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
};

}  // namespace gd::glintview
