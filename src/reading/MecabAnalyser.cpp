#include "reading/MecabAnalyser.h"

#include "document/FileIo.h"
#include "text/Utf8Text.h"

#include <mecab.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <thread>

namespace tessra {
namespace {

int CharacterCount(std::string_view text)
{
    int count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) at += DecodeUtf8At(text, at).length;
    return count;
}

std::string MissingMessage(const std::string& dictionary)
{
    return "漢字の読みに使う辞書がありません: " + dictionary +
           "\n" + kDefaultDictionary.package + " を入れると漢字の行も点字にできます。かなの行はそのまま書けます";
}

std::string UnusableMessage(const std::string& dictionary)
{
    return "漢字の読みに使う辞書を読み込めません: " + dictionary +
           "\n" + kDefaultDictionary.package + " を入れ直すと漢字の行も点字にできます。かなの行はそのまま書けます";
}

std::uint32_t Word32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::uint32_t Word16(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// The first `count` bytes of a regular file and its size, or null.
std::optional<std::string> Head(const std::filesystem::path& file, std::size_t count, std::uintmax_t& size)
{
    std::error_code failed;
    if (!std::filesystem::is_regular_file(file, failed)) return std::nullopt;
    size = std::filesystem::file_size(file, failed);
    std::optional<std::string> head = ReadFileHead(file.string(), count);
    if (failed || !head || head->size() < count) return std::nullopt;
    return head;
}

// The left and right context counts of a compiled dictionary (sys.dic, unk.dic) whose header
// agrees with itself and with its file: magic, version, kind, UTF-8, section sizes.
std::optional<std::pair<std::uint32_t, std::uint32_t>> CompiledContexts(const std::filesystem::path& file,
                                                                         std::uint32_t kind)
{
    constexpr std::size_t kHeader = 72, kTokenSize = 16;
    std::uintmax_t size = 0;
    const std::optional<std::string> head = Head(file, kHeader, size);
    if (!head) return std::nullopt;
    const auto field = [&](int index) { return std::uintmax_t{Word32(*head, 4 * index)}; };
    const std::uintmax_t magic = field(0), version = field(1), type = field(2), words = field(3),
                         left = field(4), right = field(5), index = field(6), tokens = field(7),
                         features = field(8);
    const std::string charset(head->data() + 40, strnlen(head->data() + 40, 32));
    const bool utf8 = strcasecmp(charset.c_str(), "utf-8") == 0 || strcasecmp(charset.c_str(), "utf8") == 0;
    if ((magic ^ 0xef718f77u) != size || version != 102 || type != kind || !utf8 || left == 0 || right == 0 ||
        kHeader + index + tokens + features != size || tokens % kTokenSize != 0 || tokens / kTokenSize < words)
        return std::nullopt;
    return std::pair(static_cast<std::uint32_t>(left), static_cast<std::uint32_t>(right));
}

// What can be told from the files alone: every part is there, whole, and made for the others.
bool FilesAgree(const std::filesystem::path& folder)
{
    const auto contexts = CompiledContexts(folder / "sys.dic", 0);
    if (!contexts || CompiledContexts(folder / "unk.dic", 2) != contexts) return false;
    std::uintmax_t matrixSize = 0, charSize = 0;
    const std::optional<std::string> matrix = Head(folder / "matrix.bin", 4, matrixSize);
    const std::optional<std::string> classes = Head(folder / "char.bin", 4, charSize);
    const auto [left, right] = *contexts;
    return matrix && Word16(*matrix, 0) == left && Word16(*matrix, 2) == right &&
           (std::uintmax_t{left} * right + 2) * 2 == matrixSize && classes && Word32(*classes, 0) > 0 &&
           4 + std::uintmax_t{Word32(*classes, 0)} * 32 + 4 * 0xFFFF == charSize;
}

// The settings of a dictionary without its own: those naist-jdic is compiled with.
constexpr std::string_view kDefaultDicrc =
    "cost-factor = 800\nbos-feature = BOS/EOS,*,*,*,*,*,*,*,*\neval-size = 8\nunk-eval-size = 4\n"
    "config-charset = UTF-8\n";

std::filesystem::path CacheFolder()
{
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache == '/') return std::filesystem::path(cache) / "tessra";
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return std::filesystem::path(home) / ".cache" / "tessra";
    std::error_code failed;
    return std::filesystem::temp_directory_path(failed) / ("tessra-" + std::to_string(::getuid()));
}

}  // namespace

std::optional<std::string> MecabLoadFolder(const std::string& dictionary)
{
    namespace fs = std::filesystem;
    std::error_code failed;
    const fs::path folder = fs::absolute(dictionary, failed);
    if (failed || fs::exists(folder / "dicrc", failed)) return dictionary;
    std::string name = folder.lexically_normal().string();
    for (char& c : name)
        if (c == '/') c = '_';
    const fs::path links = CacheFolder() / "mecab" / name;
    fs::create_directories(links, failed);
    if (failed) return std::nullopt;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, failed)) {
        if (!entry.is_regular_file(failed)) continue;
        const fs::path link = links / entry.path().filename();
        if (fs::read_symlink(link, failed) == entry.path()) continue;
        fs::remove(link, failed);
        fs::create_symlink(entry.path(), link, failed);
        if (failed) return std::nullopt;
    }
    if (failed) return std::nullopt;
    const fs::path dicrc = links / "dicrc";
    if (ReadFileHead(dicrc.string(), kDefaultDicrc.size() + 1) != std::optional<std::string>(kDefaultDicrc)) {
        const fs::path temporary = links / ("dicrc." + std::to_string(::getpid()));
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out << kDefaultDicrc;
            if (!out.flush()) return std::nullopt;
        }
        fs::rename(temporary, dicrc, failed);
        if (failed) return std::nullopt;
    }
    return links.string();
}

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
        error = MissingMessage(dictionary);
        return nullptr;
    }
    std::unique_ptr<MecabAnalyser> analyser = Usable(dictionary) ? Load(dictionary) : nullptr;
    if (!analyser) error = UnusableMessage(dictionary);
    return analyser;
}

std::unique_ptr<MecabAnalyser> MecabAnalyser::Load(const std::string& dictionary)
{
    const std::optional<std::string> loadFolder = MecabLoadFolder(dictionary);
    if (!loadFolder) return nullptr;
    // No rc file: the system's one may name another dictionary (the Debian alternatives link).
    std::string program = "tessra", rc = "-r", rcFile = "/dev/null", dic = "-d", folder = *loadFolder;
    char* arguments[] = {program.data(), rc.data(), rcFile.data(), dic.data(), folder.data()};
    mecab_model_t* model = mecab_model_new(5, arguments);
    if (!model) return nullptr;
    const bool unidic = dictionary.find("unidic") != std::string::npos;
    return std::unique_ptr<MecabAnalyser>(
        new MecabAnalyser(model, unidic ? DictionaryKind::Unidic : DictionaryKind::Ipadic));
}

bool MecabAnalyser::Usable(const std::string& dictionary)
{
    static std::mutex mutex;
    static std::map<std::string, bool> verdicts;
    const std::lock_guard lock(mutex);
    if (const auto known = verdicts.find(dictionary); known != verdicts.end()) return known->second;
    const std::optional<bool> usable =
        FilesAgree(dictionary) ? ReadsInChild(dictionary) : std::optional<bool>(false);
    if (usable) verdicts.emplace(dictionary, *usable);
    return usable.value_or(false);
}

// libmecab trusts its files, and what the header cannot tell (a damaged index, tokens pointing
// anywhere) takes down whoever reads them. So the first load and a few lines are read in a child
// process that only touches the analyser; it dying or hanging condemns the dictionary. Null when
// no child could be started.
std::optional<bool> MecabAnalyser::ReadsInChild(const std::string& dictionary)
{
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(signal, SIG_DFL);
        if (const int quiet = ::open("/dev/null", O_WRONLY); quiet >= 0) {
            ::dup2(quiet, STDOUT_FILENO);
            ::dup2(quiet, STDERR_FILENO);
        }
        const std::unique_ptr<MecabAnalyser> analyser = Load(dictionary);
        if (!analyser) ::_exit(1);
        for (const char* line : {"東京都千代田区丸の内一丁目　山本次郎様", "賞味期限 2024年3月15日まで。",
                                 "電子レンジで温めてください（500W）", "ｶﾀｶﾅとＡＢＣ、鬱蒼とした森々！？"})
            analyser->Analyse(line, 1);
        ::_exit(0);
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(30);
    int status = 0;
    pid_t done = 0;
    while ((done = ::waitpid(child, &status, WNOHANG)) == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (done == 0) {
        ::kill(child, SIGKILL);
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
        return false;
    }
    return done == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
            for (Morpheme& part : MarkedParts(node->feature ? node->feature : "", std::move(word)))
                words.push_back(std::move(part));
        }
    }
    Return(std::move(worker));
    return words;
}

}  // namespace tessra
