// The hand-over block: made once with the window handle and package path, left alone by a
// second window, read by name, and gone with its last handle.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "ui/handover_block_win32.h"

namespace gd {
namespace {

HWND Window(std::uintptr_t value) { return reinterpret_cast<HWND>(value); }

// Named objects are shared by the whole session, so the cases run one after another here.
TEST(HandoverBlock, TheFirstWindowFillsItASecondLeavesItAndASenderWritesThePath) {
  {
    HandoverBlock block;
    ASSERT_TRUE(block.Publish(Window(0x1234), "C:\\Themes\\First\\First.gdtheme"));
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, "Glimmerdeck");
    ASSERT_NE(mapping, nullptr);
    auto* bytes = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 264));
    ASSERT_NE(bytes, nullptr);
    std::uint32_t handle = 0;
    std::memcpy(&handle, bytes, 4);
    EXPECT_EQ(handle, 0x1234u);
    EXPECT_STREQ(bytes + 4, "C:\\Themes\\First\\First.gdtheme");
    EXPECT_TRUE(HandoverBlock().Publish(Window(0x99), "C:\\other.gdtheme")) << "the lock was released";
    std::memcpy(&handle, bytes, 4);
    EXPECT_EQ(handle, 0x1234u) << "a second window leaves the block alone";
    std::strcpy(bytes + 4, "D:\\handed.gdtheme");
    EXPECT_EQ(block.ReadHandedPath(), std::optional<std::string>("D:\\handed.gdtheme"));
    UnmapViewOfFile(bytes);
    CloseHandle(mapping);
  }
  // The block vanished with its last handle; the next window makes a new one, cutting the path.
  HandoverBlock block;
  EXPECT_FALSE(block.ReadHandedPath().has_value());
  ASSERT_TRUE(block.Publish(nullptr, std::string(400, 'x')));
  EXPECT_EQ(block.ReadHandedPath(), std::optional<std::string>(std::string(259, 'x')));
}

}  // namespace
}  // namespace gd
