#pragma once

#include "cli/CliTestSupport.h"
#include "print/CBraillePrintDialog.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace tessra::test {

// Edits by their accessible name, buttons and check boxes by their text.
inline QLineEdit* Edit(QWidget& dialog, const char* name)
{
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (edit->accessibleName() == QString::fromUtf8(name)) return edit;
    throw std::runtime_error(name);
}

inline QAbstractButton* ButtonOf(QWidget& dialog, const char* text)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == QString::fromUtf8(text)) return button;
    throw std::runtime_error(text);
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

inline bool WaitForJob(const CBraillePrintDialog& dialog)
{
    return QTest::qWaitFor([&] { return !dialog.JobRunning(); }, 60'000);
}

}  // namespace tessra::test
