// The about box: its controls at their designed places, the texts from the
// version information and the widths that follow from them.
#include "about_box.h"

#include "about_layout.h"
#include "screen_centre.h"
#include "ui_text.h"
#include "version.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientHeight = 185;
constexpr int BoxFontPixels = 12;

constexpr int PanelLeft = 8;
constexpr int PanelTop = 8;
constexpr int PanelHeight = 137;

constexpr int ProductNameLeft = 8;
constexpr int ProductNameTop = 16;
constexpr int ProductNameHeight = 54;
constexpr int ProductNameFontPixels = 48;

constexpr int VersionTop = 87;
constexpr int CopyrightTop = 110;
constexpr int SmallLabelHeight = 12;

constexpr int OkTop = 151;
constexpr int OkWidth = 64;
constexpr int OkHeight = 33;

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QLabel* CentredLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

// A character outside the basic plane has no bearing to ask for; only the
// italic overhang of ordinary letters matters here.
int LabelWidthIn(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    if (text.isEmpty() || text.back().isSurrogate())
        return width;
    return LabelWidth(width, metrics.rightBearing(text.back()));
}

TAboutBox::TAboutBox(const TVersion& version, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(UiText("TAboutBox", "ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(PixelFont(QStringLiteral("ＭＳ Ｐゴシック"), BoxFontPixels));
    createControls();
    SetTexts(version);
    ApplyLayout();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::createControls() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    ProductNameLbl = CentredLabel("ProductNameLbl", Panel1);
    QFont nameFont = PixelFont(QStringLiteral("Times New Roman"), ProductNameFontPixels);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    ProductNameLbl->setFont(nameFont);
    VersionLbl = CentredLabel("VersionLbl", Panel1);
    CopyrightLbl = CentredLabel("CopyrightLbl", Panel1);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
}

void TAboutBox::SetTexts(const TVersion& version) {
    ProductNameLbl->setText(QString::fromStdString(version.ProductName()));
    VersionLbl->setText(QStringLiteral("Version ") + QString::fromStdString(version.FileVersion()));
    CopyrightLbl->setText(QString::fromStdString(version.LegalCopyright()));
}

void TAboutBox::ApplyLayout() {
    const auto widthOf = [](const QLabel* label) {
        return LabelWidthIn(label->font(), label->text());
    };
    const int nameWidth = widthOf(ProductNameLbl);
    const int versionWidth = widthOf(VersionLbl);
    const int copyrightWidth = widthOf(CopyrightLbl);
    const TAboutLayout layout = AboutLayout(nameWidth, versionWidth, copyrightWidth, OkWidth);

    setFixedSize(layout.ClientWidth, ClientHeight);
    Panel1->setGeometry(PanelLeft, PanelTop, layout.PanelWidth, PanelHeight);
    ProductNameLbl->setGeometry(ProductNameLeft, ProductNameTop, nameWidth, ProductNameHeight);
    VersionLbl->setGeometry(layout.VersionLeft, VersionTop, versionWidth, SmallLabelHeight);
    CopyrightLbl->setGeometry(layout.CopyrightLeft, CopyrightTop, copyrightWidth, SmallLabelHeight);
    OKButton->setGeometry(layout.OkLeft, OkTop, OkWidth, OkHeight);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    OKButton->setFocus();
}
