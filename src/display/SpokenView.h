#pragma once

#include <QRect>
#include <QString>

#include <vector>

class QWidget;

namespace tessra {

// What a screen reader walks in the view: the labels of the sheet view, or the lines of the label
// view, one accessible child each, the current one focused.
struct SpokenItem {
    QString name;         // "ラベル 3", "3 行目"
    QString text;         // the plain reading, line by line
    QString description;  // "印字できないマス 3", or empty
    QRect rect;           // in the view's coordinates
};

class SpokenView {
public:
    virtual ~SpokenView() = default;
    virtual const std::vector<SpokenItem>& SpokenItems() const = 0;
    virtual int CurrentSpokenItem() const = 0;  // -1: none
};

// Installs the accessible interface of every widget that is a SpokenView. Once per process.
void InstallSpokenViewAccessibility();

// Moves the screen reader to the current item, which it then speaks. Call after the items or
// the current item changed; `again` to have an item spoken that already has the focus.
void AnnounceCurrentItem(QWidget* view, bool again = false);

}  // namespace tessra
