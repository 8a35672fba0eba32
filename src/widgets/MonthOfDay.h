#ifndef MonthOfDayH
#define MonthOfDayH

/*! Cumulative day counts at the end of each month of a non-leap year (index 0 = January). */
extern const unsigned int MONTH_END_DAYS[12];

/*! Month index 0..11 of a day of the year: the first month whose end is not before day.
	Days 0 to 31 give 0, 32 to 59 give 1, ..., 335 to 365 give 11; beyond 365: 12. */
unsigned int monthOfDay(unsigned int day);

#endif // MonthOfDayH
