#include "platform/ui/message_boxes.h"

#include "platform/text/codepage.h"

#include <QApplication>
#include <QMessageBox>

namespace platform::ui {

namespace {

MessageBoxes* g_service = nullptr;

QtMessageBoxes& qtService()
{
    static QtMessageBoxes service;
    return service;
}

QString boxText(const std::string& text)
{
    QString shown = text::toUnicode(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

const char* buttonsName(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return "OK";
    case MsgButtons::YesNo:
        return "Yes/No";
    case MsgButtons::YesNoCancel:
        return "Yes/No/Cancel";
    }
    return "?";
}

const char* answerName(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok:
        return "OK";
    case MsgAnswer::Yes:
        return "Yes";
    case MsgAnswer::No:
        return "No";
    case MsgAnswer::Cancel:
        return "Cancel";
    }
    return "?";
}

bool canAnswer(MsgButtons buttons, MsgAnswer answer)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return answer == MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
    case MsgButtons::YesNoCancel:
        return answer != MsgAnswer::Ok;
    }
    return false;
}

// The answer that changes least when a box was not expected.
MsgAnswer safestAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Cancel;
    }
    return MsgAnswer::Ok;
}

} // namespace

MessageBoxes& messageBoxes()
{
    return g_service != nullptr ? *g_service : qtService();
}

MessageBoxes* setMessageBoxes(MessageBoxes* service)
{
    MessageBoxes* previous = g_service;
    g_service = service;
    return previous;
}

MsgAnswer msgBox(std::string_view text, MsgButtons buttons, MsgIcon icon, std::string_view title)
{
    return messageBoxes().show(MsgBox{std::string(text), buttons, icon, std::string(title)});
}

MsgAnswer QtMessageBoxes::show(const MsgBox& box)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (box.icon) {
    case MsgIcon::None:
        icon = QMessageBox::NoIcon;
        break;
    case MsgIcon::Critical:
        icon = QMessageBox::Critical;
        break;
    case MsgIcon::Exclamation:
        icon = QMessageBox::Warning;
        break;
    case MsgIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MsgIcon::Question:
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (box.buttons == MsgButtons::YesNo) {
        buttons = QMessageBox::Yes | QMessageBox::No;
    } else if (box.buttons == MsgButtons::YesNoCancel) {
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    const QString title =
        box.title.empty() ? QCoreApplication::applicationName() : text::toUnicode(box.title);
    QMessageBox message(icon, title, boxText(box.text), buttons, QApplication::activeWindow());
    if (box.buttons == MsgButtons::YesNoCancel) {
        message.setEscapeButton(QMessageBox::Cancel);
    }
    switch (message.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    default:
        return safestAnswer(box.buttons);
    }
}

ScriptedMessageBoxes::ScriptedMessageBoxes() : m_previous(setMessageBoxes(this)) {}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    if (&messageBoxes() == this) {
        setMessageBoxes(m_previous);
    }
}

void ScriptedMessageBoxes::answer(MsgAnswer answer)
{
    m_answers.push_back(answer);
}

void ScriptedMessageBoxes::acknowledge(int count)
{
    for (int i = 0; i < count; ++i) {
        m_answers.push_back(MsgAnswer::Ok);
    }
}

MsgAnswer ScriptedMessageBoxes::show(const MsgBox& box)
{
    m_shown.push_back(box);
    if (m_answers.empty()) {
        return fail(box, "unexpected message box");
    }
    const MsgAnswer answer = m_answers.front();
    m_answers.pop_front();
    if (!canAnswer(box.buttons, answer)) {
        return fail(box, std::string("message box with ") + buttonsName(box.buttons) +
                             " cannot be answered " + answerName(answer));
    }
    return answer;
}

MsgAnswer ScriptedMessageBoxes::fail(const MsgBox& box, const std::string& why)
{
    const std::string failure = why + " (title \"" + box.title + "\", buttons " + buttonsName(box.buttons) +
                                "): \"" + box.text + "\"";
    if (!m_failure) {
        throw UnexpectedMessageBox(failure);
    }
    m_failure(failure);
    return safestAnswer(box.buttons);
}

std::vector<std::string> ScriptedMessageBoxes::texts() const
{
    std::vector<std::string> result;
    result.reserve(m_shown.size());
    for (const MsgBox& box : m_shown) {
        result.push_back(box.text);
    }
    return result;
}

void ScriptedMessageBoxes::clear()
{
    m_answers.clear();
    m_shown.clear();
}

} // namespace platform::ui
