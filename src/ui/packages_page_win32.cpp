// The Packages page's list, commands, menus and drops.
#include "ui/packages_page_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <vector>

#include "package/package_format.h"
#include "platform/ini.h"
#include "platform/path_text.h"
#include "platform/program_identity.h"
#include "platform/shell.h"
#include "platform/unique_handle.h"
#include "ui/package_info_dialog_win32.h"
#include "ui/offscreen_item_win32.h"
#include "ui/resource_ids.h"
#include "ui/web_links.h"

namespace gd {
namespace {

constexpr int kEntryHeight = 50;
constexpr std::array<int, kIncludeCount> kIncludeBoxes{
    IDC_INCLUDE_DESKTOP, IDC_INCLUDE_START, IDC_INCLUDE_FOLDERS, IDC_INCLUDE_DRIVES,
    IDC_INCLUDE_OTHERS,  IDC_INCLUDE_FILES, IDC_INCLUDE_CURSORS};
constexpr std::array<const char*, 3> kSortNames{"Sort by name", "Sort by icon count",
                                                "Sort by author"};

// The sample icons an entry shows: the first four of these its package names.
constexpr std::array<std::pair<const char*, const char*>, 6> kSamples{{
    {"Desktop Icons", "My Computer"},
    {"Desktop Icons", "Recycle Bin (full)"},
    {"Folder Icons", "Open Folder"},
    {"Drive Icons", "Hard Drive"},
    {"Other Icons", "Computer"},
    {"File Icons", "MS-DOS Application"},
}};
constexpr std::size_t kMaxSamples = 4;
constexpr int kSamplesLeft = 200;
constexpr int kSampleStep = 35;
constexpr int kSamplesRightMargin = 8;

constexpr const char* kSelectPackageMessage = "You must select a valid icon package.";
constexpr const char* kZippedMessage = "The icon package was zipped into:\n\n%s";
constexpr const char* kZipFailedMessage =
    "The icon package could not be zipped into:\n\n%s\n\nCheck that the folder exists and is "
    "not read-only, and that the zip library is installed.";

void ShowWaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

UniqueGdiObject EntryFont(bool bold) {
  return UniqueGdiObject(CreateFontA(13, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                     ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     PROOF_QUALITY, DEFAULT_PITCH, "Tahoma"));
}

// The archive name the user chose, kept for the message afterwards.
class RememberingChooser final : public ArchiveNameChooser {
 public:
  explicit RememberingChooser(ArchiveNameChooser& inner) : inner_(inner) {}
  std::optional<std::string> ChooseArchiveName(const std::string& startFolder,
                                               const std::string& proposedName) override {
    chosen = inner_.ChooseArchiveName(startFolder, proposedName);
    return chosen;
  }
  std::optional<std::string> chosen;

 private:
  ArchiveNameChooser& inner_;
};

}  // namespace

PackagesPage::PackagesPage(LibraryServices services, SettingsStore& settings)
    : services_(services),
      settings_(settings),
      preview_(*this, services.library.ini, services.library.registry, services.library.prompt) {}

bool PackagesPage::Create(HINSTANCE instance, HWND mainWindow, bool remembered) {
  remembered_ = remembered;
  return CreatePage(instance, IDD_PACKAGES_PAGE, mainWindow);
}

bool PackagesPage::OnInitDialog() {
  SendMessageA(Item(IDC_LIBRARY_LIST), LB_SETITEMHEIGHT, 0, kEntryHeight);
  for (const char* name : kSortNames) {
    SendMessageA(Item(IDC_SORT_LIST), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  const PackageSort sort = remembered_ ? settings_.Sort() : PackageSort::ByName;
  const IncludeFlags include = remembered_ ? settings_.IncludeSwitches() : kDefaultIncludeFlags;
  SendMessageA(Item(IDC_SORT_LIST), CB_SETCURSEL, static_cast<WPARAM>(sort), 0);
  for (std::size_t i = 0; i < kIncludeBoxes.size(); ++i) {
    CheckDlgButton(hwnd(), kIncludeBoxes[i], include[i] ? BST_CHECKED : BST_UNCHECKED);
  }
  if (remembered_) SendIncludeStates();
  Rescan();
  return true;
}

void PackagesPage::SendIncludeStates() {
  for (std::size_t i = 0; i < kIncludeBoxes.size(); ++i) {
    const bool checked = IsDlgButtonChecked(hwnd(), kIncludeBoxes[i]) == BST_CHECKED;
    SendMessageA(GetParent(hwnd()), WM_COMMAND, IDM_INCLUDE_FIRST + static_cast<int>(i),
                 checked ? 1 : 0);
  }
}

void PackagesPage::StoreSettings() {
  const auto sort = SendMessageA(Item(IDC_SORT_LIST), CB_GETCURSEL, 0, 0);
  settings_.SetSort(sort == CB_ERR ? PackageSort::ByName : static_cast<PackageSort>(sort));
  IncludeFlags include{};
  for (std::size_t i = 0; i < kIncludeBoxes.size(); ++i) {
    include[i] = IsDlgButtonChecked(hwnd(), kIncludeBoxes[i]) == BST_CHECKED;
  }
  settings_.SetIncludeSwitches(include);
}

void PackagesPage::Rescan() {
  ShowWaitCursor();
  const auto sort = SendMessageA(Item(IDC_SORT_LIST), CB_GETCURSEL, 0, 0);
  list_ = ScanLibrary(services_.library,
                      sort == CB_ERR ? PackageSort::ByName : static_cast<PackageSort>(sort),
                      services_.host.LoadedPackage());
  FillList();
  SendMessageA(Item(IDC_LIBRARY_LIST), LB_SETTOPINDEX, list_.selected, 0);
}

void PackagesPage::FillList() {
  const HWND box = Item(IDC_LIBRARY_LIST);
  SendMessageA(box, WM_SETREDRAW, FALSE, 0);
  SendMessageA(box, LB_RESETCONTENT, 0, 0);
  for (const std::string& entry : list_.entries) {
    const std::string name = entry == kWindowsDefaultIcons ? entry : FileTitle(entry);
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SendMessageA(box, LB_SETCURSEL, list_.selected, 0);
  SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box, nullptr, TRUE);
  SelectionUpdate();
}

std::optional<std::size_t> PackagesPage::SelectedEntry() const {
  const auto index = SendMessageA(Item(IDC_LIBRARY_LIST), LB_GETCURSEL, 0, 0);
  if (index == LB_ERR || static_cast<std::size_t>(index) >= list_.entries.size()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(index);
}

bool PackagesPage::PackageSelected() const {
  const auto entry = SelectedEntry();
  return entry && *entry != 0;
}

void PackagesPage::SelectionUpdate() {
  const auto entry = SelectedEntry();
  if (entry) list_.selected = *entry;
  const std::string name =
      !entry ? "" : *entry == 0 ? std::string(kWindowsDefaultIcons) : FileTitle(list_.entries[*entry]);
  SetDlgItemTextA(hwnd(), IDC_SELECTED_PACKAGE, ("Selected Package: " + name).c_str());
  const BOOL package = PackageSelected() ? TRUE : FALSE;
  EnableWindow(Item(IDC_DELETE), package);
  EnableWindow(Item(IDC_INFO), package);
  EnableWindow(Item(IDC_PREVIEW), package);
  EnableWindow(Item(IDC_LOAD), entry ? TRUE : FALSE);
  if (!PreviewShown()) return;
  if (package) {
    preview_.ShowPackage(list_.entries[*entry]);
  } else {
    // The Windows defaults are no package to preview.
    ShowWindow(preview_.hwnd(), SW_HIDE);
    PreviewClosed();
  }
}

bool PackagesPage::PreviewShown() const {
  return preview_.hwnd() != nullptr && IsWindowVisible(preview_.hwnd());
}

void PackagesPage::TogglePreview() {
  const bool wanted = IsDlgButtonChecked(hwnd(), IDC_PREVIEW) == BST_CHECKED;
  if (wanted && preview_.hwnd() == nullptr &&
      !preview_.Create(GetModuleHandleA(nullptr), GetParent(hwnd()), remembered_)) {
    CheckDlgButton(hwnd(), IDC_PREVIEW, BST_UNCHECKED);
    return;
  }
  if (wanted && PackageSelected()) preview_.ShowPackage(list_.entries[*SelectedEntry()]);
  if (preview_.hwnd()) ShowWindow(preview_.hwnd(), wanted && PackageSelected() ? SW_SHOWNOACTIVATE : SW_HIDE);
  if (!PackageSelected()) CheckDlgButton(hwnd(), IDC_PREVIEW, BST_UNCHECKED);
}

void PackagesPage::PreviewClosed() { CheckDlgButton(hwnd(), IDC_PREVIEW, BST_UNCHECKED); }

bool PackagesPage::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_LIBRARY_LIST:
      if (code == LBN_SELCHANGE) SelectionUpdate();
      if (code == LBN_DBLCLK) Load();
      return true;
    case IDC_SORT_LIST:
      if (code == CBN_SELCHANGE) Rescan();
      return true;
    case IDC_LOAD: Load(); return true;
    case IDC_DELETE: Delete(); return true;
    case IDC_INFO: ShowInfo(); return true;
    case IDC_INSTALL: ShowInstallMenu(); return true;
    case IDC_PREVIEW: TogglePreview(); return true;
    default: break;
  }
  for (const int box : kIncludeBoxes) {
    if (id == box) {
      SendIncludeStates();
      return true;
    }
  }
  return RunCommand(id);
}

bool PackagesPage::RunCommand(int id) {
  switch (id) {
    case IDM_PAGE_LOAD: Load(); return true;
    case IDM_PAGE_PREVIEW:
      if (!PackageSelected()) return true;
      CheckDlgButton(hwnd(), IDC_PREVIEW, BST_CHECKED);
      TogglePreview();
      return true;
    case IDM_PAGE_INFO:
      if (PackageSelected()) ShowInfo();
      return true;
    case IDM_PAGE_PACKAGE_THEME: PackageTheme(); return true;
    case IDM_PAGE_DELETE:
      if (PackageSelected()) Delete();
      return true;
    case IDM_INSTALL_FROM_DISK: InstallFromDisk(); return true;
    case IDM_INSTALL_FROM_WEB: ShellOpen(kDownloadAddress, ""); return true;
    case IDM_PAGE_REFRESH: Rescan(); return true;
    default: return false;
  }
}

void PackagesPage::Load() {
  const auto entry = SelectedEntry();
  if (!entry) return;
  ShowWaitCursor();
  if (*entry == 0) {
    services_.host.LoadWindowsDefaults();
    return;
  }
  if (remembered_ && settings_.IsOn(Flag::ShowPreview)) {
    CheckDlgButton(hwnd(), IDC_PREVIEW, BST_CHECKED);
    TogglePreview();
  }
  // A package that vanished since the scan is told by the load; the list then shows the
  // library as it is now.
  if (!services_.host.LoadPackageFile(list_.entries[*entry])) Rescan();
}

void PackagesPage::Delete() {
  const auto entry = SelectedEntry();
  if (!entry || *entry == 0) return;
  LibrarySystem& library = services_.library;
  if (!CanDelete(library, list_.entries[*entry], services_.host.LoadedPackage())) return;
  // The preview lets go of the package's files before they go.
  if (PreviewShown()) preview_.ShowPackage("");
  if (DeletePackage(library, list_, *entry) == DeleteOutcome::Deleted) {
    FillList();
  } else {
    SelectionUpdate();
  }
}

void PackagesPage::InstallFromDisk() {
  const auto archive = services_.choosers.InstallArchive(services_.library.themesDir);
  if (!archive) return;
  ShowWaitCursor();
  if (InstallFromFile(services_.library, list_, services_.installer, *archive)) {
    FillList();
    SendMessageA(Item(IDC_LIBRARY_LIST), LB_SETTOPINDEX, list_.selected, 0);
  }
}

void PackagesPage::PackageTheme() {
  if (!PackageSelected()) {
    services_.library.prompt.Ask(
        {kSelectPackageMessage, kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
    return;
  }
  RememberingChooser chooser(services_.choosers);
  const bool zipped = SaveZippedPackage(list_.entries[list_.selected], services_.library.themesDir,
                                        chooser, services_.zipTool, services_.library.files,
                                        services_.library.ini);
  if (!chooser.chosen) return;  // cancelled
  services_.library.prompt.Ask({WithText(zipped ? kZippedMessage : kZipFailedMessage, *chooser.chosen),
                                kAppTitle,
                                zipped ? PromptIcon::Information : PromptIcon::Exclamation,
                                PromptButtons::Ok});
}

void PackagesPage::ShowInfo() {
  if (!PackageSelected()) return;
  LibrarySystem& library = services_.library;
  PackageInfoDialog dialog(library.ini, library.registry, list_.entries[list_.selected]);
  if (dialog.Show(GetModuleHandleA(nullptr), GetParent(hwnd()))) {
    InvalidateRect(Item(IDC_LIBRARY_LIST), nullptr, TRUE);
  }
}

void PackagesPage::ShowInstallMenu() {
  UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PACKAGE_MENU)));
  if (!menu) return;
  const HMENU page = GetSubMenu(menu.get(), 0);
  // The install popup is the one item of the page menu that opens a submenu.
  HMENU install = nullptr;
  for (int i = 0; i < GetMenuItemCount(page) && install == nullptr; ++i) {
    install = GetSubMenu(page, i);
  }
  RECT button{};
  GetWindowRect(Item(IDC_INSTALL), &button);
  TrackPopupMenu(install, TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, 0, hwnd(),
                 nullptr);
}

void PackagesPage::ShowContextMenu(LPARAM where) {
  const HWND box = Item(IDC_LIBRARY_LIST);
  POINT screen{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  std::optional<std::size_t> entry;
  if (where == -1) {
    // From the keyboard: the selected entry, with the menu at its corner.
    entry = SelectedEntry();
    RECT rect{};
    if (entry) SendMessageA(box, LB_GETITEMRECT, *entry, reinterpret_cast<LPARAM>(&rect));
    screen = {rect.left + 16, rect.top + 16};
    ClientToScreen(box, &screen);
  } else {
    POINT client = screen;
    ScreenToClient(box, &client);
    const auto hit = SendMessageA(box, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(hit) == 0 && LOWORD(hit) < list_.entries.size()) {
      entry = LOWORD(hit);
      SendMessageA(box, LB_SETCURSEL, *entry, 0);
      SelectionUpdate();
    }
  }
  UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PACKAGE_MENU)));
  if (!menu) return;
  const HMENU page = GetSubMenu(menu.get(), 0);
  SetMenuDefaultItem(page, IDM_PAGE_LOAD, FALSE);
  const UINT packageState = entry && *entry != 0 ? MF_ENABLED : MF_GRAYED;
  EnableMenuItem(page, IDM_PAGE_LOAD, MF_BYCOMMAND | (entry ? MF_ENABLED : MF_GRAYED));
  for (const int id : {IDM_PAGE_PREVIEW, IDM_PAGE_INFO, IDM_PAGE_PACKAGE_THEME, IDM_PAGE_DELETE}) {
    EnableMenuItem(page, static_cast<UINT>(id), MF_BYCOMMAND | packageState);
  }
  TrackPopupMenu(page, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd(), nullptr);
}

void PackagesPage::AcceptDrop(HDROP drop) {
  // The length first: a path longer than the system's buffers is refused, not cut short.
  const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  std::vector<char> buffer(length + 1, '\0');
  if (length > 0) DragQueryFileA(drop, 0, buffer.data(), length + 1);
  DragFinish(drop);
  const std::string path(buffer.data());
  if (path.empty()) return;
  AcceptDroppedFile(services_.library, list_, path, [this](const std::string& file) {
    return services_.host.LoadPackageFile(file);
  });
  FillList();
}

bool PackagesPage::OnMeasureItem(int id, MEASUREITEMSTRUCT& item) {
  if (id != IDC_LIBRARY_LIST) return false;
  item.itemHeight = kEntryHeight;
  return true;
}

bool PackagesPage::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_LIBRARY_LIST || item.itemID >= list_.entries.size()) return false;
  DrawEntry(item);
  return true;
}

bool PackagesPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
  switch (message) {
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != Item(IDC_LIBRARY_LIST)) return false;
      ShowContextMenu(lParam);
      return true;
    case WM_DROPFILES: AcceptDrop(reinterpret_cast<HDROP>(wParam)); return true;
    default: return false;
  }
}

void PackagesPage::DrawEntry(const DRAWITEMSTRUCT& item) {
  const OffscreenItem canvas(item);
  if (!canvas.ok()) return;
  const int width = canvas.width();
  const int height = canvas.height();
  const HDC dc = canvas.dc();
  RECT all{0, 0, width, height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
  if (item.itemState & ODS_SELECTED) {
    UniqueGdiObject fill(CreateSolidBrush(RGB(230, 230, 230)));
    UniqueGdiObject outline(CreatePen(PS_SOLID, 1, RGB(200, 200, 200)));
    const HGDIOBJ oldBrush = SelectObject(dc, fill.get());
    const HGDIOBJ oldPen = SelectObject(dc, outline.get());
    RoundRect(dc, 3, 2, width - 3, height, 5, 5);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
  }

  const std::string& entry = list_.entries[item.itemID];
  const bool defaults = item.itemID == 0;
  // The samples stand at the right end of a wide entry, so a long author name never runs
  // under them; the texts end before them.
  const int samplesLeft =
      std::max(kSamplesLeft, width - kSamplesRightMargin - kSampleStep * static_cast<int>(kMaxSamples));
  const int textRight = defaults ? width - 4 : samplesLeft - 6;
  const std::string name = defaults ? entry : FileTitle(entry);
  std::string author = "--";
  if (!defaults) author = SortKey(services_.library, PackageSort::ByAuthor, entry);
  SetBkMode(dc, TRANSPARENT);
  UniqueGdiObject bold = EntryFont(true);
  UniqueGdiObject normal = EntryFont(false);
  const HGDIOBJ oldFont = SelectObject(dc, bold.get());
  SetTextColor(dc, RGB(0, 0, 0));
  RECT title{15, 10, textRight, height};
  DrawTextA(dc, name.c_str(), -1, &title,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, normal.get());
  SetTextColor(dc, RGB(100, 100, 100));
  const std::string byline = "Author : " + author;
  RECT second{15, 30, textRight, height};
  DrawTextA(dc, byline.c_str(), -1, &second,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);

  if (!defaults) {
    const std::string folder = FolderOf(entry);
    const PathContext noVariables;
    std::size_t drawn = 0;
    for (const auto& [section, key] : kSamples) {
      if (drawn == kMaxSamples) break;
      std::string value;
      if (!ReadIniValue(services_.library.ini, section, key, value, entry)) continue;
      // The value begins with the package folder's variable, which the folder replaces.
      std::string file = folder + (value.size() > kThemeDirVariable.size()
                                       ? value.substr(kThemeDirVariable.size())
                                       : std::string());
      const int index = ParseIconRef(file, "", noVariables);
      UniqueIcon icon(ExtractIconA(GetModuleHandleA(nullptr), file.c_str(),
                                   static_cast<UINT>(index)));
      if (!icon || icon.get() == reinterpret_cast<HICON>(1)) {
        icon.release();
        continue;
      }
      DrawIcon(dc, samplesLeft + kSampleStep * static_cast<int>(drawn), 10, icon.get());
      ++drawn;
    }
  }
}

}  // namespace gd
