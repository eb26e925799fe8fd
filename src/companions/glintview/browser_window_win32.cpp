// The browser window: opening files, showing groups and images, the menus' commands, the
// window's layout and its place kept between runs.
#include "glintview/browser_window_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "glintview/about_box_win32.h"
#include "glintview/group_views_win32.h"
#include "glintview/icon_output.h"
#include "glintview/image_rows.h"
#include "glintview/resource_ids.h"
#include "platform/wait_cursor_win32.h"
#include "glintview/window_place.h"
#include "iconfmt/clipboard_win32.h"
#include "platform/path_text.h"
#include "platform/unique_handle.h"

namespace gd::glintview {
namespace {

constexpr char kTitle[] = "Glintview";
constexpr char kWelcome[] = "Open an icon, cursor, icon library or program file, or drop one here.";

// How each control follows the window's growth: the grid takes the upper half of any new
// height, the image report and the preview the lower half and half of any new width each.
constexpr std::array<std::pair<int, Anchor>, 6> kAnchors{{
    {IDC_GROUPS_LABEL, {0, 0, 0, 0}},
    {IDC_GROUPS, {0, 0, 2, 1}},
    {IDC_IMAGES_LABEL, {0, 1, 0, 1}},
    {IDC_IMAGES, {0, 1, 1, 2}},
    {IDC_PREVIEW_LABEL, {1, 1, 1, 1}},
    {IDC_PREVIEW, {1, 1, 2, 2}},
}};

// A list of dropped files, given back to the system with DragFinish.
struct DropTraits {
  using Handle = HDROP;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { DragFinish(h); }
};

Box ClientBox(HWND window, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

BrowserWindow::~BrowserWindow() {
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

bool BrowserWindow::Create(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  instance_ = instance;
  return CreateMain(instance, IDD_GLINTVIEW);
}

bool BrowserWindow::OnInitDialog() {
  for (const auto& [size, which] : {std::pair{SM_CXICON, ICON_BIG}, {SM_CXSMICON, ICON_SMALL}}) {
    const int pixels = GetSystemMetrics(size);
    // Shared icons belong to the system's cache, not to the window.
    const HANDLE icon = LoadImageA(instance_, MAKEINTRESOURCEA(IDI_GLINTVIEW), IMAGE_ICON, pixels, pixels, LR_SHARED);
    SendMessageA(hwnd(), WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
  }
  AddImageColumns(Item(IDC_IMAGES));
  for (std::size_t i = 0; i < kAnchors.size(); ++i) {
    const auto& [id, anchor] = kAnchors[i];
    placed_[i] = {id, anchor, ClientBox(hwnd(), Item(id))};
  }
  RECT client{};
  GetClientRect(hwnd(), &client);
  client_ = {client.right, client.bottom};
  RECT window{};
  GetWindowRect(hwnd(), &window);
  minimum_ = {window.right - window.left, window.bottom - window.top};
  DragAcceptFiles(hwnd(), TRUE);
  PlaceWindow();
  SetStatus(kWelcome);
  return true;
}

void BrowserWindow::PlaceWindow() {
  const auto place = ReadWindowPlace(registry_);
  if (!place) return;  // the template centres the window
  const RECT wanted{place->left, place->top, place->left + std::max<int>(place->width, minimum_.cx),
                    place->top + std::max<int>(place->height, minimum_.cy)};
  // A place on a screen that is no longer there would hide the window.
  if (MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL) == nullptr) return;
  SetWindowPos(hwnd(), nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void BrowserWindow::OnDestroy() {
  DragAcceptFiles(hwnd(), FALSE);
  ListView_SetImageList(Item(IDC_GROUPS), nullptr, LVSIL_NORMAL);
  pictures_.reset();
  // A minimised or maximised window keeps the place it will come back to.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  RECT window{};
  if (IsIconic(hwnd()) || IsZoomed(hwnd())) {
    if (!GetWindowPlacement(hwnd(), &placement)) return;
    window = placement.rcNormalPosition;
  } else if (!GetWindowRect(hwnd(), &window)) {
    return;
  }
  WriteWindowPlace(registry_, {window.left, window.top, window.right - window.left, window.bottom - window.top});
}

void BrowserWindow::Layout() {
  if (IsIconic(hwnd())) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int dx = client.right - client_.cx;
  const int dy = client.bottom - client_.cy;
  for (const Placed& placed : placed_) {
    const Box box = Anchored(placed.box, placed.anchor, dx, dy);
    MoveWindow(Item(placed.id), box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
  }
  // The status bar keeps itself along the bottom edge, with its size grip in the corner.
  SendMessageA(Item(IDC_STATUS), WM_SIZE, 0, 0);
}

void BrowserWindow::SetStatus(const std::string& text) {
  SendMessageA(Item(IDC_STATUS), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void BrowserWindow::Clear() {
  file_.reset();
  group_.reset();
  image_.reset();
  filling_ = true;
  ListView_DeleteAllItems(Item(IDC_GROUPS));
  ListView_DeleteAllItems(Item(IDC_IMAGES));
  filling_ = false;
  ListView_SetImageList(Item(IDC_GROUPS), nullptr, LVSIL_NORMAL);
  pictures_.reset();
  preview_.Show(Item(IDC_PREVIEW), nullptr);
}

void BrowserWindow::Open(const std::string& path, int group) {
  const WaitCursor wait;
  OpenResult opened = OpenIconSource(path);
  Clear();
  if (!opened.file) {
    SetWindowTextA(hwnd(), kTitle);
    SetStatus(opened.status);
    return;
  }
  file_ = std::move(opened.file);
  filling_ = true;
  pictures_ = FillGroupGrid(Item(IDC_GROUPS), *file_);
  filling_ = false;
  SetWindowTextA(hwnd(), (FileName(path) + " - " + kTitle).c_str());
  if (group >= 0 && static_cast<std::size_t>(group) < file_->icons.groups.size()) {
    SelectOnly(Item(IDC_GROUPS), static_cast<std::size_t>(group));
    ShowGroup(static_cast<std::size_t>(group));
  } else {
    opened.status += "; it has no group " + std::to_string(group) + ".";
  }
  SetStatus(opened.status);
}

void BrowserWindow::ShowGroup(std::optional<std::size_t> group) {
  if (group == group_) return;
  group_ = group;
  image_.reset();
  preview_.Show(Item(IDC_PREVIEW), nullptr);
  const IconGroup* shown = file_ && group ? &file_->icons.groups.at(*group) : nullptr;
  filling_ = true;
  FillImageReport(Item(IDC_IMAGES), shown ? ImageRows(*shown, file_->animation) : std::vector<ImageRow>{});
  filling_ = false;
  if (shown && !shown->images.empty()) {
    // The image the grid shows for the group comes first, rather than, say, a large PNG
    // that the preview could only show in part.
    const std::size_t first = GridImage(*shown, GetSystemMetrics(SM_CXICON)).value_or(0);
    SelectOnly(Item(IDC_IMAGES), first);
    ShowImage(first);
  }
}

void BrowserWindow::ShowImage(std::optional<std::size_t> image) {
  if (image == image_) return;
  image_ = image;
  const IconImage* shown = nullptr;
  if (file_ && group_ && image && *image < file_->icons.groups[*group_].images.size()) {
    shown = &file_->icons.groups[*group_].images[*image];
  }
  preview_.Show(Item(IDC_PREVIEW), shown);
}

void BrowserWindow::OnNotify(const NMHDR& header) {
  if (filling_ || header.code != LVN_ITEMCHANGED) return;
  if ((reinterpret_cast<const NMLISTVIEW&>(header).uChanged & LVIF_STATE) == 0) return;
  if (header.idFrom == IDC_GROUPS) ShowGroup(CurrentItem(Item(IDC_GROUPS)));
  if (header.idFrom == IDC_IMAGES) ShowImage(CurrentItem(Item(IDC_IMAGES)));
}

void BrowserWindow::UpdateMenu(HMENU menu) const {
  const bool drawn = file_ && group_ && image_ && !file_->icons.groups[*group_].images[*image_].bytes.empty();
  const std::pair<int, bool> states[] = {
      {IDM_SAVE_GROUP, group_.has_value()},
      {IDM_GATHER, file_ && !SelectedItems(Item(IDC_GROUPS)).empty()},
      {IDM_COPY_IMAGE, drawn},
  };
  for (const auto& [id, enabled] : states) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
}

void BrowserWindow::OpenChosen() {
  if (const auto path = chooser_.IconSourceToOpen(hwnd())) Open(*path, 0);
}

void BrowserWindow::OpenDropped(HDROP drop) {
  UniqueHandle<DropTraits> dropped(drop);
  if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 0) return;
  // Of several files only the first is opened: the window shows one file at a time.
  std::string path(DragQueryFileA(drop, 0, nullptr, 0), '\0');
  DragQueryFileA(drop, 0, path.data(), static_cast<UINT>(path.size() + 1));
  dropped.reset();
  Open(path, 0);
}

void BrowserWindow::SaveGroup() {
  if (!file_ || !group_) return;
  const auto path = chooser_.IconFileToSave(hwnd(), ProposedIconName(*file_, *group_));
  if (!path) return;
  const WaitCursor wait;
  SetStatus(SaveGroupAsIcon(*file_, *group_, *path).status);
}

void BrowserWindow::Gather() {
  const std::vector<std::size_t> chosen = SelectedItems(Item(IDC_GROUPS));
  if (!file_ || chosen.empty()) return;
  const auto path = chooser_.LibraryToSave(hwnd(), FileTitle(file_->path) + " gathered.icl");
  if (!path) return;
  const WaitCursor wait;
  SetStatus(GatherIntoLibrary(*file_, chosen, *path).status);
}

void BrowserWindow::CopyImage() {
  if (!file_ || !group_ || !image_) return;
  const IconImage& image = file_->icons.groups[*group_].images[*image_];
  const std::string what = "Image " + std::to_string(*image_ + 1) + " of group " + file_->labels[*group_];
  if (CopyImageToClipboard(hwnd(), image)) {
    SetStatus(what + " copied to the clipboard.");
  } else if (image.encoding == ImageEncoding::Png) {
    SetStatus(what + " is stored as PNG, which cannot be copied as a bitmap.");
  } else {
    SetStatus(what + " could not be copied to the clipboard.");
  }
}

bool BrowserWindow::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDM_OPEN: OpenChosen(); return true;
    case IDM_SAVE_GROUP: SaveGroup(); return true;
    case IDM_GATHER: Gather(); return true;
    case IDM_COPY_IMAGE: CopyImage(); return true;
    case IDM_ABOUT: AboutBox().Show(instance_, hwnd()); return true;
    case IDM_EXIT:
    case IDCANCEL:  // Escape and the close box
      End(0);
      return true;
    default: return false;
  }
}

bool BrowserWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  // Handled messages answer TRUE: the dialog's default handling has nothing to add.
  result = TRUE;
  switch (message) {
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return false;
    case WM_SIZE: Layout(); return true;
    case WM_GETMINMAXINFO:
      if (minimum_.cx == 0) return false;
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {minimum_.cx, minimum_.cy};
      return true;
    case WM_INITMENUPOPUP: UpdateMenu(GetMenu(hwnd())); return true;
    case WM_DROPFILES: OpenDropped(reinterpret_cast<HDROP>(wParam)); return true;
    default: return false;
  }
}

bool BrowserWindow::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_PREVIEW) return false;
  preview_.Draw(item);
  return true;
}

}  // namespace gd::glintview
