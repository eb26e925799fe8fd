// Whole-file reading and writing through the C runtime, which takes ANSI paths on Windows.
#include "iconfmt/file_bytes.h"

#include <cstdio>
#include <memory>

namespace gd {
namespace {
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::uint64_t maxBytes) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  for (;;) {
    std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    if (got > 0) {
      if (bytes.size() + got > maxBytes) return std::nullopt;
      bytes.insert(bytes.end(), chunk, chunk + got);
    }
    if (got < sizeof chunk) break;
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  FilePtr file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  bool closed = std::fclose(file.release()) == 0;
  if (written && closed) return true;
  std::remove(path.c_str());
  return false;
}

}  // namespace gd
