#include <csignal>
#include <cstring>
#include <functional>

#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Support.h"
#include "core/FileSystem.h"

namespace sorika::test {
namespace {

struct PathCase {
    const char* name;
    std::function<void()> arrange;
    Text path;
    bool expected;
};

std::string CaseName(const ::testing::TestParamInfo<PathCase>& info) { return info.param.name; }

class Exists : public InTemporaryFolder, public ::testing::WithParamInterface<PathCase> {};

TEST_P(Exists, CountsAnyEntryAsPresent) {
    GetParam().arrange();
    EXPECT_EQ(fs::Exists(GetParam().path), GetParam().expected);
}

void MakeFolder() { stdfs::create_directory("フォルダ"); }
void MakeFile() { WriteFile("ファイル", "x"); }

INSTANTIATE_TEST_SUITE_P(
    Entries, Exists,
    ::testing::Values(
        PathCase{"File", MakeFile, "ファイル", true},
        PathCase{"Folder", MakeFolder, "フォルダ", true},
        PathCase{"ReadOnlyFile", [] { WriteFile("ファイル", "x", 0444); }, "ファイル", true},
        PathCase{"FileInAFolder",
                 [] {
                     MakeFolder();
                     WriteFile("フォルダ/中身", "x");
                 },
                 "フォルダ\\中身", true},
        PathCase{"Fifo", [] { ::mkfifo("管", 0644); }, "管", true},
        PathCase{"DanglingLink", [] { stdfs::create_symlink("どこにもない", "リンク"); },
                 "リンク", true},
        PathCase{"Missing", [] {}, "ファイル", false},
        PathCase{"UnderAFile", MakeFile, "ファイル\\中身", false},
        PathCase{"Empty", [] {}, "", false}),
    CaseName);

class CreateFolder : public InTemporaryFolder, public ::testing::WithParamInterface<PathCase> {};

TEST_P(CreateFolder, MakesOneNewLevel) {
    GetParam().arrange();
    const Tree before = Snapshot();
    EXPECT_EQ(fs::CreateFolder(GetParam().path), GetParam().expected);
    if (GetParam().expected)
        EXPECT_TRUE(stdfs::is_directory(fs::NativePath(GetParam().path)));
    else
        EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Names, CreateFolder,
                         ::testing::Values(PathCase{"New", [] {}, "フォルダ", true},
                                           PathCase{"InAFolder", MakeFolder, "フォルダ\\下", true},
                                           PathCase{"NameTakenByAFile", MakeFile, "ファイル", false},
                                           PathCase{"NameTakenByAFolder", MakeFolder, "フォルダ", false},
                                           PathCase{"ParentMissing", [] {}, "親\\子", false}),
                         CaseName);

class Files : public InTemporaryFolder {};

TEST_F(Files, NothingCanBeMadeInARemovedWorkingFolder) {
    WriteFile("元", "content");
    stdfs::create_directory("消える");
    stdfs::current_path("消える");
    stdfs::remove(folder / "消える");
    EXPECT_FALSE(fs::CreateFolder("設定保存フォルダ"));
    EXPECT_FALSE(fs::CopyFile((folder / "元").string(), "先"));
    stdfs::current_path(folder);
}

std::string Bytes(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 2654435761u + seed) >> 13);
    return bytes;
}

TEST_F(Files, CopyReplacesTheDestinationWithTheSourcesBytes) {
    const std::string content = Bytes(3 << 20, 1);
    WriteFile("元", content);
    WriteFile("先", "an older, shorter backup");
    ASSERT_TRUE(fs::CopyFile("元", "先"));
    EXPECT_EQ(ReadFile("先"), content);
    EXPECT_EQ(ReadFile("元"), content);

    WriteFile("空", "");
    ASSERT_TRUE(fs::CopyFile("空", "先"));
    EXPECT_EQ(ReadFile("先"), "");
    // Nothing else appears beside the copy.
    const Tree after = Snapshot();
    EXPECT_EQ(after.size(), 3u);
}

TEST_F(Files, CopyCarriesPermissionBitsAndModificationTime) {
    WriteFile("元", "content", 0640);
    const struct timespec times[2] = {{0, UTIME_OMIT}, {981173106, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, "元", times, 0), 0);
    WriteFile("先", "old", 0666);

    ASSERT_TRUE(fs::CopyFile("元", "先"));
    struct stat st;
    ASSERT_EQ(::stat("先", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 981173106);
    EXPECT_EQ(st.st_mtim.tv_nsec, 123456789);
}

TEST_F(Files, CopyUsesBackslashPathsOnBothSides) {
    stdfs::create_directories("あ/い");
    WriteFile("あ/い/元", "content");
    ASSERT_TRUE(fs::CopyFile("あ\\い\\元", "あ\\先"));
    EXPECT_EQ(ReadFile("あ/先"), "content");
}

TEST_F(Files, CopyReadsTheFileBehindASourceLink) {
    WriteFile("本物", "real content");
    stdfs::create_symlink("本物", "リンク");
    ASSERT_TRUE(fs::CopyFile("リンク", "先"));
    EXPECT_FALSE(stdfs::is_symlink("先"));
    EXPECT_EQ(ReadFile("先"), "real content");
}

TEST_F(Files, CopyKeepsADestinationLinkAndReplacesWhatItPointsTo) {
    stdfs::create_directory("奥");
    WriteFile("奥/本物", "old");
    stdfs::create_symlink("奥/本物", "一段");
    stdfs::create_symlink("一段", "二段");
    WriteFile("元", "new");

    ASSERT_TRUE(fs::CopyFile("元", "二段"));
    EXPECT_EQ(stdfs::read_symlink("二段"), "一段");
    EXPECT_EQ(stdfs::read_symlink("一段"), "奥/本物");
    EXPECT_EQ(ReadFile("奥/本物"), "new");
    EXPECT_EQ(Snapshot().size(), 5u);
}

// Each case arranges a copy, by default from "元" to "先", that must fail and change nothing.
struct FailingCopy {
    const char* name;
    std::function<void()> arrange;
    Text source = "元";
    Text destination = "先";
};

class FailedCopy : public InTemporaryFolder, public ::testing::WithParamInterface<FailingCopy> {};

TEST_P(FailedCopy, LeavesEverythingAsItWas) {
    GetParam().arrange();
    const Tree before = Snapshot();
    EXPECT_FALSE(fs::CopyFile(GetParam().source, GetParam().destination));
    EXPECT_EQ(Snapshot(), before);
}

void OldDestination() { WriteFile("先", "the backup that must survive"); }

void SourceAndOldDestination() {
    WriteFile("元", "new content");
    OldDestination();
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FailedCopy,
    ::testing::Values(
        FailingCopy{"ReadOnlyDestination",
                    [] {
                        WriteFile("元", "new content");
                        WriteFile("先", "read-only backup", 0444);
                    }},
        FailingCopy{"DestinationIsAFolder",
                    [] {
                        WriteFile("元", "new content");
                        stdfs::create_directory("先");
                        WriteFile("先/中身", "inside");
                    }},
        FailingCopy{"DestinationIsAFifo",
                    [] {
                        WriteFile("元", "new content");
                        ::mkfifo("先", 0644);
                    }},
        FailingCopy{"DestinationsFolderMissing", [] { WriteFile("元", "new"); }, "元", "無い\\先"},
        FailingCopy{"SourceMissing", OldDestination},
        FailingCopy{"SourceIsAFolder",
                    [] {
                        stdfs::create_directory("元");
                        OldDestination();
                    }},
        // A FIFO without a writer would block an ordinary open for ever.
        FailingCopy{"SourceIsAFifo",
                    [] {
                        ::mkfifo("元", 0644);
                        OldDestination();
                    }},
        FailingCopy{"SourceIsASocket",
                    [] {
                        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
                        sockaddr_un address{};
                        address.sun_family = AF_UNIX;
                        std::strcpy(address.sun_path, "元");
                        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
                        ::close(fd);
                        OldDestination();
                    }},
        // A device without end would fill the disk.
        FailingCopy{"SourceIsADevice", OldDestination, "/dev/zero"},
        FailingCopy{"SourceIsADanglingLink",
                    [] {
                        stdfs::create_symlink("どこにもない", "元");
                        OldDestination();
                    }},
        FailingCopy{"DestinationIsALinkToAReadOnlyFile",
                    [] {
                        WriteFile("元", "new content");
                        WriteFile("本物", "read-only", 0444);
                        stdfs::create_symlink("本物", "先");
                    }},
        FailingCopy{"DestinationIsALinkLoop",
                    [] {
                        WriteFile("元", "new content");
                        stdfs::create_symlink("先", "先");
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Files, CopyFailsOnASourceItMayNotRead) {
    if (RunningAsRoot())
        GTEST_SKIP() << "root reads every file; the run as an ordinary user covers this";
    SourceAndOldDestination();
    ::chmod("元", 0200);
    const Tree before = Snapshot();
    EXPECT_FALSE(fs::CopyFile("元", "先"));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Files, CopyFailsIntoAFolderItMayNotWrite) {
    stdfs::create_directory("奥");
    WriteFile("奥/先", "old");
    WriteFile("元", "new");
    if (RunningAsRoot()) {
        ASSERT_EQ(::mount("奥", "奥", nullptr, MS_BIND, nullptr), 0);
        ASSERT_EQ(::mount(nullptr, "奥", nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr), 0);
    } else {
        ::chmod("奥", 0555);
    }
    const Tree before = Snapshot();
    EXPECT_FALSE(fs::CopyFile("元", "奥\\先"));
    EXPECT_EQ(Snapshot(), before);
    if (RunningAsRoot())
        ::umount2("奥", MNT_DETACH);
}

TEST_F(Files, AFullDiskLeavesTheOldBackupWhole) {
    if (!RunningAsRoot())
        GTEST_SKIP() << "mounting a small file system takes root";
    stdfs::create_directory("小");
    ASSERT_EQ(::mount("tmpfs", "小", "tmpfs", 0, "size=256k"), 0);
    WriteFile("小/先", "the old backup");
    WriteFile("元", Bytes(1 << 20, 2));

    EXPECT_FALSE(fs::CopyFile("元", "小\\先"));
    EXPECT_EQ(ReadFile("小/先"), "the old backup");
    EXPECT_EQ(std::distance(stdfs::directory_iterator("小"), stdfs::directory_iterator()), 1);
    // The space the attempt took is free again: a smaller file still fits.
    WriteFile("元", Bytes(200 << 10, 3));
    EXPECT_TRUE(fs::CopyFile("元", "小\\先"));
    ::umount2("小", MNT_DETACH);
}

TEST_F(Files, AProcessKilledHalfWayLeavesTheOldFileOrTheNewOne) {
    const std::string a(1 << 20, 'a');
    const std::string b(3 << 19, 'b');
    WriteFile("a", a);
    WriteFile("b", b);
    WriteFile("先", a);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                fs::CopyFile("b", "先");
                fs::CopyFile("a", "先");
            }
        }
        ::usleep(static_cast<useconds_t>(attempt * 2000 + 500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string now = ReadFile("先");
        EXPECT_TRUE(now == a || now == b) << "after " << attempt << ": " << now.size() << " bytes";
        // A kill in the instant between naming the finished copy and renaming it over the
        // destination leaves that hidden copy; nothing else may be left.
        for (const auto& [name, entry] : Snapshot())
            EXPECT_TRUE(name == "a" || name == "b" || name == "先" ||
                        (name.starts_with(".sorika-") && entry.content == b) ||
                        (name.starts_with(".sorika-") && entry.content == a))
                << name << " after " << attempt;
    }
}

} // namespace
} // namespace sorika::test
