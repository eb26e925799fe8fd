// The Settings page (dialog 105): one owner-drawn list of switches and number rows, whose
// selection is the rows' ticks, a number editor for the caret row, Restore Defaults and an
// immediate icon cache rebuild. Its changes wait for the main window's Apply.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/dialog_win32.h"
#include "platform/prompt.h"
#include "platform/unique_handle.h"
#include "settings/settings_page_model.h"
#include "ui/image_list_win32.h"

namespace gd {

// What the page asks of the main window.
class SettingsPageHost {
 public:
  virtual ~SettingsPageHost() = default;
  // A row changed: Apply becomes available and, when it runs, does what the change asks.
  virtual void SettingsChanged(const SettingsEffect& effect) = 0;
  virtual void RebuildIconCacheNow() = 0;
};

// Where the rows start from.
struct SettingsSystem {
  Registry& registry;
  PropertyTabRegistrar& propertyTab;
  Os osVersion;
  bool newShell;
};

class SettingsPage final : public Dialog {
 public:
  SettingsPage(SettingsPageHost& host, Prompt& prompt) : host_(host), prompt_(prompt) {}

  // Creates the page in the main window with the rows read from the system.
  bool Create(HINSTANCE instance, HWND mainWindow, const SettingsSystem& system);
  // Writes the rows that changed and tells which could not be written; nothing when the
  // page was never made.
  SettingsApplied Apply();

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  void ShowTicks();
  void OnSelectionChange();
  void ShowNumberEditor();
  void OnStep(NMUPDOWN& step);
  void RestoreDefaults();
  void Changed(const SettingsEffect& effect);
  void DrawRow(const DRAWITEMSTRUCT& item);
  SettingsRow CaretRow() const;

  SettingsPageHost& host_;
  Prompt& prompt_;
  std::optional<SettingsPageModel> model_;
  UniqueImageList marks_;
  UniqueGdiObject font_;
  UniqueGdiObject boldFont_;
};

}  // namespace gd
