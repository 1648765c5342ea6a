// Tests of the version information: the translation key, the strings found
// under it and the information this program was built with.
#include "version.h"

#include <gtest/gtest.h>

namespace {

TVersionBlock BlockWith(std::uint32_t translation, const std::string& key,
                        const std::string& productName) {
    TVersionBlock block;
    block.Translation = translation;
    block.Strings[VersionStringPath(key, "ProductName")] = productName;
    block.Strings[VersionStringPath(key, "FileVersion")] = "2.3.4";
    return block;
}

TEST(TranslationKey, IsFourHexDigitsOfLanguageThenFourOfCodePage) {
    EXPECT_EQ(TranslationKey(0x0409, 0x04E4), "040904E4");
    EXPECT_EQ(TranslationKey(0x0411, 932), "041103A4");
    EXPECT_EQ(TranslationKey(0, 0), "00000000");
    EXPECT_EQ(TranslationKey(0xFFFF, 0xabcd), "FFFFABCD");
}

TEST(VersionStringPath, NamesTheStringUnderItsTranslation) {
    EXPECT_EQ(VersionStringPath("040904E4", "FileVersion"),
              "\\StringFileInfo\\040904E4\\FileVersion");
}

TEST(Version, TakesLanguageAndCodePageFromTheFirstTranslation) {
    const TVersion version(BlockWith(0x04E40409, "040904E4", "Kit"));
    EXPECT_TRUE(version.HasInfo());
    EXPECT_EQ(version.Language(), 0x0409);
    EXPECT_EQ(version.CodePage(), 0x04E4);
    EXPECT_EQ(version.Key(), "040904E4");
    EXPECT_EQ(version.ProductName(), "Kit");
    EXPECT_EQ(version.FileVersion(), "2.3.4");
    EXPECT_EQ(version.LegalCopyright(), "");
}

TEST(Version, StringsOfAnotherTranslationOrEmptyOnesAreNotFound) {
    const TVersion other(BlockWith(0x04E40409, "041103A4", "Kit"));
    EXPECT_EQ(other.ProductName(), "");
    EXPECT_EQ(other.FileVersion(), "");
    const TVersion empty(BlockWith(0x04E40409, "040904E4", ""));
    EXPECT_EQ(empty.ProductName(), "");
}

TEST(Version, WithoutInformationEveryStringIsEmpty) {
    const TVersion none(std::nullopt);
    EXPECT_FALSE(none.HasInfo());
    EXPECT_EQ(none.Key(), "");
    EXPECT_EQ(none.ProductName(), "");
    EXPECT_EQ(none.FileVersion(), "");
    EXPECT_EQ(none.LegalCopyright(), "");
}

TEST(Version, ThisProgramCarriesItsNameVersionAndNoticeFromTheBuild) {
    const TVersion built(BuiltVersionBlock());
    EXPECT_TRUE(built.HasInfo());
    EXPECT_EQ(built.Key(), "0411FDE9");
    EXPECT_EQ(built.ProductName(), "Zelvo");
    EXPECT_EQ(built.FileVersion(), ZELVO_PROJECT_VERSION);
    EXPECT_NE(built.LegalCopyright().find("Copyright"), std::string::npos);
}

} // namespace
