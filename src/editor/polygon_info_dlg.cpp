// The shape information monitor's grid, its frames, its default widths and
// its settings.
#include "polygon_info_dlg.h"

#include "format/ini_file.h"
#include "format/int_setting.h"
#include "polygon_info_model.h"
#include "ui_text.h"
#include "window_accessible.h"
#include "window_placement.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::string_view Section = "TPolygonInfoDlg";
constexpr int DataColumns = TPolygonInfoModel::ColumnCount;
constexpr int DefaultColumnWidth = 35;
constexpr int DefaultRowHeight = 18;
// Where cell texts start, and room after them.
constexpr int TextInset = 2;
constexpr int TextRoom = 6;
// Beside the shape editor at its default bounds; the width grows to show
// every column whole.
constexpr TWindowPlacement DefaultPlacement{769, 107, 321, 241, wsNormal};
constexpr int MonitorGap = 6;
// Row numbers of up to four digits show whole at the default width.
const QString WidestRowNumber = QStringLiteral("9999");

// The colours of the editor's two selected-vertex slots.
const QColor Slot0Colour(255, 0, 255);
const QColor Slot1Colour(0, 255, 0);

// Data cells are white with black text at 2 pixels in from the top-left corner;
// the rows of the selected vertices carry a frame 1 pixel in from the cell's.
class TInfoCellDelegate : public QStyledItemDelegate {
public:
    TInfoCellDelegate(const TPolygonInfoDlg& monitor, QObject* parent)
        : QStyledItemDelegate(parent), FMonitor(monitor) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(cell, Qt::white);
        painter->setPen(Qt::black);
        painter->setFont(option.font);
        const QRect text = cell.adjusted(TextInset, TextInset, 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                          index.data().toString());
        const int apex = index.row();
        const QColor* frame = apex == FMonitor.SelApex0()   ? &Slot0Colour
                              : apex == FMonitor.SelApex1() ? &Slot1Colour
                                                            : nullptr;
        if (frame != nullptr) {
            painter->setPen(*frame);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(cell.adjusted(1, 1, -2, -2));
        }
        painter->restore();
    }

private:
    const TPolygonInfoDlg& FMonitor;
};

} // namespace

TPolygonInfoDlg::TPolygonInfoDlg(const TIniFile& settings, QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("TPolygonInfoDlg"));
    setWindowTitle(UiText("TPolygonInfoDlg", "図形情報"));
    ExposeAsWindow(*this);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(13);
    setFont(font);
    createGrid();
    ReadSettings(settings);
}

// Coordinates within the file's columns (-999.9 to 9999.9), angles up to 360
// degrees, slopes from -180, flanges up to 99 mm wide, joint marks of up to
// four digits, each with the decimals shown; digits as wide as the widest a
// font gives.
QStringList TPolygonInfoDlg::LongestColumnTexts(const TShownDecimals& decimals) {
    const auto number = [&decimals](long double value, int usual, int width = 0) {
        return QString::fromStdString(decimals.Text(value, usual, width));
    };
    return {number(-999.9L, 1, 6) + QLatin1Char('/') + number(-999.9L, 1, 6),
            number(9999.9L, 1, 6) + QLatin1Char('/') + number(9999.9L, 1, 6),
            number(359.99L, 2, 6),
            number(9999.9L, 1, 6),
            number(-179.99L, 2, 7),
            number(99, 0) + QLatin1Char(':') + number(90, 0) + QLatin1Char(':') + number(90, 0),
            QStringLiteral("9999")};
}

// The header row and the row-number column are the grid's own headers.
void TPolygonInfoDlg::createGrid() {
    FModel = new TPolygonInfoModel(this);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(FModel);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    StringGrid1->setItemDelegate(new TInfoCellDelegate(*this, StringGrid1));
    QHeaderView* columns = StringGrid1->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultSectionSize(DefaultColumnWidth);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Rows of one height let the view place any row without measuring the others.
    QHeaderView* rows = StringGrid1->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(DefaultRowHeight);
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    FitColumnsToTheirTexts();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGrid1);
}

// Columns of the grid's default width would cut every text short: until the
// user sets the widths, each column is as wide as its header or its longest
// text. More decimals widen a column that would cut them; none is narrowed.
void TPolygonInfoDlg::FitColumnsToTheirTexts() {
    const QStringList longest = LongestColumnTexts(FModel->Decimals());
    const QStringList texts[DataColumns] = {{longest[0], longest[1]},
                                            {longest[2]},
                                            {longest[3]},
                                            {longest[4]},
                                            {longest[5]},
                                            {longest[6]}};
    const QFontMetrics metrics(font());
    for (int column = 0; column < DataColumns; ++column) {
        int widest =
            metrics.horizontalAdvance(FModel->headerData(column, Qt::Horizontal).toString());
        for (const QString& text : texts[column])
            widest = std::max(widest, metrics.horizontalAdvance(text));
        const int width = std::max(DefaultColumnWidth, TextInset + widest + TextRoom);
        StringGrid1->setColumnWidth(column, std::max(StringGrid1->columnWidth(column), width));
    }
}

int TPolygonInfoDlg::DefaultWidth() const {
    QStyleOptionHeader header;
    header.initFrom(StringGrid1->verticalHeader());
    header.text = WidestRowNumber;
    const int rowNumbers = style()
                               ->sizeFromContents(QStyle::CT_HeaderSection, &header, QSize(),
                                                  StringGrid1->verticalHeader())
                               .width();
    int width = 2 * StringGrid1->frameWidth() + rowNumbers +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, StringGrid1);
    for (int column = 0; column < DataColumns; ++column)
        width += StringGrid1->columnWidth(column);
    return std::max(DefaultPlacement.Width, width);
}

void TPolygonInfoDlg::Update(const TPolygon& polygon, int selApex0, int selApex1) {
    FSelApex0 = selApex0;
    FSelApex1 = selApex1;
    FModel->SetPolygon(polygon);
    // The frames follow the selection even where the texts stay.
    StringGrid1->viewport()->update();
}

void TPolygonInfoDlg::SetDecimals(const TShownDecimals& decimals) {
    FModel->SetDecimals(decimals);
    FitColumnsToTheirTexts();
}

// Bounds and state first, then the column widths, each defaulting to what the
// window has now.
void TPolygonInfoDlg::ReadSettings(const TIniFile& settings) {
    TWindowPlacement defaults = DefaultPlacement;
    defaults.Width = DefaultWidth();
    // Beside the editor, whose default width follows its status line.
    if (const QWidget* editor = parentWidget(); editor != nullptr)
        defaults.Left = editor->x() + editor->width() + MonitorGap;
    ApplyWindowPlacement(*this, ReadWindowPlacement(settings, Section, defaults));
    for (int column = 0; column < DataColumns; ++column) {
        const std::string key = "ColWidth" + std::to_string(column + 1);
        const int width = ReadIntSetting(settings, Section, key, StringGrid1->columnWidth(column));
        if (width > 0)
            StringGrid1->setColumnWidth(column, width);
    }
}

void TPolygonInfoDlg::WriteSettings(TIniFile& settings) const {
    WriteWindowPlacement(settings, Section, WindowPlacementOf(*this));
    for (int column = 0; column < DataColumns; ++column)
        settings.WriteInteger(Section, "ColWidth" + std::to_string(column + 1),
                              StringGrid1->columnWidth(column));
}
