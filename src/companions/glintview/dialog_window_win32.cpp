// Message dispatch of the template windows and the main window's message loop.
#include "glintview/dialog_window_win32.h"

namespace gd::glintview {

DialogWindow::~DialogWindow() {
  // A window that outlives its object would call into freed memory. The derived part is gone
  // by now, so the window is cut off from it before it goes.
  if (hwnd_ == nullptr || modal_) return;
  SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
  DestroyWindow(hwnd_);
}

INT_PTR DialogWindow::RunModal(HINSTANCE instance, int resourceId, HWND owner) {
  modal_ = true;
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(resourceId), owner, &DialogWindow::Procedure,
                         reinterpret_cast<LPARAM>(this));
}

bool DialogWindow::Create(HINSTANCE instance, int resourceId) {
  modal_ = false;
  ended_ = false;
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(resourceId), nullptr, &DialogWindow::Procedure,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR DialogWindow::RunLoop(HACCEL accelerators) {
  if (hwnd_ == nullptr) return -1;
  ShowWindow(hwnd_, SW_SHOW);
  MSG message{};
  while (!ended_) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // Someone asked the whole thread to quit: leave, and pass the request on.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    const bool ours = message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd);
    if (accelerators && ours && TranslateAcceleratorA(hwnd_, accelerators, &message)) continue;
    if (IsDialogMessageA(hwnd_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  return ended_ ? result_ : -1;
}

void DialogWindow::End(INT_PTR result) {
  if (modal_) {
    EndDialog(hwnd_, result);
    return;
  }
  ended_ = true;
  result_ = result;
  // Wakes the loop, which may be waiting for a message.
  PostMessageA(hwnd_, WM_NULL, 0, 0);
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogWindow* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<DialogWindow*>(lParam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    // An exception must not unwind through the system's dispatch code; the window ends.
    self->End(-1);
    return TRUE;
  }
}

INT_PTR DialogWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_DESTROY:
      OnDestroy();
      SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
      hwnd_ = nullptr;
      return FALSE;
    default: {
      INT_PTR result = FALSE;
      if (!OnMessage(message, wParam, lParam, result)) return FALSE;
      // Dialog procedures hand most results back through DWLP_MSGRESULT.
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
  }
}

}  // namespace gd::glintview
