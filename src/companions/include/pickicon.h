/* The export of pickicon.dll, the product's icon picker: its arguments and result codes.
 * Shared by the DLL and by everything that loads it (the Icons & Cursors page, the "Icon"
 * property tab).
 *
 * int __stdcall ChangeIcon(char* icon_file, int* icon_index, const char* slot_name)
 *   Shows the picker as a modal dialog over the active window, starting at the icon
 *   `icon_index` of `icon_file`, with the slot's name in its title. The export is undecorated
 *   ("ChangeIcon", through the DLL's .def file) and uses the WINAPI (stdcall) convention.
 *   icon_file   in and out: a buffer of PICKICON_PATH_SIZE bytes holding a NUL-terminated
 *               ANSI path; on PICKICON_CHOSEN it holds the chosen file. It is never written
 *               past its size, and never changed for any other result.
 *   icon_index  in and out: the icon's position among the file's icons (0 for the first);
 *               on PICKICON_CHOSEN the chosen one.
 *   slot_name   the name of what the icon is for, shown to the user; may be empty.
 *   Returns one of the codes below.
 */
#ifndef GLIMMERDECK_PICKICON_H
#define GLIMMERDECK_PICKICON_H

#define PICKICON_LIBRARY "pickicon.dll"  /* in the folder of the program (or DLL) that loads it */
#define PICKICON_EXPORT "ChangeIcon"
#define PICKICON_PATH_SIZE 260

#define PICKICON_CHOSEN 1            /* a new icon was chosen: file and index hold it */
#define PICKICON_CANCELLED 2         /* the user cancelled: nothing changes */
#define PICKICON_RESTORE_DEFAULT 10  /* the user asked for the Windows default icon */
#define PICKICON_RESTORE_CURRENT 11  /* the user asked to keep the icon the system shows now */

#ifdef _WIN32
typedef int(__stdcall* PickIconChangeIcon)(char* icon_file, int* icon_index, const char* slot_name);
#endif

#endif
