// The calendar of date serials (days since 30 December 1899, the time of day
// as the fraction) and the date texts Basic reads and writes.
#include "dbengine/values/variant_dates.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace dao {

namespace {

// Days from 1 January of year 1 (proleptic Gregorian) for a civil date; the
// usual days-from-civil algorithm.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;  // days since 1970-01-01
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);  // serial 0 in unix days

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool ReadInt(std::string_view& s, int& value, int maxDigits) {
    int digits = 0;
    value = 0;
    while (!s.empty() && s.front() >= '0' && s.front() <= '9' && digits < maxDigits) {
        value = value * 10 + (s.front() - '0');
        s.remove_prefix(1);
        ++digits;
    }
    return digits > 0;
}

bool ParseTime(std::string_view s, int& h, int& mi, int& se) {
    se = 0;
    if (!ReadInt(s, h, 2) || s.empty() || s.front() != ':') return false;
    s.remove_prefix(1);
    if (!ReadInt(s, mi, 2)) return false;
    if (!s.empty() && s.front() == ':') {
        s.remove_prefix(1);
        if (!ReadInt(s, se, 2)) return false;
    }
    s = Trim(s);
    if (!s.empty()) return false;
    return h < 24 && mi < 60 && se < 60;
}

bool ValidDate(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int last = kDays[m - 1];
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) last = 29;
    return d <= last;
}

} // namespace

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Date text: dd/mm/yyyy (also "-" or "." between), yyyy-mm-dd, each with an
// optional time hh:mm[:ss]; or a time alone.
bool ParseDate(std::string_view text, double& serial) {
    std::string_view s = Trim(text);
    if (s.empty()) return false;
    int h = 0, mi = 0, se = 0;
    if (ParseTime(s, h, mi, se)) {
        serial = DateToSerial(1899, 12, 30, h, mi, se);
        return true;
    }
    h = mi = se = 0;
    int a = 0, b = 0, c = 0;
    std::string_view rest = s;
    int digitsA = 0;
    {
        std::string_view probe = rest;
        while (!probe.empty() && probe.front() >= '0' && probe.front() <= '9') {
            ++digitsA;
            probe.remove_prefix(1);
        }
    }
    if (!ReadInt(rest, a, 4) || rest.empty()) return false;
    const char sep = rest.front();
    if (sep != '/' && sep != '-' && sep != '.') return false;
    rest.remove_prefix(1);
    if (!ReadInt(rest, b, 2) || rest.empty() || rest.front() != sep) return false;
    rest.remove_prefix(1);
    int digitsC = 0;
    {
        std::string_view probe = rest;
        while (!probe.empty() && probe.front() >= '0' && probe.front() <= '9') {
            ++digitsC;
            probe.remove_prefix(1);
        }
    }
    if (!ReadInt(rest, c, 4)) return false;
    int year, month, day;
    if (digitsA == 4) {
        year = a; month = b; day = c;
    } else {
        day = a; month = b; year = c;
        if (digitsC <= 2) year += year < 30 ? 2000 : 1900;
    }
    if (!ValidDate(year, month, day)) return false;
    rest = Trim(rest);
    if (!rest.empty()) {
        if (rest.front() == 'T') rest.remove_prefix(1);
        if (!ParseTime(rest, h, mi, se)) return false;
    }
    serial = DateToSerial(year, month, day, h, mi, se);
    return true;
}

std::string FormatDate(double serial) {
    int y, mo, d, h, mi, s;
    SerialToDate(serial, y, mo, d, h, mi, s);
    char buffer[40];
    if (h == 0 && mi == 0 && s == 0)
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", d, mo, y);
    else
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d %02d:%02d:%02d", d, mo, y, h, mi, s);
    return buffer;
}

void SerialToDate(double serial, int& year, int& month, int& day, int& hour, int& minute, int& second) {
    // Basic's serial: the integer part counts days, the fraction is the time of
    // day whatever the sign.
    double whole = std::trunc(serial);
    double fraction = std::fabs(serial - whole);
    long long seconds = std::llround(fraction * 86400.0);
    std::int64_t days = static_cast<std::int64_t>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += serial < 0 ? -1 : 1;
    }
    CivilFromDays(days + kEpochOffset, year, month, day);
    hour = static_cast<int>(seconds / 3600);
    minute = static_cast<int>(seconds / 60 % 60);
    second = static_cast<int>(seconds % 60);
}

double DateToSerial(int year, int month, int day, int hour, int minute, int second) {
    // Month and day out of range roll over as DateSerial does.
    std::int64_t y = year + (month - 1) / 12;
    int m = (month - 1) % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    double days = static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m + 1), 1) - kEpochOffset + (day - 1));
    double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return days < 0 ? days - time : days + time;
}

} // namespace dao
