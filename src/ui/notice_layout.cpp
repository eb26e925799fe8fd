// Flag decoding and layout arithmetic of the notice box.
#include "ui/notice_layout.h"

namespace gd {

NoticeIcon DecodeNoticeIcon(std::uint32_t flags) {
  switch (flags & kNoticeIconMask) {
    case kNoticeIconStop: return NoticeIcon::Stop;
    case kNoticeIconQuestion: return NoticeIcon::Question;
    case kNoticeIconExclamation: return NoticeIcon::Exclamation;
    case kNoticeIconInformation: return NoticeIcon::Information;
    default: return NoticeIcon::None;
  }
}

NoticeButtonRow DecodeNoticeButtons(std::uint32_t flags) {
  constexpr NoticeButtonRole ok{kNoticeIdOk, "OK"};
  constexpr NoticeButtonRole cancel{kNoticeIdCancel, "Cancel"};
  constexpr NoticeButtonRole yes{kNoticeIdYes, "Yes"};
  constexpr NoticeButtonRole no{kNoticeIdNo, "No"};
  switch (flags & kNoticeButtonMask) {
    case kNoticeOkCancel: return {2, {ok, cancel, {}}};
    case kNoticeYesNoCancel: return {3, {yes, no, cancel}};
    case kNoticeYesNo: return {2, {yes, no, {}}};
    // The other button sets of the system message box have no use here; a single OK at least
    // lets the box be closed by a button that says what it does.
    default: return {1, {ok, {}, {}}};
  }
}

int NoticeTextWidthLimit(int screenWidth, int iconWidth, std::uint32_t flags) {
  int limit = screenWidth / 2;
  if ((flags & kNoticeIconMask) != 0) limit -= 16 + iconWidth;
  return limit;
}

NoticeLayout LayOutNotice(const NoticeMeasures& m) {
  NoticeLayout layout;
  layout.text = {m.textPlace.left, m.textPlace.top, m.textWidth, m.textHeight};
  // The check box goes a little below the text, whatever the text's own top.
  layout.checkBox = {m.textPlace.left, m.textHeight + 20, m.checkBoxPlace.width,
                     m.checkBoxPlace.height};

  const int buttonWidth = m.buttonPlace.width;
  const int rowTop = layout.checkBox.bottom() + 10;
  // Measured from the text's left edge; C++ division truncates towards zero, as wanted when
  // the buttons are wider than the text.
  const int rowStart = (m.textWidth - (buttonWidth + 1) * m.buttonCount + 6) / 2;
  for (int n = 0; n < m.buttonCount && n < static_cast<int>(layout.buttons.size()); ++n) {
    layout.buttons[static_cast<std::size_t>(n)] = {
        layout.text.left + rowStart + n * (buttonWidth + 6), rowTop, buttonWidth,
        m.buttonPlace.height};
  }

  layout.boxWidth = layout.text.right() + 25;
  layout.boxHeight = m.captionHeight + layout.buttons[0].bottom() + 15;
  return layout;
}

std::uint32_t NoticeResultCode(int commandId, bool checkBoxShown, bool ticked) {
  auto code = static_cast<std::uint32_t>(commandId);
  if (checkBoxShown && ticked) code += kNoticeTicked;
  return code;
}

std::uint32_t NoticeFlagsFor(const PromptRequest& request) {
  std::uint32_t flags = kNoticeShowCheckBox;
  switch (request.buttons) {
    case PromptButtons::Ok: flags |= kNoticeOk; break;
    case PromptButtons::OkCancel: flags |= kNoticeOkCancel; break;
    case PromptButtons::YesNo: flags |= kNoticeYesNo; break;
    case PromptButtons::YesNoCancel: flags |= kNoticeYesNoCancel; break;
  }
  switch (request.icon) {
    case PromptIcon::Exclamation: flags |= kNoticeIconExclamation; break;
    case PromptIcon::Question: flags |= kNoticeIconQuestion; break;
    case PromptIcon::Information: flags |= kNoticeIconInformation; break;
    case PromptIcon::None: break;
  }
  return flags;
}

NoticeResult NoticeResultFrom(std::int64_t code) {
  // A box that never opened was not answered: take the answer that changes nothing.
  if (code < 0) return {PromptAnswer::Cancel, false};
  const auto value = static_cast<std::uint32_t>(code);
  NoticeResult result;
  result.doNotShowAgain = (value & kNoticeTicked) != 0;
  switch (static_cast<int>(value & ~kNoticeTicked)) {
    case kNoticeIdOk: result.answer = PromptAnswer::Ok; break;
    case kNoticeIdYes: result.answer = PromptAnswer::Yes; break;
    case kNoticeIdNo: result.answer = PromptAnswer::No; break;
    default: result.answer = PromptAnswer::Cancel; break;
  }
  return result;
}

}  // namespace gd
