#pragma once
// Last-resort error reports. The text goes to whatever display is installed:
// a message box once the window exists, standard error before that.

#include <cstdint>
#include <functional>
#include <string>

namespace qv {

using ErrorDisplay = std::function<void(const std::string& text)>;

void setErrorDisplay(ErrorDisplay display);
void showErrorReport(const std::string& text);

// "Unhandled exception in PLACE." with " (0x%08lX)" before the "." when the
// code is not 0. Window handlers call it with their own name and code 0.
std::string unhandledExceptionText(const char* place, std::uint32_t code);
void reportUnhandledException(const char* place, std::uint32_t code);

// The last-chance report before the process ends: "Unhandled exception
// (0x%08lX) in application callback. The app will close."
std::string applicationCallbackFailureText(std::uint32_t code);

}  // namespace qv
