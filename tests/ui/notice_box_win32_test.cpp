// The real notice box run modally (invisibly, with Wine's null driver): a timer inside its
// modal loop looks at the opened box and answers it as a user would.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/dialog_driver_win32.h"
#include "ui/notice_box_win32.h"

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

// What the box showed: caption, text, its buttons left to right as "label:identifier" ("-"
// when hidden), then "icon" and "check box" when those were shown; and its answer.
struct Shown {
  INT_PTR answer = 0;
  std::vector<std::string> looks;
  std::string text;
};
Shown ShowBox(const std::string& text, const std::string& caption, std::uint32_t flags, std::function<void(HWND)> act) {
  Shown shown;
  test::DialogDriver driver(FindNoticeBox, [&](HWND box) {
    shown.looks.push_back(TextOf(box));
    shown.text = TextOf(GetDlgItem(box, 1074));
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
  EXPECT_EQ(shown.text, "Apply all the icons?");
  EXPECT_EQ(shown.looks, (Looks{"Apply Glimmerkit", "Yes:6", "No:7", "Cancel:2", "icon", "check box", "default 6"}))
      << "Enter answers with the first button's new identifier";
  // Ticking does not close the box; Escape answers Cancel with the tick added.
  shown = ShowBox("Apply?", "", 0x01000043, [](HWND box) {
    Click(box, 1073);
    PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(shown.answer, 0x01000002);
  shown = ShowBox("Done.", "", 0x01000040, [](HWND box) { PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0); });
  EXPECT_EQ(shown.answer, 1);
  EXPECT_EQ(shown.looks, (Looks{"Glimmerdeck", "OK:1", "-", "-", "icon", "check box", "default 1"}));
  // Without the flag the check box is hidden and a tick does not count; texts are cut.
  shown = ShowBox(std::string(1200, 'x'), std::string(150, 'c'), 0x04, [](HWND box) {
    SendDlgItemMessageA(box, 1073, BM_SETCHECK, BST_CHECKED, 0);
    Click(box, 6);
  });
  EXPECT_EQ(shown.answer, 6);
  EXPECT_EQ(shown.text, std::string(999, 'x'));
  EXPECT_EQ(shown.looks, (Looks{std::string(99, 'c'), "Yes:6", "No:7", "-", "default 6"}));
}

TEST(NoticeBoxDialog, ShowsTheRequestOverItsOwnerAndReportsTheAnswerAndTheTick) {
  const HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  HWND seenOwner = nullptr;
  test::DialogDriver driver(FindNoticeBox, [&](HWND box) {
    seenOwner = GetWindow(box, GW_OWNER);
    Click(box, 1073);
    Click(box, 6);
  }, -2);
  const NoticeResult result = NoticeBoxDialog(owner).Show({"Apply?", "", PromptIcon::Information, PromptButtons::YesNoCancel});
  EXPECT_TRUE(driver.acted());
  EXPECT_EQ(result.answer, PromptAnswer::Yes);
  EXPECT_TRUE(result.doNotShowAgain);
  EXPECT_EQ(seenOwner, owner);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace gd
