// Long work on a worker thread: the window's thread keeps its event loop
// running (paints, the progress dialog) and holds back the user's input to
// every other window until the work has ended, so nothing the work reads
// changes under it.
#include "qt_long_task.h"

#include "ui_text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

namespace {

QString CancelText() {
    return UiText("TQtLongTask", "キャンセル");
}
QString CancellingText() {
    return UiText("TQtLongTask", "中止しています...");
}
constexpr int ProgressSteps = 1000;
constexpr int PollMs = 25;

bool IsUserInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// Swallows input meant for anything but the progress dialog.
class TInputHold : public QObject {
public:
    explicit TInputHold(const QPointer<QProgressDialog>& dialog) : Dialog(dialog) {
        qApp->installEventFilter(this);
    }
    ~TInputHold() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsUserInput(event))
            return false;
        const auto* widget = qobject_cast<const QWidget*>(watched);
        const bool forDialog =
            Dialog && widget != nullptr && (widget == Dialog || Dialog->isAncestorOf(widget));
        if (forDialog)
            return false;
        // The dialog's own window handle receives the key and mouse events
        // before its widgets do; everything else waits.
        return !(Dialog && watched == static_cast<QObject*>(Dialog->windowHandle()));
    }

private:
    QPointer<QProgressDialog> Dialog;
};

// The share done, as the worker last reported it, in steps of the dialog.
int ProgressValue(double done) {
    if (!std::isfinite(done))
        return 0;
    return static_cast<int>(std::clamp(done, 0.0, 1.0) * ProgressSteps);
}

} // namespace

TLongTaskEnd TQtLongTask::Run(const QString& title, const TLongWork& work) {
    std::atomic<double> done{0};
    std::atomic<bool> cancelled{false};
    std::atomic<bool> ended{false};
    bool finished = false;

    QPointer<QProgressDialog> dialog =
        new QProgressDialog(title, CancelText(), 0, ProgressSteps, Parent);
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    // Shown by the poll below, whatever the dialog would guess from the progress.
    dialog->setMinimumDuration(std::numeric_limits<int>::max());
    dialog->setValue(0);
    QObject::connect(dialog, &QProgressDialog::canceled, [&cancelled, dialog] {
        cancelled = true;
        if (dialog)
            dialog->setLabelText(CancellingText());
    });
    const TInputHold hold(dialog);

    std::thread worker([&] {
        finished = work([&done, &cancelled](double share) {
            done = share;
            return !cancelled.load();
        });
        ended = true;
    });

    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (ended) {
            loop.quit();
            return;
        }
        if (dialog && dialog->wasCanceled())
            cancelled = true;
        if (!dialog || cancelled)
            return;
        dialog->setValue(ProgressValue(done));
        if (!dialog->isVisible() && clock.elapsed() >= ShowAfter.count())
            dialog->show();
    });
    poll.start(PollMs);
    loop.exec();
    worker.join();
    delete dialog;

    if (cancelled)
        return TLongTaskEnd::Cancelled;
    return finished ? TLongTaskEnd::Finished : TLongTaskEnd::Failed;
}
