// The "gdctl icon" commands over the icon format library.
#include "gdctl/icon_commands.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "iconfmt/descriptions.h"
#include "iconfmt/icon_loader.h"
#include "iconfmt/library_builder.h"

namespace gd::gdctl {
namespace {

constexpr char kUsage[] =
    "usage:\n"
    "  gdctl icon list FILE               one line per icon group: index, name, formats\n"
    "  gdctl icon extract FILE INDEX OUT  write icon group INDEX of FILE as an .ico file\n"
    "  gdctl icon library OUT.icl REF...  gather icon references (PATH,INDEX) into a library\n";

bool ParseIndex(std::string_view text, int& index) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
  return error == std::errc{} && end == text.data() + text.size() && !text.empty();
}

int List(Arguments args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << kUsage;
    return 2;
  }
  // Stored library names are listed as they are, as the "Browser Names" setting's default does.
  auto file = LoadAllIcons(args[0], false);
  if (!file) {
    err << "gdctl: cannot read icons from " << args[0] << "\n";
    return 1;
  }
  for (std::size_t g = 0; g < file->groups.size(); ++g) {
    const IconGroup& group = file->groups[g];
    const std::string& name = g < file->resourceNames.size() ? file->resourceNames[g] : group.name;
    out << g << "\t" << name << "\t";
    for (std::size_t i = 0; i < group.images.size(); ++i) out << (i ? "; " : "") << FormatText(group.images[i]);
    out << "\n";
  }
  return 0;
}

int Extract(Arguments args, std::ostream&, std::ostream& err) {
  int index = 0;
  if (args.size() != 3 || !ParseIndex(args[1], index)) {
    err << kUsage;
    return 2;
  }
  if (!ConvertToIconFile(args[0], index, args[2])) {
    err << "gdctl: cannot write icon " << index << " of " << args[0] << " to " << args[2] << "\n";
    return 1;
  }
  return 0;
}

int Library(Arguments args, std::ostream&, std::ostream& err) {
  if (args.size() < 2) {
    err << kUsage;
    return 2;
  }
  // The library keeps the references in the order given; the builder takes its list newest
  // first, as the package saver gathers it.
  std::vector<std::string> newestFirst(args.rbegin(), args.rend() - 1);
  if (BuildIconLibrary(args[0], newestFirst, PathContext{}) != BuildLibraryResult::Written) {
    err << "gdctl: " << kLibrarySaveErrorText << ": " << args[0] << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int RunIconCommand(Arguments args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h") {
    out << kUsage;
    return 0;
  }
  if (command == "list") return List(args.subspan(1), out, err);
  if (command == "extract") return Extract(args.subspan(1), out, err);
  if (command == "library") return Library(args.subspan(1), out, err);
  err << "gdctl: unknown icon command '" << command << "'\n" << kUsage;
  return 2;
}

}  // namespace gd::gdctl
