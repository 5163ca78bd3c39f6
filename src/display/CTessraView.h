#pragma once

#include "app/AppState.h"
#include "display/ScreenLayout.h"
#include "display/SheetPainter.h"
#include "display/ZoomStep.h"

#include <QAbstractScrollArea>

namespace tessra {

// The program's only view: the sheet or one label, painted by the draw layer at the scroll
// position, one logical unit per pixel. Its commands change a mode and repaint at once, so code
// after a command sees allCellsPrintable as that drawing left it.
class CTessraView final : public QAbstractScrollArea {
public:
    CTessraView(AppState& state, QWidget* parent = nullptr);

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

    ScreenPoint Origin() const { return origin_; }
    const ZoomStep& Step() const { return step_; }
    ScrollSize ScrollArea() const { return scrollSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void SetScrollSize(ScrollSize size);
    void UpdateScrollBars();
    void DescribeForScreenReaders();
    void TracePaint(double paintMs);

    AppState& state_;
    SheetPainter painter_;
    ZoomStep step_;
    ScreenPoint origin_;
    ScrollSize scrollSize_{100, 100};
    bool firstDocumentPaintTraced_ = false;
};

// What the view's accessible name says: the view mode and the zoom step.
QString ViewAccessibleName(const AppState& state);

}  // namespace tessra
