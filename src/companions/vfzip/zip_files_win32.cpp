// Archive writing: the matches of the pattern are found with the ANSI find API, named relative
// to the pattern's folder, and handed to libzip, which reads them when the archive is closed.
#include "companions/vfzip/zip_files.h"

#include "companions/vfzip/name_codec.h"
#include "companions/include/vfzip.h"
#include "companions/vfzip/zip_handles.h"
#include "platform/unique_handle.h"

#include <windows.h>

#include <vector>

namespace gd::vfzip {
namespace {

struct FoundItem {
  std::string disk_path;     // as the find API gave it, relative or absolute
  std::string archive_name;  // relative, "/" between folders, ANSI
  bool is_folder = false;
};

std::string FullPath(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  if (length == 0 || length >= MAX_PATH) return path;
  return std::string(buffer, length);
}

bool SamePath(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool IsDotName(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Adds what matches name_pattern inside folder (folder empty: the current directory, else
// ends in "\"); folders that match are walked completely when recurse is set.
void Collect(const std::string& folder, const std::string& name_pattern,
             const std::string& prefix, bool recurse, const std::string& archive_full,
             std::vector<FoundItem>& found) {
  WIN32_FIND_DATAA data;
  UniqueFind find(FindFirstFileA((folder + name_pattern).c_str(), &data));
  if (!find) return;
  do {
    if (IsDotName(data.cFileName)) continue;
    FoundItem item;
    item.disk_path = folder + data.cFileName;
    item.archive_name = prefix + data.cFileName;
    item.is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (item.is_folder) {
      if (!recurse) continue;
      const std::string inner_folder = item.disk_path + "\\";
      const std::string inner_prefix = item.archive_name + "/";
      item.archive_name = inner_prefix;
      found.push_back(item);
      Collect(inner_folder, "*", inner_prefix, recurse, archive_full, found);
    } else {
      if (SamePath(FullPath(item.disk_path), archive_full)) continue;
      found.push_back(std::move(item));
    }
  } while (FindNextFileA(find.get(), &data));
}

}  // namespace

int ZipFiles(const ZipRequest& request, std::string& why) {
  why.clear();
  if (request.archive.empty() || request.pattern.empty()) {
    why = "ZipFiles needs an archive and a pattern.";
    return VFZIP_BAD_ARGUMENTS;
  }
  const size_t slash = request.pattern.find_last_of("\\/");
  std::string folder = slash == std::string::npos ? "" : request.pattern.substr(0, slash + 1);
  const std::string name_pattern =
      request.pattern.substr(slash == std::string::npos ? 0 : slash + 1);
  if (name_pattern.empty()) {
    why = "The pattern \"" + request.pattern + "\" names no files.";
    return VFZIP_BAD_ARGUMENTS;
  }

  std::vector<FoundItem> found;
  Collect(folder, name_pattern, "", request.recurse, FullPath(request.archive), found);
  bool any_file = false;
  for (const FoundItem& item : found) any_file = any_file || !item.is_folder;
  if (!any_file) {
    why = "No file matches \"" + request.pattern + "\".";
    return VFZIP_NOTHING_MATCHED;
  }

  std::string open_error;
  const int flags = ZIP_CREATE | (request.replace ? ZIP_TRUNCATE : 0);
  UniqueZipArchive archive = OpenArchive(request.archive.c_str(), flags, open_error);
  if (!archive) {
    why = "Cannot create the archive \"" + request.archive + "\": " + open_error + ".";
    return VFZIP_WRITE_ARCHIVE;
  }

  for (const FoundItem& item : found) {
    std::string name;
    if (!AnsiToUtf8(item.archive_name, name)) {
      why = "The name \"" + item.archive_name + "\" cannot be stored.";
      return VFZIP_BAD_NAME;
    }
    zip_int64_t index = -1;
    if (item.is_folder) {
      index = zip_dir_add(archive.get(), name.c_str(), ZIP_FL_ENC_UTF_8);
      if (index < 0 && zip_name_locate(archive.get(), name.c_str(), ZIP_FL_ENC_UTF_8) >= 0) {
        continue;  // the folder is already in the archive that we add to
      }
    } else {
      zip_error_t error;
      zip_error_init(&error);
      UniqueZipSource source(zip_source_win32a_create(item.disk_path.c_str(), 0, -1, &error));
      zip_error_fini(&error);
      if (source) {
        index = zip_file_add(archive.get(), name.c_str(), source.get(),
                             ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index >= 0) source.release();  // the archive owns it now
      }
    }
    if (index < 0) {
      why = "Cannot add \"" + item.disk_path + "\": " + zip_strerror(archive.get()) + ".";
      return VFZIP_WRITE_ARCHIVE;
    }
    if (!item.is_folder) {
      const zip_int32_t method = request.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
      zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index), method, 0);
    }
  }

  zip_t* closing = archive.release();
  if (zip_close(closing) != 0) {
    why = "Cannot write the archive \"" + request.archive + "\": " + zip_strerror(closing) + ".";
    zip_discard(closing);
    return VFZIP_WRITE_ARCHIVE;
  }
  return VFZIP_OK;
}

}  // namespace gd::vfzip
