// File helpers for the zip tests: a throw-away folder under the temporary directory, whole
// file reads and writes, and a listing of a folder tree to compare against.
#pragma once

#include <map>
#include <string>

namespace gd::test {

// A fresh, empty folder that is deleted with everything in it when the object dies.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

bool WriteWholeFile(const std::string& path, const std::string& bytes);
bool ReadWholeFile(const std::string& path, std::string& bytes);
bool MakeFolder(const std::string& path);

// Every file and folder under root by relative path ("a\b.ico"; folders end in "\"), with the
// bytes of each file (empty for folders).
std::map<std::string, std::string> ListTree(const std::string& root);

std::string CurrentDirectory();

// True when a file of this ANSI name can be made in folder. Under Wine that takes a UTF-8
// Unix locale (LANG=C.UTF-8): in the C locale no name beyond ASCII reaches the disk.
bool FileSystemHoldsName(const std::string& folder, const std::string& name);
inline constexpr const char* kNeedsUtf8Locale =
    "this system cannot store file names beyond ASCII; under Wine run with LANG=C.UTF-8";

// VFZip.dll as built, copied beside the test program.
std::string BuiltLibraryPath();

}  // namespace gd::test
