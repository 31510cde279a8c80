#include "assembler/image_bytes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace qv {
namespace {

// Held in place up to kInline bytes, on the heap past that: copies, moves
// and growth keep every byte either way.
TEST(ImageBytes, CopiesMovesAndGrowthKeepTheBytes) {
  for (std::size_t count : {0u, 4u, ImageBytes::kInline, ImageBytes::kInline + 1, 40u}) {
    std::vector<std::uint8_t> expected;
    ImageBytes grown;
    for (std::size_t i = 0; i < count; ++i) {
      expected.push_back(static_cast<std::uint8_t>(i + 1));
      grown.push_back(static_cast<std::uint8_t>(i + 1));
    }
    const ImageBytes made(expected);
    EXPECT_EQ(grown, made) << count;
    ImageBytes copy = made;
    ImageBytes moved = std::move(copy);
    ImageBytes assigned{0xAA};
    assigned = moved;
    moved = ImageBytes{};
    EXPECT_EQ(std::vector<std::uint8_t>(assigned.begin(), assigned.end()), expected) << count;
    EXPECT_TRUE(moved.empty()) << count;
  }
}

}  // namespace
}  // namespace qv
