#include "print/PrintChecks.h"

#include "sheet/SheetGeometry.h"
#include "sheet/SheetPages.h"
#include "sheet/SheetWalk.h"
#include "print/JobEncoder.h"

#include <algorithm>
#include <climits>

namespace tessra {

std::optional<PrintRefusal> CheckLabelsFit(const SheetFormat& format)
{
    if (LabelsPerSheet(format) == 0) {
        return PrintRefusal{PrintCheck::NoLabels,
                            "シートにラベルがありません\n\n"
                            "ラベルの行数と列数を 1 以上にしてください　　"};
    }
    switch (LabelsFitSheet(format)) {
    case SheetFit::SticksOutRight:
        return PrintRefusal{PrintCheck::LabelsStickOutRight,
                            "シート右側からラベルがはみ出しています\n\n"
                            "全てのラベルがシート内に入るようにしてください　　"};
    case SheetFit::SticksOutBottom:
        return PrintRefusal{PrintCheck::LabelsStickOutBottom,
                            "シート下側からラベルがはみ出しています\n\n"
                            "全てのラベルがシート内に入るようにしてください　　"};
    case SheetFit::Fits: break;
    }
    return std::nullopt;
}

std::optional<PrintRefusal> CheckCellsPrintable(bool allCellsPrintable)
{
    if (allCellsPrintable) return std::nullopt;
    return PrintRefusal{PrintCheck::UnprintableCells,
                        "印字出来ない部分があります\n赤い点字表示が無いように修正してください"};
}

std::optional<PrintRefusal> CheckPrinterReady(const AppState& state, bool allCellsPrintable,
                                              bool printerNeeded)
{
    if (auto refusal = CheckCellsPrintable(allCellsPrintable)) return refusal;
    if (printerNeeded && state.printerName.empty()) {
        return PrintRefusal{PrintCheck::NoPrinter, "プリンタが選択されていません"};
    }
    if (state.printerModel != mode::kZen10 && state.printerModel != mode::kZen10R) {
        return PrintRefusal{PrintCheck::NotZen10, "ZEN-10 以外の点字プリンタで印刷できません"};
    }
    return std::nullopt;
}

std::optional<PrintRefusal> CheckCopies(int copies)
{
    if (copies < kMinCopies) {
        return PrintRefusal{PrintCheck::TooFewCopies, "印刷部数は 1 部以上にしてください"};
    }
    if (copies > kMaxCopies) {
        return PrintRefusal{PrintCheck::TooManyCopies, "印刷部数は 1000 部以下にしてください"};
    }
    return std::nullopt;
}

std::optional<int> ParseWholeNumber(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    long long magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = std::min<long long>(magnitude * 10 + (c - '0'), INT_MAX);
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::optional<PrintRefusal> CheckStartLabel(const SheetFormat& format, std::optional<int> startLabel)
{
    if (startLabel && StartLabelOnSheet(format, *startLabel)) return std::nullopt;
    return PrintRefusal{PrintCheck::StartLabelOffSheet,
                        "開始ラベルは 1 ～ " + std::to_string(std::max(1LL, LabelsPerSheet(format))) +
                            " の範囲内にしてください"};
}

void ShowWholeSheet(AppState& state)
{
    state.zoom = mode::kZoom0;
    if (const auto sheet = FirstSheetWithUnprintableCell(state)) state.shownSheet = *sheet;
}

}  // namespace tessra
