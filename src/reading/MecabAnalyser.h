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

// A Debian dictionary: its folder and the package that installs it.
struct MecabDictionary {
    const char* folder;
    const char* package;
};
inline constexpr MecabDictionary kIpadic{"/var/lib/mecab/dic/ipadic-utf8", "mecab-ipadic-utf8"};
inline constexpr MecabDictionary kNaistJdic{"/var/lib/mecab/dic/open-jtalk/naist-jdic", "open-jtalk-mecab-naist-jdic"};

// The dictionary Tessra reads with unless told otherwise (its package is a Depends of ours).
inline constexpr MecabDictionary kDefaultDictionary = kNaistJdic;
inline constexpr const char* kDefaultMecabDictionary = kDefaultDictionary.folder;

// The folder libmecab is to load for `dictionary`: the folder itself when it has its dicrc, else
// a folder of links to its files with the dicrc naist-jdic was built with, made once in the
// user's cache (Debian ships naist-jdic for Open JTalk without one, and libmecab takes the dicrc
// only from the dictionary's folder). Nothing when that folder cannot be made.
std::optional<std::string> MecabLoadFolder(const std::string& dictionary);

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
