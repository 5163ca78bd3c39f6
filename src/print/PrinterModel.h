#pragma once

#include "document/AppState.h"

#include <string>
#include <string_view>

namespace tessra {

// The embosser model a printer's device name (CP932) stands for: "ZEN10", "ZEN10R" or empty for
// any other printer. The word and the digits may appear anywhere, in ASCII or full width.
std::string DerivePrinterModel(std::string_view printerName);

// Thick paper and front ejection exist on the R model only.
bool ModelTakesOptions(std::string_view printerModel);

// The options as the chosen printer allows them: both off for any model but the R.
void SetUpOptions(AppState& state);

// A fixed LP line pitch needs a DIP switch setting on every model but the R.
bool PrintNoticeApplies(std::string_view printerModel, std::string_view lineCode);

// UTF-8.
inline constexpr std::string_view kPrintNotice =
    "★ 改行幅は定形です。「ＺＥＮ－１０」後面のﾃﾞｨｯﾌﾟｽｲｯﾁ２を下げてください。";

}  // namespace tessra
