#include "common/message_list.h"

#include <utility>

namespace qv {

void MessageList::add(Message message) { messages_.push_back(std::move(message)); }

void MessageList::note(std::string text, MessagePlace place) {
  add(Message{std::move(text), std::move(place), MessageKind::Note, WarningId::None});
}

void MessageList::warn(Warning warning) {
  add(Message{std::move(warning.text), std::move(warning.place), MessageKind::Warning, warning.id});
}

void MessageList::warn(WarningId id, std::string text, MessagePlace place) {
  add(Message{std::move(text), std::move(place), MessageKind::Warning, id});
}

void MessageList::error(std::string text, MessagePlace place) {
  add(Message{std::move(text), std::move(place), MessageKind::Error, WarningId::None});
}

void MessageList::placeUnplaced(const MessagePlace& place) {
  for (std::size_t i = firstUnplaced_; i < messages_.size(); ++i) {
    if (messages_[i].place.line == 0) messages_[i].place = place;
  }
  firstUnplaced_ = messages_.size();
}

std::vector<std::string> MessageList::texts() const {
  std::vector<std::string> texts;
  texts.reserve(messages_.size());
  for (const Message& message : messages_) texts.push_back(message.text);
  return texts;
}

std::vector<Message> MessageList::take() {
  firstUnplaced_ = 0;
  return std::exchange(messages_, {});
}

void MessageList::clear() {
  messages_.clear();
  firstUnplaced_ = 0;
}

}  // namespace qv
