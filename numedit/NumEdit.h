#pragma once

#include "NumConversions.h"

#include <QLineEdit>
#include <QValidator>
#include <cstdint>
#include <functional>

enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// A window that can see every character typed into its controls before they do.
class TKeyPreviewForm {
public:
    virtual ~TKeyPreviewForm() = default;
    virtual bool KeyPreview() const = 0;
    // May replace the character, or cancel it by setting it to 0.
    virtual void FormKeyPress(QWidget *sender, char16_t &key) = 0;
};

// A single-line edit for a whole number in base 10, 2, 8 or 16. Typing lets only the digits
// of the base through, and so does every other way text gets in (pasting, the selection's
// middle click, a drop, an input method, an accessibility client, setText); Value reads and
// writes the text as a 64-bit number.
class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget *parent = nullptr);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TNumericType NumericType() const { return FNumericType; }
    // Carries the current value over into the new base.
    void SetNumericType(TNumericType value);
    // The text read in the current base; -1 for an empty text.
    std::int64_t Value() const;
    // Replaces the text with value in the current base (empty for a negative value), padded
    // with leading zeros to MaxLength when ZeroPadding is on; a longer text is not cut.
    void SetValue(std::int64_t value);
    bool ZeroPadding() const { return FZeroPadding; }
    // Takes effect at the next write of Value.
    void SetZeroPadding(bool value) { FZeroPadding = value; }
    QString Text() const { return text(); }
    // The most bytes (Shift-JIS, a double-byte character counting two) that typing and pasting
    // may make the text; 0 for no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    // A flat single-line border instead of the sunken one.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    QColor Color() const { return palette().color(QPalette::Base); }
    void SetColor(const QColor &value);

    // The text as the bytes of its Shift-JIS form, which the readers take byte by byte.
    QByteArray AnsiText() const;

    // Sees every typed character before the filter; may replace it, or cancel it by setting it
    // to 0.
    std::function<void(TNumEdit *sender, char16_t &key)> OnKeyPress;

    // Inserts text at the caret in place of the selection, as a paste does: what Admitted
    // keeps of it; nothing at all when it keeps nothing.
    void InsertText(const QString &text);

    // The rule for text that arrives otherwise than by a typed key: the digits of the base that
    // offered holds, full-width digits and letters as their half-width forms (case kept), as
    // many as room bytes take.
    QString Admitted(QStringView offered, qsizetype room) const;

    // The gate that every change of the text passes but the control's own writes of Value,
    // whatever made the change: what the change put in place of the shown text's middle is cut
    // down to what Admitted keeps, within MaxLength; a change that offered text of which
    // nothing is kept is not made.
    QValidator::State AdmitChange(QString &text, int &caret) const;

public slots:
    // Inserts the clipboard's current text through the gate.
    void PasteLimited();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Runs one typed character through the key-press hooks and the filter.
    void TypeCharacter(char16_t key);
    bool Accepts(char16_t key) const;
    // Bytes that typing or pasting may still add in place of the selection.
    qsizetype Room() const;
    bool IsDigit(char16_t key) const;

    TAlignment FAlignment = taLeftJustify;
    TNumericType FNumericType = ntDecimal;
    bool FZeroPadding = false;
    int FMaxLength = 0;
    bool FCtl3D = true;
    // The text as last shown, against which the gate sees what a change puts in.
    QString FShown;
    // Set while the control writes its own text, which the gate lets through uncut.
    bool FWriting = false;
};
