#pragma once

#include "model/sheetpointer.h"

#include <QWidget>

#include <optional>

namespace talvex {

class ElementModel;
class SheetLayers;

// Shows the foreground layer of the sheet one image pixel per logical pixel, never scaled
// smoothly, and reports the pointer's moves and presses in image coordinates. With the focus it
// keeps a keyboard pointer on cell origins: arrows move it as the mouse would move, Return and
// Space press as the left button, the menu key and Shift+F10 as the right one.
class SheetView : public QWidget
{
    Q_OBJECT

public:
    SheetView(const SheetLayers &layers, const ElementModel &model, QWidget *parent = nullptr);

    // The elements the sheet shows, as assistive technology reads them.
    const ElementModel &model() const { return m_model; }

    const SheetPointer &keyboardPointer() const { return m_keyPointer; }
    // What the keyboard pointer's cell says, as assistive technology hears it.
    QString keyboardPointerText() const;
    // Tells assistive technology that an element was placed.
    void announceElementPlaced(int number);

signals:
    void mouseMoved(QPoint position);
    // globalPosition is where a menu that the press opens appears.
    void mousePressed(Qt::MouseButton button, QPoint position, QPoint globalPosition);
    void escapePressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPoint keyboardPosition() const;
    void pressAtKeyboardPointer(Qt::MouseButton button);
    void announcePointer();

    const SheetLayers &m_layers;
    const ElementModel &m_model;
    SheetPointer m_keyPointer;
    std::optional<std::pair<int, int>> m_lastMouse;
};

// A small picture that reports clicks: the conductor-kind selectors. It can carry a checked
// state for assistive technology, and Space or Return click it.
class ClickableImage : public QWidget
{
    Q_OBJECT

public:
    explicit ClickableImage(QWidget *parent = nullptr);
    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }
    void setChecked(bool checked);
    bool isChecked() const { return m_checked; }
    // The click a user's press delivers; also the press action of assistive technology.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QImage m_image;
    bool m_checked = false;
};

} // namespace talvex
