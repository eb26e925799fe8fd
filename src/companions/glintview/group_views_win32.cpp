// Filling and reading the grid and the image report.
#include "glintview/group_views_win32.h"

#include <commctrl.h>

#include <array>

#include "iconfmt/icon_handle_win32.h"

namespace gd::glintview {
namespace {

// The picture of a group in the grid, from its image nearest the grid's size; the image list
// scales it to its own size when it takes it.
UniqueIcon GridIcon(const IconGroup& group, int size) {
  const auto chosen = GridImage(group, size);
  return chosen ? CreateIconFromImage(group.images[*chosen]) : UniqueIcon();
}

// Keeps a list from painting while it is filled, and paints it once afterwards.
class FillScope {
 public:
  explicit FillScope(HWND list) : list_(list) { SendMessageA(list_, WM_SETREDRAW, FALSE, 0); }
  ~FillScope() {
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }
  FillScope(const FillScope&) = delete;
  FillScope& operator=(const FillScope&) = delete;

 private:
  HWND list_;
};

}  // namespace

UniqueImageList FillGroupGrid(HWND grid, const BrowsedFile& file) {
  const FillScope scope(grid);
  ListView_DeleteAllItems(grid);
  const int size = GetSystemMetrics(SM_CXICON);
  const auto count = static_cast<int>(file.icons.groups.size());
  UniqueImageList pictures(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, count, 16));
  ImageList_SetBkColor(pictures.get(), CLR_NONE);
  ListView_SetImageList(grid, pictures.get(), LVSIL_NORMAL);
  ListView_SetItemCount(grid, count);
  for (int g = 0; g < count; ++g) {
    const auto group = static_cast<std::size_t>(g);
    const UniqueIcon icon = GridIcon(file.icons.groups[group], size);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = g;
    item.pszText = const_cast<char*>(file.labels[group].c_str());
    item.iImage = icon ? ImageList_AddIcon(pictures.get(), icon.get()) : I_IMAGENONE;
    SendMessageA(grid, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  return pictures;
}

void AddImageColumns(HWND report) {
  ListView_SetExtendedListViewStyle(report, LVS_EX_FULLROWSELECT);
  // Widths in dialog units, so that they follow the dialog's font.
  const std::array<std::pair<const char*, int>, 3> columns{{{"No.", 20}, {"Size and colours", 96}, {"Stored as", 104}}};
  const HWND dialog = GetParent(report);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    RECT units{0, 0, columns[c].second, 0};
    MapDialogRect(dialog, &units);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(columns[c].first);
    column.cx = units.right;
    column.iSubItem = static_cast<int>(c);
    SendMessageA(report, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
  }
}

void FillImageReport(HWND report, const std::vector<ImageRow>& rows) {
  const FillScope scope(report);
  ListView_DeleteAllItems(report);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(r);
    item.pszText = const_cast<char*>(rows[r].number.c_str());
    const auto at = SendMessageA(report, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (at < 0) continue;
    for (const auto& [column, text] : {std::pair{1, &rows[r].format}, {2, &rows[r].stored}}) {
      LVITEMA cell{};
      cell.iSubItem = column;
      cell.pszText = const_cast<char*>(text->c_str());
      SendMessageA(report, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&cell));
    }
  }
}

std::vector<std::size_t> SelectedItems(HWND list) {
  std::vector<std::size_t> items;
  for (int i = ListView_GetNextItem(list, -1, LVNI_SELECTED); i >= 0; i = ListView_GetNextItem(list, i, LVNI_SELECTED)) {
    items.push_back(static_cast<std::size_t>(i));
  }
  return items;
}

std::optional<std::size_t> CurrentItem(HWND list) {
  const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED | LVNI_SELECTED);
  if (focused >= 0) return static_cast<std::size_t>(focused);
  const int first = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (first >= 0) return static_cast<std::size_t>(first);
  return std::nullopt;
}

void SelectOnly(HWND list, std::size_t item) {
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  const auto at = static_cast<int>(item);
  ListView_SetItemState(list, at, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, at, FALSE);
}

}  // namespace gd::glintview
