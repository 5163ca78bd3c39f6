#pragma once

#include "document/AppState.h"

class QWidget;

namespace tessra {

class Dialogs;

// 書き出し: asks for a name and writes the document as BRF, PEF or Unicode braille text, the kind
// by the name's extension. The document itself, its name and its modified flag stay as they are.
void OnExport(const AppState& state, Dialogs& dialogs, QWidget* parent);

}  // namespace tessra
