#pragma once
// Where the font reader's messages go: a message box in the window, stderr on the command line.

#include <functional>
#include <string>

using TMessageSink = std::function<void(const std::string& message)>;
