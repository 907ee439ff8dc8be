#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tools/ui/TForm4.h"

namespace {

class BaseConverterWindow : public testing::Test {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QLineEdit* Edit(const char* name) {
        auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }
    QRadioButton* Choice(const char* caption) {
        for (auto* button : form.findChildren<QRadioButton*>())
            if (button->text() == QLatin1String(caption)) return button;
        ADD_FAILURE() << "no radio button " << caption;
        return nullptr;
    }
    QStringList Results() {
        return {Edit("DecEdit")->text(), Edit("HexEdit")->text(), Edit("BinEdit")->text(),
                Edit("OctEdit")->text()};
    }

    TForm4 form;
};

TEST_F(BaseConverterWindow, OpensWithDecimalChosenAsAFixedToolWindowOnTop) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Base Converter"));
    EXPECT_EQ(form.size(), QSize(441, 131));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Choice("Decimal")->isChecked());
    for (const char* name : {"DecEdit", "HexEdit", "BinEdit", "OctEdit"})
        EXPECT_TRUE(Edit(name)->isReadOnly()) << name;
}

TEST_F(BaseConverterWindow, NoCaptionIsClipped) {
    for (auto* label : form.findChildren<QLabel*>())
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
    for (auto* item : form.findChildren<QRadioButton*>())
        EXPECT_LE(item->sizeHint().width(), item->width()) << item->text().toStdString();
}

TEST_F(BaseConverterWindow, ReturnInTheSourceFieldPressesConvert) {
    QLineEdit* src = Edit("SrcEdit");
    QTest::keyClicks(src, QStringLiteral("255"));
    QTest::keyClick(src, Qt::Key_Return);
    EXPECT_EQ(Results(), (QStringList{QStringLiteral("255"), QStringLiteral("ff"),
                                      QStringLiteral("11111111"), QStringLiteral("377")}));
}

TEST_F(BaseConverterWindow, ReturnInAResultFieldOrOnARadioItemPressesConvertToo) {
    QTest::keyClicks(Edit("SrcEdit"), QStringLiteral("10"));
    QTest::keyClick(Edit("OctEdit"), Qt::Key_Return);
    EXPECT_EQ(Edit("HexEdit")->text(), QStringLiteral("a"));

    QTest::mouseClick(Choice("Binary"), Qt::LeftButton);
    QTest::keyClick(Choice("Binary"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Edit("DecEdit")->text(), QStringLiteral("2"));
}

TEST_F(BaseConverterWindow, EachRadioItemReadsTheSourceInItsRadix) {
    struct {
        const char* item;
        const char* decimal;
    } const cases[] = {{"Hexadecimal", "17"}, {"Binary", "3"}, {"Octal", "9"}, {"Decimal", "11"}};
    QTest::keyClicks(Edit("SrcEdit"), QStringLiteral("11"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        QTest::mouseClick(Choice(c.item), Qt::LeftButton);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        EXPECT_EQ(Edit("DecEdit")->text(), QLatin1String(c.decimal));
    }
}

TEST_F(BaseConverterWindow, AnInvalidSourceSaysSoInAllFourFields) {
    QTest::mouseClick(Choice("Octal"), Qt::LeftButton);
    QTest::keyClicks(Edit("SrcEdit"), QStringLiteral("9"));
    QTest::keyClick(Edit("SrcEdit"), Qt::Key_Return);
    EXPECT_EQ(Results(), QStringList(4, QStringLiteral("Invalid number")));
}

TEST_F(BaseConverterWindow, ClosingOnlyHidesAndKeepsTheFields) {
    QTest::keyClicks(Edit("SrcEdit"), QStringLiteral("255"));
    form.Button1Click();
    QTest::keyClick(Edit("SrcEdit"), Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_EQ(Edit("SrcEdit")->text(), QStringLiteral("255"));
    EXPECT_EQ(Edit("HexEdit")->text(), QStringLiteral("ff"));
}

}  // namespace
