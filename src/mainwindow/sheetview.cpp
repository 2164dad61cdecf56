#include "mainwindow/sheetview.h"

#include "mainwindow/sheet.h"
#include "mainwindow/sheetaccessible.h"
#include "model/elementmodel.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace talvex {

SheetView::SheetView(const SheetLayers &layers, const ElementModel &model, QWidget *parent)
    : QWidget(parent)
    , m_layers(layers)
    , m_model(model)
{
    installSheetAccessibility();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
}

QString SheetView::keyboardPointerText() const
{
    return QString::fromStdString(
        pointerCellText(m_model, m_keyPointer.column(), m_keyPointer.row()));
}

void SheetView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // One layer pixel is one logical pixel; on a high-DPI screen pixels are repeated, not blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect() & m_layers.foreground().rect();
    painter.drawImage(area, m_layers.foreground(), area);
}

void SheetView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    m_lastMouse = std::make_pair(position.x(), position.y());
    emit mouseMoved(position);
}

void SheetView::mousePressEvent(QMouseEvent *event)
{
    // A menu that the press opens appears where the mouse is now, as it always has.
    emit mousePressed(event->button(), event->position().toPoint(), QCursor::pos());
}

QPoint SheetView::keyboardPosition() const
{
    return {m_keyPointer.x(), m_keyPointer.y()};
}

void SheetView::pressAtKeyboardPointer(Qt::MouseButton button)
{
    const QPoint position = keyboardPosition();
    emit mousePressed(button, position, mapToGlobal(position));
}

void SheetView::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int step = modifiers == Qt::ShiftModifier ? SheetPointer::BigStep : 1;
    int columns = 0;
    int rows = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        columns = -step;
        break;
    case Qt::Key_Right:
        columns = step;
        break;
    case Qt::Key_Up:
        rows = -step;
        break;
    case Qt::Key_Down:
        rows = step;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (modifiers != Qt::NoModifier)
            break;
        pressAtKeyboardPointer(Qt::LeftButton);
        return;
    case Qt::Key_Menu:
        pressAtKeyboardPointer(Qt::RightButton);
        return;
    case Qt::Key_F10:
        if (modifiers != Qt::ShiftModifier)
            break;
        pressAtKeyboardPointer(Qt::RightButton);
        return;
    case Qt::Key_Escape:
        emit escapePressed();
        return;
    default:
        break;
    }
    if ((columns != 0 || rows != 0) && (modifiers & ~Qt::ShiftModifier) == 0) {
        // Every step acts as a pointer move, also where the pointer stays at the sheet's edge.
        m_keyPointer.move(columns, rows);
        emit mouseMoved(keyboardPosition());
        announcePointer();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SheetView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_keyPointer.setPictureSize(width(), height());
    // Back from a menu or another window the pointer is where it was.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        m_keyPointer.startAt(m_lastMouse);
    // The panel around the sheet shows the focus.
    if (parentWidget())
        parentWidget()->update();
    // After Qt has reported the sheet itself as focused, which it does once this handler returns.
    QMetaObject::invokeMethod(this, &SheetView::announcePointer, Qt::QueuedConnection);
}

void SheetView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (parentWidget())
        parentWidget()->update();
}

void SheetView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_keyPointer.setPictureSize(width(), height());
}

void SheetView::announcePointer()
{
    if (QAccessible::isActive())
        announceSheetPointer(this);
}

void SheetView::announceElementPlaced(int number)
{
    if (QAccessible::isActive())
        announceSheetElement(this, number);
}

ClickableImage::ClickableImage(QWidget *parent)
    : QWidget(parent)
{
    installSheetAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClickableImage::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void ClickableImage::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    // Without assistive technology listening, an event would only build interfaces for nothing.
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ClickableImage::click()
{
    emit clicked();
}

void ClickableImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), m_image);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void ClickableImage::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                  event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClickableImage::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ClickableImage::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace talvex
