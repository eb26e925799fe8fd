// The module handle recorded at load and the module's use count.
#include "companions/proptab/module_win32.h"

namespace gd::proptab {
namespace {

HINSTANCE module = nullptr;
volatile LONG holders = 0;

}  // namespace

HINSTANCE ModuleHandle() { return module; }
void SetModuleHandle(HINSTANCE handle) { module = handle; }

std::string ModulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

std::string ModuleFolder() {
  const std::string path = ModulePath();
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void HoldModule() { InterlockedIncrement(&holders); }
void ReleaseModule() { InterlockedDecrement(&holders); }
bool ModuleInUse() { return holders != 0; }

}  // namespace gd::proptab
