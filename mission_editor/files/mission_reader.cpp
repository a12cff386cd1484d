#include "mission_editor/files/mission_reader.h"

#include "mission_editor/files/code_tables.h"

#include "platform/text/text_file.h"
#include "platform/text/vb.h"

namespace plotwright {

namespace {

// A line less its first and last character (the double quotes of a quoted line).
std::string unquoted(const std::string& line)
{
    if (line.size() < 2) {
        return {};
    }
    return line.substr(1, line.size() - 2);
}

int wholeNumber(std::string_view text)
{
    const double value = vb::val(text);
    if (!(value > -1e9 && value < 1e9)) {
        return -1; // far outside every range the file uses
    }
    return static_cast<int>(vb::nearest(value));
}

// Thrown inside the reader when the bytes are not a mission.
struct NotAMission
{
};

class MissionReader
{
public:
    MissionReader(std::string_view bytes, MissionModel& model) : m_in(std::string(bytes)), m_model(model) {}

    void read()
    {
        header();
        map();
        objects();
        if (line() == "<Fim>") {
            requireEnd();
            return;
        }
        enemies();
        troop();
        blocks();
    }

private:
    std::string line()
    {
        if (m_in.atEnd()) {
            throw NotAMission{};
        }
        const std::size_t before = m_in.position();
        std::string text = m_in.readLine();
        if (m_in.position() == before) {
            throw NotAMission{};
        }
        m_last = text;
        return text;
    }

    std::string item()
    {
        if (m_in.atEnd()) {
            throw NotAMission{};
        }
        const std::size_t before = m_in.position();
        std::string text = m_in.readItem();
        if (m_in.position() == before) {
            throw NotAMission{};
        }
        m_last.clear();
        return text;
    }

    void skip(int lines)
    {
        for (int i = 0; i < lines; ++i) {
            line();
        }
    }

    static void require(bool condition)
    {
        if (!condition) {
            throw NotAMission{};
        }
    }

    void requireEnd() const { require(m_in.atEnd()); }

    void header()
    {
        skip(1);
        m_model.MissionTitle = unquoted(line());
        m_model.MissionAuthor = unquoted(line());
        const int width = wholeNumber(line());
        const int height = wholeNumber(line());
        require(width >= MinMapSize && width <= MaxMapSize);
        require(height >= MinMapSize && height <= MaxMapSize);
        m_model.MapWidth = width;
        m_model.MapHeight = height;
        skip(2);
    }

    void map()
    {
        for (int y = 1; y <= m_model.MapHeight; ++y) {
            const std::string row = line();
            for (int x = 1; x <= m_model.MapWidth; ++x) {
                m_model.Map(x, y) = vb::mid(row, 2 * x - 1, 2);
            }
        }
        skip(2);
    }

    void objects()
    {
        for (std::string entry = item(); entry != "<-Objts>"; entry = item()) {
            require(m_model.ObjList.count() < MaxObjects);
            m_model.ObjList.add(entry);
        }
    }

    void enemies()
    {
        for (std::string entry = item(); entry != "<-Inimigos>"; entry = item()) {
            require(m_model.DollList.count() < MaxEnemies);
            m_model.DollList.add(entry);
        }
    }

    // The position from 0 of a troop combo entry, from a code line counted from 1.
    template <std::size_t N> int troopEntry(const std::array<std::string_view, N>& table)
    {
        const int position = wholeNumber(unquoted(line())) - 1;
        require(position >= 0 && static_cast<std::size_t>(position) < table.size());
        return position;
    }

    void troop()
    {
        skip(1);
        m_model.TroopPos = std::string(TroopPositionPrefix) + unquoted(line());
        m_model.TroopSizeCombo = troopEntry(TroopSizeTexts);
        m_model.TroopTeamCombo = troopEntry(TeamTexts);
        m_model.TroopAlignCombo = troopEntry(AlignTexts);
        m_model.TroopViewCombo = troopEntry(ViewTexts);
        const int clips = wholeNumber(vb::mid(line(), 2, 1));
        require(clips >= 0 && static_cast<std::size_t>(clips) < ClipTexts.size());
        m_model.TroopClipNum = clips;
        skip(1);
    }

    void blocks()
    {
        while (!m_in.atEnd()) {
            const std::string text = line();
            const std::string kind = vb::left(text, 5);
            if (kind == "<Anim") {
                animation(text, 7, "<-Anim>", m_model.AnimName, m_model.AnimTask, m_model.AnimationList,
                          m_animations);
                m_model.CurAnim = 1;
            } else if (kind == "<AniA") {
                animation(text, 8, "<-AniAI>", m_model.AiAnimName, m_model.AiAnimTask,
                          m_model.AnimationAIList, m_aiAnimations);
                m_model.CurAiAnim = 1;
            } else if (kind == "<Cond") {
                condition(text);
            } else if (kind == "<Resu") {
                m_model.MissionBrief = item();
                item();
            } else if (text == "<Fim>") {
                requireEnd(); // the last line of the file
            }
        }
        require(m_last == "<Fim>");
    }

    void animation(const std::string& header, int nameStart, std::string_view close,
                   std::vector<std::string>& names, Grid<std::string>& lines, ItemList& list, int& count)
    {
        const long long nameLength = static_cast<long long>(header.size()) - nameStart;
        std::string name = nameLength > 0 ? vb::mid(header, nameStart, nameLength) : std::string();
        require(!name.empty() && count < MaxAnimations);
        const int slot = ++count;
        names[slot] = name;
        list.add(std::move(name));
        int j = 0;
        for (std::string text = line(); text != close; text = line()) {
            require(j < MaxTaskLines);
            lines(slot, ++j) = unquoted(text);
        }
    }

    void conditionLines(std::string_view close, Grid<std::string>& lines, int n)
    {
        int j = 0;
        for (std::string text = line(); text != close; text = line()) {
            require(j < MaxConditionLines);
            lines(n, ++j) = unquoted(text);
        }
    }

    void condition(const std::string& header)
    {
        require(header.starts_with("<") && header.ends_with(">"));
        std::string name = unquoted(header);
        const int n = conditionNumber(name);
        require(n >= 1);
        require(m_model.CondNameList.indexOf(name) < 0);
        m_model.CondNameList.add(std::move(name));
        m_model.CondOnce[n] = wholeNumber(line());
        skip(1);
        conditionLines("<-Se>", m_model.CondIf, n);
        skip(1);
        conditionLines("<-Faz>", m_model.CondDo, n);
    }

    platform::text::TextReader m_in;
    MissionModel& m_model;
    std::string m_last; // the last whole line read; empty after an item read
    int m_animations = 0;
    int m_aiAnimations = 0;
};

// A preview line: a double quote at either end shows as a blank.
std::string previewText(std::string line)
{
    if (!line.empty() && line.front() == '"') {
        line.front() = ' ';
    }
    if (!line.empty() && line.back() == '"') {
        line.back() = ' ';
    }
    return line;
}

} // namespace

MissionPreview previewMission(std::string_view bytes)
{
    platform::text::TextReader in{std::string(bytes)};
    MissionPreview preview;
    if (!in.atEnd()) {
        in.readLine();
    }
    std::optional<std::string>* labels[] = {&preview.t1, &preview.t4, &preview.t2, &preview.t3};
    const char* prefixes[] = {"Nome: ", "Autor: ", "Largura: ", "Altura: "};
    for (int i = 0; i < 4 && !in.atEnd(); ++i) {
        *labels[i] = prefixes[i] + previewText(in.readLine());
    }
    return preview;
}

std::optional<MissionPreview> previewMissionFile(const std::string& path)
{
    std::string bytes;
    if (!platform::text::readFile(path, bytes)) {
        return std::nullopt;
    }
    return previewMission(bytes);
}

std::optional<MissionModel> readMission(std::string_view bytes, const MissionModel& current,
                                        const std::string& missionFile)
{
    std::optional<MissionModel> model(current);
    model->clearScriptsAndLists();
    model->MissionBrief.clear();
    model->MissionFile = missionFile;
    try {
        MissionReader(bytes, *model).read();
    } catch (const NotAMission&) {
        return std::nullopt;
    }
    return model;
}

std::string missionNameOfFile(const std::string& fileName)
{
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

OpenResult openMission(MissionModel& model, const std::string& path, const std::string& missionFile)
{
    std::string bytes;
    if (!platform::text::readFile(path, bytes)) {
        return {false, "The mission " + missionFile + " could not be read."};
    }
    std::optional<MissionModel> read = readMission(bytes, model, missionFile);
    if (!read) {
        return {false, CorruptedMissionMessage};
    }
    model = std::move(*read);
    model.NeedRedraw = true;
    model.Modified = false;
    return {true, {}};
}

} // namespace plotwright
