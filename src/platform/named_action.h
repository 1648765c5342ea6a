// A menu command made with the object name that tests and shortcuts find it by,
// its caption and its shortcut.
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QObject;

// The action belongs to parent; no shortcut leaves it without one.
QAction* NamedAction(QObject* parent, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {});
