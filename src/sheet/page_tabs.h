// The sheet's page tabs: one tab per page on the right-hand side, in as many
// columns as the window's height needs, of which at most MaxColumnsShown are
// in sight at once and the others scroll into it, so that the page count
// never makes the window taller or wider than the user made it. Adding,
// removing, choosing and painting tabs cost what changed, not the page count. The keyboard reaches
// them too: Ctrl+PageUp and Ctrl+PageDown anywhere in the window, and the arrow keys, Home and End
// once Tab has brought the focus to the strip. Assistive technology sees a page tab list (see
// page_tabs_accessible.h).
#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QStyleOptionTab;
class QStylePainter;

class TPageTabs : public QWidget {
    Q_OBJECT

public:
    explicit TPageTabs(QWidget* parent = nullptr);

    int count() const { return static_cast<int>(FCaptions.size()); }
    QString tabText(int index) const;
    void addTab(const QString& caption);
    void removeTab(int index);
    // Tabs "1" ... "count", added or removed at the end, laid out once. The
    // current tab stays, or becomes the last when it goes.
    void SetNumberedTabs(int count);

    // The strip never asks for more columns than this.
    static constexpr int MaxColumnsShown = 4;

    // -1 when there are no tabs.
    int currentIndex() const { return FCurrent; }
    // Emits currentChanged when the index changes; an index that names no tab
    // is ignored.
    void setCurrentIndex(int index);

    // Where tab index is drawn, in this widget's coordinates; empty for a tab
    // scrolled out of sight or one that does not exist.
    QRect tabRect(int index) const;
    // The tab under point, or -1.
    int tabAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStringList FCaptions;
    int FCurrent = -1;
    int FHovered = -1;
    // Columns scrolled out of sight on the left when the strip has less width
    // than its tabs need: a tiny window with very many pages.
    int FFirstColumn = 0;
    QSize FCellSize;
    QSize FLayoutHint;
    // The widest caption's advance, kept as tabs are added: measuring every
    // caption on every add would cost the square of the page count.
    int FWidestAdvance = 0;

    void createShortcuts();
    // The tab step places before or after the current one, if there is one.
    void StepCurrent(int step);
    // The tab step columns to the left or right of the current one.
    void StepColumn(int step);
    // Assistive technology hears which tab is now current.
    void AnnounceCurrent();
    // From the captions' widest advance; whole measures every caption anew.
    void UpdateCellSize(bool whole);
    // Adds the tabs in sight within a cell of rect.
    void TabsNear(const QRect& rect, std::vector<int>& tabs) const;
    // Repaints tab index, with room for a style that draws it over its
    // neighbours.
    void UpdateTab(int index);
    QSize CellSizeFor(const QString& caption) const;
    int TabsPerColumn() const;
    int ColumnCount() const;
    int VisibleColumnCount() const;
    void ScrollToColumn(int column);
    void EnsureCurrentVisible();
    void PaintTab(QStylePainter& painter, int index) const;
    void InitTabOption(QStyleOptionTab& option, int index) const;
    // Layout and width follow the tab count and the height; whole measures
    // every caption anew.
    void Relayout(bool whole = false);
};
