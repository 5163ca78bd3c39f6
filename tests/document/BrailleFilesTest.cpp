#include "document/BrailleFiles.h"

#include "braille/BrailleUnicode.h"
#include "document/BraillePages.h"
#include "document/BrailleText.h"
#include "document/BrfFile.h"
#include "document/BseFile.h"
#include "document/DocumentCommands.h"
#include "document/PefFile.h"
#include "text/Utf8Text.h"
#include "support/TempDir.h"
#include "support/DocumentSetUp.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstring>
#include <filesystem>
#include <random>

namespace tessra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const BrailleFileKind kOtherKinds[] = {BrailleFileKind::Brf, BrailleFileKind::Pef, BrailleFileKind::Text};

// Cells as their dots: 0x60 … 0x7E are the cells 0x40 … 0x5E.
BraillePages Canonical(BraillePages pages)
{
    for (BraillePage& page : pages)
        for (std::string& line : page)
            for (char& cell : line) cell = static_cast<char>(CellOfByte(static_cast<unsigned char>(cell)).value());
    return pages;
}

AppState RandomDocument(std::mt19937& random)
{
    AppState state;
    NewDocument(state);
    Set(state).linesPerPage = std::uniform_int_distribution(1, 99)(random);
    const int lines = std::uniform_int_distribution(0, 300)(random);
    std::uniform_int_distribution<int> length(0, 45), cell(0x20, 0x7E), blanks(0, 3);
    for (int i = 0; i < lines; ++i) {
        std::string line(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : line) c = static_cast<char>(cell(random));
        Set(state).lines.push_back(line + std::string(static_cast<std::size_t>(blanks(random)), ' '));
    }
    return state;
}

// PEF wants a page; a document without one comes back with one empty page.
BraillePages Expected(BraillePages pages, BrailleFileKind kind)
{
    if (pages.empty() && kind == BrailleFileKind::Pef) pages.emplace_back();
    return Canonical(std::move(pages));
}

TEST(BrailleFiles, RandomDocumentsKeepEveryCellOfEveryPage)
{
    std::mt19937 random(21);
    for (int run = 0; run < 300; ++run) {
        const AppState original = RandomDocument(random);
        for (const BrailleFileKind kind : kOtherKinds) {
            const ExportImage image = BuildExportImage(original, kind);
            const PagesRead read = ParseBrailleFile(image.bytes, kind);
            ASSERT_EQ(image.problem.value_or(read.problem.value_or("")), "");
            AppState back;
            LoadPages(read.pages, DefaultImportPreset(), back);
            ASSERT_EQ(DocumentPages(back), Expected(DocumentPages(original), kind)) << run << " " << int(kind);
        }
    }
}

TEST(LoadPages, MakesAnUnnamedDocumentWhosePagesStartWhereThePageSizeSays)
{
    AppState state;
    state.document.Rename("old.BSE", state.document.fileExtension());
    LoadPages({{"AB"}, {"C", "D", "E"}, {}}, DefaultImportPreset(), state);
    EXPECT_EQ(state.document.lines(), (std::vector<std::string>{"", "AB", "", "", "", "C", "D", "E", ""}));
    EXPECT_EQ(state.document.linesPerPage(), 4);
    EXPECT_EQ(state.document.cellsPerLine(), 39);  // the A4 label's capacity
    EXPECT_FALSE(state.document.sameDataForAllLabels());
    EXPECT_EQ(state.document.filePath(), "");
    LoadPages({{"AB", "CD"}}, DefaultImportPreset(), state);
    EXPECT_TRUE(state.document.sameDataForAllLabels());
}

struct ReadRow {
    const char* name;
    std::string bytes;
    BraillePages pages;
    const char* problem = nullptr;  // the refusal's start
};

void ExpectRead(const ReadRow& row, const PagesRead& read)
{
    EXPECT_EQ(read.problem.value_or("").substr(0, std::strlen(row.problem ? row.problem : "")),
              row.problem ? row.problem : "") << row.name << ": " << read.problem.value_or("");
    EXPECT_EQ(read.pages, row.pages) << row.name;
}

std::string ManyLines(std::size_t count, std::string_view line)
{
    std::string text;
    while (count--) text += std::string(line) + "\n";
    return text;
}

TEST(Brf, ReadsLinesAndPagesAndRefusesBytesOutsideTheCellCode)
{
    const ReadRow rows[] = {
        {"empty file", "", {}},
        {"CR LF and FF", "AB  \r\n\r\nC\r\n\f", {{"AB  ", "", "C"}}},
        {"LF alone, lower case as upper", "ab\n{|}~`\n", {{"AB", "[\\]^@"}}},
        {"unended line and page", "A\r\n\fB", {{"A"}, {"B"}}},
        {"empty pages", "\f\f", {{}, {}}},
        {"FF inside a line", "A\fB\n\f", {{"A"}, {"B"}}},
        {"CR that ends nothing", "AB\rC\n", {}, "1 行 3 文字目: 点字のコードにないバイト 0x0D"},
        {"tab on line 2", "A\r\n \tB", {}, "2 行 2 文字目: 点字のコードにないバイト 0x09"},
        {"high byte", "\xE2\xA0\x81", {}, "1 行 1 文字目: 点字のコードにないバイト 0xE2"},
        {"a page of 98 lines", ManyLines(98, "A"), {BraillePage(98, "A")}},
        {"a page of 99 lines", ManyLines(99, "A"), {}, "99 行目: 1 ページに入る点字は 98 行までです"},
    };
    for (const ReadRow& row : rows) ExpectRead(row, ParseBrf(row.bytes));
    EXPECT_EQ(BuildBrf({{"AB ", ""}, {}, {"C"}}), "AB \r\n\r\n\f\fC\r\n\f");
}

TEST(BrailleText, ReadsPatternsAndBlanksAndRefusesEveryOtherCharacter)
{
    const ReadRow rows[] = {
        {"patterns, blanks, BOM", "\xEF\xBB\xBF⠁⠃ ⠀\r\n⠿\n\f⠼", {{"AB  ", "="}, {"#"}}},
        {"letter", "⠁\n⠃a", {}, "2 行 2 文字目「a」: U+0061 は 6 点の点字パターン"},
        {"eight dots", "⣿", {}, "1 行 1 文字目「⣿」: U+28FF は"},
        {"tab is not shown", "⠁\t", {}, "1 行 2 文字目: U+0009 は"},
        {"not UTF-8", "⠁\xFF", {}, "1 行 2 文字目: UTF-8 として読めないバイト 0xFF"},
    };
    for (const ReadRow& row : rows) ExpectRead(row, ParseBrailleText(row.bytes));
    EXPECT_EQ(BuildBrailleText({{"AB ", ""}, {}}), "⠁⠃⠀\n\n\f\f");
}

std::string Pef(std::string_view body, std::string_view root = "pef xmlns=\"http://www.daisy.org/ns/2008/pef\"")
{
    return "<?xml version=\"1.0\"?>\n<" + std::string(root) + " version=\"2008-1\">\n" + std::string(body) + "\n</" +
           std::string(root.substr(0, root.find(' '))) + ">";
}

TEST(Pef, ReadsEveryPageOfEveryVolumeAndSectionAndRefusesWhatIsNoCell)
{
    const char* const volumes =
        "<head/><body><volume cols='5' rows='2' rowgap='0' duplex='true'>"
        "<section><page><row>⠁&#x2803;</row><row/></page></section>"
        "<section><page><row><![CDATA[⠀⠉]]></row></page><page/></section></volume>"
        "<volume cols='5' rows='2' rowgap='0' duplex='true'><section><page><row>⠿</row></page></section></volume></body>";
    const ReadRow rows[] = {
        {"volumes and sections in order", Pef(volumes), {{"AB", ""}, {" C"}, {}, {"="}}},
        {"prefixed names", Pef("<p:body><p:volume><p:section><p:page><p:row>⠁</p:row></p:page></p:section></p:volume></p:body>",
                               "p:pef xmlns:p=\"http://www.daisy.org/ns/2008/pef\""),
         {{"A"}}},
        {"foreign elements are not pages", Pef("<body><x:page xmlns:x='urn:x'><row>⠁</row></x:page></body>"), {}},
        {"not XML", "<pef>\n<body>", {}, "2 行 6 文字目: XML として読めません（Start-end tags mismatch）"},
        {"another namespace", Pef("<body/>", "pef xmlns=\"urn:other\""), {}, "2 行 1 文字目: PEF の文書ではありません"},
        {"letter in a row", Pef("<body><volume><section><page>\n <row>⠁&#x2803;a</row>"
                                "</page></section></volume></body>"),
         {}, "4 行 16 文字目「a」: U+0061 は 6 点の点字パターン"},
        {"NUL reference in a row", Pef("<body><volume><section><page><row>⠁⠃&#0;⠉⠙</row></page></section></volume></body>"),
         {}, "3 行 37 文字目: U+0000 は 6 点の点字パターン"},
        {"blank in a row", Pef("<body><volume><section><page><row> </row></page></section></volume></body>"), {},
         "3 行 35 文字目: U+0020 は"},
        {"element in a row", Pef("<body><volume><section><page><row><b/></row></page></section></volume></body>"),
         {}, "3 行 35 文字目: row の中に要素 b があります"},
        {"99 rows", Pef("<body><volume><section><page>" + ManyLines(99, "<row/>") + "</page></section></volume></body>"),
         {}, "101 行目: 1 ページに入る点字は 98 行までです"},
    };
    for (const ReadRow& row : rows) ExpectRead(row, ParsePef(row.bytes));
}

// What a PEF validator asks of the file: namespace, version, the two required meta data, the
// volume's attributes and pages of rows of braille that fit the volume's size.
void ExpectValidPef(const std::string& xml, const BraillePages& pages)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(xml.c_str()));
    const pugi::xml_node pef = document.document_element();
    EXPECT_STREQ(pef.name(), "pef");
    EXPECT_STREQ(pef.attribute("xmlns").value(), "http://www.daisy.org/ns/2008/pef");
    EXPECT_STREQ(pef.attribute("version").value(), "2008-1");
    EXPECT_STREQ(pef.first_child().name(), "head");
    const pugi::xml_node meta = pef.child("head").child("meta");
    EXPECT_STREQ(meta.attribute("xmlns:dc").value(), "http://purl.org/dc/elements/1.1/");
    EXPECT_STREQ(meta.child("dc:format").text().get(), "application/x-pef+xml");
    EXPECT_STRNE(meta.child("dc:identifier").text().get(), "");
    const pugi::xml_node volume = pef.child("body").child("volume");
    EXPECT_FALSE(volume.next_sibling("volume"));
    EXPECT_STREQ(volume.attribute("rowgap").value(), "0");
    EXPECT_STREQ(volume.attribute("duplex").value(), "false");
    const std::size_t cols = volume.attribute("cols").as_uint(), rows = volume.attribute("rows").as_uint();
    EXPECT_TRUE(cols >= 1 && rows >= 1);
    std::size_t pageCount = 0;
    for (const pugi::xml_node page : volume.child("section").children("page")) {
        ++pageCount;
        std::size_t rowCount = 0;
        for (const pugi::xml_node row : page.children("row")) {
            ++rowCount;
            const std::u32string text = DecodeUtf8(row.text().get());
            EXPECT_LE(text.size(), cols);
            for (const char32_t c : text) EXPECT_TRUE(c >= U'\u2800' && c <= U'\u28FF') << static_cast<unsigned>(c);
        }
        EXPECT_LE(rowCount, rows);
    }
    EXPECT_EQ(pageCount, std::max<std::size_t>(pages.size(), 1));
}

TEST(Pef, WrittenFilesAreValidPefAndTheSameBrailleGivesTheSameFile)
{
    const BraillePages samples[] = {{}, {{}}, {{"AB ", ""}, {}, {"=", std::string(40, '#')}}};
    for (const BraillePages& pages : samples) ExpectValidPef(BuildPef(pages), pages);
    EXPECT_EQ(BuildPef(samples[2]), BuildPef(samples[2]));
    EXPECT_NE(BuildPef(samples[1]), BuildPef(samples[2]));
}

TEST(BrailleFiles, ExportRefusesCellsNoFileHoldsAndKindsGoByExtension)
{
    test::TempDir dir;
    AppState state;
    NewDocument(state);
    Set(state).lines = {"hidden \x1A", "AB", "CD\x1A"};
    EXPECT_EQ(ExportDocument(state, dir.File("a.pef")),
              "ページ 1 の 2 行 3 マス目: 点字のコードにないバイト 0x1A は書き出せません");
    EXPECT_EQ(ExportDocument(state, dir.File("a.bse")), kExportExtensionMessage);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    Set(state).lines.pop_back();
    WriteBytes(dir.File("a.BRF"), "old");
    EXPECT_EQ(ExportDocument(state, dir.File("a.BRF")), std::nullopt);
    EXPECT_EQ(ReadBytes(dir.File("a.BRF")), "AB\r\n\f");
    EXPECT_EQ(BrailleFileKindOf("x.Txt"), BrailleFileKind::Text);
    EXPECT_EQ(BrailleFileKindOf("x.brf.doc"), std::nullopt);
}

// A document of 27-line pages whose BSE file is `size` bytes long, its hidden lines empty.
AppState DocumentOfSize(std::size_t size)
{
    AppState state;
    NewDocument(state);
    std::size_t left = size - kBseHeaderSize - 1;
    for (;;) {
        if (state.document.lines().size() % 28 == 0) {
            Set(state).lines.emplace_back();
            left -= 4;
        } else if (left > 200) {
            Set(state).lines.emplace_back(98, 'A');
            left -= 100;
        } else {
            Set(state).lines.emplace_back(left - 2, 'B');
            return state;
        }
    }
}

// Every file a writer lets through opens again, so a writer refuses what its reader would.
TEST(BrailleFiles, WritersRefuseWhatTheReadersWouldRefuse)
{
    test::TempDir dir;
    const AppState fits = DocumentOfSize(kBseSizeLimit - 1), tooLarge = DocumentOfSize(kBseSizeLimit);
    for (const char* name : {"a.BSE", "a.brf", "a.pef", "a.txt"}) {
        AppState state = fits;
        ASSERT_EQ(WriteBrailleFile(state, dir.File(name)), std::nullopt) << name;
        AppState opened;
        ASSERT_EQ(OpenDocument(opened, dir.File(name)), std::nullopt) << name;
        EXPECT_EQ(DocumentPages(opened), DocumentPages(fits)) << name;

        const std::string written = ReadBytes(dir.File(name));
        state = tooLarge;
        const std::optional<std::string> refused = WriteBrailleFile(state, dir.File(name));
        EXPECT_NE(refused.value_or("").find("１Ｍ バイト"), std::string::npos) << name;
        EXPECT_EQ(ReadBytes(dir.File(name)), written) << name;
    }
    EXPECT_EQ(std::filesystem::file_size(dir.File("a.BSE")), kBseSizeLimit - 1);
}

TEST(OpenDocument, ReadsOtherBrailleFilesUnnamedAndKeepsTheDocumentWhenOneIsRefused)
{
    test::TempDir dir;
    WriteBytes(dir.File("a.brf"), "AB\r\n\fCD\r\n\f");
    WriteBytes(dir.File("bad.txt"), "⠁x");
    AppState state;
    ASSERT_EQ(OpenDocument(state, dir.File("a.brf")), std::nullopt);
    EXPECT_EQ(state.document.lines(), (std::vector<std::string>{"", "AB", "", "CD"}));
    EXPECT_EQ(OpenDocument(state, dir.File("bad.txt")),
              dir.File("bad.txt") + "\n\n1 行 2 文字目「x」: U+0078 は 6 点の点字パターン（U+2800 … U+283F）でも空白でもありません");
    EXPECT_EQ(state.document.lines().size(), 4u);
    EXPECT_EQ(state.document.filePath(), "");
}

}  // namespace
}  // namespace tessra
