#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Dialogs.h"
#include "core/Operations.h"
#include "core/Targets.h"

namespace sorika::test {

namespace stdfs = std::filesystem;

// One dialog as the user saw it.
struct Shown {
    enum Kind { Box, Plain } kind;
    Text text;
    Text caption; // empty for the plain dialog, which takes the application title
    unsigned flags;

    bool operator==(const Shown&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Shown& shown);

Shown Prompt(const Text& text); // 確認, question mark, OK
Shown Confirm(const Text& text); // 確認, question mark, OK and Cancel
Shown Error(const Text& text);   // エラー, exclamation mark, OK
Shown Info(const Text& text);    // plain dialog

// Records every dialog in order and answers message boxes from a queue (OK once it is empty).
class RecordingDialogs : public DialogService {
public:
    int MessageBox(const Text& text, const Text& caption, unsigned flags) override;
    void ShowMessage(const Text& text) override;

    std::vector<Shown> shown;
    std::vector<int> answers;
};

// The target list as the window holds it, with any selection.
class FixedTargetList : public TargetList {
public:
    explicit FixedTargetList(int index) : index_(index) {}
    int ItemIndex() const override { return index_; }
    int ItemCount() const override { return static_cast<int>(items_.size()); }
    Text Item(int index) const override { return items_.at(index); }

private:
    int index_;
    std::vector<Text> items_{"設定ファイル", "おともだち帳", "標準宝箱"};
};

// The window's side of one operation: its list, its dialogs, and its two texts, which hold
// what an earlier operation left so that "unchanged" can be told from "set".
inline const Text EarlierMessage = "前の操作の文";
inline const Text EarlierBackupPath = "前の操作のパス";

struct OperationWindow {
    explicit OperationWindow(int index, std::vector<int> answers = {}) : list(index) {
        dialogs.answers = std::move(answers);
    }
    Operation operation() { return {list, dialogs, backupFileName, messageText}; }

    FixedTargetList list;
    RecordingDialogs dialogs;
    Text backupFileName = EarlierBackupPath;
    Text messageText = EarlierMessage;
};

// What a folder holds, entry by entry, relative to it: enough to tell whether anything in it
// changed.
struct Entry {
    enum Kind { File, Folder, Link, Other } kind;
    std::string content; // a file's bytes, a link's target
    unsigned mode;       // permission bits

    bool operator==(const Entry&) const = default;
};
using Tree = std::map<std::string, Entry>;
// A folder as the program makes it, under this process's umask.
Entry NewFolder();
std::ostream& operator<<(std::ostream& out, const Entry& entry);

// A fresh folder for each test, made the working directory while the test runs.
class InTemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder's contents as they stand.
    Tree Snapshot() const;
    // Makes the working folder unwritable: a read-only mount for root, whom permission bits
    // do not stop, the permission bits otherwise.
    void MakeReadOnly();

    stdfs::path folder;

private:
    stdfs::path previous;
    bool mounted = false;
};

// One outcome of a save or a restore: the folder before, the selection and the answers, and
// what the user sees and the disk holds afterwards.
struct OperationCase {
    const char* name;
    std::function<void()> arrange;
    int index;
    std::vector<int> answers;
    std::vector<Shown> dialogs;
    Text messageText;
    Text backupFileName;
    // The folder's contents afterwards, made from its contents before.
    std::function<void(Tree&)> change;
};
inline void PrintTo(const OperationCase& c, std::ostream* out) { *out << c.name; }
inline void Unchanged(Tree&) {}

class OperationOutcome : public InTemporaryFolder,
                         public ::testing::WithParamInterface<OperationCase> {
protected:
    void Check(void (*operation)(const Operation&));
};

void WriteFile(const stdfs::path& path, const std::string& content, unsigned mode = 0644);
std::string ReadFile(const stdfs::path& path);
bool RunningAsRoot();

} // namespace sorika::test
