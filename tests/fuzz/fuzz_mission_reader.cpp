// fuzz-libs: mission_editor_lib
// fuzz-run: -dict=dictionaries/mission.dict -max_len=16384
// The mission reader on arbitrary bytes: never crashes or reads outside its tables, and whatever
// it accepts that the format can carry is written back as a file that it reads again, the same
// after one more round.
// An input whose first byte is 1 or 2 stands after the start of a new mission's file, up to its
// object list (1) or up to its script blocks (2), so that the later sections are reached at once;
// any other input is a whole file.
#include "mission_editor/files/mission_reader.h"
#include "mission_editor/files/mission_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const plotwright::MissionModel& startModel()
{
    static const plotwright::MissionModel model;
    return model;
}

// Whether the file format carries what was read: the object and enemy items are written between
// double quotes with nothing escaped, so an item that holds a double quote cannot be written back
// (the quote would end it, and what stands before it may even read as the list's closing tag).
bool carried(const plotwright::MissionModel& model)
{
    for (const plotwright::ItemList* list : {&model.ObjList, &model.DollList})
        for (const std::string& item : list->items())
            if (item.find('"') != std::string::npos)
                return false;
    return true;
}

void check(const std::string& bytes)
{
    (void)plotwright::previewMission(bytes);
    const auto first = plotwright::readMission(bytes, startModel(), "fuzz");
    if (!first || !carried(*first)) {
        return;
    }
    const std::string written = plotwright::missionFileBytes(*first);
    const auto second = plotwright::readMission(written, startModel(), "fuzz");
    if (!second) {
        std::abort();
    }
    const std::string rewritten = plotwright::missionFileBytes(*second);
    const auto third = plotwright::readMission(rewritten, startModel(), "fuzz");
    if (!third || plotwright::missionFileBytes(*third) != rewritten) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string smallest = plotwright::missionFileBytes(startModel());
    static const std::string toObjects = smallest.substr(0, smallest.find("<Objts>\r\n") + 9);
    static const std::string toScripts = smallest.substr(0, smallest.find("<Fim>"));
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] == 1)
        check(toObjects + bytes.substr(1));
    else if (size > 0 && data[0] == 2)
        check(toScripts + bytes.substr(1));
    else
        check(bytes);
    return 0;
}
