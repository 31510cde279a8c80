#include "preprocess/read_budget.h"

namespace qv {

bool SourceReadBudget::takeLines(std::size_t count, const std::string& path, MessageList& errors) {
  if (count > linesLeft()) {
    return refuse("ERROR: Source line limit exceeded (" + std::to_string(limits_.lines) +
                      " lines with all includes): " + path,
                  errors);
  }
  linesRead_ += count;
  return true;
}

bool SourceReadBudget::takeBytes(std::size_t count, const std::string& path, MessageList& errors) {
  if (count > bytesLeft()) {
    return refuse("ERROR: Source size limit exceeded (" + std::to_string(limits_.bytes) +
                      " bytes with all includes): " + path,
                  errors);
  }
  bytesRead_ += count;
  return true;
}

bool SourceReadBudget::takeInclude(const SourceLine& includeLine, MessageList& errors) {
  if (includesMet_ == limits_.includes) {
    return refuse("ERROR: Include limit exceeded (" + std::to_string(limits_.includes) + " includes): " +
                      std::string(includeLine.file) + ":" + std::to_string(includeLine.lineNumber),
                  errors);
  }
  ++includesMet_;
  return true;
}

bool SourceReadBudget::refuse(const std::string& message, MessageList& errors) {
  errors.error(message);
  exceeded_ = true;
  return false;
}

}  // namespace qv
