// Glintview's real window under Wine (null display driver), driven through its controls and
// menu commands as a user would, with the file dialogs answered from a script; what it wrote
// is read back through the icon readers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <deque>

#include "glintview/browser_window_win32.h"
#include "glintview/resource_ids.h"
#include "glintview/start_argument.h"
#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/ico_reader.h"
#include "iconfmt/ne_reader.h"
#include "platform/unique_handle.h"
#include "support/memory_registry.h"

namespace gd::glintview {
namespace {

using namespace test;
using Texts = std::vector<std::string>;

class ScriptedChooser final : public FileChooser {
 public:
  std::deque<std::string> answers;  // given in turn; none left: the dialog is cancelled
  Texts proposed;
  std::optional<std::string> IconSourceToOpen(HWND) override { return Next(); }
  std::optional<std::string> IconFileToSave(HWND, const std::string& name) override { return proposed.push_back(name), Next(); }
  std::optional<std::string> LibraryToSave(HWND, const std::string& name) override { return proposed.push_back(name), Next(); }

 private:
  std::optional<std::string> Next() {
    if (answers.empty()) return std::nullopt;
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// 24-bit images of one grey. The mask holds the same byte: each row starts with the grey, and
// pixels under set mask bits mix with the background, so the whole image still shows.
Bytes Grey(std::uint8_t level, std::int32_t size = 32) {
  return BitmapImage({.width = size, .height = size, .bitCount = 24, .fill = level});
}
// Three groups: 48 and 32 pixels, 32 pixels, and 16 pixels.
Bytes ThreeGroupLibrary() {
  return EncodeIconLibrary(std::vector<IconGroup>{GroupOf({Grey(0x22, 48), Grey(0x11)}, "Folder"),
                                                  GroupOf({Grey(0x33)}, "Drive"), GroupOf({Grey(0x44, 16)}, "Disc")})
      .value();
}
std::string Text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

struct Browser {
  ScratchFolder folder;
  MemoryRegistry backend;
  Registry registry{backend};
  ScriptedChooser chooser;
  BrowserWindow window{registry, chooser};
  HWND hwnd = nullptr;

  Browser() {
    EXPECT_TRUE(window.Create(GetModuleHandleA(nullptr)));
    hwnd = window.hwnd();
  }
  HWND Item(int id) const { return GetDlgItem(hwnd, id); }
  void Command(int id) const { SendMessageA(hwnd, WM_COMMAND, id, 0); }
  std::string Status() const {
    char text[400] = {};
    SendMessageA(Item(IDC_STATUS), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
  }
  std::string Caption() const {
    char text[300] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
  }
  // Each row's cells joined by " | ".
  Texts Rows(int id) const {
    const HWND list = Item(id);
    const int columns = Header_GetItemCount(ListView_GetHeader(list));
    Texts rows;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
      std::string row;
      for (int c = 0; c < std::max(columns, 1); ++c) {
        char text[200] = {};
        ListView_GetItemText(list, i, c, text, sizeof text);
        row += (c ? " | " : "") + std::string(text);
      }
      rows.push_back(row);
    }
    return rows;
  }
  std::vector<int> Selected(int id) const {
    std::vector<int> items;
    for (int i = -1; (i = ListView_GetNextItem(Item(id), i, LVNI_SELECTED)) >= 0;) items.push_back(i);
    return items;
  }
  // A click on an item, with Ctrl the selection grows instead.
  void Click(int id, int item, bool control = false) const {
    if (!control) ListView_SetItemState(Item(id), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(Item(id), item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  bool MenuEnabled(int id) const {
    SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(hwnd), 0)), 0);
    return (GetMenuState(GetMenu(hwnd), static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) == 0;
  }
  // The preview as the window draws it into a bitmap of the control's size: each pixel of
  // the middle row, 0 for the window's background.
  std::vector<COLORREF> PreviewRow() const {
    const HWND preview = Item(IDC_PREVIEW);
    RECT box{};
    GetClientRect(preview, &box);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), box.right, -box.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const UniqueGdiObject bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
    DRAWITEMSTRUCT item{ODT_STATIC, IDC_PREVIEW, 0, ODA_DRAWENTIRE, 0, preview, dc.get(), box, 0};
    SendMessageA(hwnd, WM_DRAWITEM, IDC_PREVIEW, reinterpret_cast<LPARAM>(&item));
    std::vector<COLORREF> row;
    for (int x = 0; x < box.right; ++x) {
      const COLORREF pixel = GetPixel(dc.get(), x, box.bottom / 2);
      row.push_back(pixel == GetSysColor(COLOR_WINDOW) ? 0 : pixel);
    }
    SelectObject(dc.get(), previous);
    return row;
  }
};

// The columns the preview's middle row paints in, and the colour of its first painted pixel.
std::string Painted(const std::vector<COLORREF>& row) {
  const auto first = std::find_if(row.begin(), row.end(), [](COLORREF c) { return c != 0; });
  if (first == row.end()) return "nothing";
  const auto last = std::find_if(row.rbegin(), row.rend(), [](COLORREF c) { return c != 0; });
  char text[80];
  std::snprintf(text, sizeof text, "%d pixels wide from %06lx", static_cast<int>(row.rend() - last - (first - row.begin())),
                static_cast<unsigned long>(*first));
  return text;
}

TEST(GlintviewWindow, StartsOnTheNamedGroupAndShowsItsImagesAndTheChosenImageAtItsOwnSize) {
  Browser browser;
  const std::string path = browser.folder.Write("Pack.icl", Text(ThreeGroupLibrary()));
  const auto start = ParseStartArgument("\"" + path + ",2\"");
  ASSERT_TRUE(start);
  browser.window.Open(start->path, start->index);
  EXPECT_EQ(browser.Caption(), "Pack.icl - Glintview");
  EXPECT_EQ(browser.Status(), "Pack.icl: 3 groups, 4 images");
  EXPECT_EQ(browser.Rows(IDC_GROUPS), (Texts{"Folder", "Drive", "Disc"}));
  EXPECT_EQ(browser.Selected(IDC_GROUPS), std::vector<int>{2});
  EXPECT_EQ(browser.Rows(IDC_IMAGES), Texts{"1 | 16 x 16,  True colors (24-bit) | bitmap, " +
                                            std::to_string(Grey(0x44, 16).size()) + " bytes"});
  EXPECT_EQ(browser.Selected(IDC_IMAGES), std::vector<int>{0});
  EXPECT_EQ(Painted(browser.PreviewRow()), "16 pixels wide from 444444");

  browser.Click(IDC_GROUPS, 0);
  EXPECT_EQ(browser.Rows(IDC_IMAGES).size(), 2u);
  EXPECT_EQ(browser.Rows(IDC_IMAGES)[0].substr(0, 34), "1 | 48 x 48,  True colors (24-bit)");
  EXPECT_EQ(browser.Selected(IDC_IMAGES), std::vector<int>{1}) << "the image the grid shows";
  EXPECT_EQ(Painted(browser.PreviewRow()), "32 pixels wide from 111111");
  browser.Click(IDC_IMAGES, 0);
  EXPECT_EQ(Painted(browser.PreviewRow()), "48 pixels wide from 222222");
  EXPECT_TRUE(browser.MenuEnabled(IDM_COPY_IMAGE));

  // A group number the file does not have opens the file with nothing chosen.
  browser.window.Open(path, 7);
  EXPECT_EQ(browser.Status(), "Pack.icl: 3 groups, 4 images; it has no group 7.");
  EXPECT_TRUE(browser.Selected(IDC_GROUPS).empty() && browser.Rows(IDC_IMAGES).empty());
  EXPECT_EQ(Painted(browser.PreviewRow()), "nothing");
  EXPECT_FALSE(browser.MenuEnabled(IDM_SAVE_GROUP) || browser.MenuEnabled(IDM_GATHER) ||
               browser.MenuEnabled(IDM_COPY_IMAGE));
}

TEST(GlintviewWindow, SavesTheShownGroupAndGathersTheSelectedOnesSoThatTheyReadBackEqual) {
  Browser browser;
  browser.window.Open(browser.folder.Write("Pack.icl", Text(ThreeGroupLibrary())), 1);
  browser.chooser.answers = {browser.folder / "Saved", browser.folder / "Mine.icl"};
  browser.Command(IDM_SAVE_GROUP);
  EXPECT_EQ(browser.Status(), "Group Drive saved as " + browser.folder / "Saved.ico" + ".");
  const auto saved = ReadIcoFile(browser.folder / "Saved.ico");
  ASSERT_TRUE(saved);
  ASSERT_EQ(saved->groups.at(0).images.size(), 1u);
  EXPECT_EQ(saved->groups[0].images[0].bytes, Grey(0x33));

  browser.Click(IDC_GROUPS, 2);
  browser.Click(IDC_GROUPS, 0, true);
  EXPECT_EQ(browser.Rows(IDC_IMAGES).size(), 2u) << "the group clicked last shows";
  browser.Command(IDM_GATHER);
  EXPECT_EQ(browser.Status(), "2 groups gathered into " + browser.folder / "Mine.icl" + ".");
  const auto gathered = ReadLibraryIcons(browser.folder / "Mine.icl", -1, true);
  ASSERT_TRUE(gathered);
  ASSERT_EQ(gathered->groups.size(), 2u);
  EXPECT_EQ(gathered->groups[0].name + " " + gathered->groups[1].name, "Mine 1 Mine 2");
  EXPECT_EQ(gathered->groups[0].images.at(0).bytes, Grey(0x22, 48));
  EXPECT_EQ(gathered->groups[1].images.at(0).bytes, Grey(0x44, 16));
  EXPECT_EQ(browser.chooser.proposed, (Texts{"Pack Drive.ico", "Pack gathered.icl"}));

  browser.Command(IDM_GATHER);  // the dialog cancelled: nothing changes
  EXPECT_EQ(browser.Status(), "2 groups gathered into " + browser.folder / "Mine.icl" + ".");
}

TEST(GlintviewWindow, DamagedAndMissingFilesAreToldAndADroppedFileOpens) {
  Browser browser;
  EXPECT_EQ(browser.Status(), "Open an icon, cursor, icon library or program file, or drop one here.");
  EXPECT_FALSE(browser.MenuEnabled(IDM_SAVE_GROUP));
  browser.window.Open(browser.folder.Write("Pack.icl", Text(ThreeGroupLibrary())), 0);
  Bytes damaged = IcoFile({Grey(1)});
  damaged.resize(300);
  browser.window.Open(browser.folder.Write("Cut.ico", Text(damaged)), 0);
  EXPECT_EQ(browser.Status(), "Cut.ico could not be read: it is no icon, cursor or icon library, or it is damaged.");
  EXPECT_EQ(browser.Caption(), "Glintview");
  EXPECT_TRUE(browser.Rows(IDC_GROUPS).empty() && browser.Rows(IDC_IMAGES).empty()) << "the last file goes";
  browser.chooser.answers = {browser.folder / "Gone.ico"};
  browser.Command(IDM_OPEN);
  EXPECT_EQ(browser.Status(), "Gone.ico could not be read: the file is missing, cannot be opened or is too large.");

  // Two files dropped: the first opens.
  const std::string names = browser.folder.Write("One.cur", Text(IcoFile({Grey(9)}, 2))) + '\0' +
                            browser.folder / "Cut.ico" + '\0' + '\0';
  const HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(drop);
  SendMessageA(browser.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(browser.Status(), "One.cur: 1 group, 1 image");
  EXPECT_EQ(browser.Rows(IDC_GROUPS), Texts{"0"});
}

TEST(GlintviewWindow, CopyImagePutsTheChosenImageOnTheClipboardAsABitmap) {
  Browser browser;
  browser.window.Open(browser.folder.Write("Pack.icl", Text(ThreeGroupLibrary())), 0);
  browser.Click(IDC_IMAGES, 0);
  browser.Command(IDM_COPY_IMAGE);
  EXPECT_EQ(browser.Status(), "Image 1 of group Folder copied to the clipboard.");
  ASSERT_TRUE(OpenClipboard(nullptr));
  const HANDLE data = GetClipboardData(CF_DIB);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(std::vector<int>({header->biWidth, header->biHeight, header->biBitCount}), std::vector<int>({48, 48, 24}))
      << "the colour half of the image";
  GlobalUnlock(data);
  CloseClipboard();
}

TEST(GlintviewWindow, ControlsFollowTheWindowsSizeAndItsPlaceIsKept) {
  MemoryRegistry backend;
  Registry registry(backend);
  ScriptedChooser chooser;
  RECT first{};
  {
    BrowserWindow window(registry, chooser);
    ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr)));
    const HWND hwnd = window.hwnd();
    auto placeOf = [&](int id) {
      RECT rect{};
      GetWindowRect(GetDlgItem(hwnd, id), &rect);
      MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
      return rect;
    };
    RECT before{};
    GetWindowRect(hwnd, &before);
    const RECT grid = placeOf(IDC_GROUPS), images = placeOf(IDC_IMAGES), preview = placeOf(IDC_PREVIEW);
    SetWindowPos(hwnd, nullptr, 30, 40, before.right - before.left + 100, before.bottom - before.top + 60, SWP_NOZORDER);
    const RECT grownGrid = placeOf(IDC_GROUPS), grownImages = placeOf(IDC_IMAGES), grownPreview = placeOf(IDC_PREVIEW);
    EXPECT_EQ(std::vector<long>({grownGrid.right - grid.right, grownGrid.bottom - grid.bottom}), std::vector<long>({100, 30}));
    EXPECT_EQ(std::vector<long>({grownImages.top - images.top, grownImages.right - images.right}), std::vector<long>({30, 50}));
    EXPECT_EQ(grownPreview.left - grownImages.right, preview.left - images.right) << "the gap between them stays";
    EXPECT_EQ(grownPreview.bottom - preview.bottom, 60);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(placeOf(IDC_STATUS).bottom, client.bottom) << "the status bar with its grip keeps to the bottom";
    SetWindowPos(hwnd, nullptr, 0, 0, 10, 10, SWP_NOZORDER | SWP_NOMOVE);
    GetWindowRect(hwnd, &first);
    EXPECT_EQ(first.right - first.left, before.right - before.left) << "never smaller than the template";
    SetWindowPos(hwnd, nullptr, 30, 40, before.right - before.left + 100, before.bottom - before.top + 60, SWP_NOZORDER);
    GetWindowRect(hwnd, &first);
  }
  const std::string key = "Software\\Quillmoor\\Glimmerdeck\\Glintview";
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, key, "Left") + "," + registry.ReadText(RegRoot::CurrentUser, key, "Top"),
            "30,40");
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, key, "Width"), std::to_string(first.right - first.left));
  BrowserWindow again(registry, chooser);
  ASSERT_TRUE(again.Create(GetModuleHandleA(nullptr)));
  RECT second{};
  GetWindowRect(again.hwnd(), &second);
  EXPECT_EQ(std::vector<long>({second.left, second.top, second.right, second.bottom}),
            std::vector<long>({first.left, first.top, first.right, first.bottom}));
}

TEST(GlintviewWindow, ALibraryOfAThousandGroupsFillsTheGridWithOnePictureEach) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < 1000; ++g) groups.push_back(GroupOf({Grey(static_cast<std::uint8_t>(g), 16)}, "G" + std::to_string(g)));
  Browser browser;
  browser.window.Open(browser.folder.Write("Large.icl", Text(EncodeIconLibrary(groups).value())), 999);
  EXPECT_EQ(browser.Status(), "Large.icl: 1000 groups, 1000 images");
  EXPECT_EQ(ListView_GetItemCount(browser.Item(IDC_GROUPS)), 1000);
  EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(browser.Item(IDC_GROUPS), LVSIL_NORMAL)), 1000);
  EXPECT_EQ(browser.Selected(IDC_GROUPS), std::vector<int>{999});
}

}  // namespace
}  // namespace gd::glintview
