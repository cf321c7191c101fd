#include "Support.h"

namespace sorika::test {
namespace {

TEST(BackupPath, NamesOneFileInTheBackupFolderPerTarget) {
    EXPECT_EQ(BackupPath(0), "設定保存フォルダ\\sorika0.sav");
    EXPECT_EQ(BackupPath(1), "設定保存フォルダ\\sorika1.sav");
    EXPECT_EQ(BackupPath(2), "設定保存フォルダ\\sorika2.sav");
    EXPECT_EQ(BackupPath(10), "設定保存フォルダ\\sorika10.sav");
}

TEST(TargetFiles, StandInTheOrderOfTheList) {
    EXPECT_STREQ(TargetFiles[0], "Velomar設定.vmc");
    EXPECT_STREQ(TargetFiles[1], "おともだち帳");
    EXPECT_STREQ(TargetFiles[2], "プラグインフォルダ\\tzl001.pac");
    EXPECT_EQ(SaveFolder, "設定保存フォルダ");
}

class Selection : public ::testing::TestWithParam<int> {};

TEST_P(Selection, OutsideTheListPromptsAndYieldsNothing) {
    FixedTargetList list(GetParam());
    RecordingDialogs dialogs;
    EXPECT_EQ(SelectedTarget(list, dialogs), std::nullopt);
    EXPECT_EQ(dialogs.shown, std::vector{Prompt("対象ファイルを選択して下さい")});
}

INSTANTIATE_TEST_SUITE_P(Invalid, Selection, ::testing::Values(-1, -2, 3, 4, 1000));

TEST(Selection, InsideTheListYieldsTheIndexSilently) {
    for (int index = 0; index < 3; ++index) {
        FixedTargetList list(index);
        RecordingDialogs dialogs;
        EXPECT_EQ(SelectedTarget(list, dialogs), index);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

} // namespace
} // namespace sorika::test
