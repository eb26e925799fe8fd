// The file field's subclass that takes Enter from the dialog manager, which drops the key
// while the default button is disabled.
#include "companions/pickicon/enter_key_win32.h"

#include <commctrl.h>

namespace gd::pickicon {
namespace {

constexpr UINT_PTR kSubclassId = 1;

bool IsEnter(const MSG* message) {
  return message && ((message->message == WM_KEYDOWN && message->wParam == VK_RETURN) ||
                     (message->message == WM_CHAR && message->wParam == '\r'));
}

LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) noexcept {
  switch (message) {
    case WM_GETDLGCODE:
      if (IsEnter(reinterpret_cast<const MSG*>(lParam))) return DLGC_WANTMESSAGE;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        const HWND dialog = GetParent(edit);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r') return 0;  // a single-line edit would only beep at it
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, EditProcedure, kSubclassId);
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

bool SendEnterAsOk(HWND edit) { return SetWindowSubclass(edit, EditProcedure, kSubclassId, 0) != FALSE; }

}  // namespace gd::pickicon
