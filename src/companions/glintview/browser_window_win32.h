// Glintview's main window: the grid of a file's icon groups, the images of the chosen group
// with a preview, a status line, the File, Edit and Help menus, and files dropped on it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "glintview/browsed_file.h"
#include "glintview/file_chooser_win32.h"
#include "glintview/image_preview_win32.h"
#include "glintview/layout.h"
#include "platform/dialog_win32.h"
#include "platform/registry.h"
#include "ui/image_list_win32.h"

namespace gd::glintview {

class BrowserWindow final : public Dialog {
 public:
  // `registry` keeps the window's place; `chooser` answers the file dialogs.
  BrowserWindow(Registry& registry, FileChooser& chooser) : registry_(registry), chooser_(chooser) {}
  // The window goes with the object, keeping its place for the next run.
  ~BrowserWindow() override;

  // Makes the window, hidden, at the place the user left it.
  bool Create(HINSTANCE instance);
  // Shows the groups of `path` and selects group `group`; the status line tells what failed.
  void Open(const std::string& path, int group);

 private:
  struct Placed {
    int id;
    Anchor anchor;
    Box box;  // in the client area as the template made it
  };

  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void OnDestroy() override;

  void PlaceWindow();
  void Layout();
  void SetStatus(const std::string& text);
  void Clear();
  void OnNotify(const NMHDR& header);
  void ShowGroup(std::optional<std::size_t> group);
  void ShowImage(std::optional<std::size_t> image);
  void UpdateMenu(HMENU menu) const;
  void OpenChosen();
  void OpenDropped(HDROP drop);
  void SaveGroup();
  void Gather();
  void CopyImage();

  Registry& registry_;
  FileChooser& chooser_;
  HINSTANCE instance_ = nullptr;
  std::optional<BrowsedFile> file_;
  std::optional<std::size_t> group_;  // shown in the image report
  std::optional<std::size_t> image_;  // shown in the preview
  bool filling_ = false;              // the lists' own notifications while they are refilled
  UniqueImageList pictures_;
  ImagePreview preview_;
  std::array<Placed, 6> placed_{};
  SIZE client_{};   // the client area as the template made it
  SIZE minimum_{};  // the window as the template made it: it never gets smaller
};

}  // namespace gd::glintview
