#include "main.h"

#include "AccessibleFactory.h"
#include "Announcer.h"
#include "AutoLabel.h"
#include "DecHexFr.h"
#include "DrillTexts.h"
#include "HexFr.h"
#include "MainWindowLayout.h"
#include "ModalDialog.h"
#include "NumEdit.h"
#include "PageTurnAccessibility.h"
#include "ProgressChart.h"
#include "ReviewKeys.h"
#include "TabListAccessible.h"
#include "TagButton.h"
#include "WidgetBuilder.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>

namespace {

// A plain widget is a filler to screen readers; this one is the program's window.
QAccessibleInterface *MakeMainWindowAccessible(TMainF *window) {
    return new QAccessibleWidget(window, QAccessible::Window);
}

QWidget *MakeCustomWidget(const WidgetRow &row, QWidget *parent) {
    switch (row.kind) {
    case WidgetKind::HexFrame:
        return new THFr(parent, row.innerLeft);
    case WidgetKind::DecHexFrame: {
        auto *frame = new TDHFr(parent);
        const QRect answer = frame->AnswerNum->geometry();
        frame->AnswerNum->setGeometry(row.innerLeft, answer.y(), answer.width(), row.innerHeight);
        return frame;
    }
    case WidgetKind::Chart:
        return MakeProgressChart(parent);
    default:
        return nullptr;
    }
}

} // namespace

TMainF::TMainF(const Clock &clock, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      clock(clock), announcer(new Announcer(this)), placement(this, [] {
          const QScreen *screen = QGuiApplication::primaryScreen();
          return screen ? screen->geometry() : QRect();
      }) {
    InstallAccessibleFactory<TMainF, MakeMainWindowAccessible>();
    InstallTabListAccessibility();
    setObjectName(QStringLiteral("MainF"));
    setWindowTitle(MainCaption);
    setFont(MakeFont(WindowFont));
    setFixedSize(MainClientSize);

    BuildWidgets(this, MainWindowRows(), MakeCustomWidget);
    PgControl1 = Find<QTabWidget>("PgControl1");
    PgControl2 = Find<QTabWidget>("PgControl2");
    THFr1 = Find<THFr>("THFr1");
    ExBtn = Find<TagButton>("ExBtn");
    ExamBtn = Find<TagButton>("ExamBtn");
    AlarmLbl = Find<AutoLabel>("AlarmLbl");
    TimeLbl = Find<AutoLabel>("TimeLbl");
    MaxLbl = Find<AutoLabel>("MaxLbl");
    Max2Lbl = Find<AutoLabel>("Max2Lbl");
    Min2Lbl = Find<AutoLabel>("Min2Lbl");
    ExamBtn2 = Find<TagButton>("ExamBtn2");
    AlarmLbl2 = Find<AutoLabel>("AlarmLbl2");
    AlarmLbl->SetAlert(true);
    AlarmLbl2->SetAlert(true);
    const ProgressGraph graph = AttachProgressGraph(Find<QWidget>("Chart1"));
    Chart1 = graph.Chart;
    Series1 = graph.Series;

    new ReviewKeyFilter(this);
    ReportPageTurns(PgControl1);
    ReportPageTurns(PgControl2);

    connect(ExBtn, &QPushButton::clicked, this, &TMainF::ExBtnClick);
    connect(ExamBtn, &QPushButton::clicked, this, &TMainF::ExamBtnClick);
    connect(ExamBtn2, &QPushButton::clicked, this, &TMainF::ExamBtn2Click);

    FormCreate();
}

void TMainF::FormCreate() {
    for (std::size_t i = 1; i <= HFrs.size(); ++i)
        HFrs[i] = Find<THFr>(QStringLiteral("HFr%1").arg(i));
    for (std::size_t i = 1; i <= DHFrs.size(); ++i)
        DHFrs[i] = Find<TDHFr>(QStringLiteral("DHFr%1").arg(i));
    MaxTime = 0;
    MinTime = 0;
    ClearProgress(*Series1);
    ExamCount = 0;
    FixProgressRange(*Chart1);
    PgControl1->setCurrentWidget(Find<QWidget>("TabSheet2"));
    PgControl2->setCurrentWidget(Find<QWidget>("TabSheet4"));
    DescribeProgress();
}

QString TMainF::ShownExplanation() const { return PgControl1->tabText(PgControl1->currentIndex()); }

void TMainF::Announce(const QStringList &sentences) {
    announcer->Announce(DrillTexts::Sentences(sentences));
}

void TMainF::DescribeProgress() { SummariseProgress(*Chart1, ExamCount, MaxTime, MinTime); }

void TMainF::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
    if (button == Qt::RightButton && versionDialog)
        ShowModal(versionDialog);
}

void TMainF::showEvent(QShowEvent *event) {
    // Centred once, when first shown.
    if (!event->spontaneous() && !centred) {
        centred = true;
        placement.Place();
    }
    QWidget::showEvent(event);
}

void TMainF::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // The window has one size. Window managers offer full screen even to windows of a fixed
    // size, and some would then show the content in a corner of an empty screen.
    const Qt::WindowStates state = windowState();
    if (state & (Qt::WindowFullScreen | Qt::WindowMaximized)) {
        // The window manager puts a window that leaves full screen back where it was.
        setWindowState(state & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    }
}

void TMainF::keyPressEvent(QKeyEvent *event) {
    // The keyboard's way to the version dialog, for a learner who cannot right-click the
    // window's surface. The keys reach the window from any widget that leaves them unused; in an
    // answer field they open the field's own menu.
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey || !versionDialog || qobject_cast<QLineEdit *>(focusWidget())) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    ShowModal(versionDialog);
}

void TMainF::mousePressEvent(QMouseEvent *event) {
    // Presses that children leave unhandled arrive here too; only the window's own surface
    // counts.
    const QPoint position = event->position().toPoint();
    if (childAt(position) == nullptr)
        FormMouseDown(event->button(), event->modifiers(), position);
    event->accept();
}
