// The notice box without windows: its style flags, where its controls go and what its result
// means to the program.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/notice.h"
#include "platform/prompt.h"

namespace gd {

// Style flags: the low four bits choose the buttons (numbered like the system message box's),
// the next four the icon, and one high bit asks for the "do not show again" check box.
inline constexpr std::uint32_t kNoticeButtonMask = 0x0000000F;
inline constexpr std::uint32_t kNoticeIconMask = 0x000000F0;
inline constexpr std::uint32_t kNoticeOk = 0x0;
inline constexpr std::uint32_t kNoticeOkCancel = 0x1;
inline constexpr std::uint32_t kNoticeYesNoCancel = 0x3;
inline constexpr std::uint32_t kNoticeYesNo = 0x4;
inline constexpr std::uint32_t kNoticeIconStop = 0x10;
inline constexpr std::uint32_t kNoticeIconQuestion = 0x20;
inline constexpr std::uint32_t kNoticeIconExclamation = 0x30;
inline constexpr std::uint32_t kNoticeIconInformation = 0x40;
inline constexpr std::uint32_t kNoticeShowCheckBox = 0x01000000;
// Added to the pressed button's identifier when the check box was shown and ticked.
inline constexpr std::uint32_t kNoticeTicked = 0x01000000;

inline constexpr std::size_t kNoticeTextLimit = 999;
inline constexpr std::size_t kNoticeCaptionLimit = 99;

// Command identifiers of the buttons, the same as the system message box's.
inline constexpr int kNoticeIdOk = 1;
inline constexpr int kNoticeIdCancel = 2;
inline constexpr int kNoticeIdYes = 6;
inline constexpr int kNoticeIdNo = 7;

enum class NoticeIcon { None, Stop, Question, Exclamation, Information };

NoticeIcon DecodeNoticeIcon(std::uint32_t flags);

// What the buttons of the row become, left to right; `count` of them are shown.
struct NoticeButtonRole {
  int commandId = 0;
  std::string_view label;
};
struct NoticeButtonRow {
  int count = 0;
  std::array<NoticeButtonRole, 3> roles{};
};

NoticeButtonRow DecodeNoticeButtons(std::uint32_t flags);

// Widest the text may be: half the screen, less the icon and its margin when there is one.
int NoticeTextWidthLimit(int screenWidth, int iconWidth, std::uint32_t flags);

struct NoticeRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const NoticeRect&) const = default;
};

// All in pixels of the box's client area: the template places of the text, check box and
// buttons, the measured text, and the height of the caption bar.
struct NoticeMeasures {
  NoticeRect textPlace;
  int textWidth = 0;
  int textHeight = 0;
  NoticeRect checkBoxPlace;
  NoticeRect buttonPlace;
  int buttonCount = 1;
  int captionHeight = 0;
};

struct NoticeLayout {
  NoticeRect text;
  NoticeRect checkBox;
  std::array<NoticeRect, 3> buttons{};  // the first `buttonCount` are used
  int boxWidth = 0;
  int boxHeight = 0;
};

NoticeLayout LayOutNotice(const NoticeMeasures& measures);

// The box's result: the pressed button's identifier with the tick added.
std::uint32_t NoticeResultCode(int commandId, bool checkBoxShown, bool ticked);

// The program's side: every caller offers the check box.
std::uint32_t NoticeFlagsFor(const PromptRequest& request);
// A negative code means the box could not be shown; nothing was answered then.
NoticeResult NoticeResultFrom(std::int64_t code);

}  // namespace gd
