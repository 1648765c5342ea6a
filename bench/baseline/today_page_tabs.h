// Today's page tabs as they stand: every caption measured again on each tab
// added, every tab painted on any change, and as many columns asked for as
// the tabs need. Kept so that the tab workloads can run them beside the
// production strip; assistive technology is left out, as it costs nothing
// until a screen reader asks.
#pragma once

#include <QStringList>
#include <QWidget>

class QStyleOptionTab;
class QStylePainter;

namespace today {

class TPageTabs : public QWidget {
    Q_OBJECT

public:
    explicit TPageTabs(QWidget* parent = nullptr);

    int count() const { return static_cast<int>(FCaptions.size()); }
    QString tabText(int index) const;
    void addTab(const QString& caption);
    void removeTab(int index);

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

    void createShortcuts();
    // The tab step places before or after the current one, if there is one.
    void StepCurrent(int step);
    // The tab step columns to the left or right of the current one.
    void StepColumn(int step);
    // Assistive technology hears which tab is now current.
    void AnnounceCurrent();
    void UpdateCellSize();
    QSize CellSizeFor(const QString& caption) const;
    int TabsPerColumn() const;
    int ColumnCount() const;
    int VisibleColumnCount() const;
    void ScrollToColumn(int column);
    void EnsureCurrentVisible();
    void PaintTab(QStylePainter& painter, int index) const;
    void InitTabOption(QStyleOptionTab& option, int index) const;
    // Layout and width follow the tab count and the height.
    void Relayout();
};

} // namespace today
