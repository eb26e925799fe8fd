// The real notice box run modally (invisibly, with Wine's null driver): a timer inside its
// modal loop looks at the opened box and answers it as a user would.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "support/dialog_driver_win32.h"
#include "ui/notice_box_win32.h"
#include "ui/notice_box_ids.h"
#include "ui/notice_layout.h"

namespace gd {
namespace {

constexpr std::uint32_t kInfoYesNoCancel = kNoticeShowCheckBox | 0x43;
constexpr std::uint32_t kInfoOk = kNoticeShowCheckBox | 0x40;

HWND FindNoticeBox() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        if (GetDlgItem(window, IDC_NOTICE_TEXT) == nullptr) return TRUE;
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

struct ControlView {
  HWND window = nullptr;
  int id = 0;
  bool shown = false;
  std::string text;
  RECT place{};  // in the box's client area
  HFONT font = nullptr;
};

struct BoxView {
  std::string caption;
  RECT window{};
  ControlView text;
  ControlView checkBox;
  std::vector<ControlView> buttons;  // the button row, left to right
  HICON icon = nullptr;
  LOGFONTA textFont{};  // read while the box is open: the box releases its font on closing
  int defaultId = 0;
};

ControlView ViewOf(HWND box, HWND control) {
  ControlView view;
  view.window = control;
  view.id = GetDlgCtrlID(control);
  // The control's own visibility: the box itself may not be shown yet.
  view.shown = (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
  char text[1200] = {};
  GetWindowTextA(control, text, sizeof(text));
  view.text = text;
  GetWindowRect(control, &view.place);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&view.place), 2);
  view.font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  return view;
}

BoxView Look(HWND box) {
  BoxView view;
  char caption[200] = {};
  GetWindowTextA(box, caption, sizeof(caption));
  view.caption = caption;
  GetWindowRect(box, &view.window);
  view.text = ViewOf(box, GetDlgItem(box, IDC_NOTICE_TEXT));
  view.checkBox = ViewOf(box, GetDlgItem(box, IDC_NOTICE_DONT_SHOW));
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "Button") != 0 || child == view.checkBox.window) continue;
    view.buttons.push_back(ViewOf(box, child));
  }
  view.icon = reinterpret_cast<HICON>(
      SendMessageA(GetDlgItem(box, IDC_NOTICE_ICON), STM_GETICON, 0, 0));
  view.defaultId = LOWORD(SendMessageA(box, DM_GETDEFID, 0, 0));
  GetObjectA(view.text.font, sizeof(view.textFont), &view.textFont);
  return view;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

void Click(HWND control) { SendMessageA(control, BM_CLICK, 0, 0); }
void PressKey(HWND box, WPARAM key) { PostMessageA(box, WM_KEYDOWN, key, 0); }

// Opens a box, lets `act` see and answer it, and gives back its result and what it looked like.
struct BoxRun {
  INT_PTR result = 0;
  BoxView view;
};

BoxRun ShowBox(const std::string& text, const std::string& caption, std::uint32_t flags,
               const std::function<void(HWND, const BoxView&)>& answer) {
  BoxRun run;
  NoticeDialog box;
  box.SetNotice(text, caption, flags);
  test::DialogDriver driver(FindNoticeBox, [&](HWND window) {
    run.view = Look(window);
    answer(window, run.view);
  }, -2);
  run.result = box.Show(nullptr);
  EXPECT_TRUE(driver.acted());
  return run;
}

const std::string kRestrictionText =
    "Glimmerdeck has detected that your current settings restrict some of the icons in this "
    "package from being applied.\n\nWould you like to apply all the icons in this icon "
    "package?";

std::string LongText() {
  std::string text;
  for (int n = 0; n < 40; ++n) text += "Every word of this notice has to fit within the box. ";
  return text;
}

TEST(NoticeBox, YesNoCancelShowsItsLabelsIconAndMessageFontAndAnswersWithTheButtonPressed) {
  const BoxRun run = ShowBox(kRestrictionText, "Apply Glimmerkit", kInfoYesNoCancel,
                             [](HWND, const BoxView& view) {
                               if (view.buttons.size() == 3) Click(view.buttons[1].window);
                             });
  EXPECT_EQ(run.result, kNoticeIdNo);
  const BoxView& view = run.view;
  EXPECT_EQ(view.caption, "Apply Glimmerkit");
  EXPECT_EQ(view.text.text, kRestrictionText);
  EXPECT_NE(view.icon, nullptr);
  ASSERT_EQ(view.buttons.size(), 3u);
  EXPECT_EQ(view.buttons[0].text + view.buttons[1].text + view.buttons[2].text, "YesNoCancel");
  EXPECT_EQ((std::vector{view.buttons[0].id, view.buttons[1].id, view.buttons[2].id}),
            (std::vector{6, 7, 2}));
  EXPECT_TRUE(view.buttons[0].shown && view.buttons[1].shown && view.buttons[2].shown);
  // Enter must answer with the first button's new identifier, not its template one.
  EXPECT_EQ(view.defaultId, 6);
  EXPECT_TRUE(view.checkBox.shown);
  EXPECT_EQ(view.checkBox.text, "&Do not show this notice again");

  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  ASSERT_NE(view.text.font, nullptr);
  EXPECT_STREQ(view.textFont.lfFaceName, metrics.lfMessageFont.lfFaceName);
  EXPECT_EQ(view.textFont.lfHeight, metrics.lfMessageFont.lfHeight);
  EXPECT_EQ(view.checkBox.font, view.text.font);
  for (const ControlView& button : view.buttons) EXPECT_EQ(button.font, view.text.font);
  // The font and the icon were the box's own and went with it.
  LOGFONTA gone{};
  EXPECT_EQ(GetObjectA(view.text.font, sizeof(gone), &gone), 0);
  ICONINFO iconGone{};
  EXPECT_FALSE(GetIconInfo(view.icon, &iconGone));
}

TEST(NoticeBox, EscapeOnYesNoCancelAnswersCancelWithTheTickAddedWhenTicked) {
  const auto ticked = ShowBox(kRestrictionText, "Apply Glimmerkit", kInfoYesNoCancel,
                              [](HWND box, const BoxView& view) {
                                // Ticking must not close the box: Escape answers afterwards.
                                Click(view.checkBox.window);
                                PressKey(box, VK_ESCAPE);
                              });
  EXPECT_EQ(ticked.result, static_cast<INT_PTR>(kNoticeTicked | kNoticeIdCancel));

  const auto unticked = ShowBox(kRestrictionText, "", kInfoYesNoCancel,
                                [](HWND box, const BoxView&) { PressKey(box, VK_ESCAPE); });
  EXPECT_EQ(unticked.result, kNoticeIdCancel);
}

TEST(NoticeBox, SizesItselfToItsTextWrappingLongTextWithinHalfTheScreen) {
  // A short text gives a narrow box whose one OK button, the default, sits under the text.
  const BoxRun shortRun = ShowBox("Done.", "", kInfoOk,
                                  [](HWND box, const BoxView&) { PressKey(box, VK_RETURN); });
  EXPECT_EQ(shortRun.result, kNoticeIdOk);
  const BoxView& small = shortRun.view;
  EXPECT_EQ(small.caption, "Glimmerdeck");
  ASSERT_EQ(small.buttons.size(), 3u);
  EXPECT_EQ(small.buttons[0].text, "OK");
  EXPECT_FALSE(small.buttons[1].shown || small.buttons[2].shown);
  const RECT& ok = small.buttons[0].place;
  const RECT& line = small.text.place;
  EXPECT_LE(std::abs((ok.left + ok.right) / 2 - (line.left + line.right) / 2), 3);
  EXPECT_EQ(Width(small.window), line.right + 25);
  EXPECT_LT(Width(small.window), GetSystemMetrics(SM_CXSCREEN) / 4);

  const BoxRun longRun = ShowBox(LongText(), "", kInfoOk, [](HWND, const BoxView& view) {
    Click(view.buttons[0].window);
  });
  EXPECT_EQ(longRun.result, kNoticeIdOk);
  const BoxView& big = longRun.view;
  const int limit = GetSystemMetrics(SM_CXSCREEN) / 2 - 16 - GetSystemMetrics(SM_CXICON);
  EXPECT_LE(Width(big.text.place), limit);
  EXPECT_GT(Width(big.text.place), limit * 3 / 4);
  EXPECT_GE(Height(big.text.place), 4 * Height(line));
  // The check box follows the text down, the buttons the check box, and the box the buttons.
  EXPECT_EQ(big.checkBox.place.top, Height(big.text.place) + 20);
  EXPECT_EQ(big.checkBox.place.left, big.text.place.left);
  EXPECT_EQ(big.buttons[0].place.top, big.checkBox.place.bottom + 10);
  EXPECT_EQ(Height(big.window), GetSystemMetrics(SM_CYCAPTION) + big.buttons[0].place.bottom + 15);
  EXPECT_GT(Height(big.window), Height(small.window) + 3 * Height(line));
}

TEST(NoticeBox, WithoutTheFlagTheCheckBoxIsHiddenAndATickDoesNotCount) {
  const BoxRun run = ShowBox(std::string(1200, 'x'), std::string(150, 'c'), kNoticeYesNo,
                             [](HWND, const BoxView& view) {
                               SendMessageA(view.checkBox.window, BM_SETCHECK, BST_CHECKED, 0);
                               Click(view.buttons[0].window);
                             });
  EXPECT_EQ(run.result, kNoticeIdYes);
  EXPECT_EQ(run.view.text.text.size(), kNoticeTextLimit);
  EXPECT_EQ(run.view.caption.size(), kNoticeCaptionLimit);
  EXPECT_FALSE(run.view.checkBox.shown);
  EXPECT_EQ(run.view.icon, nullptr);
  ASSERT_EQ(run.view.buttons.size(), 3u);
  EXPECT_EQ(run.view.buttons[1].text, "No");
  EXPECT_TRUE(run.view.buttons[1].shown);
  EXPECT_FALSE(run.view.buttons[2].shown);
}

TEST(NoticeBoxDialog, ShowsTheRequestOverItsOwnerAndReportsTheAnswerAndTheTick) {
  const HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 100, 100, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  NoticeBoxDialog notices;
  notices.SetOwner(owner);

  HWND seenOwner = nullptr;
  BoxView view;
  NoticeResult result;
  {
    test::DialogDriver driver(FindNoticeBox, [&](HWND box) {
      seenOwner = GetWindow(box, GW_OWNER);
      view = Look(box);
      Click(view.checkBox.window);
      if (!view.buttons.empty()) Click(view.buttons[0].window);
    }, -2);
    result = notices.Show({kRestrictionText, "Apply Glimmerkit", PromptIcon::Information,
                           PromptButtons::YesNoCancel});
    EXPECT_TRUE(driver.acted());
  }
  EXPECT_EQ(result.answer, PromptAnswer::Yes);
  EXPECT_TRUE(result.doNotShowAgain);
  EXPECT_EQ(seenOwner, owner);
  EXPECT_TRUE(view.checkBox.shown);
  EXPECT_NE(view.icon, nullptr);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace gd
