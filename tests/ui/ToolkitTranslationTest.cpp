#include "app/CTessraApp.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace tessra {
namespace {

TEST(ToolkitTranslation, StandardButtonsSpeakJapanese)
{
    ASSERT_TRUE(LoadToolkitTranslations(*QCoreApplication::instance()));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.show();
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), "はい(&Y)");
    EXPECT_EQ(box.button(QMessageBox::No)->text().toStdString(), "いいえ(&N)");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().toStdString(), "キャンセル");
}

}  // namespace
}  // namespace tessra
