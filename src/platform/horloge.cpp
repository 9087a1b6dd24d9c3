#include "platform/interfaces.h"

#include <ctime>

namespace ylkaz {
namespace {

DateHeure depuis_tm(const std::tm& t) {
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

} // namespace

DateHeure Horloge::utc() const {
    const std::time_t t = std::chrono::system_clock::to_time_t(maintenant());
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    return depuis_tm(tm);
}

DateHeure Horloge::locale() const {
    const std::time_t t = std::chrono::system_clock::to_time_t(maintenant());
    std::tm tm{};
    ::localtime_r(&t, &tm);
    return depuis_tm(tm);
}

} // namespace ylkaz
