#pragma once
// The task lines of scripted animations and AI animations, apart from the window: how a line is
// built from the panel's boxes, which kinds take which argument, the one-end-event rule with its
// messages, and what a line gives back to the boxes when it is selected.
//
// A line reads FFFF,KK[,argument]: FFFF the tick at which it runs (or "Fim " for the end
// events), KK the kind with two digits.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plotwright {

// What a kind of task takes besides its frame.
enum class TaskArgument {
    Cell,    // a cell XX,YY picked on the map
    Text,    // a message, to the end of the line
    None,    // nothing
    Victory, // the end event "Fim ,06"
    Defeat,  // the end event "Fim ,07"
};

// The two tables of kinds: scripted animations (kinds 1 .. 9) and AI animations (1 .. 10).
enum class TaskTable { Scripted, Ai };

int taskKindCount(TaskTable table);
// The argument of kind 1 .. taskKindCount(table); nothing for a kind outside the table.
std::optional<TaskArgument> taskArgument(TaskTable table, int kind);

// The frame field of a line: the number the box begins with (0 when it begins with none) in
// the general number format, padded with "0" on the left to four characters ("7" gives "0007",
// "Number" gives "0000", "12345" stays "12345", "-3" gives "00-3").
std::string frameText(std::string_view box);

// The line of kind `kind` for the frame box's and the argument box's texts; empty for a kind
// outside the table.
std::string taskLine(TaskTable table, int kind, std::string_view frameBox, std::string_view argumentBox);

// Kind of a line: the number of its characters 6 and 7 (the field after "FFFF,").
int endCheckKind(std::string_view line);

// The end event already in a list of lines, for a requested end event (kind 6 or 7): the first
// line of kind 6 or 7 decides. The message that refuses the request, or nothing when the list
// holds no end event. `whileInserting` picks the Insert Task texts, else the Alter Task texts.
std::optional<std::string> endEventRefusal(const std::vector<std::string>& lines, int requestedKind,
                                           bool whileInserting);

// What a selected line puts back into the boxes.
struct TaskLineFields
{
    int kind = 0;                        // the number of field 2; 0 when it holds none
    std::string frame;                   // field 1, for the frame box
    std::optional<std::string> argument; // for the argument box, when the kind has one
    // Kinds 8 and 9 show their frame as it stands, also a frame 0 that the kind's prompt
    // set-up turned into "Number".
    bool frameAgain = false;
};
TaskLineFields splitTaskLine(TaskTable table, std::string_view line);

} // namespace plotwright
