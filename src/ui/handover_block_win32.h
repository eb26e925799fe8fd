// The named shared memory through which another process hands the running main window a
// package: bytes 0..3 hold the window handle, bytes 4..263 the package path.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/unique_handle.h"

namespace gd {

inline constexpr char kHandoverBlockName[] = "Glimmerdeck";
inline constexpr char kHandoverLockName[] = "Icon";
inline constexpr DWORD kHandoverBlockSize = 264;
inline constexpr DWORD kHandoverPathOffset = 4;

class HandoverBlock {
 public:
  // Takes the lock "Icon", waiting for it, so no sender writes before the block is filled.
  HandoverBlock();
  ~HandoverBlock();
  HandoverBlock(const HandoverBlock&) = delete;
  HandoverBlock& operator=(const HandoverBlock&) = delete;

  // Creates and fills the block and releases the lock. When a block of that name already
  // exists (another window has it) the block is left alone and the lock is kept until this
  // object ends. False when the block could not be made; start-up goes on without it.
  bool Publish(HWND window, const std::string& packageFile);

  // The path a sender wrote into the block; none when the block cannot be opened.
  std::optional<std::string> ReadHandedPath();

 private:
  UniqueKernelHandle lock_;
  bool lockHeld_ = false;
  UniqueKernelHandle mapping_;
  UniqueKernelHandle ownMutex_;  // guards our own reads and writes of the block
};

// The sender's side, for a second start of the program: when a window of the program runs,
// writes `packageFile` (unless empty) into its block, asks it to load it and brings it to the
// front. False when no window runs, so the caller opens its own.
bool HandOverToRunningWindow(const std::string& packageFile);

}  // namespace gd
