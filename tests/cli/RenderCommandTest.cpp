#include "cli/CliTestSupport.h"

#include <QFile>
#include <QImage>

#include "platform/TextCodec.h"

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

// Per-label data: the label view of label N shows page N-1, and the sheet view has no chosen label.
TEST_F(RenderCommandTest, TheLabelViewDrawsTheLabelAskedFor)
{
    const Preset& cards = *FindPresetByKey(Utf8ToCp932("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜"));
    const QString doc = Save(test::PerLabelDocument(cards, 3, {"", "A", "", "", "B", "", "", "A"}));
    const auto picture = [&](QStringList options) {
        const QString png = QString::fromStdString(dir.File("label.png"));
        EXPECT_EQ(Tessra(QStringList{"render", doc, "--output", png} + options).exitCode, 0);
        return QImage(png);
    };
    const QImage first = picture({"--view", "label"});
    EXPECT_EQ(picture({"--view", "label", "--label", "1"}), first);
    EXPECT_NE(picture({"--view", "label", "--label", "2"}), first);
    EXPECT_EQ(picture({"--view", "label", "--label", "3"}), first);
    EXPECT_EQ(picture({"--label", "2"}), picture({})) << "the chosen label is never drawn in a picture";
    EXPECT_EQ(Tessra({"render", doc, "--output", "x.png", "--label", "11"}).exitCode, 2);
}

TEST_F(RenderCommandTest, RefusesBadArgumentsAndUnwritableOutputsWithoutLeavingAFile)
{
    const QString doc = Save(test::A4Document());
    const QString png = QString::fromStdString(dir.File("out.png"));
    for (const QStringList& bad : {QStringList{"render", doc}, {"render", doc, "--output", "a.gif"},
                                   {"render", doc, "--output", png, "--zoom", "4"},
                                   {"render", doc, "--output", png, "--view", "page"},
                                   {"render", doc, "--output", png, "--width", "0"},
                                   {"render", doc, "--output", png, "--width", "wide"},
                                   {"render", doc, "--output", png, "--label", "0"},
                                   {"render", doc, "--output", png, "--label", "2"}}) {
        EXPECT_EQ(Tessra(bad).exitCode, 2) << bad.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(png));

    const QString unwritable = QString::fromStdString(dir.File("missing/out.png"));
    const auto run = Tessra({"render", doc, "--output", unwritable});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, dir.File("missing/out.png") + "\nファイルの保存に失敗しました。\n");
}

// A picture of more than 200 million pixels is refused before it is drawn (a PDF here, so that
// nothing large is made even where the refusal is missing), naming what would draw it.
TEST_F(RenderCommandTest, TooLargeAPictureIsRefusedNamingTheZoomOrWidthThatFits)
{
    const struct { int rows, columns; QStringList options; std::string advice; } rows[] = {
        {99, 99, {}, "どの --zoom でも大きすぎます。"},
        {22, 22, {"--zoom", "3"}, "--zoom 2 なら描画できます。"},
        {22, 1, {"--zoom", "3", "--width", "20000"}, "--width 13967 以下なら描画できます。"},
    };
    const QString pdf = QString::fromStdString(dir.File("big.pdf"));
    for (const auto& row : rows) {
        AppState state = test::A4Document();
        Set(state).format.rows = row.rows;
        Set(state).format.columns = row.columns;
        {
            test::DocumentSetUp set(state);
            set.format.labelWidth = set.format.labelHeight = 137;
        }
        const auto run = Tessra(QStringList{"render", Save(state), "--output", pdf} + row.options);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.starts_with("画像が大きすぎるため描画できません（")) << run.err;
        EXPECT_NE(run.err.find(row.advice), std::string::npos) << run.err;
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

}  // namespace
}  // namespace tessra
