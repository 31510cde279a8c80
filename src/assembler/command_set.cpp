#include "assembler/command_set.h"

#include <array>

#include "assembler/keyword_match.h"

namespace qv {

namespace {

struct CommandEntry {
  std::string_view keyword;
  Command command;
  std::uint32_t size;
};

constexpr std::array<CommandEntry, 20> commandTable{{
    {"SKEME_START", Command::SkemeStart, 4},
    {"SDL_VERSION", Command::SdlVersion, 2},
    {"CHANNEL_START", Command::ChannelStart, 2},
    {"CHANNEL_END", Command::ChannelEnd, 2},
    {"INITIATE_SOUND", Command::InitiateSound, 2},
    {"BRANCH_TO", Command::BranchTo, 2},
    {"BRANCH_TO16", Command::BranchTo16, 4},
    {"XGOTO_SND", Command::XgotoSnd, 4},
    {"DELAY_SOUND", Command::DelaySound, 2},
    {"SKIP_ON_TRIGGER", Command::SkipOnTrigger, 2},
    {"GENERATE_TRIGGER", Command::GenerateTrigger, 2},
    {"END_SOUND", Command::EndSound, 2},
    {"PLAY", Command::Play, 2},
    {"LOAD_MODIFIER", Command::LoadModifier, 4},
    {"MASK_COMPARE", Command::MaskCompare, 4},
    {"DB", Command::Db, 0},
    {"SKEME_END", Command::SchemeClose, 0},
    {"END", Command::SchemeClose, 0},
    {"END_SDL", Command::SchemeClose, 0},
    {"END_SDF", Command::SchemeClose, 0},
}};

const CommandEntry* entryOf(Command command) {
  for (const CommandEntry& entry : commandTable) {
    if (entry.command == command) return &entry;
  }
  return nullptr;
}

}  // namespace

Command commandOf(std::string_view keyword) {
  for (const CommandEntry& entry : commandTable) {
    if (isKeyword(keyword, entry.keyword)) return entry.command;
  }
  return Command::None;
}

std::string_view commandKeyword(Command command) {
  const CommandEntry* entry = entryOf(command);
  return entry != nullptr ? entry->keyword : std::string_view();
}

std::uint32_t fixedSize(Command command) {
  const CommandEntry* entry = entryOf(command);
  return entry != nullptr ? entry->size : 0;
}

}  // namespace qv
