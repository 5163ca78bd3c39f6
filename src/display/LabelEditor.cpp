#include "display/LabelEditor.h"

#include "display/LabelTextEdit.h"
#include "display/ReadingProposal.h"
#include "sheet/SheetGeometry.h"
#include "reading/KanaText.h"
#include "reading/Transcriber.h"

#include <QLabel>
#include <QTextBlock>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace tessra {
namespace {

// Where character `column` (from 1, in code points) of a line starts, in the line's UTF-16.
int Utf16Position(const QString& line, int column)
{
    int position = 0;
    for (int c = 1; c < column && position < line.size(); ++c)
        position += line.at(position).isHighSurrogate() && position + 1 < line.size() ? 2 : 1;
    return position;
}

int CodePointLength(const QString& line, int position)
{
    return position + 1 < line.size() && line.at(position).isHighSurrogate() ? 2 : 1;
}

}  // namespace

LabelEditor::LabelEditor(AppState& state, Hooks hooks, QWidget* parent)
    : QWidget(parent),
      state_(state),
      hooks_(std::move(hooks)),
      heading_(new QLabel),
      text_(new LabelTextEdit),
      message_(new QLabel),
      reading_(new ReadingProposal([this](const QString& reading) { WriteCurrentLineAs(reading); }))
{
    setObjectName(QStringLiteral("labelEditor"));
    heading_->setObjectName(QStringLiteral("labelEditorHeading"));
    heading_->setAccessibleName(QStringLiteral("編集するラベル"));
    heading_->setBuddy(text_);
    message_->setObjectName(QStringLiteral("labelEditorMessage"));
    message_->setAccessibleName(QStringLiteral("ラベル編集のメッセージ"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette warning = message_->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    message_->setPalette(warning);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(heading_);
    layout->addWidget(text_, 1);
    layout->addWidget(message_);
    layout->addWidget(reading_);
    // The history is the window's, shared with the format bar; the field keeps none of its own.
    text_->setUndoRedoEnabled(false);
    text_->SetHistoryKeys(hooks_.undo, hooks_.redo);
    connect(text_->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                // One key where the last one left the cursor: a letter after it, a Backspace before it.
                typing_ = removed + added == 1;
                joinsTyping_ = typing_ && (position == last_.cursor || position + removed == last_.cursor);
            });
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        Record();
        Compose();
    });
    // A line with kanji is written at once as its proposed reading; the field below shows it.
    connect(text_, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { reading_->ProposeFor(text_->textCursor().block().text()); });
    state_.document.AddObserver(this);
    Reload();
}

LabelEditor::~LabelEditor()
{
    state_.document.RemoveObserver(this);
}

void LabelEditor::DocumentChanged(unsigned changes)
{
    if (storing_) return;
    if (changes & kLinesChanged) {
        Reload();
    } else if (changes & kFormatChanged) {
        FormatChanged();
    }
}

void LabelEditor::Reload()
{
    edit_.emplace(state_, state_.chosenLabel);
    shownPage_ = LabelPage(state_, state_.chosenLabel);
    QStringList lines;
    for (const std::string& line : edit_->Texts()) lines << QString::fromStdString(line);
    loading_ = true;
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    loading_ = false;
    last_ = Current();
    endTyping_ = true;
    text_->setReadOnly(!state_.document.fileOpen());
    message_->clear();
    const LabelComposition composition = edit_->Compose(TextLines());
    MarkLines(composition);  // and the heading, which names the unchecked lines
    ShowCounts(composition);
}

// Which label the text belongs to, and in shared data that it is every label's.
void LabelEditor::ShowHeading()
{
    QString heading;
    if (!state_.document.fileOpen()) {
        heading = QStringLiteral("文書がありません");
    } else if (state_.document.sameDataForAllLabels()) {
        heading = QStringLiteral("全ラベル共通のテキスト(&T)");
    } else {
        heading = QStringLiteral("ラベル %1 のテキスト(&T)").arg(state_.chosenLabel + 1);
    }
    heading_->setText(heading);
    QString description = QString(heading).remove(QStringLiteral("(&T)"));
    if (const auto unchecked = text_->Unchecked().size())
        description += QStringLiteral("。読みを確かめていない行 %1").arg(unchecked);
    text_->setAccessibleDescription(description);
}

void LabelEditor::FormatChanged()
{
    ShowHeading();
    if (LabelPage(state_, state_.chosenLabel) != shownPage_) {
        Reload();
    } else {
        ShowCounts(edit_->Compose(TextLines()));
    }
}

std::vector<std::string> LabelEditor::TextLines() const
{
    std::vector<std::string> lines;
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    // An empty field is no line at all, as a page without text shows none.
    if (lines.size() == 1 && lines.front().empty()) lines.clear();
    return lines;
}

void LabelEditor::ConfirmAllReadings()
{
    if (!edit_ || text_->isReadOnly()) return;
    QStringList lines;
    bool confirmed = false;
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        QString line = block.text();
        if (HasKanji(line.toStdString())) {
            if (QString reading = reading_->ReadingFor(line); !reading.isEmpty()) {
                line = std::move(reading);
                confirmed = true;
            }
        }
        lines << line;
    }
    if (!confirmed) return;
    const int lineNumber = text_->textCursor().blockNumber();
    QTextCursor all(text_->document());
    all.select(QTextCursor::Document);
    all.insertText(lines.join(QLatin1Char('\n')));
    QTextCursor cursor(text_->document()->findBlockByNumber(lineNumber));
    cursor.movePosition(QTextCursor::EndOfBlock);
    text_->setTextCursor(cursor);
}

void LabelEditor::WriteCurrentLineAs(const QString& reading)
{
    QTextCursor line = text_->textCursor();
    line.movePosition(QTextCursor::StartOfBlock);
    line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    line.insertText(reading);
    text_->setTextCursor(line);
    text_->setFocus();
}

TextEditStep::Side LabelEditor::Current() const
{
    return {text_->toPlainText(), text_->textCursor().position()};
}

void LabelEditor::Record()
{
    if (loading_) return;
    TextEditStep::Side now = Current();
    if (history_ && now.text != last_.text) {
        if (hooks_.beforeStep) hooks_.beforeStep();
        const long long label = state_.chosenLabel;
        history_->push(new TextEditStep(last_, now, typing_, joinsTyping_ && !endTyping_,
                                        [this, label](const TextEditStep::Side& side) { Apply(label, side); }));
    }
    last_ = std::move(now);
    endTyping_ = false;
}

// Undo and redo bring back the label the step was typed into, then its text.
void LabelEditor::Apply(long long label, const TextEditStep::Side& side)
{
    if (!state_.document.sameDataForAllLabels() && label != state_.chosenLabel && hooks_.chooseLabel) hooks_.chooseLabel(label);
    // A format undone since may have taken the label away; its text then has nowhere to go.
    if (!state_.document.sameDataForAllLabels() && label != state_.chosenLabel) return;
    loading_ = true;
    text_->setPlainText(side.text);
    QTextCursor cursor = text_->textCursor();
    cursor.setPosition(std::min(side.cursor, static_cast<int>(side.text.size())));
    text_->setTextCursor(cursor);
    loading_ = false;
    last_ = Current();
    endTyping_ = true;
    Compose();
}

void LabelEditor::Compose()
{
    if (loading_ || !edit_ || !state_.document.fileOpen()) return;
    const std::vector<std::string> texts = TextLines();
    // The analyser is loaded only once a line needs it.
    const bool kanji = std::ranges::any_of(texts, [](const std::string& line) { return HasKanji(line); });
    const LabelComposition composition = edit_->Compose(texts, kanji ? reading_->Loaded() : nullptr);
    MarkLines(composition);
    ShowMessage(composition);
    ShowCounts(composition);
    if (!composition.Composed()) return;
    storing_ = true;
    edit_->Store(state_, composition.cells);
    edit_->MarkUnchecked(state_, composition, texts);
    storing_ = false;
}

// Lines not yet checked are tinted; refused characters are red and underlined over that.
void LabelEditor::MarkLines(const LabelComposition& composition)
{
    QList<QTextEdit::ExtraSelection> marks;
    for (const int line : composition.unchecked) {
        const QTextBlock block = text_->document()->findBlockByNumber(line);
        if (!block.isValid()) continue;
        QTextEdit::ExtraSelection mark;
        mark.format.setBackground(LabelTextEdit::UncheckedTint());
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        mark.cursor = QTextCursor(block);
        marks << mark;
    }
    for (const LabelRefusal& refused : composition.refusals) {
        const QTextBlock block = text_->document()->findBlockByNumber(refused.line);
        if (!block.isValid()) continue;
        QTextEdit::ExtraSelection mark;
        mark.format.setForeground(Qt::red);
        mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.format.setUnderlineColor(Qt::red);
        mark.cursor = QTextCursor(block);
        if (refused.refusal.character.empty()) {
            mark.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        } else {
            const int at = Utf16Position(block.text(), refused.refusal.column);
            mark.cursor.setPosition(block.position() + at);
            mark.cursor.setPosition(block.position() + at + CodePointLength(block.text(), at),
                                    QTextCursor::KeepAnchor);
        }
        marks << mark;
    }
    text_->setExtraSelections(marks);
    text_->ShowUnchecked(composition.unchecked);
    ShowHeading();
}

void LabelEditor::ShowMessage(const LabelComposition& composition)
{
    const QString message = QString::fromStdString(RefusalSummary(composition));
    message_->setText(message);
    message_->setAccessibleDescription(message);
    if (hooks_.showMessage) hooks_.showMessage(message);
}

void LabelEditor::ShowCounts(const LabelComposition& composition)
{
    std::vector<int> cells;
    for (const std::string& line : composition.cells) cells.push_back(static_cast<int>(line.size()));
    text_->ShowCellCounts(std::move(cells), CellsPerLabelLine(state_.document.format()), LinesPerLabel(state_.document.format()));
}

}  // namespace tessra
