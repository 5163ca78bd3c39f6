#pragma once

#include "document/AppState.h"
#include "merge/ListReader.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QHBoxLayout;

namespace tessra {

class Dialogs;
class LineTranscriber;

// What the merge dialog reaches beyond itself.
struct MergeServices {
    Dialogs& dialogs;
    std::function<const LineTranscriber*()> transcriber;  // the analyser, loaded at first need
    std::function<bool()> mayDiscardChanges;              // the unsaved-changes prompt
    std::function<void()> made;                           // after 作成 replaced the document
};

// 差し込み: a list file (CSV or TSV), whether its first row names the columns, a table of its
// first rows, and the label text with fields, prefilled from the current label, with a button
// per column that inserts its field. A preview draws the first sheet as the view draws it; 作成
// makes a new, unnamed per-label document, one page per row, on the current format. What cannot
// be made is said in the dialog, naming row and column, and nothing is made.
class MergeDialog final : public QDialog {
public:
    MergeDialog(AppState& state, MergeServices services, QWidget* parent = nullptr);
    ~MergeDialog() override;

    // The current label's text as the template, and the list read again; when the dialog opens.
    void Prefill();
    void OpenList(const QString& path);
    // 参照: the file dialog.
    void Browse();
    // Reads the list and expands the template again; the text's edits wait a moment for it.
    void Refresh();
    // 作成; whether the document was made.
    bool Make();

    QLineEdit& PathField() const { return *path_; }
    QCheckBox& HeaderBox() const { return *header_; }
    QTableWidget& Table() const { return *table_; }
    QPlainTextEdit& Template() const { return *template_; }
    QList<QPushButton*> ColumnButtons() const;
    QLabel& Preview() const { return *preview_; }
    QLabel& Message() const { return *message_; }
    QPushButton& MakeButton() const { return *make_; }

private:
    void ShowList();
    void ShowColumns();
    void ShowPreview();
    void Tell(const QString& message);

    AppState& state_;
    MergeServices services_;
    std::string bytes_;
    bool listRead_ = false;
    ListResult list_;
    AppState merged_;  // the document 作成 makes
    bool ready_ = false;
    QLineEdit* path_;
    QCheckBox* header_;
    QTableWidget* table_;
    QPlainTextEdit* template_;
    QWidget* columns_;
    QHBoxLayout* columnLayout_;
    QLabel* preview_;
    QLabel* message_;
    QPushButton* make_;
    QTimer refresh_;
};

}  // namespace tessra
