#include "DecHexFr.h"

#include "AccessibleRenewal.h"
#include "Colours.h"
#include "DrillTexts.h"
#include "Fonts.h"
#include "NumEdit.h"

#include <QLabel>

namespace {

const FontSpec QuestionFont{"ＭＳ ゴシック", 16};

} // namespace

TDHFr::TDHFr(QWidget *parent) : QWidget(parent) {
    resize(162, 29);
    QuesionLbl = new QLabel(QStringLiteral("0"), this);
    QuesionLbl->setObjectName(QStringLiteral("QuesionLbl"));
    QuesionLbl->setFont(MakeFont(QuestionFont));
    // A fixed box with the number against its right edge, not sized to the text.
    QuesionLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QuesionLbl->setGeometry(0, 6, 65, 16);

    AnswerNum = new TNumEdit(this);
    AnswerNum->setObjectName(QStringLiteral("AnswerNum"));
    AnswerNum->setFont(MakeFont(QuestionFont));
    AnswerNum->setGeometry(85, 3, 69, 22);
    AnswerNum->SetCtl3D(false);
    QuesionLbl->setBuddy(AnswerNum);
    NameAnswer(QStringLiteral("10進"));
}

void TDHFr::NameAnswer(const QString &base) {
    // What a screen reader says for the field: the question and the base of the answer. Screen
    // readers name a field after the label that labels it rather than by its own name, so the
    // label carries the same name; the label still shows only the number.
    const QString name = QStringLiteral("%1 を%2で").arg(QuesionLbl->text(), base);
    // A drill's start renames 36 fields at once; each change is told to screen readers, even
    // to the same text, so only real ones are made, and the fields' by a new identity.
    RenameByRenewal(AnswerNum, name);
    if (QuesionLbl->accessibleName() != name)
        QuesionLbl->setAccessibleName(name);
    if (!AnswerNum->accessibleDescription().isEmpty())
        AnswerNum->setAccessibleDescription(QString());
}

void TDHFr::SetQuestion(std::uint8_t direction, std::int32_t number) {
    AnswerNum->SetColor(UnjudgedColour);
    AnswerNum->SetValue(0);
    if (direction == 0) {
        AnswerNum->SetNumericType(ntDecimal);
        QuesionLbl->setText(
            QStringLiteral("%1").arg(quint32(number), 4, 16, QLatin1Char('0')).toUpper());
    } else {
        AnswerNum->SetNumericType(ntHexadecimal);
        QuesionLbl->setText(QString::number(number));
    }
    NameAnswer(direction == 0 ? QStringLiteral("10進") : QStringLiteral("16進"));
}

std::int32_t TDHFr::GetAnswer() const {
    return TextToNonNegativeInt32(AnswerNum->AnsiText(), AnswerNum->NumericType()).value_or(-1);
}

void TDHFr::ShowJudgement(bool correct) {
    AnswerNum->SetColor(correct ? RightColour : WrongColour);
    // The colour is not the only sign of the judgement.
    AnswerNum->setAccessibleDescription(DrillTexts::Judgement(correct));
}
