// The platform's open and save dialogs for icon sources, icon files and libraries.
#include "glintview/file_chooser_win32.h"

#include <commdlg.h>

#include "platform/path_text.h"

namespace gd::glintview {
namespace {

// Filters are pairs of texts, each ended by a zero, and the whole list by one more.
constexpr char kSourceFilter[] =
    "Icon Sources (*.ico, *.icl, *.exe, *.dll, *.cur, *.ani)\0*.ico;*.icl;*.exe;*.dll;*.cur;*.ani\0"
    "Icons (*.ico)\0*.ico\0Icon Libraries (*.icl)\0*.icl\0Programs and Libraries (*.exe, *.dll)\0*.exe;*.dll\0"
    "Cursors (*.cur, *.ani)\0*.cur;*.ani\0All Files (*.*)\0*.*\0\0";
constexpr char kIconFilter[] = "Icons (*.ico)\0*.ico\0\0";
constexpr char kLibraryFilter[] = "Icon Libraries (*.icl)\0*.icl\0\0";

std::optional<std::string> SaveDialog(HWND owner, const std::string& proposed, const char* filter,
                                      const char* extension, const char* title) {
  char file[kMaxPath] = {};
  proposed.copy(file, sizeof file - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrDefExt = extension;
  dialog.lpstrTitle = title;
  dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(file);
}

}  // namespace

std::optional<std::string> SystemFileChooser::IconSourceToOpen(HWND owner) {
  char file[kMaxPath] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kSourceFilter;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrTitle = "Open";
  dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(file);
}

std::optional<std::string> SystemFileChooser::IconFileToSave(HWND owner, const std::string& proposed) {
  return SaveDialog(owner, proposed, kIconFilter, "ico", "Save Group As");
}

std::optional<std::string> SystemFileChooser::LibraryToSave(HWND owner, const std::string& proposed) {
  return SaveDialog(owner, proposed, kLibraryFilter, "icl", "Gather into Library");
}

}  // namespace gd::glintview
