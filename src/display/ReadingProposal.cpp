#include "display/ReadingProposal.h"

#include "document/BseFile.h"
#include "document/FileIo.h"
#include "document/TextReadings.h"
#include "platform/SettingsLocation.h"
#include "reading/KanaText.h"
#include "reading/ReadingDictionary.h"
#include "reading/Transcriber.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

namespace tessra {

ReadingProposal::ReadingProposal(std::function<void(const QString&)> confirm, QWidget* parent)
    : QWidget(parent),
      confirm_(std::move(confirm)),
      field_(new QLineEdit),
      note_(new QLabel)
{
    setObjectName(QStringLiteral("readingProposal"));
    auto* label = new QLabel(QStringLiteral("読み(&R)"));
    label->setBuddy(field_);
    field_->setObjectName(QStringLiteral("readingField"));
    field_->setAccessibleName(QStringLiteral("漢字の行の読み"));
    field_->setAccessibleDescription(QStringLiteral("Enter で確定すると、行がこの読みで書かれます"));
    auto* confirmButton = new QPushButton(QStringLiteral("確定(&K)"));
    confirmButton->setAccessibleName(QStringLiteral("読みを確定"));
    auto* addButton = new QPushButton(QStringLiteral("辞書に登録(&J)"));
    addButton->setAccessibleName(QStringLiteral("読みを辞書に登録"));
    note_->setObjectName(QStringLiteral("readingNote"));
    note_->setAccessibleName(QStringLiteral("読みについて"));
    note_->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label, 0, 0);
    layout->addWidget(field_, 0, 1, 1, 2);
    layout->addWidget(confirmButton, 1, 1);
    layout->addWidget(addButton, 1, 2);
    layout->addWidget(note_, 2, 0, 1, 3);
    connect(field_, &QLineEdit::returnPressed, this, &ReadingProposal::Confirm);
    connect(confirmButton, &QPushButton::clicked, this, &ReadingProposal::Confirm);
    connect(addButton, &QPushButton::clicked, this, &ReadingProposal::AddToDictionary);
    hide();
}

ReadingProposal::~ReadingProposal() = default;

// Loaded once, at the first kanji line: start-up never waits for the analyser.
const Transcriber* ReadingProposal::Loaded()
{
    if (transcriber_) return transcriber_.get();
    ReadingDictionary user;
    const std::string path = UserReadingsPath();
    std::error_code ignored;
    if (std::filesystem::exists(path, ignored)) {
        std::vector<std::string> errors;
        if (std::optional<ReadingDictionary> parsed = LoadUserReadings(path, errors))
            user = std::move(*parsed);
        else if (!errors.empty())
            note_->setText(QString::fromStdString(errors.front()));
    }
    transcriber_ = std::make_unique<Transcriber>(MecabDictionaryFolder(), std::move(user));
    return transcriber_.get();
}

void ReadingProposal::ProposeFor(const QString& line)
{
    if (!HasKanji(line.toStdString())) {
        line_.clear();
        hide();
        return;
    }
    show();
    if (line == line_) return;
    line_ = line;
    const Transcriber* transcriber = Loaded();
    if (const std::string error = transcriber->LoadError(); !error.empty()) {
        field_->clear();
        note_->setText(QString::fromStdString(error));
        return;
    }
    const TranscribedLine reading = transcriber->Reading(line.toStdString());
    field_->setText(QString::fromStdString(reading.text));
    note_->setText(reading.problems.empty()
                       ? QStringLiteral("この読みで書きました。確かめて確定してください")
                       : QString::fromStdString(reading.problems.front().reason));
}

QString ReadingProposal::ReadingFor(const QString& line)
{
    if (line == line_ && !field_->text().trimmed().isEmpty()) return field_->text().trimmed();
    const TranscribedLine reading = Loaded()->Reading(line.toStdString());
    return reading.problems.empty() ? QString::fromStdString(reading.text) : QString();
}

void ReadingProposal::Confirm()
{
    const QString reading = field_->text().trimmed();
    if (line_.isEmpty() || reading.isEmpty()) return;
    line_.clear();
    confirm_(reading);
}

void ReadingProposal::AddToDictionary()
{
    const QString reading = field_->text().trimmed();
    if (line_.isEmpty() || reading.isEmpty()) return;
    const std::optional<std::string> problem =
        AddUserReading(UserReadingsPath(), line_.trimmed().toStdString(), reading.toStdString());
    if (problem) {
        note_->setText(QString::fromStdString(*problem));
        return;
    }
    transcriber_.reset();  // read again with the new entry
    Confirm();
    note_->setText(QStringLiteral("辞書に登録しました"));
}

}  // namespace tessra
