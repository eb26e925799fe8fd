// A prompt for tests: records every request and gives answers from a queue (Ok, or the
// given default, when the queue is empty).
#pragma once

#include <deque>
#include <vector>

#include "platform/prompt.h"

namespace gd::test {

class ScriptedPrompt final : public Prompt {
 public:
  explicit ScriptedPrompt(std::deque<PromptAnswer> answers = {}, PromptAnswer otherwise = PromptAnswer::Ok)
      : answers_(std::move(answers)), otherwise_(otherwise) {}
  PromptAnswer Ask(const PromptRequest& request) override {
    requests.push_back(request);
    if (answers_.empty()) return otherwise_;
    const PromptAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  std::vector<PromptRequest> requests;

 private:
  std::deque<PromptAnswer> answers_;
  PromptAnswer otherwise_;
};

}  // namespace gd::test
