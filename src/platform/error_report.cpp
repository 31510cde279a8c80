#include "platform/error_report.h"

#include <cstdio>

namespace qv {

namespace {

ErrorDisplay& installedDisplay() {
  static ErrorDisplay display;
  return display;
}

}  // namespace

void setErrorDisplay(ErrorDisplay display) { installedDisplay() = std::move(display); }

void showErrorReport(const std::string& text) {
  if (installedDisplay()) {
    installedDisplay()(text);
  } else {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

std::string unhandledExceptionText(const char* place, std::uint32_t code) {
  std::string text = "Unhandled exception in ";
  if (place != nullptr) text += place;
  if (code != 0) {
    char hex[32];
    std::snprintf(hex, sizeof hex, " (0x%08lX)", static_cast<unsigned long>(code));
    text += hex;
  }
  return text + ".";
}

void reportUnhandledException(const char* place, std::uint32_t code) {
  showErrorReport(unhandledExceptionText(place, code));
}

std::string applicationCallbackFailureText(std::uint32_t code) {
  char text[96];
  std::snprintf(text, sizeof text, "Unhandled exception (0x%08lX) in application callback. The app will close.",
                static_cast<unsigned long>(code));
  return text;
}

}  // namespace qv
