// Tests of the about box: its texts from the version information, its
// controls at their places and the width rules applied to real text.
#include "about_box.h"
#include "version.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

template <typename T> T* Child(const QWidget& box, const char* name) {
    T* child = box.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(AboutBox, WithoutVersionInformationTheBoxFollowsTheEmptyName) {
    const TAboutBox box{TVersion(std::nullopt)};
    EXPECT_EQ(box.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(Child<QLabel>(box, "ProductNameLbl")->text(), QString());
    EXPECT_EQ(Child<QLabel>(box, "VersionLbl")->text(), QStringLiteral("Version "));
    EXPECT_EQ(Child<QLabel>(box, "CopyrightLbl")->text(), QString());
    EXPECT_EQ(Child<QFrame>(box, "Panel1")->geometry(), QRect(8, 8, 20, 137));
    EXPECT_EQ(box.size(), QSize(36, 185));
    EXPECT_EQ(Child<QPushButton>(box, "OKButton")->geometry(), QRect(-14, 151, 64, 33));
}

TEST(AboutBox, ShowsThisProgramsInformationCentredInThePanel) {
    const TAboutBox box{TVersion(BuiltVersionBlock())};
    const auto* name = Child<QLabel>(box, "ProductNameLbl");
    const auto* version = Child<QLabel>(box, "VersionLbl");
    const auto* copyright = Child<QLabel>(box, "CopyrightLbl");
    const auto* panel = Child<QFrame>(box, "Panel1");
    const auto* ok = Child<QPushButton>(box, "OKButton");
    EXPECT_EQ(name->text(), QStringLiteral("Zelvo"));
    EXPECT_EQ(version->text(), QStringLiteral("Version " ZELVO_PROJECT_VERSION));
    EXPECT_TRUE(copyright->text().startsWith(QStringLiteral("Copyright")));

    EXPECT_TRUE(name->font().bold() && name->font().italic());
    EXPECT_EQ(name->font().pixelSize(), 48);
    EXPECT_EQ(name->geometry(), QRect(8, 16, LabelWidthIn(name->font(), "Zelvo"), 54));
    EXPECT_EQ(panel->width(), name->width() + 20);
    EXPECT_EQ(box.width(), panel->width() + 16);
    EXPECT_EQ(box.height(), 185);
    EXPECT_EQ(version->y(), 87);
    EXPECT_EQ(copyright->y(), 110);
    EXPECT_LE(std::abs(2 * version->x() + version->width() - panel->width()), 1);
    EXPECT_LE(std::abs(2 * copyright->x() + copyright->width() - panel->width()), 1);
    EXPECT_LE(std::abs(2 * ok->x() + ok->width() - box.width()), 1);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST(AboutBox, AnItalicLetterThatOverhangsWidensItsLabel) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(48);
    font.setBold(true);
    font.setItalic(true);
    const QFontMetrics metrics(font);
    const int overhang = -metrics.rightBearing(u'f');
    if (overhang <= 0)
        GTEST_SKIP() << "this font's italic f does not overhang";
    EXPECT_EQ(LabelWidthIn(font, "Zelvof"), metrics.horizontalAdvance("Zelvof") + overhang);
    // Only the last letter counts.
    EXPECT_EQ(LabelWidthIn(font, "fZ"),
              metrics.horizontalAdvance("fZ") + std::max(0, -metrics.rightBearing(u'Z')));
    EXPECT_EQ(LabelWidthIn(font, ""), 0);
}

TEST(AboutBox, OkClosesTheBoxWithOkAndHasTheFocus) {
    TAboutBox box{TVersion(BuiltVersionBlock())};
    bool focused = false;
    QTimer::singleShot(0, &box, [&] {
        auto* ok = Child<QPushButton>(box, "OKButton");
        focused = box.focusWidget() == ok;
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_TRUE(focused);
}

} // namespace
