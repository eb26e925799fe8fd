// The one way the program asks or tells the user something: the real program shows the
// platform's message box, tests answer with a script.
#pragma once

#include <string>
#include <string_view>

namespace gd {

enum class PromptIcon { Exclamation, Question, Information, None };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct PromptRequest {
  std::string text;
  std::string caption;
  PromptIcon icon = PromptIcon::Exclamation;
  PromptButtons buttons = PromptButtons::Ok;
};

// A message with its one "%s" replaced; the text goes in as it is, percent signs and all.
inline std::string WithText(std::string_view format, std::string_view text) {
  std::string message(format);
  if (const std::size_t at = message.find("%s"); at != std::string::npos) {
    message.replace(at, 2, text);
  }
  return message;
}

class Prompt {
 public:
  virtual ~Prompt() = default;
  virtual PromptAnswer Ask(const PromptRequest& request) = 0;
};

}  // namespace gd
