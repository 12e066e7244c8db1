#include "ClipboardText.h"

#include "NumEdit.h"

#include <QApplication>
#include <emscripten.h>
#include <emscripten/bind.h>
#include <string>

namespace {

// The browser's answer goes to the field that has the keyboard, which is the one that pasted:
// the menu gives the focus back to it as it closes.
void PasteIntoFocusedField(const std::string &utf8) {
    if (auto *field = qobject_cast<TNumEdit *>(QApplication::focusWidget()))
        field->InsertText(QString::fromStdString(utf8));
}

} // namespace

EMSCRIPTEN_BINDINGS(numedit_clipboard) {
    emscripten::function("pasteIntoFocusedField", &PasteIntoFocusedField);
}

void PasteClipboardText(TNumEdit &) {
    // Reading the clipboard may need the learner's leave, which the browser asks for itself; a
    // refusal pastes nothing.
    EM_ASM({
        if (navigator.clipboard && navigator.clipboard.readText)
            navigator.clipboard.readText().then(
                function(text) { Module.pasteIntoFocusedField(text); }, function(){});
    });
}

bool ClipboardMayHoldText() { return true; }
