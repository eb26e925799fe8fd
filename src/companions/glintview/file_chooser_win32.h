// The file dialogs of the browser behind an interface: the platform's dialogs in the program,
// scripted answers in tests.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace gd::glintview {

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // "Open": an icon source to browse.
  virtual std::optional<std::string> IconSourceToOpen(HWND owner) = 0;
  // "Save Group As": the icon file to write, offered as `proposed`.
  virtual std::optional<std::string> IconFileToSave(HWND owner, const std::string& proposed) = 0;
  // "Gather into Library": the new library to write, offered as `proposed`.
  virtual std::optional<std::string> LibraryToSave(HWND owner, const std::string& proposed) = 0;
};

// GetOpenFileNameA and GetSaveFileNameA over the browser's window.
class SystemFileChooser final : public FileChooser {
 public:
  std::optional<std::string> IconSourceToOpen(HWND owner) override;
  std::optional<std::string> IconFileToSave(HWND owner, const std::string& proposed) override;
  std::optional<std::string> LibraryToSave(HWND owner, const std::string& proposed) override;
};

}  // namespace gd::glintview
