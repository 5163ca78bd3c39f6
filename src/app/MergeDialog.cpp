#include "app/MergeDialog.h"

#include "display/ViewPicture.h"
#include "document/ComposeList.h"
#include "document/DocumentCommands.h"
#include "document/FileIo.h"
#include "document/LabelEdit.h"
#include "merge/TemplateFields.h"
#include "platform/Dialogs.h"
#include "platform/PathText.h"
#include "platform/TextCodec.h"
#include "reading/KanaText.h"
#include "sheet/SheetReading.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>

#include <algorithm>
#include <sstream>

namespace tessra {
namespace {

constexpr int kShownRows = 20;
constexpr int kPreviewSide = 360;

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// The first message and how many more there are.
QString Summary(const std::vector<std::string>& problems)
{
    QString text = Utf8(problems.front());
    if (problems.size() > 1) text += QStringLiteral("（ほか %1 件）").arg(problems.size() - 1);
    return text;
}

bool ListHasKanji(const ListResult& list)
{
    return std::ranges::any_of(list.rows, [](const ListRow& row) {
        return std::ranges::any_of(row.fields, [](const std::string& value) { return HasKanji(value); });
    });
}

}  // namespace

MergeDialog::MergeDialog(AppState& state, MergeServices services, QWidget* parent)
    : QDialog(parent), state_(state), services_(std::move(services))
{
    setWindowTitle(QStringLiteral("差し込み"));
    setObjectName(QStringLiteral("mergeDialog"));
    auto* grid = new QGridLayout(this);

    auto* pathLabel = new QLabel(QStringLiteral("リストのファイル(&F)"));
    path_ = new QLineEdit;
    path_->setAccessibleName(QStringLiteral("リストのファイル"));
    pathLabel->setBuddy(path_);
    auto* browse = new QPushButton(QStringLiteral("参照(&B)..."));
    browse->setAccessibleName(QStringLiteral("リストのファイルを選ぶ"));
    grid->addWidget(pathLabel, 0, 0);
    grid->addWidget(path_, 0, 1);
    grid->addWidget(browse, 0, 2);

    header_ = new QCheckBox(QStringLiteral("1 行目は列の名前(&H)"));
    header_->setAccessibleName(QStringLiteral("1 行目は列の名前"));
    header_->setChecked(true);
    grid->addWidget(header_, 1, 1, 1, 2);

    auto* tableLabel = new QLabel(QStringLiteral("リストの先頭の行(&R)"));
    table_ = new QTableWidget;
    table_->setAccessibleName(QStringLiteral("リストの先頭の行"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setMinimumHeight(140);
    tableLabel->setBuddy(table_);
    grid->addWidget(tableLabel, 2, 0, Qt::AlignTop);
    grid->addWidget(table_, 2, 1, 1, 2);

    auto* templateLabel = new QLabel(QStringLiteral("ラベルのテキスト(&T)"));
    template_ = new QPlainTextEdit;
    template_->setAccessibleName(QStringLiteral("ラベルのテキスト"));
    template_->setAccessibleDescription(
        QStringLiteral("${列の名前} の所に各行の値が入ります。$${ と書くと ${ そのものになります。"));
    template_->setTabChangesFocus(true);
    template_->setFixedHeight(template_->fontMetrics().lineSpacing() * 5 + 12);
    templateLabel->setBuddy(template_);
    grid->addWidget(templateLabel, 3, 0, Qt::AlignTop);
    grid->addWidget(template_, 3, 1, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("列を挿入")), 4, 0);
    columns_ = new QWidget;
    columnLayout_ = new QHBoxLayout(columns_);
    columnLayout_->setContentsMargins(0, 0, 0, 0);
    auto* columnScroller = new QScrollArea;
    columnScroller->setWidget(columns_);
    columnScroller->setWidgetResizable(true);
    columnScroller->setFrameShape(QFrame::NoFrame);
    columnScroller->setFocusPolicy(Qt::NoFocus);  // its buttons take the focus
    columnScroller->setFixedHeight(columns_->sizeHint().height() + 24);
    grid->addWidget(columnScroller, 4, 1, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("見本")), 5, 0, Qt::AlignTop);
    preview_ = new QLabel;
    preview_->setAccessibleName(QStringLiteral("見本"));
    preview_->setMinimumSize(kPreviewSide, kPreviewSide);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFocusPolicy(Qt::TabFocus);  // a screen reader reaches its description
    grid->addWidget(preview_, 5, 1, 1, 2);

    message_ = new QLabel;
    message_->setAccessibleName(QStringLiteral("メッセージ"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    grid->addWidget(message_, 6, 0, 1, 3);

    auto* buttons = new QDialogButtonBox;
    make_ = buttons->addButton(QStringLiteral("作成(&M)"), QDialogButtonBox::AcceptRole);
    make_->setAccessibleName(QStringLiteral("作成"));
    QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setAccessibleName(QStringLiteral("キャンセル"));
    grid->addWidget(buttons, 7, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    refresh_.setSingleShot(true);
    refresh_.setInterval(300);
    connect(&refresh_, &QTimer::timeout, this, &MergeDialog::Refresh);
    connect(browse, &QPushButton::clicked, this, &MergeDialog::Browse);
    connect(path_, &QLineEdit::editingFinished, this, [this] { OpenList(path_->text()); });
    connect(header_, &QCheckBox::toggled, this, &MergeDialog::Refresh);
    connect(template_, &QPlainTextEdit::textChanged, this, [this] { refresh_.start(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Make(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Tell(QStringLiteral("リストのファイルを選んでください。"));
}

// The fields lose the focus as the window goes; by then there is no list to read again.
MergeDialog::~MergeDialog()
{
    path_->disconnect(this);
    header_->disconnect(this);
    template_->disconnect(this);
}

void MergeDialog::Prefill()
{
    QStringList lines;
    if (state_.document.fileOpen()) {
        const LabelEdit label(state_, state_.chosenLabel);
        for (const std::string& line : label.Texts()) lines << Utf8(line);
    }
    const QSignalBlocker blocker(template_);
    template_->setPlainText(lines.join(QLatin1Char('\n')));
    Refresh();
}

void MergeDialog::Browse()
{
    const FileRequest request{QStringLiteral("リストを開く"),
                              QStringLiteral("リスト (*.csv *.tsv *.txt *.CSV *.TSV *.TXT);;すべてのファイル (*)"),
                              path_->text(), {}};
    if (const std::optional<QString> path = services_.dialogs.OpenFileName(this, request)) OpenList(*path);
}

void MergeDialog::OpenList(const QString& path)
{
    path_->setText(path);
    const std::optional<std::string> bytes = ReadFileHead(PathBytes(path), kListSizeLimit);
    listRead_ = bytes.has_value();
    bytes_ = bytes.value_or(std::string());
    Refresh();
}

void MergeDialog::Refresh()
{
    refresh_.stop();
    ready_ = false;
    make_->setEnabled(false);
    preview_->clear();
    preview_->setAccessibleDescription({});
    list_ = listRead_ ? ReadList(bytes_, header_->isChecked(), Cp932ToUtf8) : ListResult{};
    ShowList();
    ShowColumns();
    if (path_->text().isEmpty()) return Tell(QStringLiteral("リストのファイルを選んでください。"));
    if (!listRead_) return Tell(path_->text() + QStringLiteral("\nファイルのオープンに失敗しました。"));
    if (!list_.error.empty()) return Tell(Utf8(list_.error));

    const LabelTemplate labelTemplate = ParseTemplate(template_->toPlainText().toStdString(), list_);
    const bool kanji = HasKanji(template_->toPlainText().toStdString()) || ListHasKanji(list_);
    const LineTranscriber* transcriber = kanji && services_.transcriber ? services_.transcriber() : nullptr;
    const FormatChoice format = state_.document.fileOpen() ? state_.document.choice() : NewDocumentContent().choice;
    merged_ = state_;
    const std::vector<std::string> problems =
        ComposeListOnFormat(labelTemplate, list_, format, merged_, transcriber);
    if (!problems.empty()) return Tell(Summary(problems));
    ready_ = true;
    make_->setEnabled(true);
    Tell({});
    ShowPreview();
}

void MergeDialog::ShowList()
{
    table_->clear();
    std::size_t width = list_.columns.size();
    for (const ListRow& row : list_.rows) width = std::max(width, row.fields.size());
    const int rows = static_cast<int>(std::min<std::size_t>(list_.rows.size(), kShownRows));
    table_->setColumnCount(static_cast<int>(width));
    table_->setRowCount(rows);
    QStringList names;
    for (std::size_t c = 0; c < width; ++c)
        names << (c < list_.columns.size() ? Utf8(list_.columns[c]) : QString::number(c + 1));
    table_->setHorizontalHeaderLabels(names);
    QStringList numbers;
    for (int r = 0; r < rows; ++r) {
        const ListRow& row = list_.rows[static_cast<std::size_t>(r)];
        numbers << QString::number(row.number);
        for (std::size_t c = 0; c < row.fields.size(); ++c)
            table_->setItem(r, static_cast<int>(c), new QTableWidgetItem(Utf8(row.fields[c])));
    }
    table_->setVerticalHeaderLabels(numbers);
    table_->resizeColumnsToContents();
}

void MergeDialog::ShowColumns()
{
    for (QPushButton* button : ColumnButtons()) delete button;
    for (int c = 0; c < table_->columnCount(); ++c) {
        const bool named = static_cast<std::size_t>(c) < list_.columns.size() && !list_.columns[c].empty();
        const QString field = named ? Utf8(list_.columns[static_cast<std::size_t>(c)]) : QString::number(c + 1);
        auto* button = new QPushButton(QStringLiteral("${%1}").arg(field));
        button->setAccessibleName(QStringLiteral("列「%1」を挿入").arg(field));
        connect(button, &QPushButton::clicked, this, [this, field] {
            template_->insertPlainText(QStringLiteral("${%1}").arg(field));
            template_->setFocus();
        });
        columnLayout_->addWidget(button);
    }
}

QList<QPushButton*> MergeDialog::ColumnButtons() const
{
    return columns_->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
}

// The first sheet as the view draws it at its smallest, and the first label's plain reading for
// those who do not see it.
void MergeDialog::ShowPreview()
{
    AppState shown = merged_;
    shown.viewMode = mode::kSheet;
    shown.zoom = mode::kZoom0;
    shown.displayMode = mode::kBraille;
    shown.shownSheet = 0;
    shown.startLabel = 1;
    const QImage image = ViewImage(shown, kPreviewSide);
    if (!image.isNull())
        preview_->setPixmap(QPixmap::fromImage(
            image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    std::ostringstream reading;
    WriteSheetReading(reading, shown, {0, -1, false, true});
    preview_->setAccessibleDescription(Utf8(reading.str()).trimmed());
}

void MergeDialog::Tell(const QString& message)
{
    message_->setText(message);
}

bool MergeDialog::Make()
{
    if (refresh_.isActive()) Refresh();
    if (!ready_) return false;
    if (services_.mayDiscardChanges && !services_.mayDiscardChanges()) return false;
    state_.chosenLabel = 0;
    state_.shownSheet = 0;
    state_.document.Replace(merged_.document.content(), {}, {}, Document::Start::Modified);
    state_.document.SetUncheckedReadings(merged_.document.uncheckedReadings());
    hide();
    if (services_.made) services_.made();
    return true;
}

}  // namespace tessra
