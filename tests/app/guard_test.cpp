// A model error raised by any event handler abandons only that user action: the application
// object reports it and the editor keeps working, with no loading state left behind.

#include "editorfixture.h"

#include "widgets/handlerguard.h"
#include "inspector/inspectform.h"
#include "inspector/valuelist.h"

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
    }
    ~Guard() override { setErrorReporter(previous); }

    QComboBox *elementList() const
    {
        return editor.inspector->findChild<QComboBox *>(QStringLiteral("ComboBox"));
    }
    ValueListEditor *elementValues() const
    {
        return editor.inspector->findChild<ValueListEditor *>(QStringLiteral("ElementValueList"));
    }

    Editor editor;
    QStringList reported;
    ErrorReporter previous;
};

TEST_F(Guard, AnErrorInTheElementListIsReportedAndTheInspectorStillShowsElements)
{
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    QComboBox *list = elementList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);

    // An entry naming a number the table never handed out: showing it asks the model for a
    // record that does not exist.
    list->addItem(QStringLiteral("9999  Kaputt"));
    QTest::keyClick(list, Qt::Key_End);
    ASSERT_EQ(reported.size(), 1) << "one error box for one failed action";
    EXPECT_FALSE(reported.front().isEmpty());

    // The next choice loads normally: the loading state of the failed one has ended.
    editor.place(PaletteButton::TextTBtn, 10, 10);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentText(), QStringLiteral("0001  Markt"));
    ValueListEditor *values = elementValues();
    ASSERT_NE(values, nullptr);
    ASSERT_GE(values->itemCount(), 1);
    EXPECT_EQ(values->value(0), QStringLiteral("3,2"));
    EXPECT_EQ(reported.size(), 1);
}

TEST_F(Guard, AfterAnErrorTheSameHandlerStillNormalizesTypedValues)
{
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    QComboBox *list = elementList();
    list->addItem(QStringLiteral("9999  Kaputt"));
    QTest::keyClick(list, Qt::Key_End);
    ASSERT_EQ(reported.size(), 1);

    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    ValueListEditor *values = elementValues();
    ASSERT_GE(values->itemCount(), 3);
    values->setValue(2, QStringLiteral("07"));
    EXPECT_EQ(values->value(2), QStringLiteral("7")) << "normalizing was not left switched off";
}

} // namespace
} // namespace talvex::test
