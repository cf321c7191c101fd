#include "Support.h"

namespace sorika::test {
namespace {

TEST(Dialogs, EachOperationShowsItsCaptionIconAndButtons) {
    RecordingDialogs dialogs;
    ShowPrompt(dialogs, "a");
    AskConfirm(dialogs, "b");
    ShowError(dialogs, "c");
    ShowInfo(dialogs, "d");
    ShowException(dialogs, "ソリカ", "e");

    const std::vector<Shown> expected{
        {Shown::Box, "a", "確認", 0x20},
        {Shown::Box, "b", "確認", 0x21},
        {Shown::Box, "c", "エラー", 0x30},
        {Shown::Plain, "d", "", 0},
        {Shown::Box, "e.", "ソリカ", 0x10},
    };
    EXPECT_EQ(dialogs.shown, expected);
}

class AskConfirmAnswer : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(AskConfirmAnswer, GoesOnForEverythingButCancel) {
    RecordingDialogs dialogs;
    dialogs.answers = {GetParam().first};
    EXPECT_EQ(AskConfirm(dialogs, "続けますか"), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Results, AskConfirmAnswer,
                         ::testing::Values(std::pair{IDOK, true}, std::pair{IDCANCEL, false},
                                           std::pair{0, true}, std::pair{3, true},
                                           std::pair{7, true}));

class ExceptionBoxText : public ::testing::TestWithParam<std::pair<Text, Text>> {};

TEST_P(ExceptionBoxText, AddsAFullStopAfterALetterOrADoubleByteCharacter) {
    EXPECT_EQ(ExceptionText(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ExceptionBoxText,
    ::testing::Values(std::pair<Text, Text>{"", ""}, std::pair<Text, Text>{"Out of memory", "Out of memory."},
                      std::pair<Text, Text>{"Access violation.", "Access violation."},
                      std::pair<Text, Text>{"Error 42", "Error 42."},
                      std::pair<Text, Text>{"Stopped!", "Stopped!"},
                      std::pair<Text, Text>{"trailing space ", "trailing space "},
                      std::pair<Text, Text>{"dash-", "dash-"},
                      std::pair<Text, Text>{"slash/", "slash/."},
                      std::pair<Text, Text>{"メモリが足りません", "メモリが足りません."},
                      std::pair<Text, Text>{"ﾒﾓﾘ", "ﾒﾓﾘ."},
                      std::pair<Text, Text>{"終わり。", "終わり。."}));

} // namespace
} // namespace sorika::test
