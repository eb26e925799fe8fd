// The real dialogs run modally (invisibly, with Wine's null driver): a timer inside the modal
// loop looks at the open dialog and answers it as a user would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "iconfmt/icon_bytes.h"
#include "platform/ini_win32.h"
#include "support/dialog_driver_win32.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompt.h"
#include "ui/about_dialog_win32.h"
#include "ui/help_topics.h"
#include "ui/notice_box_win32.h"
#include "ui/page_list_win32.h"
#include "ui/package_info_dialog_win32.h"
#include "ui/plugins_dialog_win32.h"
#include "ui/preview_window_win32.h"
#include "ui/resource_ids.h"
#include "ui/web_links.h"

namespace gd {
namespace {

// The open box: the one window of this thread with the notice text (1074).
HWND FindNoticeBox() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) -> BOOL {
    if (GetDlgItem(window, 1074)) *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
  }, reinterpret_cast<LPARAM>(&found));
  return found;
}
void Click(HWND box, int id) { SendDlgItemMessageA(box, id, BM_CLICK, 0, 0); }
std::string TextOf(HWND window) {
  char text[1200] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}
bool Visible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// What the box showed: caption, text, buttons as "label:identifier" ("-" when hidden), then
// "icon" and "check box" when shown, and the default button; and its answer.
struct Shown {
  INT_PTR answer = 0;
  std::vector<std::string> looks;
};
Shown ShowBox(const std::string& text, const std::string& caption, std::uint32_t flags, std::function<void(HWND)> act) {
  Shown shown;
  test::DialogDriver driver(FindNoticeBox, [&](HWND box) {
    shown.looks = {TextOf(box), TextOf(GetDlgItem(box, 1074))};
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      char className[16] = {};
      GetClassNameA(child, className, sizeof className);
      if (lstrcmpiA(className, "Button") != 0 || GetDlgCtrlID(child) == 1073) continue;
      shown.looks.push_back(Visible(child) ? TextOf(child) + ":" + std::to_string(GetDlgCtrlID(child)) : "-");
    }
    if (SendDlgItemMessageA(box, 1079, STM_GETICON, 0, 0)) shown.looks.push_back("icon");
    if (Visible(GetDlgItem(box, 1073))) shown.looks.push_back("check box");
    shown.looks.push_back("default " + std::to_string(LOWORD(SendMessageA(box, DM_GETDEFID, 0, 0))));
    act(box);
  }, -2);
  NoticeDialog box;
  box.SetNotice(text, caption, flags);
  shown.answer = box.Show(nullptr);
  EXPECT_TRUE(driver.acted());
  return shown;
}

using Looks = std::vector<std::string>;

TEST(NoticeBox, ShowsItsLabelsIconAndCheckBoxAndAnswersWithTheButtonAndTheTick) {
  // Information with Yes, No and Cancel, offering the check box (flag 0x01000000).
  Shown shown = ShowBox("Apply all the icons?", "Apply Glimmerkit", 0x01000043, [](HWND box) { Click(box, 7); });
  EXPECT_EQ(shown.answer, 7);
  EXPECT_EQ(shown.looks, (Looks{"Apply Glimmerkit", "Apply all the icons?", "Yes:6", "No:7", "Cancel:2", "icon",
                                 "check box", "default 6"})) << "Enter answers with the first button's new identifier";
  // Without the flag the check box is hidden and a tick does not count; texts are cut.
  shown = ShowBox(std::string(1200, 'x'), std::string(150, 'c'), 0x04, [](HWND box) {
    SendDlgItemMessageA(box, 1073, BM_SETCHECK, BST_CHECKED, 0);
    Click(box, 6);
  });
  EXPECT_EQ(shown.answer, 6);
  EXPECT_EQ(shown.looks, (Looks{std::string(99, 'c'), std::string(999, 'x'), "Yes:6", "No:7", "-", "default 6"}));
  // Through the notice service: ticking does not close the box; Escape answers Cancel, ticked.
  test::DialogDriver driver(FindNoticeBox, [](HWND box) {
    Click(box, 1073);
    PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
  }, -2);
  const NoticeResult result = NoticeBoxDialog().Show({"Apply?", "", PromptIcon::Information, PromptButtons::YesNoCancel});
  EXPECT_EQ(result.answer, PromptAnswer::Cancel);
  EXPECT_TRUE(driver.acted() && result.doNotShowAgain);
}

constexpr const char* kPackage = "C:\\Themes\\Blue\\Blue.gdtheme";

TEST(PackageInfoDialog, OkStoresWhatIsShownAndCancelWritesNothing) {
  for (const bool ok : {false, true}) {
    test::MemoryRegistry backend;
    Registry registry(backend);
    test::MemoryIni ini;
    backend.PutText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", "Ada Owner");
    // The owner is offered only to a package without information.
    if (!ok) ini.WriteString(kPackage, "Package Info", "Comments", "kept");
    char author[100] = {}, comments[100] = {};
    test::DialogDriver driver([] { return FindWindowA("#32770", "Blue Package Info"); }, [&](HWND dialog) {
      GetDlgItemTextA(dialog, 1059, author, sizeof author);
      GetDlgItemTextA(dialog, 1058, comments, sizeof comments);
      SetDlgItemTextA(dialog, 1058, "first\r\nsecond\r\nthird");
      SendMessageA(dialog, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
    }, IDCANCEL);
    EXPECT_EQ(PackageInfoDialog(ini, registry, kPackage).Show(GetModuleHandleA(nullptr), nullptr), ok);
    EXPECT_STREQ(author, ok ? "Ada Owner" : "");
    EXPECT_STREQ(comments, ok ? "" : "kept");
    std::array<char, 100> stored{};
    ini.GetString(kPackage, "Package Info", "Comments", "", stored);
    EXPECT_STREQ(stored.data(), ok ? "first second third" : "kept");
    ini.GetString(kPackage, "Package Info", "Author", "", stored);
    EXPECT_STREQ(stored.data(), ok ? "Ada Owner" : "");
    EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck", "Package Author"), ok ? "Ada Owner" : "ERROR");
  }
}

// F1 in one of a dialog's controls asks the window at the root of the dialog's owners (the
// main window, which knows the help file) for the dialog's own topic.
TEST(PackageInfoDialog, F1AsksTheMainWindowForTheDialogsHelpTopic) {
  static std::string asked;
  WNDCLASSA type{};
  type.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == kShowHelpTopic) asked = reinterpret_cast<const char*>(lParam);
    return DefWindowProcA(window, message, wParam, lParam);
  };
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = "HelpAskingOwner";
  RegisterClassA(&type);
  const HWND owner = CreateWindowExA(0, type.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                     nullptr, type.hInstance, nullptr);
  test::MemoryRegistry backend;
  Registry registry(backend);
  test::MemoryIni ini;
  test::DialogDriver driver([] { return FindWindowA("#32770", "Blue Package Info"); }, [](HWND dialog) {
    // What the system sends for the key: WM_HELP to the control with the focus, which passes
    // it on to its dialog.
    const HWND control = GetDlgItem(dialog, IDC_INFO_COMMENTS);
    HELPINFO info{sizeof info, HELPINFO_WINDOW, IDC_INFO_COMMENTS, control, 0, {}};
    SendMessageA(control, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }, IDCANCEL);
  EXPECT_FALSE(PackageInfoDialog(ini, registry, kPackage).Show(GetModuleHandleA(nullptr), owner));
  EXPECT_EQ(asked, help::kPackageInfo);
  DestroyWindow(owner);
}

std::vector<std::string> opened;
bool RecordOpen(const std::string& address) { return opened.push_back(address), true; }

TEST(AboutDialog, ShowsTheVersionAndItsLinksTurnRedUnderTheMouseAndOpenTheirAddress) {
  std::string version;
  bool hoverCaptured = false, releasedOutside = false;
  test::DialogDriver driver([] { return FindWindowA("#32770", "About Glimmerdeck"); }, [&](HWND about) {
    version = TextOf(GetDlgItem(about, IDC_ABOUT_VERSION));
    const HWND link = GetDlgItem(about, IDC_LINK_WEB_SITE);
    SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    hoverCaptured = GetCapture() == link;
    SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(-5, 300));
    releasedOutside = GetCapture() == nullptr;
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    SendDlgItemMessageA(about, IDC_LINK_EMAIL, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(about, WM_COMMAND, IDOK, 0);
  }, IDOK);
  EXPECT_EQ(AboutDialog("ERROR", &RecordOpen).RunModal(GetModuleHandleA(nullptr), IDD_ABOUT, nullptr), IDOK);
  EXPECT_EQ(version, "Version: ERROR");
  EXPECT_TRUE(hoverCaptured && releasedOutside);
  EXPECT_EQ(opened, (std::vector<std::string>{kWebSiteAddress, kSupportMailAddress}));
}

// The page list's label font: a share of the list's height, as long as the labels fit.
TEST(PageList, TheLabelFontGrowsWithTheListButNeverPastWhatFitsItsButtons) {
  const auto fontFor = [](int width, int height) {
    const HWND list = CreateWindowA("LISTBOX", "", WS_POPUP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, 0, 0,
                                    width, height,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PageList pages;
    pages.Attach(list);
    const HDC dc = GetDC(list);
    const int font = pages.LabelFontHeight(dc, width);
    ReleaseDC(list, dc);
    DestroyWindow(list);
    return font;
  };
  EXPECT_EQ(fontFor(600, 548), 30) << "80 would put two lines of \"Icons and Cursors\" over the picture";
  EXPECT_EQ(fontFor(900, 137), 20) << "20/137 of the height while it fits";
  const int own = fontFor(100, 325);
  EXPECT_GE(own, 10);
  EXPECT_LT(own, 325 * 20 / 137) << "at the program's own size the labels set the limit";
}

// Answers the plugin chooser from a list, as the user would pick files.
class PluginChoices final : public FileChoosers {
 public:
  std::deque<std::string> answers;
  std::optional<std::string> InstallPlugin(const std::string&) override {
    if (answers.empty()) return std::nullopt;
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> OpenPackage(const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChangeCursor(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> InstallArchive(const std::string&) override { return std::nullopt; }
  std::optional<std::string> SavePackage(const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChooseArchiveName(const std::string&, const std::string&) override { return std::nullopt; }
};

TEST(PluginsDialog, ListsTicksInstallsRefusesNonPluginsAndOkKeepsTheTicks) {
  test::ScratchFolder folder;
  const std::string plugin = "[Application Info]\r\nLocation=0\r\nCLSID={A}\r\n";
  folder.Write("Plugins\\Tool.gdp", plugin + "Comments=Adds the tool.\r\n");
  folder.Write("Plugins\\beta.gdp", plugin);
  const std::string extra = folder.Write("Downloads\\Extra.gdp", plugin);
  const std::string notes = folder.Write("Downloads\\Notes.gdp", "[Application Info]\r\nLocation=0\r\n");
  test::MemoryRegistry backend;
  Registry registry(backend);
  SettingsStore settings(registry);
  settings.SetPluginEnabled("beta.gdp", true);
  PluginManager manager(registry, SystemIni(), SystemShell(), folder.path());
  PluginChoices choices;
  choices.answers = {notes, extra};
  test::ScriptedPrompt prompt;
  auto run = [&](std::function<void(HWND)> act) {
    PluginsDialog dialog(manager, choices, prompt, folder / "Plugins");
    test::DialogDriver driver([] { return FindWindowA(nullptr, "Plugins"); }, std::move(act), IDCANCEL);
    return dialog.RunModal(GetModuleHandleA(nullptr), IDD_PLUGINS, nullptr);
  };
  auto lines = [](HWND list) {
    std::string text;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
      char title[100] = {};
      ListView_GetItemText(list, i, 0, title, sizeof title);
      text += std::string(title) + (ListView_GetCheckState(list, i) ? "+" : "-") +
              (ListView_GetItemState(list, i, LVIS_SELECTED) ? "*" : "") + " ";
    }
    return text;
  };
  EXPECT_EQ(run([&](HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_PLUGIN_LIST);
    EXPECT_EQ(lines(list), "beta+* Tool- ");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_PLUGIN_DESCRIPTION)), "Description: None");
    Click(dialog, IDC_PLUGIN_BROWSE);
    EXPECT_EQ(lines(list), "beta+* Tool- ") << "no CLSID: not a plugin";
    ListView_SetCheckState(list, 0, FALSE);
    Click(dialog, IDC_PLUGIN_BROWSE);
    EXPECT_EQ(lines(list), "beta- Extra+* Tool- ");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_PLUGIN_DESCRIPTION)), "Description: None");
    Click(dialog, IDOK);
  }), IDOK);
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text.substr(0, 40), "'Notes.gdp' is not a Glimmerdeck plugin:");
  EXPECT_TRUE(test::ReadFile(folder / "Plugins\\Extra.gdp") == plugin && !std::filesystem::exists(folder / "Plugins\\Notes.gdp"));
  EXPECT_TRUE(settings.IsPluginEnabled("Extra.gdp") && !settings.IsPluginEnabled("beta.gdp"));

  // Cancel keeps the stored choices, whatever was ticked.
  EXPECT_EQ(run([&](HWND dialog) {
    ListView_SetCheckState(GetDlgItem(dialog, IDC_PLUGIN_LIST), 2, TRUE);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_PLUGIN_DESCRIPTION)), "Description: None") << "beta, the first";
    Click(dialog, IDCANCEL);
  }), IDCANCEL);
  EXPECT_FALSE(settings.IsPluginEnabled("Tool.gdp"));
}

class ClosedPreview final : public PreviewHost {
 public:
  void PreviewClosed() override { ++closed; }
  int closed = 0;
};

std::vector<std::string> ListViewTexts(HWND list) {
  std::vector<std::string> texts;
  for (int i = 0; i < ListView_GetItemCount(list); ++i) {
    char text[100] = {};
    ListView_GetItemText(list, i, 0, text, sizeof text);
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = i;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    texts.push_back(std::string(text) + (item.iImage >= 0 ? "" : " (no picture)"));
  }
  return texts;
}

// The Preview window over a package of real icon files: categories, the format chosen from the
// shell's icon size and kept across categories, icons without that format, the clipboard copy
// read back, and the place it is left at kept for the next time.
TEST(PreviewWindow, ShowsTheCategoriesInTheShellsFormatAndCopiesAnImage) {
  test::ScratchFolder folder;
  auto icon = [&](const std::string& name, const std::vector<test::Bytes>& images) {
    const test::Bytes bytes = test::IcoFile(images);
    folder.Write("Night\\" + name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  };
  icon("Night.ico", {test::BitmapImage({.width = 16, .height = 16, .bitCount = 8}), test::BitmapImage({})});
  icon("Small.ico", {test::BitmapImage({.width = 16, .height = 16, .bitCount = 8})});
  const std::string package = folder.Write("Night\\Night.gdtheme",
      "[Package Info]\r\nAuthor=A. Tester\r\n[Desktop Icons]\r\nMy Computer=%ThemeDir%Night.ico,0\r\n"
      "Recycle Bin (full)=%ThemeDir%Missing.ico\r\n[Folder Icons]\r\nClosed Folder=%ThemeDir%Small.ico\r\n");
  test::MemoryRegistry backend;
  Registry registry(backend);
  registry.WriteRegString(RegRoot::CurrentUser, "Control Panel\\desktop\\WindowMetrics", "Shell Icon Size", "16");
  test::ScriptedPrompt prompt;
  ClosedPreview host;
  {
    PreviewWindow preview(host, SystemIni(), registry, prompt);
    ASSERT_TRUE(preview.Create(GetModuleHandleA(nullptr), nullptr, true));
    const HWND window = preview.hwnd();
    const HWND icons = GetDlgItem(window, IDC_PREVIEW_ICONS);
    const HWND formats = GetDlgItem(window, IDC_PREVIEW_FORMATS);
    const HWND toolbar = GetDlgItem(window, IDC_PREVIEW_TOOLBAR);
    preview.ShowPackage(package);
    EXPECT_EQ(TextOf(window), "Night Preview (General Icons)");
    EXPECT_EQ(TextOf(formats), "16 x 16,  256 colors") << "the shell's size";
    EXPECT_EQ(SendMessageA(formats, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ListViewTexts(icons), (std::vector<std::string>{"Closed Folder", "Recycle Bin (full) (no picture)", "My Computer"}));
    EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONENABLED, IDC_PREVIEW_PREVIOUS, 0));

    SendMessageA(formats, CB_SETCURSEL, 1, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_PREVIEW_FORMATS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(formats));
    EXPECT_EQ(ListViewTexts(icons)[0], "Closed Folder (no picture)") << "Small.ico has no 32-pixel image";
    SendMessageA(window, WM_COMMAND, IDM_PREVIEW_NEXT, 0);
    EXPECT_EQ(TextOf(window), "Night Preview (Desktop Icons)");
    EXPECT_EQ(TextOf(formats), "32 x 32,  16 colors") << "kept across categories";
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, IDC_PREVIEW_PREVIOUS, 0));
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, IDC_PREVIEW_NEXT, 0));
    SendMessageA(window, WM_COMMAND, IDM_PREVIEW_NEXT, 0);
    EXPECT_EQ(TextOf(window), "Night Preview (Folder Icons)");
    EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONENABLED, IDC_PREVIEW_NEXT, 0)) << "the last category";
    EXPECT_EQ(TextOf(formats), "16 x 16,  256 colors") << "the one format there";

    SendMessageA(window, WM_COMMAND, IDC_PREVIEW_PREVIOUS, 0);
    ListView_SetItemState(icons, 1, LVIS_SELECTED, LVIS_SELECTED);  // My Computer
    SendMessageA(window, WM_COMMAND, IDM_PREVIEW_COPY, 0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(GetClipboardData(CF_DIB)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth * 1000 + header->biHeight, 16 * 1000 + 16) << "the format shown last, its colour half";
    GlobalUnlock(GetClipboardData(CF_DIB));
    CloseClipboard();
    EXPECT_TRUE(prompt.requests.empty());

    SetWindowPos(window, nullptr, 120, 80, 400, 300, SWP_NOZORDER);
    SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(host.closed, 1);
    EXPECT_FALSE(IsWindowVisible(window));
  }
  SettingsStore settings(registry);
  EXPECT_EQ(settings.ReadCoordinate(TextSetting::PreviewLeft).value_or(-1) * 1000 +
                settings.ReadCoordinate(TextSetting::PreviewWidth).value_or(-1),
            120 * 1000 + 400);
}

}  // namespace
}  // namespace gd
