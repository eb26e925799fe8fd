// The hook procedure's side of the shared block "GlimmerdeckHook".
#pragma once

#include <windows.h>

namespace gd::refreshhook {

// The hook handle that the installing program left in the block; null when there is none.
HHOOK HookFromBlock() noexcept;

}  // namespace gd::refreshhook
