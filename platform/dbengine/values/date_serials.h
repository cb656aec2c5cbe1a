#pragma once
// Date serials: days since 30 December 1899, the time of day as the fraction
// (Basic's Date). The calendar lives in variant_dates.cpp.
namespace dao {

void SerialToDate(double serial, int& year, int& month, int& day, int& hour, int& minute, int& second);
double DateToSerial(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

} // namespace dao
