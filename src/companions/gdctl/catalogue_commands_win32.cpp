// "gdctl catalogue": builds the catalogue of the running system (optionally as if it were
// another Windows version, or in the Package Builder view) and lists every slot.
#include "gdctl/catalogue_commands_win32.h"

#include <optional>

#include "catalogue/builders.h"
#include "catalogue/drive_builder.h"
#include "catalogue/slot_listing.h"
#include "gdctl/system_session_win32.h"

namespace gd::gdctl {
namespace {

constexpr char kUsage[] =
    "usage:\n"
    "  gdctl catalogue [--view local|builder] [--os CODE] [--category N]\n"
    "    one line per slot: category, name, kind, root, key, value name, current icon,\n"
    "    default icon, flags (hex); CODE 0-6 builds as if that Windows version ran\n";

// Takes "--category N" out of the arguments the session left.
bool ParseCategory(const std::vector<std::string>& rest, std::optional<Category>& category) {
  if (rest.empty()) return true;
  if (rest.size() != 2 || rest[0] != "--category") return false;
  int number = 0;
  if (!ParseNumber(rest[1], 0, kCategoryCount - 1, number)) return false;
  category = kAllCategories[static_cast<std::size_t>(number)];
  return true;
}

}  // namespace

int RunCatalogueCommand(Arguments args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage;
    return 0;
  }
  SessionOptions options;
  std::vector<std::string> rest;
  std::optional<Category> category;
  if (!ParseSessionOptions(args, options, rest) || !ParseCategory(rest, category)) {
    err << kUsage;
    return 2;
  }
  SystemSession session(options, err);
  SlotCatalogue& catalogue = session.catalogue();
  for (Category c : kAllCategories) {
    if (category && c != *category) continue;
    // As the Drives tab shows them: in the mode that "Drive Mode" keeps.
    if (c == Category::Drives) BuildDriveIcons(catalogue);
    catalogue.BuildCategory(c);
    for (const CatalogueEntry& entry : catalogue.Entries(c)) out << SlotLine(c, entry) << "\n";
  }
  return 0;
}

}  // namespace gd::gdctl
