// Individual Drive Mode beyond the tuned Windows 98 listing: where the mode is allowed and
// remembered, and switching between the modes.
#include "catalogue/drive_builder.h"

#include "support/builder_harness.h"

namespace gd::test {
namespace {

constexpr Category kDrives = Category::Drives;
constexpr const char* kProgramKey = "Software\\Quillmoor\\Glimmerdeck";

class DriveIcons : public BuilderTest {
 protected:
  DriveIcons() { shell.drives = {{"A:\\", 2, "Floppy (A:)"}, {"C:\\", 3, "System (C:)"}}; }
  std::uint32_t Remembered() { return registry.ReadNumber(kHkcu, kProgramKey, "Drive Mode"); }
};

TEST_F(DriveIcons, OnlyADwordOfOneRemembersTheModeWhereTheNewShellAllowsIt) {
  for (const auto& [type, data] : std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>>{
           {regtype::kDword, {2, 0, 0, 0}},
           {regtype::kDword, {1, 1, 0, 0}},
           {regtype::kString, {'1', 0}},
           {regtype::kBinary, {1}}}) {
    backend.Put(kHkcu, kProgramKey, "Drive Mode", type, data);
    EXPECT_EQ(Build(kDrives, Os::Windows98).size(), 8u) << type << " " << data.size();
  }
  backend.PutNumber(kHkcu, kProgramKey, "Drive Mode", 1);
  for (const auto& [os, newShell] : std::vector<std::pair<Os, bool>>{{Os::Unknown, true},
                                                                      {Os::Windows95, true},
                                                                      {Os::Windows95, false},
                                                                      {Os::WindowsNt4, false},
                                                                      {Os::Windows2000, true},
                                                                      {Os::WindowsXp, true}}) {
    const bool allowed = newShell && os != Os::WindowsXp;
    EXPECT_EQ(Build(kDrives, os, newShell).size(), allowed ? 2u : 8u) << os << " " << newShell;
  }
  // Loading a package builds the shared list whatever is remembered.
  BuildDriveIconsInMode(MakeCatalogue(VersionInputs(Os::Windows98)), false);
  EXPECT_EQ(NamesIn(kDrives).size(), 8u);
}

TEST_F(DriveIcons, SwitchingAsksBeforeLosingChangesAndRemembersTheMode) {
  prompt = ScriptedPrompt({PromptAnswer::No, PromptAnswer::Yes});
  Build(kDrives, Os::WindowsMe);
  SlotCatalogue& drives = *catalogue;
  drives.SetSlotIcon(*drives.Find(kDrives, "Hard Drive"), "C:\\Icons\\new.ico", 0);
  EXPECT_FALSE(SwitchDriveMode(drives, true));
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text,
            "Switching drive modes will lose any changes to drive icons you have made.\n\n"
            "Are you sure you want to continue?");
  EXPECT_TRUE(drives.Find(kDrives, "Hard Drive")->IsChanged());
  EXPECT_EQ(Remembered(), 10u);  // nothing written: a missing value reads as 10
  EXPECT_TRUE(SwitchDriveMode(drives, true));
  EXPECT_EQ(Remembered(), 1u);
  EXPECT_EQ(Build(kDrives, Os::WindowsMe), (Names{"Floppy (A:)", "System (C:)"}));
  // Nothing changed now: switching back asks nothing. XP refuses individual mode.
  EXPECT_TRUE(SwitchDriveMode(*catalogue, false));
  EXPECT_EQ(prompt.requests.size() + Remembered(), 2u);
  Build(kDrives, Os::WindowsXp);
  EXPECT_FALSE(SwitchDriveMode(*catalogue, true));
  EXPECT_EQ(NamesIn(kDrives).size() + Remembered(), 8u);
}

}  // namespace
}  // namespace gd::test
