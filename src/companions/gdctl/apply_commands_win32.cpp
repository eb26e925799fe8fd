// "gdctl apply" and "gdctl restore": the program's load-and-apply and restore-and-apply runs
// from the console, with every registry value, profile entry, shortcut and system image they
// write listed (root and key, value or entry, old, new, outcome), or only listed in a dry run.
#include "gdctl/apply_commands_win32.h"

#include "gdctl/console_package_host_win32.h"
#include "gdctl/system_session_win32.h"
#include "package/package_loader.h"
#include "platform/ini_win32.h"
#include "platform/registry_win32.h"
#include "system/apply.h"
#include "system/icon_cache.h"
#include "system/icon_cache_win32.h"
#include "system/restore.h"
#include "system/system_effects_win32.h"
#include "system/write_journal.h"

namespace gd::gdctl {
namespace {

constexpr char kApplyUsage[] =
    "usage:\n"
    "  gdctl apply PKG [--dry-run]   load a package (or a zipped one) and apply it to this\n"
    "                                system; one line per place written: place, item, old\n"
    "                                value, new value, outcome (done, FAILED or dry run)\n";
constexpr char kRestoreUsage[] =
    "usage:\n"
    "  gdctl restore [--icons] [--cursors] [--dry-run]\n"
    "                                put the Windows default icons and/or cursors back (both\n"
    "                                when neither is named) and list every place written\n";

// A session whose every write goes through one journal.
class JournalledSession {
 public:
  JournalledSession(bool dryRun, std::ostream& err)
      : journal_(dryRun), registry_(realRegistry_, journal_), ini_(SystemIni(), journal_),
        effects_(SystemEffectsOfWindows(), SystemShell(), journal_),
        session_(SessionOptions{}, err, &registry_, &ini_) {}

  SystemSession& session() { return session_; }

  // Applies what the page holds, rebuilds the icon cache when the run asks for it (not in a
  // dry run) and lists the journal. 1 when a write failed.
  int ApplyAndReport(std::ostream& out) {
    SlotCatalogue& catalogue = session_.catalogue();
    EditState& page = session_.page();
    ApplyToSystem(catalogue, page, events_, effects_, ApplyOptions{});
    for (const JournalEntry& entry : journal_.entries()) out << FormatJournalLine(entry) << "\n";
    if (page.needCacheRebuild && !journal_.dryRun()) {
      CatalogueSystem& system = catalogue.system();
      RebuildIconCache(catalogue.inputs(), IconCacheServices{system.registry, system.shell,
                                                             system.prompt, SystemCacheRebuilder()});
    }
    return journal_.Count(WriteOutcome::Failed) == 0 ? 0 : 1;
  }

  CatalogueEvents& events() { return events_; }

 private:
  Win32Registry realRegistry_;
  WriteJournal journal_;
  JournalRegistry registry_;
  JournalIni ini_;
  JournalEffects effects_;
  SystemSession session_;
  CatalogueEvents events_;
};

}  // namespace

int RunApplyCommand(Arguments args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kApplyUsage;
    return 0;
  }
  bool dryRun = false;
  std::vector<std::string> files;
  for (const std::string& arg : args) {
    if (arg == "--dry-run") dryRun = true;
    else files.push_back(arg);
  }
  if (files.size() != 1) {
    err << kApplyUsage;
    return 2;
  }
  JournalledSession run(dryRun, err);
  SystemSession& session = run.session();
  session.page().packageFile = files[0];
  ConsolePackageHost host(session, run.events());
  if (LoadPackage(session.catalogue(), session.page(), run.events(), host) == 0) {
    err << "gdctl: not a package, or no package file in the archive: " << files[0] << "\n";
    return 1;
  }
  return run.ApplyAndReport(out);
}

int RunRestoreCommand(Arguments args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kRestoreUsage;
    return 0;
  }
  bool icons = false;
  bool cursors = false;
  bool dryRun = false;
  for (const std::string& arg : args) {
    if (arg == "--icons") icons = true;
    else if (arg == "--cursors") cursors = true;
    else if (arg == "--dry-run") dryRun = true;
    else {
      err << kRestoreUsage;
      return 2;
    }
  }
  if (!icons && !cursors) icons = cursors = true;
  JournalledSession run(dryRun, err);
  SystemSession& session = run.session();
  if (icons) RestoreAllIcons(session.catalogue(), session.page(), run.events(), true, false);
  if (cursors) RestoreAllCursors(session.catalogue(), session.page(), run.events(), true, false);
  return run.ApplyAndReport(out);
}

}  // namespace gd::gdctl
