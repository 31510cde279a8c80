#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace qv {

// A statement's bytes: up to kInline of them held in the object itself,
// more (a long DB) on the heap. Nearly every statement has two or four, so
// an image of a million entries makes no allocation per entry.
class ImageBytes {
 public:
  static constexpr std::uint32_t kInline = 8;

  ImageBytes() = default;
  // Any run of bytes converts, as a vector of them would.
  ImageBytes(std::span<const std::uint8_t> bytes);
  ImageBytes(const std::vector<std::uint8_t>& bytes) : ImageBytes(std::span<const std::uint8_t>(bytes)) {}
  ImageBytes(std::initializer_list<std::uint8_t> bytes) : ImageBytes(std::span(bytes.begin(), bytes.size())) {}
  ImageBytes(const ImageBytes& other) : ImageBytes(std::span(other.data(), other.size())) {}
  ImageBytes(ImageBytes&& other) noexcept;
  ImageBytes& operator=(ImageBytes other) noexcept;
  ~ImageBytes();

  void push_back(std::uint8_t value);

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::uint8_t* data() { return onHeap() ? storage_.heap : storage_.held; }
  const std::uint8_t* data() const { return onHeap() ? storage_.heap : storage_.held; }
  std::uint8_t* begin() { return data(); }
  std::uint8_t* end() { return data() + size_; }
  const std::uint8_t* begin() const { return data(); }
  const std::uint8_t* end() const { return data() + size_; }
  std::uint8_t& operator[](std::size_t index) { return data()[index]; }
  std::uint8_t operator[](std::size_t index) const { return data()[index]; }

  friend bool operator==(const ImageBytes& a, const ImageBytes& b);

 private:
  bool onHeap() const { return capacity_ > kInline; }

  std::uint32_t size_ = 0;
  std::uint32_t capacity_ = kInline;
  union Storage {
    std::uint8_t held[kInline];
    std::uint8_t* heap;
  } storage_{};
};

}  // namespace qv
