#pragma once

#include "platform/DateTime.h"

namespace tiplark {

// Weekday names and the short date and time formats of the system's locale.
class QtDateTimeFormat : public DateTimeFormat {
public:
    std::string longWeekday(const CivilDateTime& moment) const override;
    std::string shortDate(const CivilDateTime& moment) const override;
    std::string shortTime(const CivilDateTime& moment) const override;
};

}  // namespace tiplark
