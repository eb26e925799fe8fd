// The Preview window: its toolbar and context menu, the categories and formats of the shown
// package, the icon view, and its place on the screen kept between runs.
#include "ui/preview_window_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "iconfmt/clipboard_win32.h"
#include "iconfmt/descriptions.h"
#include "iconfmt/icon_handle_win32.h"
#include "package/package_format.h"
#include "platform/program_identity.h"
#include "platform/shell.h"
#include "settings/settings_page_model.h"
#include "ui/package_info_dialog_win32.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

constexpr COLORREF kMaskColour = RGB(0, 255, 255);
constexpr int kButtonImage = 16;
// The toolbar's place in the window, in pixels.
constexpr RECT kToolbarPlace{2, 1, 117, 26};
// Without a remembered place the window opens this far from its owner's corner.
constexpr POINT kOffsetFromOwner{450, 250};
constexpr int kMaxViewCategories = IDM_PREVIEW_CATEGORY_LAST - IDM_PREVIEW_CATEGORY_FIRST + 1;
constexpr const char* kNotCopied = "The image of %s could not be copied to the clipboard.";
constexpr const char* kNotOpened = "%s could not be opened.";

}  // namespace

PreviewWindow::~PreviewWindow() {
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

bool PreviewWindow::Create(HINSTANCE instance, HWND owner, bool remembered) {
  remembered_ = remembered;
  return CreateModeless(instance, IDD_PREVIEW, owner,
                        LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_PREVIEW_KEYS)));
}

bool PreviewWindow::OnInitDialog() {
  MakeToolbar();
  RECT list{};
  GetWindowRect(Item(IDC_PREVIEW_ICONS), &list);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&list), 2);
  listTop_ = list.top;
  RECT window{};
  GetWindowRect(hwnd(), &window);
  minimum_ = {window.right - window.left, window.bottom - window.top};
  PlaceWindow();
  return true;
}

void PreviewWindow::MakeToolbar() {
  toolbar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                 CCS_NORESIZE | CCS_NOPARENTALIGN,
                             kToolbarPlace.left, kToolbarPlace.top, kToolbarPlace.right - kToolbarPlace.left,
                             kToolbarPlace.bottom - kToolbarPlace.top, hwnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PREVIEW_TOOLBAR)),
                             GetModuleHandleA(nullptr), nullptr);
  if (toolbar_ == nullptr) return;
  SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  buttons_.reset(ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PREVIEW_TOOLBAR),
                                      kButtonImage, 0, kMaskColour, IMAGE_BITMAP, LR_CREATEDIBSECTION));
  SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(buttons_.get()));
  const std::array<TBBUTTON, 6> buttons{{
      {0, IDC_PREVIEW_PREVIOUS, 0, BTNS_BUTTON, {}, 0, 0},  // greyed until a later category shows
      {1, IDC_PREVIEW_NEXT, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
      {0, 0, 0, BTNS_SEP, {}, 0, 0},
      {2, IDC_PREVIEW_COPY, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
      {0, 0, 0, BTNS_SEP, {}, 0, 0},
      {3, IDC_PREVIEW_INFO, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
  }};
  SendMessageA(toolbar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void PreviewWindow::PlaceWindow() {
  SettingsStore settings(registry_);
  const auto left = remembered_ ? settings.ReadCoordinate(TextSetting::PreviewLeft) : std::nullopt;
  if (!left) {
    RECT owner{};
    GetWindowRect(GetWindow(hwnd(), GW_OWNER), &owner);
    SetWindowPos(hwnd(), nullptr, owner.left + kOffsetFromOwner.x, owner.top + kOffsetFromOwner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // A stored size smaller than the window can be drawn at gives way to the smallest one.
  const int width = std::max<int>(settings.ReadCoordinate(TextSetting::PreviewWidth).value_or(0), minimum_.cx);
  const int height = std::max<int>(settings.ReadCoordinate(TextSetting::PreviewHeight).value_or(0), minimum_.cy);
  SetWindowPos(hwnd(), nullptr, *left, settings.ReadCoordinate(TextSetting::PreviewTop).value_or(0), width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void PreviewWindow::OnDestroy() {
  icons_.reset();
  if (!remembered_) return;
  RECT window{};
  GetWindowRect(hwnd(), &window);
  SettingsStore settings(registry_);
  settings.WriteCoordinate(TextSetting::PreviewLeft, window.left);
  settings.WriteCoordinate(TextSetting::PreviewTop, window.top);
  settings.WriteCoordinate(TextSetting::PreviewWidth, window.right - window.left);
  settings.WriteCoordinate(TextSetting::PreviewHeight, window.bottom - window.top);
}

void PreviewWindow::ShowPackage(const std::string& packageFile) {
  packageFile_ = packageFile;
  if (packageFile_.empty()) {
    categories_.clear();
    entries_.clear();
    SendMessageA(Item(IDC_PREVIEW_FORMATS), CB_RESETCONTENT, 0, 0);
    ListView_DeleteAllItems(Item(IDC_PREVIEW_ICONS));
    icons_.reset();
    SetWindowTextA(hwnd(), "Preview");
    UpdateButtons();
    return;
  }
  categories_ = PreviewCategories(ini_, packageFile_);
  ShowCategory(category_ < categories_.size() ? category_ : 0);
}

std::string PreviewWindow::SelectedFormat() const {
  const HWND formats = Item(IDC_PREVIEW_FORMATS);
  const auto selected = SendMessageA(formats, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(SendMessageA(formats, CB_GETLBTEXTLEN, selected, 0)), '\0');
  SendMessageA(formats, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
  return text;
}

void PreviewWindow::ShowCategory(std::size_t category) {
  category_ = category;
  if (const std::string shown = SelectedFormat(); !shown.empty()) shownFormat_ = shown;
  const HWND formats = Item(IDC_PREVIEW_FORMATS);
  SendMessageA(formats, CB_RESETCONTENT, 0, 0);
  SetWindowTextA(hwnd(), (PackageName(packageFile_) + " Preview (" + categories_[category] + ")").c_str());
  entries_ = PreviewEntries(ini_, packageFile_, categories_[category]);
  for (const std::string& format : PreviewFormats(entries_)) {
    SendMessageA(formats, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(format.c_str()));
  }
  // The list sorted itself: the choice is made among its entries as it shows them.
  std::vector<std::string> sorted;
  for (int i = 0; i < SendMessageA(formats, CB_GETCOUNT, 0, 0); ++i) {
    std::string text(static_cast<std::size_t>(SendMessageA(formats, CB_GETLBTEXTLEN, i, 0)), '\0');
    SendMessageA(formats, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    sorted.push_back(std::move(text));
  }
  EnableWindow(formats, sorted.empty() ? FALSE : TRUE);
  if (sorted.empty()) {
    ListView_DeleteAllItems(Item(IDC_PREVIEW_ICONS));
  } else {
    const ShellIconLook shell{registry_.ReadText(RegRoot::CurrentUser, kWindowMetricsKey, kShellIconSizeValue),
                              registry_.ReadText(RegRoot::CurrentUser, kWindowMetricsKey, kShellIconBitsValue)};
    SendMessageA(formats, CB_SETCURSEL, ChooseFormat(sorted, shownFormat_, shell), 0);
    ShowIcons();
  }
  UpdateButtons();
}

void PreviewWindow::ShowIcons() {
  const HWND list = Item(IDC_PREVIEW_ICONS);
  ListView_DeleteAllItems(list);
  ImageFormat format;
  if (!ParseFormatText(SelectedFormat(), format)) return;
  UniqueImageList images(ImageList_Create(format.width, format.height, ILC_COLOR32 | ILC_MASK,
                                          static_cast<int>(entries_.size()), 0));
  ImageList_SetBkColor(images.get(), GetSysColor(COLOR_WINDOW));
  ListView_SetImageList(list, images.get(), LVSIL_NORMAL);
  icons_ = std::move(images);
  // Each entry goes in front of the ones before it: the view shows the last one read first.
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const PreviewEntry& entry = entries_[i];
    const UniqueIcon icon = CreateIconForFormat(entry.file, entry.index, format.width, format.height, format.bitDepth);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.pszText = const_cast<char*>(entry.key.c_str());
    item.iImage = icon ? ImageList_AddIcon(icons_.get(), icon.get()) : I_IMAGENONE;
    item.lParam = static_cast<LPARAM>(i);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void PreviewWindow::StepCategory(int step) {
  const auto next = static_cast<std::ptrdiff_t>(category_) + step;
  if (next < 0 || next >= static_cast<std::ptrdiff_t>(categories_.size())) return;
  ShowCategory(static_cast<std::size_t>(next));
}

void PreviewWindow::UpdateButtons() {
  if (toolbar_ == nullptr) return;
  const bool package = !categories_.empty();
  SendMessageA(toolbar_, TB_ENABLEBUTTON, IDC_PREVIEW_PREVIOUS, package && category_ > 0);
  SendMessageA(toolbar_, TB_ENABLEBUTTON, IDC_PREVIEW_NEXT, package && category_ + 1 < categories_.size());
  SendMessageA(toolbar_, TB_ENABLEBUTTON, IDC_PREVIEW_COPY, package);
  SendMessageA(toolbar_, TB_ENABLEBUTTON, IDC_PREVIEW_INFO, package);
}

bool PreviewWindow::OnCommand(int id, int code, HWND) {
  if (id >= IDM_PREVIEW_CATEGORY_FIRST && id <= IDM_PREVIEW_CATEGORY_LAST) {
    const auto category = static_cast<std::size_t>(id - IDM_PREVIEW_CATEGORY_FIRST);
    if (category < categories_.size()) ShowCategory(category);
    return true;
  }
  switch (id) {
    case IDC_PREVIEW_PREVIOUS:
    case IDM_PREVIEW_PREVIOUS: StepCategory(-1); return true;
    case IDC_PREVIEW_NEXT:
    case IDM_PREVIEW_NEXT: StepCategory(1); return true;
    case IDC_PREVIEW_COPY:
    case IDM_PREVIEW_COPY: CopyImage(); return true;
    case IDM_PREVIEW_OPEN: OpenIcon(); return true;
    case IDC_PREVIEW_INFO:
    case IDM_PREVIEW_INFO:
    case IDM_PREVIEW_INFO_ITEM: ShowInfo(); return true;
    case IDC_PREVIEW_FORMATS:
      if (code == CBN_SELCHANGE) {
        shownFormat_ = SelectedFormat();
        ShowIcons();
      }
      return true;
    case IDCANCEL:  // the close box and Escape hide the window; the page's toggle follows
      ShowWindow(hwnd(), SW_HIDE);
      host_.PreviewClosed();
      return true;
    default: return false;
  }
}

bool PreviewWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
  switch (message) {
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE: Layout(LOWORD(lParam), HIWORD(lParam)); return true;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {minimum_.cx, minimum_.cy};
      return true;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != Item(IDC_PREVIEW_ICONS)) return false;
      ShowContextMenu(lParam);
      return true;
    default: return false;
  }
}

bool PreviewWindow::OnNotify(const NMHDR& header) {
  if (header.code == TTN_GETDISPINFOA) {
    auto& tip = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
    // The names of the neighbouring categories; none past either end.
    std::string& text = tooltip_;
    text.clear();
    if (header.idFrom == IDC_PREVIEW_PREVIOUS && category_ > 0 && category_ <= categories_.size()) {
      text = "View " + categories_[category_ - 1];
    } else if (header.idFrom == IDC_PREVIEW_NEXT && category_ + 1 < categories_.size()) {
      text = "View " + categories_[category_ + 1];
    } else if (header.idFrom == IDC_PREVIEW_COPY) {
      text = "Copy Image";
    } else if (header.idFrom == IDC_PREVIEW_INFO) {
      text = "Package Information";
    }
    tip.lpszText = text.data();
    return true;
  }
  if (header.idFrom == IDC_PREVIEW_ICONS && header.code == NM_DBLCLK) {
    OpenIcon();
    return true;
  }
  return false;
}

void PreviewWindow::Layout(int width, int height) {
  MoveWindow(Item(IDC_PREVIEW_ICONS), 0, listTop_, width, std::max(0, height - listTop_), TRUE);
  RECT grip{};
  GetWindowRect(Item(IDC_PREVIEW_GRIP), &grip);
  const int size = grip.right - grip.left;
  SetWindowPos(Item(IDC_PREVIEW_GRIP), HWND_TOP, width - size, height - size, 0, 0, SWP_NOSIZE);
}

const PreviewEntry* PreviewWindow::SelectedEntry() const {
  const HWND list = Item(IDC_PREVIEW_ICONS);
  const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (selected < 0) return nullptr;
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = selected;
  if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  const auto index = static_cast<std::size_t>(item.lParam);
  return index < entries_.size() ? &entries_[index] : nullptr;
}

void PreviewWindow::ShowContextMenu(LPARAM where) {
  const UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PREVIEW_MENU)));
  if (!menu) return;
  const HMENU popup = GetSubMenu(menu.get(), 0);
  SetMenuDefaultItem(popup, IDM_PREVIEW_OPEN, FALSE);
  const HMENU view = GetSubMenu(popup, 2);
  while (GetMenuItemCount(view) > 0) DeleteMenu(view, 0, MF_BYPOSITION);
  const int shown = static_cast<int>(std::min<std::size_t>(categories_.size(), kMaxViewCategories));
  for (int i = 0; i < shown; ++i) {
    AppendMenuA(view, MF_STRING, IDM_PREVIEW_CATEGORY_FIRST + i, categories_[static_cast<std::size_t>(i)].c_str());
    if (i == 0) AppendMenuA(view, MF_SEPARATOR, 0, nullptr);
  }
  if (category_ < static_cast<std::size_t>(shown)) {
    CheckMenuRadioItem(view, IDM_PREVIEW_CATEGORY_FIRST, IDM_PREVIEW_CATEGORY_LAST,
                       IDM_PREVIEW_CATEGORY_FIRST + static_cast<UINT>(category_), MF_BYCOMMAND);
  }
  const UINT selection = SelectedEntry() ? MF_ENABLED : MF_GRAYED;
  EnableMenuItem(popup, IDM_PREVIEW_OPEN, MF_BYCOMMAND | selection);
  EnableMenuItem(popup, IDM_PREVIEW_COPY, MF_BYCOMMAND | selection);
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  // From the keyboard the menu opens at the list's corner.
  if (where == -1) {
    at = {0, 0};
    ClientToScreen(Item(IDC_PREVIEW_ICONS), &at);
  }
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
}

void PreviewWindow::CopyImage() {
  const PreviewEntry* entry = SelectedEntry();
  ImageFormat format;
  if (entry == nullptr || !ParseFormatText(SelectedFormat(), format)) return;
  if (!CopyImageToClipboard(hwnd(), entry->file, entry->index, format.width, format.height, format.bitDepth)) {
    prompt_.Ask({WithText(kNotCopied, entry->key), kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
  }
}

void PreviewWindow::OpenIcon() {
  const PreviewEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (!ShellOpen(entry->file, "")) {
    prompt_.Ask({WithText(kNotOpened, entry->file), kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
  }
}

void PreviewWindow::ShowInfo() {
  if (packageFile_.empty()) return;
  PackageInfoDialog(ini_, registry_, packageFile_).Show(GetModuleHandleA(nullptr), hwnd());
}

}  // namespace gd
