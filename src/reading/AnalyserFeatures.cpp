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
    // naist-jdic marks some pronunciations with ’ after a devoiced ending (マス’).
    for (std::size_t at; (at = word.pronunciation.find("’")) != std::string::npos;)
        word.pronunciation.erase(at, std::string_view("’").size());
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

std::vector<Morpheme> MarkedParts(std::string_view feature, Morpheme word)
{
    if (word.reading.find(':') == std::string::npos) return {std::move(word)};
    const auto parts = [](const std::string& text) {
        std::vector<std::string> out(1);
        for (const char c : text) {
            if (c == ':')
                out.emplace_back();
            else
                out.back() += c;
        }
        return out;
    };
    const std::vector<std::string> surfaces = parts(Field(SplitFeatures(feature), 6)),
                                   readings = parts(word.reading), spoken = parts(word.pronunciation);
    std::string joined;
    for (const std::string& surface : surfaces) joined += surface.empty() ? std::string(":") : surface;
    if (surfaces.size() != readings.size() || joined != word.surface) {
        std::erase(word.reading, ':');
        std::erase(word.pronunciation, ':');
        return {std::move(word)};
    }
    const bool name = word.pos2 == "人名" && surfaces.size() == 2;
    std::vector<Morpheme> out;
    int column = word.column;
    for (std::size_t i = 0; i < surfaces.size(); ++i) {
        Morpheme part = word;
        part.surface = surfaces[i];
        part.reading = readings[i];
        part.pronunciation = spoken.size() == surfaces.size() ? spoken[i] : std::string();
        part.column = column;
        if (i > 0) part.blanksBefore = 0;
        if (name) part.pos3 = i == 0 ? "姓" : "名";
        for (const char c : part.surface) column += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        out.push_back(std::move(part));
    }
    return out;
}

}  // namespace tessra
