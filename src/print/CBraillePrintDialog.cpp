#include "print/CBraillePrintDialog.h"

#include "settings/SettingsRecord.h"
#include "sheet/SheetPages.h"
#include "sheet/SheetWalk.h"
#include "platform/Dialogs.h"
#include "platform/PathText.h"
#include "platform/PrinterList.h"
#include "platform/TextCodec.h"
#include "print/CPrintProgressDialog.h"
#include "print/PrintChecks.h"
#include "print/PrinterModel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <climits>

namespace tessra {
namespace {

const char* const kMessageTitle = "Tessra";
const char* const kCopiesNotWholeMessage = "印刷部数は整数で入力してください";

struct PositionRow {
    const char* label;
    const char* unit;
    const char* hint;
};

// In PositionField order.
constexpr PositionRow kPositionRows[kPositionFieldCount] = {
    {"左余白", "㎜", "( 10.0 ±2.0 )"},
    {"上余白", "㎜", "( 15.0 ±3.0 )"},
    {"下余白", "㎜", "( 15 ±3.0 )"},
    {"横方向", "％", "( 0 ±3.0 )"},
    {"縦方向", "％", "( 0 ±3.0 )"},
};

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Shown(const std::string& cp932)
{
    return Utf8(Cp932ToUtf8(cp932));
}

QLineEdit* NamedEdit(const QString& name, const QString& description, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setAccessibleDescription(description);
    return edit;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QPushButton* Button(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);  // Enter reads the fields and closes, as the dialog's OK does
    return button;
}

}  // namespace

CBraillePrintDialog::CBraillePrintDialog(AppState& state, PrintDialogServices services, QWidget* parent)
    : QDialog(parent), state_(state), services_(std::move(services))
{
    setWindowTitle(QStringLiteral("テッスラ　点字印刷"));
    BuildLayout();
    FillFields();
    positionEdited_ = false;  // filling the fields is no edit
    SetUpOptionBoxes();
    ShowNotice();
    printerName_->setFocus();
}

CBraillePrintDialog::~CBraillePrintDialog() = default;

QGroupBox* CBraillePrintDialog::BuildPrinterGroup()
{
    auto* printerGroup = new QGroupBox(QStringLiteral("点字プリンタ"), this);
    const QString zenOnly = QStringLiteral("（　「ＺＥＮ－１０」のみ印刷可能　）");
    printerName_ = NamedEdit(QStringLiteral("プリンタ名"), zenOnly, printerGroup);
    port_ = NamedEdit(QStringLiteral("場　所"), QString(), printerGroup);
    port_->setReadOnly(true);
    port_->setFrame(false);
    auto* browse = Button(QStringLiteral("プリンタ参照"), printerGroup);
    connect(browse, &QPushButton::clicked, this, &CBraillePrintDialog::BrowsePrinter);
    auto* printerGrid = new QGridLayout(printerGroup);
    printerGrid->addWidget(BuddyLabel(QStringLiteral("プリンタ名"), printerName_, printerGroup), 0, 0);
    printerGrid->addWidget(printerName_, 0, 1);
    printerGrid->addWidget(browse, 0, 2);
    printerGrid->addWidget(BuddyLabel(QStringLiteral("場　所"), port_, printerGroup), 1, 0);
    printerGrid->addWidget(port_, 1, 1);
    printerGrid->addWidget(new QLabel(zenOnly, printerGroup), 2, 1, 1, 2);
    printerGrid->setColumnStretch(1, 1);
    return printerGroup;
}

QGroupBox* CBraillePrintDialog::BuildPositionGroup()
{
    auto* positionGroup = new QGroupBox(QStringLiteral("印字位置補正"), this);
    auto* positionGrid = new QGridLayout(positionGroup);
    for (std::size_t i = 0; i < kPositionFieldCount; ++i) {
        const PositionRow& row = kPositionRows[i];
        QLineEdit* edit = NamedEdit(QString::fromUtf8(row.label), QString::fromUtf8(row.hint), positionGroup);
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(70);
        connect(edit, &QLineEdit::textChanged, this, [this] { positionEdited_ = true; });
        const int line = static_cast<int>(i);
        positionGrid->addWidget(BuddyLabel(QString::fromUtf8(row.label), edit, positionGroup), line, 0);
        positionGrid->addWidget(edit, line, 1);
        positionGrid->addWidget(new QLabel(QString::fromUtf8(row.unit), positionGroup), line, 2);
        positionGrid->addWidget(new QLabel(QString::fromUtf8(row.hint), positionGroup), line, 3);
        position_[i] = edit;
    }
    auto* apply = Button(QStringLiteral("設 定"), positionGroup);
    connect(apply, &QPushButton::clicked, this, [this] { ApplyPrintPosition(); });
    positionGrid->addWidget(apply, static_cast<int>(kPositionFieldCount), 1, 1, 3, Qt::AlignLeft);
    return positionGroup;
}

QGroupBox* CBraillePrintDialog::BuildOptionGroup()
{
    auto* optionGroup = new QGroupBox(QStringLiteral("オプション"), this);
    const QString optionHint = QStringLiteral("（対応機のみ有効）");
    thickPaper_ = new QCheckBox(QStringLiteral("厚紙印字"), optionGroup);
    frontEject_ = new QCheckBox(QStringLiteral("前面排紙"), optionGroup);
    thickPaper_->setAccessibleDescription(optionHint);
    frontEject_->setAccessibleDescription(optionHint);
    connect(thickPaper_, &QCheckBox::clicked, this, [this](bool on) { state_.thickPaper = on; });
    connect(frontEject_, &QCheckBox::clicked, this, [this](bool on) { state_.frontEject = on; });
    auto* optionBox = new QVBoxLayout(optionGroup);
    optionBox->addWidget(thickPaper_);
    optionBox->addWidget(frontEject_);
    optionBox->addWidget(new QLabel(optionHint, optionGroup));
    return optionGroup;
}

QGroupBox* CBraillePrintDialog::BuildCopiesGroup()
{
    auto* copiesGroup = new QGroupBox(QStringLiteral("印刷部数"), this);
    copies_ = NamedEdit(QStringLiteral("印刷部数"), QStringLiteral("( 1 ～ 1,000 )"), copiesGroup);
    copies_->setAlignment(Qt::AlignRight);
    copies_->setMaximumWidth(70);
    copies_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), copies_));
    auto* copiesRow = new QHBoxLayout(copiesGroup);
    copiesRow->addWidget(copies_);
    copiesRow->addWidget(new QLabel(QStringLiteral("部"), copiesGroup));
    copiesRow->addWidget(new QLabel(QStringLiteral("( 1 ～ 1,000 )"), copiesGroup));
    copiesRow->addStretch();
    return copiesGroup;
}

// The labels before it stay untouched, so a partly used sheet can be used up; the view hatches
// them while the number is typed.
QGroupBox* CBraillePrintDialog::BuildStartGroup()
{
    auto* startGroup = new QGroupBox(QStringLiteral("開始ラベル"), this);
    const QString range = QStringLiteral("( 1 ～ %1 )").arg(LabelsPerSheet(state_.document.format()));
    startLabel_ = NamedEdit(QStringLiteral("開始ラベル"), range, startGroup);
    startLabel_->setAlignment(Qt::AlignRight);
    startLabel_->setMaximumWidth(70);
    startLabel_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), startLabel_));
    connect(startLabel_, &QLineEdit::textEdited, this, [this] {
        const auto start = ParseWholeNumber(startLabel_->text().toStdString());
        if (CheckStartLabel(state_.document.format(), start)) return;
        state_.startLabel = *start;
        services_.repaintView();
    });
    auto* startRow = new QHBoxLayout(startGroup);
    startRow->addWidget(startLabel_);
    startRow->addWidget(new QLabel(QStringLiteral("番目"), startGroup));
    startRow->addWidget(new QLabel(range, startGroup));
    startRow->addStretch();
    return startGroup;
}

void CBraillePrintDialog::BuildLayout()
{
    // Made in reading order, which is the tab order.
    QGroupBox* printerGroup = BuildPrinterGroup();
    QGroupBox* positionGroup = BuildPositionGroup();
    QGroupBox* optionGroup = BuildOptionGroup();
    QGroupBox* copiesGroup = BuildCopiesGroup();
    QGroupBox* startGroup = BuildStartGroup();
    print_ = Button(QStringLiteral("印 刷"), this);
    connect(print_, &QPushButton::clicked, this, &CBraillePrintDialog::Print);
    auto* cancel = Button(QStringLiteral("ｷｬﾝｾﾙ"), this);
    connect(cancel, &QPushButton::clicked, this, &CBraillePrintDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(cancel);

    auto* right = new QVBoxLayout;
    right->addWidget(optionGroup);
    right->addWidget(copiesGroup);
    right->addWidget(startGroup);
    right->addStretch();
    right->addLayout(buttons);
    auto* middle = new QHBoxLayout;
    middle->addWidget(positionGroup);
    middle->addLayout(right);

    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerGroup);
    layout->addLayout(middle);
    layout->addWidget(notice_);
}

void CBraillePrintDialog::FillFields()
{
    printerName_->setText(Shown(state_.printerName));
    port_->setText(Shown(state_.printerPort));
    const PositionTexts texts = PositionTextsOf(state_);
    for (std::size_t i = 0; i < kPositionFieldCount; ++i) position_[i]->setText(Utf8(texts[i]));
    copies_->setText(QStringLiteral("1"));
    startLabel_->setText(QString::number(PlanSheets(state_).skippedLabels + 1));
}

void CBraillePrintDialog::SetUpOptionBoxes()
{
    SetUpOptions(state_);
    const bool available = ModelTakesOptions(state_.printerModel);
    thickPaper_->setEnabled(available);
    frontEject_->setEnabled(available);
    thickPaper_->setChecked(state_.thickPaper);
    frontEject_->setChecked(state_.frontEject);
}

void CBraillePrintDialog::ShowNotice()
{
    const bool applies = PrintNoticeApplies(state_.printerModel, state_.document.format().lineCode);
    notice_->setText(applies ? QString::fromUtf8(kPrintNotice.data(), kPrintNotice.size()) : QString());
    notice_->setVisible(applies);
}

void CBraillePrintDialog::ShowMessage(const std::string& utf8Text)
{
    services_.dialogs.ShowMessage(this, {QString::fromUtf8(kMessageTitle), Utf8(utf8Text),
                                         MessageIcon::Exclamation, MessageButtons::Ok, false});
}

bool CBraillePrintDialog::Saved(bool written)
{
    // Not acting as if it was kept: the user learns which file to look at.
    if (!written) ShowMessage(std::string(kSettingsNotSavedMessage) + "\n" + ShownPath(state_.settingsPath).toStdString());
    return written;
}

bool CBraillePrintDialog::ApplyPrintPosition()
{
    PositionTexts typed;
    for (std::size_t i = 0; i < kPositionFieldCount; ++i) typed[i] = position_[i]->text().toStdString();
    const PositionOutcome outcome = ApplyPositionTexts(state_, typed);
    for (std::size_t i = 0; i < kPositionFieldCount; ++i) position_[i]->setText(Utf8(outcome.shown[i]));
    positionEdited_ = true;  // the write-back is an edit too
    services_.repaintView();  // the margins move the limits of the red cells
    if (!outcome.AllStored()) {
        ShowMessage(std::string(PositionRangeMessage(*outcome.refused)));
        position_[static_cast<std::size_t>(*outcome.refused)]->setFocus();
        return false;
    }
    if (Saved(SavePrintPosition(state_))) positionEdited_ = false;
    return true;
}

void CBraillePrintDialog::BrowsePrinter()
{
    const auto chosen = services_.choosePrinter(this, state_);
    if (!chosen) return;
    SelectPrinter(state_, *chosen);
    printerName_->setText(Shown(state_.printerName));
    port_->setText(Shown(state_.printerPort));
    Saved(SavePrinterSelection(state_));
    SetUpOptionBoxes();
    ShowNotice();
    update();
}

std::optional<int> CBraillePrintDialog::ReadCopies()
{
    const auto copies = ParseCopies(copies_->text().toStdString());
    if (!copies) {
        ShowMessage(kCopiesNotWholeMessage);
        copies_->setFocus();
    }
    return copies;
}

bool CBraillePrintDialog::ApplyStartLabel()
{
    const auto start = ParseWholeNumber(startLabel_->text().toStdString());
    if (const auto refusal = CheckStartLabel(state_.document.format(), start)) {
        ShowMessage(refusal->message);
        startLabel_->setFocus();
        return false;
    }
    if (state_.startLabel != *start) {
        state_.startLabel = *start;
        services_.repaintView();
    }
    return true;
}

void CBraillePrintDialog::Print()
{
    if (runner_.Running()) return;
    // A refused position stops here, so nothing is embossed at a position the dialog does not show.
    if (positionEdited_ && !ApplyPrintPosition()) return;
    // Which labels get pages decides which cells are checked below.
    if (!ApplyStartLabel()) return;
    // The cells as the current margins place them, not as the last drawing found them.
    if (const auto refusal = CheckPrinterReady(state_, AllCellsPrintable(state_), true)) {
        if (refusal->check == PrintCheck::UnprintableCells) {
            ShowWholeSheet(state_);
            services_.repaintView();
        }
        ShowMessage(refusal->message);
        return;
    }
    const auto copies = ReadCopies();
    if (!copies) return;
    if (const auto refusal = CheckCopies(*copies)) {
        ShowMessage(refusal->message);
        copies_->setFocus();
        return;
    }
    RunPrintJob(*copies);
}

void CBraillePrintDialog::RunPrintJob(int copies)
{
    PrintJob job{DestinationOfChosenPrinter(state_), state_.document.filePath(), state_,
                 PrintOptions{copies, state_.thickPaper, state_.frontEject}};
    const QString caption = QStringLiteral("  印刷中  ") + ShownPath(state_.document.filePath());
    // Shown while the printer is still being opened, so that a spooler that never answers can
    // be cancelled; it disables this dialog meanwhile.
    progress_ = std::make_unique<CPrintProgressDialog>(this, caption, [this] { runner_.RequestCancel(); });
    progress_->show();
    runner_.Start(std::move(job), {
        [this](int position) {
            if (!progress_) return;
            progress_->show();
            progress_->SetProgressPos(position);
        },
        [this](const std::optional<TransportFailure>& failure) { JobFinished(failure); },
    });
}

void CBraillePrintDialog::CancelJobThen(std::function<void()> afterwards)
{
    if (!runner_.Running()) return;
    afterJob_ = std::move(afterwards);
    runner_.RequestCancel();
}

void CBraillePrintDialog::JobFinished(const std::optional<TransportFailure>& failure)
{
    progress_.reset();
    if (afterJob_) {
        const std::function<void()> afterwards = std::move(afterJob_);
        afterJob_ = nullptr;
        QDialog::reject();
        afterwards();
        return;
    }
    if (!failure) return;
    services_.dialogs.ShowMessage(this, {Utf8(failure->caption), Utf8(failure->message),
                                         MessageIcon::Stop, MessageButtons::Ok, false});
}

void CBraillePrintDialog::accept()
{
    if (runner_.Running() || !ReadCopies()) return;
    QDialog::accept();
}

void CBraillePrintDialog::reject()
{
    if (runner_.Running()) return;
    QDialog::reject();
}

void CBraillePrintDialog::closeEvent(QCloseEvent* event)
{
    if (runner_.Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CBraillePrintDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tessra
