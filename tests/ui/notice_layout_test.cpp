// The notice box's arithmetic and decoding without windows: flags to buttons and icon, where
// the controls go for measured texts, and what its result tells the program.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/notice_layout.h"

namespace gd {
namespace {

// Places of dialog 285's controls in pixels at the usual 96 dpi dialog units.
NoticeMeasures Measures(int textWidth, int textHeight, int buttonCount) {
  NoticeMeasures m;
  m.textPlace = {53, 11, 330, 54};
  m.textWidth = textWidth;
  m.textHeight = textHeight;
  m.checkBoxPlace = {53, 73, 218, 16};
  m.buttonPlace = {90, 98, 75, 23};
  m.buttonCount = buttonCount;
  m.captionHeight = 19;
  return m;
}

TEST(NoticeFlags, IconBitsChooseTheSystemIconAndOtherBitsDoNotDisturbThem) {
  EXPECT_EQ(DecodeNoticeIcon(0x00), NoticeIcon::None);
  EXPECT_EQ(DecodeNoticeIcon(0x10), NoticeIcon::Stop);
  EXPECT_EQ(DecodeNoticeIcon(0x20), NoticeIcon::Question);
  EXPECT_EQ(DecodeNoticeIcon(0x30), NoticeIcon::Exclamation);
  EXPECT_EQ(DecodeNoticeIcon(0x40), NoticeIcon::Information);
  EXPECT_EQ(DecodeNoticeIcon(0x50), NoticeIcon::None);
  EXPECT_EQ(DecodeNoticeIcon(kNoticeShowCheckBox | 0x43), NoticeIcon::Information);
}

TEST(NoticeFlags, ButtonTypesGiveLabelsAndAnswerIdentifiersInRowOrder) {
  const NoticeButtonRow ok = DecodeNoticeButtons(kNoticeShowCheckBox | 0x40);
  ASSERT_EQ(ok.count, 1);
  EXPECT_EQ(ok.roles[0].commandId, 1);
  EXPECT_EQ(ok.roles[0].label, "OK");

  const NoticeButtonRow ync = DecodeNoticeButtons(kNoticeShowCheckBox | 0x43);
  ASSERT_EQ(ync.count, 3);
  EXPECT_EQ(ync.roles[0].commandId, 6);
  EXPECT_EQ(ync.roles[0].label, "Yes");
  EXPECT_EQ(ync.roles[1].commandId, 7);
  EXPECT_EQ(ync.roles[1].label, "No");
  EXPECT_EQ(ync.roles[2].commandId, 2);
  EXPECT_EQ(ync.roles[2].label, "Cancel");

  const NoticeButtonRow yn = DecodeNoticeButtons(0x24);
  ASSERT_EQ(yn.count, 2);
  EXPECT_EQ(yn.roles[0].label, "Yes");
  EXPECT_EQ(yn.roles[1].label, "No");
  EXPECT_EQ(yn.roles[1].commandId, 7);

  // Sets the box has no use for fall back to a single working OK.
  for (const std::uint32_t type : {0x2u, 0x5u, 0x8u, 0xFu}) {
    const NoticeButtonRow row = DecodeNoticeButtons(type);
    EXPECT_EQ(row.count, 1) << type;
    EXPECT_EQ(row.roles[0].commandId, 1) << type;
  }
}

TEST(NoticeFlags, TextWidthLimitIsHalfTheScreenLessTheIconWhenThereIsOne) {
  EXPECT_EQ(NoticeTextWidthLimit(1024, 32, 0x00), 512);
  EXPECT_EQ(NoticeTextWidthLimit(1024, 32, kNoticeShowCheckBox | 0x03), 512);
  EXPECT_EQ(NoticeTextWidthLimit(1024, 32, 0x40), 512 - 16 - 32);
  EXPECT_EQ(NoticeTextWidthLimit(1023, 48, 0x10), 511 - 16 - 48);
}

TEST(NoticeLayout, CheckBoxSitsAtTheTextHeightPlusTwentyAndTheRowTenBelowIt) {
  const NoticeLayout layout = LayOutNotice(Measures(300, 39, 3));
  EXPECT_EQ(layout.text, (NoticeRect{53, 11, 300, 39}));
  // Measured from the top of the box, not from the text's own top.
  EXPECT_EQ(layout.checkBox, (NoticeRect{53, 59, 218, 16}));
  for (const NoticeRect& button : layout.buttons) {
    EXPECT_EQ(button.top, 59 + 16 + 10);
    EXPECT_EQ(button.width, 75);
    EXPECT_EQ(button.height, 23);
  }
  // (300 - 76 * 3 + 6) / 2 = 39 from the text's left edge, then one button and 6 apart.
  EXPECT_EQ(layout.buttons[0].left, 53 + 39);
  EXPECT_EQ(layout.buttons[1].left, 53 + 39 + 81);
  EXPECT_EQ(layout.buttons[2].left, 53 + 39 + 162);
  EXPECT_EQ(layout.boxWidth, 53 + 300 + 25);
  EXPECT_EQ(layout.boxHeight, 19 + (85 + 23) + 15);
}

TEST(NoticeLayout, ShortTextGivesANarrowBoxWithTheSingleButtonCentredUnderTheText) {
  const NoticeLayout shortBox = LayOutNotice(Measures(120, 13, 1));
  const NoticeLayout wideBox = LayOutNotice(Measures(400, 13, 1));
  EXPECT_LT(shortBox.boxWidth, wideBox.boxWidth);
  for (const NoticeLayout& layout : {shortBox, wideBox}) {
    const int textCentre = layout.text.left + layout.text.width / 2;
    const int buttonCentre = layout.buttons[0].left + layout.buttons[0].width / 2;
    EXPECT_LE(std::abs(buttonCentre - textCentre), 3) << layout.text.width;
  }
}

TEST(NoticeLayout, RowWiderThanTheTextStartsLeftOfItRoundedTowardsZero) {
  // (101 - 76 * 3 + 6) / 2 = -121 / 2, which is -60 and not -61.
  const NoticeLayout layout = LayOutNotice(Measures(101, 13, 3));
  EXPECT_EQ(layout.buttons[0].left, 53 - 60);
  EXPECT_EQ(layout.buttons[2].left, 53 - 60 + 162);
}

TEST(NoticeService, EveryRequestOffersTheCheckBoxWithItsButtonsAndIcon) {
  EXPECT_EQ(NoticeFlagsFor({"t", "Apply Glimmerkit", PromptIcon::Information,
                            PromptButtons::YesNoCancel}),
            0x01000043u);
  EXPECT_EQ(NoticeFlagsFor({"t", "", PromptIcon::Exclamation, PromptButtons::Ok}), 0x01000030u);
  EXPECT_EQ(NoticeFlagsFor({"t", "", PromptIcon::Question, PromptButtons::OkCancel}),
            0x01000021u);
}

TEST(NoticeService, ResultCodesBecomeAnswersWithTheTickApart) {
  struct Case {
    std::int64_t code;
    PromptAnswer answer;
    bool ticked;
  };
  const Case cases[] = {
      {1, PromptAnswer::Ok, false},           {0x01000001, PromptAnswer::Ok, true},
      {6, PromptAnswer::Yes, false},          {0x01000006, PromptAnswer::Yes, true},
      {7, PromptAnswer::No, false},           {0x01000002, PromptAnswer::Cancel, true},
      {2, PromptAnswer::Cancel, false},       {1077, PromptAnswer::Cancel, false},
      // The box never opened: nothing was answered and nothing may be switched off.
      {-1, PromptAnswer::Cancel, false},
  };
  for (const Case& c : cases) {
    const NoticeResult result = NoticeResultFrom(c.code);
    EXPECT_EQ(result.answer, c.answer) << c.code;
    EXPECT_EQ(result.doNotShowAgain, c.ticked) << c.code;
  }
}

}  // namespace
}  // namespace gd
