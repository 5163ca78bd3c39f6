#include "text/Utf8Text.h"
#include "reading/AnalyserFeatures.h"
#include "reading/CompoundSplit.h"
#include "reading/ReadingRules.h"

#include <gtest/gtest.h>

#include <map>

namespace tessra {
namespace {

// A word as the analyser gives it: surface, then IPADIC's feature string (categories,
// conjugation, base form, reading, pronunciation).
struct W {
    const char* surface;
    const char* feature;
};

std::vector<Morpheme> Words(const std::vector<W>& words)
{
    std::vector<Morpheme> out;
    int column = 1;
    for (const W& w : words) {
        Morpheme m;
        m.surface = w.surface;
        if (m.surface.starts_with(' ')) {
            m.surface.erase(0, 1);
            m.blanksBefore = 1;
            ++column;
        }
        m.column = column;
        ReadFeatures(DictionaryKind::Ipadic, w.feature, m);
        column += static_cast<int>(DecodeUtf8(m.surface).size());
        out.push_back(std::move(m));
    }
    return out;
}

// Examples written from the conventions of Japanese braille, one row per rule; the words are
// cut and read as a dictionary would, but the expected readings come from the conventions.
TEST(ReadingRules, EachConventionOfBrailleReadings)
{
    const struct { const char* name; std::vector<W> words; const char* reading; } rows[] = {
        {"particle は is written わ, へ is え, を stays",
         {{"駅", "名詞,一般,*,*,*,*,駅,エキ,エキ"}, {"へ", "助詞,格助詞,一般,*,*,*,へ,ヘ,エ"},
          {"は", "助詞,係助詞,*,*,*,*,は,ハ,ワ"}, {"本", "名詞,一般,*,*,*,*,本,ホン,ホン"},
          {"を", "助詞,格助詞,一般,*,*,*,を,ヲ,ヲ"}},
         "えきえわ ほんを"},
        {"long う after the o and u rows is ー",
         {{"空港", "名詞,一般,*,*,*,*,空港,クウコウ,クーコー"}, {"郵便", "名詞,一般,*,*,*,*,郵便,ユウビン,ユービン"}},
         "くーこー ゆーびん"},
        {"えい, おお, いい stay as written",
         {{"丁寧", "名詞,形容動詞語幹,*,*,*,*,丁寧,テイネイ,テーネー"},
          {" 大阪", "名詞,固有名詞,地域,一般,*,*,大阪,オオサカ,オーサカ"}, {" 新潟", "名詞,固有名詞,地域,一般,*,*,新潟,ニイガタ,ニーガタ"}},
         "ていねい おおさか にいがた"},
        {"a verb's last う stays",
         {{"通う", "動詞,自立,*,*,五段・ワ行促音便,基本形,通う,カヨウ,カヨウ"}},
         "かよう"},
        {"a word's last long う is ー even when the dictionary leaves it unmarked",
         {{"内容", "名詞,一般,*,*,*,*,内容,ナイヨウ,ナイヨー"}, {"量", "名詞,接尾,一般,*,*,*,量,リョウ,リョウ"}},
         "ないよーりょー"},
        {"う at the start of a part inside a word stays",
         {{"井上", "名詞,固有名詞,人名,姓,*,*,井上,イノウエ,イノウエ"}},
         "いのうえ"},
        {"katakana words keep their spelling and ー",
         {{"コーヒー", "名詞,一般,*,*,*,*,コーヒー,コーヒー,コーヒー"}, {"ボウル", "名詞,一般,*,*,*,*,ボウル,ボウル,ボール"}},
         "こーひー ぼうる"},
        {"an unknown loan word cut into one-beat pieces is one word",
         {{"テ", "名詞,一般,*,*,*,*,テ,テ,テ"}, {"ッ", "記号,一般,*,*,*,*,*"}, {"スラ", "名詞,一般,*,*,*,*,*"},
          {"商会", "名詞,一般,*,*,*,*,商会,ショウカイ,ショーカイ"}},
         "てっすら しょーかい"},
        {"surname and given name apart, honorific attached",
         {{"山本", "名詞,固有名詞,人名,姓,*,*,山本,ヤマモト,ヤマモト"}, {"次郎", "名詞,固有名詞,人名,名,*,*,次郎,ジロウ,ジロー"},
          {"様", "名詞,接尾,人名,*,*,*,様,サマ,サマ"}},
         "やまもと じろーさま"},
        {"a phrase is a content word with its particles and auxiliaries",
         {{"電車", "名詞,一般,*,*,*,*,電車,デンシャ,デンシャ"}, {"で", "助詞,格助詞,一般,*,*,*,で,デ,デ"},
          {"行き", "動詞,自立,*,*,五段・カ行促音便,連用形,行く,イキ,イキ"}, {"ます", "助動詞,*,*,*,特殊・マス,基本形,ます,マス,マス"}},
         "でんしゃで いきます"},
        {"a prefix joins what follows",
         {{"お", "接頭詞,名詞接続,*,*,*,*,お,オ,オ"}, {"茶", "名詞,一般,*,*,*,*,茶,チャ,チャ"}},
         "おちゃ"},
        {"compound parts of three beats or more apart",
         {{"電子", "名詞,一般,*,*,*,*,電子,デンシ,デンシ"}, {"レンジ", "名詞,一般,*,*,*,*,レンジ,レンジ,レンジ"}},
         "でんし れんじ"},
        {"a part of two beats stays with its neighbour",
         {{"資源", "名詞,一般,*,*,*,*,資源,シゲン,シゲン"}, {"ゴミ", "名詞,一般,*,*,*,*,ゴミ,ゴミ,ゴミ"}},
         "しげんごみ"},
        {"place names apart after 県 and 市, however short",
         {{"三重", "名詞,固有名詞,地域,一般,*,*,三重,ミエ,ミエ"}, {"県", "名詞,接尾,地域,*,*,*,県,ケン,ケン"},
          {"津", "名詞,固有名詞,地域,一般,*,*,津,ツ,ツ"}, {"市", "名詞,接尾,地域,*,*,*,市,シ,シ"}},
         "みえけん つし"},
        {"auxiliary verb after て apart, compound verb whole",
         {{"見", "動詞,自立,*,*,一段,連用形,見る,ミ,ミ"}, {"送っ", "動詞,自立,*,*,五段・ラ行,連用タ接続,送る,オクッ,オクッ"},
          {"て", "助詞,接続助詞,*,*,*,*,て,テ,テ"}, {"いる", "動詞,非自立,*,*,一段,基本形,いる,イル,イル"}},
         "みおくって いる"},
        {"ください and ございます apart",
         {{"お", "接頭詞,名詞接続,*,*,*,*,お,オ,オ"}, {"待ち", "動詞,自立,*,*,五段・タ行,連用形,待つ,マチ,マチ"},
          {"ください", "動詞,非自立,*,*,五段・ラ行特殊,命令ｉ,くださる,クダサイ,クダサイ"}},
         "おまち ください"},
        {"supplementary ない and ある apart after an adjective, で and じゃ; ない not after a verb",
         {{"高く", "形容詞,自立,*,*,形容詞・アウオ段,連用テ接続,高い,タカク,タカク"}, {"ない", "助動詞,*,*,*,特殊・ナイ,基本形,ない,ナイ,ナイ"},
          {"、", "記号,読点,*,*,*,*,、,、,、"},
          {"静か", "名詞,形容動詞語幹,*,*,*,*,静か,シズカ,シズカ"}, {"で", "助動詞,*,*,*,特殊・ダ,連用形,だ,デ,デ"},
          {"ない", "助動詞,*,*,*,特殊・ナイ,基本形,ない,ナイ,ナイ"}, {"、", "記号,読点,*,*,*,*,、,、,、"},
          {"行か", "動詞,自立,*,*,五段・カ行促音便,未然形,行く,イカ,イカ"}, {"ない", "助動詞,*,*,*,特殊・ナイ,基本形,ない,ナイ,ナイ"},
          {"、", "記号,読点,*,*,*,*,、,、,、"}, {"静か", "名詞,形容動詞語幹,*,*,*,*,静か,シズカ,シズカ"},
          {"じゃ", "助詞,副助詞,*,*,*,*,じゃ,ジャ,ジャ"}, {"あり", "助動詞,*,*,*,五段・ラ行アル,連用形,ある,アリ,アリ"},
          {"ませ", "助動詞,*,*,*,特殊・マス,未然形,ます,マセ,マセ"}, {"ん", "助動詞,*,*,*,不変化型,基本形,ん,ン,ン"}},
         "たかく ない、 しずかで ない、 いかない、 しずかじゃ ありません"},
        {"the verb inside a compound particle held as one word apart",
         {{"天気", "名詞,一般,*,*,*,*,天気,テンキ,テンキ"}, {"について", "助詞,格助詞,連語,*,*,*,について,ニツイテ,ニツイテ"},
          {" 彼", "名詞,代名詞,一般,*,*,*,彼,カレ,カレ"}, {"に対して", "助詞,格助詞,連語,*,*,*,に対して,ニタイシテ,ニタイシテ"}},
         "てんきに ついて かれに たいして"},
        {"a formal noun apart, する after a verbal noun attached, other verbs apart",
         {{"案内", "名詞,サ変接続,*,*,*,*,案内,アンナイ,アンナイ"}, {"する", "動詞,自立,*,*,サ変・スル,基本形,する,スル,スル"},
          {"こと", "名詞,非自立,一般,*,*,*,こと,コト,コト"}, {"、", "記号,読点,*,*,*,*,、,、,、"},
          {"利用", "名詞,サ変接続,*,*,*,*,利用,リヨウ,リヨー"}, {"できる", "動詞,自立,*,*,一段,基本形,できる,デキル,デキル"}},
         "あんないする こと、 りよー できる"},
        {"kanji numerals as digits, counters attached",
         {{"三", "名詞,数,*,*,*,*,三,サン,サン"}, {"千", "名詞,数,*,*,*,*,千,セン,セン"}, {"五", "名詞,数,*,*,*,*,五,ゴ,ゴ"},
          {"百", "名詞,数,*,*,*,*,百,ヒャク,ヒャク"}, {"円", "名詞,接尾,助数詞,*,*,*,円,エン,エン"}},
         "3500えん"},
        {"万 and 億 stay as kana, digits one by one without 十百千",
         {{"一", "名詞,数,*,*,*,*,一,イチ,イチ"}, {"万", "名詞,数,*,*,*,*,万,マン,マン"}, {"二", "名詞,数,*,*,*,*,二,ニ,ニ"},
          {"千", "名詞,数,*,*,*,*,千,セン,セン"}, {" 二〇二四", "名詞,数,*,*,*,*,二〇二四,ニゼロニヨン,ニゼロニヨン"}},
         "1まん2000 2024"},
        {"numerals inside a word are read",
         {{"八百屋", "名詞,一般,*,*,*,*,八百屋,ヤオヤ,ヤオヤ"}},
         "やおや"},
        {"a numeral keeping its number sense is a digit; one that lost it, idioms and vague numbers are read",
         {{"三角", "名詞,一般,*,*,*,*,三角,サンカク,サンカク"}, {" 一緒", "名詞,サ変接続,*,*,*,*,一緒,イッショ,イッショ"},
          {" 数", "名詞,数,*,*,*,*,数,スウ,スー"}, {"千", "名詞,数,*,*,*,*,千,セン,セン"},
          {" 十", "名詞,数,*,*,*,*,十,ジュウ,ジュー"}, {"分", "名詞,接尾,助数詞,*,*,*,分,フン,フン"},
          {" 三", "名詞,数,*,*,*,*,三,サン,サン"}, {"十", "名詞,数,*,*,*,*,十,ジュウ,ジュー"},
          {"分", "名詞,接尾,助数詞,*,*,*,分,フン,フン"}, {" 四捨五入", "名詞,一般,*,*,*,*,四捨五入,シシャゴニュウ,シシャゴニュー"},
          {" 一生", "名詞,副詞可能,*,*,*,*,一生,イッショウ,イッショー"}, {"懸命", "名詞,形容動詞語幹,*,*,*,*,懸命,ケンメイ,ケンメー"}},
         "3かく いっしょ すーせん じゅーぶん 30ぷん ししゃごにゅー いっしょーけんめい"},
        {"a numeral and counter in one word: native counts as said, others digit and the rest of the reading",
         {{"一つ", "名詞,一般,*,*,*,*,一つ,ヒトツ,ヒトツ"}, {" 二人", "名詞,一般,*,*,*,*,二人,フタリ,フタリ"},
          {" 三人", "名詞,一般,*,*,*,*,三人,サンニン,サンニン"}},
         "ひとつ ふたり 3にん"},
        {"counters sound as spoken after the number",
         {{"一", "名詞,数,*,*,*,*,一,イチ,イチ"}, {"本", "名詞,接尾,助数詞,*,*,*,本,ホン,ホン"},
          {" 三", "名詞,数,*,*,*,*,三,サン,サン"}, {"階", "名詞,接尾,助数詞,*,*,*,階,カイ,カイ"},
          {" 二十", "名詞,数,*,*,*,*,二十,ニジュウ,ニジュー"}, {"分", "名詞,接尾,助数詞,*,*,*,分,フン,フン"}},
         "1ぽん 3がい 20ぷん"},
        {"a date's day in native numbers after the month",
         {{"七", "名詞,数,*,*,*,*,七,ナナ,ナナ"}, {"月", "名詞,一般,*,*,*,*,月,ツキ,ツキ"},
          {"七", "名詞,数,*,*,*,*,七,ナナ,ナナ"}, {"日", "名詞,接尾,助数詞,*,*,*,日,ニチ,ニチ"},
          {" 五", "名詞,数,*,*,*,*,五,ゴ,ゴ"}, {"月", "名詞,一般,*,*,*,*,月,ツキ,ツキ"},
          {"二十", "名詞,数,*,*,*,*,二十,ニジュウ,ニジュー"}, {"日", "名詞,接尾,助数詞,*,*,*,日,ニチ,ニチ"},
          {" 5", "名詞,数,*,*,*,*,*"}, {"月", "名詞,一般,*,*,*,*,月,ツキ,ツキ"},
          {"24", "名詞,数,*,*,*,*,*"}, {"日", "名詞,接尾,助数詞,*,*,*,日,ニチ,ニチ"},
          {" 5", "名詞,数,*,*,*,*,*"}, {"月", "名詞,一般,*,*,*,*,月,ツキ,ツキ"},
          {"21", "名詞,数,*,*,*,*,*"}, {"日", "名詞,接尾,助数詞,*,*,*,日,ニチ,ニチ"},
          {" 2", "名詞,数,*,*,*,*,*"}, {"人", "名詞,接尾,助数詞,*,*,*,人,ニン,ニン"}},
         "7がつ なのか 5がつ はつか 5がつ 24か 5がつ 21にち ふたり"},
        {"digits with comma, ￥ read after the number, ％ as it stands",
         {{"￥", "記号,一般,*,*,*,*,￥,エン,エン"}, {"1", "名詞,数,*,*,*,*,*"}, {",", "名詞,サ変接続,*,*,*,*,*"},
          {"000", "名詞,数,*,*,*,*,*"}, {" 10", "名詞,数,*,*,*,*,*"}, {"％", "記号,一般,*,*,*,*,％,パーセント,パーセント"}},
         "1,000えん 10％"},
        {"letters, hyphens and signs pass through as written, joined as the text joins them",
         {{"ＪＲ", "名詞,固有名詞,組織,*,*,*,ＪＲ,ジェイアール,ジェイアール"}, {"090", "名詞,数,*,*,*,*,*"},
          {"-", "名詞,サ変接続,*,*,*,*,*"}, {"1234", "名詞,数,*,*,*,*,*"}, {"→", "記号,一般,*,*,*,*,→,→,→"},
          {"駅", "名詞,一般,*,*,*,*,駅,エキ,エキ"}},
         "ＪＲ 090-1234→えき"},
        {"a blank after 、 and inside parentheses none",
         {{"塩", "名詞,一般,*,*,*,*,塩,シオ,シオ"}, {"、", "記号,読点,*,*,*,*,、,、,、"}, {"砂糖", "名詞,一般,*,*,*,*,砂糖,サトウ,サトー"},
          {"（", "記号,括弧開,*,*,*,*,（,（,（"}, {"国産", "名詞,一般,*,*,*,*,国産,コクサン,コクサン"}, {"）", "記号,括弧閉,*,*,*,*,）,）,）"}},
         "しお、 さとー （こくさん）"},
        {"letters and digits as written",
         {{"電池", "名詞,一般,*,*,*,*,電池,デンチ,デンチ"}, {" AA", "名詞,固有名詞,組織,*,*,*,*"}},
         "でんち AA"},
    };
    for (const auto& row : rows) {
        const TranscribedLine line = ReadWords(Words(row.words));
        EXPECT_EQ(line.text, row.reading) << row.name;
        EXPECT_TRUE(line.problems.empty()) << row.name;
    }
}

TEST(ReadingRules, AWordWithoutReadingIsNamedAndKeptForTheComposerToRefuse)
{
    const TranscribedLine line =
        ReadWords(Words({{"鬱", "名詞,一般,*,*,*,*,*"}, {"だ", "助動詞,*,*,*,特殊・ダ,基本形,だ,ダ,ダ"}}));
    EXPECT_EQ(line.text, "鬱だ");
    ASSERT_EQ(line.problems.size(), 1u);
    EXPECT_EQ(line.problems[0].column, 1);
    EXPECT_EQ(line.problems[0].character, "鬱");
}

// Reads each known text as one noun; anything else as nothing.
class TableAnalyser final : public Analyser {
public:
    explicit TableAnalyser(std::map<std::string, std::string> readings) : readings_(std::move(readings)) {}
    std::vector<Morpheme> Analyse(std::string_view text, int column) const override
    {
        const auto found = readings_.find(std::string(text));
        if (found == readings_.end()) return {};
        Morpheme word;
        ReadFeatures(DictionaryKind::Ipadic, "名詞,一般,*,*,*,*,*," + found->second, word);
        word.surface = text;
        word.column = column;
        return {word};
    }

private:
    std::map<std::string, std::string> readings_;
};

TEST(CompoundSplit, CutsWhereThePartsMakeUpTheReadingAndKeepsVoicedJoinsWhole)
{
    const TableAnalyser parts({{"天地", "テンチ"}, {"無用", "ムヨウ"}, {"株式", "カブシキ"}, {"会社", "カイシャ"},
                               {"火気", "カキ"}, {"厳禁", "ゲンキン"}});
    const struct { const char* surface; const char* reading; const char* expected; } rows[] = {
        {"天地無用", "テンチムヨウ", "てんち むよー"},
        {"株式会社", "カブシキガイシャ", "かぶしきがいしゃ"},
        {"火気厳禁", "カキゲンキン", "かきげんきん"},
    };
    for (const auto& row : rows) {
        std::vector<Morpheme> words = Words({{row.surface, "名詞,一般,*,*,*,*,*"}});
        words[0].reading = row.reading;
        SplitCompounds(words, parts);
        EXPECT_EQ(ReadWords(words).text, row.expected) << row.surface;
    }
}

TEST(UnknownWords, AreReadKanjiByKanjiAndOnlyAKanjiWithoutAnyReadingIsRefused)
{
    const TableAnalyser alone({{"峠", "トウゲ"}, {"道", "ミチ"}});
    std::vector<Morpheme> words = Words({{"峠道", "名詞,一般,*,*,*,*,*"}, {"と", "助詞,並立助詞,*,*,*,*,と,ト,ト"},
                                         {"鬱峠", "名詞,一般,*,*,*,*,*"}, {" 道々", "名詞,一般,*,*,*,*,*"}});
    ReadUnknownWords(words, alone);
    const TranscribedLine line = ReadWords(words);
    EXPECT_EQ(line.text, "とーげみちと 鬱とーげ みちみち");
    ASSERT_EQ(line.problems.size(), 1u);
    EXPECT_EQ(line.problems[0].column, 4);
    EXPECT_EQ(line.problems[0].character, "鬱");
}

TEST(AnalyserFeatures, PartsMarkedInOneWordBecomeWordsAndANameASurnameAndGivenName)
{
    const char* feature = "名詞,固有名詞,人名,一般,*,*,藤原:道長,フジワラノ:ミチナガ,フジワラノ:ミチナガ,0/5:0/4,*";
    std::vector<Morpheme> words = Words({{"藤原道長", feature}, {"と", "助詞,並立助詞,*,*,*,*,と,ト,ト"}});
    std::vector<Morpheme> parts = MarkedParts(feature, words[0]);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[1].column, 3);
    parts.push_back(words[1]);
    EXPECT_EQ(ReadWords(parts).text, "ふじわらの みちながと");

    const char* thanks = "感動詞,*,*,*,*,*,ありがとう:ございます,アリガトウ:ゴザイマス,アリガトー:ゴザイマス’,*";
    EXPECT_EQ(ReadWords(MarkedParts(thanks, Words({{"ありがとうございます", thanks}})[0])).text, "ありがとー ございます");
}

TEST(AnalyserFeatures, MapsUnidicOntoTheCategoriesTheRulesUse)
{
    Morpheme word;
    ReadFeatures(DictionaryKind::Unidic,
                 "接尾辞,名詞的,助数詞,*,*,*,ホン,本,本,ポン,本,ポン,漢,ホ混合,半濁音形,*,*,*,\"B1S6,B1S8\",助数,ポン,ポン,ポン,ホン",
                 word);
    EXPECT_EQ(word.pos + word.pos1 + word.pos2, "名詞接尾助数詞");
    EXPECT_EQ(word.reading, "ポン");
    EXPECT_EQ(SplitFeatures("a,\"b,\"\"c\",d"), (std::vector<std::string>{"a", "b,\"c", "d"}));
}

}  // namespace
}  // namespace tessra
