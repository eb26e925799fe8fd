// Entry point of Glintview.exe: the browser window over the real registry and file dialogs,
// opening the icon reference given on the command line once the window shows.
#include <windows.h>

#include "glintview/browser_window_win32.h"
#include "glintview/resource_ids.h"
#include "glintview/start_argument.h"
#include "platform/registry_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  gd::glintview::SystemFileChooser chooser;
  gd::glintview::BrowserWindow window(gd::SystemRegistry(), chooser);
  if (!window.Create(instance)) return 1;
  ShowWindow(window.hwnd(), show);
  UpdateWindow(window.hwnd());
  if (const auto start = gd::glintview::ParseStartArgument(commandLine ? commandLine : "")) {
    window.Open(start->path, start->index);
  }
  return static_cast<int>(window.RunLoop(LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_GLINTVIEW_KEYS))));
}
