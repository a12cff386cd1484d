#include "platform/ui/text_box.h"

#include "platform/text/codepage.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace platform::ui {

namespace {

// The click of a text box comes after the widget has handled the release, so that a click
// procedure that selects the text keeps its selection.
class LineEdit : public QLineEdit
{
public:
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked) {
            clicked();
        }
    }
};

class PlainEdit : public QPlainTextEdit
{
public:
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QPlainTextEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()) &&
            clicked) {
            clicked();
        }
    }
};

// Multi-line texts hold CR LF between lines; the widget holds LF.
QString toWidgetText(const std::string& text, bool multiLine)
{
    if (!multiLine) {
        return text::toUnicode(text);
    }
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            lines += text[i];
        }
    }
    return text::toUnicode(lines);
}

std::string fromWidgetText(const QString& shown, bool multiLine)
{
    std::string bytes = text::fromUnicode(shown);
    if (!multiLine) {
        return bytes;
    }
    std::string text;
    text.reserve(bytes.size() + 16);
    for (char c : bytes) {
        if (c == '\n') {
            text += "\r\n";
        } else {
            text += c;
        }
    }
    return text;
}

// The text of a multi-line widget with every character as it stands. The document's plain text
// turns no-break spaces into blanks; its raw text keeps them and marks the line breaks with
// separators of its own, which become LF here as in the plain text.
QString widgetText(const QPlainTextEdit& edit)
{
    QString raw = edit.document()->toRawText();
    for (QChar& c : raw) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1) {
            c = QLatin1Char('\n');
        }
    }
    return raw;
}

QWidget* makeEdit(TextBox::Lines lines)
{
    if (lines == TextBox::Lines::Multi) {
        auto* edit = new PlainEdit;
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        return edit;
    }
    return new LineEdit;
}

} // namespace

TextBox::TextBox(Parent parent, Lines lines) : Control(parent, makeEdit(lines)), m_lines(lines)
{
    auto click = [this] {
        if (onClick) {
            onClick();
        }
    };
    if (multiLine()) {
        auto* edit = static_cast<PlainEdit*>(widget());
        edit->clicked = click;
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this] { textChangedInWidget(); });
    } else {
        auto* edit = static_cast<LineEdit*>(widget());
        edit->clicked = click;
        edit->setMaxLength(32767);
        QObject::connect(edit, &QLineEdit::textChanged, edit,
                         [this](const QString&) { textChangedInWidget(); });
    }
}

std::string TextBox::text() const
{
    if (widget() == nullptr) {
        return {};
    }
    if (multiLine()) {
        return fromWidgetText(widgetText(*static_cast<QPlainTextEdit*>(widget())), true);
    }
    return fromWidgetText(static_cast<QLineEdit*>(widget())->text(), false);
}

bool TextBox::fitsCodePage() const
{
    if (widget() == nullptr) {
        return true;
    }
    if (multiLine()) {
        return text::fromUnicodeExactly(widgetText(*static_cast<QPlainTextEdit*>(widget()))).has_value();
    }
    return text::fromUnicodeExactly(static_cast<QLineEdit*>(widget())->text()).has_value();
}

void TextBox::setText(const std::string& value)
{
    if (widget() == nullptr) {
        return;
    }
    std::string cut = value;
    if (m_maxLength > 0 && static_cast<int>(cut.size()) > m_maxLength) {
        cut.resize(static_cast<std::size_t>(m_maxLength));
        if (multiLine() && !cut.empty() && cut.back() == '\r') {
            cut.pop_back(); // never half a line break
        }
    }
    if (cut == text()) {
        return;
    }
    // The widget's change signal reports the change (and runs onChange).
    if (multiLine()) {
        static_cast<QPlainTextEdit*>(widget())->setPlainText(toWidgetText(cut, true));
    } else {
        static_cast<QLineEdit*>(widget())->setText(toWidgetText(cut, false));
    }
}

void TextBox::textChangedInWidget()
{
    if (m_reverting) {
        return;
    }
    std::string now = text();
    if (multiLine() && m_maxLength > 0 && static_cast<int>(now.size()) > m_maxLength) {
        // Typing or pasting beyond the maximum length is refused: the text goes back.
        auto* edit = static_cast<QPlainTextEdit*>(widget());
        const int cursor = edit->textCursor().position();
        const int grown =
            static_cast<int>(toWidgetText(now, true).size() - toWidgetText(m_shown, true).size());
        m_reverting = true;
        edit->setPlainText(toWidgetText(m_shown, true));
        QTextCursor c = edit->textCursor();
        c.setPosition(std::clamp(cursor - grown, 0, static_cast<int>(edit->toPlainText().size())));
        edit->setTextCursor(c);
        m_reverting = false;
        return;
    }
    if (now == m_shown) {
        return;
    }
    m_shown = std::move(now);
    if (onChange) {
        onChange();
    }
}

void TextBox::setMaxLength(int characters)
{
    m_maxLength = std::max(0, characters);
    if (!multiLine() && widget() != nullptr) {
        static_cast<QLineEdit*>(widget())->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
    }
    // Text over the new limit is cut.
    setText(text());
}

bool TextBox::locked() const
{
    if (widget() == nullptr) {
        return false;
    }
    if (multiLine()) {
        return static_cast<QPlainTextEdit*>(widget())->isReadOnly();
    }
    return static_cast<QLineEdit*>(widget())->isReadOnly();
}

void TextBox::setLocked(bool locked)
{
    if (widget() == nullptr) {
        return;
    }
    if (multiLine()) {
        static_cast<QPlainTextEdit*>(widget())->setReadOnly(locked);
    } else {
        static_cast<QLineEdit*>(widget())->setReadOnly(locked);
    }
}

int TextBox::selStart() const
{
    if (widget() == nullptr) {
        return 0;
    }
    if (multiLine()) {
        return static_cast<QPlainTextEdit*>(widget())->textCursor().selectionStart();
    }
    auto* edit = static_cast<QLineEdit*>(widget());
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

int TextBox::selLength() const
{
    if (widget() == nullptr) {
        return 0;
    }
    if (multiLine()) {
        const QTextCursor c = static_cast<QPlainTextEdit*>(widget())->textCursor();
        return c.selectionEnd() - c.selectionStart();
    }
    return static_cast<int>(static_cast<QLineEdit*>(widget())->selectedText().size());
}

void TextBox::setSelStart(int start)
{
    if (widget() == nullptr) {
        return;
    }
    if (multiLine()) {
        auto* edit = static_cast<QPlainTextEdit*>(widget());
        QTextCursor c = edit->textCursor();
        c.setPosition(std::clamp(start, 0, static_cast<int>(edit->toPlainText().size())));
        edit->setTextCursor(c);
    } else {
        auto* edit = static_cast<QLineEdit*>(widget());
        edit->deselect();
        edit->setCursorPosition(std::clamp(start, 0, static_cast<int>(edit->text().size())));
    }
}

void TextBox::setSelLength(int length)
{
    if (widget() == nullptr) {
        return;
    }
    const int start = selStart();
    if (multiLine()) {
        auto* edit = static_cast<QPlainTextEdit*>(widget());
        const int end =
            std::clamp(start + std::max(0, length), 0, static_cast<int>(edit->toPlainText().size()));
        QTextCursor c = edit->textCursor();
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
    } else {
        auto* edit = static_cast<QLineEdit*>(widget());
        const int end = std::clamp(start + std::max(0, length), 0, static_cast<int>(edit->text().size()));
        edit->setSelection(start, end - start);
    }
}

std::string TextBox::selText() const
{
    if (widget() == nullptr) {
        return {};
    }
    if (multiLine()) {
        QString selected = static_cast<QPlainTextEdit*>(widget())->textCursor().selectedText();
        selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return fromWidgetText(selected, true);
    }
    return fromWidgetText(static_cast<QLineEdit*>(widget())->selectedText(), false);
}

void TextBox::selectAll()
{
    setSelStart(0);
    setSelLength(1 << 30);
}

} // namespace platform::ui
