// The page tabs as assistive technology sees them: a page tab list whose
// children are page tabs named by their captions, the current one selected,
// each chosen by its press action as a click would.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class TPageTabs;

// Has assistive technology see every TPageTabs through TPageTabsAccessible;
// the window that shows page tabs calls it before making them. Once is
// enough: a second call changes nothing.
void InstallPageTabsAccessible();

// Made by the accessibility factory InstallPageTabsAccessible installs.
class TPageTabsAccessible : public QAccessibleWidget {
public:
    explicit TPageTabsAccessible(TPageTabs* tabs);
    ~TPageTabsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    // The factory: the interface of a TPageTabs, nothing for other objects.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

private:
    TPageTabs* Tabs() const;

    // One interface per tab place, made when asked for and kept registered
    // until the strip's own interface goes; a place past the last tab is
    // no longer valid.
    mutable QHash<int, QAccessible::Id> FChildren;
};
