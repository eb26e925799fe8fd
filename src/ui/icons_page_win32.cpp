// The Icons & Cursors page: tabs and lists over the slot catalogue, slot drawing with cached
// icons, the status line, changes by picker, file dialog or drop, restoring, the item and
// restore menus, the drive mode and the animated-cursor preview.
#include "ui/icons_page_win32.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "catalogue/drive_builder.h"
#include "iconfmt/ani_reader.h"
#include "iconfmt/icon_handle_win32.h"
#include "platform/ini.h"
#include "platform/path_text.h"
#include "platform/program_identity.h"
#include "platform/shell.h"
#include "platform/text_case.h"
#include "platform/wait_cursor_win32.h"
#include "ui/offscreen_item_win32.h"
#include "settings/settings_store.h"
#include "ui/file_type_dialogs_win32.h"
#include "ui/resource_ids.h"
#include "ui/slot_page_texts.h"

namespace gd {
namespace {

constexpr std::array<int, kCategoryCount> kListIds{IDC_LIST_DESKTOP, IDC_LIST_START,   IDC_LIST_FOLDERS,
                                                   IDC_LIST_DRIVES,  IDC_LIST_OTHERS,  IDC_LIST_FILES,
                                                   IDC_LIST_CURSORS, IDC_LIST_QUICK_LAUNCH};
constexpr int kItemHeight = 50;
constexpr int kMarkSize = 16;
constexpr POINT kIconPlace{20, 9};
constexpr int kTextLeft = 60;
constexpr int kTextRightMargin = 10;
constexpr COLORREF kMaskColour = RGB(0, 255, 255);
constexpr UINT_PTR kPreviewTimer = 1;
// Animated cursors give their rates in 1/60 s; the timer counts milliseconds.
constexpr UINT kMillisecondsPerRateUnit = 16;
constexpr const char* kNoBrowser = "The icon browser %s could not be started.";
constexpr const char* kNoProperties = "The properties of %s could not be shown.";
constexpr const char* kFileIconsIni = "file icons.ini";

UniqueGdiObject SlotFont(int weight) {
  return UniqueGdiObject(CreateFontA(-13, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma"));
}

UniqueIcon LoadMark(int id) {
  return UniqueIcon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, kMarkSize, kMarkSize, 0)));
}

}  // namespace

bool IconsPage::Create(HINSTANCE instance, HWND mainWindow, bool quickLaunchTab) {
  quickLaunchTab_ = quickLaunchTab;
  return CreatePage(instance, IDD_ICONS_PAGE, mainWindow);
}

bool IconsPage::OnInitDialog() {
  const HWND tabs = Item(IDC_CATEGORY_TABS);
  tabImages_.reset(ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ICON_TABS), kMarkSize, 0,
                                        kMaskColour, IMAGE_BITMAP, LR_CREATEDIBSECTION));
  TabCtrl_SetImageList(tabs, tabImages_.get());
  const int tabCount = quickLaunchTab_ && services_.catalogue.inputs().newShell ? kCategoryCount : kCategoryCount - 1;
  for (int i = 0; i < tabCount; ++i) {
    TCITEMA tab{};
    tab.mask = TCIF_TEXT | TCIF_IMAGE;
    std::string text(kTabNames[static_cast<std::size_t>(i)]);
    tab.pszText = text.data();
    tab.iImage = i;
    SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
  }
  changedMark_ = LoadMark(IDI_CHANGED_MARK);
  missingMark_ = LoadMark(IDI_MISSING_MARK);
  font_ = SlotFont(FW_NORMAL);
  boldFont_ = SlotFont(FW_BOLD);
  // The lists asked for their item height before the page could answer.
  for (const int id : kListIds) SendMessageA(Item(id), LB_SETITEMHEIGHT, 0, kItemHeight);
  const bool driveModes = IndividualDriveModeAllowed(services_.catalogue.inputs());
  EnableWindow(Item(IDC_DRIVE_MODE), driveModes ? TRUE : FALSE);
  if (driveModes && ReadDriveModeSetting(services_.catalogue)) CheckDlgButton(hwnd(), IDC_DRIVE_MODE, BST_CHECKED);
  ShowTab();
  return true;
}

void IconsPage::OnDestroy() {
  KillTimer(hwnd(), kPreviewTimer);
  for (int i = 0; i < kPackageCategoryCount; ++i) services_.catalogue.ClearCategory(static_cast<Category>(i));
}

Category IconsPage::ShownCategory() const {
  const auto tab = SendMessageA(Item(IDC_CATEGORY_TABS), TCM_GETCURSEL, 0, 0);
  return static_cast<Category>(tab >= 0 && tab < kCategoryCount ? tab : 0);
}

HWND IconsPage::ListOf(Category category) const { return Item(kListIds[static_cast<std::size_t>(category)]); }

void IconsPage::ShowTab() {
  const Category shown = ShownCategory();
  for (const int id : kListIds) ShowWindow(Item(id), SW_HIDE);
  FillList(shown);
  const HWND list = ListOf(shown);
  ShowWindow(list, SW_SHOW);
  ShowWindow(Item(IDC_ADD_FORMAT), shown == Category::Files ? SW_SHOW : SW_HIDE);
  // The list takes the focus, unless the user is going through the tabs with the keyboard.
  if (IsWindowVisible(hwnd()) && GetFocus() != Item(IDC_CATEGORY_TABS)) SetFocus(list);
  UpdateStatus();
}

void IconsPage::FillList(Category category) {
  const WaitCursor wait;
  SlotCatalogue& catalogue = services_.catalogue;
  if (category == Category::Drives) {
    BuildDriveIconsInMode(catalogue, IsDlgButtonChecked(hwnd(), IDC_DRIVE_MODE) == BST_CHECKED);
  } else {
    catalogue.BuildCategory(category);
  }
  const HWND list = ListOf(category);
  const auto selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  const auto& entries = catalogue.Entries(category);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto at = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries[i].name.c_str()));
    // The Quick Launch list sorts itself: each item keeps the number of its slot.
    SendMessageA(list, LB_SETITEMDATA, at, static_cast<LPARAM>(i));
  }
  const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  if (count > 0) SendMessageA(list, LB_SETCURSEL, selected >= 0 && selected < count ? selected : 0, 0);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void IconsPage::Refresh() {
  if (hwnd() == nullptr) return;
  ShowTab();
}

void IconsPage::RefreshSlot(Category category, int item) {
  if (hwnd() == nullptr || category != ShownCategory()) return;
  const HWND list = ListOf(category);
  for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
    if (SendMessageA(list, LB_GETITEMDATA, i, 0) != item) continue;
    RECT place{};
    SendMessageA(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&place));
    InvalidateRect(list, &place, FALSE);
  }
  UpdateStatus();
}

void IconsPage::ViewChanged(bool localUpdate) {
  localUpdate_ = localUpdate;
  if (hwnd() == nullptr) return;
  const bool driveModes = localUpdate && IndividualDriveModeAllowed(services_.catalogue.inputs());
  EnableWindow(Item(IDC_DRIVE_MODE), driveModes ? TRUE : FALSE);
  ShowTab();
}

void IconsPage::ShowQuickLaunchTab(bool shown) {
  const HWND tabs = Item(IDC_CATEGORY_TABS);
  const auto count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
  if (!shown && count == kCategoryCount) {
    if (ShownCategory() == Category::QuickLaunch) {
      SendMessageA(tabs, TCM_SETCURSEL, 0, 0);
      ShowTab();
    }
    SendMessageA(tabs, TCM_DELETEITEM, kCategoryCount - 1, 0);
  } else if (shown && count < kCategoryCount && services_.catalogue.inputs().newShell) {
    TCITEMA tab{};
    tab.mask = TCIF_TEXT | TCIF_IMAGE;
    std::string text(kTabNames.back());
    tab.pszText = text.data();
    tab.iImage = kCategoryCount - 1;
    SendMessageA(tabs, TCM_INSERTITEMA, kCategoryCount - 1, reinterpret_cast<LPARAM>(&tab));
  }
}

IconSlot* IconsPage::SelectedSlot() const {
  const Category category = ShownCategory();
  const HWND list = ListOf(category);
  const auto selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected < 0) return nullptr;
  const auto index = static_cast<std::size_t>(SendMessageA(list, LB_GETITEMDATA, selected, 0));
  auto& entries = services_.catalogue.Entries(category);
  return index < entries.size() ? entries[index].slot.get() : nullptr;
}

void IconsPage::UpdateStatus() {
  const Category category = ShownCategory();
  const IconSlot* slot = SelectedSlot();
  EnableWindow(Item(IDC_RESTORE_DEFAULT), slot ? TRUE : FALSE);
  EnableWindow(Item(IDC_CHANGE), slot ? TRUE : FALSE);
  std::string text = SlotStatusText(slot, category, localUpdate_);
  const HWND status = Item(IDC_SLOT_STATUS);
  if (text.starts_with(kFileNamePrefix)) {
    // The path gives way in its middle, so that its drive and its file name both show.
    RECT line{};
    GetClientRect(status, &line);
    const UniqueScreenDc dc(GetDC(nullptr));
    const HGDIOBJ old = SelectObject(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(status, WM_GETFONT, 0, 0)));
    std::vector<char> buffer(text.begin(), text.end());
    buffer.resize(text.size() + MAX_PATH, '\0');
    PathCompactPathA(dc.get(), buffer.data(), static_cast<UINT>(line.right));
    SelectObject(dc.get(), old);
    text = buffer.data();
  }
  SetWindowTextA(status, text.c_str());
  ShowCursorPreview(category == Category::Cursors ? slot : nullptr);
}

void IconsPage::ShowCursorPreview(const IconSlot* slot) {
  KillTimer(hwnd(), kPreviewTimer);
  previewFrames_.clear();
  previewFrame_ = 0;
  const bool animated = slot != nullptr && slot->iconPath.size() > 4 &&
                        EqualsIgnoreCase(std::string_view(slot->iconPath).substr(slot->iconPath.size() - 4), ".ani");
  for (const int id : {IDC_CURSOR_PREVIEW_FRAME, IDC_CURSOR_PREVIEW}) ShowWindow(Item(id), animated ? SW_SHOW : SW_HIDE);
  SendDlgItemMessageA(hwnd(), IDC_CURSOR_PREVIEW, STM_SETICON, 0, 0);
  if (!animated) return;
  const auto cursor = ReadAniFile(slot->iconPath);
  if (!cursor || cursor->groups.empty()) return;
  int firstRate = 0;
  for (const IconImage& step : cursor->groups.front().images) {
    UniqueIcon frame = CreateIconFromImage(step);
    if (!frame) continue;
    if (previewFrames_.empty()) firstRate = step.displayRate;
    previewFrames_.push_back(std::move(frame));
  }
  if (previewFrames_.empty()) return;
  SendDlgItemMessageA(hwnd(), IDC_CURSOR_PREVIEW, STM_SETICON, reinterpret_cast<WPARAM>(previewFrames_[0].get()), 0);
  if (previewFrames_.size() > 1 && firstRate > 0) {
    SetTimer(hwnd(), kPreviewTimer, static_cast<UINT>(firstRate) * kMillisecondsPerRateUnit, nullptr);
  }
}

void IconsPage::NextPreviewFrame() {
  if (previewFrames_.empty()) return;
  previewFrame_ = (previewFrame_ + 1) % previewFrames_.size();
  SendDlgItemMessageA(hwnd(), IDC_CURSOR_PREVIEW, STM_SETICON,
                      reinterpret_cast<WPARAM>(previewFrames_[previewFrame_].get()), 0);
}

void IconsPage::Tell(const std::string& text, PromptIcon icon) {
  services_.prompt.Ask({text, kAppTitle, icon, PromptButtons::Ok});
}

void IconsPage::Change(const std::optional<std::string>& dropped, std::optional<int> item) {
  const Category category = ShownCategory();
  const HWND list = ListOf(category);
  if (item) SendMessageA(list, LB_SETCURSEL, *item, 0);
  IconSlot* slot = SelectedSlot();
  if (slot == nullptr) return;
  const int selected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
  if (dropped) {
    const int icons = static_cast<int>(
        reinterpret_cast<INT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), dropped->c_str(), static_cast<UINT>(-1))));
    switch (CheckDroppedFile(category, *dropped, icons)) {
      case DropRefusal::NoIcons: Tell(WithText(kNoIconsFound, *dropped), PromptIcon::Information); return;
      case DropRefusal::NotACursor: Tell(kInvalidCursorFile, PromptIcon::Exclamation); return;
      case DropRefusal::None: break;
    }
  }
  const std::string name = services_.catalogue.Entries(category)[static_cast<std::size_t>(
      SendMessageA(list, LB_GETITEMDATA, selected, 0))].name;
  if (category == Category::Cursors) {
    if (dropped) return TakeIcon(*slot, selected, *dropped, 0);
    // The dialog starts beside the pending cursor, else among the packages.
    const bool cursorFile = CheckDroppedFile(Category::Cursors, slot->iconPath, 1) == DropRefusal::None;
    const std::string start = cursorFile ? RemoveTrailingBackslash(FolderOf(slot->iconPath))
                                         : services_.catalogue.inputs().appPath + "\\Themes";
    if (const auto chosen = services_.choosers.ChangeCursor(name, start)) TakeIcon(*slot, selected, *chosen, 0);
    return;
  }
  if (dropped && dropped->size() > 4 && EqualsIgnoreCase(dropped->substr(dropped->size() - 4), ".ico")) {
    return TakeIcon(*slot, selected, *dropped, 0);
  }
  std::string file = dropped.value_or(slot->iconPath);
  int index = dropped ? 0 : slot->iconIndex;
  switch (services_.picker.ChangeIcon(file, index, name)) {
    case PickResult::Chosen: TakeIcon(*slot, selected, file, index); return;
    case PickResult::RestoreDefault: Restore(false); return;
    case PickResult::RestoreCurrent: Restore(true); return;
    case PickResult::Cancelled:
    case PickResult::Unavailable: return;
  }
}

void IconsPage::TakeIcon(IconSlot& slot, int item, const std::string& file, int index) {
  if (services_.catalogue.SetSlotIcon(slot, file, index) == 0) return;
  SlotChanged(item);
}

void IconsPage::SlotChanged(int item) {
  const HWND list = ListOf(ShownCategory());
  RECT place{};
  SendMessageA(list, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&place));
  InvalidateRect(list, &place, FALSE);
  SendMessageA(list, LB_SETCURSEL, item, 0);
  UpdateStatus();
  services_.host.SlotsChanged(ChangeNeedsCacheRebuild(services_.catalogue.inputs().osVersion, ShownCategory()));
}

void IconsPage::Restore(bool toCurrent) {
  IconSlot* slot = SelectedSlot();
  if (slot == nullptr || services_.catalogue.RestoreSlot(*slot, toCurrent, true) == 0) return;
  SlotChanged(static_cast<int>(SendMessageA(ListOf(ShownCategory()), LB_GETCURSEL, 0, 0)));
}

void IconsPage::RestoreAll() {
  const Category category = ShownCategory();
  for (CatalogueEntry& entry : services_.catalogue.Entries(category)) {
    services_.catalogue.RestoreSlot(*entry.slot, false, true);
  }
  InvalidateRect(ListOf(category), nullptr, FALSE);
  UpdateStatus();
  services_.host.SlotsChanged(ChangeNeedsCacheRebuild(services_.catalogue.inputs().osVersion, category));
}

void IconsPage::ViewIcon() {
  const IconSlot* slot = SelectedSlot();
  if (slot == nullptr) return;
  const std::string browser = services_.catalogue.inputs().appPath + "\\Glintview.exe";
  if (!ShellOpen(browser, "\"" + slot->iconPath + "," + std::to_string(slot->iconIndex) + "\"")) {
    Tell(WithText(kNoBrowser, browser), PromptIcon::Exclamation);
  }
}

void IconsPage::ShowProperties() {
  const IconSlot* slot = SelectedSlot();
  if (slot != nullptr && !ShowFileProperties(slot->iconPath)) {
    Tell(WithText(kNoProperties, slot->iconPath), PromptIcon::Exclamation);
  }
}

void IconsPage::RemoveFormat() {
  const Category category = ShownCategory();
  const IconSlot* slot = SelectedSlot();
  if (category != Category::Files || slot == nullptr || (slot->flags & slotflag::kAddedFormat) == 0) return;
  const HWND list = ListOf(category);
  const auto selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  CatalogueSystem& system = services_.catalogue.system();
  system.ini.WriteString(services_.catalogue.inputs().appPath + "\\" + kFileIconsIni, slot->fileType, std::nullopt,
                         std::nullopt);
  auto& entries = services_.catalogue.Entries(category);
  entries.erase(entries.begin() + SendMessageA(list, LB_GETITEMDATA, selected, 0));
  FillList(category);
  SendMessageA(list, LB_SETCURSEL, selected > 0 ? selected - 1 : 0, 0);
  UpdateStatus();
}

void IconsPage::AddFormat() {
  SlotCatalogue& catalogue = services_.catalogue;
  // The dialog refuses types the list already has, so the list must be there.
  catalogue.BuildCategory(Category::Files);
  AddFileFormatDialog dialog(catalogue, services_.prompt);
  if (dialog.RunModal(GetModuleHandleA(nullptr), IDD_ADD_FORMAT, hwnd()) != IDOK) return;
  catalogue.ClearCategory(Category::Files);
  if (ShownCategory() != Category::Files) return;
  ShowTab();
  const std::string added = SettingsStore(catalogue.system().registry).ReadText(TextSetting::FileType);
  const HWND list = ListOf(Category::Files);
  const auto& entries = catalogue.Entries(Category::Files);
  for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
    const auto entry = static_cast<std::size_t>(SendMessageA(list, LB_GETITEMDATA, i, 0));
    if (entry < entries.size() && EqualsIgnoreCase(entries[entry].slot->fileType, added)) {
      SendMessageA(list, LB_SETCURSEL, i, 0);
      UpdateStatus();
      return;
    }
  }
}

void IconsPage::SwitchDriveMode() {
  const bool individual = IsDlgButtonChecked(hwnd(), IDC_DRIVE_MODE) == BST_CHECKED;
  if (!gd::SwitchDriveMode(services_.catalogue, individual)) {
    CheckDlgButton(hwnd(), IDC_DRIVE_MODE, individual ? BST_UNCHECKED : BST_CHECKED);
    return;
  }
  if (ShownCategory() == Category::Drives) ShowTab();
}

void IconsPage::ShowSlotMenu(LPARAM where) {
  const Category category = ShownCategory();
  const HWND list = ListOf(category);
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where != -1) {
    POINT inList = at;
    ScreenToClient(list, &inList);
    const auto hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(inList.x, inList.y));
    if (HIWORD(hit) == 0) {
      SendMessageA(list, LB_SETCURSEL, LOWORD(hit), 0);
      UpdateStatus();
    }
  } else {
    // From the keyboard the menu opens at the list's corner.
    at = {0, 0};
    ClientToScreen(list, &at);
  }
  const UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_SLOT_MENU)));
  if (!menu) return;
  const HMENU popup = GetSubMenu(menu.get(), 0);
  SetMenuDefaultItem(popup, IDM_SLOT_CHANGE, FALSE);
  if (category == Category::Cursors) ModifyMenuA(popup, IDM_SLOT_CHANGE, MF_BYCOMMAND | MF_STRING, IDM_SLOT_CHANGE, "&Change Cursor...");
  const IconSlot* slot = SelectedSlot();
  const UINT any = slot ? MF_ENABLED : MF_GRAYED;
  for (const UINT id : {IDM_SLOT_CHANGE, IDM_SLOT_RESTORE, IDM_SLOT_VIEW, IDM_SLOT_PROPERTIES}) {
    EnableMenuItem(popup, id, MF_BYCOMMAND | any);
  }
  EnableMenuItem(popup, IDM_SLOT_ADD_FORMAT, MF_BYCOMMAND | (category == Category::Files ? MF_ENABLED : MF_GRAYED));
  const bool added = category == Category::Files && slot && (slot->flags & slotflag::kAddedFormat) != 0;
  EnableMenuItem(popup, IDM_SLOT_REMOVE_FORMAT, MF_BYCOMMAND | (added ? MF_ENABLED : MF_GRAYED));
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
}

void IconsPage::ShowRestoreMenu() {
  const UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_RESTORE_MENU)));
  if (!menu) return;
  const HMENU popup = GetSubMenu(menu.get(), 0);
  SetMenuDefaultItem(popup, 0, TRUE);
  const RestoreMenuTexts texts = RestoreTexts(ShownCategory());
  ModifyMenuA(popup, IDM_RESTORE_CURRENT, MF_BYCOMMAND | MF_STRING, IDM_RESTORE_CURRENT, texts.current.c_str());
  ModifyMenuA(popup, IDM_RESTORE_ALL, MF_BYCOMMAND | MF_STRING, IDM_RESTORE_ALL, texts.all.c_str());
  RECT button{};
  GetWindowRect(Item(IDC_RESTORE_DEFAULT), &button);
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, 0, hwnd(), nullptr);
}

void IconsPage::AcceptDrop(HDROP drop) {
  // The length first: a path longer than the system's buffers is refused, not cut short.
  const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  std::vector<char> buffer(length + 1, '\0');
  DragQueryFileA(drop, 0, buffer.data(), length + 1);
  POINT point{};
  DragQueryPoint(drop, &point);
  DragFinish(drop);
  if (length == 0) return;
  if (length > kMaxSlotPath) {
    Tell(WithText(kFileNameTooLong, buffer.data()), PromptIcon::Exclamation);
    return;
  }
  const HWND list = ListOf(ShownCategory());
  MapWindowPoints(hwnd(), list, &point, 1);
  const auto hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  std::optional<int> item;
  if (HIWORD(hit) == 0) item = LOWORD(hit);
  Change(std::string(buffer.data()), item);
}

bool IconsPage::OnCommand(int id, int code, HWND) {
  for (const int list : kListIds) {
    if (id != list) continue;
    if (code == LBN_SELCHANGE) UpdateStatus();
    if (code == LBN_DBLCLK) Change(std::nullopt, std::nullopt);
    return true;
  }
  switch (id) {
    case IDC_CHANGE:
    case IDM_SLOT_CHANGE: Change(std::nullopt, std::nullopt); return true;
    case IDC_RESTORE_DEFAULT: ShowRestoreMenu(); return true;
    case IDM_SLOT_RESTORE:
    case IDM_RESTORE_WINDOWS: Restore(false); return true;
    case IDM_RESTORE_CURRENT: Restore(true); return true;
    case IDM_RESTORE_ALL: RestoreAll(); return true;
    case IDM_SLOT_VIEW: ViewIcon(); return true;
    case IDM_SLOT_PROPERTIES: ShowProperties(); return true;
    case IDM_SLOT_REMOVE_FORMAT: RemoveFormat(); return true;
    case IDC_ADD_FORMAT:
    case IDM_SLOT_ADD_FORMAT: AddFormat(); return true;
    case IDC_DRIVE_MODE: SwitchDriveMode(); return true;
    default: return false;
  }
}

bool IconsPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
  switch (message) {
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom != IDC_CATEGORY_TABS || header.code != TCN_SELCHANGE) return false;
      ShowTab();
      return true;
    }
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != ListOf(ShownCategory())) return false;
      ShowSlotMenu(lParam);
      return true;
    case WM_DROPFILES: AcceptDrop(reinterpret_cast<HDROP>(wParam)); return true;
    case WM_TIMER:
      if (wParam != kPreviewTimer) return false;
      NextPreviewFrame();
      return true;
    default: return false;
  }
}

bool IconsPage::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  for (const int list : kListIds) {
    if (id == list && item.itemID != static_cast<UINT>(-1)) {
      DrawSlot(item);
      return true;
    }
  }
  return false;
}

HICON IconsPage::IconOf(const IconSlot& slot) {
  const std::string key = FoldCase(slot.iconPath) + "," + std::to_string(slot.iconIndex);
  auto found = icons_.find(key);
  if (found == icons_.end()) {
    UniqueIcon icon(ExtractIconA(GetModuleHandleA(nullptr), slot.iconPath.c_str(), static_cast<UINT>(slot.iconIndex)));
    // 1 means "not a file with icons": no handle to keep.
    if (icon.get() == reinterpret_cast<HICON>(1)) icon.release();
    // Not every shell extracts pictures from cursor files: those are loaded as cursors.
    if (!icon) {
      icon.reset(static_cast<HICON>(
          LoadImageA(nullptr, slot.iconPath.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
    }
    found = icons_.emplace(key, std::move(icon)).first;
  }
  return found->second.get();
}

void IconsPage::DrawSlot(const DRAWITEMSTRUCT& item) {
  const auto index = static_cast<std::size_t>(item.itemData);
  auto& entries = services_.catalogue.Entries(ShownCategory());
  if (index >= entries.size()) return;
  const OffscreenItem canvas(item);
  if (!canvas.ok()) return;
  IconSlot& slot = *entries[index].slot;
  const int width = canvas.width();
  const int height = canvas.height();
  const HDC dc = canvas.dc();
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT all{0, 0, width, height};
  FillRect(dc, &all, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (const HICON icon = IconOf(slot)) {
    DrawIconEx(dc, kIconPlace.x, kIconPlace.y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    if (slot.IsChanged()) DrawIconEx(dc, 0, kIconPlace.y, changedMark_.get(), kMarkSize, kMarkSize, 0, nullptr, DI_NORMAL);
  } else {
    DrawIconEx(dc, 0, kIconPlace.y, missingMark_.get(), kMarkSize, kMarkSize, 0, nullptr, DI_NORMAL);
    slot.flags |= slotflag::kMissingImage;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const HGDIOBJ oldFont = SelectObject(dc, (selected ? boldFont_ : font_).get());
  // Centred both ways: measured first, then placed in the middle of the item's height.
  RECT text{kTextLeft, 0, width - kTextRightMargin, height};
  RECT measured = text;
  const std::string& name = entries[index].name;
  DrawTextA(dc, name.c_str(), -1, &measured, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  const int textHeight = measured.bottom - measured.top;
  text.top = std::max(0, (height - textHeight) / 2);
  DrawTextA(dc, name.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &all);
}

}  // namespace gd
