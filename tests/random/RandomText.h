#pragma once

#include "InputSpace.h"

#include <QString>

// A key as a keyboard sends it: its code, the text it types and the modifiers held.
struct KeyStroke {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
};

// Random keys and texts of the kinds a learner may type or paste into an answer field: digits,
// hexadecimal and other letters, editing and control keys, full-width digits and other
// characters from all over Unicode, and long texts.
class RandomText {
public:
    explicit RandomText(InputSpace &space) : space(space) {}

    KeyStroke Key();
    // A text for the clipboard.
    QString Paste();

private:
    int Below(int n) { return space.Below(n); }
    // One character (one or two UTF-16 units), from anywhere.
    QString Character();
    QString Digits(int length, const char *alphabet);

    InputSpace &space;
};
