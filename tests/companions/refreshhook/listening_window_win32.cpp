// The listening window's thread, class and window procedure.
#include "listening_window_win32.h"

#include "companions/include/refreshhook_win32.h"

namespace gd::test {

std::string StoredShellIconSize() {
  char text[64] = {};
  DWORD size = sizeof(text) - 1;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop\\WindowMetrics", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return "(missing)";
  }
  const LONG error = RegQueryValueExA(key, "Shell Icon Size", nullptr, nullptr,
                                      reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  return error == ERROR_SUCCESS ? std::string(text) : "(missing)";
}

ListeningWindow::ListeningWindow(const char* className) : className_(className) {
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([this, ready] { Run(ready); });
  WaitForSingleObject(ready, 10000);
  CloseHandle(ready);
}

ListeningWindow::~ListeningWindow() {
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  thread_.join();
}

std::vector<ListeningWindow::Change> ListeningWindow::Changes() {
  std::lock_guard<std::mutex> lock(mutex_);
  return changes_;
}

bool ListeningWindow::WaitForRequests(int count) const {
  for (int waited = 0; requestsSeen_ < count; waited += 20) {
    if (waited >= 5000) return false;
    Sleep(20);
  }
  return true;
}

LRESULT CALLBACK ListeningWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<ListeningWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_SETTINGCHANGE && wParam == SPI_SETNONCLIENTMETRICS && self != nullptr) {
    Change change{StoredShellIconSize(), InSendMessage() != FALSE, {}};
    // Wine garbles the section name of a broadcast sent from the window's own thread.
    if (change.fromOtherThread && lParam != 0) {
      change.section = reinterpret_cast<const char*>(lParam);
    }
    std::lock_guard<std::mutex> lock(self->mutex_);
    self->changes_.push_back(change);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void ListeningWindow::Run(HANDLE ready) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className_.c_str();
  RegisterClassA(&windowClass);
  window_ = CreateWindowExA(0, className_.c_str(), "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                            nullptr, windowClass.hInstance, nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here
  threadId_ = GetCurrentThreadId();
  SetEvent(ready);
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == refreshhook::kRebuildMessage) {
      ++requestsSeen_;
    }
    DispatchMessageA(&message);
  }
  DestroyWindow(window_);
  UnregisterClassA(className_.c_str(), windowClass.hInstance);
}

}  // namespace gd::test
