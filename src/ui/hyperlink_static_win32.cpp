// Colours, hover tracking, cursor and click of the link statics.
#include "ui/hyperlink_static_win32.h"

#include <string>

#include "platform/system_paths.h"

namespace gd {
namespace {

constexpr COLORREF kNormalColour = RGB(0, 0, 255);
constexpr COLORREF kHoverColour = RGB(255, 0, 0);
constexpr char kLinkProperty[] = "GlimmerdeckLink";
constexpr int kHelpHandCursor = 106;

// The hand cursor, shared by every link and copied once: the Windows help program's hand,
// else the system's own (Windows 98 and 2000 on), else none and the arrow stays.
HCURSOR HandCursor() {
  static UniqueCursor copied;
  static bool tried = false;
  if (!tried) {
    tried = true;
    const std::string help = WindowsDirectory() + "\\winhlp32.exe";
    if (UniqueModule module(LoadLibraryExA(help.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        module) {
      if (const HCURSOR hand = LoadCursorA(module.get(), MAKEINTRESOURCEA(kHelpHandCursor))) {
        copied.reset(CopyCursor(hand));
      }
    }
  }
  return copied ? copied.get() : LoadCursorA(nullptr, IDC_HAND);
}

bool IsPlainTextStatic(HWND control) {
  const auto type = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & SS_TYPEMASK;
  return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
}

}  // namespace

HyperlinkStatic::~HyperlinkStatic() {
  if (control_ && IsWindow(control_)) Detach();
}

void HyperlinkStatic::Detach() {
  SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  RemovePropA(control_, kLinkProperty);
}

void HyperlinkStatic::Attach(HWND control) {
  if (control == nullptr) return;
  control_ = control;
  SetPropA(control_, kLinkProperty, this);
  original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HyperlinkStatic::Procedure)));
  // The control draws with its own font, which some systems select after asking the dialog
  // for colours: the underlined copy becomes the control's font.
  LOGFONTA look{};
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0));
  GetObjectA(font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof look,
             &look);
  look.lfUnderline = TRUE;
  underlined_.reset(CreateFontIndirectA(&look));
  SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(underlined_.get()), FALSE);
}

HBRUSH HyperlinkStatic::OnColour(HWND control, HDC dc) {
  if (control != control_ || !IsPlainTextStatic(control)) return nullptr;
  if (underlined_) SelectObject(dc, underlined_.get());
  SetTextColor(dc, hover_ ? kHoverColour : kNormalColour);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

void HyperlinkStatic::SetHover(bool hover) {
  if (hover_ == hover) return;
  hover_ = hover;
  if (hover) {
    SetCapture(control_);
  } else if (GetCapture() == control_) {
    ReleaseCapture();
  }
  // The hollow brush leaves the old text: the dialog behind must paint first.
  RECT rect{};
  GetWindowRect(control_, &rect);
  MapWindowPoints(nullptr, GetParent(control_), reinterpret_cast<POINT*>(&rect), 2);
  InvalidateRect(GetParent(control_), &rect, TRUE);
}

LRESULT CALLBACK HyperlinkStatic::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = static_cast<HyperlinkStatic*>(GetPropA(hwnd, kLinkProperty));
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT HyperlinkStatic::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      RECT client{};
      GetClientRect(control_, &client);
      const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      SetHover(PtInRect(&client, point) != FALSE);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != control_ && hover_) {
        hover_ = false;
        InvalidateRect(control_, nullptr, TRUE);
      }
      break;
    case WM_SETCURSOR:
      if (const HCURSOR hand = HandCursor()) {
        SetCursor(hand);
        return TRUE;
      }
      break;
    case WM_NCDESTROY: {
      // The control goes before this object: it leaves as it came.
      const HWND control = control_;
      Detach();
      control_ = nullptr;
      return CallWindowProcA(original_, control, message, wParam, lParam);
    }
    case WM_LBUTTONDOWN: return 0;
    case WM_LBUTTONUP:
      SetHover(false);
      PostMessageA(GetParent(control_), WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(control_)),
                   0);
      return 0;
    default: break;
  }
  return CallWindowProcA(original_, control_, message, wParam, lParam);
}

}  // namespace gd
