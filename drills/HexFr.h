#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>

class Panel;

// One item of the hexadecimal-to-binary drill: a cell with a hexadecimal digit and four bit
// cells that flip between "0" and "1" when clicked. The frame keeps no question: the drill
// compares.
class THFr : public QWidget {
    Q_OBJECT
public:
    // panelLeft: where the row of cells starts within the frame's bounds.
    explicit THFr(QWidget *parent = nullptr, int panelLeft = 0);

    // Shows the low four bits of value as a hexadecimal digit and clears the answer.
    void SetQuestion(std::int32_t value);
    // The answer, 0 to 15, from the four bit cells.
    std::int32_t GetAnswer() const;
    // Paints the bit cells green when correct, red when not.
    void ShowJudgement(bool correct);

    QWidget *Panel1;
    Panel *H3Pnl;
    Panel *H2Pnl;
    Panel *H1Pnl;
    Panel *H0Pnl;
    Panel *HexPnl;

public slots:
    // Flips the clicked bit cell.
    void H3PnlClick(Panel *sender);

private:
    Panel *MakeCell(const char *name, int left);
    // Names the cells after the digit shown; whether any name changed.
    bool NameCells();
    // Whether a click on cell repeats the last one for the same request of a screen reader.
    bool IsRepeatedClick(const Panel *cell);

    const Panel *lastClicked = nullptr;
    QElapsedTimer lastClick;
};
