// The page tab list and its page tabs for assistive technology.
#include "page_tabs_accessible.h"

#include "page_tabs.h"

#include "ui_text.h"

#include <QPointer>

namespace {

const QString PressAction = QAccessibleActionInterface::pressAction();

// One tab, known by its place in the strip.
class TPageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TPageTabAccessible(TPageTabs* tabs, int index) : FTabs(tabs), FIndex(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QObject* object() const override { return nullptr; }
    bool isValid() const override { return FTabs != nullptr && FIndex < FTabs->count(); }
    QAccessibleInterface* parent() const override {
        return FTabs == nullptr ? nullptr : QAccessible::queryAccessibleInterface(FTabs.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? FTabs->tabText(FIndex) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        const bool current = FIndex == FTabs->currentIndex();
        state.selected = current;
        state.focused = current && FTabs->hasFocus();
        // A tab of a column scrolled out of the strip is not on the screen.
        state.invisible = !FTabs->isVisible();
        state.offscreen = FTabs->tabRect(FIndex).isEmpty();
        return state;
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect tab = FTabs->tabRect(FIndex);
        return tab.isEmpty() ? QRect() : QRect(FTabs->mapToGlobal(tab.topLeft()), tab.size());
    }

    QStringList actionNames() const override {
        return isValid() ? QStringList{PressAction} : QStringList();
    }
    void doAction(const QString& name) override {
        if (name == PressAction && isValid())
            FTabs->setCurrentIndex(FIndex);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TPageTabs> FTabs;
    int FIndex;
};

} // namespace

TPageTabsAccessible::TPageTabsAccessible(TPageTabs* tabs)
    : QAccessibleWidget(tabs, QAccessible::PageTabList) {}

TPageTabsAccessible::~TPageTabsAccessible() {
    for (const QAccessible::Id id : std::as_const(FChildren))
        QAccessible::deleteAccessibleInterface(id);
}

TPageTabs* TPageTabsAccessible::Tabs() const {
    return static_cast<TPageTabs*>(object());
}

int TPageTabsAccessible::childCount() const {
    return Tabs()->count();
}

QAccessibleInterface* TPageTabsAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    const auto known = FChildren.constFind(index);
    if (known != FChildren.constEnd())
        return QAccessible::accessibleInterface(*known);
    auto* tab = new TPageTabAccessible(Tabs(), index);
    FChildren.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int TPageTabsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || child->role() != QAccessible::PageTab)
        return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    const int index = FChildren.key(id, -1);
    return index < childCount() ? index : -1;
}

QAccessibleInterface* TPageTabsAccessible::childAt(int x, int y) const {
    return child(Tabs()->tabAt(Tabs()->mapFromGlobal(QPoint(x, y))));
}

// The strip has no caption of its own; it is named for what it holds.
QString TPageTabsAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && Tabs()->accessibleName().isEmpty())
        return UiText("TPageTabsAccessible", "ページ");
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* TPageTabsAccessible::Create(const QString& className, QObject* object) {
    if (className == QLatin1String("TPageTabs") && object != nullptr && object->isWidgetType())
        return new TPageTabsAccessible(static_cast<TPageTabs*>(object));
    return nullptr;
}

void InstallPageTabsAccessible() {
    static bool installed = false;
    if (installed)
        return;
    QAccessible::installFactory(TPageTabsAccessible::Create);
    installed = true;
}
