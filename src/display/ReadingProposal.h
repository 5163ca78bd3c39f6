#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessra {

class Transcriber;

// Under the label editor, for a line with kanji: the braille reading proposed for it, which the
// editor has already written, marked as not yet checked. The user corrects and confirms it (the
// line's text then becomes that reading) or also adds it to the user dictionary (readings.tsv).
// The analyser is loaded when the first kanji line asks for it.
class ReadingProposal final : public QWidget {
public:
    // `confirm` gets the reading that is to replace the line.
    explicit ReadingProposal(std::function<void(const QString&)> confirm, QWidget* parent = nullptr);
    ~ReadingProposal() override;

    // Shows the proposal for `line`, or hides when it holds no kanji. A reading the user is
    // correcting stays while the line stays the same.
    void ProposeFor(const QString& line);

    QLineEdit& Field() const { return *field_; }
    QLabel& Note() const { return *note_; }
    void Confirm();
    void AddToDictionary();

    // The analyser with the user's dictionary, loaded at the first call.
    const Transcriber* Loaded();
    // The reading that confirming `line` writes: the one the field shows for it, else the
    // proposal; empty when the line cannot be read.
    QString ReadingFor(const QString& line);

private:

    std::function<void(const QString&)> confirm_;
    std::unique_ptr<Transcriber> transcriber_;
    QString line_;
    QLineEdit* field_;
    QLabel* note_;
};

}  // namespace tessra
