#include "HexFr.h"

#include "Announcer.h"
#include "Colours.h"
#include "DrillTexts.h"
#include "Fonts.h"
#include "Panel.h"
#include "ScreenReader.h"

#include <array>

THFr::THFr(QWidget *parent, int panelLeft) : QWidget(parent) {
    setAutoFillBackground(true);
    resize(115, 28);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(panelLeft, 0, 97, 25);
    // Bit cells at a pitch of 16 and 17 wide, so that neighbours share one border line.
    H3Pnl = MakeCell("H3Pnl", 29);
    H2Pnl = MakeCell("H2Pnl", 45);
    H1Pnl = MakeCell("H1Pnl", 61);
    H0Pnl = MakeCell("H0Pnl", 77);
    HexPnl = MakeCell("HexPnl", 0);
    for (Panel *cell : {H3Pnl, H2Pnl, H1Pnl, H0Pnl}) {
        cell->SetCheckable(true);
        connect(cell, &Panel::Clicked, this, &THFr::H3PnlClick);
    }
    NameCells();
}

bool THFr::NameCells() {
    // What a screen reader says for each cell: the digit asked and the bit's weight.
    bool renamed = false;
    const auto rename = [&renamed](Panel *cell, const QString &name) {
        renamed = renamed || cell->SpokenName() != name;
        cell->SetSpokenName(name);
    };
    const QString digit = HexPnl->Caption();
    rename(HexPnl, QStringLiteral("16進 %1").arg(digit));
    const std::array<std::pair<Panel *, int>, 4> bits{
        {{H3Pnl, 8}, {H2Pnl, 4}, {H1Pnl, 2}, {H0Pnl, 1}}};
    for (auto [cell, weight] : bits)
        rename(cell, QStringLiteral("16進 %1 の %2 の位").arg(digit).arg(weight));
    return renamed;
}

Panel *THFr::MakeCell(const char *name, int left) {
    auto *cell = new Panel(Panel1);
    cell->setObjectName(QLatin1String(name));
    cell->setGeometry(left, 0, 17, 25);
    cell->setFont(MakeFont(Gothic16));
    cell->SetSingleBorder(true);
    cell->SetCaption(QStringLiteral("0"));
    return cell;
}

void THFr::SetQuestion(std::int32_t value) {
    HexPnl->SetCaption(QString::number(value & 15, 16).toUpper());
    const std::array<Panel *, 4> bits{H0Pnl, H1Pnl, H2Pnl, H3Pnl};
    std::array<bool, 4> cleared{};
    for (std::size_t i = 0; i < bits.size(); ++i) {
        Panel *cell = bits[i];
        cleared[i] = cell->Tag != 0 || !cell->Verdict().isEmpty();
        cell->Tag = 0;
        cell->SetColor(cell->palette().color(QPalette::Button));
        cell->SetVerdict(QString());
        cell->SetCaption(QString::number(cell->Tag));
    }
    // A new question changes the cells of a whole drill at once, each told to screen readers by
    // a new identity rather than by an event for every change.
    const bool renamed = NameCells();
    if (renamed)
        HexPnl->RenewAccessibleIdentity();
    for (std::size_t i = 0; i < bits.size(); ++i)
        if (renamed || cleared[i])
            bits[i]->RenewAccessibleIdentity();
}

std::int32_t THFr::GetAnswer() const {
    return 8 * H3Pnl->Tag + 4 * H2Pnl->Tag + 2 * H1Pnl->Tag + H0Pnl->Tag;
}

void THFr::ShowJudgement(bool correct) {
    const QColor color = correct ? RightColour : WrongColour;
    for (Panel *cell : {H0Pnl, H1Pnl, H2Pnl, H3Pnl}) {
        cell->SetColor(color);
        // The colour is not the only sign of the judgement.
        cell->SetVerdict(DrillTexts::Judgement(correct));
    }
}

void THFr::H3PnlClick(Panel *sender) {
    if (IsRepeatedClick(sender))
        return;
    sender->Tag = sender->Tag == 0 ? 1 : 0;
    sender->SetCaption(QString::number(sender->Tag));
    sender->AnnounceChecked();
    // Screen readers leave the state of a cell without the focus unspoken.
    if (Announcer *announcer = Announcer::Of(this))
        announcer->Announce(sender->SpokenName() + QStringLiteral(" ") + sender->Caption());
}

bool THFr::IsRepeatedClick(const Panel *cell) {
    // A screen reader that clicks for the learner takes its first click for a failure now and
    // then and clicks the same cell again, 0.03 to 0.8 seconds later; a learner who wants the
    // cell back presses again only after hearing its new value. Without a screen reader every
    // click is the learner's own.
    constexpr qint64 retryMilliseconds = 900;
    const bool repeated = cell == lastClicked && lastClick.isValid() &&
                          lastClick.elapsed() < retryMilliseconds && ScreenReaderRunning();
    lastClicked = cell;
    lastClick.start();
    return repeated;
}
