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
    // A press on the selection drags it at once; the drag follows the mouse until it is let go.
    void mousePressEvent(QMouseEvent *event) override {
        const int at = cursorPositionAt(event->position().toPoint());
        if (event->button() != Qt::LeftButton || !hasSelectedText() || at < selectionStart() ||
            at >= selectionEnd()) {
            QLineEdit::mousePressEvent(event);
            return;
        }
        auto *drag = new QDrag(this);
        auto *data = new QMimeData;
        data->setText(selectedText());
        drag->setMimeData(data);
        if (drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction) == Qt::MoveAction)
            del();
    }
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
