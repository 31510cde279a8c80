#include "assembler/image_bytes.h"

#include <algorithm>
#include <utility>

namespace qv {

ImageBytes::ImageBytes(std::span<const std::uint8_t> bytes) : size_(static_cast<std::uint32_t>(bytes.size())) {
  if (size_ > kInline) {
    capacity_ = size_;
    storage_.heap = new std::uint8_t[capacity_];
  }
  std::copy(bytes.begin(), bytes.end(), data());
}

ImageBytes::ImageBytes(ImageBytes&& other) noexcept
    : size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, kInline)),
      storage_(std::exchange(other.storage_, Storage{})) {}

ImageBytes& ImageBytes::operator=(ImageBytes other) noexcept {
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
  std::swap(storage_, other.storage_);
  return *this;
}

ImageBytes::~ImageBytes() {
  if (onHeap()) delete[] storage_.heap;
}

void ImageBytes::push_back(std::uint8_t value) {
  if (size_ == capacity_) {
    const std::uint32_t capacity = 2 * capacity_;
    auto* grown = new std::uint8_t[capacity];
    std::copy(begin(), end(), grown);
    if (onHeap()) delete[] storage_.heap;
    storage_.heap = grown;
    capacity_ = capacity;
  }
  data()[size_++] = value;
}

bool operator==(const ImageBytes& a, const ImageBytes& b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

}  // namespace qv
