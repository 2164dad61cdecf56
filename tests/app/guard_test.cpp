// A model error raised by any event handler abandons only that user action: the application
// object reports it and the editor keeps working, with no loading state left behind.

#include "editorfixture.h"

#include "inspector/inspectform.h"
#include "inspector/valuelist.h"
#include "widgets/handlerguard.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace talvex::test {
namespace {

class Guard : public ::testing::Test
{
protected:
    Guard()
    {
        previous = setErrorReporter([this](QWidget *, const QString &text) { reported << text; });
        editor.place(PaletteButton::MarketTBtn, 3, 2);
    }
    ~Guard() override { setErrorReporter(previous); }

    // An entry naming a number the table never handed out: showing it asks the model for a
    // record that does not exist.
    void showBrokenEntry()
    {
        list.addItem(QStringLiteral("9999  Kaputt"));
        QTest::keyClick(&list, Qt::Key_End);
    }

    void showMarket()
    {
        QTest::keyClick(&list, Qt::Key_Home);
        QTest::keyClick(&list, Qt::Key_Down);
    }

    Editor editor;
    QComboBox &list = *editor.inspector->ComboBox;
    ValueListEditor &values = *editor.inspector->ElementValueList;
    QStringList reported;
    ErrorReporter previous;
};

TEST_F(Guard, AnErrorInTheElementListIsReportedAndTheInspectorStillShowsElements)
{
    ASSERT_EQ(list.count(), 2);
    showBrokenEntry();
    ASSERT_EQ(reported.size(), 1) << "one error box for one failed action";
    EXPECT_FALSE(reported.front().isEmpty());

    // The next choice loads normally: the loading state of the failed one has ended.
    editor.place(PaletteButton::TextTBtn, 10, 10);
    showMarket();
    ASSERT_EQ(list.currentText(), QStringLiteral("0001  Markt"));
    ASSERT_GE(values.itemCount(), 1);
    EXPECT_EQ(values.value(0), QStringLiteral("3,2"));
    EXPECT_EQ(reported.size(), 1);
}

TEST_F(Guard, AfterAnErrorTheSameHandlerStillNormalizesTypedValues)
{
    showBrokenEntry();
    ASSERT_EQ(reported.size(), 1);
    showMarket();
    ASSERT_GE(values.itemCount(), 3);
    values.setValue(2, QStringLiteral("07"));
    EXPECT_EQ(values.value(2), QStringLiteral("7")) << "normalizing was not left switched off";
}

} // namespace
} // namespace talvex::test
