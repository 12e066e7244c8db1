#include "DrillMessage.h"

#include "AutoLabel.h"
#include "ColorValue.h"

#include <QAccessible>

void ShowDrillMessage(AutoLabel *label, bool allCorrect) {
    label->SetFontColor(ToQColor(allCorrect ? clLime : clRed));
    label->SetCaption(allCorrect ? QStringLiteral("全問正解オメデトウ！")
                                 : QStringLiteral("全問正解になるまでガンバッテ！"));
    QAccessibleEvent alert(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
