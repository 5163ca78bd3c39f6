#include "cli/CliTestSupport.h"

#include "app/SettingsRecord.h"
#include "support/TempDir.h"

namespace tessra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

using test::A4Document;
using test::CliRun;

class CommandLineTest : public testing::Test {
protected:
    test::TempDir dir;
    std::string settings = dir.File("Tessra.ini");

    std::string Save(AppState state, std::string_view name = "doc.BSE")
    {
        return test::SavedAs(std::move(state), dir.File(name)).toStdString();
    }

    void SaveSettings(std::string_view printer, std::string_view model)
    {
        AppState state;
        state.settingsPath = settings;
        state.printerName = std::string(printer);
        state.printerModel = std::string(model);
        ASSERT_TRUE(CreateSettingsFile(settings));
        ASSERT_TRUE(SavePrinterSelection(state));
    }

    CliRun Tessra(const QStringList& arguments) { return test::RunTessra(arguments, settings); }
};

TEST_F(CommandLineTest, EmbossWritesTheWorkedExampleStream)
{
    const std::string file = Save(A4Document());
    const CliRun run = Tessra({"emboss", QString::fromStdString(file), "--output", "-", "--model", "ZEN10"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "\x1B\x1B\x4E"
                       "\x1B\x1B\x47\x1D\x20\x60\x20\x40\x0D"
                       "ABC\x0D"
                       "\x1B\x1B\x46\x30\x30\x0A" "DE\x0D"
                       "\x0C"
                       "\x1B\x1B\x46\x30\x30");
    EXPECT_EQ(run.err, "");
}

TEST_F(CommandLineTest, EmbossToAFileEqualsTheStreamAndADevicePathGetsTheSameBytes)
{
    SaveSettings("ZEN-10R", "ZEN10R");
    const std::string file = Save(A4Document());
    const QString doc = QString::fromStdString(file);
    const std::string output = dir.File("out.bin");
    ASSERT_EQ(Tessra({"emboss", doc, "--output", QString::fromStdString(output), "--copies", "3",
                      "--thick-paper", "--front-eject"}).exitCode, 0);
    const std::string stream = ReadBytes(output);
    EXPECT_EQ(stream.substr(0, 3 + 4 + 5 + 5 + 5), "\x1B\x1B\x4E" "\x1B\x1BRS" "\x1B\x1B" "FF0"
                                                   "\x1B\x1B" "FB0" "\x1B\x1B" "FM3");
    EXPECT_EQ(stream.substr(stream.size() - 9), "\x1B\x1B\x46\x30\x30\x1B\x1BRR");

    const std::string device = dir.File("lp0");
    WriteBytes(device, "");
    const CliRun sent = Tessra({"emboss", doc, "--printer", QString::fromStdString(device), "--model",
                             "ZEN10R", "--copies", "3", "--thick-paper", "--front-eject"});
    ASSERT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_EQ(ReadBytes(device), stream);
}

TEST_F(CommandLineTest, EmbossChecksInTheDialogsOrder)
{
    AppState wide = A4Document();
    wide.format.labelWidth = 210.1;
    AppState low = A4Document();
    low.lines.assign(28, "A");
    const QString a4 = QString::fromStdString(Save(A4Document()));
    const QString tooWide = QString::fromStdString(Save(wide, "wide.BSE"));
    const QString tooLow = QString::fromStdString(Save(low, "low.BSE"));

    const struct {
        const char* name;
        QStringList arguments;
        const char* message;
    } rows[] = {
        {"left margin first", {"emboss", tooWide, "--left", "7.99", "--top", "99"},
         "左余白は 8.0 ～ 12.0 ㎜に してください"},
        {"then the top", {"emboss", a4, "--left", "12.09", "--top", "11"},
         "上余白は 12.0 ～ 18.0 ㎜ の範囲内にしてください"},
        {"labels sticking out", {"emboss", tooWide, "--output", "-", "--copies", "0"},
         "シート右側からラベルがはみ出しています\n\n全てのラベルがシート内に入るようにしてください　　"},
        {"red cells", {"emboss", tooLow, "--output", "-"},
         "印字出来ない部分があります\n赤い点字表示が無いように修正してください"},
        {"no printer", {"emboss", a4, "--copies", "0"}, "プリンタが選択されていません"},
        {"no model", {"emboss", a4, "--output", "-"}, "ZEN-10 以外の点字プリンタで印刷できません"},
        {"device derives no model", {"emboss", a4, "--printer", "/dev/null"},
         "ZEN-10 以外の点字プリンタで印刷できません"},
        {"too few copies", {"emboss", a4, "--output", "-", "--printer", "ZEN-10", "--copies", "0"},
         "印刷部数は 1 部以上にしてください"},
        {"too many copies", {"emboss", a4, "--output", "-", "--model", "ZEN10", "--copies", "1001"},
         "印刷部数は 1000 部以下にしてください"},
    };
    for (const auto& row : rows) {
        const CliRun run = Tessra(row.arguments);
        EXPECT_EQ(run.exitCode, 1) << row.name;
        EXPECT_EQ(run.err, std::string(row.message) + "\n") << row.name;
        EXPECT_EQ(run.out, "") << row.name;
    }
}

TEST_F(CommandLineTest, ReadPrintsEveryLabelsReading)
{
    AppState cards = A4Document();
    ParseFormatString(Catalogue()[9].layout, cards.format);  // 5 x 2 business cards
    cards.sameDataForAllLabels = false;
    cards.linesPerPage = 3;
    cards.cellsPerLine = 16;
    cards.lines = {"", "\"*W", "#AB", "", "@*", ""};
    const QString doc = QString::fromStdString(Save(cards));

    CliRun run = Tessra({"read", doc});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("[3]")), "[1]\nか゛そ\n⠼１２\n[2]\nきゃ\n\n");
    EXPECT_NE(run.out.find("[10]\n"), std::string::npos);

    run = Tessra({"read", doc, "--label", "2", "--braille"});
    EXPECT_EQ(run.out, "[2]\n⠈⠡\n\n");
}

TEST_F(CommandLineTest, CheckListsTheRedCells)
{
    AppState low = A4Document();
    low.lines.assign(28, " ");
    low.lines[27] = "AB";
    const CliRun run = Tessra({"check", QString::fromStdString(Save(low))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "fits\nunprintable: 2\n"
                       "label 1 line 27 cell 1 x 10.00 y 280.20\n"
                       "label 1 line 27 cell 2 x 15.08 y 280.20\n");

    AppState wide = A4Document();
    wide.format.sheetHeight = 200;
    const CliRun sticking = Tessra({"check", QString::fromStdString(Save(wide, "w.BSE"))});
    EXPECT_EQ(sticking.exitCode, 1);
    EXPECT_EQ(sticking.out.substr(0, sticking.out.find('\n')),
              "シート下側からラベルがはみ出しています  全てのラベルがシート内に入るようにしてください　　");

    EXPECT_EQ(Tessra({"check", QString::fromStdString(Save(A4Document(), "ok.BSE"))}).out,
              "fits\nunprintable: 0\n");
}

TEST_F(CommandLineTest, UsageErrorsAndUnreadableFiles)
{
    const QString doc = QString::fromStdString(Save(A4Document()));
    for (const QStringList& arguments :
         {QStringList{"read"}, QStringList{"read", doc, doc}, QStringList{"read", doc, "--label", "0"},
          QStringList{"read", doc, "--label", "x"}, QStringList{"check", doc, "--nonsense"},
          QStringList{"emboss", doc, "--copies", "2x"}, QStringList{"emboss", doc, "--model", "ZEN20"},
          QStringList{"draw", doc}}) {
        const CliRun run = Tessra(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.empty());
    }

    const std::string missing = dir.File("missing.BSE");
    const CliRun run = Tessra({"read", QString::fromStdString(missing)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, missing + "\n\nファイルのオープンに失敗しました。\n");
}

// Every catalogue format, with shared and per-label data, a free pitch and text longer than the
// labels: the three subcommands must agree with each other on every one.
TEST_F(CommandLineTest, SubcommandsAgreeOnEveryCatalogueFormat)
{
    const std::string device = dir.File("device");
    int embossed = 0;
    int refused = 0;
    for (const Preset& preset : Catalogue()) {
        for (const bool freePitch : {false, true}) {
            AppState doc = A4Document();
            ParseFormatString(preset.layout, doc.format);
            if (freePitch) {
                doc.format.lineCode.clear();
                doc.format.linePitch = 7.5;
                doc.format.y3 = 1.0;  // above the top margin wherever the labels start high
            }
            doc.sameDataForAllLabels = freePitch;
            doc.linesPerPage = 4;
            doc.lines = {"", "A  B", std::string(60, 'C'), "", "title", "#ABC", "", "D"};
            const QString file = QString::fromStdString(Save(doc));
            const std::string name = std::string(preset.layout) + (freePitch ? " free" : "");

            const CliRun check = Tessra({"check", file});
            const CliRun read = Tessra({"read", file});
            const CliRun output = Tessra({"emboss", file, "--output", "-", "--model", "ZEN10R", "--copies", "2"});
            WriteBytes(device, "");
            const CliRun sent = Tessra({"emboss", file, "--printer", QString::fromStdString(device),
                                        "--model", "ZEN10R", "--copies", "2"});

            EXPECT_EQ(read.exitCode, 0) << name;
            const long long labels = static_cast<long long>(doc.format.rows) * doc.format.columns;
            EXPECT_NE(read.out.find("[" + std::to_string(labels) + "]\n"), std::string::npos) << name;
            EXPECT_EQ(check.exitCode == 0, output.exitCode == 0) << name << check.out << output.err;
            EXPECT_EQ(output.exitCode, sent.exitCode) << name;
            ++(output.exitCode == 0 ? embossed : refused);
            if (output.exitCode == 0) {
                EXPECT_EQ(ReadBytes(device), output.out) << name;
                EXPECT_EQ(output.out.substr(0, 3), "\x1B\x1BN") << name;
            } else {
                const std::string firstLine = check.out.substr(0, check.out.find('\n'));
                const std::string reason = output.err.substr(0, output.err.find('\n'));
                EXPECT_EQ(firstLine == "fits", reason.rfind("印字出来ない部分があります", 0) == 0) << name;
            }
        }
    }
    EXPECT_GT(embossed, 10);
    EXPECT_GT(refused, 5);
}

}  // namespace
}  // namespace tessra
