#include "MonthOfDay.h"

const unsigned int MONTH_END_DAYS[12] = { 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365 };

unsigned int monthOfDay(unsigned int day) {
	unsigned int k = 0;
	while (k < 12 && MONTH_END_DAYS[k] < day)
		++k;
	return k;
}
