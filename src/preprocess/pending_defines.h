#pragma once
// Defines whose value text could not be evaluated yet, retried as the
// define table grows.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/define_table.h"
#include "common/text.h"

namespace qv {

// Upper-cased define name -> value text without a value yet. Each entry
// remembers the names its last failed evaluation looked up; only a change to
// one of those can make it succeed, so only then is it tried again. That
// keeps a retry after every define line cheap however many entries stay
// pending for good.
class PendingDefines {
 public:
  // Replaces any earlier text of the name. lookedUp: the names that the
  // failed evaluation of the text asked the define table for.
  void add(std::string_view name, std::string valueText, const std::vector<std::string>& lookedUp);
  void remove(std::string_view name);
  void clear();

  bool empty() const { return texts_.empty(); }
  std::size_t size() const { return texts_.size(); }
  // The value text, or null when the name is not pending.
  const std::string* find(std::string_view name) const;

  // The define of this name changed its value or appeared.
  void noteChanged(std::string_view name);

  friend void resolvePendingDefines(DefineTable& defines, PendingDefines& pending);

 private:
  void watchLookups(const std::string& key, const std::vector<std::string>& lookedUp);
  void forgetEverythingWhenEmpty();

  std::map<std::string, std::string, NoCaseLess> texts_;
  // Entries to evaluate again at the next retry.
  std::set<std::string, NoCaseLess> retry_;
  // Define name -> pending entries whose last evaluation looked it up.
  std::map<std::string, std::vector<std::string>, NoCaseLess> readers_;
};

// Retries the pending defines in name order, pass after pass, until a pass
// resolves none; a resolved define takes its value silently.
void resolvePendingDefines(DefineTable& defines, PendingDefines& pending);

// Evaluates text against the defines, and on failure tells which names the
// evaluation looked up.
bool evaluateRecordingLookups(std::string_view text, const DefineTable& defines, std::int32_t& value,
                              std::vector<std::string>& lookedUp);

}  // namespace qv
