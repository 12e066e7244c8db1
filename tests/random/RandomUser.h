#pragma once

#include "RandomText.h"

#include <QPoint>

class EventDriver;
class InputSpace;
class ManualClock;
class QTabWidget;
class QWidget;
class TProgram;

// A user who does random things to the shown program, one action of one or more events at a
// time: clicks on every kind of thing in sight, keys and pastes into the answer fields, drags
// and wheel turns on the progress graph, switching pages, time passing, right clicks that open
// the version dialog, and now and then answering a drill properly so that drills get finished.
// Only what is on screen is touched; hidden pages are reached through their tabs.
class RandomUser {
public:
    RandomUser(TProgram &program, ManualClock &clock, EventDriver &driver, InputSpace &space);

    void Act();

    // How far the run got, so that a test can tell that it reached the program's corners.
    struct Reached {
        int hexDrillsFinished = 0;
        int decHexDrillsFinished = 0;
        int pastes = 0;
        int zooms = 0;
        int wheelNotches = 0;
        int menus = 0;
    };
    const Reached &Progress() const { return reached; }

private:
    void ClickSomething();
    void RightClickMargin();
    void SwitchPage();
    void TypeKeys();
    void PasteIntoField();
    void PassTime();
    // A wheel turn over whatever lies under a point of the window.
    void TurnWheelAnywhere();
    void DealWithPopup();

    // RandomUserChart.cpp
    void UseChart();
    void DragOnChart();
    void ZoomDeeper();
    void TurnWheel();
    QPoint ChartPoint();

    // RandomUserDrills.cpp
    void AnswerHexDrill(bool whole);
    void AnswerDecHexDrill(bool whole);
    void TypeAnswer(QWidget *field, const QString &answer);

    // Clicks the page's tab unless the page is already shown.
    void ShowPage(QTabWidget *tabs, int index);
    QPoint MarginPoint();

    TProgram &program;
    ManualClock &clock;
    EventDriver &driver;
    InputSpace &space;
    RandomText text;
    Reached reached;
};
