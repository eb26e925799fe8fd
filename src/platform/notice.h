// Warnings the user may switch off: a message with a "Do not show this notice again" box.
#pragma once

#include "platform/prompt.h"

namespace gd {

struct NoticeResult {
  PromptAnswer answer = PromptAnswer::Ok;
  bool doNotShowAgain = false;
};

class NoticeBox {
 public:
  virtual ~NoticeBox() = default;
  virtual NoticeResult Show(const PromptRequest& request) = 0;
};

}  // namespace gd
