// A window made from a dialog template: keeps `this` with the window and lets no exception
// escape into the system's message dispatch. Runs modally, or as the program's main window
// with a loop of its own that gives the window its keyboard shortcuts. A derived window that
// keeps state in OnDestroy destroys its window in its own destructor, while it still exists.
#pragma once

#include <windows.h>

namespace gd::glintview {

class DialogWindow {
 public:
  virtual ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Runs the template modally over `owner`; the End result, or -1 on failure.
  INT_PTR RunModal(HINSTANCE instance, int resourceId, HWND owner);
  // Creates the template as a hidden top-level window; false when it could not be made.
  bool Create(HINSTANCE instance, int resourceId);
  // Shows the created window and dispatches messages until End; the End result, or -1.
  INT_PTR RunLoop(HACCEL accelerators);

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  void End(INT_PTR result);

 protected:
  DialogWindow() = default;
  // Handlers return true when they handled the message.
  virtual bool OnInitDialog() { return true; }
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
    return false;
  }
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  INT_PTR result_ = -1;
};

}  // namespace gd::glintview
