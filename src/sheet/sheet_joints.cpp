// The joint commands of the sheet: which side a click takes, the questions
// asked before two sides are joined, the document's join, unjoin and tab
// moves, what the status line says, and the sides drawn over the page while
// a command waits for a click.
#include "sheet_joints.h"

#include "document/sheet_document.h"
#include "editing/flange_entry.h"
#include "editing/shape_editor_model.h"
#include "geometry/plane_geometry.h"
#include "geometry/side_pick.h"
#include "page_view.h"
#include "paint_surface.h"
#include "prompt.h"
#include "shape_editor.h"
#include "shift_jis_codec.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString LeaveNote = QStringLiteral("（Esc・右クリックで終了）");
const QString CancelNote = QStringLiteral("（Esc・右クリックで中止）");
const QString JoinFirstText = QStringLiteral("辺の接合: 接合する辺をクリックしてください。");
const QString JoinSecondText = QStringLiteral(
    "辺の接合: 相手の辺をクリックしてください。別のページの辺はタブでページを替えてから。");
const QString JoinedText =
    QStringLiteral("辺の接合: 「%1」で接合しました。続けて次の辺をクリックしてください。");
const QString AlreadyPairText = QStringLiteral(
    "辺の接合: この2辺は既に「%1」で接合されています。次の辺をクリックしてください。");
const QString UnjoinText = QStringLiteral("接合の解除: 接合された辺をクリックしてください。");
const QString MoveTabText = QStringLiteral("糊代の移動: 接合された辺をクリックしてください。");
const QString NotJoinedText = QStringLiteral("この辺は接合されていません。");
const QString NotAPairText =
    QStringLiteral("「%1」は2辺の接合ではないため、糊代を移動できません。");
const QString NoTabText = QStringLiteral("「%1」のどちらの辺にも糊代がありません。");
const QString UnjoinedText = QStringLiteral("「%1」の接合を解除しました。");
const QString MovedText = QStringLiteral("「%1」の糊代を相手側へ移動しました。");
const QString LengthsDifferText =
    QStringLiteral("2つの辺の長さが違います。\n1つ目の辺: %1 mm\n2つ目の辺: %2 mm\n接合しますか？");
const QString RejoinText =
    QStringLiteral("選んだ辺は既に接合されています（%1）。その接合を解除して接合し直しますか？");

// Wide enough to stand out from the page's 1-pixel lines.
constexpr int SideLineWidth = 3;
const QColor JoinedColour(0, 170, 0);
const QColor FirstColour(255, 0, 255);
const QColor HoverColour(255, 140, 0);

QString MarkText(const std::string& mark) {
    return QStringLiteral("「%1」").arg(ShiftJisToUnicode(mark));
}

// QString::asprintf formats in the C locale: the decimal mark is always ".".
QString LengthText(long double length) {
    return QString::asprintf("%.3f", static_cast<double>(length));
}

bool IsTab(const TFlange& flange) {
    return flange.Width > 0 && FirstInvalidFlangeField(flange.Width, flange.Angle1,
                                                       flange.Angle2) == TFlangeField::None;
}

// A pixel coordinate brought into the range of a widget coordinate.
QPoint ToWidgetPoint(const TPixelPoint& pixel) {
    constexpr std::int64_t limit = std::numeric_limits<int>::max() / 2;
    return {static_cast<int>(std::clamp(pixel.X, -limit, limit)),
            static_cast<int>(std::clamp(pixel.Y, -limit, limit))};
}

TSegmentF EndsOf(const TZvDat& drawing, const TSideRef& side) {
    const TDaPointF& apexes = drawing[side.Page][side.Shape].Apexes;
    return {apexes[side.Side], apexes[(side.Side + 1) % apexes.size()]};
}

bool HasSideMark(const TZvDat& drawing) {
    for (const TPolygonTbl& page : drawing)
        for (const TPolygon& shape : page)
            for (const TFlange& flange : shape.Flanges)
                if (!flange.Name.empty())
                    return true;
    return false;
}

bool HasShape(const TZvDat& drawing) {
    return std::any_of(drawing.begin(), drawing.end(),
                       [](const TPolygonTbl& page) { return !page.empty(); });
}

} // namespace

TSheetJoints::TSheetJoints(TSheetDocument& document, TPageView& view, IPrompt& prompt,
                           QWidget& window, const IShapeEditor* editor)
    : Document(document), View(view), Prompt(prompt), Editor(editor) {
    LeaveKey = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    LeaveKey->setContext(Qt::WindowShortcut);
    LeaveKey->setEnabled(false);
    connect(LeaveKey, &QShortcut::activated, this, &TSheetJoints::Leave);
    // Drawn after the page, over it.
    connect(View.Surface(), &TPaintSurface::Paint, this, &TSheetJoints::PaintSides);
    createSideMenu(window);
}

void TSheetJoints::createSideMenu(QWidget& window) {
    FSideMenu = new QMenu(&window);
    FSideMenu->setObjectName(QStringLiteral("SideMenu"));
    JoinFromSideMi = FSideMenu->addAction(QStringLiteral("辺の接合(&J)"));
    JoinFromSideMi->setObjectName(QStringLiteral("JoinFromSideMi"));
    UnjoinSideMi = FSideMenu->addAction(QStringLiteral("接合の解除"));
    UnjoinSideMi->setObjectName(QStringLiteral("UnjoinSideMi"));
    MoveTabSideMi = FSideMenu->addAction(QStringLiteral("糊代を相手側へ移動"));
    MoveTabSideMi->setObjectName(QStringLiteral("MoveTabSideMi"));
    // The side clicked is the join's first side: its partner comes next.
    connect(JoinFromSideMi, &QAction::triggered, this, [this] {
        StartJoin();
        if (IsSideOf(Document.Drawing(), FMenuSide))
            ChooseForJoin(FMenuSide);
    });
    connect(UnjoinSideMi, &QAction::triggered, this, [this] { Unjoin(FMenuSide); });
    connect(MoveTabSideMi, &QAction::triggered, this, [this] { MoveTab(FMenuSide); });
    // The side the menu is for stands out while it is open.
    connect(FSideMenu, &QMenu::aboutToHide, this, [this] {
        const std::optional<TSideRef> side = FMenuShown;
        FMenuShown.reset();
        RepaintSide(side);
    });
}

bool TSheetJoints::CanStart(TJointCommand command) const {
    switch (command) {
    case TJointCommand::Join:
        return HasShape(Document.Drawing());
    case TJointCommand::Unjoin:
    case TJointCommand::MoveTab:
        return HasSideMark(Document.Drawing());
    case TJointCommand::None:
        break;
    }
    return false;
}

void TSheetJoints::StartJoin() {
    Start(TJointCommand::Join, JoinFirstText + LeaveNote);
}

void TSheetJoints::StartUnjoin() {
    Start(TJointCommand::Unjoin, UnjoinText + CancelNote);
}

void TSheetJoints::StartMoveTab() {
    Start(TJointCommand::MoveTab, MoveTabText + CancelNote);
}

void TSheetJoints::Start(TJointCommand command, const QString& hint) {
    FCommand = command;
    FFirst.reset();
    LeaveKey->setEnabled(true);
    SetHint(hint);
    emit CommandChanged(command);
    View.Repaint();
}

void TSheetJoints::Leave() {
    if (!TakesMouse())
        return;
    FCommand = TJointCommand::None;
    FFirst.reset();
    FHover.reset();
    LeaveKey->setEnabled(false);
    SetHint(QString());
    emit CommandChanged(FCommand);
    View.Repaint();
}

void TSheetJoints::SetHint(const QString& hint) {
    FHint = hint;
    emit HintChanged();
}

// The page's scale, without the grid and alignment a drag would apply: the
// side is taken where the pointer is.
std::optional<TSideRef> TSheetJoints::SideAt(const QMouseEvent& event) const {
    const long double scale = View.Scale().ScreenScale();
    const TPixelPoint pixel{static_cast<std::int64_t>(std::floor(event.position().x())),
                            static_cast<std::int64_t>(std::floor(event.position().y()))};
    const TPointF point = DeviceToModel(pixel, scale, scale);
    const int page = Document.CurPage();
    TPickedSide picked;
    if (!PickSide(Document.Drawing()[page], point, View.Scale().LinePickDist(), picked))
        return std::nullopt;
    return TSideRef{page, picked.Shape, picked.Side};
}

bool TSheetJoints::MouseDown(const QMouseEvent& event) {
    if (TakesMouse()) {
        if (event.button() == Qt::RightButton) {
            Leave();
        } else if (event.button() == Qt::LeftButton) {
            if (const std::optional<TSideRef> side = SideAt(event))
                ClickSide(*side);
        }
        return true;
    }
    // What the last command did is said until the user goes on.
    if (!FHint.isEmpty())
        SetHint(QString());
    if (event.button() != Qt::RightButton)
        return false;
    const std::optional<TSideRef> side = SideAt(event);
    if (!side)
        return false;
    OpenSideMenu(*side, event);
    return true;
}

void TSheetJoints::MouseMove(const QMouseEvent& event) {
    if (!TakesMouse())
        return;
    const std::optional<TSideRef> side = SideAt(event);
    if (side == FHover)
        return;
    const std::optional<TSideRef> before = FHover;
    FHover = side;
    RepaintSide(before);
    RepaintSide(FHover);
}

// Unjoining needs a mark; moving a tab a pair of sides with a tab between them.
void TSheetJoints::OpenSideMenu(const TSideRef& side, const QMouseEvent& event) {
    FMenuSide = side;
    const TZvDat& drawing = Document.Drawing();
    UnjoinSideMi->setEnabled(!FlangeOf(drawing, side).Name.empty());
    TSideRef partner;
    MoveTabSideMi->setEnabled(
        FindJointPartner(drawing, side, partner) &&
        (FlangeOf(drawing, side).Width != 0 || FlangeOf(drawing, partner).Width != 0));
    FMenuShown = side;
    RepaintSide(side);
    FSideMenu->popup(event.globalPosition().toPoint());
}

void TSheetJoints::ClickSide(const TSideRef& side) {
    switch (FCommand) {
    case TJointCommand::Join:
        ChooseForJoin(side);
        break;
    case TJointCommand::Unjoin:
        Unjoin(side);
        break;
    case TJointCommand::MoveTab:
        MoveTab(side);
        break;
    case TJointCommand::None:
        break;
    }
}

// The first click chooses a side and the second its partner; the first side
// clicked again is given up. An undo or an edit between the clicks may have
// taken the first side away: the click then chooses anew.
void TSheetJoints::ChooseForJoin(const TSideRef& side) {
    if (FFirst && !FirstStillThere())
        FFirst.reset();
    if (FFirst == side) {
        FFirst.reset();
        RepaintSide(side);
        SetHint(JoinFirstText + LeaveNote);
        return;
    }
    if (!FFirst) {
        FFirst = side;
        FFirstEnds = EndsOf(Document.Drawing(), side);
        RepaintSide(side);
        SetHint(JoinSecondText + LeaveNote);
        return;
    }
    const TSideRef first = *FFirst;
    if (!ConfirmJoin(first, side))
        return;
    Join(first, side);
}

// Sides of different lengths, and sides that belong to other joints, are
// joined only when the user says so; a No keeps the first side chosen, so
// that another partner can be clicked.
bool TSheetJoints::ConfirmJoin(const TSideRef& first, const TSideRef& second) {
    const TZvDat& drawing = Document.Drawing();
    const std::string& firstMark = FlangeOf(drawing, first).Name;
    const std::string& secondMark = FlangeOf(drawing, second).Name;
    TSideRef partner;
    if (!firstMark.empty() && FindJointPartner(drawing, first, partner) && partner == second) {
        FFirst.reset();
        View.Repaint();
        SetHint(AlreadyPairText.arg(ShiftJisToUnicode(firstMark)) + LeaveNote);
        return false;
    }
    TJoinLengths lengths;
    if (!JoinLengthsOf(drawing, first, second, lengths))
        return false;
    if (lengths.Differ &&
        Prompt.AskYesNo(InfoTitle, LengthsDifferText.arg(LengthText(lengths.First),
                                                         LengthText(lengths.Second))) !=
            TPromptAnswer::Yes)
        return false;
    if (firstMark.empty() && secondMark.empty())
        return true;
    QString marks = MarkText(firstMark.empty() ? secondMark : firstMark);
    if (!firstMark.empty() && !secondMark.empty() && firstMark != secondMark)
        marks += QStringLiteral("、") + MarkText(secondMark);
    return Prompt.AskYesNo(InfoTitle, RejoinText.arg(marks)) == TPromptAnswer::Yes;
}

// Whatever the sides were joined with before is unjoined first, so that no
// side is left alone with an old mark; the whole is one step of the history.
void TSheetJoints::Join(const TSideRef& first, const TSideRef& second) {
    const TFlange tab = TabFor(first);
    for (const TSideRef& side : {first, second})
        Document.UnjoinSide(side);
    if (!Document.JoinSides(first, second, tab))
        return;
    FFirst.reset();
    View.Repaint();
    SetHint(JoinedText.arg(ShiftJisToUnicode(FlangeOf(Document.Drawing(), first).Name)) +
            LeaveNote);
}

// A side that has a flange keeps it; another gets the flange the editor
// offers for a side without one.
TFlange TSheetJoints::TabFor(const TSideRef& side) const {
    const TFlange& own = FlangeOf(Document.Drawing(), side);
    if (IsTab(own))
        return own;
    if (Editor != nullptr && IsTab(Editor->DefaultFlange()))
        return Editor->DefaultFlange();
    return MakeFlange("", DefaultFlangeWidth, DefaultFlangeAngle, DefaultFlangeAngle);
}

bool TSheetJoints::FirstStillThere() const {
    if (!FFirst || !IsSideOf(Document.Drawing(), *FFirst))
        return false;
    const TSegmentF ends = EndsOf(Document.Drawing(), *FFirst);
    return ends.P1 == FFirstEnds.P1 && ends.P2 == FFirstEnds.P2;
}

// Done, the command ends and the status line says what it did; a side it
// cannot act on keeps it waiting.
void TSheetJoints::Unjoin(const TSideRef& side) {
    if (!IsSideOf(Document.Drawing(), side))
        return;
    const std::string mark = FlangeOf(Document.Drawing(), side).Name;
    if (!Document.UnjoinSide(side)) {
        SetHint(NotJoinedText + UnjoinText + CancelNote);
        return;
    }
    Leave();
    SetHint(UnjoinedText.arg(ShiftJisToUnicode(mark)));
}

void TSheetJoints::MoveTab(const TSideRef& side) {
    if (!IsSideOf(Document.Drawing(), side))
        return;
    const std::string mark = FlangeOf(Document.Drawing(), side).Name;
    if (Document.MoveJointTab(side)) {
        Leave();
        View.Repaint();
        SetHint(MovedText.arg(ShiftJisToUnicode(mark)));
        return;
    }
    TSideRef partner;
    const QString why = mark.empty() ? NotJoinedText
                        : !FindJointPartner(Document.Drawing(), side, partner)
                            ? NotAPairText.arg(ShiftJisToUnicode(mark))
                            : NoTabText.arg(ShiftJisToUnicode(mark));
    if (TakesMouse())
        SetHint(why + MoveTabText + CancelNote);
    else
        SetHint(why);
}

void TSheetJoints::PaintSides(QPainter& painter) {
    if (!TakesMouse() && !FMenuShown)
        return;
    const TZvDat& drawing = Document.Drawing();
    const int page = Document.CurPage();
    const long double scale = View.Scale().ScreenScale();
    const auto line = [&](const TSideRef& side, const QColor& colour) {
        if (side.Page != page || !IsSideOf(drawing, side))
            return;
        const TSegmentF ends = EndsOf(drawing, side);
        painter.setPen(QPen(colour, SideLineWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(ToWidgetPoint(ModelToDevice(ends.P1, scale, scale)),
                         ToWidgetPoint(ModelToDevice(ends.P2, scale, scale)));
    };
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (TakesMouse()) {
        const TPolygonTbl& shapes = drawing[page];
        for (std::size_t shape = 0; shape < shapes.size(); ++shape)
            for (std::size_t k = 0; k < shapes[shape].Flanges.size(); ++k)
                if (!shapes[shape].Flanges[k].Name.empty())
                    line({page, static_cast<int>(shape), static_cast<int>(k)}, JoinedColour);
    }
    if (FFirst)
        line(*FFirst, FirstColour);
    for (const std::optional<TSideRef>& side : {FHover, FMenuShown})
        if (side)
            line(*side, HoverColour);
    painter.restore();
}

QRect TSheetJoints::SideArea(const TSideRef& side) const {
    const long double scale = View.Scale().ScreenScale();
    const TSegmentF ends = EndsOf(Document.Drawing(), side);
    const QRect area(ToWidgetPoint(ModelToDevice(ends.P1, scale, scale)),
                     ToWidgetPoint(ModelToDevice(ends.P2, scale, scale)));
    return area.normalized().adjusted(-SideLineWidth, -SideLineWidth, SideLineWidth, SideLineWidth);
}

void TSheetJoints::RepaintSide(const std::optional<TSideRef>& side) {
    if (side && side->Page == Document.CurPage() && IsSideOf(Document.Drawing(), *side))
        View.RepaintArea(SideArea(*side));
}
