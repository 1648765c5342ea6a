// The settings file on disk: its location, loading and saving, the atomic
// writes beneath it and the Shift-JIS conversion of stored text.
#include "atomic_file.h"
#include "peak_memory.h"
#include "settings_file.h"
#include "shift_jis_codec.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <ostream>
#include <sys/resource.h>

// Readable failure messages for Qt strings.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

std::string FileBytes(const QString& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes)) << path.toStdString();
    return bytes;
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(SettingsFileTest, PathIsTheExecutablesWithIniExtension) {
    EXPECT_EQ(SettingsPathBeside("/opt/zelvo/zelvo"), "/opt/zelvo/zelvo.ini");
    EXPECT_EQ(SettingsPathBeside("/opt/zelvo/zelvo.exe"), "/opt/zelvo/zelvo.ini");
    EXPECT_EQ(SettingsPathBeside("/opt/zel.vo/zelvo.bin"), "/opt/zel.vo/zelvo.ini");
    EXPECT_EQ(DefaultSettingsPath(),
              QDir(QCoreApplication::applicationDirPath()).filePath("settings_file_test.ini"));
}

TEST(SettingsFileTest, UnwritableExecutableFolderFallsBackToConfigurationFolder) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString writable = temporary.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(writable));
    const QString config = temporary.filePath("config/zelvo");

    EXPECT_EQ(ChooseSettingsPath(writable + "/zelvo", config), writable + "/zelvo.ini");
    EXPECT_FALSE(QFileInfo::exists(config));

    // A folder that does not exist cannot be written, even by the superuser.
    EXPECT_EQ(ChooseSettingsPath(temporary.filePath("gone/zelvo"), config), config + "/zelvo.ini");
    EXPECT_TRUE(QFileInfo(config).isDir());
}

TEST(SettingsFileTest, SettingsRoundTripThroughTheFile) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString path = temporary.filePath("zelvo.ini");

    TIniFile missing = LoadSettings(path);
    EXPECT_EQ(missing.ToText(), "");
    EXPECT_EQ(missing.ReadInteger("TMainFm", "Zoom", 10000), 10000);

    ASSERT_TRUE(WriteFileAtomically(path, "[TMkPolygonFm]\r\nZoom=20000\r\n"));
    TIniFile settings = LoadSettings(path);
    settings.WriteInteger("TMainFm", "Zoom", 25000);
    settings.WriteString("Print", "FontName", "ＭＳ 明朝");
    ASSERT_TRUE(SaveSettings(path, settings));

    EXPECT_EQ(FileBytes(path),
              "[TMkPolygonFm]\r\nZoom=20000\r\n"
              "[TMainFm]\r\nZoom=25000\r\n"
              "[Print]\r\nFontName=\xEF\xBC\xAD\xEF\xBC\xB3 \xE6\x98\x8E\xE6\x9C\x9D\r\n");
    const TIniFile reread = LoadSettings(path);
    EXPECT_EQ(reread.ReadInteger("TMainFm", "Zoom", 10000), 25000);
    EXPECT_EQ(reread.ReadInteger("TMkPolygonFm", "Zoom", 10000), 20000);
    EXPECT_EQ(reread.ReadString("Print", "FontName", ""), "ＭＳ 明朝");
}

TEST(AtomicFileTest, ReplacesTheFileAndLeavesNothingElse) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString path = temporary.filePath("box.zvt");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_TRUE(WriteFileAtomically(path, std::string("new\0bytes", 9)));
    EXPECT_EQ(FileBytes(path), std::string("new\0bytes", 9));
    EXPECT_EQ(FolderEntries(temporary.path()), QStringList{"box.zvt"});
}

// A save killed after its content was named but before the rename leaves
// that content under a fixed name; the next save of the file takes it over.
TEST(AtomicFileTest, TheNextSaveTakesOverWhatAnInterruptedOneLeft) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString path = temporary.filePath("模型 箱.zvt");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    {
        QFile left(temporary.filePath(".模型 箱.zvt.saving"));
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        left.write("half");
    }
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(FileBytes(path), "new");
    EXPECT_EQ(FolderEntries(temporary.path()), QStringList{"模型 箱.zvt"});
}

// What the user set on the file and where it lies survive the replacement.
TEST(AtomicFileTest, KeepsThePermissionsAndALinkToTheFile) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString real = temporary.filePath("models/box.zvt");
    ASSERT_TRUE(QDir().mkpath(temporary.filePath("models")));
    ASSERT_TRUE(WriteFileAtomically(real, "old"));
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(real, ownerOnly));
    const QString link = temporary.filePath("box.zvt");
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(FileBytes(real), "new");
    const QFileDevice::Permissions groupAndOthers(0x00FF);
    EXPECT_EQ(QFile::permissions(real) & groupAndOthers, 0) << "the file is readable by others";
    EXPECT_EQ(QFile::permissions(real) & ownerOnly, ownerOnly);
    EXPECT_EQ(FolderEntries(temporary.filePath("models")), QStringList{"box.zvt"});
}

TEST(AtomicFileTest, UnwritableTargetsFailWithoutDamage) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString folder = temporary.filePath("box.zvt");
    ASSERT_TRUE(QDir().mkpath(folder + "/inner"));

    EXPECT_FALSE(WriteFileAtomically(folder, "text"));
    EXPECT_TRUE(QFileInfo(folder + "/inner").isDir());
    EXPECT_EQ(FolderEntries(temporary.path()), QStringList{"box.zvt"});

    EXPECT_FALSE(WriteFileAtomically(temporary.filePath("gone/box.zvt"), "text"));
    EXPECT_FALSE(QFileInfo::exists(temporary.filePath("gone")));

    std::string bytes = "kept";
    EXPECT_FALSE(ReadFileBytes(folder, bytes));
    EXPECT_FALSE(ReadFileBytes(temporary.filePath("missing.zvt"), bytes));
    EXPECT_EQ(bytes, "kept");
}

void WriteRepeated(const QString& path, const QByteArray& piece, int times) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < times; ++i)
        ASSERT_EQ(file.write(piece), piece.size());
}

// A file-size limit holds for the superuser too, so it makes the write of the
// new content fail after the temporary file was created.
TEST(AtomicFileTest, WriteFailingHalfwayKeepsTheOldFile) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString path = temporary.filePath("zelvo.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "[TMainFm]\r\nZoom=25000\r\n"));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(path, std::string(1024 * 1024, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(FileBytes(path), "[TMainFm]\r\nZoom=25000\r\n");
    EXPECT_EQ(FolderEntries(temporary.path()), QStringList{"zelvo.ini"});
}

// A recent-file entry of 100 million characters is passed over as the file
// is read, never held whole, and the keys around it are read as usual.
TEST(SettingsFileTest, AHugeValueIsDroppedWithoutBeingHeld) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString path = temporary.filePath("zelvo.ini");
    constexpr int Millions = 100;
    WriteRepeated(path, "[TMainFm]\r\nZoom=25000\r\nFile1=", 1);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        const QByteArray million(1000 * 1000, 'a');
        for (int i = 0; i < Millions; ++i)
            ASSERT_EQ(file.write(million), million.size());
        file.write("\r\nFile2=/home/user/\xE7\xAE\xB1.zvt\r\n");
    }
    const TPeakMemory peak;
    const long before = peak.Kilobytes();
    QElapsedTimer clock;
    clock.start();
    const TIniFile settings = LoadSettings(path);
    const qint64 elapsed = clock.elapsed();
    if (before >= 0) {
        EXPECT_LT(peak.Kilobytes() - before, 10 * 1024) << "the value was held whole";
    }
    EXPECT_EQ(settings.ReadString("TMainFm", "File1", "none"), "none");
    EXPECT_EQ(settings.ReadString("TMainFm", "File2", ""), "/home/user/箱.zvt");
    EXPECT_EQ(settings.ReadInteger("TMainFm", "Zoom", 10000), 25000);
    std::printf("a settings file holding a value of %d million characters: read in %lld ms\n",
                Millions, static_cast<long long>(elapsed));
}

TEST(ShiftJisCodecTest, JapaneseTextRoundTrips) {
    // Trail byte 0x5C of 表 and ソ is the backslash of ASCII.
    EXPECT_EQ(UnicodeToShiftJis("表"), "\x95\x5C");
    EXPECT_EQ(UnicodeToShiftJis("ソ"), "\x83\x5C");
    EXPECT_EQ(UnicodeToShiftJis("ＭＳ 明朝"), "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9");
    for (const QString text : {"表", "ソ", "ＭＳ 明朝", "C:\\箱~ｱ.zvt", "①～－", ""})
        EXPECT_EQ(ShiftJisToUnicode(UnicodeToShiftJis(text)), text) << text.toStdString();
}

TEST(ShiftJisCodecTest, AsciiIsKeptByteForByte) {
    std::string bytes;
    QString text;
    for (int code = 0; code < 0x80; ++code) {
        bytes += static_cast<char>(code);
        text += QChar(code);
    }
    EXPECT_EQ(ShiftJisToUnicode(bytes), text);
    EXPECT_EQ(UnicodeToShiftJis(text), bytes);
    EXPECT_EQ(ShiftJisToUnicode("\x1A\x95\x5C\x7F"), "\x1A表\x7F");
}

TEST(ShiftJisCodecTest, UnencodableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(UnicodeToShiftJis("a€b"), "a?b");
    EXPECT_EQ(UnicodeToShiftJis(QString::fromUtf8("表\xF0\x9F\x98\x80ソ")), "\x95\x5C?\x83\x5C");
    EXPECT_EQ(UnicodeToShiftJis(QString(QChar(0xD800)) + "x"), "?x");

    // What would turn into "?" is what a name may not hold.
    EXPECT_TRUE(IsShiftJisEncodable(QStringLiteral("糊代Aｱ表")));
    EXPECT_TRUE(IsShiftJisEncodable(QString()));
    EXPECT_FALSE(IsShiftJisEncodable(QString::fromUtf8("A\xF0\x9F\x98\x80")));
    EXPECT_FALSE(IsShiftJisEncodable(QStringLiteral("a€b")));
    EXPECT_FALSE(IsShiftJisEncodable(QString(QChar(0xD800))));
}

TEST(ShiftJisCodecTest, InvalidBytesEachBecomeOneReplacementCharacter) {
    const QString replacement(QChar(0xFFFD));
    EXPECT_EQ(ShiftJisToUnicode("A\x80Z"), "A" + replacement + "Z");
    EXPECT_EQ(ShiftJisToUnicode("\x95\x5C\x95"), "表" + replacement);
    EXPECT_EQ(ShiftJisToUnicode("\x81 X"), replacement + " X");
    EXPECT_EQ(ShiftJisToUnicode("\xFF\x83\x5C"), replacement + "ソ");
}

} // namespace
