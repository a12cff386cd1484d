#pragma once
// The rules of the condition panel apart from the window: the number a new condition takes, the
// value of the counted If kinds, and the panel's messages.

#include "mission_editor/files/item_list.h"

#include <string>
#include <string_view>

namespace plotwright {

inline constexpr const char* AnimationNotFoundMessage = "This animation already exist.";
inline constexpr const char* DuplicateIfMessage = "This condition already exist.";
inline constexpr const char* DoNameNotFoundMessage = "This AI animation don't exist.";
inline constexpr const char* DoNameMissingMessage = "Write the name of an AI animaion.";
inline constexpr const char* DoEnemyMissingMessage = "Select an enemy first";

// The number of a new condition: the first position p (from 1) of the sorted names whose name
// does not carry the number p, or one more than the count when there is no such gap.
int firstFreeCondition(const ItemList& conditionNames);

// The value of If kind 01 (soldiers, "00" .. "15") or 06 (enemies, "00" .. "99", then "100")
// for the number the box begins with; fractions are rounded to the nearest whole number.
std::string countedIfValue(int kind, std::string_view box);

} // namespace plotwright
