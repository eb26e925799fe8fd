// A static text that looks and behaves like a web link: blue, red while the mouse is over it,
// underlined, with the hand cursor, and reporting a click to its dialog as a command.
#pragma once

#include <windows.h>

#include "platform/unique_handle.h"

namespace gd {

class HyperlinkStatic {
 public:
  HyperlinkStatic() = default;
  ~HyperlinkStatic();
  HyperlinkStatic(const HyperlinkStatic&) = delete;
  HyperlinkStatic& operator=(const HyperlinkStatic&) = delete;

  // Takes over the dialog's static control; it stays until the control is destroyed.
  void Attach(HWND control);
  // The dialog passes on WM_CTLCOLORSTATIC; the brush to return, or null when the control
  // is not this link or not a plain text static (the dialog then draws it as usual).
  HBRUSH OnColour(HWND control, HDC dc);

  bool hovering() const { return hover_; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void SetHover(bool hover);
  void Detach();

  HWND control_ = nullptr;
  WNDPROC original_ = nullptr;
  bool hover_ = false;
  UniqueGdiObject underlined_;
};

}  // namespace gd
