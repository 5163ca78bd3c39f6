#include "print/PrinterModel.h"

#include "document/AppState.h"
#include "text/Cp932Text.h"
#include "format/LinePitch.h"

#include <algorithm>
#include <initializer_list>

namespace tessra {
namespace {

bool ContainsAny(std::string_view name, std::initializer_list<std::string_view> parts)
{
    return std::any_of(parts.begin(), parts.end(),
                       [name](std::string_view part) { return Cp932Contains(name, part); });
}

}  // namespace

std::string DerivePrinterModel(std::string_view printerName)
{
    const bool zen = ContainsAny(printerName, {
        "zen",
        "ZEN",
        "\x82\x9A\x82\x85\x82\x8E",  // ｚｅｎ
        "\x82\x79\x82\x64\x82\x6D",  // ＺＥＮ
    });
    const bool ten = ContainsAny(printerName, {
        "10",
        "\x82\x50\x82\x4F",  // １０
    });
    if (!zen || !ten) return {};
    const bool rModel = ContainsAny(printerName, {
        "10r",
        "10R",
        "\x82\x50\x82\x4F\x82\x92",  // １０ｒ
        "\x82\x50\x82\x4F\x82\x71",  // １０Ｒ
    });
    return rModel ? mode::kZen10R : mode::kZen10;
}

bool ModelTakesOptions(std::string_view printerModel)
{
    return printerModel == mode::kZen10R;
}

void SetUpOptions(AppState& state)
{
    if (ModelTakesOptions(state.printerModel)) return;
    state.thickPaper = false;
    state.frontEject = false;
}

bool PrintNoticeApplies(std::string_view printerModel, std::string_view lineCode)
{
    return printerModel != mode::kZen10R && FindLinePitch(lineCode) != nullptr;
}

}  // namespace tessra
