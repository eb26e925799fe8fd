// The notice box, a message box of the program's own with a "do not show this notice again"
// check box, and the notice service that shows the program's notices in it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dialog_win32.h"
#include "platform/notice.h"
#include "platform/unique_handle.h"

namespace gd {

// Dialog 285, sized to its text when it opens. Flags and results: see ui/notice_layout.h.
class NoticeDialog final : public Dialog {
 public:
  NoticeDialog() = default;

  // An empty caption gives the box the application's title.
  void SetNotice(std::string_view text, std::string_view caption, std::uint32_t flags);
  // Runs the box modally: the identifier of the button pressed (Escape counts as Cancel), with
  // kNoticeTicked added when the check box was shown and ticked; -1 when it could not open.
  INT_PTR Show(HWND owner);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnDestroy() override;

  void ShowIcon();
  void UseMessageFont();
  SIZE MeasureText(int widthLimit) const;
  void Arrange(SIZE text);
  void LabelButtons();
  bool CheckBoxShown() const;

  std::string text_;
  std::string caption_;
  std::uint32_t flags_ = 0;
  UniqueGdiObject font_;
  UniqueIcon icon_;
};

// The program's notices: every caller offers "do not show again", so the box always has it.
class NoticeBoxDialog final : public NoticeBox {
 public:
  // Without an owner the active window owns the box.
  explicit NoticeBoxDialog(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  NoticeResult Show(const PromptRequest& request) override;

 private:
  HWND owner_;
};

}  // namespace gd
