#pragma once

#include <QString>

class TProgram;

// What must hold after any input at all: each drill button's tag is 0 or 1 and its caption
// names the next action for that tag, each bit cell shows the bit it holds, and the progress
// graph has one point per finished drill with all of its lists as long as each other. It also
// collects whatever an event handler let escape.
class ProgramInvariants {
public:
    explicit ProgramInvariants(const TProgram &program);

    // What is broken, one line each; empty when all holds. Call it after every event: a drill
    // counts as finished when its button went from running to idle since the last call.
    QString Check();

private:
    QString CheckButtons() const;
    QString CheckBitCells() const;
    QString CheckGraph() const;

    const TProgram &program;
    int examTag = 0;
    int finishedDrills = 0;
};
