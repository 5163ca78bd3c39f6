#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

class QPainter;

namespace tessra {

// The three faces the views draw with. The names are the ones the documents' world knows; each is
// mapped once to a font installed here (DejaVu Sans has the braille patterns, IPAGothic the kana).
enum class TextFace { Braille, Kana, Ruler };

// One face at one size, with every text it has drawn kept as prepared glyph runs: laying out a
// text costs microseconds, drawing a prepared run a fraction of that.
class FaceAtSize {
public:
    explicit FaceAtSize(QFont font);

    // `utf8` with its top-left corner at (x, y), in the painter's pen colour.
    void DrawText(QPainter& painter, int x, int y, std::string_view utf8);
    // Cell bytes as their braille patterns, one glyph each.
    void DrawCells(QPainter& painter, int x, int y, std::string_view cells);

private:
    const QList<QGlyphRun>& Prepared(const std::string& key, const QString& text);
    static void Draw(QPainter& painter, int x, int y, const QList<QGlyphRun>& runs);

    QFont font_;
    std::unordered_map<std::string, QList<QGlyphRun>> runs_;
    std::array<const QList<QGlyphRun>*, 256> singleCells_{};
};

// The font layer: sizes in tenths of a point at the surface's vertical resolution.
class CellFonts {
public:
    explicit CellFonts(int dpi);

    FaceAtSize& Face(TextFace face, int tenthsOfPoint);

    // A size in tenths of a point as whole pixels, rounded as point-size fonts are.
    static int PixelSize(int tenthsOfPoint, int dpi);

private:
    int dpi_;
    std::map<std::pair<TextFace, int>, FaceAtSize> faces_;
};

// Ruler numbers and "(mm)" are drawn at 9 points.
inline constexpr int kRulerFontSize = 90;

}  // namespace tessra
