#pragma once

#include "reading/Analyser.h"
#include "reading/AnalyserFeatures.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct mecab_model_t;

namespace tessra {

// The Debian dictionary Tessra reads with unless told otherwise.
inline constexpr const char* kDefaultMecabDictionary = "/var/lib/mecab/dic/ipadic-utf8";

// MeCab with one dictionary. The model is shared; each parse borrows a tagger and lattice of
// its own from a small pool, so several threads can analyse at once.
class MecabAnalyser final : public Analyser {
public:
    // The analyser on the dictionary folder, or null with `error` set to a message.
    static std::unique_ptr<MecabAnalyser> Open(const std::string& dictionary, std::string& error);
    ~MecabAnalyser() override;

    std::vector<Morpheme> Analyse(std::string_view text, int firstColumn) const override;

private:
    struct Worker;
    MecabAnalyser(mecab_model_t* model, DictionaryKind kind);
    static std::unique_ptr<MecabAnalyser> Load(const std::string& dictionary);
    // Whether the dictionary is whole and loads and reads without harm; found once a process.
    static bool Usable(const std::string& dictionary);
    static std::optional<bool> ReadsInChild(const std::string& dictionary);
    std::unique_ptr<Worker> Borrow() const;
    void Return(std::unique_ptr<Worker> worker) const;

    mecab_model_t* model_;
    DictionaryKind kind_;
    mutable std::mutex mutex_;
    mutable std::vector<std::unique_ptr<Worker>> idle_;
};

}  // namespace tessra
