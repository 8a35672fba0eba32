#ifndef Sci_DateScaleEngineH
#define Sci_DateScaleEngineH

#include <qwt_date_scale_engine.h>

namespace SCI {

/*! Date scale engine at a fixed offset from UTC (no daylight saving), like the date scale draw. */
class DateScaleEngine : public QwtDateScaleEngine {
public:
	explicit DateScaleEngine(int utcOffset = 0) : QwtDateScaleEngine(Qt::OffsetFromUTC) { setUtcOffset(utcOffset); }
};

} // namespace SCI

#endif // Sci_DateScaleEngineH
