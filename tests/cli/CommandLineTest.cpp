#include "cli/CliTestSupport.h"

#include "cli/CliContext.h"
#include "platform/EmbosserQueues.h"
#include "platform/PathText.h"
#include "settings/SettingsRecord.h"
#include "support/DocumentSetUp.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tessra {
namespace {

using test::A4Document;
using test::kSample;
using CommandLineTest = test::CliTest;

TEST_F(CommandLineTest, EmbossWritesTheWorkedExampleAndPaperOptionsActOnlyForTheRModel)
{
    const QStringList emboss{"emboss", Save(A4Document()), "--output", "-", "--thick-paper", "--front-eject"};
    const auto zen10 = Tessra(emboss + QStringList{"--model", "ZEN10"});
    EXPECT_EQ(std::tie(zen10.exitCode, zen10.out), std::tuple(0, "\x1B\x1B\x4E" "\x1B\x1B\x47\x1D\x20\x60\x20\x40\x0D"
        "ABC\x0D" "\x1B\x1B\x46\x30\x30\x0A" "DE\x0D" "\x0C" "\x1B\x1B\x46\x30\x30")) << zen10.err;
    const std::string r = Tessra(emboss + QStringList{"--model", "ZEN10R"}).out;
    EXPECT_TRUE(r.find("\x1B\x1B" "FM3") != std::string::npos && r.find("\x1B\x1B" "FBF\x0C") != std::string::npos) << r;
}

TEST_F(CommandLineTest, EmbossChecksInTheDialogsOrder)
{
    AppState wide = A4Document(), low = A4Document(), none = A4Document(), beyond = A4Document(), control = A4Document();
    Set(wide).format.labelWidth = 210.1;
    Set(low).lines.assign(28, "A");
    Set(none).format.columns = 0;
    Set(beyond).lines[1] = std::string(40, 'A');
    Set(control).lines[1] = "A\x0C";
    const QString a4 = Save(A4Document()), tooWide = Save(wide, "wide.BSE"), tooLow = Save(low, "low.BSE");
    const std::string red = "印字出来ない部分があります\n赤い点字表示が無いように修正してください\n";
    const struct { const char* name; QStringList arguments; std::string err; } rows[] = {
        {"no labels, from label 1", {"emboss", Save(none, "none.BSE"), "--output", "-", "--start", "1", "--copies", "0"},
         "シートにラベルがありません\n\nラベルの行数と列数を 1 以上にしてください　　\n"},
        {"braille beyond the label", {"emboss", Save(beyond, "beyond.BSE"), "--output", "-", "--model", "ZEN10"}, red},
        {"a byte that is no cell", {"emboss", Save(control, "control.BSE"), "--output", "-", "--model", "ZEN10"}, red},
        {"left margin first", {"emboss", tooWide, "--left", "7.99", "--top", "99"}, "左余白は 8.0 ～ 12.0 ㎜に してください\n"},
        {"then the top", {"emboss", a4, "--left", "12.09", "--top", "11"}, "上余白は 12.0 ～ 18.0 ㎜ の範囲内にしてください\n"},
        {"labels sticking out", {"emboss", tooWide, "--output", "-", "--copies", "0"},
         "シート右側からラベルがはみ出しています\n\n全てのラベルがシート内に入るようにしてください　　\n"},
        {"red cells", {"emboss", tooLow, "--output", "-"}, red},
        {"no printer", {"emboss", a4, "--copies", "0"}, "プリンタが選択されていません\n"},
        {"no model", {"emboss", a4, "--output", "-"}, "ZEN-10 以外の点字プリンタで印刷できません\n"},
        {"device derives no model", {"emboss", a4, "--printer", "/dev/null"}, "ZEN-10 以外の点字プリンタで印刷できません\n"},
        {"too few copies", {"emboss", a4, "--output", "-", "--printer", "ZEN-10", "--copies", "0"}, "印刷部数は 1 部以上にしてください\n"},
        {"too many copies", {"emboss", a4, "--output", "-", "--model", "ZEN10", "--copies", "1001"}, "印刷部数は 1000 部以下にしてください\n"},
        {"no number", {"emboss", a4, "--output", "-", "--model", "ZEN10", "--horizontal", "inf"}, "横軸の補正値は -3.0 ～ +3.0 ％ の範囲内にしてください\n"},
        {"not a number", {"emboss", a4, "--output", "-", "--model", "ZEN10", "--vertical", "NaN"}, "縦軸の補正値は -3.0 ～ +3.0 ％ の範囲内にしてください\n"},
    };
    for (const auto& row : rows) {
        const auto run = Tessra(row.arguments);
        EXPECT_EQ(std::tie(run.exitCode, run.err, run.out), std::tuple(1, row.err, "")) << row.name;
    }
}

TEST_F(CommandLineTest, ReadPrintsEveryLabelsReadingAndTheBundledSampleAsJapanese)
{
    AppState cards = test::PerLabelDocument(Catalogue()[9], 3, {"", "\"*W", "#AB", "", "@*", ""});  // 5 x 2
    Set(cards).cellsPerLine = 16;
    const QString doc = Save(cards);
    const auto all = Tessra({"read", doc});
    EXPECT_EQ(all.out.substr(0, all.out.find("[3]")), "[1]\nか゛そ\n⠼１２\n[2]\nきゃ\n\n");
    EXPECT_EQ(Tessra({"read", doc, "--label", "2", "--braille"}).out, "[2]\n⠈⠡\n\n");
    EXPECT_EQ(Tessra({"read", doc, "--label", "10"}).out, "[10]\n");  // the last of 5 x 2

    EXPECT_EQ(Tessra({"read", kSample, "--label", "1"}).out,
              "[1]\nさくら しょてん\nやまた゛ はなこ\n⠼０３（⠼１２３４）⠼５６７８\n⠰⠠Ｈａｎａｋｏ\n\n");
    EXPECT_EQ(Tessra({"read", kSample, "--label", "1", "--plain"}).out,
              "[1]\nさくら しょてん\nやまだ はなこ\n03（1234）5678\nHanako\n\n");
    EXPECT_EQ(Tessra({"read", kSample, "--plain", "--braille"}).exitCode, 2);
}

TEST_F(CommandLineTest, CheckListsTheRedCellsAndPutsTheSheetMessageOnOneLine)
{
    AppState low = A4Document(), high = A4Document();
    Set(low).lines.assign(28, " ");
    Set(low).lines[27] = "AB";
    Set(high).format.sheetHeight = 200;
    const auto red = Tessra({"check", Save(low)});
    EXPECT_EQ(std::tie(red.exitCode, red.out), std::tuple(1, "fits\nunprintable: 2\n"
                                                             "label 1 line 27 cell 1 x 10.00 y 280.20\n"
                                                             "label 1 line 27 cell 2 x 15.08 y 280.20\n"));
    const auto sticking = Tessra({"check", Save(high, "high.BSE")});
    EXPECT_EQ(std::tuple(sticking.exitCode, sticking.out.substr(0, sticking.out.find('\n'))),
              std::tuple(1, "シート下側からラベルがはみ出しています  全てのラベルがシート内に入るようにしてください　　"));
}

// Besides cells out of reach, check counts the braille a label cannot hold and bytes that are no
// cell, and says when the grid has no labels; a start label of 1 is always what no start label is.
TEST_F(CommandLineTest, CheckCountsWhatTheLabelsCannotHoldOrTheEmbosserTakeAndAGridWithoutLabels)
{
    AppState beyond = A4Document(), control = A4Document(), noRows = A4Document(), noColumns = A4Document();
    Set(beyond).lines.assign(31, " ");
    Set(beyond).linesPerPage = 31;
    Set(beyond).lines[1] = std::string(39, 'A') + "BC D";
    Set(beyond).lines[30] = "E";  // label line 30 of a label of 28
    Set(control).lines[1] = std::string("AB\x1B\x1B") + "F00\x0C" + "CD";
    Set(noRows).format.rows = 0;
    Set(noColumns).format.columns = -3;
    const std::string noLabels = "シートにラベルがありません  ラベルの行数と列数を 1 以上にしてください　　\n";
    const struct { QString doc; std::string out; } rows[] = {
        {Save(beyond, "beyond.BSE"), "fits\nunprintable: 0\nbeyond label: 4\nlabel 1 line 1 cells 3\nlabel 1 line 30 cells 1\n"},
        {Save(control, "control.BSE"), "fits\nunprintable: 3\nlabel 1 line 1 cell 3 x 20.16 y 15.00\n"
                                       "label 1 line 1 cell 4 x 25.24 y 15.00\nlabel 1 line 1 cell 8 x 45.56 y 15.00\n"},
        {Save(noRows, "rows.BSE"), noLabels + "unprintable: 0\n"},
        {Save(noColumns, "columns.BSE"), noLabels + "unprintable: 0\n"},
    };
    for (const auto& row : rows) {
        const auto check = Tessra({"check", row.doc});
        EXPECT_EQ(std::tie(check.exitCode, check.out), std::tuple(1, row.out));
        EXPECT_EQ(Tessra({"check", row.doc, "--start", "1"}).out, row.out);
    }
    const auto second = Tessra({"check", rows[2].doc, "--start", "2"});
    EXPECT_TRUE(second.exitCode == 2 && second.err.starts_with("--start must lie between 1 and 1.\n")) << second.err;
}

// The README's example: a jar label composed from standard input reads back as typed, in the
// reading's spelling, and can be checked and embossed.
TEST_F(CommandLineTest, ComposeWritesALabelThatReadsBackAndEmbossesAndRefusesEveryBadPlace)
{
    const QString sugar = QString::fromStdString(dir.File("sugar.BSE"));
    std::istringstream typed("さとう\nシュガー 500g\n");
    std::ostringstream out, err;
    CliStreams streams{out, err, false, &typed};
    ASSERT_EQ(RunCommandLine({"compose", "--output", sugar, "--format", "マルチラベル@名刺(1)  10面 ｾﾝﾀｰ 0㎜"}, streams), 0)
        << err.str();
    EXPECT_EQ(Tessra({"read", sugar, "--label", "10"}).out, "[10]\nさとう\nしゅか゛ー ⠼５００⠰ｇ\n");
    EXPECT_EQ(Tessra({"check", sugar}).out, "fits\nunprintable: 0\n");
    EXPECT_EQ(Tessra({"emboss", sugar, "--output", QString::fromStdString(dir.File("sugar.prn")), "--model", "ZEN10"}).exitCode, 0);

    const std::string text = dir.File("bad.txt"), bad = dir.File("bad.BSE");
    std::ofstream(text) << "さとう\n砂糖 ）😀\n";
    const auto refused = Tessra({"compose", QString::fromStdString(text), "--output", QString::fromStdString(bad)});
    EXPECT_EQ(std::tie(refused.exitCode, refused.err),
              std::tuple(1, "2 行 4 文字目「）」: 開きかっこ「（」より先に閉じかっこは書けません\n"
                            "2 行 5 文字目「😀」: 絵文字や絵記号、罫線は点字にできません\n"
                            "意味をかなで書いてください（例: でんわ）\n"));
    EXPECT_FALSE(std::filesystem::exists(bad));
    EXPECT_NE(Tessra({"compose", "--list-formats"}).out.find("\nマルチラベル@名刺(5)  8面ドブ裁断(1)\n"),
              std::string::npos);

    // Braille patterns are cells as they stand: no numeral sign is added before the kana here.
    const std::string patterns = dir.File("patterns.txt"), literal = dir.File("literal.BSE");
    std::ofstream(patterns) << "⠼⠁あ\n";
    ASSERT_EQ(Tessra({"compose", QString::fromStdString(patterns), "--output", QString::fromStdString(literal)}).exitCode, 0);
    EXPECT_EQ(Tessra({"read", QString::fromStdString(literal), "--braille"}).out, "[1]\n⠼⠁⠁\n");
}

TEST_F(CommandLineTest, StartLabelAndFurtherSheetsInEverySubcommand)
{
    const QString cards = Save(test::PerLabelDocument(Catalogue()[9], 2, test::LetterPages(12)), "cards.BSE");  // 5 x 2
    const auto read = Tessra({"read", cards, "--braille"});
    EXPECT_NE(read.out.find("[11]\n⠅\n[12]\n⠇\n[13]\n[14]\n"), std::string::npos) << read.out;  // K and L on sheet 2

    const QStringList emboss{"emboss", cards, "--output", "-", "--model", "ZEN10"};
    const auto plain = Tessra(emboss), fromOne = Tessra(emboss + QStringList{"--start", "1"});
    EXPECT_TRUE(plain.exitCode == 0 && plain.out == fromOne.out) << plain.err;
    const auto fromNine = Tessra(emboss + QStringList{"--start", "9"}).out;
    EXPECT_TRUE(fromNine.find("A\x0D") < fromNine.find("B\x0D") && fromNine.find("\x0C") < fromNine.find("C\x0D"));

    // The second page of a single A4 label holds two cells below the bottom limit, on sheet 2.
    AppState twoSheets = test::PerLabelDocument(Catalogue()[0], 28, std::vector<std::string>(56, " "));
    ParseFormatString(preset::kDefaultFormat, Set(twoSheets).format);
    Set(twoSheets).lines[29] = "A";
    Set(twoSheets).lines[28 + 27] = "AB";
    const QString a4 = Save(twoSheets, "a4.BSE");
    const auto check = Tessra({"check", a4, "--start", "1"});
    EXPECT_EQ(std::tie(check.exitCode, check.out), std::tuple(1, "fits\nunprintable: 2\n"
                                                                 "sheet 2 label 1 line 27 cell 1 x 10.00 y 280.20\n"
                                                                 "sheet 2 label 1 line 27 cell 2 x 15.08 y 280.20\n"));
    const QString png = QString::fromStdString(dir.File("sheet.png"));
    EXPECT_EQ(Tessra({"render", a4, "--output", png, "--sheet", "2", "--kana"}).exitCode, 0);

    for (const QStringList& arguments : std::initializer_list<QStringList>{
             {"emboss", cards, "--output", "-", "--start", "11"}, {"check", cards, "--start", "0"},
             {"check", a4, "--start", "2"}, {"render", cards, "--output", png, "--start", "x"},
             {"render", a4, "--output", png, "--sheet", "3"}, {"read", cards, "--label", "21"},
             {"read", cards, "--start", "2"}}) {
        const auto run = Tessra(arguments);
        EXPECT_TRUE(run.exitCode == 2 && run.out.empty() && !run.err.empty()) << arguments.join(' ').toStdString();
    }
}

TEST_F(CommandLineTest, UsageErrorsExitWith2AndAnUnreadableFileWith1)
{
    const QString doc = Save(A4Document());
    for (const QStringList& arguments : std::initializer_list<QStringList>{
             {"read"}, {"read", doc, doc}, {"read", doc, "--label", "0"}, {"read", doc, "--label", "2"},
             {"read", doc, "--label", "x"}, {"check", doc, "--nonsense"}, {"emboss", doc, "--copies", "2x"},
             {"emboss", doc, "--model", "ZEN20"}, {"draw", doc}, {"compose", "-"},
             {"compose", "--output", "a.BSE", "--format", "A3"}, {"compose", "a", "b", "--output", "a.BSE"}}) {
        const auto run = Tessra(arguments);
        EXPECT_TRUE(run.exitCode == 2 && !run.err.empty()) << arguments.join(' ').toStdString();
    }
    const std::string missing = dir.File("missing.BSE");
    const auto run = Tessra({"read", QString::fromStdString(missing)});
    EXPECT_EQ(std::tie(run.exitCode, run.err), std::tuple(1, missing + "\n\nファイルのオープンに失敗しました。\n"));
}

TEST_F(CommandLineTest, HelpAndVersionGoToStandardOutputAndUsageTextsNameTheSubcommand)
{
    const auto version = Tessra({"--version"});
    EXPECT_EQ(std::tie(version.exitCode, version.out), std::tuple(0, "Tessra    Version 0.20\n"));
    const auto help = Tessra({"-h"});
    EXPECT_TRUE(help.exitCode == 0 && help.out.starts_with("Usage: tessra [options] [FILE.BSE]\n") &&
                help.out.find("\n  check ") != std::string::npos) << help.out;
    const auto read = Tessra({"read", "--help"});
    EXPECT_TRUE(read.exitCode == 0 && read.out.starts_with("Usage: tessra read [options] FILE\n") &&
                read.out.find("--label <N>") != std::string::npos) << read.out;
    const auto wrong = Tessra({"check", "--label", "1"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("\n\nUsage: tessra check [options] FILE\n"), std::string::npos) << wrong.err;
}

// テキスト.txt, テスト.BSE and テスト.png as names copied from Windows: CP932 bytes, not UTF-8. The
// words go in as main() gets them, so nothing between the system and the files may change a byte.
TEST_F(CommandLineTest, FileNamesThatAreNotUtf8AreUsedAsTheirBytes)
{
    const std::string text = dir.File("\x83\x65\x83\x4C\x83\x58\x83\x67.txt"),
                      document = dir.File("\x83\x65\x83\x58\x83\x67.BSE"), picture = dir.File("\x83\x65\x83\x58\x83\x67.png");
    test::WriteBytes(text, "さとう\n");
    const auto run = [&](std::vector<const char*> words) {
        words.insert(words.begin(), "tessra");
        return Tessra(ArgumentsOf(static_cast<int>(words.size()), words.data()));
    };
    EXPECT_EQ(run({"compose", text.c_str(), "--output", document.c_str()}).err, "");
    EXPECT_EQ(run({"read", document.c_str()}).out, "[1]\nさとう\n");
    EXPECT_EQ(run({"render", document.c_str(), "--output", picture.c_str()}).err, "");
    EXPECT_TRUE(std::filesystem::exists(picture));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);  // nothing under a mangled name
}

TEST_F(CommandLineTest, AnOutputThatIsTheInputIsRefusedAndNothingIsWritten)
{
    const QString doc = Save(A4Document());
    const std::string original = test::ReadBytes(doc.toStdString());
    const std::string linked = dir.File("linked.prn"), picture = dir.File("doc.png"), text = dir.File("text.BSE");
    ASSERT_EQ(::link(doc.toStdString().c_str(), linked.c_str()), 0);
    std::filesystem::create_symlink(doc.toStdString(), picture);
    test::WriteBytes(text, "さとう\n");
    const auto q = [](const std::string& path) { return QString::fromStdString(path); };
    const struct { QStringList arguments; std::string output, kept; } rows[] = {
        {{"emboss", doc, "--output", doc, "--model", "ZEN10"}, doc.toStdString(), original},
        {{"emboss", doc, "--output", q(linked), "--model", "ZEN10"}, linked, original},
        {{"render", doc, "--output", q(picture)}, picture, original},
        {{"convert", doc, doc}, doc.toStdString(), original},
        {{"compose", q(text), "--output", q(text)}, text, "さとう\n"},
    };
    for (const auto& row : rows) {
        const auto run = Tessra(row.arguments);
        EXPECT_EQ(std::tie(run.exitCode, run.err),
                  std::tuple(1, row.output + "\n\n" + std::string(kOutputIsInputMessage) + "\n"))
            << row.arguments.join(' ').toStdString();
        EXPECT_EQ(test::ReadBytes(row.output), row.kept);
    }
}

// Results lost on the way to standard output are a failure, told once on standard error.
TEST_F(CommandLineTest, ResultsThatCannotBeWrittenToStandardOutputFail)
{
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    for (const QStringList& arguments : std::initializer_list<QStringList>{
             {"read", kSample}, {"read", kSample, "--plain"}, {"check", kSample}, {"reading"},
             {"compose", "--list-formats"}, {"--version"}, {"read", "--help"},
             {"emboss", kSample, "--output", "-", "--model", "ZEN10"}}) {
        std::ofstream full("/dev/full", std::ios::binary);
        std::ostringstream err;
        std::istringstream typed("さとう\n");
        CliStreams streams{full, err, false, &typed};
        const int exitCode = RunCommandLine(QStringList(arguments) << "--settings" << QString::fromStdString(settings), streams);
        EXPECT_EQ(std::tuple(exitCode, err.str()), std::tuple(1, std::string(kOutputFailedMessage) + "\n"))
            << arguments.join(' ').toStdString();
    }
}

TEST(DesktopCommandLine, IsEveryLineWithoutSubcommandHelpVersionOrFault)
{
    const auto start = DesktopCommandLine({"--settings", "my.ini", "label.BSE"});
    ASSERT_TRUE(start);
    EXPECT_EQ(std::tie(start->settingsPath, start->file), std::tuple("my.ini", "label.BSE"));
    const auto bare = DesktopCommandLine({});
    EXPECT_TRUE(bare && bare->settingsPath.isEmpty() && bare->file.isEmpty());
    for (const QStringList& headless : std::initializer_list<QStringList>{
             {"read", "x.BSE"}, {"--version"}, {"a.BSE", "--help"}, {"a.BSE", "b.BSE"}, {"--zoom", "2"}})
        EXPECT_FALSE(DesktopCommandLine(headless)) << headless.join(' ').toStdString();
}

// Every catalogue format, with shared and per-label data, a free pitch and (with the shared data)
// text longer than the labels: the subcommands must agree with each other on every one.
TEST_F(CommandLineTest, SubcommandsAgreeOnEveryCatalogueFormat)
{
    int embossed = 0, refused = 0;
    for (const Preset& preset : Catalogue()) {
        for (const bool freePitch : {false, true}) {
            SCOPED_TRACE(std::string(preset.layout) + (freePitch ? " free" : ""));
            AppState doc = test::PerLabelDocument(preset, 4, {"", "A  B", std::string(6, 'C'), "", "title", "#ABC", "", "D"});
            if (freePitch) {
                Set(doc).lines[2] = std::string(60, 'C');
                Set(doc).format.lineCode.clear();
                Set(doc).format.linePitch = 7.5;
                Set(doc).format.y3 = 1.0;  // above the top margin wherever the labels start high
            }
            Set(doc).sameDataForAllLabels = freePitch;
            const QString file = Save(doc);
            const auto check = Tessra({"check", file}), read = Tessra({"read", file});
            const auto output = Tessra({"emboss", file, "--output", "-", "--model", "ZEN10R", "--copies", "2"});
            const std::string lastLabel = "[" + std::to_string(doc.document.format().rows * doc.document.format().columns) + "]\n";
            EXPECT_TRUE(read.exitCode == 0 && read.out.find(lastLabel) != std::string::npos);
            EXPECT_EQ(check.exitCode == 0, output.exitCode == 0) << check.out << output.err;
            ++(output.exitCode == 0 ? embossed : refused);
            if (output.exitCode == 0)
                EXPECT_TRUE(output.out.starts_with("\x1B\x1BN"));
            else
                EXPECT_EQ(check.out.starts_with("fits\n"), output.err.starts_with("印字出来ない部分があります"));
        }
    }
    EXPECT_TRUE(embossed > 10 && refused > 5) << embossed << " embossed, refused " << refused;
}

// The command line against a private spooler: what arrives in the queue must be the very stream
// that --output writes for the same document and choices.
using EmbossToSpoolerTest = testing::WithEmbosserQueues<test::CliTest>;

TEST_F(EmbossToSpoolerTest, QueueReceivesTheOutputStreamByteForByte)
{
    AppState chosen;  // the settings' printer, used when no --printer is given
    chosen.settingsPath = settings;
    chosen.printerName = "ZEN-10R";
    chosen.printerModel = "ZEN10R";
    chosen.printerPort = "capture";
    ASSERT_TRUE(CreateSettingsFile(settings) && SavePrinterSelection(chosen));
    // 名刺(4): LP24, 5 x 2
    const AppState cards = test::PerLabelDocument(Catalogue()[12], 4, {"", "ABC", "", "#AB", "", "\"*W", "DE", "", "", "Q"});
    // 25 pages from label 4: labels 4 to 10, then two more sheets, the last one half used.
    const AppState longList = test::PerLabelDocument(Catalogue()[12], 2, test::LetterPages(25));
    const struct { const char* queue; AppState document; QStringList options; } rows[] = {
        {"ZEN-10", cards, {"--printer", "ZEN-10", "--copies", "3"}},
        {"ZEN-10", longList, {"--printer", "ZEN-10", "--start", "4"}},
        {"ZEN-10R", cards, {"--printer", "ZEN-10R", "--copies", "2", "--thick-paper", "--front-eject"}},
        {"ZEN-10R", test::A4Document(), {"--printer", "ZEN-10R", "--left", "9.5", "--vertical", "-1.5"}},
        {"ZEN-10R", test::A4Document(), {}},  // the settings' printer, sending on a terminal
    };
    for (const auto& row : rows) {
        const QStringList emboss = QStringList{"emboss", Save(row.document)} + row.options;
        const auto output = Tessra(emboss + QStringList{"--output", "-"});
        const auto sent = Tessra(emboss, row.options.isEmpty());
        ASSERT_EQ(std::tuple(output.exitCode, sent.exitCode), std::tuple(0, 0)) << output.err << sent.err;
        EXPECT_EQ(sent.err.find("100%") != std::string::npos, row.options.isEmpty()) << sent.err;
        EXPECT_EQ(Received(row.queue), output.out) << row.queue << ' ' << row.options.join(' ').toStdString();
    }
}

// A stopped spooler is the transport's own test; here only that the command reports a failure.
TEST_F(EmbossToSpoolerTest, UnknownQueueIsReported)
{
    const auto run = Tessra({"emboss", Save(test::A4Document()), "--printer", "ZEN-10-missing"});
    EXPECT_EQ(std::tie(run.exitCode, run.err), std::tuple(1, "プリンタのオープンに失敗しました\n"));
}

}  // namespace
}  // namespace tessra
