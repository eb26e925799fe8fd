// What pickicon.dll, the icon picker, and the programs that call it agree on: the file name,
// the export and its results.
#pragma once

#include <windows.h>

namespace gd::pickicon {

inline constexpr char kLibraryName[] = "pickicon.dll";

// "ChangeIcon": lets the user pick an icon for one slot.
//   iconFile  a buffer of kIconFileBuffer characters holding the current icon file; on
//             kChosen it holds the new one
//   iconIndex the current icon's index in iconFile; on kChosen the new one
//   slotName  what the icon belongs to, shown to the user (a catalogue slot's name, or the
//             path of the item whose Properties asked)
// The function is __stdcall (WINAPI) on i686, where the DLL exports it undecorated through
// its .def file, so GetProcAddress finds "ChangeIcon" without the "@12" suffix; x86_64 has a
// single calling convention and the same name.
inline constexpr char kChangeIconExport[] = "ChangeIcon";
inline constexpr int kIconFileBuffer = 260;
using ChangeIconProc = int(WINAPI*)(char* iconFile, int* iconIndex, const char* slotName);

enum ChangeIconResult : int {
  kChosen = 1,          // iconFile and iconIndex name the new icon
  kCancelled = 2,       // nothing changes
  kRestoreDefault = 10, // the system's own icon for the slot comes back
  kKeepCurrent = 11,    // nothing changes
};

}  // namespace gd::pickicon
