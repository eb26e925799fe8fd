// Prompts and notices of a console program: the message goes to the error stream and the
// answer is the one that changes nothing (Cancel where there is one, else OK).
#pragma once

#include <ostream>

#include "platform/notice.h"
#include "platform/prompt.h"

namespace gd::gdctl {

class ConsolePrompt final : public Prompt, public NoticeBox {
 public:
  explicit ConsolePrompt(std::ostream& err) : err_(err) {}

  PromptAnswer Ask(const PromptRequest& request) override {
    err_ << "gdctl: " << request.text << "\n";
    return Unanswered(request.buttons);
  }
  NoticeResult Show(const PromptRequest& request) override {
    err_ << "gdctl: " << request.text << "\n";
    return {Unanswered(request.buttons), false};
  }

 private:
  static PromptAnswer Unanswered(PromptButtons buttons) {
    return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
  }
  std::ostream& err_;
};

}  // namespace gd::gdctl
