#pragma once
#include <memory>
#include <string>

#include "FileIo.h"

namespace zanfo {

// Writes an output file without ever harming what stands at its name: the bytes
// go to a temporary file in the same folder, which replaces the name only on
// Commit. Dropped without Commit, it removes the temporary file.
class SafeOutput {
public:
    enum class Access { Default, OwnerOnly };

    SafeOutput() = default;
    SafeOutput(SafeOutput&&) = delete;
    ~SafeOutput();

    // Checks that `path` can be created or replaced and creates the temporary
    // file. Returns 0, or the errno that tells why it cannot.
    int Open(const std::string& path, Access access);
    // The sink of the temporary file (after a successful Open).
    ByteSink& Sink() { return *sink_; }
    // Flushes the temporary file and renames it over the output name. Raises IoError.
    void Commit();
    // Removes the temporary file; safe to call at any time.
    void Discard();

    // The temporary file's path while it exists.
    const std::string& TemporaryPath() const { return temporary_; }

private:
    std::string target_;
    std::string temporary_;
    UniqueFd fd_;
    std::unique_ptr<FileSink> sink_;
};

}  // namespace zanfo
