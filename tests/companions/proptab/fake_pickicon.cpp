// A stand-in for pickicon.dll: ChangeIcon answers what the test put in GD_FAKE_PICK
// ("result|file|index") and leaves what it was asked in GD_FAKE_PICK_ASKED ("file|index|slot").
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int WINAPI ChangeIcon(char* iconFile, int* iconIndex, const char* slotName) {
  const std::string asked = std::string(iconFile) + "|" + std::to_string(*iconIndex) + "|" + slotName;
  SetEnvironmentVariableA("GD_FAKE_PICK_ASKED", asked.c_str());
  char answer[600] = {};
  if (GetEnvironmentVariableA("GD_FAKE_PICK", answer, sizeof answer) == 0) return 2;
  const char* file = std::strchr(answer, '|');
  const char* index = file ? std::strrchr(file + 1, '|') : nullptr;
  if (index == nullptr) return std::atoi(answer);
  std::snprintf(iconFile, 260, "%.*s", static_cast<int>(index - file - 1), file + 1);
  *iconIndex = std::atoi(index + 1);
  return std::atoi(answer);
}
