// Ownership of the Win32 handles that only the icon drawing and clipboard code use.
#pragma once

#include <windows.h>

#include "platform/unique_handle.h"

namespace gd {

// The screen's device context from GetDC(NULL), given back with ReleaseDC.
struct ScreenDcTraits {
  using Handle = HDC;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ReleaseDC(nullptr, h); }
};

// Movable global memory until the clipboard takes it over.
struct GlobalMemoryTraits {
  using Handle = HGLOBAL;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { GlobalFree(h); }
};

using UniqueScreenDc = UniqueHandle<ScreenDcTraits>;
using UniqueGlobalMemory = UniqueHandle<GlobalMemoryTraits>;

}  // namespace gd
