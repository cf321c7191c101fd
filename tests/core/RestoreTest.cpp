#include "Support.h"

namespace sorika::test {
namespace {

void Backups() {
    stdfs::create_directory("設定保存フォルダ");
    WriteFile("設定保存フォルダ/sorika0.sav", "saved settings");
    WriteFile("設定保存フォルダ/sorika1.sav", "saved friends");
    WriteFile("設定保存フォルダ/sorika2.sav", "saved treasure", 0600);
}

void TargetsAndBackups() {
    Backups();
    WriteFile("Velomar設定.vmc", "settings now");
    WriteFile("おともだち帳", "friends now");
    stdfs::create_directory("プラグインフォルダ");
    WriteFile("プラグインフォルダ/tzl001.pac", "treasure now");
}

class Restore : public OperationOutcome {};

TEST_P(Restore, ShowsItsDialogsAndLeavesTheDisk) { Check(RestoreTarget); }

const OperationCase restoreCases[] = {
    {"NoSelection", TargetsAndBackups, -1, {},
     {Prompt("対象ファイルを選択して下さい")}, EarlierMessage, EarlierBackupPath, Unchanged},
    {"SelectionPastTheList", TargetsAndBackups, 3, {},
     {Prompt("対象ファイルを選択して下さい")}, EarlierMessage, EarlierBackupPath, Unchanged},

    {"BackupMissing",
     [] {
         TargetsAndBackups();
         stdfs::remove("設定保存フォルダ/sorika1.sav");
     },
     1, {},
     {Error("おともだち帳はバックアップされていません")},
     "おともだち帳はバックアップされていません", "設定保存フォルダ\\sorika1.sav", Unchanged},
    {"BackupFolderMissing", [] { WriteFile("Velomar設定.vmc", "settings now"); }, 0, {},
     {Error("設定ファイルはバックアップされていません")},
     "設定ファイルはバックアップされていません", "設定保存フォルダ\\sorika0.sav", Unchanged},

    {"Cancelled", TargetsAndBackups, 0, {IDCANCEL},
     {Confirm("設定ファイルを設定保存フォルダから復元します")},
     "設定ファイルを設定保存フォルダから復元します", "設定保存フォルダ\\sorika0.sav", Unchanged},

    {"ThirdTargetsFolderMissing", Backups, 2, {},
     {Confirm("標準宝箱を設定保存フォルダから復元します"), Error("標準宝箱のコピーに失敗しました")},
     "標準宝箱のコピーに失敗しました", "設定保存フォルダ\\sorika2.sav", Unchanged},
    {"ReadOnlyTargetKept",
     [] {
         TargetsAndBackups();
         ::chmod("おともだち帳", 0444);
     },
     1, {},
     {Confirm("おともだち帳を設定保存フォルダから復元します"),
      Error("おともだち帳のコピーに失敗しました")},
     "おともだち帳のコピーに失敗しました", "設定保存フォルダ\\sorika1.sav", Unchanged},
    {"FolderInPlaceOfTheBackup",
     [] {
         WriteFile("Velomar設定.vmc", "settings now");
         stdfs::create_directories("設定保存フォルダ/sorika0.sav");
     },
     0, {},
     {Confirm("設定ファイルを設定保存フォルダから復元します"),
      Error("設定ファイルのコピーに失敗しました")},
     "設定ファイルのコピーに失敗しました", "設定保存フォルダ\\sorika0.sav", Unchanged},

    {"DeletedTargetRecreated", Backups, 1, {},
     {Confirm("おともだち帳を設定保存フォルダから復元します"), Info("復元しました")},
     "おともだち帳を設定保存フォルダから復元します", "設定保存フォルダ\\sorika1.sav",
     [](Tree& t) { t["おともだち帳"] = t["設定保存フォルダ/sorika1.sav"]; }},
    {"TargetReplaced", TargetsAndBackups, 2, {},
     {Confirm("標準宝箱を設定保存フォルダから復元します"), Info("復元しました")},
     "標準宝箱を設定保存フォルダから復元します", "設定保存フォルダ\\sorika2.sav",
     [](Tree& t) { t["プラグインフォルダ/tzl001.pac"] = t["設定保存フォルダ/sorika2.sav"]; }},
};

INSTANTIATE_TEST_SUITE_P(Outcomes, Restore, ::testing::ValuesIn(restoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

class RestoreAgain : public InTemporaryFolder {};

TEST_F(RestoreAgain, RepeatsTheSameCopyFromTheUnchangedBackup) {
    TargetsAndBackups();
    std::vector<Tree> after;
    for (int run = 0; run < 2; ++run) {
        OperationWindow window(0);
        RestoreTarget(window.operation());
        EXPECT_EQ(window.dialogs.shown,
                  (std::vector{Confirm("設定ファイルを設定保存フォルダから復元します"),
                               Info("復元しました")}));
        after.push_back(Snapshot());
    }
    EXPECT_EQ(after[0]["Velomar設定.vmc"], after[0]["設定保存フォルダ/sorika0.sav"]);
    EXPECT_EQ(after[0]["設定保存フォルダ/sorika0.sav"].content, "saved settings");
    EXPECT_EQ(after[1], after[0]);
}

} // namespace
} // namespace sorika::test
