#pragma once
// Bounds on one preprocess. Every include counts each time it is met, so a
// few small files that include one another over and over, which would need
// more memory and time than any machine has, stop with an error instead.

#include <cstddef>
#include <string>
#include <vector>

#include "common/message_list.h"
#include "preprocess/source_line.h"

namespace qv {

// Room for several times the largest projects.
struct SourceReadLimits {
  std::size_t lines = 4000000;
  std::size_t bytes = std::size_t{256} << 20;
  std::size_t includes = 100000;
};

// What one preprocess has used of its limits. Each take either fits, or
// reports the limit it would exceed to errors and marks the budget exceeded.
class SourceReadBudget {
 public:
  explicit SourceReadBudget(SourceReadLimits limits) : limits_(limits) {}

  bool exceeded() const { return exceeded_; }
  std::size_t linesLeft() const { return limits_.lines - linesRead_; }
  std::size_t bytesLeft() const { return limits_.bytes - bytesRead_; }

  bool takeLines(std::size_t count, const std::string& path, MessageList& errors);
  bool takeBytes(std::size_t count, const std::string& path, MessageList& errors);
  // One INCLUDE line met in the active state, whatever becomes of it.
  bool takeInclude(const SourceLine& includeLine, MessageList& errors);

 private:
  bool refuse(const std::string& message, MessageList& errors);

  SourceReadLimits limits_;
  std::size_t linesRead_ = 0;
  std::size_t bytesRead_ = 0;
  std::size_t includesMet_ = 0;
  bool exceeded_ = false;
};

}  // namespace qv
