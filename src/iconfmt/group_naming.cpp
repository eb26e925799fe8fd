// Group naming for listed files and built libraries.
#include "iconfmt/group_naming.h"

#include "iconfmt/icon_model.h"

namespace gd {
namespace {
std::string Limited(std::string name) {
  if (name.size() > kMaxGroupName) name.resize(kMaxGroupName);
  return name;
}
}  // namespace

std::string ListedGroupName(const std::string& title, std::size_t n, std::size_t count) {
  std::string zeros;
  if (count >= 100 && n < 10) {
    zeros = "00";
  } else if ((count >= 100 && n < 100) || (count >= 10 && n < 10)) {
    zeros = "0";
  }
  return Limited(title + "." + zeros + std::to_string(n));
}

std::string LibraryGroupName(const std::string& title, std::size_t n, std::size_t referenceCount) {
  if (referenceCount < 10 || referenceCount >= 100) return Limited(title + " " + std::to_string(n));
  return Limited(title + (n < 10 ? " 00" : " 0") + std::to_string(n));
}

}  // namespace gd
