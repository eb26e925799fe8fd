// The About box (dialog 160): the installed version and the three web links.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "platform/dialog_win32.h"
#include "ui/hyperlink_static_win32.h"

namespace gd {

class AboutDialog final : public Dialog {
 public:
  // `version` is the installation key's "Version" ("ERROR" when missing); `open` starts an
  // address in the user's browser or mail program.
  AboutDialog(std::string version, bool (*open)(const std::string& address));

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  std::string version_;
  bool (*open_)(const std::string& address);
  std::array<HyperlinkStatic, 3> links_;
};

}  // namespace gd
