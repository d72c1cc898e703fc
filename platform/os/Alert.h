#pragma once
#include <functional>
#include <string>

// Messages a worker thread must put in front of the user (the stopped event could not be
// signalled). The UI installs a message box; until then, and in the command line, the
// text goes to stderr. The hook blocks until the user has seen it, like a message box.
namespace platform {

using AlertHook = std::function<void(const std::string& text)>;

void SetAlertHook(AlertHook hook);
void ShowAlert(const std::string& text);

}  // namespace platform
