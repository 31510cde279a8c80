#include "preprocess/pending_defines.h"

namespace qv {

namespace {

// Passes lookups through and writes down every name asked for.
class RecordingLookup : public SymbolLookup {
 public:
  RecordingLookup(const SymbolLookup& inner, std::vector<std::string>& names) : inner_(inner), names_(names) {}

  bool lookupValue(std::string_view name, std::int32_t& value) const override {
    names_.emplace_back(name);
    return inner_.lookupValue(name, value);
  }

 private:
  const SymbolLookup& inner_;
  std::vector<std::string>& names_;
};

}  // namespace

bool evaluateRecordingLookups(std::string_view text, const DefineTable& defines, std::int32_t& value,
                              std::vector<std::string>& lookedUp) {
  lookedUp.clear();
  RecordingLookup recorder(defines, lookedUp);
  return evaluateWithDefines(text, recorder, value);
}

void PendingDefines::add(std::string_view name, std::string valueText, const std::vector<std::string>& lookedUp) {
  std::string key = toUpperAscii(name);
  watchLookups(key, lookedUp);
  retry_.erase(key);
  texts_[std::move(key)] = std::move(valueText);
}

void PendingDefines::remove(std::string_view name) {
  auto found = texts_.find(name);
  if (found == texts_.end()) return;
  retry_.erase(found->first);
  texts_.erase(found);
  forgetEverythingWhenEmpty();
}

void PendingDefines::clear() {
  texts_.clear();
  retry_.clear();
  readers_.clear();
}

const std::string* PendingDefines::find(std::string_view name) const {
  auto found = texts_.find(name);
  return found == texts_.end() ? nullptr : &found->second;
}

void PendingDefines::noteChanged(std::string_view name) {
  if (readers_.empty()) return;
  auto found = readers_.find(name);
  if (found == readers_.end()) return;
  // Each reader is evaluated again and then records its lookups afresh, so
  // this list has done its job.
  for (std::string& reader : found->second) {
    if (texts_.count(reader) != 0) retry_.insert(std::move(reader));
  }
  readers_.erase(found);
}

void PendingDefines::watchLookups(const std::string& key, const std::vector<std::string>& lookedUp) {
  for (const std::string& lookup : lookedUp) readers_[lookup].push_back(key);
}

void PendingDefines::forgetEverythingWhenEmpty() {
  if (!texts_.empty()) return;
  retry_.clear();
  readers_.clear();
}

void resolvePendingDefines(DefineTable& defines, PendingDefines& pending) {
  std::vector<std::string> lookedUp;
  // Entries left out of a pass would fail as they did before, so a pass
  // visits only the entries marked for retry, in name order; one resolved
  // during the pass can mark entries later in the order for this same pass.
  while (!pending.retry_.empty()) {
    auto next = pending.retry_.begin();
    while (next != pending.retry_.end()) {
      std::string name = *next;
      pending.retry_.erase(next);
      auto entry = pending.texts_.find(name);
      std::int32_t value = 0;
      if (evaluateRecordingLookups(entry->second, defines, value, lookedUp)) {
        pending.texts_.erase(entry);
        if (defines.set(name, value)) pending.noteChanged(name);
      } else {
        pending.watchLookups(name, lookedUp);
      }
      next = pending.retry_.upper_bound(name);
    }
  }
  pending.forgetEverythingWhenEmpty();
}

}  // namespace qv
