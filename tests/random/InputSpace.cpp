#include "InputSpace.h"

QPoint InputSpace::PointIn(const QRect &area) {
    if (Chance(0.7)) {
        const QPoint jitter(Below(5) - 2, Below(5) - 2);
        return area.center() + jitter;
    }
    return {area.left() + Below(std::max(1, area.width())),
            area.top() + Below(std::max(1, area.height()))};
}

Qt::MouseButton InputSpace::Button() {
    const int roll = Below(20);
    return roll < 17 ? Qt::LeftButton : roll < 19 ? Qt::RightButton : Qt::MiddleButton;
}

Qt::KeyboardModifiers InputSpace::Modifiers() {
    switch (Below(12)) {
    case 0:
        return Qt::ShiftModifier;
    case 1:
        return Qt::ControlModifier;
    case 2:
        return Qt::ShiftModifier | Qt::ControlModifier;
    default:
        return Qt::NoModifier;
    }
}
