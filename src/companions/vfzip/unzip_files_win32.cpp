// Extraction in two passes: first every entry of the archive is checked (names, kinds, sizes,
// count) and nothing is written unless all pass; then the matching files are inflated, each
// held to the size it declared.
#include "companions/vfzip/unzip_files.h"

#include "companions/vfzip/entry_name.h"
#include "companions/vfzip/folders.h"
#include "companions/vfzip/name_codec.h"
#include "companions/include/vfzip.h"
#include "companions/vfzip/wildcard.h"
#include "companions/vfzip/zip_handles.h"
#include "platform/unique_handle.h"

#include <windows.h>

#include <vector>

namespace gd::vfzip {
namespace {

constexpr size_t kMaxPath = 259;
constexpr zip_uint32_t kUnixTypeMask = 0170000;
constexpr zip_uint32_t kUnixRegular = 0100000;
constexpr zip_uint32_t kUnixFolder = 0040000;
constexpr zip_uint32_t kUnixLink = 0120000;

struct PlannedEntry {
  zip_uint64_t index = 0;
  std::string path;  // relative, "\" between folders
  bool is_folder = false;
  zip_uint64_t size = 0;
  time_t mtime = 0;
  bool has_mtime = false;
};

std::string RefusedEntry(const std::string& name, const std::string& reason) {
  return "Refused entry \"" + name + "\": " + reason + ".";
}

std::string LastComponent(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ParentOf(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Symbolic links, devices, pipes and sockets recorded by Unix archivers, and reparse points
// recorded by Windows ones, are refused: only plain files and folders are unpacked.
bool IsSpecialFile(zip_uint8_t opsys, zip_uint32_t attributes, std::string& kind) {
  if (opsys == ZIP_OPSYS_UNIX) {
    const zip_uint32_t type = (attributes >> 16) & kUnixTypeMask;
    if (type == kUnixLink) {
      kind = "it is a symbolic link";
      return true;
    }
    if (type != 0 && type != kUnixRegular && type != kUnixFolder) {
      kind = "it is a special file, not a plain file or folder";
      return true;
    }
  }
  if ((opsys == ZIP_OPSYS_DOS || opsys == ZIP_OPSYS_WINDOWS_NTFS || opsys == ZIP_OPSYS_VFAT) &&
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    kind = "it is a link (a reparse point)";
    return true;
  }
  return false;
}

int PlanEntries(zip_t* archive, const std::string& destination,
                std::vector<PlannedEntry>& plan, std::string& why) {
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  if (count < 0) {
    why = "The archive's directory cannot be read.";
    return VFZIP_OPEN_ARCHIVE;
  }
  if (static_cast<zip_uint64_t>(count) > VFZIP_MAX_ENTRIES) {
    why = "The archive holds " + std::to_string(count) + " entries, more than the " +
          std::to_string(VFZIP_MAX_ENTRIES) + " allowed.";
    return VFZIP_TOO_MANY_ENTRIES;
  }
  zip_uint64_t total = 0;
  plan.reserve(static_cast<size_t>(count));
  for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(count); ++index) {
    const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_GUESS);
    if (raw == nullptr) {
      why = "Entry " + std::to_string(index) + " of the archive cannot be read.";
      return VFZIP_BAD_DATA;
    }
    std::string name;
    if (!Utf8ToAnsi(raw, name)) {
      why = RefusedEntry(raw, "its name has characters that this system's code page lacks");
      return VFZIP_BAD_NAME;
    }
    EntryName checked = CheckEntryName(name);
    if (checked.code != VFZIP_OK) {
      why = RefusedEntry(name, checked.reason);
      return checked.code;
    }
    if (destination.size() + 1 + checked.path.size() > kMaxPath) {
      why = RefusedEntry(name, "its path would be longer than 259 characters");
      return VFZIP_BAD_NAME;
    }
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &opsys, &attributes) == 0) {
      std::string kind;
      if (IsSpecialFile(opsys, attributes, kind)) {
        why = RefusedEntry(name, kind);
        return VFZIP_LINK;
      }
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
      why = RefusedEntry(name, "its size cannot be read");
      return VFZIP_BAD_DATA;
    }
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
      why = RefusedEntry(name, "it is encrypted");
      return VFZIP_ENCRYPTED;
    }
    if (stat.size > VFZIP_MAX_ENTRY_BYTES) {
      why = RefusedEntry(name, "it declares " + std::to_string(stat.size) +
                                   " bytes, more than the " +
                                   std::to_string(VFZIP_MAX_ENTRY_BYTES) + " allowed");
      return VFZIP_TOO_LARGE;
    }
    total += stat.size;
    if (total > VFZIP_MAX_TOTAL_BYTES) {
      why = "The archive's entries declare more than " + std::to_string(VFZIP_MAX_TOTAL_BYTES) +
            " bytes in all (passed at entry \"" + name + "\").";
      return VFZIP_TOO_LARGE;
    }
    PlannedEntry entry;
    entry.index = index;
    entry.path = std::move(checked.path);
    entry.is_folder = checked.is_folder;
    entry.size = stat.size;
    entry.has_mtime = (stat.valid & ZIP_STAT_MTIME) != 0;
    entry.mtime = stat.mtime;
    plan.push_back(std::move(entry));
  }
  return VFZIP_OK;
}

void SetWriteTime(HANDLE file, time_t mtime) {
  // time_t counts seconds from 1970; FILETIME counts 100 ns from 1601.
  const long long ticks = (static_cast<long long>(mtime) + 11644473600LL) * 10000000LL;
  if (ticks < 0) return;
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
  time.dwHighDateTime = static_cast<DWORD>(static_cast<unsigned long long>(ticks) >> 32);
  SetFileTime(file, nullptr, nullptr, &time);
}

// Inflates one entry into target. Any failure deletes what was written of it.
int WriteEntry(zip_t* archive, const PlannedEntry& entry, const std::string& target,
               const std::string& shown_name, std::string& why) {
  UniqueZipFile source(zip_fopen_index(archive, entry.index, 0));
  if (!source) {
    why = RefusedEntry(shown_name, std::string("it cannot be read: ") + zip_strerror(archive));
    return VFZIP_BAD_DATA;
  }
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);  // a read-only file is replaced too
  UniqueFile output(CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!output) {
    why = "Cannot write \"" + target + "\" (Windows error " + std::to_string(GetLastError()) +
          ").";
    return VFZIP_WRITE;
  }
  int code = VFZIP_OK;
  std::vector<char> buffer(64 * 1024);
  zip_uint64_t written = 0;
  for (;;) {
    const zip_int64_t got = zip_fread(source.get(), buffer.data(), buffer.size());
    if (got < 0) {
      why = RefusedEntry(shown_name, std::string("its data is damaged: ") +
                                         zip_file_strerror(source.get()));
      code = VFZIP_BAD_DATA;
      break;
    }
    if (got == 0) break;
    written += static_cast<zip_uint64_t>(got);
    if (written > entry.size) {
      why = RefusedEntry(shown_name, "it inflates to more than the " +
                                         std::to_string(entry.size) + " bytes it declares");
      code = VFZIP_INFLATES_TOO_FAR;
      break;
    }
    DWORD done = 0;
    if (!WriteFile(output.get(), buffer.data(), static_cast<DWORD>(got), &done, nullptr) ||
        done != static_cast<DWORD>(got)) {
      why = "Cannot write \"" + target + "\" (Windows error " + std::to_string(GetLastError()) +
            ").";
      code = VFZIP_WRITE;
      break;
    }
  }
  if (code == VFZIP_OK && written != entry.size) {
    why = RefusedEntry(shown_name, "it holds fewer bytes than it declares");
    code = VFZIP_BAD_DATA;
  }
  if (code == VFZIP_OK && entry.has_mtime) SetWriteTime(output.get(), entry.mtime);
  output.reset();
  if (code != VFZIP_OK) DeleteFileA(target.c_str());
  return code;
}

std::string TrimFolder(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/') &&
         !(folder.size() == 3 && folder[1] == ':')) {
    folder.pop_back();
  }
  return folder;
}

}  // namespace

int UnzipFiles(const UnzipRequest& request, std::string& why) {
  why.clear();
  if (request.destination.empty() || request.archive.empty() || request.pattern.empty()) {
    why = "UnZipFiles needs a destination folder, an archive and a pattern.";
    return VFZIP_BAD_ARGUMENTS;
  }
  const std::string destination = TrimFolder(request.destination);

  std::string open_error;
  UniqueZipArchive archive = OpenArchive(request.archive.c_str(), ZIP_RDONLY, open_error);
  if (!archive) {
    why = "Cannot open the archive \"" + request.archive + "\": " + open_error + ".";
    return VFZIP_OPEN_ARCHIVE;
  }

  std::vector<PlannedEntry> plan;
  if (const int code = PlanEntries(archive.get(), destination, plan, why); code != VFZIP_OK) {
    return code;
  }

  if (request.create_destination ? !CreateFolderTree(destination) : !IsFolder(destination)) {
    why = "The destination folder \"" + destination + "\" " +
          (request.create_destination ? "cannot be created." : "does not exist.");
    return VFZIP_DESTINATION;
  }

  for (const PlannedEntry& entry : plan) {
    const std::string shown_name = entry.path;
    if (entry.is_folder) {
      if (request.flatten) continue;
      if (!CreateSubfolders(destination, entry.path)) {
        why = "Cannot create the folder \"" + destination + "\\" + entry.path + "\".";
        return VFZIP_WRITE;
      }
      continue;
    }
    const std::string file_name = LastComponent(entry.path);
    if (!MatchesPattern(request.pattern, file_name)) continue;
    const std::string relative = request.flatten ? file_name : entry.path;
    const std::string parent = ParentOf(relative);
    if (!parent.empty() && !CreateSubfolders(destination, parent)) {
      why = "Cannot create the folder \"" + destination + "\\" + parent + "\".";
      return VFZIP_WRITE;
    }
    const std::string target = destination + "\\" + relative;
    const DWORD existing = GetFileAttributesA(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES) {
      if (existing & FILE_ATTRIBUTE_DIRECTORY) {
        why = "Cannot write \"" + target + "\": a folder of that name exists.";
        return VFZIP_WRITE;
      }
      if (!request.overwrite) continue;
    }
    if (const int code = WriteEntry(archive.get(), entry, target, shown_name, why);
        code != VFZIP_OK) {
      return code;
    }
  }
  return VFZIP_OK;
}

}  // namespace gd::vfzip
