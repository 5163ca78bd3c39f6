#pragma once

// The words the conventions of braille readings treat apart from their general rules, in one
// place: the rules in NumberWords and PhraseSpacing look them up here.

#include <string_view>

namespace tessra::exceptions {

// A written form and its reading as braille writes it (hiragana, ー for long vowels, a blank where
// a word space goes).
struct Written {
    std::u32string_view written;
    std::u32string_view reading;
};

// Compound particles that the dictionary may hold as one word: the verb inside stands apart
// (てんきに ついて, がくせいと して). The written form starts with the kana of the particle
// before the blank.
inline constexpr Written kCompoundParticles[] = {
    {U"について", U"に ついて"},   {U"につき", U"に つき"},       {U"として", U"と して"},
    {U"としては", U"と しては"},   {U"としても", U"と しても"},   {U"によって", U"に よって"},
    {U"により", U"に より"},       {U"による", U"に よる"},       {U"によると", U"に よると"},
    {U"にとって", U"に とって"},   {U"に対して", U"に たいして"}, {U"に対する", U"に たいする"},
    {U"に対し", U"に たいし"},     {U"に関して", U"に かんして"}, {U"に関する", U"に かんする"},
    {U"に関し", U"に かんし"},     {U"において", U"に おいて"},   {U"における", U"に おける"},
    {U"に於いて", U"に おいて"},   {U"にわたって", U"に わたって"}, {U"にわたる", U"に わたる"},
    {U"に際して", U"に さいして"}, {U"に沿って", U"に そって"},   {U"に基づいて", U"に もとづいて"},
    {U"に基づく", U"に もとづく"}, {U"に従って", U"に したがって"}, {U"に応じて", U"に おうじて"},
    {U"によっては", U"に よっては"}, {U"をもって", U"を もって"},   {U"を通して", U"を とおして"},
    {U"を通じて", U"を つうじて"}, {U"をめぐって", U"を めぐって"}, {U"とともに", U"と ともに"},
};

// Verbs that help the verb before them and stand apart even where the dictionary attaches them
// (およみ ください, ありがとー ございます): their written beginnings.
inline constexpr std::u32string_view kSeparateHelpers[] = {U"くださ", U"下さ", U"ござ"};

// The forms of する, the one verb that joins the verbal noun before it (あんないする); any other
// verb after one stands apart (りよー できる, ごあんない いたします, ごりよー いただけます).
inline constexpr std::u32string_view kSuruForms[] = {
    U"する", U"し", U"さ", U"せ", U"すれ", U"しろ", U"せよ", U"す", U"すりゃ",
};

// The forms of ない and ある that the dictionary files as auxiliaries; after an adjective's or
// だ's continuative form, or after じゃ, they are the supplementary adjective and verb and stand
// apart (たかく ない, しずかで ない, しずかで ある, しずかじゃ ありません).
inline constexpr std::u32string_view kSupplementaryForms[] = {
    U"ない", U"なく", U"なかっ", U"なけれ", U"なかろ", U"なきゃ", U"ある", U"あり", U"あっ", U"あれ", U"あろ",
};

// Days of the month said in native numbers, written as said (7がつ なのか); 14 and 24 keep
// their digits (14か). Other days are Nにち.
struct Day {
    int day;
    std::u32string_view reading;
};
inline constexpr Day kNativeDays[] = {
    {1, U"ついたち"}, {2, U"ふつか"}, {3, U"みっか"},   {4, U"よっか"},  {5, U"いつか"},
    {6, U"むいか"},   {7, U"なのか"}, {8, U"よーか"},   {9, U"ここのか"}, {10, U"とおか"},
    {14, U"14か"},    {20, U"はつか"}, {24, U"24か"},
};

// Things counted in native numbers, written as said: ひとり, ふたり (but 3にん); ひとつ … ここのつ.
struct NativeCount {
    char32_t counter;
    int number;
    std::u32string_view reading;
};
inline constexpr NativeCount kNativeCounts[] = {
    {U'人', 1, U"ひとり"}, {U'人', 2, U"ふたり"},
    {U'つ', 1, U"ひとつ"}, {U'つ', 2, U"ふたつ"}, {U'つ', 3, U"みっつ"}, {U'つ', 4, U"よっつ"},
    {U'つ', 5, U"いつつ"}, {U'つ', 6, U"むっつ"}, {U'つ', 7, U"ななつ"}, {U'つ', 8, U"やっつ"},
    {U'つ', 9, U"ここのつ"},
};

// Words with a kanji numeral that has lost its number sense: read, not written in digits
// (一緒 いっしょ, 十分 じゅーぶん). Also the vague numbers (数千 すーせん, 何十 なんじゅー).
// The dictionary may cut them; they are matched over the words as written.
inline constexpr Written kNumeralsRead[] = {
    {U"一緒", U"いっしょ"},   {U"統一", U"とーいつ"},   {U"一般", U"いっぱん"},   {U"一部", U"いちぶ"},
    {U"一生", U"いっしょー"}, {U"万一", U"まんいち"},   {U"十分", U"じゅーぶん"}, {U"一応", U"いちおー"},
    {U"一方", U"いっぽー"},   {U"一体", U"いったい"},   {U"一旦", U"いったん"},   {U"一気", U"いっき"},
    {U"一層", U"いっそー"},   {U"一切", U"いっさい"},   {U"一斉", U"いっせい"},   {U"一致", U"いっち"},
    {U"一定", U"いってい"},   {U"一瞬", U"いっしゅん"}, {U"一環", U"いっかん"},   {U"一見", U"いっけん"},
    {U"一面", U"いちめん"},   {U"一流", U"いちりゅー"}, {U"一覧", U"いちらん"},   {U"一貫", U"いっかん"},
    {U"一連", U"いちれん"},   {U"一律", U"いちりつ"},   {U"一様", U"いちよー"},   {U"一段", U"いちだん"},
    {U"一向", U"いっこー"},   {U"一帯", U"いったい"},   {U"一族", U"いちぞく"},   {U"一同", U"いちどー"},
    {U"一心", U"いっしん"},   {U"一途", U"いちず"},     {U"一新", U"いっしん"},   {U"一転", U"いってん"},
    {U"一品", U"いっぴん"},   {U"一服", U"いっぷく"},   {U"一括", U"いっかつ"},   {U"一挙", U"いっきょ"},
    {U"一概", U"いちがい"},   {U"一際", U"ひときわ"},   {U"一員", U"いちいん"},   {U"一家", U"いっか"},
    {U"一種", U"いっしゅ"},   {U"一番星", U"いちばんぼし"}, {U"一目", U"ひとめ"},
    {U"唯一", U"ゆいいつ"},   {U"均一", U"きんいつ"},   {U"同一", U"どーいつ"},   {U"随一", U"ずいいち"},
    {U"四季", U"しき"},       {U"四方", U"しほー"},     {U"五輪", U"ごりん"},     {U"十字", U"じゅーじ"},
    {U"十字路", U"じゅーじろ"}, {U"八方", U"はっぽー"}, {U"七夕", U"たなばた"},   {U"三日月", U"みかづき"},
    {U"二十歳", U"はたち"},   {U"八百屋", U"やおや"},   {U"一人暮らし", U"ひとりぐらし"}, {U"一人前", U"いちにんまえ"},
    {U"一時", U"いちじ"},     {U"一生懸命", U"いっしょーけんめい"},     {U"七五三", U"しちごさん"}, {U"九九", U"くく"},   {U"十八番", U"おはこ"},
    {U"単二", U"たんに"},     {U"単三", U"たんさん"},   {U"単四", U"たんよん"},
    {U"数十", U"すーじゅー"}, {U"数百", U"すーひゃく"}, {U"数千", U"すーせん"},   {U"数万", U"すーまん"},
    {U"数億", U"すーおく"},   {U"何十", U"なんじゅー"}, {U"何百", U"なんびゃく"}, {U"何千", U"なんぜん"},
    {U"何万", U"なんまん"},   {U"何億", U"なんおく"},   {U"十数", U"じゅーすー"},
};

// How a kanji numeral begins a reading when it keeps its number sense (三角 サンカク → 3かく,
// 一回 イッカイ → 1かい): its Sino-Japanese readings, in katakana as the analyser gives them.
struct NumeralSound {
    char32_t numeral;
    int value;
    std::u32string_view sounds;  // '|' between them
};
inline constexpr NumeralSound kNumeralSounds[] = {
    {U'一', 1, U"イチ|イッ"}, {U'二', 2, U"ニ"},         {U'三', 3, U"サン"},
    {U'四', 4, U"ヨン|シ"},   {U'五', 5, U"ゴ"},         {U'六', 6, U"ロク|ロッ"},
    {U'七', 7, U"ナナ|シチ"}, {U'八', 8, U"ハチ|ハッ"},  {U'九', 9, U"キュウ|ク"},
    {U'十', 10, U"ジュウ|ジュッ|ジッ"},
};

}  // namespace tessra::exceptions
