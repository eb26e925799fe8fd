// The file type dialogs: Add File Format (279) lists every registered file type and adds the
// chosen one to the Files list; Create New Extension (280) makes up one Windows does not know.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "catalogue/slot_catalogue.h"
#include "platform/dialog_win32.h"
#include "platform/prompt.h"
#include "ui/file_types.h"
#include "ui/help_topics.h"
#include "ui/image_list_win32.h"

namespace gd {

class NewExtensionDialog final : public Dialog {
 public:
  explicit NewExtensionDialog(Prompt& prompt) : prompt_(prompt) {}
  // The row the user made, when the dialog closed with OK.
  const std::optional<FileTypeRow>& made() const { return made_; }

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  const char* HelpTopic() const override { return help::kFileFormats; }

  Prompt& prompt_;
  std::optional<FileTypeRow> made_;
};

class AddFileFormatDialog final : public Dialog {
 public:
  AddFileFormatDialog(SlotCatalogue& catalogue, Prompt& prompt) : catalogue_(catalogue), prompt_(prompt) {}

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  const char* HelpTopic() const override { return help::kFileFormats; }

  int InsertRow(const FileTypeRow& row);
  std::string RowExtension(int row) const;
  // The row of that extension, compared without regard to case; -1 when there is none.
  int FindRow(const std::string& extension) const;
  void SelectRow(int row);
  void NewExtension();
  void Add();
  void AcceptDrop(HDROP drop);
  void Tell(const std::string& text, PromptIcon icon);

  SlotCatalogue& catalogue_;
  Prompt& prompt_;
  UniqueImageList icons_;
};

}  // namespace gd
