// Start-up, page list and button commands of the main window.
#include "ui/main_window_win32.h"

#include <array>
#include <string>

#include "platform/os_version.h"
#include "platform/path_text.h"
#include "platform/program_identity.h"
#include "platform/shell.h"
#include "platform/system_paths.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

struct PageListItem {
  const char* text;
  WORD normalBitmap;
  WORD selectedBitmap;
};

constexpr std::array<PageListItem, 4> kPageListItems{{
    {"Packages", 135, 131},
    {"Icons and Cursors", 134, 130},
    {"Settings", 132, 133},
    {"Explorer", 282, 281},
}};

constexpr int kPageListItemHeight = 78;
constexpr COLORREF kPageListGrey = RGB(128, 128, 128);
constexpr int kExplorerEntry = 3;

// Draws one page list item into an off-screen bitmap, then copies it to the screen.
void DrawPageListItem(HWND list, const DRAWITEMSTRUCT& item) {
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  if (width <= 0 || height <= 0) return;
  UniqueMemoryDc dc(CreateCompatibleDC(item.hDC));
  UniqueGdiObject bitmap(CreateCompatibleBitmap(item.hDC, width, height));
  if (!dc || !bitmap) return;
  const HGDIOBJ oldBitmap = SelectObject(dc.get(), bitmap.get());

  UniqueGdiObject grey(CreateSolidBrush(kPageListGrey));
  RECT all{0, 0, width, height};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(grey.get()));
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  if (selected) {
    const HGDIOBJ oldBrush = SelectObject(dc.get(), GetStockObject(WHITE_BRUSH));
    const HGDIOBJ oldPen = SelectObject(dc.get(), GetStockObject(WHITE_PEN));
    RoundRect(dc.get(), 2, 2, width - 2, height - 2, 5, 5);
    SelectObject(dc.get(), oldPen);
    SelectObject(dc.get(), oldBrush);
  }

  const auto value = static_cast<DWORD>(item.itemData);
  const WORD bitmapId = selected ? HIWORD(value) : LOWORD(value);
  if (UniqueGdiObject picture(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId)));
      picture) {
    UniqueMemoryDc source(CreateCompatibleDC(item.hDC));
    const HGDIOBJ oldPicture = SelectObject(source.get(), picture.get());
    BitBlt(dc.get(), width / 2 - 20, height / 2 - 29, 48, 48, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), oldPicture);
  }

  RECT listRect{};
  GetWindowRect(list, &listRect);
  const int fontHeight = (listRect.bottom - listRect.top) * 20 / 137;
  UniqueGdiObject font(CreateFontA(fontHeight, 0, 0, 0, selected ? FW_BOLD : FW_NORMAL, FALSE,
                                   FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "Tahoma"));
  const HGDIOBJ oldFont = SelectObject(dc.get(), font.get());
  SetTextColor(dc.get(), selected ? RGB(0, 0, 0) : RGB(255, 255, 255));
  SetBkMode(dc.get(), TRANSPARENT);
  const UINT textItem = item.itemID;
  const char* text = textItem < kPageListItems.size() ? kPageListItems[textItem].text : "";
  RECT measure{6, 0, width - 6, height};
  DrawTextA(dc.get(), text, -1, &measure, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
  const int textHeight = measure.bottom - measure.top;
  RECT place{6, height - textHeight / 2 - 17, width - 6, height};
  DrawTextA(dc.get(), text, -1, &place, DT_CENTER | DT_WORDBREAK);
  SelectObject(dc.get(), oldFont);

  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc.get(), 0, 0, SRCCOPY);
  SelectObject(dc.get(), oldBitmap);
}

}  // namespace

MainWindow::MainWindow(const WindowStart& start, SettingsStore& settings, Prompt& prompt,
                       PageOperations& operations)
    : start_(start), settings_(settings), prompt_(prompt), operations_(operations) {
  state_.page.appPath = start.appPath;
  state_.page.packageFile = start.packageFile;
  state_.page.loadAndClose = start.flags.loadAndClose;
}

bool MainWindow::OnInitDialog() {
  state_.page.themesDir = state_.page.appPath + "\\Themes";
  state_.osVersion = GetOsVersion();
  state_.systemDir = SystemDirectory();
  state_.windowsDir = WindowsDirectory();
  // The stored position is worth restoring whenever the user keeps settings between sessions.
  state_.rememberWindow = settings_.IsOn(Flag::Settings);
  // The Packages page's Include boxes start as they were left.
  state_.page.include = settings_.IncludeSwitches();
  SetUpIcons();
  listBrush_.reset(CreateSolidBrush(kPageListGrey));
  FillPageList();
  UpdateTitle();

  const auto result = RunWindowStart(start_.flags, state_.page.packageFile, state_.rememberWindow,
                                     settings_, *this);
  if (result == WindowStartResult::Shown) handover_.Publish(hwnd(), state_.page.packageFile);
  return true;
}

void MainWindow::SetUpIcons() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  largeIcon_.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                 GetSystemMetrics(SM_CYICON), 0)));
  smallIcon_.reset(static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 16, 16, 0)));
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void MainWindow::FillPageList() {
  const HWND list = Item(IDC_PAGE_LIST);
  SendMessageA(list, LB_SETITEMHEIGHT, 0, kPageListItemHeight);
  for (const auto& entry : kPageListItems) {
    const auto index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text));
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index),
                 MAKELONG(entry.normalBitmap, entry.selectedBitmap));
  }
}

void MainWindow::UpdateTitle() {
  std::string title = kAppTitle;
  if (!state_.page.packageFile.empty()) title += " - " + FileTitle(state_.page.packageFile);
  SetWindowTextA(hwnd(), title.c_str());
}

bool MainWindow::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDOK: OkAction(); return true;
    case IDCANCEL: Cancel(); return true;
    case IDC_APPLY: Apply(); return true;
    case IDC_HELP_BUTTON: ShellOpen(state_.page.appPath + "\\Glimmerdeck.chm", ""); return true;
    case IDM_CHANGE_MADE:
      if (state_.localUpdate) EnableWindow(Item(IDC_APPLY), TRUE);
      return true;
    case IDM_LOAD_HANDED_PACKAGE:
      if (const auto path = handover_.ReadHandedPath()) {
        state_.page.packageFile = *path;
        if (LoadPackage(state_.page.packageFile)) UpdateTitle();
      }
      return true;
    case IDC_PAGE_LIST:
      if (code == LBN_SELCHANGE) OnPageListSelection();
      return true;
    default: return false;
  }
}

void MainWindow::OnPageListSelection() {
  const auto selected = static_cast<int>(SendMessageA(Item(IDC_PAGE_LIST), LB_GETCURSEL, 0, 0));
  if (selected == kExplorerEntry || (selected == kPageSettings && !state_.localUpdate)) {
    ShellOpen(state_.page.appPath + "\\Glintview.exe", "");
    return;
  }
  ShowSelectedPage();
}

bool MainWindow::OnMeasureItem(int id, MEASUREITEMSTRUCT& item) {
  if (id != IDC_PAGE_LIST) return false;
  item.itemHeight = kPageListItemHeight;
  return true;
}

bool MainWindow::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_PAGE_LIST || item.itemID == static_cast<UINT>(-1)) return false;
  DrawPageListItem(Item(IDC_PAGE_LIST), item);
  return true;
}

bool MainWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message == WM_CTLCOLORLISTBOX && reinterpret_cast<HWND>(lParam) == Item(IDC_PAGE_LIST)) {
    result = reinterpret_cast<INT_PTR>(listBrush_.get());
    return true;
  }
  return false;
}

void MainWindow::OnDestroy() {
  // A silent start never showed the window, so it has no position worth keeping.
  if (!state_.rememberWindow || !start_.interactive) return;
  RECT rect{};
  if (!GetWindowRect(hwnd(), &rect)) return;
  settings_.WriteCoordinate(TextSetting::WindowLeft, rect.left);
  settings_.WriteCoordinate(TextSetting::WindowTop, rect.top);
}

void MainWindow::SelectPage(int entry) {
  SendMessageA(Item(IDC_PAGE_LIST), LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

void MainWindow::ShowSelectedPage() {
  const auto selected = static_cast<int>(SendMessageA(Item(IDC_PAGE_LIST), LB_GETCURSEL, 0, 0));
  if (selected >= 0) shownPage_ = selected;
}

bool MainWindow::LoadPackage(const std::string& packageFile) {
  state_.page.packageFile = packageFile;
  const bool loaded = operations_.LoadPackage(state_);
  if (loaded) settings_.AddRecentPackage(state_.page.packageFile);
  OfferApplyWhenPending();
  return loaded;
}

void MainWindow::RestoreAllIconsQuietly() {
  operations_.RestoreAllIconsQuietly(state_);
  OfferApplyWhenPending();
}

void MainWindow::RestoreAllCursorsQuietly() {
  operations_.RestoreAllCursorsQuietly(state_);
  OfferApplyWhenPending();
}

void MainWindow::OfferApplyWhenPending() {
  // The Package Builder view has no place in the system to write to.
  if (state_.page.pendingChanges && state_.localUpdate) EnableWindow(Item(IDC_APPLY), TRUE);
}

void MainWindow::CancelWindow() {
  cancelled_ = true;
  Close(IDCANCEL);
}

bool MainWindow::ApplyEnabled() const { return IsWindowEnabled(Item(IDC_APPLY)) != FALSE; }

void MainWindow::Apply() {
  const HCURSOR old = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  EnableWindow(Item(IDC_APPLY), FALSE);
  operations_.ApplyToSystem(state_);
  if (state_.page.needCacheRebuild && !start_.flags.skipCacheRebuild) {
    operations_.RebuildIconCache(state_);
  }
  state_.page.needCacheRebuild = false;
  start_.flags.restartNeeded = false;
  SetCursor(old);
}

void MainWindow::OkAction() {
  if (ApplyEnabled()) Apply();
  Close(IDOK);
}

void MainWindow::Cancel() {
  if (ApplyEnabled()) {
    const PromptAnswer answer = prompt_.Ask({"Would you like to save your changes before closing?",
                                             kAppTitle, PromptIcon::Question,
                                             PromptButtons::YesNoCancel});
    if (answer == PromptAnswer::Cancel) return;
    if (answer == PromptAnswer::Yes) Apply();
  }
  Close(IDCANCEL);
}

void MainWindow::Close(INT_PTR result) {
  // The first way the window ended is the one that counts.
  if (closed_) return;
  closed_ = true;
  End(result);
}

void MainWindow::MoveWindowTo(int left, int top) {
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

}  // namespace gd
