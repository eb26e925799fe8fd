// Base of the program's dialogs: keeps `this` with the window and lets no exception escape
// into Win32's message dispatch.
#pragma once

#include <windows.h>

namespace gd {

class Dialog {
 public:
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog template `resourceId` modally; the EndDialog result, or -1 on failure.
  INT_PTR RunModal(HINSTANCE instance, int resourceId, HWND owner);
  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  void End(INT_PTR result) { EndDialog(hwnd_, result); }

 protected:
  Dialog() = default;
  // Handlers return true when they handled the message.
  virtual bool OnInitDialog() { return true; }
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual bool OnDrawItem(int /*id*/, const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMeasureItem(int /*id*/, MEASUREITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                         INT_PTR& /*result*/) {
    return false;
  }
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

}  // namespace gd
