#pragma once

#include "document/AppState.h"
#include "print/CBraillePrintDialog.h"

class QWidget;

namespace tessra {

// 点字印刷: the sheet view, the fit and printable checks with their messages, then the print
// dialog, modal over `parent`, until the user closes it.
void OnBraillePrint(AppState& state, PrintDialogServices services, QWidget* parent);

}  // namespace tessra
