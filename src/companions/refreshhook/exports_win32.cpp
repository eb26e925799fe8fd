// The two entry points of refreshhook.dll. Both are plain C functions over the Win32 API; the
// library is built without C++ exceptions, so none can reach the caller.
#include "companions/refreshhook/hook_block_win32.h"
#include "companions/refreshhook/icon_rebuild.h"
#include "companions/include/refreshhook_win32.h"

#include <windows.h>

namespace {

bool IsRebuildRequest(const MSG& message) {
  using namespace gd::refreshhook;
  return message.hwnd == nullptr && message.message == kRebuildMessage &&
         message.wParam == kRebuildWParam && message.lParam == kRebuildLParam;
}

}  // namespace

extern "C" {

void WINAPI RebuildIcons() { gd::refreshhook::RebuildShellIcons(); }

// Runs on the hooked thread for every message it takes from its queue. The request is acted
// on only when the message is removed, so a peek that leaves it queued does not rebuild twice;
// it is then turned into WM_NULL, as the shell has no use for it.
LRESULT CALLBACK HookMsgProc(int code, WPARAM removal, LPARAM message) {
  const HHOOK hook = gd::refreshhook::HookFromBlock();
  if (code == HC_ACTION && removal == PM_REMOVE && message != 0) {
    MSG& taken = *reinterpret_cast<MSG*>(message);
    if (IsRebuildRequest(taken)) {
      gd::refreshhook::RebuildShellIcons();
      taken.message = WM_NULL;
    }
  }
  return CallNextHookEx(hook, code, removal, message);
}

}  // extern "C"
