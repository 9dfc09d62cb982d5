// An error raised inside a command or event; the place that dispatched the command
// shows its text in the application's error report and the program goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace zem {

class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zem
