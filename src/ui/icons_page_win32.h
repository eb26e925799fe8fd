// The Icons & Cursors page (dialog 104): one tab per category of the slot catalogue, one
// owner-drawn list of slots per tab, and changing, restoring, browsing and dropping icons on
// them; the drive mode, the animated-cursor preview and the status line.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/slot_catalogue.h"
#include "platform/dialog_win32.h"
#include "platform/prompt.h"
#include "platform/unique_handle.h"
#include "ui/file_choosers.h"
#include "ui/icon_picker.h"
#include "ui/image_list_win32.h"

namespace gd {

// What the page asks of the main window.
class IconsPageHost {
 public:
  virtual ~IconsPageHost() = default;
  // A slot changed: Apply has work, and with `needCacheRebuild` it rebuilds the icon cache.
  virtual void SlotsChanged(bool needCacheRebuild) = 0;
};

// What the page works with.
struct IconsServices {
  SlotCatalogue& catalogue;
  IconPicker& picker;
  FileChoosers& choosers;
  Prompt& prompt;
  IconsPageHost& host;
};

class IconsPage final : public Dialog {
 public:
  explicit IconsPage(IconsServices services) : services_(services) {}

  // Creates the page; the Quick Launch tab shows when `quickLaunchTab`.
  bool Create(HINSTANCE instance, HWND mainWindow, bool quickLaunchTab);
  // The catalogue's lists changed (a load, a restore, a new view): the shown list again.
  void Refresh();
  // One slot of a list changed.
  void RefreshSlot(Category category, int item);
  // The view changed (the catalogue was switched and emptied already).
  void ViewChanged(bool localUpdate);
  void ShowQuickLaunchTab(bool shown);
  // The Add File Format dialog; a type added shows, selected, in the Files list.
  void AddFormat();

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void OnDestroy() override;

  Category ShownCategory() const;
  HWND ListOf(Category category) const;
  void ShowTab();
  void FillList(Category category);
  IconSlot* SelectedSlot() const;
  void UpdateStatus();
  void ShowCursorPreview(const IconSlot* slot);
  void NextPreviewFrame();
  void Change(const std::optional<std::string>& dropped, std::optional<int> item);
  void TakeIcon(IconSlot& slot, int item, const std::string& file, int index);
  void Restore(bool toCurrent);
  void RestoreAll();
  void SlotChanged(int item);
  void ViewIcon();
  void ShowProperties();
  void RemoveFormat();
  void SwitchDriveMode();
  void ShowSlotMenu(LPARAM where);
  void ShowRestoreMenu();
  void AcceptDrop(HDROP drop);
  void DrawSlot(const DRAWITEMSTRUCT& item);
  HICON IconOf(const IconSlot& slot);
  void Tell(const std::string& text, PromptIcon icon);

  IconsServices services_;
  bool quickLaunchTab_ = true;
  bool localUpdate_ = true;
  UniqueImageList tabImages_;
  UniqueIcon changedMark_;
  UniqueIcon missingMark_;
  UniqueGdiObject font_;
  UniqueGdiObject boldFont_;
  // Each icon file and index is extracted once; none when it has no icon.
  std::map<std::string, UniqueIcon> icons_;
  std::vector<UniqueIcon> previewFrames_;
  std::size_t previewFrame_ = 0;
};

}  // namespace gd
