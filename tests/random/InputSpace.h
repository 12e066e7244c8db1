#pragma once

#include <QList>
#include <QRect>
#include <QWidget>
#include <random>

// Random choices over what a user can reach: the shown widgets of a kind and points on them.
class InputSpace {
public:
    explicit InputSpace(std::mt19937 &random) : random(random) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random); }
    template <typename T> const T &Pick(const QList<T> &items) {
        return items[Below(int(items.size()))];
    }

    // A point in the rectangle, mostly near its middle as a user aims, else anywhere in it.
    QPoint PointIn(const QRect &area);
    // Mostly the left button, sometimes the right or the middle one.
    Qt::MouseButton Button();
    // Usually none, sometimes Shift, Control or both.
    Qt::KeyboardModifiers Modifiers();

    // The widgets of the type under root that are on screen, whose object name passes the test.
    template <typename T>
    static QList<T *> Shown(const QWidget *root, bool (*wanted)(const QString &) = nullptr) {
        QList<T *> shown;
        for (T *widget : root->findChildren<T *>())
            if (widget->isVisible() && (!wanted || wanted(widget->objectName())))
                shown.append(widget);
        return shown;
    }

    std::mt19937 &random;
};
