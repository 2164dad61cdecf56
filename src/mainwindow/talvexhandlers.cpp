#include "mainwindow/talvexform.h"

#include "inspector/inspectform.h"
#include "mainwindow/aboutform.h"
#include "mainwindow/rovingfocus.h"
#include "mainwindow/sheetview.h"
#include "model/attributes.h"
#include "model/elementmodel.h"
#include "model/placing.h"
#include "widgets/announcement.h"
#include "widgets/framefollower.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace talvex {

const QImage &TTalvexForm::kindTile(int kind) const
{
    // Looks the kind up first, which checks the kind number; an unused kind has no tile name.
    return m_pictures.tile(QString::fromStdString(m_model.kinds.kind(kind).tile));
}

int TTalvexForm::hostLeft() const
{
    // Where the rule puts the window: a compositor that places windows itself may put it
    // elsewhere, and the room left of it is still the one the rule leaves.
    return outerLeft(FrameFollower::outerGeometry(this).width());
}

void TTalvexForm::RefreshSheet()
{
    updateSheet(m_sheet.RefreshSheet());
}

void TTalvexForm::markElement(const PixelRect &rect)
{
    updateSheet(m_sheet.drawCornerMarks(rect, m_pictures.blackImg()));
}

void TTalvexForm::updateSheet(const QRect &changed)
{
    if (!changed.isEmpty())
        m_sheetView->update(changed);
}

void TTalvexForm::syncPalette()
{
    for (int position = 1; position <= PaletteButtonCount; ++position) {
        const PaletteButton button = paletteButtonAt(position);
        QAction *action = m_paletteActions[actionSlot(button)];
        action->setChecked(m_palette.isPressed(button));
        action->setEnabled(m_palette.isEnabled(button));
        // Tab reaches the pressed button.
        if (m_palette.isPressed(button))
            m_paletteFocus->setStop(position - 1);
    }
    for (int kind = 0; kind < 3; ++kind) {
        const std::size_t k = static_cast<std::size_t>(kind);
        const QImage &source = m_pictures.selectorSource(kind, kind == m_palette.conductorKind());
        // The copy leaves the last, silver column of the picture as it is.
        QPainter painter(&m_selectorCanvas[k]);
        painter.drawImage(QPoint(0, 0), source, QRect(0, 0, 25, 10));
        painter.end();
        m_selectors[k]->setImage(m_selectorCanvas[k]);
        const QString hint = QString::fromStdString(m_palette.selectorHint(kind));
        m_selectors[k]->setToolTip(hint);
        m_selectors[k]->setChecked(kind == m_palette.conductorKind());
    }
    m_kindFocus->setStop(m_palette.conductorKind());

    const QString status = QString::fromStdString(m_palette.statusText());
    if (m_statusPanels[0]->text() != status) {
        m_statusPanels[0]->setText(status);
        announce(m_statusPanels[0]);
    }
}

void TTalvexForm::ChooseTool(PaletteButton button)
{
    m_palette.ChooseTool(button);
    if (m_aboutBox)
        m_aboutBox->hide();
    syncPalette();
}

void TTalvexForm::chooseConductorKind(int kind)
{
    m_palette.chooseConductorKind(kind);
    if (m_aboutBox)
        m_aboutBox->hide();
    syncPalette();
}

void TTalvexForm::ExitClick()
{
    close();
}

void TTalvexForm::closeEvent(QCloseEvent *event)
{
    // FormClose: nothing is asked; closing the main window ends the system.
    event->accept();
    QCoreApplication::quit();
}

void TTalvexForm::AboutClick()
{
    if (!aboutBox())
        return;
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

void TTalvexForm::AttributeInspectClick()
{
    if (!inspector())
        return;
    m_inspector->setVisible(!m_inspector->isVisible());
    m_attributeInspect->setChecked(m_inspector->isVisible());
    if (m_attributeInspect->isChecked())
        m_inspector->raise();
}

void TTalvexForm::ShowInspector()
{
    if (!inspector())
        return;
    if (!m_inspector->isVisible()) {
        // The keys stay where they are: a window manager would give them to the new window.
        m_inspector->setAttribute(Qt::WA_ShowWithoutActivating);
        m_inspector->show();
        m_inspector->setAttribute(Qt::WA_ShowWithoutActivating, false);
        m_attributeInspect->setChecked(true);
    }
    if (!m_inspector->hasSelectedEntry())
        m_inspector->ShowElement(0);
    m_inspector->raise();
    raise();
    activateWindow();
}

void TTalvexForm::TopPanelMouseMove()
{
    if (m_palette.pointerToolActive())
        return;
    RefreshSheet();
}

void TTalvexForm::ForegroundImgMouseMove(QPoint position)
{
    if (m_palette.pointerToolActive())
        return;
    updateSheet(m_sheet.DrawOutline(position.x(), position.y(), m_palette.outlineWidth(),
                                    m_palette.outlineHeight()));
}

void TTalvexForm::OrientClick()
{
    if (m_palette.OrientClick())
        TopPanelMouseMove();
}

void TTalvexForm::ForegroundImgMouseDown(Qt::MouseButton button, QPoint position,
                                         std::optional<QPoint> menuAt)
{
    switch (button) {
    case Qt::RightButton:
        if (orientMenuOffered(m_palette.outlineWidth(), m_palette.outlineHeight(),
                              m_palette.chosenCategory().orientable != 0))
            m_orientPopupMenu->popup(menuAt.value_or(QCursor::pos()));
        return;
    case Qt::LeftButton:
        if (!m_palette.pointerToolActive())
            placeElement(position);
        ShowInspector();
        return;
    default:
        return;
    }
}

void TTalvexForm::placeElement(QPoint position)
{
    const std::optional<PlacedElement> placed = placeElementAt(
        m_model, m_palette, snapToGrid(position.x(), position.y()), m_columns, m_rows);
    if (!placed)
        return;

    // The inspector lists the element: it is created, if need be, before the sheet changes.
    inspector();
    const std::uint16_t number = placed->number;
    for (const TilePlacement &tile : placed->tiles)
        m_sheet.DrawTile(kindTile(tile.kind), tile.px, tile.py);
    RefreshSheet();
    m_inspector->appendElementEntry(number);
    m_inspector->setCellImage(kindTile(placed->firstTile));
    m_sheetView->announceElementPlaced(number);

    switch (commonDisplayOf(m_palette.chosenToolClass())) {
    case CommonDisplay::TextElement:
        m_inspector->ShowTextElement(number, QStringList());
        break;
    case CommonDisplay::DynamicInput:
        m_inspector->ShowDynamicInput(number, DynamicInputMaximum, DynamicInputStart);
        break;
    case CommonDisplay::History:
        m_inspector->ShowHistoryElement(number, {});
        break;
    case CommonDisplay::None:
        m_inspector->ShowElement(number);
        break;
    }

    m_palette.returnToPointerTool();
    syncPalette();
}

} // namespace talvex
