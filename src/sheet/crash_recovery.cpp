// Writing the sheet's drawing aside against a crash, and offering it back.
#include "crash_recovery.h"

#include "document/sheet_document.h"
#include "format/drawing_file.h"
#include "prompt.h"
#include "recovery_file.h"

#include "ui_text.h"

#include <charconv>
#include <cstring>

namespace {

QString RecoveryQuestion() {
    return UiText("TCrashRecovery", "保存されずに終了した図形データがあります。復元しますか？");
}

} // namespace

std::chrono::milliseconds RecoveryIntervalFrom(const char* milliseconds) {
    if (milliseconds == nullptr)
        return DefaultRecoveryInterval;
    const char* end = milliseconds + std::strlen(milliseconds);
    int value = 0;
    const auto [last, error] = std::from_chars(milliseconds, end, value);
    if (error != std::errc{} || last != end || value <= 0)
        return DefaultRecoveryInterval;
    return std::chrono::milliseconds(value);
}

TCrashRecovery::TCrashRecovery(TRecoveryFile* file, IPrompt& prompt, const TSheetDocument& document,
                               std::chrono::milliseconds interval)
    : File(file), Prompt(prompt), Document(document) {
    if (File == nullptr || !File->IsOwned())
        return;
    Offered = !File->Exists();
    Timer.setInterval(interval);
    QObject::connect(&Timer, &QTimer::timeout, [this] { Write(); });
    Timer.start();
}

// The recovered drawing has no file: the user chooses where to save it. The
// timer goes on while the question waits, and must not take the copy away
// before the answer.
std::optional<TZvDat> TCrashRecovery::Offer() {
    if (Offered)
        return std::nullopt;
    const bool wanted = Prompt.AskYesNo(InfoTitle(), RecoveryQuestion()) == TPromptAnswer::Yes;
    Offered = true;
    std::string bytes;
    TZvDat drawing;
    if (wanted && File->Read(bytes) && TextToDrawing(bytes, drawing) == TDrawingReadResult::Ok)
        return drawing;
    Forget();
    return std::nullopt;
}

void TCrashRecovery::Write() {
    if (File == nullptr || !Offered)
        return;
    std::string bytes;
    if (!Document.Modified())
        File->Remove();
    else if (DrawingToText(Document.Drawing(), bytes))
        File->Write(bytes);
}

void TCrashRecovery::Forget() {
    if (File != nullptr && Offered)
        File->Remove();
}

void TCrashRecovery::EndNormally() {
    Offered = true;
    Forget();
}
