// The two list views of the browser: the grid of a file's groups and the report of one
// group's images.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "glintview/browsed_file.h"
#include "glintview/image_rows.h"
#include "ui/image_list_win32.h"

namespace gd::glintview {

// Fills the grid with one item per group, its picture from the group's image nearest to the
// system's icon size. The pictures are made once here; the list paints from the image list.
UniqueImageList FillGroupGrid(HWND grid, const BrowsedFile& file);

// The report's columns: number, size and colours, how the image is stored.
void AddImageColumns(HWND report);
void FillImageReport(HWND report, const std::vector<ImageRow>& rows);

// The selected items in the list's order.
std::vector<std::size_t> SelectedItems(HWND list);
// The focused item when it is selected, else the first selected one.
std::optional<std::size_t> CurrentItem(HWND list);
void SelectOnly(HWND list, std::size_t item);

}  // namespace gd::glintview
