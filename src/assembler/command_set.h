#pragma once
// The SDL command keywords the assembler knows, and the bytes each takes.
// The harvest pass sizes statements and the encoder emits them from this one
// table, so that labels land where the statements are placed.

#include <cstdint>
#include <string_view>

namespace qv {

enum class Command {
  None,
  SkemeStart,
  SdlVersion,
  ChannelStart,
  ChannelEnd,
  InitiateSound,
  BranchTo,
  BranchTo16,
  XgotoSnd,
  DelaySound,
  SkipOnTrigger,
  GenerateTrigger,
  EndSound,
  Play,
  LoadModifier,
  MaskCompare,
  Db,
  SchemeClose,  // SKEME_END, END, END_SDL, END_SDF
};

// None for any word that is not a command keyword; case is ignored.
Command commandOf(std::string_view keyword);

// The keyword as written in sources (the first of SchemeClose's words).
std::string_view commandKeyword(Command command);

// Bytes of the command's fixed form: PLAY's short form, 0 for DB (one byte
// per operand), for SchemeClose and for None.
std::uint32_t fixedSize(Command command);

constexpr bool isBranch(Command command) {
  return command == Command::BranchTo || command == Command::BranchTo16 || command == Command::XgotoSnd;
}

// PLAY takes its 4-byte form from handle 64 up; a negative handle is short.
constexpr bool isLongPlay(std::int32_t handle) { return handle >= 64; }

}  // namespace qv
