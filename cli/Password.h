#pragma once
#include <optional>
#include <string>

namespace zanfo::cli {

// Why a password could not be had.
enum class PasswordError { None, NoTerminal, Interrupted, Mismatch, Empty, NotWindows1252 };

// Asks on the terminal without echo; with `confirm`, asks twice and compares.
// Returns the password's Windows-1252 bytes.
std::optional<std::string> AskOnTerminal(bool confirm, PasswordError& error);

// The first line of standard input, without its line ending, as Windows-1252 bytes.
std::optional<std::string> ReadFromStdin(PasswordError& error);

// A one-line text for the error.
const char* Describe(PasswordError error);

}  // namespace zanfo::cli
