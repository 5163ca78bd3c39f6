#include "display/CellFonts.h"

#include "braille/BrailleUnicode.h"

#include <QPainter>
#include <QTextLayout>

namespace tessra {
namespace {

const char* const kBrailleFamily = "Kelvane";
const char* const kRulerFamily = "MS ゴシック";
const char* const kKanaFamily = "ＭＳ　ゴシック";

// The faces named by the documents' world stand for fonts that Debian ships.
void InsertSubstitutionsOnce()
{
    static const bool inserted = [] {
        QFont::insertSubstitutions(QString::fromUtf8(kBrailleFamily), {"DejaVu Sans"});
        QFont::insertSubstitutions(QString::fromUtf8(kRulerFamily), {"IPAGothic"});
        QFont::insertSubstitutions(QString::fromUtf8(kKanaFamily), {"IPAGothic"});
        return true;
    }();
    (void)inserted;
}

const char* FamilyOf(TextFace face)
{
    switch (face) {
    case TextFace::Braille: return kBrailleFamily;
    case TextFace::Kana: return kKanaFamily;
    case TextFace::Ruler: return kRulerFamily;
    }
    return kKanaFamily;
}

QString BraillePatterns(std::string_view cells)
{
    QString text;
    text.reserve(static_cast<qsizetype>(cells.size()));
    for (const char cell : cells)
        text += QChar(static_cast<char16_t>(BrailleCodePoint(static_cast<unsigned char>(cell))));
    return text;
}

}  // namespace

FaceAtSize::FaceAtSize(QFont font) : font_(std::move(font)) {}

const QList<QGlyphRun>& FaceAtSize::Prepared(const std::string& key, const QString& text)
{
    auto found = runs_.find(key);
    if (found != runs_.end()) return found->second;
    QTextLayout layout(text, font_);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return runs_.emplace(key, layout.glyphRuns()).first->second;
}

void FaceAtSize::Draw(QPainter& painter, int x, int y, const QList<QGlyphRun>& runs)
{
    for (const QGlyphRun& run : runs) painter.drawGlyphRun(QPointF(x, y), run);
}

void FaceAtSize::DrawText(QPainter& painter, int x, int y, std::string_view utf8)
{
    std::string key(utf8);
    Draw(painter, x, y,
         Prepared(key, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))));
}

void FaceAtSize::DrawCells(QPainter& painter, int x, int y, std::string_view cells)
{
    // The blank pattern has no ink; leaving it out keeps the picture and keeps PDF text clean.
    if (cells.find_first_not_of(' ') == std::string_view::npos) return;
    if (cells.size() == 1) {
        const auto byte = static_cast<unsigned char>(cells.front());
        const QList<QGlyphRun>*& single = singleCells_[byte];
        if (!single) single = &Prepared(std::string(1, '\0') + cells.front(), BraillePatterns(cells));
        Draw(painter, x, y, *single);
        return;
    }
    // Cell texts are kept apart from UTF-8 texts by a leading NUL, which no UTF-8 text starts with.
    Draw(painter, x, y, Prepared('\0' + std::string(cells), BraillePatterns(cells)));
}

CellFonts::CellFonts(int dpi) : dpi_(dpi)
{
    InsertSubstitutionsOnce();
}

int CellFonts::PixelSize(int tenthsOfPoint, int dpi)
{
    const long long scaled = static_cast<long long>(tenthsOfPoint) * dpi;
    return static_cast<int>((scaled + 360) / 720);
}

FaceAtSize& CellFonts::Face(TextFace face, int tenthsOfPoint)
{
    const auto key = std::make_pair(face, tenthsOfPoint);
    auto found = faces_.find(key);
    if (found != faces_.end()) return found->second;
    QFont font(QString::fromUtf8(FamilyOf(face)));
    font.setPixelSize(std::max(1, PixelSize(tenthsOfPoint, dpi_)));
    return faces_.emplace(key, FaceAtSize(font)).first->second;
}

}  // namespace tessra
