// What refreshhook.dll and the program that drives it agree on: the export names and types,
// the shared block that hands the hook its handle, and the message that asks for a rebuild.
#pragma once

#include <windows.h>

#include <cstdint>

namespace gd::refreshhook {

// "RebuildIcons": sets the shell's icon cache rebuild going in the calling process and
// returns; it waits for no window longer than the broadcast timeout.
inline constexpr char kRebuildIconsExport[] = "RebuildIcons";
using RebuildIconsProc = void(WINAPI*)();

// "HookMsgProc": a WH_GETMESSAGE hook procedure. Installed on the shell's thread, it runs the
// same rebuild there when that thread takes kRebuildMessage (both parameters 1) off its queue.
inline constexpr char kHookMsgProcExport[] = "HookMsgProc";

inline constexpr UINT kRebuildMessage = 1135;
inline constexpr WPARAM kRebuildWParam = 1;
inline constexpr LPARAM kRebuildLParam = 1;

// The named block holds the hook handle as 32 bits while the hook is installed. Window
// manager handles fit in 32 bits on 64-bit Windows too; they widen by sign extension.
inline constexpr char kHookBlockName[] = "GlimmerdeckHook";
inline constexpr DWORD kHookBlockSize = 4;

inline std::uint32_t HookToBits(HHOOK hook) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hook));
}

inline HHOOK HookFromBits(std::uint32_t bits) {
  return reinterpret_cast<HHOOK>(static_cast<LONG_PTR>(static_cast<std::int32_t>(bits)));
}

}  // namespace gd::refreshhook
