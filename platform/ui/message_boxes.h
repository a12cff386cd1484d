#pragma once
// Message boxes: every box a program shows goes through one service, so that tests can script
// the answers and see what was shown.

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform::ui {

enum class MsgIcon { None, Critical, Exclamation, Information, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// One box: Windows-1252 texts; a CR (character 13), CR LF or LF in the text starts a new line.
// An empty title shows the program's name.
struct MsgBox
{
    std::string text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    std::string title;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and waits for the answer.
    virtual MsgAnswer show(const MsgBox& box) = 0;
};

// The service the programs use: the Qt one unless a test installed another.
MessageBoxes& messageBoxes();
// Installs a service; null goes back to the Qt one. Returns the one installed before (null for
// the Qt one).
MessageBoxes* setMessageBoxes(MessageBoxes* service);

// Shows a box through the current service.
MsgAnswer msgBox(std::string_view text, MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None,
                 std::string_view title = {});

// Real message boxes (QMessageBox), modal over the active window.
class QtMessageBoxes final : public MessageBoxes
{
public:
    MsgAnswer show(const MsgBox& box) override;
};

// Thrown by ScriptedMessageBoxes for a box nobody expected when no failure hook is set.
class UnexpectedMessageBox : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Message boxes for tests: records every box shown and answers from a queue. A box that comes
// when the queue is empty, or whose buttons cannot give the queued answer, is a failure: the
// failure hook is called with a description holding the box's title and text (and the box then
// gets the answer that changes least: Cancel, No or Ok), or, with no hook, UnexpectedMessageBox
// is thrown. Installs itself as the service while it lives.
class ScriptedMessageBoxes final : public MessageBoxes
{
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;

    // Queues the answer to the next box.
    void answer(MsgAnswer answer);
    // Queues `count` OK answers.
    void acknowledge(int count = 1);
    void setFailureHook(std::function<void(const std::string& failure)> hook) { m_failure = std::move(hook); }

    MsgAnswer show(const MsgBox& box) override;

    const std::vector<MsgBox>& shown() const { return m_shown; }
    // Texts of the boxes shown, in order.
    std::vector<std::string> texts() const;
    std::size_t unusedAnswers() const { return m_answers.size(); }
    void clear();

private:
    MsgAnswer fail(const MsgBox& box, const std::string& why);

    std::deque<MsgAnswer> m_answers;
    std::vector<MsgBox> m_shown;
    std::function<void(const std::string&)> m_failure;
    MessageBoxes* m_previous;
};

} // namespace platform::ui
