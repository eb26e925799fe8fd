// The C entry points of VFZip.dll: argument checks, and a wall that lets no C++ exception
// through to the caller.
#include "companions/include/vfzip.h"

#include "companions/vfzip/last_error.h"
#include "companions/vfzip/unzip_files.h"
#include "companions/vfzip/zip_files.h"

#include <new>
#include <string>

namespace {

std::string Text(const char* text) { return text == nullptr ? std::string() : text; }

template <typename Work>
int Guarded(Work work) noexcept {
  try {
    std::string why;
    const int code = work(why);
    gd::vfzip::SetLastErrorText(why);
    return code;
  } catch (const std::bad_alloc&) {
    gd::vfzip::SetLastErrorText("Out of memory.");
  } catch (...) {
    gd::vfzip::SetLastErrorText("Unexpected failure inside VFZip.dll.");
  }
  return VFZIP_INTERNAL;
}

}  // namespace

extern "C" {

int __cdecl UnZipFiles(const char* destination, const char* zip_path, const char* pattern,
                       int flatten, int overwrite, int create_destination) {
  return Guarded([&](std::string& why) {
    gd::vfzip::UnzipRequest request;
    request.destination = Text(destination);
    request.archive = Text(zip_path);
    request.pattern = Text(pattern);
    request.flatten = flatten != 0;
    request.overwrite = overwrite != 0;
    request.create_destination = create_destination != 0;
    return gd::vfzip::UnzipFiles(request, why);
  });
}

int __cdecl ZipFiles(const char* zip_path, const char* pattern, int recurse, int replace,
                     int compress) {
  return Guarded([&](std::string& why) {
    gd::vfzip::ZipRequest request;
    request.archive = Text(zip_path);
    request.pattern = Text(pattern);
    request.recurse = recurse != 0;
    request.replace = replace != 0;
    request.compress = compress != 0;
    return gd::vfzip::ZipFiles(request, why);
  });
}

const char* __cdecl UnZipLastError(void) { return gd::vfzip::LastErrorText(); }

}  // extern "C"
