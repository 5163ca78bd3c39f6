#include "platform/PathText.h"

#include "text/Utf8Text.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>
#include <optional>

namespace tessra {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char32_t kReplacement = 0xFFFD;

bool IsEscapedByte(char16_t unit)
{
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The one entry of `folder` that shows as `shown`, or nothing.
std::optional<std::string> EntryShownAs(const std::string& folder, const QString& shown)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.empty() ? "." : folder.c_str()),
                                                       ::closedir);
    if (!listing) return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(listing.get())) {
        if (ShownPath(entry->d_name) != shown) continue;
        if (found) return std::nullopt;  // two names look alike: neither is guessed
        found = entry->d_name;
    }
    return found;
}

}  // namespace

QString PathFromBytes(std::string_view bytes)
{
    QString path;
    path.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const Utf8Char c = DecodeUtf8At(bytes, at);
        if (c.valid) {
            const char32_t code = c.code;
            path += QString::fromUcs4(&code, 1);
        } else {
            path += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[at])));
        }
        at += c.length;
    }
    return path;
}

std::string PathBytes(const QString& path)
{
    std::string bytes;
    std::u32string run;
    const auto flush = [&] {
        bytes += EncodeUtf8(run);
        run.clear();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i].unicode();
        if (IsEscapedByte(unit)) {
            flush();
            bytes += static_cast<char>(unit - kEscapeBase);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < path.size() && path[i + 1].isLowSurrogate()) {
            run += QChar::surrogateToUcs4(unit, path[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            run += kReplacement;
        } else {
            run += unit;
        }
    }
    flush();
    return bytes;
}

QString ShownPath(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QStringList ArgumentsOf(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << PathFromBytes(argv[i]);
    return arguments;
}

QString PathOnDisk(const QString& shown)
{
    if (!shown.contains(QChar(kReplacement)) || Exists(PathBytes(shown))) return shown;
    std::string resolved = shown.startsWith(u'/') ? "/" : "";
    const QStringList parts = shown.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        std::string part = PathBytes(parts[i]);
        const std::string folder = resolved;
        if (!Exists(folder + part) && parts[i].contains(QChar(kReplacement))) {
            const auto entry = EntryShownAs(folder, parts[i]);
            if (!entry) return shown;
            part = *entry;
        }
        resolved += part;
        if (i + 1 < parts.size()) resolved += '/';
    }
    return PathFromBytes(resolved);
}

}  // namespace tessra
