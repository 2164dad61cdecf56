#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace talvex {

class Pictures;
struct FrameExtents;

// The about box: logo, version line, rights notice and web address; not modal, hidden by OK or
// Escape.
class TAboutTalvexForm : public QWidget
{
    Q_OBJECT

public:
    explicit TAboutTalvexForm(const Pictures &pictures, QWidget *parent = nullptr);

    void OKButtonClick();

    QPlainTextEdit *AboutMemo = nullptr;
    QLineEdit *WebMemo = nullptr;
    QLabel *VorqLogo = nullptr;
    QPushButton *OKButton = nullptr;

protected:
    // Escape hides the box like OK.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Centres the outer frame, the client area with frame around it, on the screen.
    void centreOnScreen(const FrameExtents &frame);
};

} // namespace talvex
