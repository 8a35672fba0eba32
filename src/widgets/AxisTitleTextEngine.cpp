#include "AxisTitleTextEngine.h"

#include <algorithm>

#include <QFontMetricsF>

void AxisTitleTextEngine::registerEngine() {
	static const bool registered = (QwtText::setTextEngine(FORMAT, new AxisTitleTextEngine), true);
	Q_UNUSED(registered)
}


double AxisTitleTextEngine::heightForWidth(const QFont & font, int flags, const QString & text, double width) const {
	return QwtRichTextEngine::heightForWidth(font, flags, text, std::max(1.0, width - slack(font)));
}


double AxisTitleTextEngine::slack(const QFont & font) {
	return 1.5 * QFontMetricsF(font).height();
}
