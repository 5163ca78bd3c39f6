#include "app/MergeReadings.h"

#include "document/LabelEdit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <map>

namespace tessra {
namespace {

// The unchecked lines' texts by the page that holds them.
std::map<long long, QStringList> UncheckedPages(const AppState& state)
{
    std::map<long long, QStringList> pages;
    const long long perPage = std::max(1, state.document.linesPerPage());
    for (const auto& [line, reading] : state.document.uncheckedReadings())
        if (IsUncheckedLine(state, line))
            pages[static_cast<long long>(line) / perPage] << QString::fromStdString(reading.text);
    return pages;
}

}  // namespace

MergeReadings::MergeReadings(AppState& state, Hooks hooks, QWidget* parent)
    : QDialog(parent), state_(state), hooks_(std::move(hooks))
{
    setWindowTitle(QStringLiteral("差し込みの読み"));
    setObjectName(QStringLiteral("mergeReadings"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel;
    layout->addWidget(summary_);
    auto* heading = new QLabel(QStringLiteral("読みを確かめるラベル(&L)"));
    layout->addWidget(heading);
    list_ = new QListWidget;
    list_->setAccessibleName(QStringLiteral("読みを確かめるラベル"));
    heading->setBuddy(list_);
    layout->addWidget(list_);
    auto* note = new QLabel(QStringLiteral("読みはラベル編集の欄で直し、辞書にも登録できます。"));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox;
    confirm_ = buttons->addButton(QStringLiteral("このラベルの読みを確定(&C)"), QDialogButtonBox::ActionRole);
    confirm_->setAccessibleName(QStringLiteral("このラベルの読みを確定"));
    QPushButton* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    close->setAccessibleName(QStringLiteral("閉じる"));
    layout->addWidget(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || !hooks_.showPage) return;
        hooks_.showPage(list_->item(row)->data(Qt::UserRole).toLongLong());
    });
    connect(confirm_, &QPushButton::clicked, this, [this] {
        if (hooks_.confirm) hooks_.confirm();
        ShowCurrent();  // on to the next label that waits, as the list now stands
        list_->setFocus();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    state_.document.AddObserver(this);
    Fill();
}

MergeReadings::~MergeReadings()
{
    state_.document.RemoveObserver(this);
}

void MergeReadings::ShowCurrent()
{
    if (const QListWidgetItem* item = list_->currentItem(); item && hooks_.showPage)
        hooks_.showPage(item->data(Qt::UserRole).toLongLong());
}

void MergeReadings::DocumentChanged(unsigned changes)
{
    if (changes & (kReadingsChanged | kLinesChanged)) Fill();
}

void MergeReadings::Fill()
{
    const int keep = std::max(0, list_->currentRow());
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const auto& [page, texts] : UncheckedPages(state_)) {
        auto* item = new QListWidgetItem(QStringLiteral("ラベル %1　%2").arg(page + 1).arg(texts.join(QStringLiteral("　"))));
        item->setData(Qt::UserRole, page);
        list_->addItem(item);
    }
    const int count = list_->count();
    summary_->setText(count == 0 ? QStringLiteral("読みを確かめるラベルはありません。")
                                 : QStringLiteral("読みを確かめていないラベル %1").arg(count));
    confirm_->setEnabled(count > 0);
    if (count > 0) list_->setCurrentRow(std::min(keep, count - 1));
}

}  // namespace tessra
