#include "reading/AnalyserFeatures.h"

namespace tessra {
namespace {

std::string Field(const std::vector<std::string>& fields, std::size_t at)
{
    return at < fields.size() && fields[at] != "*" ? fields[at] : std::string();
}

void ReadIpadic(const std::vector<std::string>& f, Morpheme& word)
{
    word.pos = Field(f, 0);
    word.pos1 = Field(f, 1);
    word.pos2 = Field(f, 2);
    word.pos3 = Field(f, 3);
    word.form = Field(f, 5);
    word.reading = Field(f, 7);
    word.pronunciation = Field(f, 8);
}

void ReadUnidic(const std::vector<std::string>& f, Morpheme& word)
{
    const std::string pos = Field(f, 0), pos1 = Field(f, 1), pos2 = Field(f, 2), pos3 = Field(f, 3);
    word.form = Field(f, 5);
    word.reading = Field(f, 20);
    word.pronunciation = Field(f, 9);
    word.pos = pos;
    if (pos == "名詞") {
        if (pos1 == "固有名詞") {
            word.pos1 = pos1;
            word.pos2 = pos2 == "地名" ? "地域" : pos2;
            word.pos3 = pos3;
        } else if (pos1 == "数詞") {
            word.pos1 = "数";
        } else if (pos1 == "助動詞語幹") {
            word.pos1 = "特殊";
        } else {
            word.pos1 = pos2 == "サ変可能" ? "サ変接続" : "一般";
        }
    } else if (pos == "代名詞") {
        word.pos = "名詞";
        word.pos1 = "代名詞";
    } else if (pos == "形状詞") {
        word.pos = "名詞";
        word.pos1 = "形容動詞語幹";
    } else if (pos == "接尾辞") {
        word.pos = "名詞";
        word.pos1 = "接尾";
        word.pos2 = pos2 == "助数詞" ? "助数詞" : "";
    } else if (pos == "接頭辞") {
        word.pos = "接頭詞";
    } else if (pos == "動詞" || pos == "形容詞") {
        word.pos1 = pos1 == "非自立可能" ? "非自立" : "自立";
    } else if (pos == "補助記号" || pos == "記号" || pos == "空白") {
        word.pos = "記号";
        word.pos1 = pos == "空白" ? "空白" : pos1;
    } else {
        word.pos1 = pos1;
    }
}

}  // namespace

std::vector<std::string> SplitFeatures(std::string_view feature)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < feature.size(); ++i) {
        const char c = feature[i];
        if (c == '"') {
            if (quoted && i + 1 < feature.size() && feature[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

void ReadFeatures(DictionaryKind kind, std::string_view feature, Morpheme& word)
{
    const std::vector<std::string> fields = SplitFeatures(feature);
    if (kind == DictionaryKind::Unidic)
        ReadUnidic(fields, word);
    else
        ReadIpadic(fields, word);
}

}  // namespace tessra
