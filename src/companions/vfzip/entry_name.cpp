// Entry name checks: everything that could make a name land outside the destination folder,
// reach a device, or be silently changed by Windows into another name.
#include "companions/vfzip/entry_name.h"

#include "companions/include/vfzip.h"

#include <array>
#include <cctype>

namespace gd::vfzip {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsUpper(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (Upper(text[i]) != upper[i]) return false;
  }
  return true;
}

// Characters that Windows refuses in names, besides the separators and ":" handled apart.
bool IsForbiddenChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20) return true;
  switch (c) {
    case '<': case '>': case '"': case '|': case '?': case '*':
      return true;
    default:
      return false;
  }
}

EntryName Refuse(int code, std::string reason) {
  EntryName result;
  result.code = code;
  result.reason = std::move(reason);
  return result;
}

}  // namespace

bool IsDeviceName(std::string_view part) {
  // Windows finds the device in the part before the first dot, ignoring blanks before it.
  std::string_view base = part.substr(0, part.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL",
                                                             "CONIN$", "CONOUT$"};
  for (std::string_view device : kPlain) {
    if (EqualsUpper(base, device)) return true;
  }
  if (base.size() == 4 && (EqualsUpper(base.substr(0, 3), "COM") ||
                           EqualsUpper(base.substr(0, 3), "LPT"))) {
    const auto digit = static_cast<unsigned char>(base[3]);
    // "1" to "9", and the superscript digits of code page 1252, which Windows also maps.
    return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
  }
  return false;
}

EntryName CheckEntryName(std::string_view name) {
  if (name.empty()) return Refuse(VFZIP_BAD_NAME, "it has no name");
  if (IsSeparator(name.front())) {
    return Refuse(VFZIP_ABSOLUTE_PATH, "its name is an absolute path");
  }
  if (name.size() >= 2 && name[1] == ':' && IsAsciiLetter(name[0])) {
    return Refuse(VFZIP_ABSOLUTE_PATH, "its name starts with a drive letter");
  }
  if (name.find(':') != std::string_view::npos) {
    return Refuse(VFZIP_BAD_NAME, "its name holds a \":\", which would name a stream");
  }

  EntryName result;
  result.is_folder = IsSeparator(name.back());
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = start;
    while (end < name.size() && !IsSeparator(name[end])) ++end;
    const std::string_view part = name.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      return Refuse(VFZIP_PARENT_FOLDER, "its name climbs out of the folder with \"..\"");
    }
    for (char c : part) {
      if (IsForbiddenChar(c)) {
        return Refuse(VFZIP_BAD_NAME, "its name holds a character that Windows does not allow");
      }
    }
    if (part.back() == '.' || part.back() == ' ') {
      return Refuse(VFZIP_BAD_NAME,
                    "its name ends a part with a dot or blank, which Windows would drop");
    }
    if (IsDeviceName(part)) {
      return Refuse(VFZIP_DEVICE_NAME, "its name is the Windows device \"" +
                                           std::string(part.substr(0, part.find('.'))) + "\"");
    }
    if (!result.path.empty()) result.path += '\\';
    result.path.append(part);
  }
  if (result.path.empty()) return Refuse(VFZIP_BAD_NAME, "it has no name");
  return result;
}

}  // namespace gd::vfzip
