#pragma once

class TNumEdit;

// A paste brings the clipboard's text of the moment of pasting into field, through its gate:
// at once on the desktop; in the browser, which shows a page its clipboard only when asked,
// once the browser has answered.
void PasteClipboardText(TNumEdit &field);

// Whether a paste may bring text now. The browser's clipboard stays unseen until a paste asks
// for it, so there a paste may always bring some.
bool ClipboardMayHoldText();
