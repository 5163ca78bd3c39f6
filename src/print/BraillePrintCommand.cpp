#include "print/BraillePrintCommand.h"

#include "sheet/SheetWalk.h"
#include "platform/Dialogs.h"
#include "print/PrintChecks.h"

namespace tessra {
namespace {

const char* const kNoDocumentMessage = "ファイルが開かれておりません";

void ShowMessage(Dialogs& dialogs, QWidget* parent, const std::string& utf8Text)
{
    dialogs.ShowMessage(parent, {QStringLiteral("Tessra"), QString::fromStdString(utf8Text)});
}

}  // namespace

void OnBraillePrint(AppState& state, PrintDialogServices services, QWidget* parent)
{
    if (!state.document.fileOpen()) {
        ShowMessage(services.dialogs, parent, kNoDocumentMessage);
        return;
    }
    // The printable check must cover the whole sheet, not the one label the label view shows.
    state.viewMode = mode::kSheet;
    services.repaintView();
    if (const auto refusal = CheckLabelsFit(state.document.format())) {
        ShowWholeSheet(state);
        services.repaintView();
        ShowMessage(services.dialogs, parent, refusal->message);
        return;
    }
    // A warning only: the dialog opens all the same, and its print button refuses the job.
    if (const auto refusal = CheckCellsPrintable(AllCellsPrintable(state))) {
        ShowWholeSheet(state);
        services.repaintView();
        ShowMessage(services.dialogs, parent, refusal->message);
    }
    CBraillePrintDialog dialog(state, std::move(services), parent);
    dialog.exec();
}

}  // namespace tessra
