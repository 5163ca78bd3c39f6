#pragma once

#include <string>

namespace tessra {

// One word of a line as the analyser cut it: what the reading rules work from. The categories
// are the IPADIC part-of-speech names (名詞, 助詞 …); another dictionary maps its own onto them.
struct Morpheme {
    std::string surface;        // as written in the line
    std::string reading;        // katakana as spelt (ウ, オオ, エイ kept); empty when unknown
    std::string pronunciation;  // katakana as spoken (ー, ワ for は); may be empty
    std::string pos;            // 名詞, 動詞, 助詞 …
    std::string pos1;           // 固有名詞, 接尾, 数, 非自立 …
    std::string pos2;           // 人名, 地域, 助数詞 …
    std::string pos3;           // 姓, 名 …
    std::string form;           // conjugation form: 基本形, 連用形 …
    int column = 1;             // of its first character in the line, from 1
    int blanksBefore = 0;       // blanks between it and the word before
    bool fixed = false;         // from the user dictionary: its reading is written as it stands
};

}  // namespace tessra
