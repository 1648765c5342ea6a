// Checking a menu's items in order: object name, caption and shortcut.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

// Shortcut is in portable text ("Ctrl+Alt+P"), "" for none. An entry without
// a caption stands for a separator; Name is its object name, "" when unnamed.
struct TMenuItem {
    const char* Name;
    QString Caption;
    const char* Shortcut;
};

inline const TMenuItem Separator{"", {}, ""};

inline void ExpectMenu(const QMenu* menu, const std::vector<TMenuItem>& expected) {
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QAction* item = items[static_cast<qsizetype>(i)];
        EXPECT_EQ(item->objectName(), QLatin1String(expected[i].Name)) << "item " << i;
        if (expected[i].Caption.isEmpty()) {
            EXPECT_TRUE(item->isSeparator()) << "item " << i;
            continue;
        }
        EXPECT_EQ(item->text(), expected[i].Caption) << expected[i].Name;
        EXPECT_EQ(item->shortcut(),
                  QKeySequence(QLatin1String(expected[i].Shortcut), QKeySequence::PortableText))
            << expected[i].Name;
    }
}
