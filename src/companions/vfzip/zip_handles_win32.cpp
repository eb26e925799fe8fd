// Opening archives by ANSI path through libzip's Win32 ANSI file source.
#include "companions/vfzip/zip_handles.h"

namespace gd::vfzip {

UniqueZipArchive OpenArchive(const char* ansi_path, int flags, std::string& why) {
  zip_error_t error;
  zip_error_init(&error);
  UniqueZipSource source(zip_source_win32a_create(ansi_path, 0, -1, &error));
  if (!source) {
    why = zip_error_strerror(&error);
    zip_error_fini(&error);
    return nullptr;
  }
  UniqueZipArchive archive(zip_open_from_source(source.get(), flags, &error));
  if (!archive) {
    why = zip_error_strerror(&error);
    zip_error_fini(&error);
    return nullptr;  // the source is still ours and is freed here
  }
  source.release();  // the archive owns it now
  zip_error_fini(&error);
  return archive;
}

}  // namespace gd::vfzip
