// The sheet's page tabs, drawn by the style as tabs on the right-hand side and
// laid out in columns: as many tabs to a column as the height holds, as many
// columns as the tabs need.
#include "page_tabs.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

TPageTabs::TPageTabs(QWidget* parent) : QWidget(parent) {
    // The height is whatever the window gives; the width follows from it.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    setMouseTracking(true);
    // As a tab bar: Tab reaches it, a click changes the page but leaves the
    // focus where it was.
    setFocusPolicy(Qt::TabFocus);
    UpdateCellSize(true);
    createShortcuts();
}

// No menu command uses Ctrl+PageUp or Ctrl+PageDown, and the page view's
// scroll box takes PageUp and PageDown without Ctrl.
void TPageTabs::createShortcuts() {
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    previous->setContext(Qt::WindowShortcut);
    connect(previous, &QShortcut::activated, this, [this] { StepCurrent(-1); });
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    next->setContext(Qt::WindowShortcut);
    connect(next, &QShortcut::activated, this, [this] { StepCurrent(1); });
}

void TPageTabs::StepCurrent(int step) {
    setCurrentIndex(FCurrent + step);
}

// To the same row of the next column, or the last tab of a shorter one.
void TPageTabs::StepColumn(int step) {
    const int perColumn = TabsPerColumn();
    const int column = FCurrent / perColumn + step;
    if (FCurrent >= 0 && column >= 0 && column < ColumnCount())
        setCurrentIndex(std::min(FCurrent + step * perColumn, count() - 1));
}

QString TPageTabs::tabText(int index) const {
    return index >= 0 && index < count() ? FCaptions[index] : QString();
}

void TPageTabs::addTab(const QString& caption) {
    FCaptions.append(caption);
    FWidestAdvance = std::max(FWidestAdvance, fontMetrics().horizontalAdvance(caption));
    Relayout();
    if (FCurrent < 0)
        setCurrentIndex(0);
}

void TPageTabs::SetNumberedTabs(int count) {
    count = std::max(0, count);
    if (count == this->count())
        return;
    const bool removing = count < this->count();
    if (removing) {
        FCaptions.erase(FCaptions.begin() + count, FCaptions.end());
        FHovered = -1;
    }
    const QFontMetrics metrics = fontMetrics();
    for (int index = this->count(); index < count; ++index) {
        FCaptions.append(QString::number(index + 1));
        FWidestAdvance = std::max(FWidestAdvance, metrics.horizontalAdvance(FCaptions.back()));
    }
    Relayout(removing);
    if (FCurrent < count && FCurrent >= 0)
        return;
    FCurrent = count == 0 ? -1 : (FCurrent < 0 ? 0 : count - 1);
    EnsureCurrentVisible();
    AnnounceCurrent();
    emit currentChanged(FCurrent);
}

// As a tab bar does: removing the current tab selects the one that takes its
// place, or the new last one.
void TPageTabs::removeTab(int index) {
    if (index < 0 || index >= count())
        return;
    FCaptions.removeAt(index);
    FHovered = -1;
    Relayout(true);
    if (count() == 0) {
        FCurrent = -1;
        emit currentChanged(-1);
    } else if (index < FCurrent) {
        --FCurrent;
    } else if (index == FCurrent) {
        FCurrent = std::min(index, count() - 1);
        EnsureCurrentVisible();
        AnnounceCurrent();
        emit currentChanged(FCurrent);
    }
}

void TPageTabs::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == FCurrent)
        return;
    UpdateTab(FCurrent);
    FCurrent = index;
    EnsureCurrentVisible();
    UpdateTab(FCurrent);
    AnnounceCurrent();
    emit currentChanged(index);
}

void TPageTabs::AnnounceCurrent() {
    if (!QAccessible::isActive() || FCurrent < 0)
        return;
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(FCurrent);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(FCurrent);
        QAccessible::updateAccessibility(&focus);
    }
}

QRect TPageTabs::tabRect(int index) const {
    if (index < 0 || index >= count())
        return {};
    const int perColumn = TabsPerColumn();
    const int column = index / perColumn - FFirstColumn;
    if (column < 0 || column >= VisibleColumnCount())
        return {};
    const int row = index % perColumn;
    return QRect(QPoint(column * FCellSize.width(), row * FCellSize.height()), FCellSize);
}

int TPageTabs::tabAt(const QPoint& point) const {
    if (point.x() < 0 || point.y() < 0)
        return -1;
    const int column = point.x() / FCellSize.width();
    const int row = point.y() / FCellSize.height();
    if (column >= VisibleColumnCount() || row >= TabsPerColumn())
        return -1;
    const int index = (column + FFirstColumn) * TabsPerColumn() + row;
    return index < count() ? index : -1;
}

QSize TPageTabs::sizeHint() const {
    return {std::clamp(ColumnCount(), 1, MaxColumnsShown) * FCellSize.width(), FCellSize.height()};
}

// One column of tabs of up to three digits, whatever the page count, so that
// adding pages never makes the window's minimum larger.
QSize TPageTabs::minimumSizeHint() const {
    return CellSizeFor(QStringLiteral("000"));
}

// The current tab goes first: a style draws it reaching over its neighbours
// toward the page, which in a grid would hide the tab beside it. Only the
// tabs within a cell of the area to paint are drawn, so a paint costs the
// area, not the page count.
void TPageTabs::paintEvent(QPaintEvent* event) {
    QStylePainter painter(this);
    std::vector<int> tabs;
    for (const QRect& rect : event->region())
        TabsNear(rect, tabs);
    std::sort(tabs.begin(), tabs.end());
    tabs.erase(std::unique(tabs.begin(), tabs.end()), tabs.end());
    if (std::binary_search(tabs.begin(), tabs.end(), FCurrent))
        PaintTab(painter, FCurrent);
    for (const int index : tabs) {
        if (index != FCurrent)
            PaintTab(painter, index);
    }
    // The keyboard works on the current tab: it carries the focus frame.
    if (hasFocus() && !tabRect(FCurrent).isEmpty()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        const int inset = std::max(1, fontMetrics().averageCharWidth() / 3);
        focus.rect = tabRect(FCurrent).adjusted(inset, inset, -inset, -inset);
        focus.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void TPageTabs::TabsNear(const QRect& rect, std::vector<int>& tabs) const {
    const QRect area = rect.adjusted(-FCellSize.width(), -FCellSize.height(), FCellSize.width(),
                                     FCellSize.height());
    const int perColumn = TabsPerColumn();
    const int firstColumn = std::max(0, area.left() / FCellSize.width());
    const int lastColumn = std::min(VisibleColumnCount() - 1, area.right() / FCellSize.width());
    const int firstRow = std::max(0, area.top() / FCellSize.height());
    const int lastRow = std::min(perColumn - 1, area.bottom() / FCellSize.height());
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const int index = (FFirstColumn + column) * perColumn + row;
            if (index >= count())
                break;
            if (tabRect(index).intersects(area))
                tabs.push_back(index);
        }
    }
}

void TPageTabs::UpdateTab(int index) {
    const QRect tab = tabRect(index);
    if (!tab.isEmpty())
        update(tab.adjusted(-FCellSize.width() / 2, -FCellSize.height() / 2, FCellSize.width() / 2,
                            FCellSize.height() / 2));
}

// Styles turn a right-hand tab about its own rectangle as if it stood in the
// first column; each tab is drawn there and moved into place.
void TPageTabs::PaintTab(QStylePainter& painter, int index) const {
    QStyleOptionTab option;
    InitTabOption(option, index);
    const QRect cell = option.rect;
    painter.save();
    painter.translate(cell.topLeft());
    option.rect.moveTopLeft(QPoint(0, 0));
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    painter.restore();
    painter.drawItemText(cell, Qt::AlignCenter, option.palette, isEnabled(), option.text,
                         QPalette::WindowText);
}

void TPageTabs::resizeEvent(QResizeEvent*) {
    Relayout();
}

void TPageTabs::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        setCurrentIndex(index);
}

void TPageTabs::mouseMoveEvent(QMouseEvent* event) {
    const int hovered = tabAt(event->position().toPoint());
    if (hovered != FHovered) {
        UpdateTab(FHovered);
        FHovered = hovered;
        UpdateTab(FHovered);
    }
}

void TPageTabs::leaveEvent(QEvent*) {
    UpdateTab(FHovered);
    FHovered = -1;
}

// The wheel brings columns into sight when the strip is too narrow for all of
// them; it never changes the page.
void TPageTabs::wheelEvent(QWheelEvent* event) {
    const int steps =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (ColumnCount() <= VisibleColumnCount() || steps == 0) {
        event->ignore();
        return;
    }
    ScrollToColumn(FFirstColumn + (steps < 0 ? 1 : -1));
}

// Up and down along a column, left and right across columns, Home and End
// to the first and last page.
void TPageTabs::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        StepCurrent(-1);
        break;
    case Qt::Key_Down:
        StepCurrent(1);
        break;
    case Qt::Key_Left:
        StepColumn(-1);
        break;
    case Qt::Key_Right:
        StepColumn(1);
        break;
    case Qt::Key_Home:
        setCurrentIndex(0);
        break;
    case Qt::Key_End:
        setCurrentIndex(count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TPageTabs::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    AnnounceCurrent();
}

void TPageTabs::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TPageTabs::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        Relayout(true);
    QWidget::changeEvent(event);
}

// Every tab has the size of the widest caption's tab, and at least that of a
// three-digit one, so the tabs form a grid that fills the strip's least width.
// Captions run across, not down the tab: page numbers read at a glance and a
// column holds more tabs.
void TPageTabs::UpdateCellSize(bool whole) {
    const QFontMetrics metrics = fontMetrics();
    if (whole) {
        FWidestAdvance = 0;
        for (const QString& caption : FCaptions)
            FWidestAdvance = std::max(FWidestAdvance, metrics.horizontalAdvance(caption));
    }
    const int padding = metrics.averageCharWidth();
    const int advance = std::max(FWidestAdvance, metrics.horizontalAdvance(QStringLiteral("000")));
    FCellSize = {advance + 2 * padding, metrics.height() + padding};
}

QSize TPageTabs::CellSizeFor(const QString& caption) const {
    const QFontMetrics metrics = fontMetrics();
    const int padding = metrics.averageCharWidth();
    return {metrics.horizontalAdvance(caption) + 2 * padding, metrics.height() + padding};
}

int TPageTabs::TabsPerColumn() const {
    return std::max(1, height() / FCellSize.height());
}

int TPageTabs::ColumnCount() const {
    const int perColumn = TabsPerColumn();
    return (count() + perColumn - 1) / perColumn;
}

int TPageTabs::VisibleColumnCount() const {
    return std::max(1, width() / FCellSize.width());
}

void TPageTabs::ScrollToColumn(int column) {
    const int first = std::clamp(column, 0, std::max(0, ColumnCount() - VisibleColumnCount()));
    if (first != FFirstColumn) {
        FFirstColumn = first;
        FHovered = -1;
        update();
    }
}

void TPageTabs::EnsureCurrentVisible() {
    if (FCurrent < 0)
        return;
    const int column = FCurrent / TabsPerColumn();
    if (column < FFirstColumn)
        ScrollToColumn(column);
    else if (column >= FFirstColumn + VisibleColumnCount())
        ScrollToColumn(column - VisibleColumnCount() + 1);
}

void TPageTabs::InitTabOption(QStyleOptionTab& option, int index) const {
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.shape = QTabBar::RoundedEast;
    option.text = tabText(index);
    option.rect = tabRect(index);
    if (index < 0)
        return;
    if (index == FCurrent)
        option.state |= QStyle::State_Selected;
    if (index == FHovered)
        option.state |= QStyle::State_MouseOver;
    const int perColumn = TabsPerColumn();
    const int row = index % perColumn;
    const bool lastInColumn = row == perColumn - 1 || index == count() - 1;
    if (row == 0 && lastInColumn)
        option.position = QStyleOptionTab::OnlyOneTab;
    else if (row == 0)
        option.position = QStyleOptionTab::Beginning;
    else if (lastInColumn)
        option.position = QStyleOptionTab::End;
    else
        option.position = QStyleOptionTab::Middle;
}

// The hint the layout last saw is kept: the width a new height needs differs
// from it although nothing else changed.
void TPageTabs::Relayout(bool whole) {
    UpdateCellSize(whole);
    ScrollToColumn(FFirstColumn);
    EnsureCurrentVisible();
    if (sizeHint() != FLayoutHint) {
        FLayoutHint = sizeHint();
        updateGeometry();
    }
    update();
}
