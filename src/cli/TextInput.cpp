#include "cli/TextInput.h"

#include "platform/PathText.h"

#include "document/BseFile.h"
#include "document/FileIo.h"
#include "document/TextReadings.h"
#include "platform/SettingsLocation.h"
#include "platform/TextCodec.h"

#include <QFile>

#include <filesystem>
#include <iostream>

namespace tessra {
namespace {

constexpr std::size_t kProblemsShown = 100;

std::optional<std::string> ReadStream(std::istream& in)
{
    std::string bytes(kBseSizeLimit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

std::optional<std::string> ReadTextArgument(const CliContext& context, const QString& name,
                                            std::string& text)
{
    const std::string path = PathBytes(name);
    const std::optional<std::string> bytes =
        name == "-" ? ReadStream(context.streams.in ? *context.streams.in : std::cin)
                    : ReadFileHead(path, kBseSizeLimit);
    if (!bytes) return path + "\n\n" + std::string(kOpenFailedMessage);
    if (bytes->size() >= kBseSizeLimit) return std::string(kTooLargeMessage);
    text = *bytes;
    return std::nullopt;
}

void PrintProblems(CliStreams& streams, const std::vector<std::string>& problems)
{
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        PrintMessage(streams, problems[i]);
    if (problems.size() > kProblemsShown)
        PrintMessage(streams, "ほかに " + std::to_string(problems.size() - kProblemsShown) +
                                  " か所あります");
}

void AddDictionaryOption(QCommandLineParser& parser)
{
    parser.addOption({"dictionary",
                      "User dictionary of readings (written form, tab, reading in kana); default: "
                      "readings.tsv in the configuration folder when it exists.",
                      "FILE"});
}

void AddMergeOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"merge",
         "One label per row of LIST (CSV or TSV, UTF-8 or CP932); TEXT is then the template: ${NAME} or "
         "${1} is the row's value in that column, $${ a literal ${.",
         "LIST"},
        {"no-header", "LIST has no header row: every row is a label, columns are named by number."},
    });
}

bool MergeOptions(const CliContext& context, bool& merge, int& exitCode)
{
    merge = context.parser.isSet("merge");
    if (merge || !context.parser.isSet("no-header")) return true;
    exitCode = UsageError(context, QStringLiteral("--no-header goes with --merge."));
    return false;
}

std::optional<ListResult> ReadMergeList(const CliContext& context)
{
    const std::string path = PathBytes(context.parser.value("merge"));
    const std::optional<std::string> bytes = ReadFileHead(path, kListSizeLimit);
    if (!bytes) {
        PrintMessage(context.streams, path + "\n\n" + std::string(kOpenFailedMessage));
        return std::nullopt;
    }
    ListResult list = ReadList(*bytes, !context.parser.isSet("no-header"), Cp932ToUtf8);
    if (!list.error.empty()) {
        PrintMessage(context.streams, path + "\n\n" + list.error);
        return std::nullopt;
    }
    return list;
}

std::unique_ptr<Transcriber> TranscriberForOptions(const CliContext& context)
{
    std::string path;
    if (context.parser.isSet("dictionary")) {
        path = PathBytes(context.parser.value("dictionary"));
    } else {
        std::error_code ignored;
        path = UserReadingsPath();
        if (!std::filesystem::exists(path, ignored)) return std::make_unique<Transcriber>();
    }
    std::vector<std::string> errors;
    std::optional<ReadingDictionary> user = LoadUserReadings(path, errors);
    if (!user) {
        for (const std::string& error : errors) PrintMessage(context.streams, error);
        return nullptr;
    }
    return std::make_unique<Transcriber>(MecabDictionaryFolder(), std::move(*user));
}

std::unique_ptr<Transcriber> ReadTextToTranscribe(const CliContext& context, const QStringList& texts,
                                                  std::string& text)
{
    std::unique_ptr<Transcriber> transcriber = TranscriberForOptions(context);
    if (!transcriber) return nullptr;
    if (const auto message = ReadTextArgument(context, texts.value(0, QStringLiteral("-")), text)) {
        PrintMessage(context.streams, *message);
        return nullptr;
    }
    return transcriber;
}

}  // namespace tessra
