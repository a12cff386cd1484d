#include "mission_editor/files/mission_writer.h"

#include "mission_editor/files/code_tables.h"

#include "platform/text/vb.h"

#include <string_view>

namespace plotwright {

namespace {

bool hasTroopPosition(const std::string& caption)
{
    return caption.starts_with(TroopPositionPrefix);
}

// A text as one line: CR and LF become blanks.
std::string oneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

class MissionWriter
{
public:
    explicit MissionWriter(const MissionModel& model) : m_model(model) {}

    std::string bytes()
    {
        header();
        map();
        lists();
        troop();
        animations("<Anim-", "<-Anim>", m_model.AnimName, m_model.AnimTask);
        animations("<AniAI-", "<-AniAI>", m_model.AiAnimName, m_model.AiAnimTask);
        conditions();
        if (!m_model.MissionBrief.empty()) {
            m_out.line("<Resumo>");
            quoted(m_model.MissionBrief);
            m_out.line("<-Resumo>");
        }
        m_out.line("<Fim>");
        return m_out.bytes();
    }

private:
    void quoted(std::string_view text) { m_out.quoted(oneLine(text)); }
    void bare(std::string_view text) { m_out.line(oneLine(text)); }

    void header()
    {
        m_out.line("<Info>");
        quoted(m_model.MissionTitle);
        quoted(m_model.MissionAuthor);
        m_out.line(std::to_string(m_model.MapWidth));
        m_out.line(std::to_string(m_model.MapHeight));
        m_out.line("<-Info>");
    }

    void map()
    {
        m_out.line("<Map>");
        const Grid<TileText>& cells = m_model.Map;
        for (int y = 1; y <= m_model.MapHeight && y < cells.rows(); ++y) {
            std::string row;
            row.reserve(2 * static_cast<std::size_t>(m_model.MapWidth));
            for (int x = 1; x <= m_model.MapWidth && x < cells.columns(); ++x) {
                row += tileCode(static_cast<int>(vb::hexValue(cells(x, y).view())));
            }
            m_out.line(row);
        }
        m_out.line("<-Map>");
    }

    void lists()
    {
        m_out.line("<Objts>");
        for (const std::string& item : m_model.ObjList.items()) {
            quoted(item);
        }
        m_out.line("<-Objts>");
        m_out.line("<Inimigos>");
        for (const std::string& item : m_model.DollList.items()) {
            quoted(item);
        }
        m_out.line("<-Inimigos>");
    }

    void troop()
    {
        m_out.line("<Tropa>");
        const std::string& caption = m_model.TroopPos;
        quoted(hasTroopPosition(caption) ? vb::mid(caption, 11, 5) : std::string("01,01"));
        quoted(codeOf(entryAt(TroopSizeTexts, m_model.TroopSizeCombo)));
        quoted(codeOf(entryAt(TeamTexts, m_model.TroopTeamCombo)));
        quoted(codeOf(entryAt(AlignTexts, m_model.TroopAlignCombo)));
        quoted(codeOf(entryAt(ViewTexts, m_model.TroopViewCombo)));
        quoted(codeOf(entryAt(ClipTexts, m_model.TroopClipNum), 1));
        m_out.line("<-Tropa>");
    }

    void animations(std::string_view open, std::string_view close, const std::vector<std::string>& names,
                    const Grid<std::string>& lines)
    {
        for (int slot = 1; slot <= MaxAnimations; ++slot) {
            if (names[slot].empty()) {
                continue;
            }
            bare(std::string(open) + names[slot] + ">");
            for (int j = 1; j <= MaxTaskLines && !lines(slot, j).empty(); ++j) {
                quoted(lines(slot, j));
            }
            m_out.line(close);
        }
    }

    void conditionLines(const Grid<std::string>& lines, int n)
    {
        for (int j = 1; j <= MaxConditionLines && !lines(n, j).empty(); ++j) {
            quoted(lines(n, j));
        }
    }

    void conditions()
    {
        for (const std::string& name : m_model.CondNameList.items()) {
            const int n = conditionNumber(name);
            if (n < 1) {
                continue; // a name that carries no condition number has no rows to write
            }
            bare("<" + name + ">");
            m_out.line(vb::printNumber(m_model.CondOnce[n]));
            m_out.line("<Se>");
            conditionLines(m_model.CondIf, n);
            m_out.line("<-Se>");
            m_out.line("<Faz>");
            conditionLines(m_model.CondDo, n);
            m_out.line("<-Faz>");
            m_out.line("<-Cond>");
        }
    }

    const MissionModel& m_model;
    platform::text::TextWriter m_out;
};

} // namespace

bool fitsQuotedText(std::string_view text)
{
    return text.find('"') == std::string_view::npos;
}

std::string missionFileBytes(const MissionModel& model)
{
    return MissionWriter(model).bytes();
}

platform::text::WriteResult saveMission(MissionModel& model, const std::string& path)
{
    model.storeTaskList();
    model.storeTaskAIList();
    if (!hasTroopPosition(model.TroopPos)) {
        model.TroopPos = std::string(TroopPositionPrefix) + "01,01";
    }
    return platform::text::writeFileAtomic(path, missionFileBytes(model));
}

} // namespace plotwright
