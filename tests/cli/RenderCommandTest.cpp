#include "cli/CliTestSupport.h"

#include <QFile>
#include <QImage>

namespace tessra {
namespace {

using RenderCommandTest = test::CliTest;

TEST_F(RenderCommandTest, PngIsTheViewsPictureAtScrollPositionZero)
{
    const QString doc = Save(test::A4Document());
    const QString png = QString::fromStdString(dir.File("a4.png"));
    const struct { QStringList options; QSize size; } rows[] = {
        {{"--zoom", "0", "--width", "600"}, {600, 634}},  // the A4 sheet: 483 x 634 at Zoom_0
        {{"--zoom", "0", "--width", "300"}, {483, 634}},
        {{"--view", "label", "--zoom", "0", "--width", "300", "--kana"}, {513, 684}},
    };
    for (const auto& row : rows) {
        const auto run = Tessra(QStringList{"render", doc, "--output", png} + row.options);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const QImage image(png);
        EXPECT_EQ(image.size(), row.size) << row.options.join(' ').toStdString();
        EXPECT_EQ(image.pixel(0, 0), qRgb(150, 150, 150));
    }
    const QString pdf = QString::fromStdString(dir.File("a4.pdf"));
    ASSERT_EQ(Tessra({"render", doc, "--output", pdf}).exitCode, 0);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
}

TEST_F(RenderCommandTest, RefusesBadArgumentsAndUnwritableOutputsWithoutLeavingAFile)
{
    const QString doc = Save(test::A4Document());
    const QString png = QString::fromStdString(dir.File("out.png"));
    for (const QStringList& bad : {QStringList{"render", doc}, {"render", doc, "--output", "a.gif"},
                                   {"render", doc, "--output", png, "--zoom", "4"},
                                   {"render", doc, "--output", png, "--view", "page"},
                                   {"render", doc, "--output", png, "--width", "0"},
                                   {"render", doc, "--output", png, "--width", "wide"}}) {
        EXPECT_EQ(Tessra(bad).exitCode, 2) << bad.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(png));

    const QString unwritable = QString::fromStdString(dir.File("missing/out.png"));
    const auto run = Tessra({"render", doc, "--output", unwritable});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, dir.File("missing/out.png") + "\nファイルの保存に失敗しました。\n");
}

}  // namespace
}  // namespace tessra
