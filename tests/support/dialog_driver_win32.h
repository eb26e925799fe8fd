// Drives a modal dialog from a test: a thread timer, dispatched by the dialog's own modal
// loop, finds the open dialog and acts on it once as a user would.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace gd::test {

class DialogDriver {
 public:
  // `find` gives the open dialog or none; `act` runs once with it. A dialog the action left
  // open is ended with `giveUpResult` after about three seconds, so that no test hangs.
  DialogDriver(std::function<HWND()> find, std::function<void(HWND)> act, INT_PTR giveUpResult)
      : find_(std::move(find)), act_(std::move(act)), giveUpResult_(giveUpResult) {
    current_ = this, timer_ = SetTimer(nullptr, 0, 10, &DialogDriver::OnTimer);
  }
  ~DialogDriver() { KillTimer(nullptr, timer_), current_ = nullptr; }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;
  bool acted() const { return ticks_ > 0; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* self = current_;
    const HWND dialog = self ? self->find_() : nullptr;
    if (dialog != nullptr && self->ticks_++ == 0) self->act_(dialog);
    if (dialog != nullptr && self->ticks_ > 300) EndDialog(dialog, self->giveUpResult_);
  }

  static inline thread_local DialogDriver* current_ = nullptr;
  std::function<HWND()> find_;
  std::function<void(HWND)> act_;
  INT_PTR giveUpResult_;
  UINT_PTR timer_ = 0;
  int ticks_ = 0;  // timer ticks with the dialog open
};

}  // namespace gd::test
