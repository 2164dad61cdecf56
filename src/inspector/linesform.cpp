#include "inspector/linesform.h"

#include "inspector/currentdata.h"
#include "inspector/valueeditor.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace talvex {

namespace {
constexpr int PanelHeight = 17;
}

TLinesForm::TLinesForm(QWidget *parent)
    : QDialog(parent, fixedDialogFlags())
    , LinesMemo(new QPlainTextEdit(this))
    , LinesPanel(new QWidget(this))
    , OKButton(makeEditorButton(QStringLiteral("OK"), LinesPanel))
    , CancelButton(makeEditorButton(QStringLiteral("Abbrechen"), LinesPanel))
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
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(170, 0, 24, 17);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(210, 0, 63, 17);

    setTabOrder(LinesMemo, OKButton);
    setTabOrder(OKButton, CancelButton);

    connect(OKButton, &QPushButton::clicked, this, &TLinesForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TLinesForm::CancelButtonClick);
    alignPanels();
}

void TLinesForm::FormResize()
{
    const int outerWidth = frameGeometry().width();
    CancelButton->move(outerWidth / 2, CancelButton->y());
    OKButton->move(CancelButton->x() - 2 * OKButton->width(), OKButton->y());
}

void TLinesForm::OKButtonClick()
{
    CurrentTextLines = lines();
    accept();
}

void TLinesForm::CancelButtonClick()
{
    reject();
}

QStringList TLinesForm::lines() const
{
    const QString text = LinesMemo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TLinesForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    alignPanels();
    FormResize();
}

void TLinesForm::alignPanels()
{
    LinesPanel->setGeometry(0, height() - PanelHeight, width(), PanelHeight);
    LinesMemo->setGeometry(0, 0, width(), height() - PanelHeight);
}

} // namespace talvex
