// The running system as gdctl's commands see it: its registry and profile files (possibly
// behind a recording layer), its shell, a console prompt, and a catalogue with every builder.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/edit_state.h"
#include "catalogue/slot_catalogue.h"
#include "gdctl/command_group.h"
#include "gdctl/console_prompt.h"
#include "plugins/plugins.h"

namespace gd::gdctl {

struct SessionOptions {
  CatalogueView view = CatalogueView::LocalUpdate;
  std::optional<Os> os;  // build as if this Windows version ran; none for the real one
};

// A whole decimal text within [low, high].
bool ParseNumber(std::string_view text, int low, int high, int& number);

// Takes "--view local|builder" and "--os CODE" out of args; false on a bad value. Every
// other argument is left in `rest` in its order.
bool ParseSessionOptions(Arguments args, SessionOptions& options, std::vector<std::string>& rest);

class SystemSession {
 public:
  // The registry backend and profile store default to the real ones.
  SystemSession(const SessionOptions& options, std::ostream& err,
                RegistryBackend* backend = nullptr, IniStore* ini = nullptr);
  ~SystemSession();

  Registry& registry() { return registry_; }
  ConsolePrompt& prompt() { return prompt_; }
  SlotCatalogue& catalogue() { return *catalogue_; }
  // The page state of a program started in this application directory, with the include
  // switches the user left.
  EditState& page() { return page_; }

 private:
  Registry registry_;
  ConsolePrompt prompt_;
  PluginSlots plugins_;  // outlives the catalogue, which keeps a pointer to it
  std::unique_ptr<SlotCatalogue> catalogue_;
  EditState page_;
};

// The application directory: the installed one, or else the folder gdctl runs from.
std::string ApplicationDirectory(Registry& registry);

}  // namespace gd::gdctl
