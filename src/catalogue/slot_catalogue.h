// The catalogue of every slot, in eight ordered lists keyed by display name, and the
// operations on slots that loading, restoring and the pages share.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_inputs.h"
#include "catalogue/categories.h"
#include "catalogue/icon_slot.h"

namespace gd {

struct CatalogueEntry {
  std::string name;  // the display name, the key by which packages name the slot
  std::unique_ptr<IconSlot> slot;
};

class SlotCatalogue {
 public:
  using Builder = std::function<void(SlotCatalogue&)>;

  SlotCatalogue(CatalogueInputs inputs, CatalogueSystem system);

  const CatalogueInputs& inputs() const { return inputs_; }
  CatalogueSystem& system() { return system_; }

  // Adds a slot; the list index of the new item, or -1 when no slot was made (a class-less
  // extension of kind 1, or a text too long for the record).
  int AddSlot(Category category, std::string_view name, std::optional<RegRoot> root,
              std::string_view key, std::string_view valueName, std::string_view defaultRef,
              int defaultIndex, SlotKind kind, std::uint32_t flags);
  void ClearCategory(Category category);
  // Empties every list but Quick Launch.
  void ClearPackageCategories();
  // Local Update shows the system's icons, Package Builder starts from placeholders: every
  // list is emptied so that it is built again for the new view.
  void SetView(CatalogueView view);

  void SetBuilder(Category category, Builder builder);
  // Runs the category's builder when its list is empty.
  void BuildCategory(Category category);
  void BuildAll(bool includeCursors);

  const std::vector<CatalogueEntry>& Entries(Category category) const;
  std::vector<CatalogueEntry>& Entries(Category category);
  // The slot of that name in the category, compared without regard to case.
  IconSlot* Find(Category category, std::string_view name);

  // Result 1 when the pending icon was set, 0 when nothing changed.
  int SetSlotIcon(IconSlot& slot, std::string_view path, int index);
  int RestoreSlot(IconSlot& slot, bool toCurrent, bool markChanged);

 private:
  struct Reference {
    std::string path;
    int index = 0;
  };
  Reference ResolveDefault(std::string_view name, std::string_view defaultRef) const;
  std::string ReadText(RegRoot root, const std::string& key, std::string_view value);
  std::string SystemShell32() const;
  int Insert(Category category, std::string name, std::unique_ptr<IconSlot> slot);

  CatalogueInputs inputs_;
  CatalogueSystem system_;
  std::array<std::vector<CatalogueEntry>, kCategoryCount> lists_;
  std::array<Builder, kCategoryCount> builders_;
};

}  // namespace gd
