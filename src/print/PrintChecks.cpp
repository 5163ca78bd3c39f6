#include "print/PrintChecks.h"

#include "display/SheetGeometry.h"
#include "print/JobEncoder.h"

namespace tessra {

std::optional<PrintRefusal> CheckLabelsFit(const SheetFormat& format)
{
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

void ShowWholeSheet(AppState& state)
{
    state.zoom = mode::kZoom0;
}

}  // namespace tessra
