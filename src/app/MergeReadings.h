#pragma once

#include "document/AppState.h"

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace tessra {

// 差し込みの読み: the labels of a merged list whose kanji readings are not yet checked, walked one
// by one. Choosing one shows its label in the view and the label editor, where the reading is
// corrected, added to the user's dictionary and confirmed; the list follows the document's marks.
class MergeReadings final : public QDialog, private DocumentObserver {
public:
    struct Hooks {
        std::function<void(long long page)> showPage;  // the label that carries the page, chosen
        std::function<void()> confirm;                 // the chosen label's readings confirmed
    };

    MergeReadings(AppState& state, Hooks hooks, QWidget* parent = nullptr);
    ~MergeReadings() override;

    // Shows the label of the list's current entry, as choosing it does.
    void ShowCurrent();

    QListWidget& List() const { return *list_; }
    QPushButton& ConfirmButton() const { return *confirm_; }
    QLabel& Summary() const { return *summary_; }

private:
    void DocumentChanged(unsigned changes) override;
    void Fill();

    AppState& state_;
    Hooks hooks_;
    QLabel* summary_;
    QListWidget* list_;
    QPushButton* confirm_;
};

}  // namespace tessra
