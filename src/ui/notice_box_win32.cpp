// Opening, sizing and closing the notice box, and showing the program's notices in it.
#include "ui/notice_box_win32.h"

#include <array>

#include "platform/program_identity.h"
#include "ui/notice_box_ids.h"
#include "ui/notice_layout.h"

namespace gd {
namespace {

constexpr std::array<int, 3> kButtonIds{IDC_NOTICE_BUTTON_FIRST, IDC_NOTICE_BUTTON_SECOND,
                                        IDC_NOTICE_BUTTON_THIRD};

LPCSTR SystemIconName(NoticeIcon icon) {
  switch (icon) {
    case NoticeIcon::Stop: return IDI_HAND;
    case NoticeIcon::Question: return IDI_QUESTION;
    case NoticeIcon::Exclamation: return IDI_EXCLAMATION;
    case NoticeIcon::Information: return IDI_ASTERISK;
    case NoticeIcon::None: break;
  }
  return nullptr;
}

// Where a control sits in its dialog's client area.
NoticeRect PlaceOf(HWND dialog, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Place(HWND control, const NoticeRect& rect) {
  SetWindowPos(control, nullptr, rect.left, rect.top, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void NoticeDialog::SetNotice(std::string_view text, std::string_view caption,
                             std::uint32_t flags) {
  text_ = std::string(text.substr(0, kNoticeTextLimit));
  caption_ = std::string(caption.substr(0, kNoticeCaptionLimit));
  flags_ = flags;
}

INT_PTR NoticeDialog::Show(HWND owner) {
  return RunModal(GetModuleHandleA(nullptr), IDD_NOTICE_BOX, owner);
}

bool NoticeDialog::OnInitDialog() {
  SetWindowTextA(hwnd(), caption_.empty() ? kAppTitle : caption_.c_str());
  ShowIcon();
  UseMessageFont();
  const int widthLimit = NoticeTextWidthLimit(GetSystemMetrics(SM_CXSCREEN),
                                              GetSystemMetrics(SM_CXICON), flags_);
  SetWindowTextA(Item(IDC_NOTICE_TEXT), text_.c_str());
  Arrange(MeasureText(widthLimit));
  LabelButtons();
  // Like the system's message box, the box starts on its default button.
  SetFocus(Item(kButtonIds[0]));
  return false;
}

void NoticeDialog::ShowIcon() {
  const LPCSTR name = SystemIconName(DecodeNoticeIcon(flags_));
  if (name == nullptr) return;
  // A private copy of the system icon, so that the box can release it when it closes.
  icon_.reset(static_cast<HICON>(LoadImageA(nullptr, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  SendMessageA(Item(IDC_NOTICE_ICON), STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
}

void NoticeDialog::UseMessageFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
  font_.reset(CreateFontIndirectA(&metrics.lfMessageFont));
  if (!font_) return;
  const auto font = reinterpret_cast<WPARAM>(font_.get());
  SendMessageA(Item(IDC_NOTICE_TEXT), WM_SETFONT, font, FALSE);
  SendMessageA(Item(IDC_NOTICE_DONT_SHOW), WM_SETFONT, font, FALSE);
  for (const int id : kButtonIds) SendMessageA(Item(id), WM_SETFONT, font, FALSE);
}

SIZE NoticeDialog::MeasureText(int widthLimit) const {
  RECT rect{0, 0, widthLimit, widthLimit};
  const UniqueScreenDc dc(GetDC(nullptr));
  if (!dc) return {widthLimit, 0};
  const HGDIOBJ oldFont = font_ ? SelectObject(dc.get(), font_.get()) : nullptr;
  DrawTextA(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &rect,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  if (oldFont != nullptr) SelectObject(dc.get(), oldFont);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void NoticeDialog::Arrange(SIZE text) {
  const HWND box = hwnd();
  NoticeMeasures measures;
  measures.textPlace = PlaceOf(box, Item(IDC_NOTICE_TEXT));
  measures.textWidth = text.cx;
  measures.textHeight = text.cy;
  measures.checkBoxPlace = PlaceOf(box, Item(IDC_NOTICE_DONT_SHOW));
  measures.buttonPlace = PlaceOf(box, Item(kButtonIds[0]));
  measures.buttonCount = DecodeNoticeButtons(flags_).count;
  measures.captionHeight = GetSystemMetrics(SM_CYCAPTION);
  const NoticeLayout layout = LayOutNotice(measures);

  Place(Item(IDC_NOTICE_TEXT), layout.text);
  Place(Item(IDC_NOTICE_DONT_SHOW), layout.checkBox);
  if (!CheckBoxShown()) ShowWindow(Item(IDC_NOTICE_DONT_SHOW), SW_HIDE);
  for (int n = 0; n < measures.buttonCount; ++n) {
    const auto index = static_cast<std::size_t>(n);
    Place(Item(kButtonIds[index]), layout.buttons[index]);
  }

  // The box keeps the centre it opened at.
  RECT window{};
  GetWindowRect(box, &window);
  const int centreX = (window.left + window.right) / 2;
  const int centreY = (window.top + window.bottom) / 2;
  SetWindowPos(box, nullptr, centreX - layout.boxWidth / 2, centreY - layout.boxHeight / 2,
               layout.boxWidth, layout.boxHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void NoticeDialog::LabelButtons() {
  const NoticeButtonRow row = DecodeNoticeButtons(flags_);
  // Look every button up before any of them changes its identifier.
  std::array<HWND, 3> buttons{};
  for (std::size_t n = 0; n < buttons.size(); ++n) buttons[n] = Item(kButtonIds[n]);
  for (std::size_t n = 0; n < buttons.size(); ++n) {
    if (static_cast<int>(n) >= row.count) {
      ShowWindow(buttons[n], SW_HIDE);
      continue;
    }
    const std::string label(row.roles[n].label);
    SetWindowTextA(buttons[n], label.c_str());
    SetWindowLongPtrA(buttons[n], GWLP_ID, row.roles[n].commandId);
  }
  // The dialog remembers its default button by identifier; Enter must send the new one.
  SendMessageA(hwnd(), DM_SETDEFID, static_cast<WPARAM>(row.roles[0].commandId), 0);
}

bool NoticeDialog::CheckBoxShown() const { return (flags_ & kNoticeShowCheckBox) != 0; }

bool NoticeDialog::OnCommand(int id, int, HWND) {
  // Ticking the box is not an answer.
  if (id == IDC_NOTICE_DONT_SHOW) return true;
  const bool ticked = IsDlgButtonChecked(hwnd(), IDC_NOTICE_DONT_SHOW) == BST_CHECKED;
  End(static_cast<INT_PTR>(NoticeResultCode(id, CheckBoxShown(), ticked)));
  return true;
}

void NoticeDialog::OnDestroy() {
  SendMessageA(Item(IDC_NOTICE_ICON), STM_SETICON, 0, 0);
  icon_.reset();
  font_.reset();
}

NoticeResult NoticeBoxDialog::Show(const PromptRequest& request) {
  NoticeDialog box;
  box.SetNotice(request.text, request.caption, NoticeFlagsFor(request));
  const HWND owner = owner_ != nullptr ? owner_ : GetActiveWindow();
  return NoticeResultFrom(box.Show(owner));
}

}  // namespace gd
