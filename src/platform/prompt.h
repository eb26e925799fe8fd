// The one way the program asks or tells the user something: the real program shows the
// platform's message box, tests answer with a script.
#pragma once

#include <string>

namespace gd {

enum class PromptIcon { Exclamation, Question, Information };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct PromptRequest {
  std::string text;
  std::string caption;
  PromptIcon icon = PromptIcon::Exclamation;
  PromptButtons buttons = PromptButtons::Ok;
};

class Prompt {
 public:
  virtual ~Prompt() = default;
  virtual PromptAnswer Ask(const PromptRequest& request) = 0;
};

}  // namespace gd
