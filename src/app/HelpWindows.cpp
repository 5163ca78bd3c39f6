#include "app/HelpWindows.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace tessra {
namespace {

constexpr const char* kHelpText =
    "・ シート上のラベルは全て同じ四角形のもの。\n"
    "・ ラベルは列間隔X２と行間隔Y２で等間隔に配置されている。\n\n"
    "尚、単票紙は、シート上に同じ大きさのラベルが１枚置かれた状態です。";

// The figure's own proportions (480 x 600) at a size where its smallest labels stay readable.
constexpr QSize kFigureSize{432, 540};

QWidget* HelpFigure(QWidget* parent)
{
    auto* figure = new QSvgWidget(QStringLiteral(":/dimension-help.svg"), parent);
    figure->setFixedSize(kFigureSize);
    figure->setAccessibleName(QStringLiteral("寸法の図"));
    figure->setAccessibleDescription(QStringLiteral(
        "シート幅、シート高さ、X1、Y1、ラベル幅W、ラベル高さH、列間隔X2、行間隔Y2、"
        "ラベル内の点字までのX3とY3、改行幅Y4、行1から、列1から、行ごとに番号の付いたラベル、"
        "点線の印字範囲と左余白、上余白、下余白"));
    return figure;
}

}  // namespace

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/icons/tessra.svg"));
}

DimensionHelpWindow::DimensionHelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dimensionHelp"));
    setWindowTitle(QStringLiteral("寸法の説明"));
    setModal(false);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("「テッスラ」で印字できる形式"), this), 1);
    header->addWidget(close, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(new QLabel(QString::fromUtf8(kHelpText), this));
    layout->addWidget(HelpFigure(this), 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("versionDialog"));
    setWindowTitle(QStringLiteral("テッスラのﾊﾞｰｼﾞｮﾝ情報"));
    setModal(true);
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    icon->setAccessibleName(QStringLiteral("テッスラのアイコン"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("テッスラ"), this));
    texts->addWidget(new QLabel(QStringLiteral("Tessra    Version 0.20"), this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, Qt::AlignTop);
    grid->addLayout(texts, 0, 1);
    grid->addWidget(buttons, 0, 2, Qt::AlignTop);
    grid->setHorizontalSpacing(16);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tessra
