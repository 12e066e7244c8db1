// A window with nothing but a plain line edit, in which an input method composes as usual: the
// input-method test types into it to show that the input method was really on, and drags text
// from it.
#include <QApplication>
#include <QDrag>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>

namespace {

// Its selected text may be dragged out to be copied or moved, as from a word processor's page:
// a drop answered as a move takes the text out of it. A plain line edit offers only a copy.
class MovableTextEdit : public QLineEdit {
protected:
    void mousePressEvent(QMouseEvent *event) override {
        const int at = cursorPositionAt(event->position().toPoint());
        pressedInSelection = event->button() == Qt::LeftButton && hasSelectedText() &&
                             at >= selectionStart() && at < selectionEnd();
        pressedAt = event->position().toPoint();
        if (!pressedInSelection)
            QLineEdit::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent *event) override {
        if (!pressedInSelection) {
            QLineEdit::mouseMoveEvent(event);
            return;
        }
        if ((event->position().toPoint() - pressedAt).manhattanLength() <
            QApplication::startDragDistance())
            return;
        pressedInSelection = false;
        auto *drag = new QDrag(this);
        auto *data = new QMimeData;
        data->setText(selectedText());
        drag->setMimeData(data);
        if (drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction) == Qt::MoveAction)
            del();
    }

private:
    bool pressedInSelection = false;
    QPoint pressedAt;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    MovableTextEdit edit;
    edit.setWindowTitle(QStringLiteral("ime_probe"));
    edit.setAccessibleName(QStringLiteral("plain"));
    // Top left, clear of the program's window in the middle of the screen.
    edit.setGeometry(0, 0, 300, 40);
    edit.show();
    return QApplication::exec();
}
