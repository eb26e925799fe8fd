// The Settings page: keeps the list's selection equal to the rows' ticks, runs the number
// editor, draws the rows and tells the user which settings Apply could not write.
#include "ui/settings_page_win32.h"

#include <string>

#include "platform/program_identity.h"
#include "ui/offscreen_item_win32.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

constexpr int kRowHeight = 20;
constexpr int kMarkSize = 16;
constexpr COLORREF kMaskColour = RGB(0, 255, 255);
constexpr COLORREF kFrameGrey = RGB(0x96, 0x96, 0x96);
constexpr COLORREF kGreyedText = RGB(0x80, 0x80, 0x80);
constexpr int kHeadingMarkLeft = 5;
constexpr int kRowMarkLeft = 30;
constexpr int kTextAfterMark = 21;

// The images of the marks strip.
enum class Mark : int { Ticked = 0, Heading = 1, Empty = 2, Fixed = 3, ChangedHeading = 4, Number = 5 };

constexpr const char* kRestoreQuestion = "Are you sure you want to restore all settings to system defaults?";
constexpr const char* kNotWritten =
    "Glimmerdeck could not change these settings:\n\n%s\nYou may need an administrator's rights to "
    "change them. The other settings were changed.";

UniqueGdiObject RowFont(int weight) {
  return UniqueGdiObject(CreateFontA(-13, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma"));
}

}  // namespace

bool SettingsPage::Create(HINSTANCE instance, HWND mainWindow, const SettingsSystem& system) {
  model_.emplace(system.registry, system.propertyTab, system.osVersion, system.newShell);
  return CreatePage(instance, IDD_SETTINGS_PAGE, mainWindow);
}

bool SettingsPage::OnInitDialog() {
  marks_.reset(ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SETTINGS_MARKS), kMarkSize, 0,
                                    kMaskColour, IMAGE_BITMAP, LR_CREATEDIBSECTION));
  font_ = RowFont(FW_NORMAL);
  boldFont_ = RowFont(FW_BOLD);
  const HWND list = Item(IDC_SETTINGS_LIST);
  // The list asked for its row height before the page could answer.
  SendMessageA(list, LB_SETITEMHEIGHT, 0, kRowHeight);
  for (int i = 0; i < kSettingsRowCount; ++i) {
    const std::string label(model_->Label(static_cast<SettingsRow>(i)));
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
  }
  ShowTicks();
  // Ticking moved the caret to the last ticked row; the page starts at its top.
  SendMessageA(list, LB_SETCARETINDEX, 0, FALSE);
  SendMessageA(list, LB_SETTOPINDEX, 0, 0);
  return true;
}

void SettingsPage::ShowTicks() {
  const HWND list = Item(IDC_SETTINGS_LIST);
  for (int i = 0; i < kSettingsRowCount; ++i) {
    SendMessageA(list, LB_SETSEL, model_->Checked(static_cast<SettingsRow>(i)), i);
  }
  InvalidateRect(list, nullptr, FALSE);
}

SettingsRow SettingsPage::CaretRow() const {
  const auto caret = SendMessageA(Item(IDC_SETTINGS_LIST), LB_GETCARETINDEX, 0, 0);
  return static_cast<SettingsRow>(caret >= 0 && caret < kSettingsRowCount ? caret : 0);
}

bool SettingsPage::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_SETTINGS_LIST:
      if (code == LBN_SELCHANGE) OnSelectionChange();
      return true;
    case IDC_RESTORE_DEFAULTS: RestoreDefaults(); return true;
    case IDC_REBUILD_CACHE: host_.RebuildIconCacheNow(); return true;
    default: return false;
  }
}

void SettingsPage::OnSelectionChange() {
  ShowNumberEditor();
  // The list has toggled the clicked row (or the caret row, with the space bar); switches take
  // the change, every other row gets its state back.
  const HWND list = Item(IDC_SETTINGS_LIST);
  SettingsEffect effect;
  bool changed = false;
  for (int i = 0; i < kSettingsRowCount; ++i) {
    const auto row = static_cast<SettingsRow>(i);
    if ((SendMessageA(list, LB_GETSEL, i, 0) > 0) == model_->Checked(row)) continue;
    if (model_->Kind(row) != RowKind::Switch) {
      SendMessageA(list, LB_SETSEL, model_->Checked(row), i);
      continue;
    }
    const SettingsEffect rowEffect = model_->Toggle(row);
    effect.needCacheRebuild |= rowEffect.needCacheRebuild;
    effect.restartNeeded |= rowEffect.restartNeeded;
    changed = true;
  }
  if (changed) Changed(effect);
}

void SettingsPage::ShowNumberEditor() {
  const SettingsRow row = CaretRow();
  const bool number = model_->Kind(row) == RowKind::Number;
  for (const int id : {IDC_NUMBER_GROUP, IDC_NUMBER_EDIT, IDC_NUMBER_SPIN, IDC_NUMBER_UNIT}) {
    ShowWindow(Item(id), number ? SW_SHOW : SW_HIDE);
  }
  if (!number) return;
  const NumberRange range = model_->Range(row);
  SetWindowTextA(Item(IDC_NUMBER_GROUP), std::string(model_->Label(row)).c_str());
  SetWindowTextA(Item(IDC_NUMBER_UNIT), std::string(range.unit).c_str());
  const HWND spin = Item(IDC_NUMBER_SPIN);
  SendMessageA(spin, UDM_SETRANGE32, range.minimum, range.maximum);
  SendMessageA(spin, UDM_SETPOS32, 0, model_->Value(row));
}

void SettingsPage::OnStep(NMUPDOWN& step) {
  const SettingsRow row = CaretRow();
  if (model_->Kind(row) != RowKind::Number) return;
  const SettingsEffect effect = model_->Step(row, step.iDelta);
  // The control moves by one; it is told the step that lands on the row's new value.
  step.iDelta = model_->Value(row) - step.iPos;
  Changed(effect);
}

void SettingsPage::RestoreDefaults() {
  const PromptAnswer answer =
      prompt_.Ask({kRestoreQuestion, kAppTitle, PromptIcon::Question, PromptButtons::YesNo});
  if (answer != PromptAnswer::Yes) return;
  model_->RestoreDefaults();
  ShowTicks();
  ShowNumberEditor();
  // The defaults may change how big and how deep the shell draws its icons.
  Changed(SettingsEffect{.needCacheRebuild = true});
}

void SettingsPage::Changed(const SettingsEffect& effect) {
  host_.SettingsChanged(effect);
  SendMessageA(GetParent(hwnd()), WM_COMMAND, IDM_CHANGE_MADE, 0);
  InvalidateRect(Item(IDC_SETTINGS_LIST), nullptr, FALSE);
}

SettingsApplied SettingsPage::Apply() {
  if (!model_ || !hwnd()) return {};
  SettingsApplied applied = model_->Apply();
  InvalidateRect(Item(IDC_SETTINGS_LIST), nullptr, FALSE);
  if (!applied.failedRows.empty()) {
    std::string rows;
    for (const std::string& row : applied.failedRows) rows += "    " + row + "\n";
    prompt_.Ask({WithText(kNotWritten, rows), kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
  }
  return applied;
}

bool SettingsPage::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_SETTINGS_LIST || item.itemID >= static_cast<UINT>(kSettingsRowCount)) return false;
  DrawRow(item);
  return true;
}

bool SettingsPage::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_NOTIFY) return false;
  auto& header = *reinterpret_cast<NMHDR*>(lParam);
  if (header.idFrom != IDC_NUMBER_SPIN || header.code != UDN_DELTAPOS) return false;
  OnStep(*reinterpret_cast<NMUPDOWN*>(lParam));
  result = FALSE;  // the step is taken
  return true;
}

void SettingsPage::DrawRow(const DRAWITEMSTRUCT& item) {
  const OffscreenItem canvas(item);
  if (!canvas.ok()) return;
  const int width = canvas.width();
  const int height = canvas.height();
  const HDC dc = canvas.dc();
  const auto row = static_cast<SettingsRow>(item.itemID);
  const RowKind kind = model_->Kind(row);
  const bool focused = (item.itemState & ODS_FOCUS) != 0 && kind == RowKind::Switch;

  RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  UniqueGdiObject frame(CreateSolidBrush(kFrameGrey));
  FrameRect(dc, &all, static_cast<HBRUSH>(frame.get()));

  Mark mark = Mark::Number;
  int left = kRowMarkLeft;
  switch (kind) {
    case RowKind::Heading:
      left = kHeadingMarkLeft;
      mark = Mark::Heading;
      for (const SettingsGroup group : {SettingsGroup::General, SettingsGroup::Advanced, SettingsGroup::Others}) {
        if (SettingsPageModel::Heading(group) == row && model_->GroupChanged(group)) mark = Mark::ChangedHeading;
      }
      break;
    case RowKind::Switch: mark = model_->Checked(row) ? Mark::Ticked : Mark::Empty; break;
    case RowKind::Greyed: mark = Mark::Fixed; break;
    case RowKind::Number: break;
  }
  std::string text(model_->Label(row));
  if (kind == RowKind::Number) {
    text += ": " + std::to_string(model_->Value(row)) + " " + std::string(model_->Range(row).unit);
  }
  RECT textBox{left + kTextAfterMark, 0, width - 2, height};
  if (focused) {
    RECT highlight{textBox.left - 2, 2, textBox.right, height - 2};
    FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
    DrawFocusRect(dc, &highlight);
  }
  ImageList_Draw(marks_.get(), static_cast<int>(mark), dc, left, (height - kMarkSize) / 2, ILD_TRANSPARENT);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kind == RowKind::Greyed ? kGreyedText
                         : focused              ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                : GetSysColor(COLOR_WINDOWTEXT));
  const HGDIOBJ oldFont = SelectObject(dc, (kind == RowKind::Heading ? boldFont_ : font_).get());
  DrawTextA(dc, text.c_str(), -1, &textBox, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);
}

}  // namespace gd
