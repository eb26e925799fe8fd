// Base of the dialogs of the program and its companions: keeps `this` with the window and lets
// no exception escape into Win32's message dispatch. A dialog runs modally, as a child page, as
// a modeless tool window, or as a program's main window with a message loop of its own.
#pragma once

#include <windows.h>

namespace gd {

// Asks the program's main window to show a help topic; lParam is the topic's name, a text
// that outlives the call.
inline constexpr UINT kShowHelpTopic = WM_APP + 1;

class Dialog {
 public:
  // A window that outlives its object is cut off from it and destroyed; a derived dialog that
  // keeps state in OnDestroy destroys its window in its own destructor, while it still exists.
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog template `resourceId` modally; the End result, or -1 on failure.
  INT_PTR RunModal(HINSTANCE instance, int resourceId, HWND owner);
  // Runs the template as the program's main window: modal in effect, but through a loop of
  // our own, because the system's modal loop translates no keyboard shortcuts. The window
  // shows unless it ended during its initialisation. The End result, or -1 on failure.
  INT_PTR RunMain(HINSTANCE instance, int resourceId, HACCEL accelerators);
  // The two halves of RunMain, for a program that prepares its window before the loop: the
  // template as a hidden main window, then the loop, which shows it first.
  bool CreateMain(HINSTANCE instance, int resourceId);
  INT_PTR RunLoop(HACCEL accelerators);
  // Creates the template (a child style one) as a hidden child page of `parent`.
  bool CreatePage(HINSTANCE instance, int resourceId, HWND parent);
  // Creates the template as a hidden modeless window owned by `owner`. The main window's loop
  // gives it its keyboard shortcuts (none when `accelerators` is null) and dialog keys.
  bool CreateModeless(HINSTANCE instance, int resourceId, HWND owner, HACCEL accelerators);

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  void End(INT_PTR result);

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
  // The help topic that F1 opens, or null for a window whose F1 its parent answers.
  virtual const char* HelpTopic() const { return nullptr; }

 private:
  enum class Kind { Modal, Main, Page, Modeless };

  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // Lets the modeless window that a message is for translate it; true when it did.
  static bool TranslateForModeless(MSG& message);

  HACCEL accelerators_ = nullptr;

  HWND hwnd_ = nullptr;
  Kind kind_ = Kind::Modal;
  bool ended_ = false;
  INT_PTR result_ = -1;
};

}  // namespace gd
