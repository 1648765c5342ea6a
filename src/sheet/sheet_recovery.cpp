// The sheet window's crash recovery: while the drawing has unsaved changes it
// is written aside once a minute, never over the user's file; a normal end and
// every save remove the copy, and the next start after a crash offers it.
#include "main_fm.h"

#include "format/drawing_file.h"
#include "prompt.h"
#include "recovery_file.h"

#include <QTimer>

namespace {

constexpr int RecoveryIntervalMs = 60 * 1000;

const QString RecoveryQuestion =
    QStringLiteral("保存されずに終了した図形データがあります。復元しますか？");

} // namespace

void TMainFm::createRecoveryTimer() {
    if (Recovery == nullptr || !Recovery->IsOwned())
        return;
    RecoveryOffered = !Recovery->Exists();
    RecoveryTimer = new QTimer(this);
    RecoveryTimer->setInterval(RecoveryIntervalMs);
    connect(RecoveryTimer, &QTimer::timeout, this, &TMainFm::WriteRecovery);
    RecoveryTimer->start();
}

// The recovered drawing has no file: the user chooses where to save it.
void TMainFm::OfferRecovery() {
    if (RecoveryOffered)
        return;
    RecoveryOffered = true;
    std::string bytes;
    TZvDat drawing;
    const bool wanted = Prompt.AskYesNo(InfoTitle, RecoveryQuestion) == TPromptAnswer::Yes;
    if (wanted && Recovery->Read(bytes) &&
        TextToDrawing(bytes, drawing) == TDrawingReadResult::Ok) {
        NewDrawing();
        Document.SetDrawing(std::move(drawing));
        ShowPageTabs(static_cast<int>(Document.Drawing().size()));
        ShowPage(0);
        Document.ClearHistory();
        Document.SetModified(true);
        WriteRecovery();
        return;
    }
    ForgetRecovery();
}

void TMainFm::WriteRecovery() {
    if (Recovery == nullptr || !RecoveryOffered)
        return;
    std::string bytes;
    if (!Document.Modified())
        Recovery->Remove();
    else if (DrawingToText(Document.Drawing(), bytes))
        Recovery->Write(bytes);
}

// Until the user has answered, the copy a crashed program left is kept.
void TMainFm::ForgetRecovery() {
    if (Recovery != nullptr && RecoveryOffered)
        Recovery->Remove();
}
