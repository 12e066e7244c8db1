#include "ClipboardText.h"

#include "NumEdit.h"

#include <QClipboard>
#include <QGuiApplication>

void PasteClipboardText(TNumEdit &field) { field.InsertText(QGuiApplication::clipboard()->text()); }

bool ClipboardMayHoldText() { return !QGuiApplication::clipboard()->text().isEmpty(); }
