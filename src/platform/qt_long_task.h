// The long-work runner of the windows: a worker thread, and a progress dialog
// that appears once the work has taken longer than a moment.
#pragma once

#include "long_task.h"

#include <chrono>

class QWidget;

class TQtLongTask : public ILongTask {
public:
    // The dialog is shown over parent once the work has run for showAfter.
    explicit TQtLongTask(QWidget* parent,
                         std::chrono::milliseconds showAfter = std::chrono::milliseconds(500))
        : Parent(parent), ShowAfter(showAfter) {}

    TLongTaskEnd Run(const QString& title, const TLongWork& work) override;
    // The window the dialog is shown over, for a runner made before it.
    void SetParent(QWidget* parent) { Parent = parent; }

private:
    QWidget* Parent;
    std::chrono::milliseconds ShowAfter;
};
