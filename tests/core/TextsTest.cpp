#include "Support.h"
#include "core/Messages.h"
#include "tests/Cp932.h"

namespace sorika::test {
namespace {

// Every fixed text of the program must be writable in the Japanese code page it was made
// for, so that nothing outside that repertoire slips in.
std::vector<Text> FixedTexts() {
    std::vector<Text> texts{SConfirmCaption, SErrorCaption, SSelectTarget, SNotFound,
                            SObjectMark,     SSaveTo,       SCannotCreate, SCopyFailed,
                            SSaved,          SNotBackedUp,  SRestoreFrom,  SRestored,
                            SaveFolder};
    for (int index = 0; index < 3; ++index) {
        texts.push_back(TargetFiles[index]);
        texts.push_back(BackupPath(index));
        texts.push_back(FixedTargetList(index).Item(index));
    }
    return texts;
}

TEST(FixedTexts, SurviveTheJapaneseCodePage) {
    for (const Text& text : FixedTexts()) {
        const auto cp932 = Convert(text, "UTF-8", "CP932");
        ASSERT_TRUE(cp932.has_value()) << text;
        EXPECT_EQ(Convert(*cp932, "CP932", "UTF-8"), text);
    }
}

TEST(FixedTexts, HalfWidthKatakanaTakesOneByteEach) {
    // The conversion itself must be the real one: ﾊﾞｰｼﾞｮﾝ is seven single bytes in CP932.
    EXPECT_EQ(Convert("ﾊﾞｰｼﾞｮﾝ", "UTF-8", "CP932"), "\xCA\xDE\xB0\xBC\xDE\xAE\xDD");
    EXPECT_EQ(Convert("한", "UTF-8", "CP932"), std::nullopt);
}

} // namespace
} // namespace sorika::test
