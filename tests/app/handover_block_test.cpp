// The hand-over block: created once with the window handle and package path, left alone by a
// second window, and readable by name.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "ui/handover_block_win32.h"

namespace gd {
namespace {

TEST(HandoverBlock, FirstWindowFillsItAndASecondLeavesItAlone) {
  const HWND first = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1234));
  HandoverBlock block;
  ASSERT_TRUE(block.Publish(first, "C:\\Themes\\First\\First.gdtheme"));

  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, "Glimmerdeck");
  ASSERT_NE(mapping, nullptr);
  const auto* bytes =
      static_cast<const unsigned char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 264));
  ASSERT_NE(bytes, nullptr);
  std::uint32_t handle = 0;
  std::memcpy(&handle, bytes, 4);
  EXPECT_EQ(handle, 0x1234u);
  EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 4), "C:\\Themes\\First\\First.gdtheme");

  {
    // The lock was released, so a second window gets it, finds the block and leaves it.
    HandoverBlock second;
    EXPECT_TRUE(second.Publish(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x99)),
                               "C:\\other.gdtheme"));
  }
  std::memcpy(&handle, bytes, 4);
  EXPECT_EQ(handle, 0x1234u);

  // A sender's path is what the window reads back.
  {
    HANDLE writable = OpenFileMappingA(FILE_MAP_WRITE, FALSE, "Glimmerdeck");
    auto* out = static_cast<char*>(MapViewOfFile(writable, FILE_MAP_WRITE, 0, 0, 264));
    std::strcpy(out + 4, "D:\\handed.gdtheme");
    UnmapViewOfFile(out);
    CloseHandle(writable);
  }
  EXPECT_EQ(block.ReadHandedPath(), std::optional<std::string>("D:\\handed.gdtheme"));
  UnmapViewOfFile(bytes);
  CloseHandle(mapping);
}

// Named objects are shared by every process of the session, so the cases that need a fresh
// block run one after another in one test.
TEST(HandoverBlock, AnOverLongPathIsCutInsideAFreshBlock) {
  {
    HandoverBlock block;
    ASSERT_TRUE(block.Publish(nullptr, "C:\\short.gdtheme"));
  }
  // The block vanished with its last handle; the next window makes a new one.
  HandoverBlock block;
  EXPECT_FALSE(block.ReadHandedPath().has_value());
  ASSERT_TRUE(block.Publish(nullptr, std::string(400, 'x')));
  const auto path = block.ReadHandedPath();
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, std::string(259, 'x'));
}

}  // namespace
}  // namespace gd
