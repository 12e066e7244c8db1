#include "DrillSteps.h"

#include "AutoLabel.h"
#include "Colours.h"
#include "TagButton.h"

void ShowDrillRunning(TagButton *button, bool running, const QString &startCaption,
                      const QString &finishCaption) {
    button->Tag = running ? 1 : 0;
    button->setText(running ? finishCaption : startCaption);
}

void ShowVerdict(AutoLabel *label, bool allCorrect) {
    label->SetFontColor(allCorrect ? RightColour : WrongColour);
    label->SetCaption(allCorrect ? DrillTexts::AllRight : DrillTexts::KeepGoing);
    label->RaiseAlert();
}
