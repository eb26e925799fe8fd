// The Preview window (dialog 154): a resizable tool window that shows the icons of one
// package, one category at a time, in one format, with a toolbar to step through the
// categories, copy an icon's image and open the package's information.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialog_win32.h"
#include "platform/ini.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "settings/settings_store.h"
#include "ui/help_topics.h"
#include "ui/image_list_win32.h"
#include "ui/preview_content.h"

namespace gd {

// Told when the user closes the window, so that the Packages page's toggle follows.
class PreviewHost {
 public:
  virtual ~PreviewHost() = default;
  virtual void PreviewClosed() = 0;
};

class PreviewWindow final : public Dialog {
 public:
  PreviewWindow(PreviewHost& host, IniStore& ini, Registry& registry, Prompt& prompt)
      : host_(host), ini_(ini), registry_(registry), prompt_(prompt) {}
  // The window goes with the object, keeping its place for the next time.
  ~PreviewWindow() override;

  // Creates the window, hidden, over `owner`; with `remembered` at the place the user left it.
  bool Create(HINSTANCE instance, HWND owner, bool remembered);
  // Shows this package's categories, keeping the category number shown; an empty path
  // shows nothing (and holds no file open).
  void ShowPackage(const std::string& packageFile);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void OnDestroy() override;
  const char* HelpTopic() const override { return help::kPreviewWindow; }

  void MakeToolbar();
  void PlaceWindow();
  void ShowCategory(std::size_t category);
  void ShowIcons();
  void StepCategory(int step);
  void UpdateButtons();
  void Layout(int width, int height);
  bool OnNotify(const NMHDR& header);
  void ShowContextMenu(LPARAM where);
  const PreviewEntry* SelectedEntry() const;
  std::string SelectedFormat() const;
  void CopyImage();
  void OpenIcon();
  void ShowInfo();

  PreviewHost& host_;
  IniStore& ini_;
  Registry& registry_;
  Prompt& prompt_;
  bool remembered_ = false;
  std::string packageFile_;
  std::vector<std::string> categories_;
  std::size_t category_ = 0;
  std::vector<PreviewEntry> entries_;
  std::string shownFormat_;
  std::string tooltip_;  // the text a tooltip shows, kept while it shows
  UniqueImageList icons_;
  UniqueImageList buttons_;
  HWND toolbar_ = nullptr;
  int listTop_ = 0;
  SIZE minimum_{};
};

}  // namespace gd
