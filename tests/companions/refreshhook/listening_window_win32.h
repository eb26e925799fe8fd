// A top-level window on a thread of its own that notes every window metrics change it is
// told about, what the shell icon size was at that moment, and whether the change was sent
// from another thread; it also notes rebuild requests that reach its message loop.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace gd::test {

inline constexpr const char* kMetricsKey = "Control Panel\\Desktop\\WindowMetrics";
inline constexpr const char* kShellIconSize = "Shell Icon Size";

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
  // Rebuild requests (message 1135) that the loop itself took from the queue.
  int RequestsSeen() const { return requestsSeen_; }
  // Waits until the loop has seen `count` requests; false after `timeoutMs`.
  bool WaitForRequests(int count, DWORD timeoutMs) const;

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
