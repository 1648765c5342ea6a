// The message boxes, input box, file and font dialogs as a user meets them,
// in the Japanese user interface.
#include "japanese_ui.h"
#include "qt_prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <memory>
#include <ostream>

// Readable failure messages for Qt strings.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kFilter = "Zelvoデータファイル (*.zvt)|*.zvt|全てのファイル (*.*)|*.*";

class QtPromptTest : public testing::Test {
protected:
    static void SetUpTestSuite() { InstallJapaneseUi(*qApp); }

    // Runs act on the next modal dialog once it is shown. Any dialog still
    // open while that one is shown, or that one itself once act is done (an
    // unexpected question, a dialog that ignored its answer), fails the test
    // and is closed, so that a failing test cannot hang.
    void WhenDialogShows(std::function<void(QWidget*)> act) {
        auto* poll = new QTimer(&FGuards);
        auto remaining = std::make_shared<int>(200);
        QObject* guards = &FGuards;
        QObject::connect(poll, &QTimer::timeout, [poll, remaining, guards, act] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr && --*remaining > 0)
                return;
            poll->stop();
            if (dialog == nullptr) {
                ADD_FAILURE() << "no dialog was shown";
                return;
            }
            GuardAgainstStrayDialogs(guards, dialog);
            act(dialog);
        });
        poll->start(10);
    }

    static void GuardAgainstStrayDialogs(QObject* guards, QWidget* answered) {
        auto* guard = new QTimer(guards);
        QObject::connect(guard, &QTimer::timeout, [guard, watched = QPointer<QWidget>(answered)] {
            if (watched.isNull() || !watched->isVisible()) {
                guard->stop();
                return;
            }
            QWidget* open = QApplication::activeModalWidget();
            ADD_FAILURE() << (open == watched ? "the dialog stayed open" : "another dialog opened");
            if (auto* dialog = qobject_cast<QDialog*>(open))
                dialog->reject();
        });
        guard->start(500);
    }

    // Owns the pending checks of this test, so that none fires in a later one.
    QObject FGuards;

    static QStringList ButtonCaptions(QMessageBox* box) {
        QStringList captions;
        for (QAbstractButton* button : box->buttons())
            captions << button->text();
        captions.sort();
        return captions;
    }

    static QAbstractButton* ButtonCaptioned(QMessageBox* box, const QString& caption) {
        for (QAbstractButton* button : box->buttons())
            if (button->text() == caption)
                return button;
        ADD_FAILURE() << "no button " << caption.toStdString();
        return nullptr;
    }

    TQtPrompt Prompt;
};

TEST_F(QtPromptTest, SaveChangesQuestionHasTheProgramsButtonsAndDefaults) {
    QStringList captions;
    QString title;
    QString text;
    QString defaultCaption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenDialogShows([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        captions = ButtonCaptions(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(Prompt.AskYesNoCancel("情報", "図面が変更されています。保存しますか？"),
              TPromptAnswer::Cancel);
    EXPECT_EQ(captions, (QStringList{"いいえ(&N)", "はい(&Y)", "キャンセル"}));
    EXPECT_EQ(defaultCaption, "はい(&Y)");
    EXPECT_EQ(title, "情報");
    EXPECT_EQ(text, "図面が変更されています。保存しますか？");
    EXPECT_EQ(icon, QMessageBox::Information);

    WhenDialogShows([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    EXPECT_EQ(Prompt.AskYesNoCancel("情報", "?"), TPromptAnswer::Yes);

    WhenDialogShows([](QWidget* dialog) {
        ButtonCaptioned(qobject_cast<QMessageBox*>(dialog), "いいえ(&N)")->click();
    });
    EXPECT_EQ(Prompt.AskYesNoCancel("情報", "?"), TPromptAnswer::No);

    WhenDialogShows([](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(Prompt.AskYesNoCancel("情報", "?"), TPromptAnswer::Cancel);
}

TEST_F(QtPromptTest, OtherBoxesAnswerTheirEscapeButtonWhenClosed) {
    QStringList captions;
    WhenDialogShows([&](QWidget* dialog) {
        captions = ButtonCaptions(qobject_cast<QMessageBox*>(dialog));
        dialog->close();
    });
    EXPECT_EQ(Prompt.AskYesNo("情報", "?"), TPromptAnswer::No);
    EXPECT_EQ(captions, (QStringList{"いいえ(&N)", "はい(&Y)"}));

    WhenDialogShows([&](QWidget* dialog) {
        captions = ButtonCaptions(qobject_cast<QMessageBox*>(dialog));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Prompt.AskOkCancel("情報", "?"), TPromptAnswer::Cancel);
    EXPECT_EQ(captions, (QStringList{"OK", "キャンセル"}));

    WhenDialogShows([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    EXPECT_EQ(Prompt.AskOkCancel("情報", "?"), TPromptAnswer::Ok);

    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const auto closeMessage = [&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        captions = ButtonCaptions(box);
        icon = box->icon();
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    WhenDialogShows(closeMessage);
    Prompt.ShowError("エラー", "?");
    EXPECT_EQ(captions, QStringList{"OK"});
    EXPECT_EQ(icon, QMessageBox::Critical);

    WhenDialogShows(closeMessage);
    Prompt.ShowWarning("警告", "?");
    EXPECT_EQ(captions, QStringList{"OK"});
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(QtPromptTest, InputBoxChangesTheTextOnlyWhenConfirmed) {
    QString prompt;
    WhenDialogShows([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        prompt = input->labelText();
        EXPECT_EQ(input->textValue(), "100");
        EXPECT_EQ(input->findChild<QLineEdit*>()->maxLength(), 255);
        input->setTextValue("250");
        input->accept();
    });
    QString text = "100";
    EXPECT_TRUE(Prompt.InputText("ズーム", "倍率(%)", text));
    EXPECT_EQ(text, "250");
    EXPECT_EQ(prompt, "倍率(%)");

    WhenDialogShows([](QWidget* dialog) {
        qobject_cast<QInputDialog*>(dialog)->setTextValue("999");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(Prompt.InputText("ズーム", "倍率(%)", text));
    EXPECT_EQ(text, "250");
}

TEST_F(QtPromptTest, SaveDialogAddsTheExtensionAndNeverAsksAboutOverwriting) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile existing(folder.filePath("box.zvt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    QStringList filterCaptions;
    QString typedName;
    WhenDialogShows([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        auto* types = files->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        for (int i = 0; i < types->count(); ++i)
            filterCaptions << types->itemText(i);
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        typedName = name->text();
        name->setText("box");
        static_cast<QDialog*>(files)->accept();
    });
    EXPECT_EQ(Prompt.SaveFileName(kFilter, "zvt", folder.filePath("old.zvt")),
              folder.filePath("box.zvt"));
    EXPECT_EQ(filterCaptions, (QStringList{"Zelvoデータファイル (*.zvt)", "全てのファイル (*.*)"}));
    EXPECT_EQ(typedName, "old.zvt");

    WhenDialogShows([](QWidget* dialog) { qobject_cast<QFileDialog*>(dialog)->reject(); });
    EXPECT_EQ(Prompt.SaveFileName(kFilter, "zvt", QString()), QString());
}

// The save dialog's own question, which it would ask of the name as typed.
TEST_F(QtPromptTest, ReplaceQuestionIsTheSaveDialogsOwnInJapanese) {
    QString title;
    QString text;
    QStringList captions;
    QString defaultCaption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenDialogShows([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        captions = ButtonCaptions(box);
        icon = box->icon();
        defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(Prompt.AskReplaceFile("/home/u/紙 模型.zvt"));
    EXPECT_EQ(title, "名前を付けて保存");
    EXPECT_EQ(text, "紙 模型.zvt は既に存在します。\n置き換えますか?");
    EXPECT_EQ(captions, (QStringList{"いいえ(&N)", "はい(&Y)"}));
    EXPECT_EQ(defaultCaption, "いいえ(&N)");
    EXPECT_EQ(icon, QMessageBox::Warning);

    WhenDialogShows([](QWidget* dialog) {
        ButtonCaptioned(qobject_cast<QMessageBox*>(dialog), "はい(&Y)")->click();
    });
    EXPECT_TRUE(Prompt.AskReplaceFile("/home/u/box.zvt"));
    WhenDialogShows([](QWidget* dialog) { dialog->close(); });
    EXPECT_FALSE(Prompt.AskReplaceFile("/home/u/box.zvt"));
}

TEST_F(QtPromptTest, SaveDialogTypeChosenGivesItsExtensionToANameWithout) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString filter =
        "SVGファイル (*.svg)|*.svg|DXFファイル (*.dxf)|*.dxf|全てのファイル (*.*)|*.*";
    const auto saveAs = [&](int type, const QString& typed) {
        WhenDialogShows([type, typed](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            auto* types = files->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(types, nullptr);
            types->setCurrentIndex(type);
            emit types->activated(type);
            files->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
            static_cast<QDialog*>(files)->accept();
        });
        return Prompt.SaveFileName(filter, "svg", folder.filePath("box"));
    };
    EXPECT_EQ(saveAs(1, "box"), folder.filePath("box.dxf"));
    EXPECT_EQ(saveAs(0, "box"), folder.filePath("box.svg"));
    // A name with an extension keeps it; all files gives the caller's.
    EXPECT_EQ(saveAs(1, "box.svg"), folder.filePath("box.svg"));
    EXPECT_EQ(saveAs(2, "box"), folder.filePath("box.svg"));
}

TEST_F(QtPromptTest, AllFilesFilterShowsFilesWithoutExtension) {
    QStringList patterns;
    WhenDialogShows([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        auto* model = files->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        patterns << model->nameFilters().join(' ');
        files->selectNameFilter(files->nameFilters().value(1));
        patterns << model->nameFilters().join(' ');
        files->reject();
    });
    EXPECT_EQ(Prompt.OpenFileName(kFilter, "zvt"), QString());
    EXPECT_EQ(patterns, (QStringList{"*.zvt", "*"}));
}

TEST_F(QtPromptTest, FontDialogChangesTheFontOnlyWhenConfirmed) {
    QFont font(QStringLiteral("IPAMincho"));
    font.setPointSize(12);
    QFont shown;
    WhenDialogShows([&](QWidget* dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(dialog);
        ASSERT_NE(fonts, nullptr);
        shown = fonts->currentFont();
        QFont chosen(QStringLiteral("IPAGothic"));
        chosen.setPointSize(20);
        fonts->setCurrentFont(chosen);
        fonts->accept();
    });
    EXPECT_TRUE(Prompt.ChooseFont(font));
    EXPECT_EQ(shown.family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(shown.pointSize(), 12);
    EXPECT_EQ(font.family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(font.pointSize(), 20);

    WhenDialogShows([](QWidget* dialog) {
        QFont other(QStringLiteral("IPAMincho"));
        other.setPointSize(8);
        qobject_cast<QFontDialog*>(dialog)->setCurrentFont(other);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(Prompt.ChooseFont(font));
    EXPECT_EQ(font.pointSize(), 20);
}

TEST(DefaultExtensionTest, AddedOnlyToANameWithoutExtension) {
    EXPECT_EQ(WithDefaultExtension("/home/u/box", "zvt"), "/home/u/box.zvt");
    EXPECT_EQ(WithDefaultExtension("/home/u/box.txt", "zvt"), "/home/u/box.txt");
    EXPECT_EQ(WithDefaultExtension("/home/u.v/box", "zvt"), "/home/u.v/box.zvt");
    EXPECT_EQ(WithDefaultExtension("/home/u/box", ""), "/home/u/box");
}

TEST(JapaneseUiTest, StandardTextsFontsAndNumbersAreSetUp) {
    std::setlocale(LC_NUMERIC, "C.UTF-8");
    InstallJapaneseUi(*qApp);
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_TRUE(buttons.button(QDialogButtonBox::Cancel)->text().contains("キャンセル"))
        << buttons.button(QDialogButtonBox::Cancel)->text().toStdString();
    EXPECT_EQ(QFontInfo(QFont("ＭＳ 明朝")).family(), "IPAMincho");
    EXPECT_EQ(QFontInfo(QFont("ＭＳ ゴシック")).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(QFont("ＭＳ Ｐゴシック")).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "IPAPGothic");
    // Menus show the undo shortcut with the key's real name.
    EXPECT_EQ(QKeySequence(Qt::ALT | Qt::Key_Backspace).toString(QKeySequence::NativeText),
              "Alt+Backspace");
}

} // namespace
