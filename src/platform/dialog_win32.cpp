// Message dispatch of the dialog base and the main window's message loop.
#include "platform/dialog_win32.h"

#include <algorithm>
#include <vector>

namespace gd {
namespace {

// The open modeless windows, whose keys the main window's loop hands to them. The program's
// windows all live on one thread.
std::vector<Dialog*>& ModelessWindows() {
  static std::vector<Dialog*> windows;
  return windows;
}

}  // namespace

Dialog::~Dialog() {
  // The derived part is gone by now: the window must not call into it.
  if (hwnd_ == nullptr || kind_ == Kind::Modal) return;
  SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
  std::erase(ModelessWindows(), this);
  DestroyWindow(hwnd_);
}

INT_PTR Dialog::RunModal(HINSTANCE instance, int resourceId, HWND owner) {
  kind_ = Kind::Modal;
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(resourceId), owner, &Dialog::Procedure,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::RunMain(HINSTANCE instance, int resourceId, HACCEL accelerators) {
  if (!CreateMain(instance, resourceId)) return -1;
  return RunLoop(accelerators);
}

bool Dialog::CreateMain(HINSTANCE instance, int resourceId) {
  kind_ = Kind::Main;
  ended_ = false;
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(resourceId), nullptr, &Dialog::Procedure,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR Dialog::RunLoop(HACCEL accelerators) {
  // A window that ended during its initialisation never shows.
  if (hwnd_ != nullptr && !ended_) ShowWindow(hwnd_, SW_SHOW);
  MSG message{};
  while (hwnd_ != nullptr && !ended_) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // Someone asked the whole thread to quit: leave, and pass the request on.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    const bool ours = message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd);
    if (TranslateForModeless(message)) continue;
    if (accelerators && ours && TranslateAcceleratorA(hwnd_, accelerators, &message)) continue;
    if (IsDialogMessageA(hwnd_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  return ended_ ? result_ : -1;
}

bool Dialog::CreatePage(HINSTANCE instance, int resourceId, HWND parent) {
  kind_ = Kind::Page;
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(resourceId), parent, &Dialog::Procedure,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool Dialog::CreateModeless(HINSTANCE instance, int resourceId, HWND owner, HACCEL accelerators) {
  kind_ = Kind::Modeless;
  accelerators_ = accelerators;
  if (!CreateDialogParamA(instance, MAKEINTRESOURCEA(resourceId), owner, &Dialog::Procedure,
                          reinterpret_cast<LPARAM>(this))) {
    return false;
  }
  ModelessWindows().push_back(this);
  return true;
}

bool Dialog::TranslateForModeless(MSG& message) {
  for (Dialog* window : ModelessWindows()) {
    const HWND own = window->hwnd_;
    if (message.hwnd != own && !IsChild(own, message.hwnd)) continue;
    if (window->accelerators_ && TranslateAcceleratorA(own, window->accelerators_, &message)) return true;
    return IsDialogMessageA(own, &message) != FALSE;
  }
  return false;
}

void Dialog::End(INT_PTR result) {
  switch (kind_) {
    case Kind::Modal: EndDialog(hwnd_, result); break;
    case Kind::Main:
      ended_ = true;
      result_ = result;
      // Wakes the loop, which may be waiting for a message.
      PostMessageA(hwnd_, WM_NULL, 0, 0);
      break;
    case Kind::Page: break;  // a page lives as long as its window
    case Kind::Modeless: DestroyWindow(hwnd_); break;
  }
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    // An exception must not unwind through the system's dispatch code; the dialog ends.
    self->End(-1);
    return TRUE;
  }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE
                                                                                         : FALSE;
    case WM_DRAWITEM:
      return OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<DRAWITEMSTRUCT*>(lParam))
                 ? TRUE
                 : FALSE;
    case WM_MEASUREITEM:
      return OnMeasureItem(static_cast<int>(wParam), *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))
                 ? TRUE
                 : FALSE;
    case WM_HELP:
      if (const char* topic = HelpTopic()) {
        // The main window owns every other window and knows where the help file is.
        SendMessageA(GetAncestor(hwnd_, GA_ROOTOWNER), kShowHelpTopic, 0,
                     reinterpret_cast<LPARAM>(topic));
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      OnDestroy();
      std::erase(ModelessWindows(), this);
      hwnd_ = nullptr;
      return FALSE;
    default: {
      INT_PTR result = FALSE;
      return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}

}  // namespace gd
