// Making a named menu command.
#include "named_action.h"

#include <QAction>

QAction* NamedAction(QObject* parent, const char* name, const QString& caption,
                     const QKeySequence& shortcut) {
    auto* item = new QAction(caption, parent);
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    return item;
}
