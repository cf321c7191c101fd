#include "Support.h"

#include <fstream>
#include <sstream>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorika::test {

std::ostream& operator<<(std::ostream& out, const Shown& shown) {
    if (shown.kind == Shown::Plain)
        return out << "plain dialog 「" << shown.text << "」";
    return out << "message box 「" << shown.text << "」 captioned 「" << shown.caption
               << "」 flags 0x" << std::hex << shown.flags << std::dec;
}

Shown Prompt(const Text& text) { return {Shown::Box, text, "確認", 0x20}; }
Shown Confirm(const Text& text) { return {Shown::Box, text, "確認", 0x21}; }
Shown Error(const Text& text) { return {Shown::Box, text, "エラー", 0x30}; }
Shown Info(const Text& text) { return {Shown::Plain, text, "", 0}; }

int RecordingDialogs::MessageBox(const Text& text, const Text& caption, unsigned flags) {
    shown.push_back({Shown::Box, text, caption, flags});
    if (answers.empty())
        return IDOK;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

void RecordingDialogs::ShowMessage(const Text& text) { shown.push_back(Info(text)); }

std::ostream& operator<<(std::ostream& out, const Entry& entry) {
    static const char* const kinds[] = {"file", "folder", "link", "other"};
    return out << kinds[entry.kind] << " 0" << std::oct << entry.mode << std::dec << " 「"
               << entry.content << "」";
}

Entry NewFolder() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return {Entry::Folder, "", 0777u & ~mask};
}

void InTemporaryFolder::SetUp() {
    previous = stdfs::current_path();
    std::string name = (stdfs::temp_directory_path() / "sorika-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    folder = name;
    stdfs::current_path(folder);
}

void InTemporaryFolder::TearDown() {
    stdfs::current_path(previous);
    if (mounted)
        ::umount2(folder.c_str(), MNT_DETACH);
    // Give back the write bits that a test took away, so that everything can be removed.
    std::error_code ignored;
    for (auto it = stdfs::recursive_directory_iterator(folder, ignored);
         it != stdfs::recursive_directory_iterator(); it.increment(ignored))
        if (!it->is_symlink())
            ::chmod(it->path().c_str(), 0755);
    ::chmod(folder.c_str(), 0755);
    stdfs::remove_all(folder, ignored);
}

Tree InTemporaryFolder::Snapshot() const {
    Tree tree;
    for (const auto& item : stdfs::recursive_directory_iterator(folder)) {
        struct stat st;
        if (::lstat(item.path().c_str(), &st) != 0)
            continue;
        Entry entry{Entry::Other, "", static_cast<unsigned>(st.st_mode & 07777)};
        if (S_ISREG(st.st_mode))
            entry = {Entry::File, ReadFile(item.path()), entry.mode};
        else if (S_ISDIR(st.st_mode))
            entry.kind = Entry::Folder;
        else if (S_ISLNK(st.st_mode))
            entry = {Entry::Link, stdfs::read_symlink(item.path()).string(), 0};
        tree[item.path().lexically_relative(folder).string()] = entry;
    }
    return tree;
}

void InTemporaryFolder::MakeReadOnly() {
    if (RunningAsRoot()) {
        ASSERT_EQ(::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr), 0);
        mounted = true;
        ASSERT_EQ(::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                          nullptr),
                  0);
        // The working directory still names the folder beneath the mount; enter the mount.
        stdfs::current_path(folder);
    } else {
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    }
}

void OperationOutcome::Check(void (*operation)(const Operation&)) {
    const OperationCase& c = GetParam();
    c.arrange();
    Tree expected = Snapshot();
    c.change(expected);

    OperationWindow window(c.index, c.answers);
    operation(window.operation());

    EXPECT_EQ(window.dialogs.shown, c.dialogs);
    EXPECT_EQ(window.messageText, c.messageText);
    EXPECT_EQ(window.backupFileName, c.backupFileName);
    EXPECT_EQ(Snapshot(), expected);
}

void WriteFile(const stdfs::path& path, const std::string& content, unsigned mode) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << content;
        ASSERT_TRUE(out.good()) << path;
    }
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

std::string ReadFile(const stdfs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool RunningAsRoot() { return ::geteuid() == 0; }

} // namespace sorika::test
