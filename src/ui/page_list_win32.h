// The main window's page list: big picture buttons on the left that stand in for the tabs of
// the pages, drawn by the window.
#pragma once

#include <windows.h>

#include <optional>

namespace gd {

enum class PageEntry { Packages, IconsAndCursors, Settings, Explorer };

class PageList {
 public:
  // Takes over the owner-drawn list box and fills it with its four entries.
  void Attach(HWND list);
  // The Package Builder view has no Settings page: its entry leaves the list and comes back.
  void ShowSettingsEntry(bool shown);

  std::optional<PageEntry> Selected() const;
  void Select(PageEntry entry);
  int EntryCount() const;

  void Draw(const DRAWITEMSTRUCT& item);
  // The label font's height: it grows with the list (a fixed share of its height) but never
  // beyond what lets every label fit its button without covering the picture.
  int LabelFontHeight(HDC dc, int itemWidth);

 private:
  std::optional<int> IndexOf(PageEntry entry) const;

  HWND list_ = nullptr;
  int fittedForHeight_ = -1;
  int fittedForWidth_ = -1;
  int fittedFont_ = 0;
};

}  // namespace gd
