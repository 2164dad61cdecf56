#include "widgets/readonlyinput.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace talvex {

namespace {

// Qt 6.4's read-only QLineEdit still inserts an input-method commit string; the filter drops
// every event that could bring text into a field whose readOnly property is set.
class ReadOnlyInputFilter : public QObject
{
public:
    ReadOnlyInputFilter(QWidget *field)
        : QObject(field)
        , m_field(field)
    {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!m_field->property("readOnly").toBool())
            return false;
        switch (event->type()) {
        case QEvent::InputMethod:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event->ignore();
            return true;
        case QEvent::KeyPress:
            return static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste);
        case QEvent::MouseButtonRelease:
            return static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton;
        default:
            return false;
        }
    }

private:
    QWidget *m_field;
};

} // namespace

void guardReadOnlyInput(QWidget *field)
{
    auto *filter = new ReadOnlyInputFilter(field);
    field->installEventFilter(filter);
    // A scroll area's text arrives through its viewport: drops and the middle button.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(field))
        area->viewport()->installEventFilter(filter);
}

} // namespace talvex
