// Shift-JIS conversion. ASCII is converted here one to one; the double-byte
// and katakana characters go through Qt's ICU-backed converters, whose
// "Shift_JIS" is the code page 932 table drawing files were written in. (That
// table also swaps a few ASCII control codes, which plain text never wants.)
#include "shift_jis_codec.h"

#include "geometry/shift_jis.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <string_view>

namespace {

const char* const kShiftJis = "Shift_JIS";
constexpr char16_t kReplacementCharacter = u'\uFFFD';

bool IsAscii(unsigned char byte) {
    return byte < 0x80;
}

bool IsAscii(QChar character) {
    return character.unicode() < 0x80;
}

// The length of the character at the start of bytes: one byte, or two for a
// lead byte (more than what is left when the text ends after a lead byte).
std::size_t CharacterLength(std::string_view bytes) {
    return IsShiftJisLeadByte(static_cast<unsigned char>(bytes.front())) ? 2 : 1;
}

bool TryDecode(std::string_view bytes, QString& text) {
    QStringDecoder decoder(kShiftJis, QStringConverter::Flag::Stateless);
    text = decoder.decode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return decoder.isValid() && !decoder.hasError();
}

bool TryEncode(const QString& text, std::string& bytes) {
    QStringEncoder encoder(kShiftJis, QStringConverter::Flag::Stateless);
    const QByteArray encoded = encoder.encode(text);
    bytes.assign(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    return encoder.isValid() && !encoder.hasError();
}

// One character at a time, so that one bad byte costs one U+FFFD and no more.
// A lead byte followed by an ASCII byte loses only itself: the ASCII byte is
// read again as a character of its own.
QString DecodeReplacingErrors(std::string_view bytes) {
    QString text;
    std::size_t position = 0;
    while (position < bytes.size()) {
        const std::string_view rest = bytes.substr(position);
        const std::size_t length = CharacterLength(rest);
        QString character;
        if (IsAscii(static_cast<unsigned char>(rest[0]))) {
            text += QChar(rest[0]);
            position += 1;
        } else if (length <= rest.size() && TryDecode(rest.substr(0, length), character)) {
            text += character;
            position += length;
        } else {
            text += QChar(kReplacementCharacter);
            const bool asciiFollows =
                length == 2 && rest.size() >= 2 && IsAscii(static_cast<unsigned char>(rest[1]));
            position += asciiFollows ? 1 : std::min(length, rest.size());
        }
    }
    return text;
}

// Non-ASCII characters in a row, decoded together; the run may end in a lead
// byte cut off by the end of the text.
QString DecodeNonAsciiRun(std::string_view run, bool endsInsideCharacter) {
    QString text;
    if (!endsInsideCharacter && TryDecode(run, text))
        return text;
    return DecodeReplacingErrors(run);
}

std::string EncodeReplacingErrors(const QString& text) {
    std::string bytes;
    qsizetype position = 0;
    while (position < text.size()) {
        const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size() &&
                          text.at(position + 1).isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        std::string character;
        bytes += TryEncode(text.mid(position, length), character) ? character : "?";
        position += length;
    }
    return bytes;
}

std::string EncodeNonAsciiRun(const QString& run) {
    std::string bytes;
    if (TryEncode(run, bytes))
        return bytes;
    return EncodeReplacingErrors(run);
}

// ASCII is copied one to one; each run of other characters goes to
// encodeRun whole, which appends its bytes or stops the walk with false.
template <class TEncodeRun>
bool EncodeRuns(const QString& text, std::string& bytes, TEncodeRun encodeRun) {
    bytes.clear();
    qsizetype position = 0;
    while (position < text.size()) {
        if (IsAscii(text.at(position))) {
            bytes += static_cast<char>(text.at(position).unicode());
            ++position;
            continue;
        }
        const qsizetype start = position;
        while (position < text.size() && !IsAscii(text.at(position)))
            ++position;
        if (!encodeRun(text.mid(start, position - start), bytes))
            return false;
    }
    return true;
}

} // namespace

QString ShiftJisToUnicode(const std::string& bytes) {
    const std::string_view all(bytes);
    QString text;
    std::size_t position = 0;
    while (position < all.size()) {
        if (IsAscii(static_cast<unsigned char>(all[position]))) {
            text += QChar(all[position]);
            ++position;
            continue;
        }
        const std::size_t start = position;
        while (position < all.size() && !IsAscii(static_cast<unsigned char>(all[position])))
            position += CharacterLength(all.substr(position));
        text += DecodeNonAsciiRun(all.substr(start, position - start), position > all.size());
        position = std::min(position, all.size());
    }
    return text;
}

std::string UnicodeToShiftJis(const QString& text) {
    std::string bytes;
    EncodeRuns(text, bytes, [](const QString& run, std::string& out) {
        out += EncodeNonAsciiRun(run);
        return true;
    });
    return bytes;
}

bool IsShiftJisEncodable(const QString& text) {
    std::string bytes;
    return TryUnicodeToShiftJis(text, bytes);
}

// Whole runs go to the converter at once; nothing is tried character by
// character, so even a very long text that cannot be encoded fails quickly.
bool TryUnicodeToShiftJis(const QString& text, std::string& bytes) {
    const bool encoded = EncodeRuns(text, bytes, [](const QString& run, std::string& out) {
        std::string runBytes;
        if (!TryEncode(run, runBytes))
            return false;
        out += runBytes;
        return true;
    });
    if (!encoded)
        bytes.clear();
    return encoded;
}
