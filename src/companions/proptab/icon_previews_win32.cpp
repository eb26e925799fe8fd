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
  const int tallest = std::max(1, static_cast<int>(area.bottom - area.top) - labelHeight - 3 * kGap);
  const int widest = std::max(1, static_cast<int>(area.right - area.left) - 2 * kGap);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  int x = area.left + kGap, y = area.top + kGap, rowHeight = 0;
  for (const IconPreview& preview : previews) {
    const double scale = std::min({1.0, static_cast<double>(tallest) / preview.height,
                                   static_cast<double>(widest) / preview.width});
    const int drawnWidth = std::max(1, static_cast<int>(preview.width * scale));
    const int side = std::max(1, static_cast<int>(preview.height * scale));
    const std::string label = SizeLabel(preview);
    SIZE labelSize{};
    GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()), &labelSize);
    const int cell = std::max(drawnWidth, static_cast<int>(labelSize.cx));
    if (x + cell > area.right - kGap && x > area.left + kGap) {
      x = area.left + kGap, y += rowHeight + kGap, rowHeight = 0;
    }
    DrawIconEx(dc, x + (cell - drawnWidth) / 2, y, preview.icon.get(), drawnWidth, side, 0, nullptr, DI_NORMAL);
    RECT labelRect{x, y + side + 2, x + cell, y + side + 2 + labelHeight};
    DrawTextA(dc, label.c_str(), -1, &labelRect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    x += cell + kGap;
    rowHeight = std::max(rowHeight, side + 2 + labelHeight);
  }
  RestoreDC(dc, saved);
}

}  // namespace gd::proptab
