// Reading, writing and rewriting INI settings text.
#include "format/ini_file.h"

#include <gtest/gtest.h>

namespace {

const char* const kSettings = "; written by hand\r\n"
                              "[TMainFm]\r\n"
                              "Left=203\r\n"
                              "  Zoom = 25000  \r\n"
                              "File1=C:\\data\\box.zvt\r\n"
                              "\r\n"
                              "[Print]\n"
                              "FontName=ＭＳ 明朝\n"
                              "TYohaku=abc\n";

TEST(IniFileTest, ReadsValuesIgnoringLetterCaseAndBlanks) {
    const TIniFile ini(kSettings);
    EXPECT_EQ(ini.ReadInteger("TMainFm", "Left", 0), 203);
    EXPECT_EQ(ini.ReadInteger("tmainfm", "ZOOM", 10000), 25000);
    EXPECT_EQ(ini.ReadString("TMainFm", "file1", ""), "C:\\data\\box.zvt");
    EXPECT_EQ(ini.ReadString("PRINT", "FontName", ""), "ＭＳ 明朝");
}

TEST(IniFileTest, MissingSectionKeyOrMalformedNumberGivesDefault) {
    const TIniFile ini(kSettings);
    EXPECT_EQ(ini.ReadInteger("TMainFm", "Top", 106), 106);
    EXPECT_EQ(ini.ReadInteger("Nowhere", "Left", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Print", "TYohaku", 7), 7);
    EXPECT_EQ(ini.ReadString("TMainFm", "File2", "none"), "none");
    // A comment line is never a key, a key outside every section is unreachable.
    EXPECT_EQ(TIniFile("Key=1\r\n[S]\r\n;Key=2\r\n").ReadInteger("S", "Key", 9), 9);
    EXPECT_EQ(TIniFile("Key=1\r\n[S]\r\n;Key=2\r\n").ReadInteger("", "Key", 9), 9);
}

TEST(IniFileTest, IntegersMustBeWholeDecimalNumbers) {
    auto read = [](const char* value) {
        return TIniFile(std::string("[S]\nV=") + value + "\n").ReadInteger("S", "V", 42);
    };
    EXPECT_EQ(read("-1"), -1);
    EXPECT_EQ(read("+8"), 8);
    EXPECT_EQ(read("0"), 0);
    EXPECT_EQ(read("9223372036854775807"), 9223372036854775807LL);
    EXPECT_EQ(read("-9223372036854775808"), -9223372036854775807LL - 1);
    for (const char* bad :
         {"", "-", "+", "1.5", "12abc", "0x10", "$1F", "1 2", "--1", "+-1", "9223372036854775808",
          "-9223372036854775809", "99999999999999999999999"})
        EXPECT_EQ(read(bad), 42) << "value \"" << bad << "\"";
}

TEST(IniFileTest, RewritingKeepsEverythingNotWritten) {
    TIniFile ini(kSettings);
    ini.WriteInteger("tmainfm", "zoom", 15000);
    ini.WriteInteger("TMainFm", "Top", 106);
    ini.WriteString("Print", "FontName", "IPAMincho");
    EXPECT_EQ(ini.ToText(), "; written by hand\r\n"
                            "[TMainFm]\r\n"
                            "Left=203\r\n"
                            "Zoom=15000\r\n"
                            "File1=C:\\data\\box.zvt\r\n"
                            "Top=106\r\n"
                            "\r\n"
                            "[Print]\r\n"
                            "FontName=IPAMincho\r\n"
                            "TYohaku=abc\r\n");
}

TEST(IniFileTest, WrittenValuesReadBackBeforeAndAfterSaving) {
    TIniFile ini;
    EXPECT_EQ(ini.ToText(), "");
    ini.WriteInteger("TMainFm", "Zoom", 10000);
    ini.WriteInteger("Print", "FontColor", -16777208);
    ini.WriteString("TMainFm", "File1", " /home/user/箱.zvt ");
    ini.WriteString("TMainFm", "File1", "/home/user/舟.zvt");
    EXPECT_EQ(ini.ToText(), "[TMainFm]\r\nZoom=10000\r\nFile1=/home/user/舟.zvt\r\n"
                            "[Print]\r\nFontColor=-16777208\r\n");
    const TIniFile reread(ini.ToText());
    EXPECT_EQ(reread.ReadInteger("TMainFm", "Zoom", 0), 10000);
    EXPECT_EQ(reread.ReadInteger("Print", "FontColor", 0), -16777208);
    EXPECT_EQ(reread.ReadString("TMainFm", "File1", ""), "/home/user/舟.zvt");
}

TEST(IniFileTest, ALineBreakInAValueCannotAddAKeyOrSection) {
    TIniFile ini;
    ini.WriteString("TMainFm", "File1", "a\r\n[Print]\nFontSize=99");
    const TIniFile reread(ini.ToText());
    EXPECT_EQ(reread.ReadInteger("Print", "FontSize", 12), 12);
    EXPECT_EQ(reread.ReadString("TMainFm", "File1", ""), "a  [Print] FontSize=99");
}

TEST(IniFileTest, FirstOfRepeatedKeysAndSectionsIsTheOneReadAndWritten) {
    TIniFile ini("[S]\r\nK=1\r\nk=2\r\n[s]\r\nK=3\r\n");
    EXPECT_EQ(ini.ReadInteger("S", "K", 0), 1);
    ini.WriteInteger("S", "K", 4);
    EXPECT_EQ(ini.ToText(), "[S]\r\nK=4\r\nk=2\r\n[s]\r\nK=3\r\n");
}

TEST(IniFileTest, NewKeyOfSectionWithoutEntriesFollowsItsHeaderAndComments) {
    TIniFile ini("\xEF\xBB\xBF[A]\n; nothing yet\n\n[B]\nX=1");
    ini.WriteInteger("A", "Y", 2);
    EXPECT_EQ(ini.ToText(), "[A]\r\n; nothing yet\r\nY=2\r\n\r\n[B]\r\nX=1\r\n");
}

} // namespace

// Found by fuzzing: of two marks only the first was dropped, the second began
// the first line, and the text written without the first read differently.
TEST(IniFileTest, EveryLeadingByteOrderMarkIsDropped) {
    const TIniFile twoMarks("\xEF\xBB\xBF\xEF\xBB\xBF[A]\r\nKey=1\r\n");
    EXPECT_EQ(twoMarks.ReadInteger("A", "Key", 0), 1);
    EXPECT_EQ(twoMarks.ToText(), "[A]\r\nKey=1\r\n");
}

namespace {

// Settings a chunk at a time, as a file is read.
TIniFile ReadInChunks(std::string_view text, std::size_t chunk) {
    TIniReader reader;
    for (std::size_t at = 0; at < text.size(); at += chunk)
        reader.Take(text.substr(at, chunk));
    return reader.Finish();
}

// A value another program let grow without end is dropped as it is read;
// the lines around it stay, and rewriting leaves it out.
TEST(IniFileTest, LinesLongerThanTheBoundAreDropped) {
    const std::string longest = "File2=" + std::string(IniMaxLineBytes - 6, 'x');
    // One byte over the bound, with either line end.
    const std::string text =
        "[TMainFm]\r\nFile1=" + std::string(IniMaxLineBytes - 5, 'y') + "\r\n" + longest +
        "\r\nFile3=" + std::string(IniMaxLineBytes - 5, 'z') + "\nZoom=25000\r\n";
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{7}, std::size_t{4096}, IniMaxLineBytes, text.size()}) {
        SCOPED_TRACE(chunk);
        const TIniFile ini = ReadInChunks(text, chunk);
        EXPECT_EQ(ini.ReadString("TMainFm", "File1", "none"), "none");
        EXPECT_EQ(ini.ReadString("TMainFm", "File3", "none"), "none");
        EXPECT_EQ(ini.ReadString("TMainFm", "File2", "").size(), IniMaxLineBytes - 6);
        EXPECT_EQ(ini.ReadInteger("TMainFm", "Zoom", 10000), 25000);
        EXPECT_EQ(ini.ToText(), "[TMainFm]\r\n" + longest + "\r\nZoom=25000\r\n");
    }
    // A path longer than any the system opens is no path.
    const TIniFile paths("[S]\nA=" + std::string(IniMaxPathBytes, 'p') +
                         "\nB=" + std::string(IniMaxPathBytes + 1, 'p') + "\n");
    EXPECT_EQ(paths.ReadString("S", "A", "", IniMaxPathBytes).size(), IniMaxPathBytes);
    EXPECT_EQ(paths.ReadString("S", "B", "none", IniMaxPathBytes), "none");
    EXPECT_EQ(paths.ReadString("S", "B", "").size(), IniMaxPathBytes + 1);
}

// However the text is cut into chunks, the same settings are read: line ends
// split between chunks, marks at the start, a last line without its end.
TEST(IniFileTest, ReadingInChunksReadsTheSameSettings) {
    const std::string texts[] = {
        kSettings,
        "\xEF\xBB\xBF\xEF\xBB\xBF[A]\r\nKey=1\r\n\r\n[B]\r\nX=2\r",
        "\xEF\xBB\xBF",
        "\r\n\r\n[A]\nK=v",
    };
    for (const std::string& text : texts) {
        const std::string whole = TIniFile(text).ToText();
        for (std::size_t chunk = 1; chunk <= text.size(); ++chunk)
            EXPECT_EQ(ReadInChunks(text, chunk).ToText(), whole) << "chunks of " << chunk;
    }
    EXPECT_EQ(TIniFile("\xEF\xBB\xBF").ToText(), "");
}

TEST(IniFileTest, LinesAfterTheBoundAreDropped) {
    std::string text = "[S]\n";
    for (std::size_t i = 1; i <= IniMaxLines + 10; ++i)
        text += "K" + std::to_string(i) + "=1\n";
    const TIniFile ini(text);
    EXPECT_EQ(ini.ReadInteger("S", "K" + std::to_string(IniMaxLines - 1), 0), 1);
    EXPECT_EQ(ini.ReadInteger("S", "K" + std::to_string(IniMaxLines), 0), 0);
}

} // namespace
