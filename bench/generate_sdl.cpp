// Writes a realistic SDL source of about N lines to standard output: wave
// handles in a CBLOCK, constants with forward references, conditional
// blocks, and schemes of channels with labels, loops and plays.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

long emitted = 0;

void line(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fputc('\n', stdout);
  ++emitted;
}

std::string number(long value) { return std::to_string(value); }

}  // namespace

int main(int argc, char** argv) {
  long target = argc > 1 ? std::atol(argv[1]) : 10000;
  const long handles = 120;

  line("; generated benchmark project");
  line("        INCLUDE \"QVX5_SND_CMD.INC\"");
  line("        INCLUDE \"QVX5_SND_MACS.INC\"");
  line("VERNO   SET 0x50            ; version of the image");
  line("        CBLOCK 1");
  for (long h = 0; h < handles; ++h) line("HNDL_WAVE" + number(h) + "        ; wave fragment " + number(h));
  line("        ENDC");

  long scheme = 0;
  while (emitted < target) {
    std::string s = number(scheme);
    line("");
    line("; ---- scheme " + s + " ----");
    line("LOOPS_" + s + " EQU COUNT_" + s + " * 2   ; uses a later constant");
    line("COUNT_" + s + " EQU " + number(scheme % 7 + 1));
    line("        SKEME_START " + number(scheme % 32));
    line("        SDL_VERSION VERNO");
    for (long channel = 0; channel < 4 && emitted < target; ++channel) {
      std::string tag = s + "_" + number(channel);
      line("        CHANNEL_START " + number(channel));
      line("        INITIATE_SOUND " + number(channel + 1) + ", 0x81");
      line("START_" + tag + ":");
      line("        PLAY HNDL_WAVE" + number((scheme * 4 + channel) % handles) + ", 2, 0   ; attack");
      line("        IF VERNO == 0x50");
      line("        LOAD_MODIFIER 2, 0x10, 0x20, LOOPS_" + s);
      line("        ELSE");
      line("        LOAD_MODIFIER 1, 0, 0, 0");
      line("        ENDIF");
      line("LOOP_" + tag + "  PLAY HNDL_WAVE" + number((scheme + channel + 70) % handles) + ", 1, 0");
      line("        SKIP_ON_TRIGGER 1, " + number(channel + 3));
      line("        BRANCH_TO LOOP_" + tag + "   // repeat while held");
      line("        DELAY_SOUND 1, 0x20, 0");
      line("        MASK_COMPARE 1, 4, 2, 0xFF, 3");
      line("        BRANCH_TO START_" + tag);
      line("        END_SOUND");
    }
    line("        SKEME_END");
    ++scheme;
  }
  line("        END_SDF");
  return 0;
}
