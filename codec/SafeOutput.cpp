#include "SafeOutput.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "IoError.h"

namespace zanfo {
namespace {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// An output name that is a link to an existing file is written through: the
// link stays, the file it points at is replaced.
std::string ResolveLink(const std::string& path)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved)) return path;
    return resolved;
}

std::string RandomSuffix()
{
    static std::random_device device;
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, sizeof kChars - 2);
    std::string suffix(8, '0');
    for (char& c : suffix) c = kChars[pick(device)];
    return suffix;
}

}  // namespace

SafeOutput::~SafeOutput() { Discard(); }

int SafeOutput::Open(const std::string& path, Access access)
{
    Discard();
    if (path.empty()) return ENOENT;
    target_ = ResolveLink(path);
    const std::string name = NameOf(target_);
    if (name.empty() || name == "." || name == "..") return EISDIR;
    if (target_.size() >= PATH_MAX || name.size() > NAME_MAX) return ENAMETOOLONG;

    // What stands at the name must be a file we may replace; nothing is changed yet.
    struct stat existing;
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return EISDIR;
        if (!S_ISREG(existing.st_mode)) return EINVAL;  // never rename over a device or pipe
        if (::access(target_.c_str(), W_OK) != 0) return errno;
    } else if (errno != ENOENT) {
        return errno;
    }

    // A plain file is readable by its owner only; a protected one gets the usual
    // permissions (the umask applies), or keeps those of the file it replaces.
    const mode_t mode = access == Access::OwnerOnly ? 0600 : 0666;
    const std::string folder = FolderOf(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = folder + "/.zanfo-" + RandomSuffix() + ".tmp";
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return errno;
        }
        fd_ = UniqueFd(fd);
        temporary_ = std::move(candidate);
        if (exists && access == Access::Default) ::fchmod(fd, existing.st_mode & 07777);
        sink_ = std::make_unique<FileSink>(fd);
        return 0;
    }
    return EEXIST;
}

void SafeOutput::Commit()
{
    sink_->Flush();
    // The data reach the disk before the name moves, so a crash leaves the old
    // file or the new one, never a hole.
    if (::fsync(fd_.Get()) != 0 && errno != EINVAL) throw IoError::FromErrno(errno);
    if (const int error = fd_.Close()) throw IoError::FromErrno(error);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) throw IoError::FromErrno(errno);
    temporary_.clear();
    sink_.reset();
    const UniqueFd folder(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) ::fsync(folder.Get());
}

void SafeOutput::Discard()
{
    sink_.reset();
    fd_.Close();
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

}  // namespace zanfo
