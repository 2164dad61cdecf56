#include "inspector/linesform.h"

#include "inspector/currentdata.h"
#include "widgets/framefollower.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace talvex {

namespace {
constexpr int PanelHeight = 17;
}

TLinesForm::TLinesForm(QWidget *parent)
    : TValueEditorForm(PanelHeight, parent)
    , LinesPanel(ButtonPanel)
    , LinesMemo(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("LinesForm"));
    setWindowTitle(QStringLiteral("Zeilen-Editor"));
    move(199, 604);
    setFixedSize(ClientWidth, ClientHeight);

    LinesMemo->setObjectName(QStringLiteral("LinesMemo"));
    LinesMemo->setAccessibleName(QStringLiteral("Textzeilen"));
    LinesMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    LinesMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LinesMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Enter starts a new line; Tab leaves the field.
    LinesMemo->setTabChangesFocus(true);

    LinesPanel->setObjectName(QStringLiteral("LinesPanel"));
    OKButton->setGeometry(170, 0, 24, 17);
    CancelButton->setGeometry(210, 0, 63, 17);

    setTabOrder(LinesMemo, OKButton);
    setTabOrder(OKButton, CancelButton);
    setBody(LinesMemo);
}

void TLinesForm::showEvent(QShowEvent *event)
{
    TValueEditorForm::showEvent(event);
    // Every opening starts where the tab order starts, ready for typing.
    LinesMemo->setFocus(Qt::OtherFocusReason);
}

void TLinesForm::FormResize()
{
    placeButtons(FrameFollower::outerGeometry(this).width() / 2);
}

void TLinesForm::takeOver()
{
    CurrentTextLines = lines();
}

QStringList TLinesForm::lines() const
{
    const QString text = LinesMemo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace talvex
