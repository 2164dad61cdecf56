#include "inspector/valueeditorform.h"

#include "widgets/framefollower.h"
#include "widgets/handlerguard.h"

#include <QKeyEvent>
#include <QPalette>
#include <QPushButton>
#include <QResizeEvent>
#include <QWindow>

namespace talvex {

namespace {

// A dialog frame that cannot be resized, minimised or maximised; its close box rejects.
Qt::WindowFlags fixedDialogFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

// A button with a blue caption. It never becomes the dialog's default, so Enter in a text field
// does not close the editor.
QPushButton *makeEditorButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::blue);
    button->setPalette(palette);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

TValueEditorForm::TValueEditorForm(int panelHeight, QWidget *parent)
    : QDialog(parent, fixedDialogFlags())
    , ButtonPanel(new QWidget(this))
    , OKButton(makeEditorButton(QStringLiteral("OK"), ButtonPanel))
    , CancelButton(makeEditorButton(QStringLiteral("Abbrechen"), ButtonPanel))
    , m_panelHeight(panelHeight)
{
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OKButton, &QPushButton::clicked, this, guardedSlot(this, [this] { OKButtonClick(); }));
    connect(CancelButton, &QPushButton::clicked, this,
            guardedSlot(this, [this] { CancelButtonClick(); }));
    OKButton->installEventFilter(this);
    CancelButton->installEventFilter(this);
    new FrameFollower(this, ValueEditorTitleBar,
                      [this](const FrameExtents &frame) { place(frame); });
}

void TValueEditorForm::place()
{
    place(FrameFollower::frameOf(this));
}

void TValueEditorForm::place(const FrameExtents &frame)
{
    if (m_placement) {
        const int outerHeight = height() + frame.top + frame.bottom;
        FrameFollower::moveOuter(this, m_placement(outerHeight), frame);
    }
    FormResize();
}

bool TValueEditorForm::eventFilter(QObject *watched, QEvent *event)
{
    // The buttons are never the default, so Qt gives Return on them to no one: a focused
    // button is pressed by Return and Enter as by Space.
    if ((watched == OKButton || watched == CancelButton) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton *>(watched)->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TValueEditorForm::OKButtonClick()
{
    takeOver();
    accept();
}

void TValueEditorForm::CancelButtonClick()
{
    reject();
}

void TValueEditorForm::setBody(QWidget *body)
{
    m_body = body;
    alignPanels();
}

void TValueEditorForm::placeButtons(int cancelLeft)
{
    CancelButton->move(cancelLeft, CancelButton->y());
    OKButton->move(CancelButton->x() - 2 * OKButton->width(), OKButton->y());
}

void TValueEditorForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    alignPanels();
    FormResize();
}

void TValueEditorForm::alignPanels()
{
    ButtonPanel->setGeometry(0, height() - m_panelHeight, width(), m_panelHeight);
    if (m_body)
        m_body->setGeometry(0, 0, width(), height() - m_panelHeight);
}

} // namespace talvex
