// Ownership of libzip's archive, file and source handles.
#pragma once

#include <zip.h>

#include <memory>
#include <string>

namespace gd::vfzip {

struct ZipArchiveDiscard {
  void operator()(zip_t* archive) const noexcept { zip_discard(archive); }
};
struct ZipFileClose {
  void operator()(zip_file_t* file) const noexcept { zip_fclose(file); }
};
struct ZipSourceFree {
  void operator()(zip_source_t* source) const noexcept { zip_source_free(source); }
};

// An archive that is thrown away unless its owner closes it with zip_close after release().
using UniqueZipArchive = std::unique_ptr<zip_t, ZipArchiveDiscard>;
using UniqueZipFile = std::unique_ptr<zip_file_t, ZipFileClose>;
using UniqueZipSource = std::unique_ptr<zip_source_t, ZipSourceFree>;

// Opens the archive at an ANSI path (libzip's plain zip_open would read the path as UTF-8).
// On failure returns null and puts libzip's explanation in why.
UniqueZipArchive OpenArchive(const char* ansi_path, int flags, std::string& why);

}  // namespace gd::vfzip
