#pragma once

#include "cli/CliTestSupport.h"
#include "print/CBraillePrintDialog.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tessra::test {

// A control of a dialog by its accessible name (edits) or its text (buttons).
template <typename Widget>
Widget* Control(QWidget& dialog, const QString& name)
{
    for (Widget* widget : dialog.findChildren<Widget*>()) {
        if (widget->accessibleName() == name) return widget;
        if constexpr (std::is_base_of_v<QAbstractButton, Widget>)
            if (widget->text() == name) return widget;
    }
    ADD_FAILURE() << "no control " << name.toStdString();
    return nullptr;
}

inline QLineEdit* Edit(QWidget& dialog, const char* name) { return Control<QLineEdit>(dialog, QString::fromUtf8(name)); }
inline QAbstractButton* ButtonOf(QWidget& dialog, const char* text)
{
    return Control<QAbstractButton>(dialog, QString::fromUtf8(text));
}

// Runs `inside` on the next modal dialog once it is shown; for code that blocks in exec().
inline void WhenModalShown(std::function<void(QWidget&)> inside)
{
    QTimer::singleShot(0, [inside = std::move(inside)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return WhenModalShown(inside);
        inside(*modal);
    });
}

// Waits, with the event loop running, until the dialog's job has finished.
inline bool WaitForJob(const CBraillePrintDialog& dialog)
{
    return QTest::qWaitFor([&] { return !dialog.JobRunning(); }, 60'000);
}

}  // namespace tessra::test
