// What the Package Info dialog shows and writes.
#include "package/package_info_form.h"

#include <utility>

#include "settings/settings_store.h"
#include "package/package_format.h"
#include "platform/path_text.h"

namespace gd {
namespace {

constexpr std::string_view kWindowsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

std::string Known(std::string text) {
  return text == kRegTextSentinel ? std::string() : std::move(text);
}

}  // namespace

PackageInfoForm::PackageInfoForm(IniStore& ini, Registry& registry, std::string packageFile)
    : ini_(ini), registry_(registry), packageFile_(std::move(packageFile)) {}

std::string PackageInfoForm::Title() const { return PackageName(packageFile_) + " Package Info"; }

std::string PackageInfoForm::Remembered(TextSetting setting) const {
  return SettingsStore(registry_).ReadText(setting);
}

PackageInfoFields PackageInfoForm::Start() {
  const PackageInfo info = ReadPackageInfo(ini_, packageFile_);
  PackageInfoFields fields{info.author, info.email, info.website, info.comments};
  const bool none = fields.author.empty() && fields.email.empty() && fields.website.empty() &&
                    fields.comments.empty();
  if (none) {
    // A package without information: offer what this user entered for the last one.
    fields.author = Remembered(TextSetting::PackageAuthor);
    if (fields.author == kRegTextSentinel) {
      fields.author = Known(registry_.ReadText(RegRoot::LocalMachine, kWindowsKey, "RegisteredOwner"));
    }
    fields.email = Known(Remembered(TextSetting::PackageEmail));
    fields.website = Known(Remembered(TextSetting::PackageWebsite));
  }
  if (!fields.author.empty() || !fields.email.empty() || !fields.website.empty() ||
      !fields.comments.empty()) {
    changed_ = true;
  }
  return fields;
}

void PackageInfoForm::Accept(const PackageInfoFields& entered) {
  if (!changed_) return;
  WritePackageInfoFields(ini_, packageFile_,
                         PackageInfo{entered.author, entered.email, entered.website,
                                     entered.comments, {}});
  // Remembered as the package file holds them: as much as the dialog takes, on one line.
  SettingsStore settings(registry_);
  const auto remember = [&](TextSetting setting, const std::string& text) {
    settings.WriteText(setting, JoinLines(std::string_view(text).substr(0, kPackageInfoFieldLength)));
  };
  remember(TextSetting::PackageAuthor, entered.author);
  remember(TextSetting::PackageEmail, entered.email);
  remember(TextSetting::PackageWebsite, entered.website);
}

}  // namespace gd
