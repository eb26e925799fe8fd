// The product's addresses on the web, opened by the Help menu, the About box and the
// Packages page.
#pragma once

namespace gd {

inline constexpr const char* kWebSiteAddress = "https://glimmerdeck.example/";
inline constexpr const char* kSupportMailAddress =
    "mailto:support@glimmerdeck.example?subject=Glimmerdeck";
inline constexpr const char* kForumAddress = "news:alt.comp.glimmerdeck";
inline constexpr const char* kDownloadAddress = "https://glimmerdeck.example/packages/";

}  // namespace gd
