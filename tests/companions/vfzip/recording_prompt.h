// A Prompt that answers OK and remembers every request, for checking what the user was told.
#pragma once

#include "platform/prompt.h"

#include <vector>

namespace gd::test {

class RecordingPrompt : public Prompt {
 public:
  PromptAnswer Ask(const PromptRequest& request) override {
    requests.push_back(request);
    return PromptAnswer::Ok;
  }
  std::vector<PromptRequest> requests;
};

}  // namespace gd::test
