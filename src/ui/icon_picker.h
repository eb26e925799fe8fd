// The icon picker as the Icons & Cursors page asks it: the product's picker library in the
// program, answers from a script in tests.
#pragma once

#include <string>

namespace gd {

enum class PickResult {
  Chosen,          // file and index hold the chosen icon
  Cancelled,
  RestoreDefault,  // the user asked for the Windows default
  RestoreCurrent,  // the user asked for the icon the system shows now
  Unavailable,     // there is no picker: nothing happens
};

class IconPicker {
 public:
  virtual ~IconPicker() = default;
  // Starts at `file` and `index`; both change only when the result is Chosen.
  virtual PickResult ChangeIcon(std::string& file, int& index, const std::string& slotName) = 0;
};

}  // namespace gd
