// A caller of pickicon.dll for trying the picker by hand and for screenshots: opens it over
// the given file and prints what ChangeIcon answered and the file and index it left.
//
//   pickicon_show.exe FILE [INDEX [SLOT NAME]]
#include "companions/include/pickicon.h"
#include "platform/unique_handle.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pickicon_show FILE [INDEX [SLOT NAME]]\n");
    return 2;
  }
  char file[PICKICON_PATH_SIZE] = {};
  if (std::strlen(argv[1]) >= sizeof file) {
    std::fprintf(stderr, "pickicon_show: the file name is longer than %d characters\n", PICKICON_PATH_SIZE - 1);
    return 2;
  }
  std::strcpy(file, argv[1]);
  int index = argc > 2 ? std::atoi(argv[2]) : 0;
  const char* slot = argc > 3 ? argv[3] : "";
  // Beside this program, as the product's callers find it.
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  char* slash = std::strrchr(path, '\\');
  if (length == 0 || slash == nullptr || std::strlen("pickicon.dll") >= sizeof path - (slash + 1 - path)) return 1;
  std::strcpy(slash + 1, "pickicon.dll");
  const gd::UniqueModule module(LoadLibraryA(path));
  const auto changeIcon =
      module ? reinterpret_cast<PickIconChangeIcon>(reinterpret_cast<void*>(GetProcAddress(module.get(), "ChangeIcon")))
             : nullptr;
  if (changeIcon == nullptr) {
    std::fprintf(stderr, "pickicon_show: cannot load %s\n", path);
    return 1;
  }
  const int result = changeIcon(file, &index, slot);
  std::printf("%d\t%s,%d\n", result, file, index);
  return 0;
}
