#include "game/settings_file.h"

#include "platform/text/codepage.h"
#include "platform/text/vb.h"

#include <string_view>

namespace tolvar {

namespace {

// Line 4's key: "Música=" in Windows-1252.
const std::string MusicKey = "M\xFAsica=";

bool flagValue(std::string_view text)
{
    return platform::text::lowerCase(text) == "true";
}

std::string flagText(bool value)
{
    return value ? "True" : "False";
}

// The track from the Track item's value (the track number minus 1); false when it names no track
// of 0..10.
bool trackValue(std::string_view text, int& track)
{
    const double value = vb::val(text) + 1;
    if (!(value >= -0.5 && value <= TrackCount + 0.5))
        return false;
    track = static_cast<int>(vb::nearest(value));
    return true;
}

} // namespace

std::string settingsPath(const GameState& state)
{
    return platform::text::resolveCaseInsensitive(state.dataPath("arquivos/config.cfg"));
}

std::string settingsText(const GameState& state)
{
    platform::text::TextWriter out;
    out.line("Rnd=" + flagText(state.RandomTrack));
    out.line("Track=" + std::to_string(state.CurrentTrack - 1));
    out.line("Som=" + flagText(state.SoundOn));
    out.line(MusicKey + flagText(state.MusicOn));
    return out.bytes();
}

void applySettingsText(GameState& state, std::string bytes)
{
    // The keys are not compared: each value is its item without the key's length.
    platform::text::TextReader reader(std::move(bytes));
    auto nextValue = [&reader](long long keyLength, std::string& value) {
        if (reader.atEnd())
            return false;
        value = vb::mid(reader.readItem(), keyLength + 1);
        return true;
    };

    std::string value;
    state.RandomTrack = nextValue(4, value) ? flagValue(value) : true;
    const bool haveTrack = nextValue(6, value) && trackValue(value, state.CurrentTrack);
    state.SoundOn = nextValue(4, value) ? flagValue(value) : true;
    state.MusicOn = nextValue(7, value) ? flagValue(value) : true;
    if (!haveTrack)
        pickRandomTrack(state);
}

bool readSettings(GameState& state)
{
    // Settings the player chose that could not be saved are newer than whatever the file holds:
    // they stay in force for the rest of the run.
    if (state.settingsUnsaved)
        return false;
    const std::string path = settingsPath(state);
    if (!platform::text::fileExists(path))
        return false;
    // A file that exists but cannot be read counts as an empty one: every setting takes its default.
    std::string bytes;
    if (!platform::text::readFile(path, bytes))
        bytes.clear();
    applySettingsText(state, std::move(bytes));
    return true;
}

platform::text::WriteResult writeSettings(GameState& state)
{
    platform::text::WriteResult result =
        platform::text::writeFileAtomic(settingsPath(state), settingsText(state));
    state.settingsUnsaved = !result.ok;
    return result;
}

void setDefaultSettings(GameState& state)
{
    state.RandomTrack = true;
    state.SoundOn = true;
    state.MusicOn = true;
    pickRandomTrack(state);
}

void pickRandomTrack(GameState& state)
{
    std::string digits;
    for (int track = 1; track <= TrackCount; ++track)
        if (state.TrackAvail[static_cast<std::size_t>(track)] == "on")
            digits.push_back(static_cast<char>('0' + track - 1));
    if (digits.empty()) {
        state.CurrentTrack = 0;
        return;
    }
    const long long length = static_cast<long long>(digits.size());
    long long position = vb::intFloor(state.random.rnd() * static_cast<double>(length)) + 1;
    if (position > length)
        position = length;
    state.CurrentTrack = digits[static_cast<std::size_t>(position - 1)] - '0' + 1;
}

void loadMissionSettings(GameState& state)
{
    if (!readSettings(state)) {
        // Settings the player changed in this run but that could not be saved are kept, and
        // saved again now.
        if (!state.settingsUnsaved)
            setDefaultSettings(state);
        writeSettings(state);
    }
    if (state.RandomTrack)
        pickRandomTrack(state);
}

} // namespace tolvar
