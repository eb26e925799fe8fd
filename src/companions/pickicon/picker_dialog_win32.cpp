// The picker dialog's messages: loading a file into the list, browsing, choosing and ending.
#include "companions/pickicon/picker_dialog_win32.h"

#include <commctrl.h>
#include <cderr.h>
#include <commdlg.h>

#include "companions/include/pickicon.h"
#include "companions/pickicon/enter_key_win32.h"
#include "companions/pickicon/picker_ids.h"
#include "platform/path_text.h"
#include "platform/wait_cursor_win32.h"

namespace gd::pickicon {
namespace {

constexpr int kIconSize = 32;
constexpr char kFilter[] =
    "Icon files (*.ico;*.icl;*.exe;*.dll;*.cur;*.ani)\0*.ico;*.icl;*.exe;*.dll;*.cur;*.ani\0"
    "All files\0*.*\0";
constexpr char kChosenTooLong[] =
    "The chosen file's path is longer than 259 characters. Choose a file with a shorter path.";

const char* MessageFor(SheetProblem problem) {
  switch (problem) {
    case SheetProblem::None: return "";
    case SheetProblem::NoPath: return "Type the name of a file that holds icons, or choose one with Browse.";
    case SheetProblem::TooLong: return "This path is longer than 259 characters. Choose a file with a shorter path.";
    case SheetProblem::NotFound: return "This file could not be found.";
    case SheetProblem::Unreadable: return "No icons could be read from this file: it may be damaged.";
    case SheetProblem::NoIcons: return "This file holds no icons.";
  }
  return "";
}

}  // namespace

PickerDialog::PickerDialog(IconChoice start, std::string slotName)
    : start_(std::move(start)), slotName_(std::move(slotName)) {}

INT_PTR PickerDialog::Run(HINSTANCE instance, HWND owner) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PICK_ICON), owner, &PickerDialog::Procedure,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK PickerDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  auto* self = reinterpret_cast<PickerDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (self == nullptr) return FALSE;
  try {
    if (message == WM_INITDIALOG) self->hwnd_ = dialog;
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's dispatch: the dialog ends as failed instead.
    EndDialog(dialog, -1);
    return TRUE;
  }
}

INT_PTR PickerDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInit();
      return FALSE;  // the focus is set
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return FALSE;  // the list's notifications want no answer
    default:
      return FALSE;
  }
}

void PickerDialog::OnInit() {
  const std::string title = slotName_.empty() ? "Change Icon" : "Change Icon - " + slotName_;
  SetWindowTextA(hwnd_, title.c_str());
  const HWND field = GetDlgItem(hwnd_, IDC_PICK_FILE);
  SendEnterAsOk(field);
  SetWindowTextA(field, start_.file.c_str());
  // Cells no wider than a short number label need, so that two rows of icons fit; in dialog
  // units, to follow the font.
  RECT cell{0, 0, 30, 36};
  MapDialogRect(hwnd_, &cell);
  ListView_SetIconSpacing(GetDlgItem(hwnd_, IDC_PICK_LIST), cell.right, cell.bottom);
  Load(start_.file, start_.index);
  // The list takes the keys when it has icons; otherwise the user has a file name to fix.
  const HWND focus = sheet_.imageOf.empty() ? field : GetDlgItem(hwnd_, IDC_PICK_LIST);
  SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
}

void PickerDialog::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:
      // Enter after typing a file name means "look in it"; otherwise it takes the icon.
      if (FieldText() != loaded_) {
        LoadTyped();
      } else {
        Choose(Selected());
      }
      break;
    case IDCANCEL: End(PICKICON_CANCELLED); break;
    case IDC_PICK_RESTORE_DEFAULT: End(PICKICON_RESTORE_DEFAULT); break;
    case IDC_PICK_RESTORE_CURRENT: End(PICKICON_RESTORE_CURRENT); break;
    case IDC_PICK_BROWSE: Browse(); break;
    case IDC_PICK_FILE:
      if (code == EN_KILLFOCUS && !ending_ && FieldText() != loaded_) LoadTyped();
      break;
    default: break;
  }
}

void PickerDialog::OnNotify(const NMHDR& header) {
  if (header.idFrom != IDC_PICK_LIST) return;
  if (header.code == LVN_ITEMCHANGED) {
    UpdateOk();
  } else if (header.code == NM_DBLCLK) {
    Choose(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
  }
}

void PickerDialog::Load(const std::string& typed, int selected) {
  const WaitCursor wait;
  IconSheet next = LoadIconSheet(typed, kIconSize);
  const HWND list = GetDlgItem(hwnd_, IDC_PICK_LIST);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list);
  // The list shares the image list (LVS_SHAREIMAGELISTS): the old one goes once replaced.
  ListView_SetImageList(list, next.images.get(), LVSIL_NORMAL);
  sheet_ = std::move(next);
  loaded_ = typed;
  const int count = static_cast<int>(sheet_.imageOf.size());
  ListView_SetItemCount(list, count);
  for (int i = 0; i < count; ++i) {
    // Labelled with the position that the caller stores.
    std::string label = std::to_string(i);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = i;
    item.pszText = label.data();
    item.iImage = sheet_.imageOf[static_cast<std::size_t>(i)];
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  const bool selectable = selected >= 0 && selected < count;
  if (selectable) {
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, selected, state, state);
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  if (selectable) ListView_EnsureVisible(list, selected, FALSE);
  InvalidateRect(list, nullptr, TRUE);
  ShowMessage(MessageFor(sheet_.problem));
  UpdateOk();
}

void PickerDialog::LoadTyped() {
  const std::string typed = FieldText();
  // Coming back to the file the picker started with selects its icon again.
  Load(typed, typed == start_.file ? start_.index : 0);
}

void PickerDialog::Browse() {
  // Larger than the caller's buffer, so that a name too long for it can be told apart.
  char name[1024] = {};
  const std::string current = FieldText();
  if (current.size() < sizeof name) current.copy(name, current.size());
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd_;
  dialog.lpstrFilter = kFilter;
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_ENABLESIZING;
  if (!GetOpenFileNameA(&dialog)) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) ShowMessage(kChosenTooLong);
    return;
  }
  const std::string chosen = name;
  if (!FitsPathBuffer(chosen)) {
    ShowMessage(kChosenTooLong);
    return;
  }
  SetDlgItemTextA(hwnd_, IDC_PICK_FILE, chosen.c_str());
  Load(chosen, 0);
}

void PickerDialog::Choose(int item) {
  // No icon: OK is disabled then, but Enter and messages can still arrive; a double click
  // can hit the space between icons.
  if (item < 0 || item >= ListView_GetItemCount(GetDlgItem(hwnd_, IDC_PICK_LIST))) return;
  chosen_ = {loaded_, item};
  End(PICKICON_CHOSEN);
}

void PickerDialog::End(INT_PTR result) {
  // Ending moves the focus out of the file field: no file is loaded on the way out.
  ending_ = true;
  EndDialog(hwnd_, result);
}

void PickerDialog::UpdateOk() {
  const HWND ok = GetDlgItem(hwnd_, IDOK);
  const bool enable = Selected() >= 0;
  // A disabled button must not keep the focus, or the keyboard is lost.
  if (!enable && GetFocus() == ok) {
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd_, IDC_PICK_FILE)), TRUE);
  }
  EnableWindow(ok, enable);
}

int PickerDialog::Selected() const {
  return ListView_GetNextItem(GetDlgItem(hwnd_, IDC_PICK_LIST), -1, LVNI_SELECTED);
}

std::string PickerDialog::FieldText() const {
  const HWND field = GetDlgItem(hwnd_, IDC_PICK_FILE);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
  return text;
}

void PickerDialog::ShowMessage(const char* text) { SetDlgItemTextA(hwnd_, IDC_PICK_MESSAGE, text); }

}  // namespace gd::pickicon
