// The Package Info dialog (resource 272): shows and edits the author, e-mail address, web site
// and comments of one package.
#pragma once

#include <windows.h>

#include <string>

#include "package/package_info_form.h"
#include "platform/dialog_win32.h"
#include "ui/help_topics.h"

namespace gd {

class PackageInfoDialog final : public Dialog {
 public:
  PackageInfoDialog(IniStore& ini, Registry& registry, std::string packageFile);

  // Runs the dialog modally over `owner`; true when it closed with OK.
  bool Show(HINSTANCE instance, HWND owner);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  const char* HelpTopic() const override { return help::kPackageInfo; }
  std::string EditText(int id) const;

  PackageInfoForm form_;
};

}  // namespace gd
