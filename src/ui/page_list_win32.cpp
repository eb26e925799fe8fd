// Filling and drawing of the page list.
#include "ui/page_list_win32.h"

#include <algorithm>
#include <array>

#include "platform/unique_handle.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

struct EntryLook {
  PageEntry entry;
  const char* text;
  WORD normalBitmap;
  WORD selectedBitmap;
};

constexpr std::array<EntryLook, 4> kEntries{{
    {PageEntry::Packages, "Packages", IDB_PACKAGES, IDB_PACKAGES_SELECTED},
    {PageEntry::IconsAndCursors, "Icons and Cursors", IDB_ICONS, IDB_ICONS_SELECTED},
    {PageEntry::Settings, "Settings", IDB_SETTINGS, IDB_SETTINGS_SELECTED},
    {PageEntry::Explorer, "Explorer", IDB_EXPLORER, IDB_EXPLORER_SELECTED},
}};

constexpr int kItemHeight = 78;
constexpr int kPictureSize = 48;
// The pictures keep this much background on every side, which the label may cover.
constexpr int kPictureMargin = 4;
// Below the picture there is room for two lines of this much height in all.
constexpr int kMaxLabelHeight = 30;
constexpr int kMinFontHeight = 8;
constexpr int kTextInset = 6;
constexpr COLORREF kGrey = RGB(128, 128, 128);

const EntryLook* LookOf(DWORD itemValue) {
  for (const EntryLook& look : kEntries) {
    if (look.normalBitmap == LOWORD(itemValue)) return &look;
  }
  return nullptr;
}

UniqueGdiObject LabelFont(int height, bool bold) {
  return UniqueGdiObject(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                     FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     PROOF_QUALITY, DEFAULT_PITCH, "Tahoma"));
}

// The rectangle a label needs, word-wrapped within the button's width.
RECT Measure(HDC dc, const char* text, int itemWidth) {
  RECT rect{kTextInset, 0, itemWidth - kTextInset, kItemHeight};
  DrawTextA(dc, text, -1, &rect, DT_CENTER | DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
  return rect;
}

}  // namespace

void PageList::Attach(HWND list) {
  list_ = list;
  SendMessageA(list_, LB_SETITEMHEIGHT, 0, kItemHeight);
  for (const EntryLook& look : kEntries) {
    const auto index = SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(look.text));
    SendMessageA(list_, LB_SETITEMDATA, static_cast<WPARAM>(index),
                 MAKELONG(look.normalBitmap, look.selectedBitmap));
  }
}

void PageList::ShowSettingsEntry(bool shown) {
  const auto settings = IndexOf(PageEntry::Settings);
  if (shown == settings.has_value()) return;
  const std::optional<PageEntry> selected = Selected();
  const EntryLook& look = kEntries[static_cast<std::size_t>(PageEntry::Settings)];
  if (shown) {
    SendMessageA(list_, LB_INSERTSTRING, 2, reinterpret_cast<LPARAM>(look.text));
    SendMessageA(list_, LB_SETITEMDATA, 2, MAKELONG(look.normalBitmap, look.selectedBitmap));
  } else {
    SendMessageA(list_, LB_DELETESTRING, static_cast<WPARAM>(*settings), 0);
  }
  if (selected && *selected != PageEntry::Settings) Select(*selected);
}

std::optional<PageEntry> PageList::Selected() const {
  const auto index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return std::nullopt;
  const EntryLook* look =
      LookOf(static_cast<DWORD>(SendMessageA(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
  if (look == nullptr) return std::nullopt;
  return look->entry;
}

void PageList::Select(PageEntry entry) {
  if (const auto index = IndexOf(entry)) {
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(*index), 0);
  }
}

int PageList::EntryCount() const {
  return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
}

std::optional<int> PageList::IndexOf(PageEntry entry) const {
  for (int index = 0; index < EntryCount(); ++index) {
    const EntryLook* look = LookOf(
        static_cast<DWORD>(SendMessageA(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
    if (look != nullptr && look->entry == entry) return index;
  }
  return std::nullopt;
}

int PageList::LabelFontHeight(HDC dc, int itemWidth) {
  RECT listRect{};
  GetWindowRect(list_, &listRect);
  const int listHeight = listRect.bottom - listRect.top;
  if (listHeight == fittedForHeight_ && itemWidth == fittedForWidth_) return fittedFont_;
  int height = std::max(kMinFontHeight, listHeight * 20 / 137);
  for (; height > kMinFontHeight; --height) {
    // Bold is the wider of the two weights, and any label may be the selected one.
    UniqueGdiObject font = LabelFont(height, true);
    const HGDIOBJ old = SelectObject(dc, font.get());
    const bool fits = std::all_of(kEntries.begin(), kEntries.end(), [&](const EntryLook& look) {
      const RECT need = Measure(dc, look.text, itemWidth);
      return need.right - need.left <= itemWidth - 2 * kTextInset &&
             need.bottom - need.top <= kMaxLabelHeight;
    });
    SelectObject(dc, old);
    if (fits) break;
  }
  fittedForHeight_ = listHeight;
  fittedForWidth_ = itemWidth;
  fittedFont_ = height;
  return height;
}

void PageList::Draw(const DRAWITEMSTRUCT& item) {
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  const EntryLook* look = LookOf(static_cast<DWORD>(item.itemData));
  if (width <= 0 || height <= 0 || look == nullptr) return;
  // Drawn off screen first, so the button never flickers through its steps.
  UniqueMemoryDc dc(CreateCompatibleDC(item.hDC));
  UniqueGdiObject bitmap(CreateCompatibleBitmap(item.hDC, width, height));
  if (!dc || !bitmap) return;
  const HGDIOBJ oldBitmap = SelectObject(dc.get(), bitmap.get());

  UniqueGdiObject grey(CreateSolidBrush(kGrey));
  RECT all{0, 0, width, height};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(grey.get()));
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  if (selected) {
    const HGDIOBJ oldBrush = SelectObject(dc.get(), GetStockObject(WHITE_BRUSH));
    const HGDIOBJ oldPen = SelectObject(dc.get(), GetStockObject(WHITE_PEN));
    RoundRect(dc.get(), 2, 2, width - 2, height - 2, 5, 5);
    SelectObject(dc.get(), oldPen);
    SelectObject(dc.get(), oldBrush);
  }

  UniqueGdiObject font = LabelFont(LabelFontHeight(dc.get(), width), selected);
  const HGDIOBJ oldFont = SelectObject(dc.get(), font.get());
  const RECT need = Measure(dc.get(), look->text, width);
  const int textHeight = need.bottom - need.top;
  RECT place{kTextInset, height - textHeight / 2 - 17, width - kTextInset, height};

  // A two-line label lifts the picture so that only its empty margin meets the text.
  const int pictureTop =
      std::max(-kPictureMargin / 2,
               std::min(height / 2 - 29, static_cast<int>(place.top) - kPictureSize + kPictureMargin));
  const WORD bitmapId = selected ? look->selectedBitmap : look->normalBitmap;
  if (UniqueGdiObject picture(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId)));
      picture) {
    UniqueMemoryDc source(CreateCompatibleDC(item.hDC));
    const HGDIOBJ oldPicture = SelectObject(source.get(), picture.get());
    BitBlt(dc.get(), width / 2 - kPictureSize / 2, pictureTop, kPictureSize, kPictureSize,
           source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), oldPicture);
  }

  SetTextColor(dc.get(), selected ? RGB(0, 0, 0) : RGB(255, 255, 255));
  SetBkMode(dc.get(), TRANSPARENT);
  DrawTextA(dc.get(), look->text, -1, &place, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc.get(), oldFont);

  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc.get(), 0, 0, SRCCOPY);
  SelectObject(dc.get(), oldBitmap);
}

}  // namespace gd
