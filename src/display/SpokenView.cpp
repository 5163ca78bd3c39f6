#include "display/SpokenView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <unordered_map>

namespace tessra {
namespace {

const SpokenView* AsSpokenView(QObject* object) { return dynamic_cast<const SpokenView*>(object); }

// One item, as static text a screen reader can read by characters, words and lines. It holds
// the view and its index only, so that it always tells the item as it is now.
class SpokenItemAccessible final : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    SpokenItemAccessible(QWidget* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_ < Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        const SpokenItem& item = Item();
        switch (t) {
        case QAccessible::Name: return item.name;
        case QAccessible::Description: return item.description;
        case QAccessible::Value: return item.text;
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect local = Item().rect;
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        s.readOnly = true;
        s.multiLine = true;
        const bool current = isValid() && AsSpokenView(view_)->CurrentSpokenItem() == index_;
        s.selected = current;
        s.focused = current && view_->hasFocus();
        s.invisible = !view_ || !view_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
    }

    // Read-only text without a caret of its own: the reader starts at the item's beginning.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Text().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    int Count() const { return static_cast<int>(AsSpokenView(view_)->SpokenItems().size()); }
    const SpokenItem& Item() const { return AsSpokenView(view_)->SpokenItems()[index_]; }
    QString Text() const { return isValid() ? Item().text : QString(); }

    QPointer<QWidget> view_;
    int index_;
};

// The view as a list of its items, instead of a picture with scroll bars.
class SpokenViewAccessible final : public QAccessibleWidget {
public:
    explicit SpokenViewAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::List) {}

    ~SpokenViewAccessible() override
    {
        for (const auto& [index, id] : children_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(View()->SpokenItems().size()); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        auto found = children_.find(index);
        if (found == children_.end()) {
            auto* item = new SpokenItemAccessible(widget(), index);
            found = children_.emplace(index, QAccessible::registerAccessibleInterface(item)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : children_)
            if (QAccessible::accessibleInterface(id) == child) return index;
        return -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        return widget()->hasFocus() ? child(View()->CurrentSpokenItem()) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        const auto& items = View()->SpokenItems();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].rect.contains(local)) return child(static_cast<int>(i));
        return nullptr;
    }

    // Screen readers speak a focused item only once; a new identity makes them speak it again.
    void Renew(int index)
    {
        const auto found = children_.find(index);
        if (found == children_.end()) return;
        QAccessible::deleteAccessibleInterface(found->second);
        children_.erase(found);
    }

private:
    const SpokenView* View() const { return AsSpokenView(widget()); }

    mutable std::unordered_map<int, QAccessible::Id> children_;
};

QAccessibleInterface* SpokenViewFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && AsSpokenView(widget) ? new SpokenViewAccessible(widget) : nullptr;
}

}  // namespace

void InstallSpokenViewAccessibility()
{
    static const bool installed = (QAccessible::installFactory(SpokenViewFactory), true);
    (void)installed;
}

void AnnounceCurrentItem(QWidget* view, bool again)
{
    if (!view->hasFocus()) return;
    const int current = AsSpokenView(view)->CurrentSpokenItem();
    if (current < 0) return;
    if (again)
        if (auto* list = dynamic_cast<SpokenViewAccessible*>(QAccessible::queryAccessibleInterface(view)))
            list->Renew(current);
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(current);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace tessra
