#include "codec/SafeOutput.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "codec/FileIo.h"
#include "support/SmallDisk.h"
#include "support/TempDir.h"

using zanfo::SafeOutput;

namespace {

void Put(SafeOutput& out, const std::string& bytes)
{
    ASSERT_EQ(out.Sink().Write(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
              bytes.size());
}

mode_t ModeOf(const std::string& path)
{
    struct stat st;
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(SafeOutput, CommitReplacesAndDiscardLeavesTheOldFileAlone)
{
    TempDir dir;
    const std::string target = dir / "out";
    WriteFile(target, "old contents");
    {
        SafeOutput out;
        ASSERT_EQ(out.Open(target, SafeOutput::Access::Default), 0);
        Put(out, "half a new file");
        EXPECT_EQ(ReadFile(target), "old contents") << "nothing touches the name before Commit";
    }
    EXPECT_EQ(ReadFile(target), "old contents");
    EXPECT_EQ(dir.Listing(), "out ") << "no temporary file is left behind";

    SafeOutput out;
    ASSERT_EQ(out.Open(target, SafeOutput::Access::Default), 0);
    Put(out, "new contents");
    out.Commit();
    EXPECT_EQ(ReadFile(target), "new contents");
    EXPECT_EQ(dir.Listing(), "out ");
}

TEST(SafeOutput, RefusesWhatCannotBeCreatedBeforeWritingAnything)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    const std::pair<std::string, int> cases[] = {
        {dir / "missing/out", ENOENT},
        {dir / "folder", EISDIR},
        {dir / std::string(300, 'n'), ENAMETOOLONG},
        {"", ENOENT},
        {"/dev/null", EINVAL},
    };
    for (const auto& [path, error] : cases) {
        SafeOutput out;
        EXPECT_EQ(out.Open(path, SafeOutput::Access::Default), error) << path;
    }
    EXPECT_EQ(dir.Listing(), "folder ");
}

TEST(SafeOutput, RefusesAReadOnlyFileSystem)
{
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a small file system needs root";
    WriteFile(disk.Dir() / "old", "keep");
    ASSERT_TRUE(disk.MakeReadOnly());
    SafeOutput out;
    EXPECT_EQ(out.Open(disk.Dir() / "old", SafeOutput::Access::Default), EROFS);
    EXPECT_EQ(out.Open(disk.Dir() / "new", SafeOutput::Access::Default), EROFS);
    EXPECT_EQ(ReadFile(disk.Dir() / "old"), "keep");
}

TEST(SafeOutput, RefusesReadOnlyFilesAndFolders)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere; the read-only file system test stands in";
    TempDir dir;
    WriteFile(dir / "locked", "keep");
    ::chmod((dir / "locked").c_str(), 0444);
    SafeOutput out;
    EXPECT_EQ(out.Open(dir / "locked", SafeOutput::Access::Default), EACCES);
    ::chmod(dir.Path().c_str(), 0555);
    EXPECT_EQ(out.Open(dir / "new", SafeOutput::Access::Default), EACCES);
}

TEST(SafeOutput, PermissionsOfTheNewFile)
{
    TempDir dir;
    const mode_t old = ::umask(022);
    SafeOutput plain;
    ASSERT_EQ(plain.Open(dir / "plain", SafeOutput::Access::OwnerOnly), 0);
    plain.Commit();
    EXPECT_EQ(ModeOf(dir / "plain"), 0600u);

    SafeOutput fresh;
    ASSERT_EQ(fresh.Open(dir / "fresh", SafeOutput::Access::Default), 0);
    fresh.Commit();
    EXPECT_EQ(ModeOf(dir / "fresh"), 0644u);

    WriteFile(dir / "kept", "x");
    ::chmod((dir / "kept").c_str(), 0640);
    SafeOutput kept;
    ASSERT_EQ(kept.Open(dir / "kept", SafeOutput::Access::Default), 0);
    kept.Commit();
    EXPECT_EQ(ModeOf(dir / "kept"), 0640u);
    ::umask(old);
}

TEST(SafeOutput, ALinkIsWrittenThrough)
{
    TempDir dir;
    WriteFile(dir / "real", "old");
    std::filesystem::create_symlink(dir / "real", dir / "link");
    SafeOutput out;
    ASSERT_EQ(out.Open(dir / "link", SafeOutput::Access::Default), 0);
    Put(out, "new");
    out.Commit();
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
    EXPECT_EQ(ReadFile(dir / "real"), "new");
}

TEST(SameFile, RecognisesOneFileUnderAnyName)
{
    TempDir dir;
    WriteFile(dir / "a", "a");
    WriteFile(dir / "b", "b");
    std::filesystem::create_symlink(dir / "a", dir / "link");
    std::filesystem::create_hard_link(dir / "a", dir / "hard");
    const std::string relative = std::filesystem::relative(dir / "a").string();

    EXPECT_TRUE(zanfo::SameFile(dir / "a", dir / "link"));
    EXPECT_TRUE(zanfo::SameFile(dir / "a", dir / "hard"));
    EXPECT_TRUE(zanfo::SameFile(dir / "a", dir.Path() + "/./a"));
    EXPECT_TRUE(zanfo::SameFile(relative, dir / "a"));
    EXPECT_FALSE(zanfo::SameFile(dir / "a", dir / "b"));
    EXPECT_FALSE(zanfo::SameFile(dir / "a", dir / "missing"));
}
