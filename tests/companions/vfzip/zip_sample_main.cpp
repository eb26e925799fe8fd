// Packs a folder with the built VFZip.dll, for the check of its archives by other zip tools:
//   vfzip_zip_sample ARCHIVE FOLDER
#include "platform/prompt.h"
#include "platform/zip_library.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

class StderrPrompt : public gd::Prompt {
 public:
  gd::PromptAnswer Ask(const gd::PromptRequest& request) override {
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    return gd::PromptAnswer::Ok;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vfzip_zip_sample ARCHIVE FOLDER\n");
    return 2;
  }
  char module_path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, module_path, MAX_PATH);
  std::string library(module_path, length);
  library = library.substr(0, library.rfind('\\') + 1) + "VFZip.dll";
  StderrPrompt prompt;
  const std::string source = std::string(argv[2]) + "\\*.*";
  return gd::ZipFolder(library, prompt, argv[1], source) ? 0 : 1;
}
