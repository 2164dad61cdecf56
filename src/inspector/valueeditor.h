#pragma once

#include <QPalette>
#include <QPushButton>
#include <QWindow>

namespace talvex {

// Parts shared by the two modal value editors.

// A dialog frame that cannot be resized, minimised or maximised; its close box rejects.
inline Qt::WindowFlags fixedDialogFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

// A button with a blue caption. It never becomes the dialog's default, so Enter in a text field
// does not close the editor.
inline QPushButton *makeEditorButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::blue);
    button->setPalette(palette);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The editor's height with its frame. Until a window has been shown only its platform window
// knows the frame, so that is created first.
inline int outerHeight(QWidget &editor)
{
    editor.winId();
    const QMargins frame = editor.windowHandle()->frameMargins();
    return editor.height() + frame.top() + frame.bottom();
}

} // namespace talvex
