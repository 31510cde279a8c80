#pragma once
// The labels of the source: one at every branch and skip target inside its
// scheme, named after the scheme.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "disassembler/scheme_layout.h"

namespace qv {

struct LabelReference {
  const std::string* name = nullptr;  // none: the target has no label
  std::uint32_t offset = 0;           // from the label to the target
};

class SchemeLabels {
 public:
  SchemeLabels(std::span<const std::uint8_t> image, const ImageLayout& layout);

  // Addresses that get a label line, ascending, in scheme order.
  const std::vector<std::uint32_t>& addresses(std::size_t scheme) const { return addresses_[scheme]; }
  const std::string& name(std::size_t scheme, std::size_t index) const { return names_[scheme][index]; }

  // The label nearest at or before target: where a target inside a command
  // points, the command's label and the distance.
  LabelReference reference(std::size_t scheme, std::uint32_t target) const;

 private:
  std::vector<std::vector<std::uint32_t>> addresses_;
  std::vector<std::vector<std::string>> names_;
};

}  // namespace qv
