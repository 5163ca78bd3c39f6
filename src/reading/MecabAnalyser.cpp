#include "reading/MecabAnalyser.h"

#include "format/Utf8Text.h"

#include <mecab.h>

#include <filesystem>

namespace tessra {
namespace {

int CharacterCount(std::string_view text)
{
    int count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) at += DecodeUtf8At(text, at).length;
    return count;
}

}  // namespace

struct MecabAnalyser::Worker {
    mecab_t* tagger = nullptr;
    mecab_lattice_t* lattice = nullptr;
    ~Worker()
    {
        if (lattice) mecab_lattice_destroy(lattice);
        if (tagger) mecab_destroy(tagger);
    }
};

MecabAnalyser::MecabAnalyser(mecab_model_t* model, DictionaryKind kind) : model_(model), kind_(kind) {}

MecabAnalyser::~MecabAnalyser()
{
    idle_.clear();
    mecab_model_destroy(model_);
}

std::unique_ptr<MecabAnalyser> MecabAnalyser::Open(const std::string& dictionary, std::string& error)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(std::filesystem::path(dictionary) / "sys.dic", ignored)) {
        error = "漢字の読みに使う辞書がありません: " + dictionary +
                "\nmecab-ipadic-utf8 を入れると漢字の行も点字にできます。かなの行はそのまま書けます";
        return nullptr;
    }
    // No rc file: the system's one may name another dictionary (the Debian alternatives link).
    std::string program = "tessra", rc = "-r", rcFile = "/dev/null", dic = "-d", folder = dictionary;
    char* arguments[] = {program.data(), rc.data(), rcFile.data(), dic.data(), folder.data()};
    mecab_model_t* model = mecab_model_new(5, arguments);
    if (!model) {
        error = "漢字の読みに使う辞書を読み込めません: " + dictionary;
        return nullptr;
    }
    const bool unidic = dictionary.find("unidic") != std::string::npos;
    return std::unique_ptr<MecabAnalyser>(
        new MecabAnalyser(model, unidic ? DictionaryKind::Unidic : DictionaryKind::Ipadic));
}

std::unique_ptr<MecabAnalyser::Worker> MecabAnalyser::Borrow() const
{
    {
        const std::lock_guard lock(mutex_);
        if (!idle_.empty()) {
            std::unique_ptr<Worker> worker = std::move(idle_.back());
            idle_.pop_back();
            return worker;
        }
    }
    auto worker = std::make_unique<Worker>();
    worker->tagger = mecab_model_new_tagger(model_);
    worker->lattice = mecab_model_new_lattice(model_);
    if (!worker->tagger || !worker->lattice) return nullptr;
    return worker;
}

void MecabAnalyser::Return(std::unique_ptr<Worker> worker) const
{
    const std::lock_guard lock(mutex_);
    idle_.push_back(std::move(worker));
}

std::vector<Morpheme> MecabAnalyser::Analyse(std::string_view text, int firstColumn) const
{
    std::vector<Morpheme> words;
    std::unique_ptr<Worker> worker = Borrow();
    if (!worker || text.empty()) {
        if (worker) Return(std::move(worker));
        return words;
    }
    mecab_lattice_set_sentence2(worker->lattice, text.data(), text.size());
    if (mecab_parse_lattice(worker->tagger, worker->lattice)) {
        const char* sentence = mecab_lattice_get_sentence(worker->lattice);
        std::size_t offset = 0;
        int column = firstColumn;
        for (const mecab_node_t* node = mecab_lattice_get_bos_node(worker->lattice); node;
             node = node->next) {
            if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE) continue;
            const std::size_t blanks = node->rlength - node->length;
            const std::size_t start = static_cast<std::size_t>(node->surface - sentence);
            if (start < offset || start + node->length > text.size()) break;
            column += CharacterCount(text.substr(offset, start - offset));
            Morpheme word;
            word.surface.assign(node->surface, node->length);
            word.column = column;
            word.blanksBefore = static_cast<int>(blanks);
            ReadFeatures(kind_, node->feature ? node->feature : "", word);
            if (node->stat == MECAB_UNK_NODE) {
                word.reading.clear();
                word.pronunciation.clear();
            }
            column += CharacterCount(word.surface);
            offset = start + node->length;
            words.push_back(std::move(word));
        }
    }
    Return(std::move(worker));
    return words;
}

}  // namespace tessra
