// Tests of the long-work runner: the work runs on another thread while the
// window's events go on, its end is told as it was, a cancel from the dialog
// reaches the work, and the user's input waits until the work has ended.
#include "long_task.h"
#include "qt_long_task.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Work of about duration, reporting its progress in twenty steps.
TLongWork SteadyWork(std::chrono::milliseconds duration, bool result = true) {
    return [duration, result](const TProgressFn& progress) {
        for (int step = 1; step <= 20; ++step) {
            std::this_thread::sleep_for(duration / 20);
            if (!progress(step / 20.0))
                return false;
        }
        return result;
    };
}

class TPressCounter : public QWidget {
public:
    int Presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++Presses; }
};

TEST(LongTaskTest, TheEndIsToldAsTheWorkEnded) {
    QWidget window;
    TQtLongTask task(&window);
    EXPECT_EQ(task.Run("work", SteadyWork(40ms)), TLongTaskEnd::Finished);
    EXPECT_EQ(task.Run("work", SteadyWork(40ms, false)), TLongTaskEnd::Failed);
    TInlineLongTask inlineTask;
    EXPECT_EQ(inlineTask.Run("work", SteadyWork(10ms)), TLongTaskEnd::Finished);
    EXPECT_EQ(inlineTask.Run("work", SteadyWork(10ms, false)), TLongTaskEnd::Failed);
}

TEST(LongTaskTest, WorkRunsOffTheWindowsThreadWhileItsEventsGoOn) {
    QWidget window;
    TQtLongTask task(&window);
    const std::thread::id windowThread = std::this_thread::get_id();
    std::thread::id workThread = windowThread;
    int timerShots = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&timerShots] { ++timerShots; });
    timer.start(10);
    const TLongTaskEnd end = task.Run("work", [&](const TProgressFn& progress) {
        workThread = std::this_thread::get_id();
        return SteadyWork(200ms)(progress);
    });
    EXPECT_EQ(end, TLongTaskEnd::Finished);
    EXPECT_NE(workThread, windowThread);
    EXPECT_GE(timerShots, 5) << "the window's event loop kept running";
}

TEST(LongTaskTest, CancelInTheDialogStopsTheWorkAndIsTold) {
    QWidget window;
    TQtLongTask task(&window, 0ms);
    bool sawCancel = false;
    QTimer::singleShot(100, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QProgressDialog*>(widget);
                dialog && dialog->isVisible())
                if (auto* button = dialog->findChild<QPushButton*>())
                    button->click();
    });
    const TLongTaskEnd end = task.Run("work", [&sawCancel](const TProgressFn& progress) {
        for (int step = 0; step < 500; ++step) {
            std::this_thread::sleep_for(10ms);
            if (!progress(step / 500.0)) {
                sawCancel = true;
                return false;
            }
        }
        return true;
    });
    EXPECT_EQ(end, TLongTaskEnd::Cancelled);
    EXPECT_TRUE(sawCancel);
}

TEST(LongTaskTest, TheUsersInputWaitsUntilTheWorkHasEnded) {
    TPressCounter window;
    window.resize(100, 100);
    window.show();
    TQtLongTask task(&window);
    QTimer::singleShot(50, [&window] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10),
                          window.mapToGlobal(QPointF(10, 10)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
    });
    EXPECT_EQ(task.Run("work", SteadyWork(150ms)), TLongTaskEnd::Finished);
    EXPECT_EQ(window.Presses, 0);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10),
                      window.mapToGlobal(QPointF(10, 10)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&window, &press);
    EXPECT_EQ(window.Presses, 1) << "input reaches the window again afterwards";
}

} // namespace
