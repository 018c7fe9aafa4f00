#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "crypto/BlockCipher.h"
#include "lang/MessageId.h"

namespace zanfo {

// All the Codify and Decodify operations need of a window. Texts are UTF-8;
// file names are the file system's bytes.
class OperationHost {
public:
    virtual ~OperationHost() = default;
    // The texts of the two file-name boxes.
    virtual std::string InFileName() = 0;
    virtual std::string OutFileName() = 0;
    // Gives the output box the focus and selects all of its text.
    virtual void FocusOutFileBox() = 0;
    // Empties both boxes.
    virtual void ClearFileBoxes() = 0;
    // A message text of the current language.
    virtual std::string Text(MessageId id) = 0;
    // The information box and the plain message box; both wait for OK.
    virtual void ShowInformation(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    // The password box: the typed text, or nothing when the user cancelled.
    virtual std::optional<std::string> AskPassword(const std::string& prompt) = 0;
    // The cipher of every run.
    virtual TDCP_blockcipher& Cipher() = 0;
    // The codec starts on the input (total: its size, 0 when unknown) and, on every
    // path, ends. In between, Progress after each chunk read, with the bytes read
    // so far; it may raise Cancelled to stop the run.
    virtual void RunStarted(const std::string& /*inFile*/, std::uint64_t /*total*/) {}
    virtual void Progress(std::uint64_t /*done*/) {}
    virtual void RunEnded() {}
};

enum class OperationKind { Codify, Decodify };

// Runs Codify or Decodify end to end against the host: checks the two names,
// opens both files, asks for the password, runs the codec and reports. An I/O
// error is raised (as IoError) once both files are closed and no partial output
// is left; the boxes then keep their names.
void RunOperation(OperationKind kind, OperationHost& host);

}  // namespace zanfo
