#pragma once

#include "braille/SixKeyChord.h"

#include <QPlainTextEdit>

#include <functional>
#include <vector>

namespace tessra {

// The label editor's text field: one text line per braille line, with each line's cell count
// against the label's capacity at its right, and six-key input when it is switched on. A line
// written from a reading not yet checked has a tinted background and says so beside its count.
class LabelTextEdit final : public QPlainTextEdit {
public:
    explicit LabelTextEdit(QWidget* parent = nullptr);

    // Cells each text line takes, how many a label line holds and how many lines the label holds.
    void ShowCellCounts(std::vector<int> cells, int capacity, int lineCapacity);
    const std::vector<int>& CellCounts() const { return cells_; }
    int Capacity() const { return capacity_; }
    // The lines (from 0) whose reading is not yet checked.
    void ShowUnchecked(std::vector<int> lines);
    const std::vector<int>& Unchecked() const { return unchecked_; }
    // The tint of such a line.
    static QColor UncheckedTint();

    // The field keeps no history of its own: its undo and redo keys move the window's.
    void SetHistoryKeys(std::function<void()> undo, std::function<void()> redo);

    void SetSixKeyInput(bool on);
    bool SixKeyInput() const { return sixKey_; }

    QWidget& CountArea() const { return *countArea_; }
    void PaintCounts(QPaintEvent* event);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int CountAreaWidth() const;
    QString CountText(int line) const;
    bool BeyondLabel(int line) const;
    bool IsUnchecked(int line) const;
    void DescribeCounts();
    void PlaceCountArea();
    static char DotKey(const QKeyEvent& event);

    QWidget* countArea_;
    std::vector<int> cells_;
    std::vector<int> unchecked_;
    int capacity_ = 0;
    int lineCapacity_ = 0;
    bool sixKey_ = false;
    SixKeyChord chord_;
    std::function<void()> undo_;
    std::function<void()> redo_;
};

}  // namespace tessra
