// The help file and the topic that each page and dialog opens from it. The help's build test
// reads this file and checks that the compiled help holds every topic named here.
#pragma once

namespace gd::help {

inline constexpr const char* kHelpFile = "Glimmerdeck.chm";

inline constexpr const char* kPackagesPage = "packages_page.htm";
inline constexpr const char* kIconsPage = "icons_page.htm";
inline constexpr const char* kSettingsPage = "settings_page.htm";
inline constexpr const char* kPreviewWindow = "preview_window.htm";
inline constexpr const char* kPackageInfo = "package_info.htm";
inline constexpr const char* kPlugins = "plugins.htm";
inline constexpr const char* kFileFormats = "add_file_format.htm";

}  // namespace gd::help
