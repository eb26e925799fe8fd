// Maps prompt requests to MessageBoxA styles and answers.
#include "ui/message_box_prompt_win32.h"

namespace gd {
namespace {

UINT Style(const PromptRequest& request) {
  UINT style = 0;
  switch (request.icon) {
    case PromptIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case PromptIcon::Question: style |= MB_ICONQUESTION; break;
    case PromptIcon::Information: style |= MB_ICONINFORMATION; break;
    case PromptIcon::None: break;
  }
  switch (request.buttons) {
    case PromptButtons::Ok: style |= MB_OK; break;
    case PromptButtons::OkCancel: style |= MB_OKCANCEL; break;
    case PromptButtons::YesNo: style |= MB_YESNO; break;
    case PromptButtons::YesNoCancel: style |= MB_YESNOCANCEL; break;
  }
  return style;
}

}  // namespace

PromptAnswer MessageBoxPrompt::Ask(const PromptRequest& request) {
  HWND owner = owner_ != nullptr ? owner_ : GetActiveWindow();
  switch (MessageBoxA(owner, request.text.c_str(), request.caption.c_str(), Style(request))) {
    case IDYES: return PromptAnswer::Yes;
    case IDNO: return PromptAnswer::No;
    case IDOK: return PromptAnswer::Ok;
    default: return PromptAnswer::Cancel;
  }
}

}  // namespace gd
