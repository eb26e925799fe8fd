// The file type dialogs: the list of registered types with their icons, making up a new
// extension, dropping a file to pick its type, and adding the chosen type.
#include "ui/file_type_dialogs_win32.h"

#include <commctrl.h>

#include <array>
#include <vector>

#include "platform/program_identity.h"
#include "platform/text_case.h"
#include "platform/unique_handle.h"
#include "platform/wait_cursor_win32.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

constexpr int kExtensionColumnWidth = 75;  // wide enough for its own heading
constexpr int kTypeColumnWidth = 228;
constexpr int kMaxExtension = 19;
constexpr int kMaxDescription = 99;

std::string EditText(HWND edit) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The small icon of an icon reference, or none.
UniqueIcon SmallIcon(const std::string& file, int index) {
  HICON small = nullptr;
  if (ExtractIconExA(file.c_str(), index, nullptr, &small, 1) == 0) return UniqueIcon();
  return UniqueIcon(small);
}

}  // namespace

bool NewExtensionDialog::OnInitDialog() {
  SendDlgItemMessageA(hwnd(), IDC_EXTENSION_EDIT, EM_LIMITTEXT, kMaxExtension, 0);
  SendDlgItemMessageA(hwnd(), IDC_DESCRIPTION_EDIT, EM_LIMITTEXT, kMaxDescription, 0);
  return true;
}

bool NewExtensionDialog::OnCommand(int id, int, HWND) {
  if (id == IDCANCEL) {
    End(IDCANCEL);
    return true;
  }
  if (id != IDOK) return false;
  NewExtension made = MakeNewExtension(EditText(Item(IDC_EXTENSION_EDIT)), EditText(Item(IDC_DESCRIPTION_EDIT)));
  if (made.refusal) {
    prompt_.Ask({*made.refusal, kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
    return true;
  }
  made_ = std::move(made.row);
  End(IDOK);
  return true;
}

bool AddFileFormatDialog::OnInitDialog() {
  const WaitCursor wait;
  const HWND list = Item(IDC_FORMAT_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  const std::pair<const char*, int> columns[] = {{"Extension", kExtensionColumnWidth}, {"File Type", kTypeColumnWidth}};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(columns[i].first);
    column.cx = columns[i].second;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  const PathContext& paths = catalogue_.inputs().paths;
  icons_.reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 64, 64));
  // Image 0, the generic document, for types without an icon of their own.
  const UniqueIcon generic = SmallIcon(paths.systemDir + "\\shell32.dll", 0);
  ImageList_AddIcon(icons_.get(), generic.get());
  ListView_SetImageList(list, icons_.get(), LVSIL_SMALL);
  for (const FileTypeRow& row : ListFileTypes(catalogue_.system().registry, paths.windowsDir)) InsertRow(row);
  SelectRow(0);
  return true;
}

int AddFileFormatDialog::InsertRow(const FileTypeRow& row) {
  int image = 0;
  if (row.iconFile) {
    if (const UniqueIcon icon = SmallIcon(*row.iconFile, row.iconIndex)) image = ImageList_AddIcon(icons_.get(), icon.get());
  }
  const HWND list = Item(IDC_FORMAT_LIST);
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = ListView_GetItemCount(list);
  item.pszText = const_cast<char*>(row.extension.c_str());
  item.iImage = image < 0 ? 0 : image;
  const int at = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  LVITEMA type{};
  type.iSubItem = 1;
  type.pszText = const_cast<char*>(row.typeName.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&type));
  return at;
}

std::string AddFileFormatDialog::RowExtension(int row) const {
  std::array<char, 64> text{};
  ListView_GetItemText(Item(IDC_FORMAT_LIST), row, 0, text.data(), static_cast<int>(text.size()));
  return text.data();
}

int AddFileFormatDialog::FindRow(const std::string& extension) const {
  for (int i = 0; i < ListView_GetItemCount(Item(IDC_FORMAT_LIST)); ++i) {
    if (EqualsIgnoreCase(RowExtension(i), extension)) return i;
  }
  return -1;
}

void AddFileFormatDialog::SelectRow(int row) {
  const HWND list = Item(IDC_FORMAT_LIST);
  if (row < 0 || row >= ListView_GetItemCount(list)) return;
  ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, row, FALSE);
}

void AddFileFormatDialog::Tell(const std::string& text, PromptIcon icon) {
  prompt_.Ask({text, kAppTitle, icon, PromptButtons::Ok});
}

void AddFileFormatDialog::NewExtension() {
  NewExtensionDialog dialog(prompt_);
  if (dialog.RunModal(GetModuleHandleA(nullptr), IDD_NEW_EXTENSION, hwnd()) != IDOK || !dialog.made()) return;
  const FileTypeRow& row = *dialog.made();
  // Nothing is written yet: the row waits for Add like any other.
  if (const int existing = FindRow(row.extension); existing >= 0) {
    Tell("Extension " + RowExtension(existing) +
             " is already associated with an existing extension. Please try a different extension.",
         PromptIcon::Exclamation);
    return;
  }
  SelectRow(InsertRow(row));
}

void AddFileFormatDialog::Add() {
  const int selected = ListView_GetNextItem(Item(IDC_FORMAT_LIST), -1, LVNI_SELECTED);
  if (selected < 0) {
    End(IDCANCEL);
    return;
  }
  switch (AddFileType(RowExtension(selected), catalogue_)) {
    case AddRefusal::None: End(IDOK); return;
    case AddRefusal::Protected: Tell(kProtectedType, PromptIcon::Exclamation); return;
    case AddRefusal::AlreadyListed: Tell(kTypeListed, PromptIcon::None); return;
  }
}

void AddFileFormatDialog::AcceptDrop(HDROP drop) {
  const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  std::vector<char> buffer(length + 1, '\0');
  DragQueryFileA(drop, 0, buffer.data(), length + 1);
  DragFinish(drop);
  const auto row = DroppedFileType(buffer.data());
  if (!row) return;
  int at = FindRow(row->extension);
  if (at < 0) at = InsertRow(*row);
  SetFocus(Item(IDC_FORMAT_LIST));
  SelectRow(at);
}

bool AddFileFormatDialog::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDC_NEW_EXTENSION: NewExtension(); return true;
    case IDOK: Add(); return true;
    case IDCANCEL: End(IDCANCEL); return true;
    default: return false;
  }
}

bool AddFileFormatDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
  if (message == WM_DROPFILES) {
    AcceptDrop(reinterpret_cast<HDROP>(wParam));
    return true;
  }
  if (message != WM_NOTIFY) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  if (header.idFrom != IDC_FORMAT_LIST || header.code != NM_DBLCLK) return false;
  Add();
  return true;
}

}  // namespace gd
