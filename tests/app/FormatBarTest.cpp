#include "app/FormatBar.h"

#include "document/DocumentCommands.h"
#include "format/FormatString.h"
#include "format/Presets.h"
#include "support/DocumentSetUp.h"
#include "ui/MainWindowFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tessra {
namespace {

class FormatBarTest : public testing::Test {
protected:
    FormatBarTest()
    {
        NewDocument(state);
        bar.ShowSelection();
    }

    void ChooseSize(int kind, int size)
    {
        test::Choose(bar.KindList(), kind);
        test::Choose(bar.SizeList(), size);
    }

    std::vector<FormatField> EnabledLayoutFields() const
    {
        std::vector<FormatField> enabled;
        for (int f = 0; f <= static_cast<int>(FormatField::Y2); ++f)
            if (bar.Field(static_cast<FormatField>(f)).isEnabled())
                enabled.push_back(static_cast<FormatField>(f));
        return enabled;
    }

    // The user types into a field, key by key, and finishes with Enter.
    void Type(FormatField field, const QString& text)
    {
        QLineEdit& edit = bar.Field(field);
        edit.clear();
        QTest::keyClicks(&edit, text);
        QTest::keyClick(&edit, Qt::Key_Return);
    }

    AppState state;
    int repaints = 0;
    QStringList told;
    FormatBar bar{state, [this] { ++repaints; }, [this](const QString& text) { told << text; }};
};

TEST_F(FormatBarTest, CatalogueSizesLockTheLayoutAndUserDefinedSizesOpenIt)
{
    using F = FormatField;
    const std::vector<F> all{F::SheetWidth, F::SheetHeight, F::LabelWidth, F::LabelHeight,
                             F::Rows, F::Columns, F::X1, F::Y1, F::X2, F::Y2};
    const struct { int kind, size; std::vector<F> enabled; } rows[] = {
        {0, 0, {}}, {0, 7, {F::SheetWidth, F::SheetHeight}}, {1, 0, all}, {1, 4, {}},
        {2, 1, {}}, {2, 2, all},
    };
    for (const auto& row : rows) {
        ChooseSize(row.kind, row.size);
        EXPECT_EQ(EnabledLayoutFields(), row.enabled) << row.kind << '/' << row.size;
        EXPECT_TRUE(state.document.modified());
        for (F f : {F::X3, F::Y3}) EXPECT_TRUE(bar.Field(f).isEnabled());
    }
}

TEST_F(FormatBarTest, ACatalogueEntryShowsItsLayoutAndItsFixedPitch)
{
    ChooseSize(1, 4);  // 名刺(4) 10面ドブ裁断
    const struct { FormatField field; const char* text; } shown[] = {
        {FormatField::Rows, "5"}, {FormatField::Columns, "2"}, {FormatField::LabelWidth, "91.0"},
        {FormatField::LabelHeight, "55.0"}, {FormatField::X1, "9.0"}, {FormatField::X2, "10.0"},
        {FormatField::Y1, "6.0"}, {FormatField::Y2, "3.0"}, {FormatField::X3, "6.0"},
        {FormatField::Y3, "9.0"}, {FormatField::LinePitch, "9.5"},
    };
    for (const auto& s : shown) EXPECT_EQ(bar.Field(s.field).text(), s.text);
    EXPECT_TRUE(bar.FixedPitchButton(FixedPitch::LP24).isChecked());
    EXPECT_FALSE(bar.Field(FormatField::LinePitch).isEnabled());
    EXPECT_EQ(bar.SizeList().currentText(), "名刺(4) 10面ドブ裁断");
}

TEST_F(FormatBarTest, DataModeFollowsTheKind)
{
    test::Choose(bar.KindList(), 1);
    ASSERT_TRUE(bar.DataButton(false).isEnabled());
    bar.DataButton(false).setChecked(true);  // as a screen reader toggles it
    EXPECT_FALSE(state.document.sameDataForAllLabels());
    test::Choose(bar.KindList(), 1);
    EXPECT_FALSE(state.document.sameDataForAllLabels());  // the multi-label kind keeps it
    test::Choose(bar.KindList(), 2);
    EXPECT_TRUE(state.document.sameDataForAllLabels());
    EXPECT_TRUE(bar.DataButton(true).isChecked());
    EXPECT_FALSE(bar.DataButton(false).isEnabled());
}

TEST_F(FormatBarTest, TypedValuesGoThroughTheFieldRulesAndRepaint)
{
    ChooseSize(0, 7);  // 単票紙 ユーザー指定
    test::Reopen(state);
    const int before = repaints;
    bar.Field(FormatField::SheetWidth).setText("100");
    EXPECT_EQ(bar.Field(FormatField::LabelWidth).text(), "100");
    EXPECT_EQ(state.document.format().labelWidth, 100);
    EXPECT_TRUE(state.document.modified());
    EXPECT_GT(repaints, before);

    bar.CustomPitchButton().setChecked(true);
    EXPECT_TRUE(bar.Field(FormatField::LinePitch).isEnabled());
    bar.FixedPitchButton(FixedPitch::LP22).setChecked(true);
    EXPECT_EQ(bar.Field(FormatField::LinePitch).text(), "10.2");
    EXPECT_FALSE(bar.Field(FormatField::LinePitch).isEnabled());
    EXPECT_EQ(state.document.format().linePitch, 10.24159205);  // exact, not the 10.2 the field shows
}

TEST_F(FormatBarTest, FinishingAFieldShowsTheValueInUseAndSaysWhy)
{
    ChooseSize(0, 7);  // 単票紙 ユーザー指定
    bar.CustomPitchButton().setChecked(true);
    Type(FormatField::LinePitch, "400");  // 40 was taken on the way
    EXPECT_EQ(state.document.format().linePitch, 40);
    EXPECT_EQ(bar.Field(FormatField::LinePitch).text(), "40.0");
    Type(FormatField::SheetWidth, "235.01");
    EXPECT_EQ(state.document.format().sheetWidth, 235);
    EXPECT_EQ(bar.Field(FormatField::SheetWidth).text(), "235.0");
    EXPECT_EQ(told, QStringList({"改行幅 Y4は 6.0 ～ 330.0 ㎜ の範囲内にしてください",
                                 "シートサイズ 幅は 20.0 ～ 235.0 ㎜ の範囲内にしてください"}));

    // Texts the rules took stay as typed, and X3 names its range as the label stands.
    Type(FormatField::SheetWidth, "100");
    Type(FormatField::X3, "12abc");
    EXPECT_EQ(bar.Field(FormatField::SheetWidth).text(), "100");
    EXPECT_EQ(bar.Field(FormatField::X3).text(), "12abc");
    Type(FormatField::X3, "97");
    EXPECT_EQ(told.size(), 3);
    EXPECT_EQ(told.last(), "ラベル内文字位置 X3は 0.0 ～ 96.0 ㎜ の範囲内にしてください");
    EXPECT_EQ(bar.Field(FormatField::X3).text(), "9.0");
}

TEST_F(FormatBarTest, ALoadedFileIsShownWithItsOwnValues)
{
    // A file of 名刺(3) whose stored format moved the first column to 12 mm.
    const std::string key = PresetKey(SheetKind::MultiLabel, Catalogue()[11].sizeName);
    SheetFormat own;
    ParseFormatString(Catalogue()[11].layout, own);
    own.x1 = 12;
    {
        test::DocumentSetUp file(state);
        file.filePresetKey = key + "      ";
        file.formatString = BuildFormatString(own, 1);
        LoadStoredFormat(file.choice);
    }

    bar.ShowSelection();
    EXPECT_EQ(std::tuple(bar.KindList().currentIndex(), bar.SizeList().currentIndex(), bar.Field(FormatField::X1).text()),
              std::tuple(1, 3, "12.0"));
    EXPECT_TRUE(state.document.format().x1 == 12 && !state.document.modified());

    test::Choose(bar.SizeList(), 2);  // another entry takes the catalogue's values
    test::Choose(bar.SizeList(), 3);
    EXPECT_EQ(bar.Field(FormatField::X1).text(), "12.0");  // its own entry takes the file's again
}

TEST_F(FormatBarTest, EveryFieldIsNamedForScreenReaders)
{
    const char* names[] = {"シートサイズ 幅", "シートサイズ 高さ", "ラベルサイズ 幅W",
                           "ラベルサイズ 高さH", "ラベル配置 行数", "ラベル配置 列数",
                           "ラベル配置 X1", "ラベル配置 Y1", "ラベル配置 X2", "ラベル配置 Y2",
                           "ラベル内文字位置 X3", "ラベル内文字位置 Y3", "改行幅 Y4"};
    const char* ranges[] = {"( 20.0～235.0)", "( 50.0～330.0)", "( 10.0～235.0)",
                            "( 10.0～330.0)", "(1～25)", "(1～5)", "( 0.0～235.0)",
                            "( 0.0～330.0)", "( 0.0～235.0)", "( 0.0～330.0)", "( 0.0～( W-4) )",
                            "( 0.0～(H-6) )", "( 6.0～330.0 )"};
    for (int f = 0; f < 13; ++f) {
        const QLineEdit& field = bar.Field(static_cast<FormatField>(f));
        EXPECT_EQ(field.accessibleName(), QString::fromUtf8(names[f]));
        EXPECT_EQ(field.accessibleDescription(), QString::fromUtf8(ranges[f]));
    }
    EXPECT_EQ(bar.KindList().accessibleDescription(), "シート形式 種類");
    EXPECT_EQ(bar.CustomPitchButton().accessibleName(), "寸法指定");
}

}  // namespace
}  // namespace tessra
