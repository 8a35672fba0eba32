#ifndef Sci_DateScaleEngineH
#define Sci_DateScaleEngineH

#include <qwt_date_scale_engine.h>

namespace SCI {

/*! Date scale engine in local time. */
class DateScaleEngine : public QwtDateScaleEngine {
public:
	DateScaleEngine() : QwtDateScaleEngine(Qt::LocalTime) {}
};

} // namespace SCI

#endif // Sci_DateScaleEngineH
