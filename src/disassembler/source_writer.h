#pragma once
// The SDL source of a laid-out image, written as a person would: standard
// names, handle names, labels at targets, and DB with the reason for what
// no command rebuilds. It assembles to the same bytes.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "disassembler/handle_names.h"
#include "disassembler/scheme_labels.h"
#include "disassembler/scheme_layout.h"
#include "disassembler/standard_names.h"

namespace qv {

// File names the header comment gives.
struct SourceFileNames {
  std::string source;
  std::string image;
  std::string map;  // empty without a map
};

// The numbers the image's PLAY commands play.
std::array<bool, kHandleCount> playedHandles(std::span<const std::uint8_t> image, const ImageLayout& layout);

std::string writeSource(std::span<const std::uint8_t> image, const ImageLayout& layout, const SchemeLabels& labels,
                        const StandardNames& names, const HandleNames& handles, const SourceFileNames& files);

}  // namespace qv
