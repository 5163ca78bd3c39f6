// The yardstick for Tessra's start-up: a bare main window with a menu, a tool bar and a status
// bar around an empty central widget. With TESSRA_TRACE_PAINT set it writes the same line as
// Tessra when its first paint is done.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

#include <cstdio>
#include <cstdlib>

namespace {

class Canvas final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (reported_) return;
        reported_ = true;
        if (std::getenv("TESSRA_TRACE_PAINT")) std::fputs("bare: first document paint done\n", stderr);
    }

private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    for (const char* title : {"ファイル(&F)", "編集(&E)", "表示(&V)", "ヘルプ(&H)"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(title));
        for (int i = 1; i <= 6; ++i) menu->addAction(QStringLiteral("項目 %1").arg(i));
    }
    QToolBar* tools = window.addToolBar(QStringLiteral("ツールバー"));
    for (int i = 1; i <= 12; ++i) tools->addAction(QString::number(i));
    window.statusBar()->showMessage(QStringLiteral("レディ"));
    window.setCentralWidget(new Canvas);
    window.resize(1200, 940);
    window.show();
    return QApplication::exec();
}
