#pragma once
// Where every stage of a compile reports: each message with its kind and
// its place, in the order reported. The kind is the reporter's own word,
// so no reader ever guesses it from the text.

#include <cstddef>
#include <string>
#include <vector>

#include "common/message_place.h"
#include "common/warnings.h"

namespace qv {

enum class MessageKind : unsigned char { Note, Warning, Error };

struct Message {
  std::string text;
  MessagePlace place;
  MessageKind kind = MessageKind::Warning;
  WarningId warning = WarningId::None;  // which warning, for kind Warning
};

class MessageList {
 public:
  void note(std::string text, MessagePlace place = {});
  void warn(Warning warning);
  void warn(WarningId id, std::string text, MessagePlace place = {});
  void error(std::string text, MessagePlace place = {});

  // Gives the messages reported without a place since the last call this
  // one: for reporters that know the text but not the line they stand on.
  void placeUnplaced(const MessagePlace& place);

  const std::vector<Message>& all() const { return messages_; }
  const Message& at(std::size_t index) const { return messages_[index]; }
  std::size_t size() const { return messages_.size(); }
  bool empty() const { return messages_.empty(); }
  // The texts alone, in order.
  std::vector<std::string> texts() const;
  // Hands the messages over, leaving the list empty.
  std::vector<Message> take();
  void clear();

 private:
  void add(Message message);

  std::vector<Message> messages_;
  std::size_t firstUnplaced_ = 0;
};

}  // namespace qv
