// The About box's version line and links.
#include "ui/about_dialog_win32.h"

#include "ui/resource_ids.h"
#include "ui/web_links.h"

namespace gd {
namespace {

constexpr std::array<std::pair<int, const char*>, 3> kLinks{{
    {IDC_LINK_EMAIL, kSupportMailAddress},
    {IDC_LINK_WEB_SITE, kWebSiteAddress},
    {IDC_LINK_FORUM, kForumAddress},
}};

}  // namespace

AboutDialog::AboutDialog(std::string version, bool (*open)(const std::string& address))
    : version_(std::move(version)), open_(open) {}

bool AboutDialog::OnInitDialog() {
  SetDlgItemTextA(hwnd(), IDC_ABOUT_VERSION, ("Version: " + version_).c_str());
  for (std::size_t i = 0; i < kLinks.size(); ++i) links_[i].Attach(Item(kLinks[i].first));
  return true;
}

bool AboutDialog::OnCommand(int id, int, HWND) {
  if (id == IDOK || id == IDCANCEL) {
    End(id);
    return true;
  }
  for (const auto& [link, address] : kLinks) {
    if (id == link) {
      open_(address);
      return true;
    }
  }
  return false;
}

bool AboutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message != WM_CTLCOLORSTATIC) return false;
  for (HyperlinkStatic& link : links_) {
    if (const HBRUSH brush =
            link.OnColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
      result = reinterpret_cast<INT_PTR>(brush);
      return true;
    }
  }
  return false;
}

}  // namespace gd
