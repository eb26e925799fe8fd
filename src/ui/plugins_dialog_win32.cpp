// The Plugins dialog: a check-box list view over the plugin manager's lines.
#include "ui/plugins_dialog_win32.h"

#include <commctrl.h>

#include "platform/path_text.h"
#include "platform/program_identity.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

constexpr int kColumnWidth = 200;
constexpr const char* kNotAPlugin =
    "'%s' is not a Glimmerdeck plugin: it names no place for its icon or no shell object.\n\n"
    "Nothing was installed.";
constexpr const char* kNotCopied =
    "The plugin could not be copied into %s.\n\nCheck that the folder exists and that you may "
    "write to it; nothing was installed.";

class SystemCopier final : public PluginFileCopier {
 public:
  bool CopyReplacing(const std::string& from, const std::string& to) override {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
  }
};

}  // namespace

bool PluginsDialog::OnInitDialog() {
  const HWND list = Item(IDC_PLUGIN_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  column.cx = kColumnWidth;
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  icons_.reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0));
  if (const HICON icon = static_cast<HICON>(
          LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 16, 16, 0))) {
    ImageList_AddIcon(icons_.get(), icon);
    DestroyIcon(icon);
  }
  ListView_SetImageList(list, icons_.get(), LVSIL_SMALL);
  items_ = manager_.ListPlugins();
  FillList();
  if (!items_.empty()) Select(0);
  return true;
}

void PluginsDialog::FillList() {
  const HWND list = Item(IDC_PLUGIN_LIST);
  ListView_DeleteAllItems(list);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(i);
    item.pszText = items_[i].title.data();
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    ListView_SetCheckState(list, static_cast<int>(i), items_[i].enabled);
  }
}

void PluginsDialog::Select(int line) {
  const HWND list = Item(IDC_PLUGIN_LIST);
  ListView_SetItemState(list, line, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, line, FALSE);
  ShowDescription(line);
}

void PluginsDialog::ShowDescription(int line) {
  const bool known = line >= 0 && static_cast<std::size_t>(line) < items_.size();
  const std::string text = known ? manager_.Description(items_[static_cast<std::size_t>(line)].title) : "";
  SetDlgItemTextA(hwnd(), IDC_PLUGIN_DESCRIPTION, text.c_str());
}

bool PluginsDialog::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDC_PLUGIN_BROWSE: Browse(); return true;
    case IDOK: SaveAndClose(); return true;
    case IDCANCEL: End(IDCANCEL); return true;
    default: return false;
  }
}

bool PluginsDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR&) {
  if (message != WM_NOTIFY) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  if (header.idFrom != IDC_PLUGIN_LIST) return false;
  if (header.code == NM_CLICK) {
    // A click beside every line clears the description.
    ShowDescription(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem);
    return true;
  }
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
    if ((change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0) {
      ShowDescription(change.iItem);
    }
    return true;
  }
  return false;
}

void PluginsDialog::Browse() {
  const auto chosen = choosers_.InstallPlugin(pluginFolder_);
  if (!chosen) return;
  // The ticks the user set so far stay as they are.
  ReadTicks();
  SystemCopier copier;
  const InstalledPlugin installed = manager_.Install(items_, *chosen, copier);
  switch (installed.result) {
    case PluginInstall::Installed:
      FillList();
      Select(installed.line);
      return;
    case PluginInstall::NotAPlugin:
      prompt_.Ask({WithText(kNotAPlugin, FileName(*chosen)), kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
      return;
    case PluginInstall::NotCopied:
      prompt_.Ask({WithText(kNotCopied, pluginFolder_), kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
      return;
  }
}

void PluginsDialog::ReadTicks() {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i].enabled = ListView_GetCheckState(Item(IDC_PLUGIN_LIST), static_cast<int>(i)) != FALSE;
  }
}

void PluginsDialog::SaveAndClose() {
  ReadTicks();
  manager_.SaveChoices(items_);
  End(IDOK);
}

}  // namespace gd
