// Benchmark of the icon readers under Windows (or Wine): every group of every program and
// library of the system folders through LoadAllIcons, then a 1000-icon library built from
// references into those files, written and read back.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_loader.h"
#include "iconfmt/library_builder.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

std::vector<std::string> FilesIn(const std::string& folder, const char* pattern) {
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + "\\" + found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  char buffer[MAX_PATH];
  std::string system(buffer, GetSystemDirectoryA(buffer, MAX_PATH));
  std::string windows(buffer, GetWindowsDirectoryA(buffer, MAX_PATH));
  std::vector<std::string> files;
  for (const std::string& folder : {system, windows}) {
    for (const char* pattern : {"*.dll", "*.exe"}) {
      auto found = FilesIn(folder, pattern);
      files.insert(files.end(), found.begin(), found.end());
    }
  }

  std::size_t withIcons = 0, groups = 0, images = 0;
  unsigned long long bytes = 0;
  std::vector<std::string> references;
  auto start = Clock::now();
  for (const std::string& file : files) {
    auto icons = gd::LoadAllIcons(file, false);
    if (!icons) continue;
    ++withIcons;
    for (std::size_t g = 0; g < icons->groups.size(); ++g) {
      ++groups;
      images += icons->groups[g].images.size();
      for (const gd::IconImage& image : icons->groups[g].images) bytes += image.size();
      if (icons->groups[g].images.size() == 1 || g % 3 == 0) references.push_back(file + "," + std::to_string(g));
    }
  }
  double readAll = Seconds(start);
  std::printf("LoadAllIcons: %zu files, %zu with icons, %zu groups, %zu images, %.1f MB in %.3f s\n", files.size(),
              withIcons, groups, images, static_cast<double>(bytes) / 1e6, readAll);

  // 1000 icons: the references in turn, as often as needed; the first image of each.
  std::string library = argc > 1 ? argv[1] : "bench.icl";
  std::vector<gd::IconGroup> collected;
  start = Clock::now();
  for (std::size_t i = 0; !references.empty() && collected.size() < 1000 && i < 100000; ++i) {
    const std::string& reference = references[i % references.size()];
    auto separator = reference.rfind(',');
    auto icon = gd::LoadIcon(reference.substr(0, separator), std::stoi(reference.substr(separator + 1)));
    if (!icon || icon->groups.empty() || icon->groups[0].images.empty()) continue;
    gd::IconGroup group;
    group.name = "Bench " + std::to_string(collected.size() + 1);
    group.images.push_back(icon->groups[0].images[0]);
    collected.push_back(std::move(group));
  }
  double gather = Seconds(start);
  start = Clock::now();
  bool written = gd::WriteIconLibrary(library, collected);
  double write = Seconds(start);
  start = Clock::now();
  auto back = gd::LoadAllIcons(library, false);
  double readBack = Seconds(start);
  std::printf("library: %zu icons gathered with LoadIcon in %.3f s, written in %.3f s (%s), read back in %.3f s (%zu groups)\n",
              collected.size(), gather, write, written ? "ok" : "FAILED", readBack, back ? back->groups.size() : 0);
  return written && back && back->groups.size() == collected.size() ? 0 : 1;
}
