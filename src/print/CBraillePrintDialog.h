#pragma once

#include "document/AppState.h"
#include "print/PrintJobRunner.h"
#include "print/PrintPosition.h"
#include "print/PrinterChooser.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessra {

class CPrintProgressDialog;
class Dialogs;

// What the print dialog reaches beyond itself.
struct PrintDialogServices {
    Dialogs& dialogs;
    std::function<void()> repaintView;  // repaint now
    ChoosePrinterFn choosePrinter = ChoosePrinterFromSpooler;
};

// テッスラ　点字印刷: the printer, the print position, the options, the copies and the start
// label, and the print button that checks them and starts the job. Fields come from the state on
// construction.
class CBraillePrintDialog final : public QDialog {
public:
    CBraillePrintDialog(AppState& state, PrintDialogServices services, QWidget* parent = nullptr);
    ~CBraillePrintDialog() override;

    // 設 定: normalises, checks, stores and saves the five settings; whether all were stored.
    bool ApplyPrintPosition();
    // プリンタ参照.
    void BrowsePrinter();
    // 印 刷: the checks, then the job on its worker thread.
    void Print();

    bool JobRunning() const { return runner_.Running(); }
    // Cancels the running job; once its closing bytes are out the dialog closes without a
    // message and `afterwards` runs. For quitting while a job runs.
    void CancelJobThen(std::function<void()> afterwards);
    CPrintProgressDialog* Progress() const { return progress_.get(); }
    bool PositionEdited() const { return positionEdited_; }

protected:
    void accept() override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    QGroupBox* BuildPrinterGroup();
    QGroupBox* BuildPositionGroup();
    QGroupBox* BuildOptionGroup();
    QGroupBox* BuildCopiesGroup();
    QGroupBox* BuildStartGroup();
    void FillFields();
    void SetUpOptionBoxes();
    void ShowNotice();
    void ShowMessage(const std::string& utf8Text);
    // `written`, after telling the user when the settings record was not.
    bool Saved(bool written);
    std::optional<int> ReadCopies();
    bool ApplyStartLabel();
    void RunPrintJob(int copies);
    void JobFinished(const std::optional<TransportFailure>& failure);

    AppState& state_;
    PrintDialogServices services_;
    PrintJobRunner runner_;
    std::unique_ptr<CPrintProgressDialog> progress_;
    bool positionEdited_ = false;
    std::function<void()> afterJob_;

    QLineEdit* printerName_;
    QLineEdit* port_;
    std::array<QLineEdit*, kPositionFieldCount> position_;
    QCheckBox* thickPaper_;
    QCheckBox* frontEject_;
    QLineEdit* copies_;
    QLineEdit* startLabel_;
    QPushButton* print_;
    QLabel* notice_;
};

}  // namespace tessra
