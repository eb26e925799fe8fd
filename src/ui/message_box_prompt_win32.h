// The real prompt: the platform's message box.
#pragma once

#include <windows.h>

#include "platform/prompt.h"

namespace gd {

class MessageBoxPrompt final : public Prompt {
 public:
  // Messages are owned by `owner` (may be null; then the active window owns them).
  explicit MessageBoxPrompt(HWND owner = nullptr) : owner_(owner) {}
  PromptAnswer Ask(const PromptRequest& request) override;

 private:
  HWND owner_;
};

}  // namespace gd
