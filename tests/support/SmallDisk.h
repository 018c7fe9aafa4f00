#pragma once
#include <sys/mount.h>
#include <unistd.h>

#include <string>

#include "TempDir.h"

// A 64 KiB file system of its own, to fill up: a real full disk. Needs root;
// Mounted() is false elsewhere and the test skips.
class SmallDisk {
public:
    SmallDisk()
    {
        if (::geteuid() == 0)
            mounted_ = ::mount("tmpfs", dir_.Path().c_str(), "tmpfs", 0, "size=64k,mode=0700") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) ::umount2(dir_.Path().c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    // Makes the file system read-only: nothing on it can be opened for writing, by root either.
    bool MakeReadOnly()
    {
        return mounted_ && ::mount("tmpfs", dir_.Path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }
    const TempDir& Dir() const { return dir_; }

private:
    TempDir dir_;
    bool mounted_ = false;
};
