// Creation, filling and reading of the hand-over block.
#include "ui/handover_block_win32.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "ui/resource_ids.h"

namespace gd {
namespace {

// Holds a mutex for one scope.
class MutexHold {
 public:
  explicit MutexHold(HANDLE mutex)
      : mutex_(mutex), held_(mutex != nullptr && WaitForSingleObject(mutex, INFINITE) ==
                                                     WAIT_OBJECT_0) {}
  ~MutexHold() {
    if (held_) ReleaseMutex(mutex_);
  }
  MutexHold(const MutexHold&) = delete;
  MutexHold& operator=(const MutexHold&) = delete;

 private:
  HANDLE mutex_;
  bool held_;
};

}  // namespace

HandoverBlock::HandoverBlock()
    : lock_(CreateMutexA(nullptr, FALSE, kHandoverLockName)),
      ownMutex_(CreateMutexA(nullptr, FALSE, nullptr)) {
  if (lock_) {
    const DWORD wait = WaitForSingleObject(lock_.get(), INFINITE);
    lockHeld_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
  }
}

HandoverBlock::~HandoverBlock() {
  if (lockHeld_) ReleaseMutex(lock_.get());
}

bool HandoverBlock::Publish(HWND window, const std::string& packageFile) {
  UniqueKernelHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                kHandoverBlockSize, kHandoverBlockName));
  if (!mapping) return false;
  if (GetLastError() == ERROR_ALREADY_EXISTS) return true;  // another window owns it
  UniqueMappedView view(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, kHandoverBlockSize));
  if (!view) return false;
  {
    MutexHold hold(ownMutex_.get());
    auto* bytes = static_cast<unsigned char*>(view.get());
    // Window handles are 32-bit values on every Windows, so four bytes carry them.
    const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
    std::memcpy(bytes, &handle, sizeof handle);
    const std::size_t room = kHandoverBlockSize - kHandoverPathOffset;
    const std::size_t length = std::min(packageFile.size(), room - 1);
    std::memset(bytes + kHandoverPathOffset, 0, room);
    std::memcpy(bytes + kHandoverPathOffset, packageFile.data(), length);
  }
  mapping_ = std::move(mapping);
  if (lockHeld_) {
    ReleaseMutex(lock_.get());
    lockHeld_ = false;
  }
  return true;
}

std::optional<std::string> HandoverBlock::ReadHandedPath() {
  UniqueKernelHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, kHandoverBlockName));
  if (!mapping) return std::nullopt;
  UniqueMappedView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, kHandoverBlockSize));
  if (!view) return std::nullopt;
  MutexHold hold(ownMutex_.get());
  const auto* path = static_cast<const char*>(view.get()) + kHandoverPathOffset;
  return std::string(path, strnlen(path, kHandoverBlockSize - kHandoverPathOffset));
}

bool HandOverToRunningWindow(const std::string& packageFile) {
  // The lock keeps us out until a starting window has put its handle into the block.
  UniqueKernelHandle lock(CreateMutexA(nullptr, FALSE, kHandoverLockName));
  if (!lock) return false;
  constexpr DWORD kLockWaitMs = 10000;
  const DWORD wait = WaitForSingleObject(lock.get(), kLockWaitMs);
  if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return false;
  HWND window = nullptr;
  {
    UniqueKernelHandle mapping(OpenFileMappingA(FILE_MAP_WRITE, FALSE, kHandoverBlockName));
    UniqueMappedView view(
        mapping ? MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, kHandoverBlockSize) : nullptr);
    if (view) {
      auto* bytes = static_cast<unsigned char*>(view.get());
      std::uint32_t handle = 0;
      std::memcpy(&handle, bytes, sizeof handle);
      window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
      if (!IsWindow(window)) {
        window = nullptr;  // the block outlived a window that ended
      } else if (!packageFile.empty()) {
        const std::size_t room = kHandoverBlockSize - kHandoverPathOffset;
        std::memset(bytes + kHandoverPathOffset, 0, room);
        std::memcpy(bytes + kHandoverPathOffset, packageFile.data(),
                    std::min(packageFile.size(), room - 1));
      }
    }
  }
  ReleaseMutex(lock.get());
  if (window == nullptr) return false;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  // Posted, not sent: a load may ask the user questions, and this process need not wait.
  if (!packageFile.empty()) PostMessageA(window, WM_COMMAND, IDM_LOAD_HANDED_PACKAGE, 0);
  return true;
}

}  // namespace gd
