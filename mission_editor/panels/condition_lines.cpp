#include "mission_editor/panels/condition_lines.h"

#include "mission_editor/files/mission_model.h"

#include "platform/text/vb.h"

#include <cmath>

namespace plotwright {

int firstFreeCondition(const ItemList& conditionNames)
{
    for (int p = 1; p <= conditionNames.count(); ++p) {
        if (conditionNumber(conditionNames.at(p - 1)) != p) {
            return p;
        }
    }
    return conditionNames.count() + 1;
}

std::string countedIfValue(int kind, std::string_view box)
{
    const double value = vb::val(box);
    const int most = kind == 1 ? 15 : 100;
    long long v = std::isfinite(value) ? vb::nearest(value) : 0;
    if (v < 0) {
        v = 0;
    }
    if (v > most) {
        v = most;
    }
    return vb::zeroPad(v, 2);
}

} // namespace plotwright
