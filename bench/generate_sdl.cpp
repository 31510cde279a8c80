// Writes a realistic SDL source of about N lines to standard output: wave
// handles in a CBLOCK, constants with forward references, conditional
// blocks, and schemes of channels with labels, loops and plays.
//   generate_sdl N          the SDL source
//   generate_sdl N --twin   the same shape for a general-purpose assembler
//                           of the same family: DB lines in place of the
//                           commands, ";" comments, constants defined
//                           before use (it takes no forward EQU)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

long emitted = 0;
bool twin = false;

void line(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fputc('\n', stdout);
  ++emitted;
}

std::string number(long value) { return std::to_string(value); }

// A command line: the command with its operands, or in the twin a DB line
// of as many bytes, the first being the command's code.
void command(const std::string& label, const char* keyword, int code, const std::string& operands,
             const std::string& comment = "") {
  std::string text = label.empty() ? "        " : label + "  ";
  if (twin) {
    text += "db " + number(code) + (operands.empty() ? "" : ", " + operands);
    // Its comments start with ";" only.
    if (!comment.empty()) text += "   ; " + comment.substr(comment.find(' ') + 1);
  } else {
    text += keyword;
    if (!operands.empty()) text += " " + operands;
    if (!comment.empty()) text += "   " + comment;
  }
  line(text);
}

}  // namespace

int main(int argc, char** argv) {
  long target = argc > 1 ? std::atol(argv[1]) : 10000;
  twin = argc > 2 && std::strcmp(argv[2], "--twin") == 0;
  const long handles = 120;

  line("; generated benchmark project");
  if (twin) {
    // Its image outgrows every device's memory; the bytes still count.
    line("        LIST P=18F4550, R=DEC");
    line("        ERRORLEVEL -220");
  } else {
    line("        INCLUDE \"QVX5_SND_CMD.INC\"");
    line("        INCLUDE \"QVX5_SND_MACS.INC\"");
  }
  line("VERNO   SET 0x50            ; version of the image");
  line("        CBLOCK 1");
  for (long h = 0; h < handles; ++h) line("HNDL_WAVE" + number(h) + "        ; wave fragment " + number(h));
  line("        ENDC");

  long scheme = 0;
  while (emitted < target) {
    std::string s = number(scheme);
    line("");
    line("; ---- scheme " + s + " ----");
    if (twin) {
      line("COUNT_" + s + " EQU " + number(scheme % 7 + 1));
      line("LOOPS_" + s + " EQU COUNT_" + s + " * 2   ; uses the constant above");
    } else {
      line("LOOPS_" + s + " EQU COUNT_" + s + " * 2   ; uses a later constant");
      line("COUNT_" + s + " EQU " + number(scheme % 7 + 1));
    }
    command("", "SKEME_START", 0xF1, number(scheme % 32));
    command("", "SDL_VERSION", 0xF2, "VERNO");
    // The twin's branches take the low byte of the target's address.
    auto branchTarget = [](const std::string& label) { return twin ? "LOW " + label : label; };
    for (long channel = 0; channel < 4 && emitted < target; ++channel) {
      std::string tag = s + "_" + number(channel);
      command("", "CHANNEL_START", 0xF3, number(channel));
      command("", "INITIATE_SOUND", 0xF4, number(channel + 1) + ", 0x81");
      line("START_" + tag + ":");
      command("", "PLAY", 0x40, "HNDL_WAVE" + number((scheme * 4 + channel) % handles) + ", 2, 0", "; attack");
      line("        IF VERNO == 0x50");
      command("", "LOAD_MODIFIER", 0xF5, "2, 0x10, 0x20, LOOPS_" + s);
      line("        ELSE");
      command("", "LOAD_MODIFIER", 0xF5, "1, 0, 0, 0");
      line("        ENDIF");
      command("LOOP_" + tag, "PLAY", 0x40, "HNDL_WAVE" + number((scheme + channel + 70) % handles) + ", 1, 0");
      command("", "SKIP_ON_TRIGGER", 0xF6, "1, " + number(channel + 3));
      command("", "BRANCH_TO", 0xF7, branchTarget("LOOP_" + tag), twin ? "repeat while held" : "// repeat while held");
      command("", "DELAY_SOUND", 0xF8, "1, 0x20, 0");
      command("", "MASK_COMPARE", 0xF9, "1, 4, 2, 0xFF, 3");
      command("", "BRANCH_TO", 0xF7, branchTarget("START_" + tag));
      command("", "END_SOUND", 0xFA, "");
    }
    command("", "SKEME_END", 0xFB, "");
    ++scheme;
  }
  line(twin ? "        END" : "        END_SDF");
  return 0;
}
