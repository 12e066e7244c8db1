#pragma once

#include <QPushButton>

// A push button that carries an integer tag; the drills keep their state in it.
class TagButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    int Tag = 0;
};
