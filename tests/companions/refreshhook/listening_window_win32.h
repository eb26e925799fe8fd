// A top-level window on a thread of its own that notes every window metrics change it is told
// about (with the shell icon size stored at that moment) and the rebuild requests that reach
// its message loop unhooked.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace gd::test {

// The stored "Shell Icon Size" text, or "(missing)".
std::string StoredShellIconSize();

class ListeningWindow {
 public:
  struct Change {
    std::string shellIconSize;
    bool fromOtherThread = false;
    std::string section;  // only for changes from another thread
  };

  explicit ListeningWindow(const char* className);
  ~ListeningWindow();
  ListeningWindow(const ListeningWindow&) = delete;
  ListeningWindow& operator=(const ListeningWindow&) = delete;

  bool ok() const { return window_ != nullptr; }
  DWORD threadId() const { return threadId_; }
  std::vector<Change> Changes();
  int RequestsSeen() const { return requestsSeen_; }
  // Waits until the loop has seen `count` rebuild requests; false after five seconds.
  bool WaitForRequests(int count) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Run(HANDLE ready);

  std::string className_;
  HWND window_ = nullptr;
  DWORD threadId_ = 0;
  std::atomic<int> requestsSeen_{0};
  std::mutex mutex_;
  std::vector<Change> changes_;
  std::thread thread_;
};

}  // namespace gd::test
