/* The exports of VFZip.dll, the product's zip library: their arguments, the meaning of the
 * trailing numbers and the result codes. Shared by the DLL and by the program that loads it.
 *
 * All three exports are undecorated C functions with the __cdecl convention (the caller
 * removes the arguments). Every text is single-byte text in the process's ANSI code page.
 *
 * int UnZipFiles(const char* destination, const char* zip_path, const char* pattern,
 *                int flatten, int overwrite, int create_destination)
 *   Extracts every file of the archive whose file name (the part after the last folder
 *   separator) matches the pattern ("*" any run of characters, "?" one character, compared
 *   without regard to case; "*.*" matches every name, with or without a dot).
 *   flatten             0: recreate the archive's folders under the destination;
 *                       1: write every file straight into the destination, dropping folders.
 *   overwrite           1: replace files that already exist; 0: leave them as they are.
 *   create_destination  1: create the destination folder (and its parents) when missing;
 *                       0: fail with VFZIP_DESTINATION when it does not exist.
 *   The program calls it with (destination, archive, "*.*", 0, 1, 1).
 *
 *   Archives are untrusted. Every entry is checked before anything is written, and one bad
 *   entry refuses the whole archive: names with "..", absolute paths, drive letters, streams,
 *   device names (CON, PRN, AUX, NUL, COM1-9, LPT1-9, CONIN$, CONOUT$, with or without an
 *   extension, in any folder), characters that Windows does not allow in names, names that
 *   Windows would change (a trailing dot or blank), names that no ANSI text can hold, paths
 *   that would not fit in 259 characters; symbolic links and other special files; encrypted
 *   entries; more than VFZIP_MAX_ENTRIES entries; an entry that declares more than
 *   VFZIP_MAX_ENTRY_BYTES or entries that together declare more than VFZIP_MAX_TOTAL_BYTES.
 *   While writing, an entry that inflates to more bytes than it declared is cut off, its
 *   partial file deleted, and the extraction stops. Nothing is ever written outside the
 *   destination folder. Returns VFZIP_OK (0) on success, else one of the codes below.
 *
 * int ZipFiles(const char* zip_path, const char* pattern, int recurse, int replace,
 *              int compress)
 *   Writes a standard zip archive of the files that match the pattern. The pattern may carry
 *   a folder ("C:\pkg\*.ico"); without one it is looked up in the current directory. Names
 *   are stored relative to that folder, with "/" between folders, in UTF-8 when they are not
 *   plain ASCII. The archive itself is never added to itself.
 *   recurse   1: a folder that matches the pattern is stored with everything inside it (so
 *                "*.*" stores the whole tree, empty folders included); 0: files only.
 *   replace   1: start a new archive, replacing any file of that name; 0: add to an
 *                existing archive, replacing entries of the same name.
 *   compress  1: deflate; 0: store.
 *   The program calls it with (archive, "*.*", 1, 1, 1). Returns VFZIP_OK or a code below
 *   (VFZIP_NOTHING_MATCHED when the pattern found no file, in which case no archive is made).
 *
 * const char* UnZipLastError(void)
 *   A sentence that says why the last UnZipFiles or ZipFiles call of this thread failed,
 *   naming the refused entry where there is one; "" after a success. The text stays valid
 *   until the thread's next call into the library.
 */
#ifndef GLIMMERDECK_VFZIP_H
#define GLIMMERDECK_VFZIP_H

#ifdef __cplusplus
extern "C" {
#endif

enum {
  VFZIP_OK = 0,
  VFZIP_BAD_ARGUMENTS = 1,     /* a missing text argument */
  VFZIP_OPEN_ARCHIVE = 2,      /* the archive is missing, unreadable or not a zip archive */
  VFZIP_DESTINATION = 3,       /* the destination folder cannot be made or does not exist */
  VFZIP_PARENT_FOLDER = 4,     /* an entry name with a ".." folder */
  VFZIP_ABSOLUTE_PATH = 5,     /* an entry name that starts at a root or a drive */
  VFZIP_DEVICE_NAME = 6,       /* an entry name that is a Windows device */
  VFZIP_LINK = 7,              /* a symbolic link or other special file */
  VFZIP_TOO_MANY_ENTRIES = 8,  /* more entries than VFZIP_MAX_ENTRIES */
  VFZIP_TOO_LARGE = 9,         /* declared sizes beyond the bounds */
  VFZIP_INFLATES_TOO_FAR = 10, /* an entry that inflated past its declared size */
  VFZIP_BAD_DATA = 11,         /* compressed data that cannot be read, or a CRC mismatch */
  VFZIP_WRITE = 12,            /* a file or folder that cannot be written */
  VFZIP_BAD_NAME = 13,         /* any other name that cannot be stored safely on Windows */
  VFZIP_ENCRYPTED = 14,        /* an encrypted entry */
  VFZIP_NOTHING_MATCHED = 15,  /* ZipFiles: the pattern found no file */
  VFZIP_WRITE_ARCHIVE = 16,    /* ZipFiles: the archive cannot be written */
  VFZIP_INTERNAL = 17          /* out of memory or another failure inside the library */
};

/* Bounds on what one archive may unpack: far above any icon package, far below a full disk. */
#define VFZIP_MAX_ENTRIES 4096
#define VFZIP_MAX_ENTRY_BYTES (256ULL * 1024 * 1024)
#define VFZIP_MAX_TOTAL_BYTES (512ULL * 1024 * 1024)

typedef int(__cdecl* VfzipUnZipFilesFn)(const char*, const char*, const char*, int, int, int);
typedef int(__cdecl* VfzipZipFilesFn)(const char*, const char*, int, int, int);
typedef const char*(__cdecl* VfzipLastErrorFn)(void);

#ifdef __cplusplus
}
#endif

#endif
