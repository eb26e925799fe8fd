// The main window: dialog 102 with its page list and buttons, its start-up sequence and the
// commands of its buttons.
#pragma once

#include <windows.h>

#include "ui/app_state.h"
#include "ui/handover_block_win32.h"
#include "ui/page_operations.h"
#include "settings/settings_store.h"
#include "ui/window_start.h"
#include "platform/prompt.h"
#include "platform/unique_handle.h"
#include "ui/dialog_win32.h"

namespace gd {

class MainWindow final : public Dialog, private WindowStartHost {
 public:
  MainWindow(const WindowStart& start, SettingsStore& settings, Prompt& prompt,
             PageOperations& operations);

  // The exit code that the way the window ended stands for.
  int ExitCode() const { return cancelled_ ? kExitCancelled : kExitOk; }

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMeasureItem(int id, MEASUREITEMSTRUCT& item) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void OnDestroy() override;

  // WindowStartHost
  void SelectPage(int entry) override;
  void ShowSelectedPage() override;
  bool LoadPackage(const std::string& packageFile) override;
  void RestoreAllIconsQuietly() override;
  void RestoreAllCursorsQuietly() override;
  void CancelWindow() override;
  void OkAction() override;
  void MoveWindowTo(int left, int top) override;

  void SetUpIcons();
  void FillPageList();
  void OnPageListSelection();
  void Apply();
  void OfferApplyWhenPending();
  void Cancel();
  void Close(INT_PTR result);
  bool ApplyEnabled() const;
  void UpdateTitle();

  WindowStart start_;
  AppState state_;
  SettingsStore& settings_;
  Prompt& prompt_;
  PageOperations& operations_;
  HandoverBlock handover_;
  UniqueIcon largeIcon_;
  UniqueIcon smallIcon_;
  UniqueGdiObject listBrush_;
  int shownPage_ = kPageIconsAndCursors;
  bool closed_ = false;
  bool cancelled_ = false;
};

}  // namespace gd
