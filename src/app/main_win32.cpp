// Entry point of glimmerdeck.exe: wires the real registry, prompt and window to start-up.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "app/page_operations.h"
#include "platform/win32_registry.h"
#include "ui/main_window.h"
#include "ui/message_box_prompt.h"
#include "ui/resource_ids.h"

namespace {

// Runs the real main window as the modal loop of the program.
class DialogRunner final : public gd::MainWindowRunner {
 public:
  DialogRunner(gd::SettingsStore& settings, gd::Prompt& prompt, gd::PageOperations& operations)
      : settings_(settings), prompt_(prompt), operations_(operations) {}

  int Run(const gd::WindowStart& start) override {
    gd::MainWindow window(start, settings_, prompt_, operations_);
    if (window.RunModal(GetModuleHandleA(nullptr), IDD_MAIN_WINDOW, nullptr) == -1) {
      return gd::kExitWindowFailed;
    }
    return window.ExitCode();
  }

 private:
  gd::SettingsStore& settings_;
  gd::Prompt& prompt_;
  gd::PageOperations& operations_;
};

// The arguments after the program name, split by the C runtime's usual rules.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i] ? __argv[i] : "");
  return arguments;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  gd::SettingsStore settings(gd::SystemRegistry());
  gd::MessageBoxPrompt prompt;
  gd::EmptyCatalogueOperations operations;
  DialogRunner runner(settings, prompt, operations);
  return gd::RunApplication(Arguments(), settings, prompt, runner);
}
