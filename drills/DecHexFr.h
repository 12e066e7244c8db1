#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;
class TNumEdit;

// One item of the decimal/hexadecimal drill: a number in one base and a field for the same
// number in the other. The frame keeps no question: the drill compares.
class TDHFr : public QWidget {
    Q_OBJECT
public:
    explicit TDHFr(QWidget *parent = nullptr);

    // Direction 0 shows the number in hexadecimal (at least four digits) and takes a decimal
    // answer; any other direction shows it in decimal and takes a hexadecimal answer.
    void SetQuestion(std::uint8_t direction, std::int32_t number);
    // The answer in the field's base, or -1 when the field is empty or its number does not
    // lie in 0 ... 2147483647 (so that no wrapped-around reading can match a question).
    std::int32_t GetAnswer() const;
    // Colours the answer field lime green when correct, red when not.
    void ShowJudgement(bool correct);

    QLabel *QuesionLbl;
    TNumEdit *AnswerNum;

private:
    void NameAnswer(const QString &base);
};
