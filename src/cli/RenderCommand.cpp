#include "cli/CliContext.h"

#include "document/FileIo.h"
#include "sheet/LabelChoice.h"
#include "sheet/SheetPages.h"
#include "display/ViewPicture.h"
#include "platform/PathText.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>

#include <cstdio>
#include <memory>

namespace tessra {
namespace {

constexpr const char* kSaveFailed = "ファイルの保存に失敗しました。";

// Fonts need a GUI application; render never shows a window, so the offscreen platform serves
// whether or not a display is there.
void EnsureGuiApplication()
{
    if (QCoreApplication::instance()) return;
    // Qt's notes about the session (no runtime directory and the like) are no concern of a
    // headless run; the command reports its own failures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    static int argc = 3;
    static char name[] = "tessra", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    static const auto application = std::make_unique<QGuiApplication>(argc, argv);
}

bool PaintPdf(QBuffer& file, AppState& state, int clientWidth, QSize size)
{
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Tessra"));
    pdf.setResolution(96);
    pdf.setPageMargins(QMarginsF());
    pdf.setPageSize(QPageSize(QSizeF(size.width() * 72.0 / 96, size.height() * 72.0 / 96),
                              QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    PaintViewPicture(painter, state, clientWidth);
    return painter.end();
}

bool WritePicture(const QString& path, AppState& state, int clientWidth, QSize size)
{
    // The picture is made in memory first so that the file is saved like every other one.
    QBuffer file;
    if (!file.open(QIODevice::WriteOnly)) return false;
    const bool written = path.endsWith(".pdf", Qt::CaseInsensitive)
                             ? PaintPdf(file, state, clientWidth, size)
                             : ViewImage(state, clientWidth).save(&file, "PNG");
    file.close();
    if (!written) return false;
    const QByteArray& bytes = file.buffer();
    return WriteFileAtomically(PathBytes(path),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool ZoomOption(const CliContext& context, int& zoom, int& exitCode)
{
    zoom = 1;
    if (!context.parser.isSet("zoom")) return true;
    if (!WholeNumberOption(context, "zoom", zoom, exitCode)) return false;
    if (zoom >= 0 && zoom <= 3) return true;
    exitCode = UsageError(context, QStringLiteral("--zoom must be 0, 1, 2 or 3."));
    return false;
}

// --sheet S: one of the job's sheets, from the start label on.
bool SheetOption(CliContext& context, int& exitCode)
{
    int sheet = 1;
    if (!WholeNumberOption(context, "sheet", sheet, exitCode)) return false;
    const long long sheets = PlanSheets(context.state).sheets;
    if (sheet < 1 || sheet > sheets) {
        exitCode = UsageError(context, QStringLiteral("--sheet must lie between 1 and %1.").arg(sheets));
        return false;
    }
    context.state.shownSheet = sheet - 1;
    return true;
}

bool LabelOption(const CliContext& context, long long& label, int& exitCode)
{
    int number = 1;
    if (!context.parser.isSet("label")) return true;
    if (!WholeNumberOption(context, "label", number, exitCode)) return false;
    const long long labels = LabelCount(context.state.document.format());
    if (number >= 1 && number <= labels) {
        label = number - 1;
        return true;
    }
    exitCode = UsageError(context, QStringLiteral("--label must lie between 1 and %1.").arg(labels));
    return false;
}

// The refusal of a picture too large to draw, with the options that would draw it.
std::string TooLargeMessage(const AppState& state, int width)
{
    const QSize size = UnlimitedViewPictureSize(state, width);
    std::string message = "画像が大きすぎるため描画できません（" + std::to_string(size.width()) +
                          " × " + std::to_string(size.height()) + " ピクセル。1 辺 " +
                          std::to_string(kLargestPictureSide) + " ピクセル、" +
                          std::to_string(kLargestPicturePixels / 1'000'000) +
                          " 百万ピクセルまで）。";
    const std::optional<PictureThatFits> fit = FitPicture(state, width);
    if (!fit) return message + "どの --zoom でも大きすぎます。ラベルの寸法を確かめてください。";
    std::string options;
    if (std::string("Zoom_") + char('0' + fit->zoom) != state.zoom) options = "--zoom " + std::to_string(fit->zoom) + " ";
    if (fit->clientWidth < width) options += "--width " + std::to_string(fit->clientWidth) + " 以下";
    return message + options + "なら描画できます。";
}

}  // namespace

int RunRender(CliContext& context)
{
    const QCommandLineParser& parser = context.parser;
    const QString output = parser.value("output");
    if (output.isEmpty()) return UsageError(context, QStringLiteral("--output is required."));
    if (!output.endsWith(".png", Qt::CaseInsensitive) && !output.endsWith(".pdf", Qt::CaseInsensitive))
        return UsageError(context, QStringLiteral("--output must end in .png or .pdf."));
    const QString view = parser.value("view");
    if (view != "sheet" && view != "label")
        return UsageError(context, QStringLiteral("--view must be sheet or label."));
    int zoom = 1;
    int width = 800;
    int exitCode = kExitOk;
    if (!ZoomOption(context, zoom, exitCode)) return exitCode;
    if (!WholeNumberOption(context, "width", width, exitCode)) return exitCode;
    long long label = 0;
    if (!LabelOption(context, label, exitCode)) return exitCode;
    if (width < 1 || width > kLargestPictureSide)
        return UsageError(context,
                          QStringLiteral("--width must lie between 1 and %1.").arg(kLargestPictureSide));

    AppState& state = context.state;
    if (!StartLabelOption(context, exitCode) || !SheetOption(context, exitCode)) return exitCode;
    if (OutputIsAnInput(context, PathBytes(output), {DocumentPath(context)})) return kExitRefused;
    state.viewMode = view == "sheet" ? mode::kSheet : mode::kLabel;
    state.zoom = std::string("Zoom_") + char('0' + zoom);
    state.displayMode = parser.isSet("kana") ? mode::kKana : mode::kBraille;
    state.chosenLabel = label;

    EnsureGuiApplication();
    const QSize size = ViewPictureSize(state, width);
    if (size.isEmpty()) {
        PrintMessage(context.streams, TooLargeMessage(state, width));
        return kExitRefused;
    }
    if (!WritePicture(output, state, width, size)) {
        PrintMessage(context.streams, PathBytes(output) + "\n" + kSaveFailed);
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace tessra
