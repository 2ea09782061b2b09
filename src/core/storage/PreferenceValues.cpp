#include "storage/PreferenceValues.h"

#include "storage/SettingValues.h"

#include <variant>

namespace tiplark {
namespace {

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17).
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

template <typename Number>
bool inRange(const PredictionKey& key, Number value)
{
    return value >= key.minimum && value <= key.maximum;
}

// A number read and in range, else the default and false.
template <typename Number>
bool takeNumber(const PredictionKey& key, std::optional<Number> value, bool present, Number& field, Number fallback)
{
    const bool taken = value && inRange(key, *value);
    field = taken ? *value : fallback;
    return taken || !present;
}

}  // namespace

std::string preferenceText(const PredictionKey& key, const Preferences& preferences)
{
    if (key.fixedText)
        return key.fixedText;
    return std::visit(
        Overloaded{
            [&](int Preferences::*field) { return std::to_string(preferences.*field); },
            [&](bool Preferences::*field) { return writeYesNo(preferences.*field); },
            [&](double Preferences::*field) { return writeReal(preferences.*field); },
            [&](std::string Preferences::*field) { return preferences.*field; },
            [](const auto&) { return std::string(); },
        },
        key.target);
}

bool readPreference(const PredictionKey& key, const std::optional<std::string>& text, Preferences& preferences)
{
    static const Preferences defaults;
    const bool present = text.has_value();
    return std::visit(
        Overloaded{
            [&](int Preferences::*field) {
                return takeNumber(key, present ? readInteger(*text) : std::nullopt, present, preferences.*field,
                                  defaults.*field);
            },
            [&](bool Preferences::*field) {
                const auto value = present ? readYesNo(*text) : std::nullopt;
                preferences.*field = value.value_or(defaults.*field);
                return value.has_value() || !present;
            },
            [&](double Preferences::*field) {
                return takeNumber(key, present ? readReal(*text) : std::nullopt, present, preferences.*field,
                                  defaults.*field);
            },
            [&](std::string Preferences::*field) {
                preferences.*field = text.value_or(defaults.*field);
                return true;
            },
            [](const auto&) { return true; },
        },
        key.target);
}

}  // namespace tiplark
