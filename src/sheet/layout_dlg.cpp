// The layout dialog: the scope, the gap checked on OK, the turns and the
// mirror option with its word on the printed side.
#include "layout_dlg.h"

#include "dialog_parts.h"
#include "format/number_field.h"
#include "format/text_to_float.h"
#include "prompt.h"
#include "screen_centre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString GapRangeText =
    QStringLiteral("図形の間隔は %1 mm から %2 mm の間で入力してください。");

// In the order of TLayoutRotations.
const QStringList RotationCaptions = {QStringLiteral("回転しない"), QStringLiteral("180度ずつ"),
                                      QStringLiteral("90度ずつ"), QStringLiteral("15度ずつ")};

QRadioButton* Choice(const char* name, const QString& caption) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

TLayoutDlg::TLayoutDlg(IPrompt& prompt, QWidget* parent) : QDialog(parent), Prompt(prompt) {
    SetFixedDialogFrame(*this, "LayoutDlg", QStringLiteral("自動配置"));
    createControls();
    connect(OKBtn, &QPushButton::clicked, this, &TLayoutDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TLayoutDlg::createControls() {
    SelectionRb = Choice("SelectionRb", QStringLiteral("選択した図形(&S)"));
    CurrentPageRb = Choice("CurrentPageRb", QStringLiteral("現在のページ(&P)"));
    AllPagesRb = Choice("AllPagesRb", QStringLiteral("全てのページ(&A)"));
    auto* scope = new QGroupBox(QStringLiteral("配置する図形"));
    auto* choices = new QVBoxLayout(scope);
    for (QRadioButton* choice : {SelectionRb, CurrentPageRb, AllPagesRb})
        choices->addWidget(choice);

    GapEd = new QLineEdit;
    GapEd->setObjectName(QStringLiteral("GapEd"));
    GapEd->setFixedWidth(GapEd->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    RotationsCb = new QComboBox;
    RotationsCb->setObjectName(QStringLiteral("RotationsCb"));
    RotationsCb->addItems(RotationCaptions);
    auto* fields = new QGridLayout;
    AddFieldRows(*fields, {{QStringLiteral("図形の間隔(&G)"), GapEd}}, QStringLiteral("mm"));
    auto* turns = new QLabel(QStringLiteral("回転(&R)"));
    turns->setBuddy(RotationsCb);
    fields->addWidget(turns, 1, 0);
    fields->addWidget(RotationsCb, 1, 1, 1, 2);

    MirrorChk = new QCheckBox(QStringLiteral("裏返しを許す(&M)"));
    MirrorChk->setObjectName(QStringLiteral("MirrorChk"));
    auto* note =
        new QLabel(QStringLiteral("印刷した面は印刷した面のまま組み立てます。裏返した図形は\n"
                                  "左右が逆になるので、左右のある部品では外してください。"));
    note->setObjectName(QStringLiteral("MirrorNoteLbl"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scope);
    layout->addLayout(fields);
    layout->addWidget(MirrorChk);
    layout->addWidget(note);
    layout->addWidget(OkCancelButtons(OKBtn, CancelBtn));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TLayoutDlg::ChooseLayout(TLayoutSettings& settings, bool hasSelection) {
    SelectionRb->setEnabled(hasSelection);
    TLayoutScope scope = settings.Scope;
    if (scope == TLayoutScope::Selection && !hasSelection)
        scope = TLayoutScope::CurrentPage;
    (scope == TLayoutScope::Selection     ? SelectionRb
     : scope == TLayoutScope::CurrentPage ? CurrentPageRb
                                          : AllPagesRb)
        ->setChecked(true);
    FGap = settings.Gap;
    GapEd->setText(QString::fromStdString(DecimalText(settings.Gap, 3)));
    RotationsCb->setCurrentIndex(static_cast<int>(settings.Rotations));
    MirrorChk->setChecked(settings.AllowMirror);
    GapEd->setFocus();
    GapEd->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    settings.Scope = SelectionRb->isChecked()     ? TLayoutScope::Selection
                     : CurrentPageRb->isChecked() ? TLayoutScope::CurrentPage
                                                  : TLayoutScope::AllPages;
    settings.Gap = FGap;
    settings.Rotations = static_cast<TLayoutRotations>(RotationsCb->currentIndex());
    settings.AllowMirror = MirrorChk->isChecked();
    return true;
}

void TLayoutDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void TLayoutDlg::OKBtnClick() {
    long double gap = 0;
    if (!TryTextToFloat(GapEd->text().toStdString(), gap) || !(gap >= LayoutMinGap) ||
        !(gap <= LayoutMaxGap)) {
        Prompt.ShowError(ErrorTitle,
                         GapRangeText.arg(QString::fromStdString(DecimalText(LayoutMinGap, 0)),
                                          QString::fromStdString(DecimalText(LayoutMaxGap, 0))));
        GapEd->setFocus();
        GapEd->selectAll();
        return;
    }
    FGap = gap;
    accept();
}
