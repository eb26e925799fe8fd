// The Package Info dialog's window: fills the edits from the form and hands OK back to it.
#include "ui/package_info_dialog_win32.h"

#include <utility>

#include "package/package_format.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

struct Edit {
  int id;
  std::size_t limit;  // characters the edit takes
};
constexpr Edit kEdits[] = {{IDC_INFO_AUTHOR, kPackageInfoFieldLength},
                           {IDC_INFO_EMAIL, kPackageInfoFieldLength},
                           {IDC_INFO_WEBSITE, kPackageInfoFieldLength},
                           {IDC_INFO_COMMENTS, kPackageCommentsLength}};

}  // namespace

PackageInfoDialog::PackageInfoDialog(IniStore& ini, Registry& registry, std::string packageFile)
    : form_(ini, registry, std::move(packageFile)) {}

bool PackageInfoDialog::Show(HINSTANCE instance, HWND owner) {
  return RunModal(instance, IDD_PACKAGE_INFO, owner) == IDOK;
}

bool PackageInfoDialog::OnInitDialog() {
  SetWindowTextA(hwnd(), form_.Title().c_str());
  for (const Edit& edit : kEdits) {
    SendMessageA(Item(edit.id), EM_LIMITTEXT, edit.limit, 0);
  }
  const PackageInfoFields fields = form_.Start();
  const std::pair<int, const std::string*> shown[] = {{IDC_INFO_AUTHOR, &fields.author},
                                                      {IDC_INFO_EMAIL, &fields.email},
                                                      {IDC_INFO_WEBSITE, &fields.website},
                                                      {IDC_INFO_COMMENTS, &fields.comments}};
  for (const auto& [id, text] : shown) {
    if (!text->empty()) SetDlgItemTextA(hwnd(), id, text->c_str());
  }
  return true;
}

std::string PackageInfoDialog::EditText(int id) const {
  char text[kPackageCommentsLength + 1] = {};
  GetDlgItemTextA(hwnd(), id, text, static_cast<int>(sizeof text));
  return text;
}

bool PackageInfoDialog::OnCommand(int id, int code, HWND /*control*/) {
  switch (id) {
    case IDOK:
      form_.Accept({EditText(IDC_INFO_AUTHOR), EditText(IDC_INFO_EMAIL),
                    EditText(IDC_INFO_WEBSITE), EditText(IDC_INFO_COMMENTS)});
      End(IDOK);
      return true;
    case IDCANCEL:
      End(IDCANCEL);
      return true;
    case IDC_INFO_AUTHOR:
    case IDC_INFO_EMAIL:
    case IDC_INFO_WEBSITE:
    case IDC_INFO_COMMENTS:
      if (code == EN_CHANGE) form_.MarkChanged();
      return code == EN_CHANGE;
    default:
      return false;
  }
}

}  // namespace gd
