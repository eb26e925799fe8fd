// Reading an icon's sizes with the icon library and drawing them.
#include "companions/proptab/icon_previews_win32.h"

#include <algorithm>

#include "iconfmt/descriptions.h"
#include "iconfmt/icon_handle_win32.h"
#include "iconfmt/icon_loader.h"

namespace gd::proptab {
namespace {

constexpr int kGap = 8;  // pixels between and around the previews

// The shell counts icons from 0, or names a resource id with a negative number; the library
// counts icon groups by position only.
int GroupPosition(const std::string& file, int index) {
  if (index >= 0) return index;
  const auto all = LoadIcon(file, -1);
  if (!all) return -1;
  const std::string wanted = "#" + std::to_string(-static_cast<long long>(index));
  const auto& names = all->resourceNames;
  const auto found = std::find(names.begin(), names.end(), wanted);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

constexpr char kNoPreview[] = "This icon cannot be shown.";

}  // namespace

std::string SizeLabel(const IconPreview& preview) {
  return std::to_string(preview.width) + " x " + std::to_string(preview.height);
}

std::string PreviewSummary(const std::vector<IconPreview>& previews) {
  std::string summary;
  for (const IconPreview& preview : previews) summary += (summary.empty() ? "" : ", ") + SizeLabel(preview);
  return summary.empty() ? kNoPreview : summary;
}

std::vector<IconPreview> LoadPreviews(const IconRef& icon) {
  const int position = GroupPosition(icon.file, icon.index);
  if (position < 0) return {};
  const auto texts = DescribeImages(icon.file, position);
  if (!texts) return {};
  std::vector<ImageFormat> formats;
  for (const std::string& text : *texts) {
    ImageFormat format;
    if (!ParseFormatText(text, format) || format.width <= 0 || format.height <= 0) continue;
    const auto same = std::find_if(formats.begin(), formats.end(), [&](const ImageFormat& known) {
      return known.width == format.width && known.height == format.height;
    });
    if (same == formats.end()) formats.push_back(format);
    else if (format.bitDepth > same->bitDepth) *same = format;
  }
  std::sort(formats.begin(), formats.end(), [](const ImageFormat& a, const ImageFormat& b) {
    return a.width != b.width ? a.width < b.width : a.height < b.height;
  });
  std::vector<IconPreview> previews;
  for (const ImageFormat& format : formats) {
    UniqueIcon made = CreateIconForFormat(icon.file, position, format.width, format.height, format.bitDepth);
    if (made) previews.push_back(IconPreview{format.width, format.height, std::move(made)});
  }
  return previews;
}

void DrawPreviews(HDC dc, const RECT& area, const std::vector<IconPreview>& previews) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const int labelHeight = static_cast<int>(metrics.tmHeight);
  if (previews.empty()) {
    RECT text = area;
    DrawTextA(dc, kNoPreview, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  // Each preview's cell, laid out in rows; within a row the icons stand on one line so that
  // their labels line up.
  struct Cell {
    const IconPreview* preview;
    std::string label;
    int width, iconWidth, iconHeight, row;
  };
  const int tallest = std::max(1, static_cast<int>(area.bottom - area.top) - labelHeight - 3 * kGap);
  const int widest = std::max(1, static_cast<int>(area.right - area.left) - 2 * kGap);
  std::vector<Cell> cells;
  std::vector<int> rowHeights{0};
  int x = area.left + kGap;
  for (const IconPreview& preview : previews) {
    const double scale = std::min({1.0, static_cast<double>(tallest) / preview.height,
                                   static_cast<double>(widest) / preview.width});
    Cell cell{&preview, SizeLabel(preview), 0, std::max(1, static_cast<int>(preview.width * scale)),
              std::max(1, static_cast<int>(preview.height * scale)), 0};
    SIZE labelSize{};
    GetTextExtentPoint32A(dc, cell.label.c_str(), static_cast<int>(cell.label.size()), &labelSize);
    cell.width = std::max(cell.iconWidth, static_cast<int>(labelSize.cx));
    if (x + cell.width > area.right - kGap && x > area.left + kGap) x = area.left + kGap, rowHeights.push_back(0);
    cell.row = static_cast<int>(rowHeights.size()) - 1;
    rowHeights.back() = std::max(rowHeights.back(), cell.iconHeight);
    x += cell.width + kGap;
    cells.push_back(std::move(cell));
  }
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  int row = -1, top = area.top;
  for (const Cell& cell : cells) {
    if (cell.row != row) {
      if (row >= 0) top += rowHeights[static_cast<std::size_t>(row)] + 2 + labelHeight + kGap;
      row = cell.row, x = area.left + kGap;
      if (row == 0) top += kGap;
    }
    const int base = top + rowHeights[static_cast<std::size_t>(row)];
    DrawIconEx(dc, x + (cell.width - cell.iconWidth) / 2, base - cell.iconHeight, cell.preview->icon.get(),
               cell.iconWidth, cell.iconHeight, 0, nullptr, DI_NORMAL);
    RECT labelRect{x, base + 2, x + cell.width, base + 2 + labelHeight};
    DrawTextA(dc, cell.label.c_str(), -1, &labelRect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    x += cell.width + kGap;
  }
  RestoreDC(dc, saved);
}

}  // namespace gd::proptab
