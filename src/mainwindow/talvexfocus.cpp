#include "mainwindow/talvexform.h"

#include "inspector/inspectform.h"
#include "mainwindow/rovingfocus.h"
#include "mainwindow/sheetview.h"
#include "widgets/handlerguard.h"

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QShortcut>

namespace talvex {

void TTalvexForm::createKeyboardAccess()
{
    // Tab walks palette, conductor kinds and sheet in this order.
    QList<QWidget *> chain = m_paletteFocus->members();
    chain += m_kindFocus->members();
    // Qt orders only widgets that take the focus: the stops are set again afterwards.
    for (QWidget *member : std::as_const(chain))
        member->setFocusPolicy(Qt::TabFocus);
    chain.append(m_sheetView);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    m_paletteFocus->setStop(m_paletteFocus->stop());
    m_kindFocus->setStop(m_kindFocus->stop());

    // F6 works in the inspector too; a modal editor blocks it as it blocks the windows.
    auto *nextArea = new QShortcut(QKeySequence(Qt::Key_F6), this);
    nextArea->setContext(Qt::ApplicationShortcut);
    connect(nextArea, &QShortcut::activated, this,
            guardedSlot(this, [this] { cycleFocusArea(true); }));
    auto *previousArea = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    previousArea->setContext(Qt::ApplicationShortcut);
    connect(previousArea, &QShortcut::activated, this,
            guardedSlot(this, [this] { cycleFocusArea(false); }));

    auto *menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menus, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

std::optional<FocusArea> TTalvexForm::focusArea() const
{
    const QWidget *focus = QApplication::focusWidget();
    if (m_inspector &&
        (QApplication::activeWindow() == m_inspector || (focus && focus->window() == m_inspector)))
        return FocusArea::Inspector;
    if (!focus)
        return std::nullopt;
    if (m_paletteFocus->members().contains(focus))
        return FocusArea::Palette;
    if (m_kindFocus->members().contains(focus))
        return FocusArea::ConductorKinds;
    if (focus == m_sheetView)
        return FocusArea::Sheet;
    return std::nullopt;
}

void TTalvexForm::cycleFocusArea(bool forward)
{
    const bool inspectorShown = m_inspector && m_inspector->isVisible();
    const FocusArea next = nextFocusArea(focusArea(), forward, inspectorShown);
    if (next == FocusArea::Inspector) {
        m_inspector->raise();
        m_inspector->activateWindow();
        QWidget *last = m_inspector->focusWidget();
        (last ? last : static_cast<QWidget *>(m_inspector->ComboBox))
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    activateWindow();
    switch (next) {
    case FocusArea::Palette:
        m_paletteFocus->focusStop(Qt::OtherFocusReason);
        break;
    case FocusArea::ConductorKinds:
        m_kindFocus->focusStop(Qt::OtherFocusReason);
        break;
    default:
        m_sheetView->setFocus(Qt::OtherFocusReason);
        break;
    }
}

} // namespace talvex
