// The command line's options, what they mean and how their values are read.
#include "batch_options.h"

#include "document/unfolded_pages.h"
#include "format/text_to_float.h"
#include "geometry/polygon.h"

#include <QCommandLineParser>
#include <QPageSize>

namespace {

const QString ImportOption = QStringLiteral("import");
const QString ExportOption = QStringLiteral("export");
const QString PageOption = QStringLiteral("page");
const QString SizeOption = QStringLiteral("size");
const QString TabWidthOption = QStringLiteral("tab-width");
const QString TabAngle1Option = QStringLiteral("tab-angle1");
const QString TabAngle2Option = QStringLiteral("tab-angle2");
const QString FlatAngleOption = QStringLiteral("flat-angle");
const QString PaperOption = QStringLiteral("paper");
const QString LandscapeOption = QStringLiteral("landscape");
const QString PortraitOption = QStringLiteral("portrait");
const QString MarginsOption = QStringLiteral("margins");

// Every option of a run without a window, as typed: "-i", "--import", ...
const QStringList BatchWords = {
    QStringLiteral("-h"),         QStringLiteral("-?"),   QStringLiteral("--help"),
    QStringLiteral("--help-all"), QStringLiteral("-v"),   QStringLiteral("--version"),
    QStringLiteral("-i"),         QStringLiteral("-e"),   "--" + ImportOption,
    "--" + ExportOption,          "--" + PageOption,      "--" + SizeOption,
    "--" + TabWidthOption,        "--" + TabAngle1Option, "--" + TabAngle2Option,
    "--" + FlatAngleOption,       "--" + PaperOption,     "--" + LandscapeOption,
    "--" + PortraitOption,        "--" + MarginsOption,
};

const QString ValueText = QStringLiteral("--%1 の値「%2」は%3で指定してください。");

// The value of option as a number within low (included or not) and high.
bool ReadNumber(const QCommandLineParser& parser, const QString& option, long double low,
                bool lowIncluded, long double high, const QString& range,
                std::optional<long double>& value, QString& error) {
    if (!parser.isSet(option))
        return true;
    const QString text = parser.value(option);
    long double number = 0;
    if (!TryTextToFloat(text.toStdString(), number) ||
        !(lowIncluded ? number >= low : number > low) || !(number <= high)) {
        error = ValueText.arg(option, text, range);
        return false;
    }
    value = number;
    return true;
}

// A paper by Qt's name for it ("A4", "Letter"), in any letter case.
std::optional<int> PaperSizeNamed(const QString& name) {
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto size = static_cast<QPageSize::PageSizeId>(id);
        if (size != QPageSize::Custom &&
            QPageSize::key(size).compare(name, Qt::CaseInsensitive) == 0)
            return id;
    }
    return std::nullopt;
}

bool ReadMargins(const QCommandLineParser& parser, TBatchJob& job, QString& error) {
    if (!parser.isSet(MarginsOption))
        return true;
    const QString text = parser.value(MarginsOption);
    const QStringList parts = text.split(u',');
    QList<int> margins;
    for (const QString& part : parts) {
        bool ok = false;
        const int margin = part.trimmed().toInt(&ok);
        if (!ok || margin < 0 || margin > 100)
            break;
        margins << margin;
    }
    if (margins.size() != parts.size() || (margins.size() != 1 && margins.size() != 4)) {
        error = ValueText.arg(MarginsOption, text,
                              QStringLiteral("0 から 100 までの整数 (mm) 一つか、"
                                             "上,下,左,右 の四つ"));
        return false;
    }
    job.Margins = margins.size() == 1 ? QList<int>(4, margins[0]) : margins;
    return true;
}

} // namespace

void AddBatchOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("紙模型の展開図を描きます。--import か --export を付けると、"
                       "ウィンドウを開かずに処理して終わります。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {{QStringLiteral("i"), ImportOption},
         QStringLiteral("3Dモデル <model> (OBJ, STL, PLY, glTF, GLB, OFF) を展開し、部品を図面の"
                        "最後のページの後に並べて保存します。図面ファイルがなければ作ります。"),
         QStringLiteral("model")},
        {{QStringLiteral("e"), ExportOption},
         QStringLiteral("図面を <file> に書き出します。形式は名前の終わり (.svg, .dxf, .pdf) "
                        "で決まります。図形のある全ページを書き出し、SVG と DXF は 1 ページ "
                        "1 ファイルで名前にページ番号が付きます。"),
         QStringLiteral("file")},
        {PageOption,
         QStringLiteral("書き出すのをページ <n> だけにし、名前のとおりのファイルにします。"),
         QStringLiteral("n")},
        {SizeOption,
         QStringLiteral("モデルの最も長い寸法 (mm)。省略するとファイルの単位を mm とします。"),
         QStringLiteral("mm")},
        {TabWidthOption,
         QStringLiteral("糊代の幅 (mm)。省略すると図形エディタの糊代の既定値です。"),
         QStringLiteral("mm")},
        {TabAngle1Option, QStringLiteral("糊代の辺の始点側の角度 (度)。"),
         QStringLiteral("degrees")},
        {TabAngle2Option, QStringLiteral("糊代の辺の終点側の角度 (度)。"),
         QStringLiteral("degrees")},
        {FlatAngleOption,
         QStringLiteral("隣り合う面の傾きの差がこれより小さければ一つの平らな面とします "
                        "(度、既定 0.5)。"),
         QStringLiteral("degrees")},
        {PaperOption,
         QStringLiteral("用紙 (A4, A3, B5, Letter など)。省略すると設定ファイルとプリンタの"
                        "ものです。"),
         QStringLiteral("name")},
        {LandscapeOption, QStringLiteral("用紙を横向きにします。")},
        {PortraitOption, QStringLiteral("用紙を縦向きにします。")},
        {MarginsOption,
         QStringLiteral("余白 (mm の整数): 一つの値で四辺とも、または 上,下,左,右。"),
         QStringLiteral("mm")},
    });
    parser.addPositionalArgument(QStringLiteral("drawing"), QStringLiteral("図面ファイル (.zvt)。"),
                                 QStringLiteral("<drawing.zvt>"));
}

QStringList ProgramArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool IsBatchRun(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QStringLiteral("--"))
            return false;
        const QString option = word.section(u'=', 0, 0);
        if (BatchWords.contains(option))
            return true;
    }
    return false;
}

bool ReadBatchJob(const QCommandLineParser& parser, TBatchJob& job, QString& error) {
    job = TBatchJob();
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        error = QStringLiteral("図面ファイル (.zvt) を一つ指定してください。");
        return false;
    }
    job.Drawing = files.front();
    job.Model = parser.value(ImportOption);
    job.Export = parser.value(ExportOption);
    if (job.Model.isEmpty() && job.Export.isEmpty()) {
        error = QStringLiteral("--import か --export を指定してください。");
        return false;
    }
    if (parser.isSet(PageOption)) {
        bool ok = false;
        const int page = parser.value(PageOption).toInt(&ok);
        if (!ok || page < 1 || page > static_cast<int>(MaxPageCount)) {
            error = ValueText.arg(PageOption, parser.value(PageOption),
                                  QStringLiteral("1 から %1 までの整数").arg(MaxPageCount));
            return false;
        }
        job.Page = page;
    }
    const QString positiveMm = QStringLiteral("0 より大きく %1 以下の数 (mm)");
    const QString tabDegrees = QStringLiteral("0 より大きく 90 以下の数 (度)");
    if (!ReadNumber(parser, SizeOption, 0, false, MaxModelSize,
                    positiveMm.arg(static_cast<double>(MaxModelSize)), job.Size, error) ||
        !ReadNumber(parser, TabWidthOption, 0, false, MaxTabWidth,
                    positiveMm.arg(static_cast<double>(MaxTabWidth)), job.TabWidth, error) ||
        !ReadNumber(parser, TabAngle1Option, 0, false, 90, tabDegrees, job.TabAngle1, error) ||
        !ReadNumber(parser, TabAngle2Option, 0, false, 90, tabDegrees, job.TabAngle2, error) ||
        !ReadNumber(
            parser, FlatAngleOption, 0, true, MaxFlatAngle,
            QStringLiteral("0 から %1 までの数 (度)").arg(static_cast<double>(MaxFlatAngle)),
            job.FlatAngle, error))
        return false;
    if (parser.isSet(PaperOption)) {
        job.PaperSize = PaperSizeNamed(parser.value(PaperOption));
        if (!job.PaperSize) {
            error = ValueText.arg(PaperOption, parser.value(PaperOption),
                                  QStringLiteral("A4, A3, B5, Letter などの用紙の名前"));
            return false;
        }
    }
    if (parser.isSet(LandscapeOption) && parser.isSet(PortraitOption)) {
        error = QStringLiteral("--landscape と --portrait は一緒に指定できません。");
        return false;
    }
    if (parser.isSet(LandscapeOption) || parser.isSet(PortraitOption))
        job.Landscape = parser.isSet(LandscapeOption);
    return ReadMargins(parser, job, error);
}
