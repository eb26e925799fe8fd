// The page's dialog procedure: it shows the item's icon, lets pickicon.dll choose another,
// and stores the choice only when the sheet applies its pages.
#include "companions/proptab/icon_page_win32.h"

#include <memory>
#include <optional>
#include <vector>

#include "companions/include/pickicon.h"
#include "companions/proptab/icon_change_win32.h"
#include "companions/proptab/icon_picker_win32.h"
#include "companions/proptab/icon_previews_win32.h"
#include "companions/proptab/item_icon_win32.h"
#include "companions/proptab/module_win32.h"
#include "companions/proptab/proptab_ids.h"

namespace gd::proptab {
namespace {

struct PageState {
  explicit PageState(SelectedItem selected) : item(std::move(selected)) {}
  SelectedItem item;
  std::optional<IconPicker> picker;      // loaded when the page opens
  std::optional<IconChange> pending;     // chosen, not yet applied
  std::vector<IconPreview> previews;     // of the icon on show
  IconRef shown;
};

PageState* StateOf(HWND page) { return reinterpret_cast<PageState*>(GetWindowLongPtrA(page, GWLP_USERDATA)); }

void Show(HWND page, PageState& state, const ItemIcon& icon) {
  state.shown = icon.icon;
  state.previews = LoadPreviews(icon.icon);
  // The drawing tells screen readers nothing; the preview's text names what it shows.
  SetDlgItemTextA(page, IDC_PREVIEW, PreviewSummary(state.previews).c_str());
  SetDlgItemTextA(page, IDC_ICON_FILE, icon.icon.file.c_str());
  SetDlgItemInt(page, IDC_ICON_INDEX, static_cast<UINT>(icon.icon.index), TRUE);
  SetDlgItemTextA(page, IDC_ORIGIN, icon.origin.c_str());
  InvalidateRect(GetDlgItem(page, IDC_PREVIEW), nullptr, TRUE);
}

void Open(HWND page, PageState& state) {
  SetWindowLongPtrA(page, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  state.picker.emplace(ModuleFolder());
  Show(page, state, CurrentIcon(state.item));
  // Without the picker there is nothing to choose from; nothing is pretended in its place.
  EnableWindow(GetDlgItem(page, IDC_CHANGE_ICON), state.picker->available() && CanChangeIcon(state.item));
}

void Change(HWND page, PageState& state) {
  const PickedIcon picked = state.picker->Choose(state.shown, state.item.path);
  if (picked.result == PICKICON_CHOSEN) {
    state.pending = IconChange{false, picked.icon};
    Show(page, state, ItemIcon{picked.icon, true, "Newly chosen: Apply or OK keeps it."});
  } else if (picked.result == PICKICON_RESTORE_DEFAULT && CanRestoreDefault(state.item)) {
    state.pending = IconChange{true, {}};
    ItemIcon restored = DefaultIcon(state.item);
    restored.origin += " Apply or OK brings it back.";
    Show(page, state, restored);
  } else if (picked.result == PICKICON_RESTORE_DEFAULT) {
    SetDlgItemTextA(page, IDC_ORIGIN, "File types keep no default icon to go back to; this one stays.");
    return;
  } else {
    return;  // cancelled, or the current icon kept
  }
  PropSheet_Changed(GetParent(page), page);
}

// PSN_APPLY: a failure is told and keeps the sheet open with the change still pending.
LONG_PTR Apply(HWND page, PageState& state) {
  if (!state.pending) return PSNRET_NOERROR;
  const std::string failure = ApplyIconChange(state.item, *state.pending);
  if (!failure.empty()) {
    MessageBoxA(GetParent(page), failure.c_str(), "Icon", MB_OK | MB_ICONERROR);
    return PSNRET_INVALID_NOCHANGEPAGE;
  }
  state.pending.reset();
  Show(page, state, CurrentIcon(state.item));
  return PSNRET_NOERROR;
}

void DrawPreview(HWND page, const PageState& state, const DRAWITEMSTRUCT& item) {
  const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(page, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = font ? SelectObject(item.hDC, font) : nullptr;
  DrawPreviews(item.hDC, item.rcItem, state.previews);
  if (previous) SelectObject(item.hDC, previous);
}

INT_PTR Handle(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    Open(page, *reinterpret_cast<PageState*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam));
    return TRUE;
  }
  PageState* state = StateOf(page);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_CHANGE_ICON && HIWORD(wParam) == BN_CLICKED && state->picker->available()) {
        Change(page, *state);
        return TRUE;
      }
      return FALSE;
    case WM_DRAWITEM:
      if (wParam != IDC_PREVIEW) return FALSE;
      DrawPreview(page, *state, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lParam)->code != PSN_APPLY) return FALSE;
      SetWindowLongPtrA(page, DWLP_MSGRESULT, Apply(page, *state));
      return TRUE;
    default:
      return FALSE;
  }
}

// The sheet calls in from the shell's message loop: nothing may be thrown back into it.
INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return Handle(page, message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

UINT CALLBACK PageCallback(HWND, UINT message, PROPSHEETPAGEA* page) {
  if (message == PSPCB_RELEASE && page != nullptr) {
    delete reinterpret_cast<PageState*>(page->lParam);
    ReleaseModule();
  }
  return 1;
}

}  // namespace

HPROPSHEETPAGE CreateIconPage(const SelectedItem& item) {
  auto state = std::make_unique<PageState>(item);
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_USECALLBACK;
  page.hInstance = ModuleHandle();
  page.pszTemplate = MAKEINTRESOURCEA(IDD_ICON_TAB);
  page.pfnDlgProc = PageProc;
  page.lParam = reinterpret_cast<LPARAM>(state.get());
  page.pfnCallback = PageCallback;
  const HPROPSHEETPAGE created = CreatePropertySheetPageA(&page);
  if (created == nullptr) return nullptr;
  // The page owns its state from here on, and keeps the DLL loaded until it is destroyed.
  state.release();
  HoldModule();
  return created;
}

}  // namespace gd::proptab
