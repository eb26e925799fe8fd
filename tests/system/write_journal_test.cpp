// The write journal: what each decorator records in a real run and a dry run, failed writes,
// reading back dry-run values, and the listing line.
#include <gtest/gtest.h>

#include "system/apply.h"
#include "system/system_fixture.h"
#include "system/write_journal.h"

namespace gd::test {
namespace {

class JournalTest : public SystemTest {
 protected:
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const JournalEntry& entry : journal.entries()) lines.push_back(FormatJournalLine(entry));
    return lines;
  }

  WriteJournal journal;
};

TEST_F(JournalTest, RealRunRecordsOldAndNewValuesAndMarksRefusedWrites) {
  backend.PutText(HKCU, "Existing", "Name", "old text");
  backend.PutNumber(HKCU, "Existing", "Count", 7);
  backend.DenyWrites(HKLM, "Locked");
  JournalRegistry recorded(backend, journal);
  Registry through(recorded);
  through.WriteRegString(HKCU, "Existing", "Name", "new\ttext");
  through.WriteRegString(HKCU, "Missing\\Deeper", "", "made");  // key created on the way
  through.WriteRegNumber(HKCU, "Existing", "Count", 8);
  through.WriteRegString(HKLM, "Locked", "Value", "refused");
  through.DeleteRegValue(HKCU, "Existing", "Name");
  through.DeleteRegKey(HKCU, "Missing", "Deeper");

  ASSERT_EQ(journal.entries().size(), 6u);
  EXPECT_EQ(Lines()[0], "HKEY_CURRENT_USER\\Existing\tName\told text\tnew\\ttext\tdone");
  EXPECT_EQ(Lines()[1], "HKEY_CURRENT_USER\\Missing\\Deeper\t@\t(none)\tmade\tdone");
  EXPECT_EQ(Lines()[2], "HKEY_CURRENT_USER\\Existing\tCount\t7\t8\tdone");
  EXPECT_EQ(Lines()[3], "HKEY_LOCAL_MACHINE\\Locked\tValue\t(none)\trefused\tFAILED");
  EXPECT_EQ(Lines()[4], "HKEY_CURRENT_USER\\Existing\tName\tnew\\ttext\t(none)\tdone");
  EXPECT_EQ(Lines()[5], "HKEY_CURRENT_USER\\Missing\\Deeper\t(key)\t(exists)\t(none)\tdone");
  EXPECT_EQ(journal.Count(WriteOutcome::Done), 5u);
  EXPECT_EQ(journal.Count(WriteOutcome::Failed), 1u);
  EXPECT_FALSE(backend.KeyExists(HKCU, "Missing\\Deeper"));
}

TEST_F(JournalTest, DryRunWritesNothingButLaterReadsSeeWhatItWouldHaveWritten) {
  WriteJournal dry(true);
  backend.PutText(HKCU, "Keep", "Name", "original");
  backend.PutText(HKCU, "Keep\\Sub", "Inner", "inside");
  JournalRegistry recorded(backend, dry);
  Registry through(recorded);
  through.WriteRegString(HKCU, "Keep", "Name", "pretend");
  through.WriteRegString(HKCU, "New\\Key", "V", "x");
  EXPECT_EQ(through.ReadText(HKCU, "Keep", "Name"), "pretend");
  EXPECT_EQ(through.RegKeyExists(HKCU, "New\\Key"), 1);
  through.DeleteRegKey(HKCU, "Keep", "Sub");
  EXPECT_EQ(through.ReadText(HKCU, "Keep\\Sub", "Inner"), "ERROR");
  EXPECT_EQ(Text(HKCU, "Keep", "Name"), "original");
  EXPECT_TRUE(backend.KeyExists(HKCU, "Keep\\Sub"));
  EXPECT_FALSE(backend.KeyExists(HKCU, "New\\Key"));

  JournalIni iniThrough(ini, dry);
  ini.WriteString("C:\\a.ini", "S", std::string("K"), std::string("before"));
  iniThrough.WriteString("C:\\a.ini", "S", std::string("K"), std::string("after"));
  EXPECT_EQ(IniText("C:\\a.ini", "S", "K"), "before");
  std::string seen;
  ReadIniValue(iniThrough, "S", "K", seen, "C:\\a.ini");
  EXPECT_EQ(seen, "after");
  iniThrough.WriteString("C:\\a.ini", "S", std::nullopt, std::nullopt);
  EXPECT_FALSE(ReadIniValue(iniThrough, "S", "K", seen, "C:\\a.ini"));
  EXPECT_EQ(dry.Count(WriteOutcome::DryRun), dry.entries().size());
  EXPECT_EQ(FormatJournalLine(dry.entries().back()), "C:\\a.ini\t[S]\t(none)\t(none)\tdry run");
}

// A whole apply through the decorators: the dry run lists the writes that the real run then
// makes, and a second apply of the same catalogue writes only "Theme".
class ApplyJournalTest : public JournalTest {
 protected:
  struct Recorded {
    Recorded(ApplyJournalTest& t, WriteJournal& into)
        : registryBackend(t.backend, into),
          registry(registryBackend),
          ini(t.ini, into),
          effects(t.effects, t.shell, into),
          catalogue(Inputs(6), CatalogueSystem{registry, ini, t.shell, t.prompt, t.notice}) {
      catalogue.AddSlot(4, "Shortcut Overlay", HKLM, kShellIconsKey, "29", "", -1,
                        SlotKind::RegistryValue, 0);
      catalogue.AddSlot(2, "My Music", std::nullopt, "C:\\Music\\desktop.ini", "", "", 0,
                        SlotKind::FolderDesktopIni, 0);
      catalogue.SetSlotIcon(*catalogue.Find(4, "Shortcut Overlay"), "C:\\i\\arrow.ico", 2);
      catalogue.SetSlotIcon(*catalogue.Find(2, "My Music"), "C:\\i\\note.ico", 0);
      page.pendingChanges = true;
      page.packageFile = "C:\\Themes\\t.gdtheme";
    }
    void Apply(PageEvents& events) { ApplyToSystem(catalogue, page, events, effects, {}); }

    JournalRegistry registryBackend;
    Registry registry;
    JournalIni ini;
    JournalEffects effects;
    SlotCatalogue catalogue;
    PageState page;
  };
};

TEST_F(ApplyJournalTest, DryRunListsTheRealRunsWritesAndASecondApplyWritesOnlyTheTheme) {
  WriteJournal dry(true);
  Recorded(*this, dry).Apply(events);
  EXPECT_EQ(Text(HKLM, kShellIconsKey, "29"), "ERROR");
  EXPECT_EQ(Text(HKCU, kProgramKey, "Theme"), "ERROR");
  EXPECT_EQ(IniText("C:\\Music\\desktop.ini", ".ShellClassInfo", "IconFile"), "");
  EXPECT_TRUE(effects.images.empty());
  EXPECT_EQ(effects.associationNotices, 0);
  EXPECT_EQ(dry.entries().size(), 5u);  // value, image, IconFile, IconIndex, Theme

  Recorded real(*this, journal);
  real.Apply(events);
  ASSERT_EQ(journal.entries().size(), dry.entries().size());
  for (std::size_t i = 0; i < dry.entries().size(); ++i) {
    EXPECT_EQ(journal.entries()[i].place, dry.entries()[i].place);
    EXPECT_EQ(journal.entries()[i].item, dry.entries()[i].item);
    EXPECT_EQ(journal.entries()[i].newValue, dry.entries()[i].newValue);
    EXPECT_EQ(journal.entries()[i].outcome, WriteOutcome::Done);
  }
  EXPECT_EQ(Text(HKLM, kShellIconsKey, "29"), "C:\\i\\arrow.ico,2");
  EXPECT_EQ(effects.images.size(), 1u);
  EXPECT_EQ(effects.associationNotices, 1);

  const std::size_t before = journal.entries().size();
  real.page.pendingChanges = true;
  real.Apply(events);
  ASSERT_EQ(journal.entries().size(), before + 1);
  EXPECT_EQ(FormatJournalLine(journal.entries().back()),
            "HKEY_CURRENT_USER\\Software\\Quillmoor\\Glimmerdeck\tTheme\tC:\\Themes\\t.gdtheme\t"
            "C:\\Themes\\t.gdtheme\tdone");
}

}  // namespace
}  // namespace gd::test
