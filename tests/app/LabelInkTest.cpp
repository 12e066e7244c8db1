#include "AutoLabel.h"
#include "Version.h"
#include "main.h"

#include <QLabel>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// How far a label's text reaches beyond the label, in pixels at each side: the label is drawn
// again with room all round, its text where the label puts it, and any ink in that room is ink
// the label cuts off.
QMargins InkOutside(const QLabel *label) {
    constexpr int room = 8;
    QLabel twin;
    twin.setFont(label->font());
    twin.setTextFormat(label->textFormat());
    twin.setText(label->text());
    twin.setAlignment(label->alignment());
    twin.setIndent(label->indent());
    twin.setMargin(label->margin());
    twin.setFrameStyle(label->frameStyle());
    twin.setContentsMargins(label->contentsMargins() + QMargins(room, room, room, room));
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::white);
    twin.setPalette(colours);
    twin.setAutoFillBackground(true);
    twin.resize(label->size().grownBy(QMargins(room, room, room, room)));
    const QImage picture = twin.grab().toImage();
    const QRect own = QRect(QPoint(room, room), label->size());
    QMargins outside;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == QColor(Qt::white).rgb() || own.contains(x, y))
                continue;
            outside.setLeft(std::max(outside.left(), own.left() - x));
            outside.setTop(std::max(outside.top(), own.top() - y));
            outside.setRight(std::max(outside.right(), x - own.right()));
            outside.setBottom(std::max(outside.bottom(), y - own.bottom()));
        }
    return outside;
}

void ExpectNoClippedInk(const QWidget *shown, const char *where) {
    for (const QLabel *label : shown->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QMargins cut = InkOutside(label);
        EXPECT_TRUE(cut.isNull()) << where << ": " << label->objectName().toStdString() << " \""
                                  << label->text().toStdString() << "\" loses ink: left "
                                  << cut.left() << ", top " << cut.top() << ", right "
                                  << cut.right() << ", bottom " << cut.bottom();
    }
}

} // namespace

TEST(LabelInkTest, NoShownLabelCutsOffItsText) {
    TMainF window;
    TVersionF dialog(&window);
    window.show();
    for (const char *tabs : {"PgControl1", "PgControl2"}) {
        auto *pages = window.findChild<QTabWidget *>(QLatin1String(tabs));
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            ExpectNoClippedInk(pages->currentWidget(), tabs);
        }
    }
    ExpectNoClippedInk(&window, "main window");
    dialog.show();
    ExpectNoClippedInk(&dialog, "version dialog");
}

// A message line shows many captions in turn; each must stand where it stood the first time.
TEST(LabelInkTest, ACaptionShownAgainIsDrawnWhereItWasFirst) {
    TMainF window;
    window.show();
    for (AutoLabel *label : window.findChildren<AutoLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        const QString caption = label->text();
        const QRect box = label->TextBox();
        const QImage first = label->grab().toImage();
        label->SetCaption(caption + caption);
        label->SetCaption(caption);
        EXPECT_EQ(label->TextBox(), box);
        EXPECT_EQ(label->grab().toImage(), first);
    }
}
