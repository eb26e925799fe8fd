// The file field's subclass that takes Enter from the dialog manager, which drops the key
// while the default button is disabled. Classic subclassing through the window procedure,
// since the common controls' subclass functions are exported by ordinal only before version 6.
#include "companions/pickicon/enter_key_win32.h"

namespace gd::pickicon {
namespace {

// The edit's own procedure, kept with the window.
constexpr char kOriginalProperty[] = "GlimmerdeckPickIconEdit";

bool IsEnter(const MSG* message) {
  return message && ((message->message == WM_KEYDOWN && message->wParam == VK_RETURN) ||
                     (message->message == WM_CHAR && message->wParam == '\r'));
}

LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  const auto original = reinterpret_cast<WNDPROC>(GetPropA(edit, kOriginalProperty));
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
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropA(edit, kOriginalProperty);
      break;
  }
  return CallWindowProcA(original, edit, message, wParam, lParam);
}

}  // namespace

bool SendEnterAsOk(HWND edit) {
  const auto original = GetWindowLongPtrA(edit, GWLP_WNDPROC);
  if (original == 0 || !SetPropA(edit, kOriginalProperty, reinterpret_cast<HANDLE>(original))) return false;
  SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProcedure));
  return true;
}

}  // namespace gd::pickicon
