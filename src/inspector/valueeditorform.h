#pragma once

#include <QDialog>
#include <QPoint>

#include <functional>

class QPushButton;
class QResizeEvent;
class QWidget;

namespace talvex {

struct FrameExtents;

// A modal value editor opened beside the inspector: the editing part above a panel along the
// bottom edge that holds OK and Cancel. OK hands the edited values over, Cancel and the close box
// only close; the frame cannot be resized, and the buttons are placed from the outer width.
class TValueEditorForm : public QDialog
{
    Q_OBJECT

public:
    // Places the buttons from the window's outer width and writes what the editor shows anew at
    // every opening; runs on every resize and right before the inspector opens the editor.
    virtual void FormResize() = 0;
    void OKButtonClick();
    void CancelButtonClick();

    // Where the outer frame's top-left stands for a given outer height.
    using Placement = std::function<QPoint(int outerHeight)>;
    void setPlacement(Placement placement) { m_placement = std::move(placement); }
    // Moves the editor to its placement and lays out the buttons; runs again at every showing,
    // with the frame the window manager is going to draw, and when the frame arrives.
    void place();

protected:
    TValueEditorForm(int panelHeight, QWidget *parent);

    // Hands the edited values over; OK calls it before the dialog closes.
    virtual void takeOver() = 0;
    // The editing part: it fills the client above the button panel from now on.
    void setBody(QWidget *body);
    // Cancel at cancelLeft, OK one OK-button width before it.
    void placeButtons(int cancelLeft);

    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *const ButtonPanel;
    QPushButton *const OKButton;
    QPushButton *const CancelButton;

private:
    void place(const FrameExtents &frame);
    void alignPanels();

    const int m_panelHeight;
    Placement m_placement;
    QWidget *m_body = nullptr;
};

} // namespace talvex
