#pragma once
#include <stdexcept>
#include <string>

namespace zanfo {

// The program's general error: a message text meant for the user, as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zanfo
