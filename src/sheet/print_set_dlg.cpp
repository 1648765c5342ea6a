// The print settings dialog: margins shown as "%2d" and read back leniently,
// the partner page option, and the printer setup behind "プリンタ設定".
#include "print_set_dlg.h"

#include "dialog_parts.h"
#include "format/number_field.h"
#include "printer.h"
#include "screen_centre.h"

#include "ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace {

QLineEdit* MarginField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    // Room for a few digits: margins are whole millimetres.
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    return field;
}

QPushButton* Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QString MarginText(int margin) {
    return QString::fromStdString(FixedText(margin, 0, 2));
}

int MarginOf(const QLineEdit* field) {
    return LenientInteger(field->text().trimmed().toStdString());
}

// The styles in the order of their codes (TLineStyle).
// Looked up when the dialog is made, after the translation is installed.
const std::array<const char*, LineStyleCount> LineStyleCaptions{
    QT_TRANSLATE_NOOP("TPrintSetDlg", "実線"), QT_TRANSLATE_NOOP("TPrintSetDlg", "破線"),
    QT_TRANSLATE_NOOP("TPrintSetDlg", "一点鎖線"),
    QT_TRANSLATE_NOOP("TPrintSetDlg", "外側に目印だけ"),
    QT_TRANSLATE_NOOP("TPrintSetDlg", "印刷しない")};

// The fold kinds in the order of TFoldKind, with their captions and names.
struct TFoldRow {
    TFoldKind Kind;
    const char* Caption;
    const char* Name;
};
constexpr std::array<TFoldRow, 3> FoldRows{{
    {TFoldKind::Set1, QT_TRANSLATE_NOOP("TPrintSetDlg", "折り線1"), "FoldLine1"},
    {TFoldKind::Set2, QT_TRANSLATE_NOOP("TPrintSetDlg", "折り線2"), "FoldLine2"},
    {TFoldKind::FlangeBase, QT_TRANSLATE_NOOP("TPrintSetDlg", "糊代の付け根"), "FlangeBase"},
}};

QDoubleSpinBox* MillimetreBox(const QString& name, double min, double max, double step,
                              int decimals) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

QSpinBox* TileCountBox(const char* name) {
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(1, MaxTileCount);
    return box;
}

} // namespace

TPrintSetDlg::TPrintSetDlg(IPrinter& printer, QWidget* parent) : QDialog(parent), Printer(printer) {
    SetFixedDialogFrame(*this, "PrintSetDlg", UiText("TPrintSetDlg", "印刷設定"));
    createControls();
    connect(Button1, &QPushButton::clicked, this, &TPrintSetDlg::Button1Click);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

// The margins from top to bottom of the group, the partner page option under
// it; the buttons beside them.
void TPrintSetDlg::createControls() {
    TYohakuEd = MarginField("TYohakuEd");
    LYohakuEd = MarginField("LYohakuEd");
    RYohakuEd = MarginField("RYohakuEd");
    BYohakuEd = MarginField("BYohakuEd");

    auto* group = new QGroupBox(UiText("TPrintSetDlg", "余白設定(mm)"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* fields = new QGridLayout(group);
    AddFieldRows(*fields, {{UiText("TPrintSetDlg", "上"), TYohakuEd},
                           {UiText("TPrintSetDlg", "左"), LYohakuEd},
                           {UiText("TPrintSetDlg", "右"), RYohakuEd},
                           {UiText("TPrintSetDlg", "下"), BYohakuEd}});

    Button1 = Button("Button1", UiText("TPrintSetDlg", "プリンタ設定"));
    OKBtn = Button("OKBtn", QStringLiteral("OK"));
    OKBtn->setDefault(true);
    Button2 = Button("Button2", UiText("TPrintSetDlg", "ｷｬﾝｾﾙ"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(Button2);

    PartnerPageChk = new QCheckBox(UiText("TPrintSetDlg", "相手ページを印字"));
    PartnerPageChk->setObjectName(QStringLiteral("PartnerPageChk"));
    auto* options = new QVBoxLayout;
    options->addWidget(group);
    options->addWidget(PartnerPageChk);
    options->addWidget(createFoldLineGroup());
    options->addWidget(createSheetGroup());

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// One row per fold kind: its caption, its style and its width.
QGroupBox* TPrintSetDlg::createFoldLineGroup() {
    auto* group = new QGroupBox(UiText("TPrintSetDlg", "折り線の種類と太さ"));
    group->setObjectName(QStringLiteral("FoldLineGroup"));
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < FoldRows.size(); ++i) {
        const QString name = QString::fromLatin1(FoldRows[i].Name);
        auto* style = new QComboBox;
        style->setObjectName(name + QStringLiteral("StyleCb"));
        for (const char* caption : LineStyleCaptions)
            style->addItem(UiText("TPrintSetDlg", caption));
        FoldStyleCbs[i] = style;
        FoldWidthEds[i] =
            MillimetreBox(name + QStringLiteral("WidthEd"), static_cast<double>(MinFoldWidth),
                          static_cast<double>(MaxFoldWidth), 0.005, 3);
        auto* label = new QLabel(UiText("TPrintSetDlg", FoldRows[i].Caption));
        label->setBuddy(style);
        const int row = static_cast<int>(i);
        grid->addWidget(label, row, 0);
        grid->addWidget(style, row, 1);
        grid->addWidget(FoldWidthEds[i], row, 2);
    }
    return group;
}

// A page larger than the paper, and the marks of print-and-cut machines.
QGroupBox* TPrintSetDlg::createSheetGroup() {
    auto* group = new QGroupBox(UiText("TPrintSetDlg", "用紙"));
    group->setObjectName(QStringLiteral("SheetGroup"));
    auto* grid = new QGridLayout(group);
    TileColumnsEd = TileCountBox("TileColumnsEd");
    TileRowsEd = TileCountBox("TileRowsEd");
    auto* tiles = new QLabel(UiText("TPrintSetDlg", "1 ページを 横"));
    tiles->setBuddy(TileColumnsEd);
    grid->addWidget(tiles, 0, 0);
    grid->addWidget(TileColumnsEd, 0, 1);
    grid->addWidget(new QLabel(UiText("TPrintSetDlg", "× 縦")), 0, 2);
    grid->addWidget(TileRowsEd, 0, 3);
    grid->addWidget(
        new QLabel(
            UiText("TPrintSetDlg", "枚の用紙に (重なり %1 mm)").arg(static_cast<int>(TileOverlap))),
        0, 4);
    RegistrationChk = new QCheckBox(UiText("TPrintSetDlg", "位置合わせマークを印刷、用紙の端から"));
    RegistrationChk->setObjectName(QStringLiteral("RegistrationChk"));
    RegistrationDistanceEd = MillimetreBox(QStringLiteral("RegistrationDistanceEd"), 0,
                                           static_cast<double>(MaxRegistrationDistance), 1, 1);
    grid->addWidget(RegistrationChk, 1, 0, 1, 4);
    grid->addWidget(RegistrationDistanceEd, 1, 4);
    return group;
}

void TPrintSetDlg::LoadMargins(const TPageMargins& margins) {
    TYohakuEd->setText(MarginText(margins.Top));
    BYohakuEd->setText(MarginText(margins.Bottom));
    RYohakuEd->setText(MarginText(margins.Right));
    LYohakuEd->setText(MarginText(margins.Left));
}

bool TPrintSetDlg::ShowModal() {
    TYohakuEd->setFocus();
    return exec() == QDialog::Accepted;
}

TPageMargins TPrintSetDlg::ReadMargins() const {
    return {MarginOf(TYohakuEd), MarginOf(BYohakuEd), MarginOf(LYohakuEd), MarginOf(RYohakuEd)};
}

void TPrintSetDlg::LoadPartnerPages(bool print) {
    PartnerPageChk->setChecked(print);
}

bool TPrintSetDlg::ReadPartnerPages() const {
    return PartnerPageChk->isChecked();
}

void TPrintSetDlg::LoadOptions(const TPrintOptions& options) {
    for (std::size_t i = 0; i < FoldRows.size(); ++i) {
        const TFoldLook& look = options.Folds.Of(FoldRows[i].Kind);
        FoldStyleCbs[i]->setCurrentIndex(static_cast<int>(look.Style));
        FoldWidthEds[i]->setValue(static_cast<double>(look.Width));
    }
    TileColumnsEd->setValue(options.Tiles.Columns);
    TileRowsEd->setValue(options.Tiles.Rows);
    RegistrationChk->setChecked(options.RegistrationMarks);
    RegistrationDistanceEd->setValue(static_cast<double>(options.RegistrationDistance));
}

TPrintOptions TPrintSetDlg::ReadOptions() const {
    TPrintOptions options;
    for (std::size_t i = 0; i < FoldRows.size(); ++i) {
        TFoldLook& look = options.Folds.Of(FoldRows[i].Kind);
        look.Style = LineStyleFromCode(FoldStyleCbs[i]->currentIndex(), look.Style);
        look.Width = FoldWidthEds[i]->value();
    }
    options.Tiles = {TileColumnsEd->value(), TileRowsEd->value()};
    options.RegistrationMarks = RegistrationChk->isChecked();
    options.RegistrationDistance = RegistrationDistanceEd->value();
    return options;
}

void TPrintSetDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void TPrintSetDlg::Button1Click() {
    Printer.Setup(this);
}
