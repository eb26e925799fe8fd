// Scratch folders and tree listings through the ANSI file API.
#include "companions/vfzip/scratch.h"

#include <windows.h>

namespace gd::test {
namespace {

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(path.c_str());
}

void ListInto(const std::string& root, const std::string& prefix,
              std::map<std::string, std::string>& out) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((root + "\\" + prefix + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[prefix + name + "\\"] = "";
      ListInto(root, prefix + name + "\\", out);
    } else {
      std::string bytes;
      ReadWholeFile(root + "\\" + prefix + name, bytes);
      out[prefix + name] = bytes;
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static unsigned counter = 0;
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  std::string base(temp, length);
  if (!base.empty() && base.back() == '\\') base.pop_back();
  do {
    path_ = base + "\\vfzip-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
  } while (!CreateDirectoryA(path_.c_str(), nullptr));
}

ScratchFolder::~ScratchFolder() {
  // Leave the folder first if a test made it the current directory.
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  SetCurrentDirectoryA(temp);
  RemoveTree(path_);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD done = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
  CloseHandle(file);
  return ok && done == bytes.size();
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof(buffer), &got, nullptr) != 0) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return ok;
}

bool MakeFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

std::map<std::string, std::string> ListTree(const std::string& root) {
  std::map<std::string, std::string> out;
  ListInto(root, "", out);
  return out;
}

std::string CurrentDirectory() {
  char buffer[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
  return std::string(buffer, length);
}

bool FileSystemHoldsName(const std::string& folder, const std::string& name) {
  const std::string probe = folder + "\\" + name;
  if (!WriteWholeFile(probe, "")) return false;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(probe.c_str(), &data);
  const bool same = find != INVALID_HANDLE_VALUE && name == data.cFileName;
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  DeleteFileA(probe.c_str());
  return same;
}

std::string BuiltLibraryPath() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer, length);
  return path.substr(0, path.rfind('\\') + 1) + "VFZip.dll";
}

}  // namespace gd::test
