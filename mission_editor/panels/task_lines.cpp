#include "mission_editor/panels/task_lines.h"

#include "platform/text/vb.h"

#include <array>
#include <cmath>

namespace plotwright {

namespace {

constexpr std::array<TaskArgument, 9> ScriptedArguments = {
    TaskArgument::Cell,    TaskArgument::Cell,   TaskArgument::Cell, TaskArgument::Text, TaskArgument::Text,
    TaskArgument::Victory, TaskArgument::Defeat, TaskArgument::None, TaskArgument::None,
};

constexpr std::array<TaskArgument, 10> AiArguments = {
    TaskArgument::Cell,    TaskArgument::Cell,   TaskArgument::Cell, TaskArgument::Text, TaskArgument::None,
    TaskArgument::Victory, TaskArgument::Defeat, TaskArgument::None, TaskArgument::None, TaskArgument::None,
};

// A number read from text as a whole kind code; 0 when it is none or far outside any table.
int wholeNumber(std::string_view text)
{
    const double value = vb::val(text);
    if (!std::isfinite(value) || value < -1000 || value > 1000) {
        return 0;
    }
    return static_cast<int>(vb::nearest(value));
}

// Fields of a line cut at its commas.
std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

} // namespace

int taskKindCount(TaskTable table)
{
    return table == TaskTable::Scripted ? static_cast<int>(ScriptedArguments.size())
                                        : static_cast<int>(AiArguments.size());
}

std::optional<TaskArgument> taskArgument(TaskTable table, int kind)
{
    if (kind < 1 || kind > taskKindCount(table)) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(kind - 1);
    return table == TaskTable::Scripted ? ScriptedArguments[index] : AiArguments[index];
}

std::string frameText(std::string_view box)
{
    std::string frame = vb::generalNumber(vb::val(box));
    if (frame.size() < 4) {
        frame.insert(0, 4 - frame.size(), '0');
    }
    return frame;
}

std::string taskLine(TaskTable table, int kind, std::string_view frameBox, std::string_view argumentBox)
{
    const std::optional<TaskArgument> argument = taskArgument(table, kind);
    if (!argument) {
        return {};
    }
    const std::string head = frameText(frameBox) + "," + vb::zeroPad(kind, 2);
    switch (*argument) {
    case TaskArgument::Cell:
    case TaskArgument::Text:
        return head + "," + std::string(argumentBox);
    case TaskArgument::None:
        return head;
    case TaskArgument::Victory:
        return "Fim ,06";
    case TaskArgument::Defeat:
        return "Fim ,07";
    }
    return {};
}

int endCheckKind(std::string_view line)
{
    return wholeNumber(vb::mid(line, 6, 2));
}

std::optional<std::string> endEventRefusal(const std::vector<std::string>& lines, int requestedKind,
                                           bool whileInserting)
{
    int found = 0;
    for (const std::string& line : lines) {
        const int kind = endCheckKind(line);
        if (kind == 6 || kind == 7) {
            found = kind;
            break;
        }
    }
    if (found == 0) {
        return std::nullopt;
    }
    const bool victoryRequested = requestedKind == 6;
    const bool victoryFound = found == 6;
    // The Portuguese texts are those of Insert Task, the English ones those of Alter Task.
    if (victoryRequested && victoryFound) {
        return whileInserting ? "J\xE1 existe um evento de vit\xF3ria. \xC9 desnecess\xE1rio outro."
                              : "Already have a victory event. Is unnecessary other.";
    }
    if (victoryRequested) {
        return whileInserting ? "J\xE1 existe um evento de derrota. \xC9 desnecess\xE1rio um de vit\xF3ria."
                              : "Already have a lose event. Don't make sense a victory event.";
    }
    if (victoryFound) {
        return whileInserting ? "J\xE1 existe um evento de vit\xF3ria. \xC9 desnecess\xE1rio em de derrota."
                              : "Already have a victory event. Don't make sense a lose event.";
    }
    return whileInserting ? "J\xE1 existe um evento de derrota. \xC9 desnecess\xE1rio outro."
                          : "Already have a lose event. Is unnecessary other.";
}

TaskLineFields splitTaskLine(TaskTable table, std::string_view line)
{
    const std::vector<std::string_view> fields = fieldsOf(line);
    TaskLineFields result;
    result.frame = std::string(fields[0]);
    result.kind = fields.size() > 1 ? wholeNumber(fields[1]) : 0;
    result.frameAgain = result.kind == 8 || result.kind == 9;
    const std::optional<TaskArgument> argument = taskArgument(table, result.kind);
    if (!argument) {
        return result;
    }
    if (*argument == TaskArgument::Cell) {
        const std::string_view column = fields.size() > 2 ? fields[2] : std::string_view();
        const std::string_view row = fields.size() > 3 ? fields[3] : std::string_view();
        result.argument = std::string(column) + "," + std::string(row);
    } else if (*argument == TaskArgument::Text) {
        // Everything after the second comma: a message may hold commas of its own.
        const std::size_t first = line.find(',');
        const std::size_t second = line.find(',', first + 1);
        result.argument =
            second == std::string_view::npos ? std::string() : std::string(line.substr(second + 1));
    }
    return result;
}

} // namespace plotwright
