// What proptab.dll, the shell's "Icon" property tab, and the program agree on: its class id
// and the handler key whose presence means the tab is on.
#pragma once

#include <windows.h>

namespace gd::proptab {

inline constexpr char kClassId[] = "{93CCF120-E053-45CA-B7E0-7DC963928598}";
inline constexpr CLSID kClass = {0x93ccf120, 0xe053, 0x45ca, {0xb7, 0xe0, 0x7d, 0xc9, 0x63, 0x92, 0x85, 0x98}};
// Under HKEY_CLASSES_ROOT; present while the DLL is registered.
inline constexpr char kFileHandlerKey[] =
    "*\\shellex\\PropertySheetHandlers\\{93CCF120-E053-45CA-B7E0-7DC963928598}";

}  // namespace gd::proptab
