#pragma once

#include "display/SheetPainter.h"
#include "display/SpokenView.h"
#include "document/AppState.h"
#include "sheet/ScreenLayout.h"
#include "sheet/ZoomStep.h"

#include <QAbstractScrollArea>

#include <functional>
#include <optional>

namespace tessra {

// The program's only view: the sheet or one label, painted by the draw layer at the scroll
// position, one logical unit per pixel. Its commands change a mode and repaint at once, so code
// after a command sees allCellsPrintable as that drawing left it.
class CTessraView final : public QAbstractScrollArea, public SpokenView, private DocumentObserver {
public:
    CTessraView(AppState& state, QWidget* parent = nullptr);
    ~CTessraView() override;

    // Sets the modes of the first showing.
    void OnInitialUpdate();

    void OnViewSheet();
    void OnViewLabel();
    void OnZoomIn();
    void OnZoomOut();
    void OnShowBraille();
    void OnShowKana();

    // Paints now, before returning.
    void RepaintNow();

    // Makes `label` (reading order from 0, kept within the sheet) the chosen label and tells the
    // listener when it changed.
    void ChooseLabel(long long label);
    void OnChosenLabelChanged(std::function<void()> listener) { chosenLabelChanged_ = std::move(listener); }

    // The dot numbers of the cells of the current line ("1 2 4 5, 1 3"): the label view's line
    // under the line cursor, or the chosen label's first line in the sheet view. Screen readers
    // speak them; the text is returned for the status bar.
    QString SpeakDotNumbers();

    // Screen readers walk the labels of the sheet view, or the lines of the label view.
    const std::vector<SpokenItem>& SpokenItems() const override { return spokenItems_; }
    int CurrentSpokenItem() const override;

    ScreenPoint Origin() const { return origin_; }
    const ZoomStep& Step() const { return step_; }
    ScrollSize ScrollArea() const { return scrollSize_; }

protected:
    void DocumentChanged(unsigned changes) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    std::optional<long long> LabelAt(QPoint viewportPoint) const;
    bool SheetViewKey(int key);
    bool LabelViewKey(int key);
    ScreenRect ChosenLabelRect() const;
    void ScrollToChosenLabel();
    void DrawChosenLabel(QPainter& painter) const;
    void SetScrollSize(ScrollSize size);
    void UpdateScrollBars();
    void DescribeForScreenReaders();
    void ScrollToCurrentItem();
    void TracePaint(double paintMs);

    AppState& state_;
    SheetPainter painter_;
    ZoomStep step_;
    ScreenPoint origin_;
    ScrollSize scrollSize_{100, 100};
    bool firstDocumentPaintTraced_ = false;
    std::function<void()> chosenLabelChanged_;
    std::vector<SpokenItem> spokenItems_;
    std::vector<std::string> spokenCells_;  // each item's cells, for the dot numbers
    int lineCursor_ = 0;                   // the label view's current line, from 0
    QString lastSpoken_;
};

// What the view's accessible name says: the view mode and the zoom step.
QString ViewAccessibleName(const AppState& state);

}  // namespace tessra
