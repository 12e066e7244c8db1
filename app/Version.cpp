#include "Version.h"

#include "AppIcon.h"
#include "AutoLabel.h"
#include "Fonts.h"
#include "VersionAddressAccessible.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace {

const QColor Blue(0, 0, 255);
const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");

const FontSpec DialogFont{PGothic, 12};
const FontSpec ProductFont{PGothic, 37, true, true, false, Blue};
const FontSpec VersionFont{PGothic, 15, true, false, false, Blue};
const FontSpec MakerFont{PGothic, 15, true};
const FontSpec AddressFont{PGothic, 13, false, false, true, Blue};

AutoLabel *MakeLabel(QWidget *parent, const char *name, QPoint position, const FontSpec &font,
                     const QString &text) {
    auto *label = new AutoLabel(parent);
    label->setObjectName(QLatin1String(name));
    ApplyFont(label, font);
    label->move(position);
    label->SetCaption(text);
    return label;
}

} // namespace

TVersionF::TVersionF(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      OpenUrl(&QDesktopServices::openUrl), placement(this, [this] {
          return parentWidget() ? FramePlacement::FrameOf(parentWidget()->window()) : QRect();
      }) {
    setObjectName(QStringLiteral("VersionF"));
    // Before the address is made: a screen reader may ask after it as soon as it has its text.
    InstallVersionAddressAccessibility();
    setWindowTitle(QStringLiteral("Version"));
    // What a screen reader calls the dialog, in the learner's language.
    setAccessibleName(QStringLiteral("バージョン情報"));
    setWindowIcon(AppIcon());
    setFixedSize(316, 132);
    // Button face as the window colour, not as the background role: labels take their text
    // colour from the role that goes with the background, and the button role's would override
    // the colours that the fonts give them.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setFont(MakeFont(DialogFont));

    // The product name keeps its box, whatever the width of its text.
    Label1 = new QLabel(QStringLiteral("Radixtrek"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ApplyFont(Label1, ProductFont);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(8, 8, 201, 37);

    Label2 = MakeLabel(this, "Label2", {216, 28}, VersionFont, QStringLiteral("Ver1.0"));
    Label3 = MakeLabel(this, "Label3", {16, 56}, MakerFont,
                       QStringLiteral("(C) 2026 Radixtrek Project"));
    Label4 = MakeLabel(this, "Label4", {16, 80}, MakerFont, QStringLiteral("Radixtrek Project"));
    Label5 = MakeLabel(this, "Label5", {16, 104}, AddressFont,
                       QStringLiteral("http://radixtrek.example.org"));
    Label5->installEventFilter(this);
}

void TVersionF::Label5Click() {
    // Kept apart from the label's text, so that changing what is shown cannot change where the
    // link leads.
    static const QString address = QStringLiteral("http://radixtrek.example.org/");
    // A browser that cannot be started is the desktop's business; the dialog closes anyway.
    if (OpenUrl)
        OpenUrl(QUrl(address));
    close();
}

bool TVersionF::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Label5 && (event->type() == QEvent::MouseButtonPress ||
                              event->type() == QEvent::MouseButtonRelease)) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        // A click ends with the left button let go over the address.
        if (event->type() == QEvent::MouseButtonRelease &&
            Label5->rect().contains(mouse->position().toPoint()))
            Label5Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TVersionF::keyPressEvent(QKeyEvent *event) {
    // Without buttons the dialog has nothing for Escape or Enter to press; it closes only by its
    // title bar or by following the link.
    QWidget::keyPressEvent(event);
}

void TVersionF::showEvent(QShowEvent *event) {
    // Centred over the main window each time, wherever that window has been moved meanwhile.
    if (!event->spontaneous() && parentWidget())
        placement.Place();
    QDialog::showEvent(event);
}
