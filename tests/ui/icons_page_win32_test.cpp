// The Icons & Cursors page over the Windows XP machine under Wine (null display driver): its
// tabs list what the catalogue builds, and changes by picker, cursor dialog and drop reach the
// slots, the status line and the main window; the animated-cursor preview advances.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <deque>
#include <tuple>

#include "catalogue/builders.h"
#include "iconfmt/icon_bytes.h"
#include "support/catalogue_harness.h"
#include "support/dialog_driver_win32.h"
#include "support/scratch_folder.h"
#include "support/windows_machines.h"
#include "ui/icons_page_win32.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

class ScriptedPicker final : public IconPicker {
 public:
  std::deque<std::tuple<PickResult, std::string, int>> answers;
  std::vector<std::string> asked;
  PickResult ChangeIcon(std::string& file, int& index, const std::string& slotName) override {
    asked.push_back(slotName + ": " + file + "," + std::to_string(index));
    auto [result, chosen, chosenIndex] = answers.front();
    answers.pop_front();
    if (result == PickResult::Chosen) file = chosen, index = chosenIndex;
    return result;
  }
};

class CursorChoice final : public FileChoosers {
 public:
  std::optional<std::string> cursor;
  std::optional<std::string> ChangeCursor(const std::string&, const std::string&) override { return cursor; }
  std::optional<std::string> OpenPackage(const std::string&) override { return std::nullopt; }
  std::optional<std::string> InstallArchive(const std::string&) override { return std::nullopt; }
  std::optional<std::string> SavePackage(const std::string&) override { return std::nullopt; }
  std::optional<std::string> InstallPlugin(const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChooseArchiveName(const std::string&, const std::string&) override { return std::nullopt; }
};

class CountingHost final : public IconsPageHost {
 public:
  void SlotsChanged(bool needCacheRebuild) override { ++changes, rebuild |= needCacheRebuild; }
  int changes = 0;
  bool rebuild = false;
};

// Drops a file on a window as Explorer does: a DROPFILES block naming it, at a point.
void SendDrop(HWND target, POINT at, const std::string& file) {
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + file.size() + 2);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = at;
  std::copy(file.begin(), file.end(), reinterpret_cast<char*>(drop + 1));
  GlobalUnlock(memory);
  SendMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

std::string TextOf(HWND window) {
  char text[600] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The XP machine's catalogue, and the page over it in a plain window.
struct Page : test::CatalogueHarness {
  using test::CatalogueHarness::catalogue;
  using test::CatalogueHarness::prompt;
  using test::CatalogueHarness::backend;
  Page() {
    frame = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 500, nullptr, nullptr,
                            nullptr, nullptr);
    EXPECT_TRUE(page.Create(GetModuleHandleA(nullptr), frame, true));
    ShowWindow(page.hwnd(), SW_SHOW);
  }
  ~Page() { DestroyWindow(frame); }
  HWND Item(int id) const { return GetDlgItem(page.hwnd(), id); }
  void ShowTab(Category category) {
    SendMessageA(Item(IDC_CATEGORY_TABS), TCM_SETCURSEL, static_cast<int>(category), 0);
    NMHDR change{Item(IDC_CATEGORY_TABS), IDC_CATEGORY_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(page.hwnd(), WM_NOTIFY, IDC_CATEGORY_TABS, reinterpret_cast<LPARAM>(&change));
  }
  HWND List(int id) const { return Item(id); }
  std::vector<std::string> Texts(int id) const {
    std::vector<std::string> texts;
    for (int i = 0; i < SendMessageA(List(id), LB_GETCOUNT, 0, 0); ++i) {
      char text[300] = {};
      SendMessageA(List(id), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      texts.emplace_back(text);
    }
    return texts;
  }
  const IconSlot& Slot(Category category, int item) { return *catalogue->Entries(category)[item].slot; }
  // The slot selected in the Files list.
  const IconSlot* Selected() {
    const HWND list = List(IDC_LIST_FILES);
    const auto at = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (at < 0) return nullptr;
    return catalogue->Entries(Category::Files)[SendMessageA(list, LB_GETITEMDATA, at, 0)].slot.get();
  }
  void Select(int list, int item) {
    SendMessageA(List(list), LB_SETCURSEL, item, 0);
    SendMessageA(page.hwnd(), WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(List(list)));
  }
  void Command(int id) { SendMessageA(page.hwnd(), WM_COMMAND, id, 0); }
  // Drops a file on an item of a list.
  void Drop(int list, int item, const std::string& file) {
    RECT place{};
    SendMessageA(List(list), LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&place));
    POINT at{place.left + 30, place.top + 20};
    MapWindowPoints(List(list), page.hwnd(), &at, 1);
    SendDrop(page.hwnd(), at, file);
  }

  ScriptedPicker picker;
  CursorChoice choosers;
  CountingHost host;
  HWND frame = nullptr;
  IconsPage page{IconsServices{Machine(), picker, choosers, prompt, host}};

 private:
  SlotCatalogue& Machine() {
    EXPECT_EQ(version_test::kWinXp.LoadInto(backend), "");
    version_test::kWinXp.setUpShell(shell, &ini);
    SlotCatalogue& built = MakeCatalogue(version_test::MachineInputs(version_test::kWinXp, registry));
    InstallBuilders(built);
    return built;
  }
};

TEST(IconsPage, EveryTabListsTheCatalogueInItsOrder) {
  Page page;
  EXPECT_EQ(SendMessageA(page.Item(IDC_CATEGORY_TABS), TCM_GETITEMCOUNT, 0, 0), 8);
  EXPECT_FALSE(IsWindowEnabled(page.Item(IDC_DRIVE_MODE))) << "one drive list on XP";
  const int lists[] = {IDC_LIST_DESKTOP, IDC_LIST_START,  IDC_LIST_FOLDERS, IDC_LIST_DRIVES,
                       IDC_LIST_OTHERS,  IDC_LIST_FILES, IDC_LIST_CURSORS, IDC_LIST_QUICK_LAUNCH};
  for (int tab = 0; tab < 8; ++tab) {
    const auto category = static_cast<Category>(tab);
    page.ShowTab(category);
    EXPECT_TRUE(IsWindowVisible(page.List(lists[tab])));
    std::vector<std::string> names;
    for (const auto& entry : page.catalogue->Entries(category)) names.push_back(entry.name);
    if (category == Category::QuickLaunch) std::sort(names.begin(), names.end(), [](auto& a, auto& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
    EXPECT_FALSE(names.empty()) << tab;
    EXPECT_EQ(page.Texts(lists[tab]), names) << tab;
  }
  // The status line names the pending icon, or says that it cannot be drawn.
  page.ShowTab(Category::Desktop);
  page.Select(IDC_LIST_DESKTOP, 0);
  page.picker.answers = {{PickResult::Chosen, "C:\\windows\\system32\\shell32.dll", 3},
                         {PickResult::Chosen, "C:\\Gone\\gone.ico", 0}};
  page.Command(IDC_CHANGE);
  EXPECT_EQ(TextOf(page.Item(IDC_SLOT_STATUS)), "File Name: C:\\windows\\system32\\shell32.dll,3");
  page.Command(IDC_CHANGE);
  UpdateWindow(page.List(IDC_LIST_DESKTOP));
  page.Select(IDC_LIST_DESKTOP, 0);
  EXPECT_EQ(TextOf(page.Item(IDC_SLOT_STATUS)), "Missing or invalid graphic configured for this icon");
  // Hiding the Quick Launch tab takes it away.
  page.page.ShowQuickLaunchTab(false);
  EXPECT_EQ(SendMessageA(page.Item(IDC_CATEGORY_TABS), TCM_GETITEMCOUNT, 0, 0), 7);
}

TEST(IconsPage, ThePickerAndDropsChangeTheSlotAndAskForApplyOnce) {
  test::ScratchFolder folder;
  const test::Bytes ico = test::IcoFile({test::BitmapImage({})});
  const std::string icon = folder.Write("Blue.ico", std::string_view(reinterpret_cast<const char*>(ico.data()), ico.size()));
  const std::string text = folder.Write("Notes.txt", "no icons here");
  Page page;
  page.ShowTab(Category::Desktop);
  page.Select(IDC_LIST_DESKTOP, 0);
  const IconSlot& slot = page.Slot(Category::Desktop, 0);
  const std::string current = slot.iconPath;
  page.picker.answers = {{PickResult::Cancelled, "", 0},
                         {PickResult::Chosen, icon, 0},
                         {PickResult::Chosen, icon, 0},
                         {PickResult::RestoreCurrent, "", 0}};
  page.Command(IDC_CHANGE);
  EXPECT_EQ(page.host.changes, 0) << "cancelled";
  page.Command(IDC_CHANGE);
  EXPECT_TRUE(slot.iconPath == icon && slot.IsChanged());
  EXPECT_EQ(page.host.changes, 1);
  EXPECT_FALSE(page.host.rebuild) << "desktop icons need no cache rebuild";
  page.Command(IDC_CHANGE);
  EXPECT_EQ(page.host.changes, 1) << "the icon already pending changes nothing";
  EXPECT_EQ(page.picker.asked[2], page.catalogue->Entries(Category::Desktop)[0].name + ": " + icon + ",0");
  page.Command(IDC_CHANGE);
  EXPECT_TRUE(slot.iconPath == current && !slot.IsChanged()) << "restored to the current icon";

  // Drops: an icon file on the item under the pointer; files without icons are refused.
  page.Drop(IDC_LIST_DESKTOP, 1, icon);
  EXPECT_EQ(page.Slot(Category::Desktop, 1).iconPath, icon);
  EXPECT_EQ(SendMessageA(page.List(IDC_LIST_DESKTOP), LB_GETCURSEL, 0, 0), 1);
  page.Drop(IDC_LIST_DESKTOP, 2, text);
  ASSERT_EQ(page.prompt.requests.size(), 1u);
  EXPECT_EQ(page.prompt.requests[0].text, "No icons found in \"" + text + "\".");
  // Windows' limit: a name of 259 characters is taken, a longer one is refused and told.
  const std::string folderPath = folder.path() + "\\";
  const std::string longest = folder.Write(std::string(259 - folderPath.size() - 4, 'n') + ".ico",
                                           std::string_view(reinterpret_cast<const char*>(ico.data()), ico.size()));
  ASSERT_EQ(longest.size(), 259u);
  page.Drop(IDC_LIST_DESKTOP, 3, longest);
  EXPECT_EQ(page.Slot(Category::Desktop, 3).iconPath, longest);
  const std::string tooLong = folderPath + std::string(260 - folderPath.size() - 4, 'n') + ".ico";
  page.Drop(IDC_LIST_DESKTOP, 4, tooLong);
  EXPECT_NE(page.Slot(Category::Desktop, 4).iconPath, tooLong);
  EXPECT_EQ(page.prompt.requests.back().text.find("The name of this file is too long"), 0u);
  page.ShowTab(Category::Cursors);
  page.Drop(IDC_LIST_CURSORS, 0, icon);
  EXPECT_EQ(page.prompt.requests.back().text, "Invalid cursor file.");
  page.ShowTab(Category::Folders);
  page.picker.answers = {{PickResult::Chosen, icon, 0}};
  page.Command(IDC_CHANGE);
  EXPECT_TRUE(page.host.rebuild) << "XP caches folder icons";
}

// Add Format: the registered types are offered, a protected one is refused, a dropped file's
// type is added to "file icons.ini" and shows, selected, in the rebuilt Files list.
TEST(IconsPage, AddFormatRefusesProtectedTypesAndAddsADroppedFilesType) {
  Page page;
  page.backend.PutText(RegRoot::ClassesRoot, ".lnk", "", "lnkfile");
  page.ShowTab(Category::Files);
  EXPECT_TRUE(IsWindowVisible(page.Item(IDC_ADD_FORMAT)));
  test::DialogDriver driver([] { return FindWindowA(nullptr, "Add File Format"); }, [&](HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_FORMAT_LIST);
    LVFINDINFOA find{LVFI_STRING, "LNK", 0, {}, 0};
    const int shortcut = ListView_FindItem(list, -1, &find);
    ASSERT_GE(shortcut, 0) << "the XP machine registers shortcuts";
    EXPECT_GT(ListView_GetItemCount(list), 5);
    ListView_SetItemState(list, shortcut, LVIS_SELECTED, LVIS_SELECTED);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(dialog)) << "refused: the dialog stays";
    SendDrop(dialog, POINT{5, 5}, "C:\\Notes\\plan.glim");
    const int added = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    char text[32] = {};
    ListView_GetItemText(list, added, 0, text, sizeof text);
    EXPECT_STREQ(text, "glim");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  }, IDCANCEL);
  page.Command(IDC_ADD_FORMAT);
  ASSERT_TRUE(driver.acted());
  ASSERT_EQ(page.prompt.requests.size(), 1u);
  EXPECT_EQ(page.prompt.requests[0].text, "You cannot change the icon for this file type. Please select another and try again.");
  const IconSlot* slot = page.Selected();
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->fileType, ".glim");
  EXPECT_TRUE(slot->flags & slotflag::kAddedFormat);
}

TEST(IconsPage, AnAnimatedCursorPlaysInThePreview) {
  test::ScratchFolder folder;
  const test::Bytes frame0 = test::IcoFile({test::BitmapImage({.fill = 1})}, 2);
  const test::Bytes frame1 = test::IcoFile({test::BitmapImage({.fill = 2})}, 2);
  const test::Bytes ani = test::Riff({test::AniHeader(2, 2, 1), test::FrameList({frame0, frame1})});
  const std::string busy = folder.Write("Busy.ani", std::string_view(reinterpret_cast<const char*>(ani.data()), ani.size()));
  Page page;
  page.ShowTab(Category::Cursors);
  page.Select(IDC_LIST_CURSORS, 0);
  EXPECT_FALSE(IsWindowVisible(page.Item(IDC_CURSOR_PREVIEW)));
  page.choosers.cursor = busy;
  page.Command(IDC_CHANGE);
  EXPECT_EQ(page.Slot(Category::Cursors, 0).iconPath, busy);
  EXPECT_TRUE(IsWindowVisible(page.Item(IDC_CURSOR_PREVIEW)));
  const auto frameShown = [&] { return SendMessageA(page.Item(IDC_CURSOR_PREVIEW), STM_GETICON, 0, 0); };
  const auto first = frameShown();
  EXPECT_NE(first, 0);
  SendMessageA(page.page.hwnd(), WM_TIMER, 1, 0);
  EXPECT_NE(frameShown(), first);
  SendMessageA(page.page.hwnd(), WM_TIMER, 1, 0);
  EXPECT_EQ(frameShown(), first) << "the frames wrap";
}

}  // namespace
}  // namespace gd
