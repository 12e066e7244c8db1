// A browser's screen reader cannot see into the canvas the program draws in. So the program's
// accessible objects, the same a desktop screen reader reads, are mirrored into elements of the
// page beside the canvas: each with its ARIA role, name, description, value and states, placed
// over its widget so that touch exploration and a screen reader's highlight land on it, yet
// letting every pointer event through to the canvas. The program's accessibility events mark
// objects to read again, or whose parts to build again; the marks of one moment are carried out
// together. A screen reader's click on an element performs the widget's action, and its focus
// gives the widget the keyboard. Only the elements of objects with an action take clicks, so that
// a screen reader offers a click on nothing else.
#include "AccessibilityMirror.h"

#include "KeyboardFocus.h"

#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <emscripten.h>
#include <emscripten/bind.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <utility>

#include <QtGui/private/qguiapplication_p.h>

namespace {

// What the page needs of an object's states, as bits.
enum Flag {
    Hidden = 1,
    Checkable = 2,
    Checked = 4,
    Disabled = 8,
    Focusable = 16,
    Selected = 32,
    ReadOnly = 64,
    Current = 128, // a tab list's current tab, which has the list's focus
    Actionable = 256,
};

// clang-format off
EM_JS(void, PageNode, (unsigned id, unsigned parent, const char *role, const char *name,
                       const char *description, const char *value, int flags, int position,
                       int count, int x, int y, int width, int height), {
    const mirror = Module.accessibleMirror || (Module.accessibleMirror = {elements: new Map()});
    if (!mirror.root) {
        mirror.root = document.createElement("div");
        mirror.root.id = "accessible";
        mirror.root.style.cssText = "position: absolute; inset: 0; pointer-events: none; " +
            "color: transparent; overflow: hidden; font-size: 1px;";
        const canvas = document.getElementById("qtcanvas");
        canvas.parentElement.insertBefore(mirror.root, canvas.nextSibling);
    }
    let element = mirror.elements.get(id);
    if (!element) {
        element = document.createElement("div");
        element.style.position = "absolute";
        element.style.outline = "none";  // the program draws its own focus
        element.accessibleId = id;
        element.act = function (event) {
            event.stopPropagation();
            Module.accessibleAction(id);
        };
        element.addEventListener("focus", function () { Module.accessibleFocus(id); });
        // A reader may put the page's focus on an element whose widget takes no keyboard focus,
        // such as a bit cell; Space or Enter there is a click on it, not a key for the widget
        // with the program's focus.
        element.addEventListener("keydown", function (event) {
            if (event.target === element && element.onclick && element !== mirror.programFocus &&
                (event.key === " " || event.key === "Enter") &&
                !event.shiftKey && !event.ctrlKey && !event.altKey && !event.metaKey) {
                event.stopPropagation();
                event.preventDefault();
                Module.accessibleAction(id);
            }
        });
        mirror.elements.set(id, element);
        (mirror.elements.get(parent) || mirror.root).appendChild(element);
    }
    const text = UTF8ToString(name);
    const kind = UTF8ToString(role);
    const shown = UTF8ToString(value);
    const attribute = function (key, on, content) {
        if (on) element.setAttribute(key, content);
        else element.removeAttribute(key);
    };
    attribute("role", kind !== "text" && kind !== "generic", kind);
    // Texts and text boxes hold what they show; everything else is named. A text box that takes
    // typing is editable, so that a screen reader reads it as one; what is typed or composed
    // there goes to the program (the page's keyboard bridge), which says what the field holds.
    const holds = kind === "text" ? text : kind === "textbox" ? shown : null;
    if (holds !== null) {
        element.programText = holds;
        if (!element.composing && element.textContent !== holds) element.textContent = holds;
    }
    const editable = kind === "textbox" && !(flags & (8 | 64));
    if (editable !== element.isContentEditable) {
        element.contentEditable = editable ? "true" : "inherit";
        element.spellcheck = false;
    }
    attribute("aria-label", holds === null || kind === "textbox", text);
    // Browsers that take no aria-description take the title as the description.
    const said = UTF8ToString(description);
    attribute("aria-description", said !== "", said);
    attribute("title", said !== "", said);
    attribute("aria-checked", flags & 2, flags & 4 ? "true" : "false");
    attribute("aria-selected", kind === "tab", flags & (32 | 128) ? "true" : "false");
    attribute("aria-disabled", flags & 8, "true");
    attribute("aria-readonly", kind === "textbox" && (flags & 64), "true");
    attribute("aria-live", kind === "alert", "off");  // the live region says it already
    attribute("tabindex", (flags & 16) || kind === "checkbox" || document.activeElement === element,
              "-1");
    attribute("aria-posinset", position > 0, position);
    attribute("aria-setsize", position > 0, count);
    element.hidden = !!(flags & 1);
    element.onclick = flags & 256 ? element.act : null;
    element.style.left = x + "px";
    element.style.top = y + "px";
    element.style.width = width + "px";
    element.style.height = height + "px";
});

// The element of the widget with the program's focus takes the page's, where the page's focus
// is the program's (on its canvas or one of these elements), so that a screen reader says what
// the focus moved to; the page hands on the keys pressed there.
EM_JS(void, PageFocus, (unsigned id), {
    const mirror = Module.accessibleMirror;
    const element = mirror && mirror.elements.get(id);
    const now = document.activeElement;
    if (mirror) mirror.programFocus = element;
    if (element && now !== element && (now === document.body ||
        now === document.getElementById("qtcanvas") || mirror.root.contains(now)))
    {
        // A dialog takes the focus though its widget takes none from the keyboard.
        if (!element.hasAttribute("tabindex")) element.setAttribute("tabindex", "-1");
        // A reader's caret left where the focus was would be moved, and read out as blank, when
        // the page it is on is hidden.
        const selection = getSelection();
        if (selection.rangeCount && !element.contains(selection.anchorNode))
            selection.removeAllRanges();
        element.focus({preventScroll: true});
    }
});

// The element of an object with its parts, or its parts alone.
EM_JS(void, PageRemove, (unsigned id, int partsOnly), {
    const mirror = Module.accessibleMirror;
    const element = mirror && mirror.elements.get(id);
    if (!element) return;
    for (const part of element.querySelectorAll("div")) mirror.elements.delete(part.accessibleId);
    if (partsOnly) {
        element.replaceChildren();
    } else {
        mirror.elements.delete(id);
        element.remove();
    }
});
// clang-format on

// The ARIA role of an object, or nullptr for one the page leaves out.
const char *AriaRole(const QAccessibleInterface *object) {
    switch (object->role()) {
    case QAccessible::Dialog:
        return "dialog";
    case QAccessible::Window:
        return "region";
    case QAccessible::PageTabList:
        return "tablist";
    case QAccessible::PageTab:
        return "tab";
    case QAccessible::PushButton:
        return "button";
    case QAccessible::CheckBox:
        return "checkbox";
    case QAccessible::EditableText:
        return "textbox";
    case QAccessible::AlertMessage:
        return "alert";
    case QAccessible::Link:
        return "link";
    case QAccessible::Chart:
        return "list"; // the graph's records are its items
    case QAccessible::ListItem:
        return "listitem";
    case QAccessible::Graphic:
        return "img";
    case QAccessible::Notification:
        return nullptr; // said by the page's live region
    case QAccessible::Grouping:
        return "group";
    case QAccessible::PopupMenu:
        return "menu";
    case QAccessible::MenuItem:
        return "menuitem";
    case QAccessible::StaticText:
        return "text";
    default:
        break;
    }
    // A page of a tab control.
    if (const QAccessibleInterface *parent = object->parent())
        if (parent->role() == QAccessible::LayeredPane)
            return "tabpanel";
    return "generic";
}

int Flags(const QAccessible::State &state) {
    return (state.invisible ? Hidden : 0) | (state.checkable ? Checkable : 0) |
           (state.checked ? Checked : 0) | (state.disabled ? Disabled : 0) |
           (state.focusable ? Focusable : 0) | (state.selected ? Selected : 0) |
           (state.readOnly ? ReadOnly : 0) | (state.focused ? Current : 0);
}

// The action of an object that a click performs, or none.
QString ClickAction(QAccessibleInterface *object) {
    QAccessibleActionInterface *actions = object->actionInterface();
    const QStringList names = actions ? actions->actionNames() : QStringList();
    for (const QString &name :
         {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()})
        if (names.contains(name))
            return name;
    return {};
}

class Mirror : public QObject {
    Q_OBJECT

public:
    explicit Mirror(QObject *parent) : QObject(parent) {
        pending.setSingleShot(true);
        pending.setInterval(0);
        connect(&pending, &QTimer::timeout, this, &Mirror::Carry);
        connect(qApp, &QApplication::focusChanged, this, [this] {
            focusMoved = true;
            pending.start();
        });
    }

    static Mirror *Of() {
        return qApp ? qApp->findChild<Mirror *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    }

    void Build() {
        QAccessibleInterface *application = QAccessible::queryAccessibleInterface(qApp);
        for (int i = 0; application && i < application->childCount(); ++i)
            Put(application->child(i), true);
    }

    void Note(QAccessibleEvent *event) {
        QAccessibleInterface *object = event->accessibleInterface();
        if (!object)
            return;
        switch (event->type()) {
        case QAccessible::ObjectCreated:
        case QAccessible::ObjectDestroyed:
        case QAccessible::ObjectReorder:
        case QAccessible::ParentChanged:
            if (QAccessibleInterface *parent = object->parent())
                rebuild.insert(QAccessible::uniqueId(parent));
            break;
        case QAccessible::ObjectShow:
        case QAccessible::ObjectHide:
            // A dialog that opens takes the keyboard, and gives it back when it closes.
            focusMoved = focusMoved || object->role() == QAccessible::Dialog;
            reread.insert(QAccessible::uniqueId(object));
            break;
        case QAccessible::TextCaretMoved:
        case QAccessible::TextSelectionChanged:
            return;
        default:
            reread.insert(QAccessible::uniqueId(object));
            break;
        }
        // A tab turned to changes which of its list's tabs is the current one.
        QAccessibleInterface *list = object->role() == QAccessible::PageTab       ? object->parent()
                                     : object->role() == QAccessible::PageTabList ? object
                                                                                  : nullptr;
        for (int i = 0; list && i < list->childCount(); ++i)
            if (QAccessibleInterface *tab = list->child(i))
                reread.insert(QAccessible::uniqueId(tab));
        pending.start();
    }

    // A screen reader's click: the action a click would have, toggling a check box.
    static void Act(unsigned id) {
        QAccessibleInterface *object = QAccessible::accessibleInterface(id);
        if (const QString action = object ? ClickAction(object) : QString(); !action.isEmpty())
            object->actionInterface()->doAction(action);
    }

    static void Focus(unsigned id) {
        QAccessibleInterface *object = QAccessible::accessibleInterface(id);
        auto *widget = object ? qobject_cast<QWidget *>(object->object()) : nullptr;
        if (widget && widget->focusPolicy() != Qt::NoFocus && !widget->hasFocus())
            widget->setFocus(Qt::OtherFocusReason);
    }

private:
    void Carry() {
        for (const QAccessible::Id id : std::as_const(rebuild))
            if (QAccessibleInterface *object = QAccessible::accessibleInterface(id)) {
                PageRemove(id, true);
                for (int i = 0; i < object->childCount(); ++i)
                    Put(object->child(i), true);
            }
        for (const QAccessible::Id id : std::as_const(reread))
            if (QAccessibleInterface *object = QAccessible::accessibleInterface(id))
                Put(object, !known.contains(id));
        rebuild.clear();
        reread.clear();
        QWidget *focus = KeyboardFocus();
        QAccessibleInterface *focused =
            focus ? QAccessible::queryAccessibleInterface(focus) : nullptr;
        // In a list of tabs, screen readers expect the focus on the current tab itself.
        if (QAccessibleInterface *child = focused ? focused->focusChild() : nullptr)
            focused = child;
        if (std::exchange(focusMoved, false) && focused)
            PageFocus(QAccessible::uniqueId(focused));
    }

    // The element of an object, made or read again; with its parts when whole.
    void Put(QAccessibleInterface *object, bool whole) {
        const char *role = object && object->isValid() ? AriaRole(object) : nullptr;
        if (!role)
            return;
        const QAccessible::Id id = QAccessible::uniqueId(object);
        QAccessibleInterface *parent = object->parent();
        const bool topLevel = !parent || parent->role() == QAccessible::Application;
        const QRect origin =
            topLevel ? QGuiApplication::primaryScreen()->geometry() : parent->rect();
        const QRect place = object->rect().translated(-origin.topLeft());
        const QByteArray name = object->text(QAccessible::Name).toUtf8();
        const QByteArray description = object->text(QAccessible::Description).toUtf8();
        const QByteArray value = object->text(QAccessible::Value).toUtf8();
        // A tab's place in its list, "2 of 3".
        const bool tab = object->role() == QAccessible::PageTab && parent;
        PageNode(id, topLevel ? 0 : QAccessible::uniqueId(parent), role, name.data(),
                 description.data(), value.data(),
                 Flags(object->state()) | (ClickAction(object).isEmpty() ? 0 : Actionable),
                 tab ? parent->indexOfChild(object) + 1 : 0, tab ? parent->childCount() : 0,
                 place.x(), place.y(), place.width(), place.height());
        if (!known.contains(id)) {
            known.insert(id);
            if (QObject *owner = object->object())
                connect(owner, &QObject::destroyed, this, [this, id] {
                    known.remove(id);
                    PageRemove(id, false);
                });
        }
        if (whole)
            for (int i = 0; i < object->childCount(); ++i)
                Put(object->child(i), true);
    }

    QTimer pending;
    QSet<QAccessible::Id> reread;  // objects whose own element to read again
    QSet<QAccessible::Id> rebuild; // objects whose parts to build again
    QSet<QAccessible::Id> known;   // objects with an element
    bool focusMoved = false;
};

void NoteOnPage(QAccessibleEvent *event) {
    if (Mirror *mirror = Mirror::Of())
        mirror->Note(event);
}

void BuildOnPage(QObject *) {
    if (Mirror *mirror = Mirror::Of())
        mirror->Build();
}

} // namespace

void MirrorAccessibilityOnPage() {
    if (Mirror::Of())
        return;
    auto *mirror = new Mirror(qApp);
    QAccessible::installUpdateHandler(&NoteOnPage);
    QAccessible::installRootObjectHandler(&BuildOnPage);
    // Qt 6.4 for WebAssembly has no bridge of its own to a screen reader, so it never switches
    // accessibility on, and widgets would tell no one of their changes: the mirror is the bridge.
    if (QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
    mirror->Build();
}

EMSCRIPTEN_BINDINGS(accessible_mirror) {
    emscripten::function("accessibleAction", &Mirror::Act);
    emscripten::function("accessibleFocus", &Mirror::Focus);
}

#include "AccessibilityMirrorWeb.moc"
