#include "Support.h"

namespace sorika::test {
namespace {

void Nothing() {}

void AllTargets() {
    WriteFile("Velomar設定.vmc", "settings");
    WriteFile("おともだち帳", "friends");
    stdfs::create_directory("プラグインフォルダ");
    WriteFile("プラグインフォルダ/tzl001.pac", "treasure");
}

void AllTargetsAndBackups() {
    AllTargets();
    stdfs::create_directory("設定保存フォルダ");
    WriteFile("設定保存フォルダ/sorika0.sav", "old settings");
    WriteFile("設定保存フォルダ/sorika1.sav", "old friends");
    WriteFile("設定保存フォルダ/sorika2.sav", "old treasure");
}

class Save : public OperationOutcome {};

TEST_P(Save, ShowsItsDialogsAndLeavesTheDisk) { Check(SaveTarget); }

const OperationCase saveCases[] = {
    {"NoSelection", AllTargets, -1, {},
     {Prompt("対象ファイルを選択して下さい")}, EarlierMessage, EarlierBackupPath, Unchanged},
    {"SelectionPastTheList", AllTargets, 3, {},
     {Prompt("対象ファイルを選択して下さい")}, EarlierMessage, EarlierBackupPath, Unchanged},

    {"TargetMissing", Nothing, 0, {},
     {Error("設定ファイルが見つかりません")}, "設定ファイルが見つかりません", EarlierBackupPath,
     Unchanged},
    {"ThirdTargetsFolderMissing", [] { WriteFile("Velomar設定.vmc", "settings"); }, 2, {},
     {Error("標準宝箱が見つかりません")}, "標準宝箱が見つかりません", EarlierBackupPath, Unchanged},

    {"Cancelled", AllTargets, 1, {IDCANCEL},
     {Confirm("おともだち帳を設定保存フォルダに保存します")},
     "おともだち帳を設定保存フォルダに保存します", EarlierBackupPath, Unchanged},

    {"FileWithTheFoldersName",
     [] {
         AllTargets();
         WriteFile("設定保存フォルダ", "not a folder");
     },
     1, {},
     {Confirm("おともだち帳を設定保存フォルダに保存します"),
      Error("おともだち帳のコピーに失敗しました")},
     "おともだち帳のコピーに失敗しました", "設定保存フォルダ\\sorika1.sav", Unchanged},
    {"FolderWithTheTargetsName",
     [] { stdfs::create_directory("おともだち帳"); }, 1, {},
     {Confirm("おともだち帳を設定保存フォルダに保存します"),
      Error("おともだち帳のコピーに失敗しました")},
     "おともだち帳のコピーに失敗しました", "設定保存フォルダ\\sorika1.sav",
     // The folder made on the way stays.
     [](Tree& t) { t["設定保存フォルダ"] = NewFolder(); }},
    {"ReadOnlyBackup",
     [] {
         AllTargetsAndBackups();
         ::chmod("設定保存フォルダ/sorika2.sav", 0444);
     },
     2, {},
     {Confirm("標準宝箱を設定保存フォルダに保存します"), Error("標準宝箱のコピーに失敗しました")},
     "標準宝箱のコピーに失敗しました", "設定保存フォルダ\\sorika2.sav", Unchanged},

    {"FirstSaveCreatesTheFolder", AllTargets, 0, {},
     {Confirm("設定ファイルを設定保存フォルダに保存します"), Info("保存しました")},
     "設定ファイルを設定保存フォルダに保存します", "設定保存フォルダ\\sorika0.sav",
     [](Tree& t) {
         t["設定保存フォルダ"] = NewFolder();
         t["設定保存フォルダ/sorika0.sav"] = t["Velomar設定.vmc"];
     }},
    {"SecondSaveReplacesTheFirst", AllTargetsAndBackups, 1, {},
     {Confirm("おともだち帳を設定保存フォルダに保存します"), Info("保存しました")},
     "おともだち帳を設定保存フォルダに保存します", "設定保存フォルダ\\sorika1.sav",
     [](Tree& t) { t["設定保存フォルダ/sorika1.sav"] = t["おともだち帳"]; }},
    {"ThirdTargetLeavesTheOtherBackups", AllTargetsAndBackups, 2, {},
     {Confirm("標準宝箱を設定保存フォルダに保存します"), Info("保存しました")},
     "標準宝箱を設定保存フォルダに保存します", "設定保存フォルダ\\sorika2.sav",
     [](Tree& t) { t["設定保存フォルダ/sorika2.sav"] = t["プラグインフォルダ/tzl001.pac"]; }},
    {"ReadOnlyTarget", [] { WriteFile("おともだち帳", "friends", 0444); }, 1, {},
     {Confirm("おともだち帳を設定保存フォルダに保存します"), Info("保存しました")},
     "おともだち帳を設定保存フォルダに保存します", "設定保存フォルダ\\sorika1.sav",
     [](Tree& t) {
         t["設定保存フォルダ"] = NewFolder();
         t["設定保存フォルダ/sorika1.sav"] = t["おともだち帳"];
     }},
};

INSTANTIATE_TEST_SUITE_P(Outcomes, Save, ::testing::ValuesIn(saveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Root creates folders wherever the permission bits say no; a read-only mount stops it too.
class SaveIntoReadOnlyFolder : public InTemporaryFolder {};

TEST_F(SaveIntoReadOnlyFolder, ReportsTheFolderAndCopiesNothing) {
    AllTargets();
    MakeReadOnly();
    const Tree before = Snapshot();

    OperationWindow window(2);
    SaveTarget(window.operation());

    EXPECT_EQ(window.dialogs.shown,
              (std::vector{Confirm("標準宝箱を設定保存フォルダに保存します"),
                           Error("設定保存フォルダが作成できません")}));
    EXPECT_EQ(window.messageText, "設定保存フォルダが作成できません");
    EXPECT_EQ(window.backupFileName, EarlierBackupPath);
    EXPECT_EQ(Snapshot(), before);
}

} // namespace
} // namespace sorika::test
