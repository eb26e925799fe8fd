// The About box's name line, and its ending.
#include "glintview/about_box_win32.h"

#include "glintview/resource_ids.h"

namespace gd::glintview {

void AboutBox::Show(HINSTANCE instance, HWND owner) { RunModal(instance, IDD_GLINTVIEW_ABOUT, owner); }

bool AboutBox::OnInitDialog() {
  SetDlgItemTextA(hwnd(), IDC_ABOUT_NAME, "Glintview " GLINTVIEW_VERSION);
  return true;
}

bool AboutBox::OnCommand(int id, int, HWND) {
  if (id != IDOK && id != IDCANCEL) return false;
  End(id);
  return true;
}

}  // namespace gd::glintview
